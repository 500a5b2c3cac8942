#pragma once
// The shred run over a list of paths: totals, dispatch of each item, the folder walk.
#include <cstdint>
#include <string>
#include <vector>

#include "engine/Motivo.h"

class Seguimiento;

// Shreds the items from the last to the first, deleting every item that answered true.
// True when every item was handled and succeeded (a cancel that leaves items answers false).
// Every item left in the list is written down in `informe`, when given, with its reason.
bool TriturarLista(Seguimiento& seguimiento, std::vector<std::wstring>& lista, int pasadas,
                   InformeRun* informe = nullptr);
// One item: a folder goes to TriturarCarpeta, a file to TriturarArchivo; anything else
// answers false and is not touched.
bool TriturarElemento(Seguimiento& seguimiento, const std::wstring& ruta, int pasadas);
// Walks a folder, shreds every file in it, removes it bottom-up. Links are not walked.
bool TriturarCarpeta(Seguimiento& seguimiento, const std::wstring& ruta, int pasadas);

// Total KB of a list (each item's whole KB, added up); files receives the number of files.
uint64_t TamanoListaKb(const std::vector<std::wstring>& lista, uint64_t& archivos);
uint64_t TamanoElementoKb(const std::wstring& ruta, uint64_t& archivos);
// Bytes of all files below a folder; adds the number of files found to archivos.
uint64_t TamanoCarpeta(const std::wstring& ruta, uint64_t& archivos);
// Bytes of one file, 0 when no entry is found.
uint64_t TamanoArchivo(const std::wstring& ruta);
