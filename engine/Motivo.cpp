#include "engine/Motivo.h"

std::wstring TextoMotivo(Motivo motivo) {
    switch (motivo) {
        case Motivo::Ninguno: return L"";
        case Motivo::EnUso: return L"en uso por otro programa";
        case Motivo::AccesoDenegado: return L"acceso denegado";
        case Motivo::Enlace: return L"es un enlace; no se ha seguido";
        case Motivo::OtrosNombres: return L"tiene otros nombres fuera de lo elegido";
        case Motivo::NoExiste: return L"no existe";
        case Motivo::DiscoLleno: return L"disco lleno";
        case Motivo::ErrorEscritura: return L"error de escritura";
        case Motivo::Cambiado: return L"cambiado por otro programa durante el triturado";
        case Motivo::Cancelado: return L"cancelado";
    }
    return L"";
}

std::wstring TextoFallo(const Fallo& fallo) {
    if (!fallo.quedanDentro) return TextoMotivo(fallo.motivo);
    if (fallo.motivo == Motivo::Ninguno) return L"quedan elementos dentro";
    return L"quedan elementos dentro (" + TextoMotivo(fallo.motivo) + L")";
}
