#pragma once
// What a run tells whoever shows it, and what it asks of it. The engine speaks only to this;
// the progress window is one implementation, the tests have a recording one.
#include <windows.h>

#include <cstdint>
#include <string>

class Seguimiento {
public:
    virtual ~Seguimiento() = default;

    // The start of a run: the list's total in whole KB and its number of files.
    virtual void Totales(uint64_t kb, uint64_t archivos) = 0;
    // The folder being walked (empty clears it).
    virtual void Carpeta(const std::wstring& ruta) = 0;
    // One more file reached: the overall bar and the file counter move on.
    virtual void ArchivoContado() = 0;
    // The file being shredded.
    virtual void Archivo(const std::wstring& ruta) = 0;
    // The per-file bar: its range (methods in use × passes) and its position.
    virtual void MaximoPasadas(int maximo) = 0;
    virtual int MaximoPasadas() const = 0;
    virtual void PosicionPasada(int posicion) = 0;
    // The pass counter ("N de P").
    virtual void EtiquetaPasada(const std::wstring& texto) = 0;
    // Lets the window handle what is pending: repaints, a press of Cancelar.
    virtual void Bombear() = 0;
    // Waits until `listo` is signalled (work going on in another thread is over), the window
    // handling its messages meanwhile as they come, so that it answers however long the wait.
    virtual void EsperarAtendiendo(HANDLE listo) = 0;
    // Whether Cancelar has been pressed during this run.
    virtual bool CancelarPedido() const = 0;
    // Marks whether the last file was stopped by the cancel request.
    virtual void ParadoPorCancelar(bool parado) = 0;
};
