#pragma once
// The overwrite methods: each destroys a file's contents in place, pass by pass, keeping the
// progress window's bar and pass counter up to date and stopping at the next pass boundary
// once Cancelar has been pressed. Every method answers true when it did its work without a
// recorded failure; a method met with the cancel request already set answers true at once.
// Every pass is flushed to the disk before the file is closed, also one that a full disk
// stopped part-way, and a method only ever writes the file its first open found there: a
// file put in its place meanwhile fails the pass.
#include <windows.h>

#include <cstdint>
#include <string>

#include "engine/Motivo.h"

struct ShredOptions;
class Seguimiento;

// Fill bytes of methods 4 and 5, indexed by the pass number mod 6.
inline constexpr uint8_t TablaPatrones[6] = {0x00, 0xFF, 0x00, 0xF0, 0x0F, 0x00};

// Three layers per pass (0x00, 0x01, a random block) over the file's size, each flushed to the
// disk; the file is held open, exclusively, for the whole method. Size kept.
bool SobrescribirMetodo1(Seguimiento& seguimiento, const std::wstring& ruta, int pasadas);
// Reads each 4096-byte block and writes (pass + 27) mod 256 over what was read. Size kept.
bool SobrescribirMetodo2(Seguimiento& seguimiento, const std::wstring& ruta, int pasadas);
// Makes the file a plain archive, then writes 0x00, 0xFF and a random buffer (no 0xFF in it)
// over every 64 KiB chunk, the last byte first. Size kept.
bool SobrescribirMetodo3(Seguimiento& seguimiento, const std::wstring& ruta, int pasadas);
// Writes TablaPatrones[pass mod 6] in whole 4096-byte blocks counted from the size, at least
// one: the file grows to the next multiple of 4096 (an empty file to 4096).
bool SobrescribirMetodo4(Seguimiento& seguimiento, const std::wstring& ruta, int pasadas);
// Writes TablaPatrones[pass mod 6] in whole 4096-byte blocks up to the end of the file (an
// empty file stays empty). A failed pass does not stop the next; the answer is their AND.
bool SobrescribirMetodo5(Seguimiento& seguimiento, const std::wstring& ruta, int pasadas);

// Runs the methods the settings enable, in method order, each for the given passes, and
// answers the AND of their results (every enabled method runs, whatever came before). All of
// them work on the file the first of them opened.
bool SobrescribirMetodos(Seguimiento& seguimiento, const std::wstring& ruta, int pasadas, const ShredOptions& opciones);
// The same over a file the caller holds open (for reading, writing and attributes): every pass
// writes through that handle. `fallo` receives the first failure's reason.
bool SobrescribirMetodos(Seguimiento& seguimiento, HANDLE retenido, int pasadas, const ShredOptions& opciones,
                         Fallo& fallo);
