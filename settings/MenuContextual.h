#pragma once
// The two Explorer context-menu entries, "Trituradora de archivo" on every file and
// "Trituradora de carpeta" on every folder. Each starts this program with the chosen path
// as its one argument, which is the command-line route: confirm, shred that item, quit.
// The verb keys get no value of their own, so Explorer shows their names as the items.
// They live in the current user's classes, so installing them needs no administrator.
#include <string>

// The full path of the program's own file, as the system reports it for the running program.
std::wstring RutaPrograma();
// The command Explorer runs for a program: the path in quotes, then " "%1"" (Explorer puts
// the chosen item's path in place of %1).
std::wstring TextoComando(const std::wstring& programa);

// Writes the file entry, then the folder entry, with this program's command, replacing
// what was there. A failure raises "Failed to set data for ''"; the folder entry is not
// attempted after the file entry failed.
void InstalarMenuContextual();
// Deletes both verb keys with everything below them, from the current user's classes and
// from the machine-wide ones (where an earlier version put them). Silent: missing keys and
// keys that cannot be deleted are passed over, and the folder entry is handled whatever
// happened to the file entry.
void DesinstalarMenuContextual();
// Yes only when both entries hold this program's command exactly, case included. A
// command value of a type other than text raises "Invalid data type for ''".
bool MenuContextualInstalado();

// The same for a given command (another copy of the program, for instance).
void InstalarMenuContextual(const std::wstring& comando);
bool MenuContextualInstalado(const std::wstring& comando);
