// The code formulas, checked by hand on small words.

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "text/codigo_fonetico_core.h"

namespace qor::text {
namespace {

TEST(CodigoFonetico, Tabelas)
{
    const std::pair<char, int> ebc[] = {{'0', 240}, {'9', 249}, {'A', 193}, {'I', 201}, {'J', 209},
                                        {'R', 217}, {'S', 226}, {'Z', 233}, {'a', 64},  {'-', 64}};
    for (const auto& [c, codigo] : ebc) {
        EXPECT_EQ(TCodigoFoneticoCore::tabEbc(c), codigo) << c;
    }
    const std::pair<int, int> nor[] = {{193, 19}, {197, 17}, {201, 29}, {209, 51}, {213, 49},
                                       {217, 61}, {226, 83}, {230, 84}, {233, 93}, {240, 112},
                                       {249, 121}, {64, 64},  {202, 64}};
    for (const auto& [codigo, numero] : nor) {
        EXPECT_EQ(TCodigoFoneticoCore::tabNor(static_cast<uint8_t>(codigo)), numero) << codigo;
    }
}

// BULA (from BOLA):
//   a: v = 66*256+85 = 16981; v = 16981*(85*256+76) >> 8 = 1448426;
//      v = 1448426*(76*256+65) >> 8 = 110448140 = 06 95 4E 0C
//   b: EBCDIC 194 228 211 193 -> 2417487835 = 90 17 EF DB
//   e: second numbering 22 89 57 19 -> 29133078 = 01 BC 89 16
//   code E2 B1 B2 A1 A2 = 89 17 ef 95 4e
// SA (from XAVI: final VI dropped, X -> S): two letters give s0*256 + s1:
//   a = 0x5341, b = 0xE2C1, e = 0x5313 -> 53 00 e2 00 53
TEST(CodigoFonetico, CodigosCalculadosAMao)
{
    EXPECT_EQ(TCodigoFoneticoCore::randomic("BULA"), 110448140u);
    EXPECT_EQ(TCodigoFoneticoCore::randomic("\xC2\xE4\xD3\xC1"), 2417487835u);
    EXPECT_EQ(TCodigoFoneticoCore::randomic("\x16\x59\x39\x13"), 29133078u);
    EXPECT_EQ(TCodigoFoneticoCore::randomic("A"), 65u);
    EXPECT_EQ(TCodigoFoneticoCore::randomic(""), 0u);
    EXPECT_EQ(TCodigoFoneticoCore::fonreg(0x1122334455667788u),
              (std::array<uint8_t, 4>{0x55, 0x66, 0x77, 0x88}));

    const TCodigoFoneticoCore codigo;
    EXPECT_EQ(codigo.randomize("BULA"), "8917ef954e");
    EXPECT_EQ(codigo.randomize("XAVI"), "5300e20053");
    EXPECT_EQ(codigo.randomize("SA"), "5300e20053");
    // one character: every byte the code takes is 0
    EXPECT_EQ(codigo.randomize("3"), "0000000000");
    EXPECT_EQ(codigo.randomize(""), "0000000000");
}

// Words whose bytes hit the value 48 and make the code take other bytes.
TEST(CodigoFonetico, BytesIguaisA48)
{
    const TCodigoFoneticoCore codigo;
    // E2 B1 B2 = 30 30 30 -> E1 B0 B3 = 3e 91 b8
    EXPECT_EQ(codigo.randomize("H4N4B"), "3e91b88019");
    // A1 A2 = 30 30 -> A0 A3 = 62 ad (the word reads as RAWU3)
    EXPECT_EQ(codigo.randomize("AWU3"), "32f3d162ad");
    // A = 30 30 30 30 -> bytes 1 and 2 of b + e
    EXPECT_EQ(codigo.randomize("Q2JFQWF"), "292f35735e");
}

TEST(CodigoFonetico, Mascaras)
{
    EXPECT_EQ(TCodigoFoneticoCore::permutations(3),
              (TCodigoFoneticoCore::TMascaras{{true, false, false},
                                              {false, true, false},
                                              {true, true, false},
                                              {false, false, true},
                                              {true, false, true},
                                              {false, true, true},
                                              {true, true, true}}));
    EXPECT_TRUE(TCodigoFoneticoCore::permutations(0).empty());
    EXPECT_EQ(TCodigoFoneticoCore::allPermutations()[4].size(), 31u);
    try {
        TCodigoFoneticoCore::permutations(6);
        FAIL() << "size 6 accepted";
    } catch (const std::invalid_argument& e) {
        EXPECT_STREQ(e.what(), "Invalid argument. size must be <= 5");
    }
}

TEST(CodigoFonetico, RemoverElemento)
{
    std::vector<std::string> lista{"A", "B", "C"};
    TCodigoFoneticoCore::removeElement(lista, 1);
    EXPECT_EQ(lista, (std::vector<std::string>{"A", "C"}));
    try {
        TCodigoFoneticoCore::removeElement(lista, 2);
        FAIL() << "index 2 accepted";
    } catch (const std::out_of_range& e) {
        EXPECT_STREQ(e.what(), "List index is out of bounds (2).");
    }
}

}  // namespace
}  // namespace qor::text
