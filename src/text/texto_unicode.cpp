#include "text/texto_unicode.h"

#include <unicode/normalizer2.h>
#include <unicode/ucasemap.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>
#include <unicode/utf8.h>

#include <algorithm>
#include <array>
#include <limits>
#include <memory>
#include <stdexcept>

namespace qor::text {
namespace {

bool SoAscii(std::string_view ATexto)
{
    return std::all_of(ATexto.begin(), ATexto.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

void ExigirSucesso(UErrorCode AErro, const char* AOperacao)
{
    if (U_FAILURE(AErro)) {
        throw std::runtime_error(std::string("ICU: falha ao ") + AOperacao + ": " +
                                 u_errorName(AErro));
    }
}

const UCaseMap* MapaMaiusculas()
{
    static const std::unique_ptr<UCaseMap, decltype(&ucasemap_close)> mapa = [] {
        UErrorCode erro = U_ZERO_ERROR;
        UCaseMap* criado = ucasemap_open("pt_BR", 0, &erro);
        ExigirSucesso(erro, "abrir as regras de maiúsculas pt_BR");
        return std::unique_ptr<UCaseMap, decltype(&ucasemap_close)>(criado, ucasemap_close);
    }();
    return mapa.get();
}

// Letters with no decomposition that a best-fit table still maps to one
// ASCII letter.
char LetraSemDecomposicao(UChar32 c)
{
    switch (c) {
    case 0x00C6: return 'A';  // Æ
    case 0x00E6: return 'a';  // æ
    case 0x00D0: return 'D';  // Ð
    case 0x00F0: return 'd';  // ð
    case 0x00D8: return 'O';  // Ø
    case 0x00F8: return 'o';  // ø
    case 0x00DF: return 's';  // ß
    case 0x0110: return 'D';  // Đ
    case 0x0111: return 'd';  // đ
    case 0x0126: return 'H';  // Ħ
    case 0x0127: return 'h';  // ħ
    case 0x0131: return 'i';  // ı
    case 0x0141: return 'L';  // Ł
    case 0x0142: return 'l';  // ł
    case 0x0152: return 'O';  // Œ
    case 0x0153: return 'o';  // œ
    case 0x0166: return 'T';  // Ŧ
    case 0x0167: return 't';  // ŧ
    default: return '?';
    }
}

// The compatibility decomposition counts only when it is one ASCII
// character followed by combining marks; a spacing accent (´ = blank plus
// acute) must not turn into a blank, which would split the word it sits in.
char Dobrar(const icu::Normalizer2& ANfkd, UChar32 c)
{
    icu::UnicodeString decomposicao;
    if (ANfkd.getDecomposition(c, decomposicao)) {
        const UChar32 base = decomposicao.char32At(0);
        const int32_t tamanhoBase = U16_LENGTH(base);
        bool soMarcas = true;
        for (int32_t i = tamanhoBase; i < decomposicao.length(); i = decomposicao.moveIndex32(i, 1)) {
            soMarcas = soMarcas && u_charType(decomposicao.char32At(i)) == U_NON_SPACING_MARK;
        }
        const bool espacoComMarcas = base == ' ' && decomposicao.length() > tamanhoBase;
        if (base < 0x80 && soMarcas && !espacoComMarcas) {
            return static_cast<char>(base);
        }
    }
    return LetraSemDecomposicao(c);
}

// Built once: the fold of every BMP code unit.
const std::array<char, 0x10000>& TabelaAscii()
{
    static const auto tabela = [] {
        std::array<char, 0x10000> t{};
        UErrorCode erro = U_ZERO_ERROR;
        const icu::Normalizer2* nfkd = icu::Normalizer2::getNFKDInstance(erro);
        ExigirSucesso(erro, "carregar a decomposição NFKD");
        for (UChar32 c = 0; c < 0x10000; ++c) {
            t[c] = c < 0x80 ? static_cast<char>(c) : Dobrar(*nfkd, c);
        }
        return t;
    }();
    return tabela;
}

// ICU counts lengths in 32 bits, and upper-casing may make a text longer.
int32_t TamanhoIcu(std::string_view ATexto)
{
    if (ATexto.size() > static_cast<std::size_t>(std::numeric_limits<int32_t>::max() / 4)) {
        throw std::length_error("Texto longo demais: " + std::to_string(ATexto.size()) + " bytes");
    }
    return static_cast<int32_t>(ATexto.size());
}

}  // namespace

std::string MaiusculasLocale(std::string_view ATexto)
{
    std::string resultado(ATexto);
    if (SoAscii(ATexto)) {
        for (char& c : resultado) {
            if (c >= 'a' && c <= 'z') {
                c = static_cast<char>(c - 'a' + 'A');
            }
        }
        return resultado;
    }
    const int32_t tamanho = TamanhoIcu(ATexto);
    for (;;) {
        UErrorCode erro = U_ZERO_ERROR;
        const int32_t necessario =
            ucasemap_utf8ToUpper(MapaMaiusculas(), resultado.data(),
                                 static_cast<int32_t>(resultado.size()), ATexto.data(), tamanho, &erro);
        if (erro == U_BUFFER_OVERFLOW_ERROR) {
            resultado.resize(static_cast<std::size_t>(necessario));
            continue;
        }
        ExigirSucesso(erro, "converter em maiúsculas");
        resultado.resize(static_cast<std::size_t>(necessario));
        return resultado;
    }
}

std::string ParaAscii(std::string_view ATexto)
{
    if (SoAscii(ATexto)) {
        return std::string(ATexto);
    }
    const auto& tabela = TabelaAscii();
    const auto* bytes = reinterpret_cast<const uint8_t*>(ATexto.data());
    const int32_t tamanho = TamanhoIcu(ATexto);
    std::string resultado;
    resultado.reserve(ATexto.size());
    for (int32_t i = 0; i < tamanho;) {
        UChar32 c;
        U8_NEXT(bytes, i, tamanho, c);
        if (c < 0) {
            resultado += '?';
        } else if (c > 0xFFFF) {
            resultado += "??";
        } else {
            resultado += tabela[static_cast<std::size_t>(c)];
        }
    }
    return resultado;
}

}  // namespace qor::text
