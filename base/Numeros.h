#pragma once
// How a stored setting's text reads as a number.
#include <string_view>

// Text longer than two characters that begins with "0x" or "0X" is a hexadecimal number.
// Any other text is an integer: leading blanks, then an optional sign and decimal digits,
// or "$" and hexadecimal digits, up to the end of the text. Empty text, any other
// character, or a number outside the 32-bit signed range gives porDefecto.
int NumeroDeTexto(std::wstring_view texto, int porDefecto);
