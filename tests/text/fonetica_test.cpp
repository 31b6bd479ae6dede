// Phonetic text and codes of whole names, as the persons service stores them.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/codigo_fonetico_core.h"
#include "text/fonetica.h"

namespace qor::text {
namespace {

struct TCaso {
    const char* nome;
    const char* texto;
    std::vector<std::string> codigos;
};

// Codes marked "by hand" were worked out from the code formulas; their steps
// are in codigo_fonetico_test.cpp. The others pin what the engine gives.
const TCaso Casos[] = {
    // final S after a vowel dropped, O -> U
    {"BOLA", "BULA", {"8917ef954e"}},  // by hand
    {"bolas", "BULA", {"8917ef954e"}},
    // RR collapsed, C -> K
    {"CARRO", "KARU", {"fe2441d4f7"}},
    {"CARROS", "KARU", {"fe2441d4f7"}},
    // CH -> X; the code reads XA (final VI dropped) as SA
    {"CHAVES", "XAVI", {"5300e20053"}},  // by hand
    // particles and titles vanish
    {"Maria da Silva", "MARIA SIUVA", {"88d7b32197", "cdb37d4c1f", "558b316db6"}},
    {"MARIA SILVA", "MARIA SIUVA", {"88d7b32197", "cdb37d4c1f", "558b316db6"}},
    {"Dr. João dos Santos", "GIUAU SANTU", {"91a2863b7d", "8eadaeff85", "1f50343b03"}},
    {"JOAO SANTOS", "GIUAU SANTU", {"91a2863b7d", "8eadaeff85", "1f50343b03"}},
    {"Prof. Ana de Souza", "ANA SUZA", {"afaa6869f9", "f4ae970853", "a458ff724c"}},
    // spelled-out numbers and Roman numerals merge into one number
    {"DOIS MIL E VINTE", "2020", {"40fbe5da31"}},  // by hand
    {"MIL NOVECENTOS E OITENTA E CINCO", "1985", {"90c58b6a60"}},
    {"XV", "15", {"7100f10031"}},
    {"Paulo XV", "PAULU 15", {"662fcee5b9", "7100f10031", "d730c0e5ea"}},
    // spelled-out letter
    {"AGA", "H", {"0000000000"}},
    // silent initial H
    {"HELENA", "ILINA", {"086ffd2267"}},
    {"ELENA", "ILINA", {"086ffd2267"}},
    // short words without vowels keep their letters
    {"SP", "SP", {"5300e20053"}},  // by hand
    {"NGT", "NGT", {"6fa46714e3"}},
    // accents and Ç
    {"Conceição", "KUNSIKAU", {"ae63e080a0"}},
    {"CONCEICAO", "KUNSIKAU", {"ae63e080a0"}},
    {"Ângela Müller", "ANGILA MILIR", {"c9f51d93c4", "c9a133773f", "9396500b03"}},
    {"Ñandu", "NANDU", {"8aa1f90741"}},
    // ß upper-cases to SS
    {"Straße", "ISTRASI", {"7e4404a562"}},
    // a spacing accent used as an apostrophe does not split the word
    {"D´Ávila", "DAVILA", {"03640c250a"}},
    // name variants and kinds of business
    {"JACQUES", "GIAKI", {"1d00c90049"}},
    {"Padaria Pão Quente", "PADARIA PADARIA KINTI",
     {"01bae01ec9", "01bae01ec9", "0275c13d92", "7ab2cc17d9", "7b6dad36a2", "7b6dad36a2",
      "7c288e556b"}},
    // nothing left after cleaning; a lone digit
    {"DE DA DOS", "", {"0000000000"}},
    {" ?!? ", "", {"0000000000"}},
    {"", "", {"0000000000"}},
    {"3", "3", {"0000000000"}},  // by hand
};

TEST(Fonetica, TextoECodigosDeNomes)
{
    const auto fonetica = TFonetica::New();
    for (const TCaso& caso : Casos) {
        SCOPED_TRACE(caso.nome);
        EXPECT_EQ(fonetica->ObterTextoFonetico(caso.nome), caso.texto);
        EXPECT_EQ(fonetica->ObterCodigosFoneticos(caso.nome), caso.codigos);
    }
}

TEST(Fonetica, CodigoFoneticoEhOCodigoDoTextoInteiro)
{
    const auto fonetica = TFonetica::New();
    // with up to 5 words the last code of the list is the whole text's
    EXPECT_EQ(fonetica->ObterCodigoFonetico("Maria da Silva"), "558b316db6");
    EXPECT_EQ(fonetica->ObterCodigoFonetico("DE DA DOS"), "0000000000");
}

TEST(Fonetica, QuantidadeDeCodigosPorNumeroDePalavras)
{
    const TCodigoFoneticoCore codigo;
    const std::vector<std::string> palavras{"BULA", "KARU", "XAVI", "ILINA", "SP",
                                            "ANA",  "SUZA", "NGT",  "MARIA"};
    std::string texto;
    for (std::size_t n = 1; n <= palavras.size(); ++n) {
        texto += (n > 1 ? " " : "") + palavras[n - 1];
        const std::size_t esperado = n <= 5 ? (1u << n) - 1 : n - 5 + 32;
        EXPECT_EQ(codigo.generateCodes(texto).size(), esperado) << n << " palavras";
    }
}

TEST(Fonetica, CombinacoesNaOrdemDasMascaras)
{
    const TCodigoFoneticoCore c;
    EXPECT_EQ(c.generateCodes("BULA KARU XAVI"),
              (std::vector<std::string>{c.randomize("BULA"), c.randomize("KARU"),
                                        c.randomize("BULA KARU"), c.randomize("XAVI"),
                                        c.randomize("BULA XAVI"), c.randomize("KARU XAVI"),
                                        c.randomize("BULA KARU XAVI")}));
}

TEST(Fonetica, MaisDeCincoPalavrasTiramAsDoMeio)
{
    const TCodigoFoneticoCore c;
    const std::vector<std::string> codigos = c.generateCodes("P0 P1 P2 P3 P4 P5 P6");
    ASSERT_EQ(codigos.size(), 34u);
    EXPECT_EQ(codigos[0], c.randomize("P0 P1 P2 P3 P4 P5 P6"));
    EXPECT_EQ(codigos[1], c.randomize("P3"));  // index 7 / 2
    EXPECT_EQ(codigos[2], c.randomize("P4"));  // index 6 / 2 of what is left
    const std::vector<std::string> restantes = c.generateCodes("P0 P1 P2 P5 P6");
    EXPECT_EQ(std::vector<std::string>(codigos.begin() + 3, codigos.end()), restantes);
}

// Words too long for the 256-character buffers are cut to fit: first the
// word to 251 characters, then its transcription to 256.
TEST(Fonetica, PalavraLongaCortadaNoBuffer)
{
    const auto fonetica = TFonetica::New();
    std::string ba;
    std::string bj;
    for (int i = 0; i < 150; ++i) {
        ba += "BA";
        bj += "BJ";
    }
    std::string esperadoBa;
    for (int i = 0; i < 125; ++i) {
        esperadoBa += "BA";
    }
    esperadoBa += "BI";  // the 251st character is a B before the end of the word
    EXPECT_EQ(fonetica->ObterTextoFonetico(ba), esperadoBa);

    std::string esperadoBj;
    for (int i = 0; i < 64; ++i) {
        esperadoBj += "BIGI";  // every letter writes two, up to the 256th
    }
    EXPECT_EQ(fonetica->ObterTextoFonetico(bj), esperadoBj);
    EXPECT_EQ(fonetica->ObterTextoFonetico("ANA " + bj + " SILVA"), "ANA " + esperadoBj + " SIUVA");
    EXPECT_EQ(fonetica->ObterCodigosFoneticos("ANA " + bj + " SILVA").size(), 7u);
}

// Every letter and marker combination, long enough to pass the buffer.
TEST(Fonetica, PalavrasLongasDeTodasAsLetras)
{
    const auto fonetica = TFonetica::New();
    const std::string letras = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789&_";
    for (std::size_t passo = 1; passo < letras.size(); ++passo) {
        std::string palavra;
        for (std::size_t i = 0; palavra.size() < 300; i += passo) {
            palavra += letras[i % letras.size()];
        }
        const std::string texto = fonetica->ObterTextoFonetico(palavra);
        EXPECT_LE(texto.size(), 256u) << palavra;
        EXPECT_FALSE(fonetica->ObterCodigosFoneticos(palavra).empty());
    }
}

}  // namespace
}  // namespace qor::text
