#include <gtest/gtest.h>

#include "engine/Generador.h"

TEST(Generador, DrawsFollowTheCongruenceFromStateZero) {
    FijarEstadoGenerador(0);
    // state 1 -> (1 * 256) >> 32 = 0; state 134775814 -> (134775814 * 256) >> 32 = 8
    EXPECT_EQ(Sortear(256), 0u);
    EXPECT_EQ(EstadoGenerador(), 1u);
    EXPECT_EQ(Sortear(256), 8u);
    EXPECT_EQ(EstadoGenerador(), 134775814u);
}
