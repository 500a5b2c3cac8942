#pragma once
// The system's switch that clears the page file when Windows shuts down: the REG_DWORD
// "ClearPageFileAtShutdown" of the memory-management key, 1 for on and 0 for off. The key
// is only ever opened (with full access), never created. Failures are reported only to the
// caller, never shown.
#include <windows.h>

#include <string>

// Reads the switch into activado (any value other than 0 is on). False when the key cannot
// be opened with full access, or the value is missing, is not a REG_DWORD or is longer than
// 4 bytes.
bool LeerClearPageFile(bool& activado);
// Writes 1 for on, 0 for off, creating the value if it is missing. False when the key
// cannot be opened with full access or the value cannot be written.
bool EscribirClearPageFile(bool activado);

// The same on another key.
bool LeerClearPageFile(HKEY raiz, const std::wstring& ruta, bool& activado);
bool EscribirClearPageFile(HKEY raiz, const std::wstring& ruta, bool activado);
