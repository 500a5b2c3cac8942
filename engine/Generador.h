#pragma once
// The pseudo-random generator shared by the overwrite methods and the finishing steps:
// one 32-bit state, 0 when the program starts, advanced by a linear congruence.
#include <cstdint>

// A draw below n (n >= 1): advances the state and yields a number from 0 to n - 1.
uint32_t Sortear(uint32_t n);
// Reseeds from the current UTC time of day, in milliseconds.
void Resembrar();
uint32_t EstadoGenerador();
void FijarEstadoGenerador(uint32_t estado);
