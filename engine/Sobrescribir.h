#pragma once
// The overwrite methods: each destroys a file's contents in place, pass by pass.
#include <string>

struct ShredOptions;
class TFProgreso;

// Runs the methods the settings enable, in method order, each for the given passes, and
// answers the AND of their results (every enabled method runs, whatever came before).
bool SobrescribirMetodos(TFProgreso& ventana, const std::wstring& ruta, int pasadas, const ShredOptions& opciones);
