// The cleaning steps on their own.

#include <gtest/gtest.h>

#include <string>

#include "text/fonetica_tabelas.h"
#include "text/fonetica_utils.h"

namespace qor::text {
namespace {

struct TPar {
    const char* entrada;
    const char* saida;
};

TEST(FoneticaUtils, RemoverAcentuacoes)
{
    const TPar casos[] = {
        {"ÁÀÂÃÄ ÉÊ Í ÓÔÕ ÚÜ Ç Ñ", "AAAAA EE I OOO UU C N"},
        {"áàâãä éê í óôõ úü ç ñ", "aaaaa ee i ooo uu c n"},
        {"1ª 2º", "1a 2o"},              // ordinal indicators fold to their letter
        {"Æ Œ Ø ß", "A O O s"},          // one letter for one, as a one-byte code page does
        {"€ ™ —", "? ? ?"},              // no ASCII counterpart
        {"\xF0\x9F\x98\x80", "??"},      // outside the BMP: two UTF-16 units
        {"A\xFF" "B", "A?B"},            // ill-formed UTF-8
        {"D´AVILA", "D?AVILA"},          // a spacing accent is not a blank
        {"A\xC2\xA0" "B", "A B"},        // no-break space
        {"\xEF\xBC\xA1\xEF\xBC\x91", "A1"},  // full-width forms
    };
    const TFoneticaUtils utils;
    for (const TPar& caso : casos) {
        EXPECT_EQ(utils.RemoverAcentuacoes(caso.entrada), caso.saida) << caso.entrada;
    }
}

TEST(FoneticaUtils, RemoverCaracteresEspeciais)
{
    EXPECT_EQ(TFoneticaUtils().RemoverCaracteresEspeciais("A-B.C&D_E f?\t9 "), "ABC&D_E 9 ");
}

TEST(FoneticaUtils, RemontagemDasPalavras)
{
    const TFoneticaUtils utils;
    // leading empty pieces vanish, inner and trailing ones keep their blanks
    EXPECT_EQ(utils.RemoverConteudos("DA  JOAO DA SILVA", ConteudoParticulas()), "JOAO SILVA");
    EXPECT_EQ(utils.RemoverConteudos("  JOAO  SILVA ", ConteudoParticulas()), "JOAO  SILVA ");
    EXPECT_EQ(utils.RemoverConteudos("DR JOAO PE", ConteudoTitulos()), "JOAO");
    EXPECT_EQ(utils.SubstituirConteudos("ERRE  XIS ", ConteudoLetras()), "R  X ");
    EXPECT_EQ(utils.SubstituirConteudos("DOIS III CENTO", ConteudoNumeros()), "0002 0003 0100");
    EXPECT_EQ(utils.SubstituirConteudos("DIMARIA UI", ConteudoVariantesNomes()), "MARIA UAI");
    EXPECT_EQ(utils.SubstituirConteudos("PIZARIA KAFI", ConteudoRamos()), "RISTAURANTI LANXUNITI");
}

TEST(FoneticaUtils, SomarCaracteres)
{
    const TPar casos[] = {
        {"0002 MIL 0020", "2020"},
        {"0002", "2"},
        {"MIL", "1000"},
        {"MIL JOAO", "1000 JOAO"},
        {"JOAO 0010 0005 SILVA", "JOAO 15 SILVA"},
        {"0001 E 0002", "3"},
        {"0000 0001", "0000 1"},        // zero is not a number here
        {"0001  0002", "1  2"},         // the empty piece ends the number
        {"XA XC", "22"},                // X starts hexadecimal digits
        {"0XFF", "255"},
        {"XFFFFFFFF", "-1"},            // 32-bit hexadecimal
        {"4294967 MIL", "-296"},        // the 32-bit sum wraps
        {"2147483647 0001", "-2147483648"},
        {"2147483648 0001", "2147483648 1"},  // too big to read as a number
        {"", ""},
    };
    const TFoneticaUtils utils;
    for (const TPar& caso : casos) {
        EXPECT_EQ(utils.SomarCaracteres(caso.entrada), caso.saida) << caso.entrada;
    }
}

TEST(FoneticaUtils, RemoverCaracteresDuplicados)
{
    const TPar casos[] = {
        {"CARRO", "CARO"},
        {"PASSO", "PASSO"},   // SS stays
        {"PASSSSO", "PASSO"},
        {"SSS", "SS"},
        {"1100 2020", "1100 2020"},  // digits stay
        {"A  B", "A  B"},            // so do blanks
        {" AAB ", "AB"},
    };
    const TFoneticaUtils utils;
    for (const TPar& caso : casos) {
        EXPECT_EQ(utils.RemoverCaracteresDuplicados(caso.entrada), caso.saida) << caso.entrada;
    }
}

}  // namespace
}  // namespace qor::text
