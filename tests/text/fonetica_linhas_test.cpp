// The stream behind `qor-conversor phonetic`.

#include <gtest/gtest.h>

#include <sstream>

#include "text/fonetica_linhas.h"

namespace qor::text {
namespace {

TEST(FoneticaLinhas, UmaLinhaPorNome)
{
    std::istringstream entrada("Maria da Silva\r\nBOLA\n\nDE DA DOS");
    std::ostringstream saida;
    EscreverLinhasFoneticas(entrada, saida);
    EXPECT_EQ(saida.str(),
              "Maria da Silva\tMARIA SIUVA\t88d7b32197,cdb37d4c1f,558b316db6\n"
              "BOLA\tBULA\t8917ef954e\n"
              "\t\t0000000000\n"
              "DE DA DOS\t\t0000000000\n");
}

}  // namespace
}  // namespace qor::text
