#include "text/fonetica_utils.h"

#include <cstdint>
#include <optional>
#include <vector>

#include "text/palavras.h"
#include "text/texto_unicode.h"

namespace qor::text {
namespace {

bool Mantido(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == ' ' || c == '&' || c == '_';
}

int DigitoHexadecimal(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// A whole piece read as a 32-bit integer: decimal digits up to 2147483647,
// or hexadecimal digits after "$", "X" or "0X" up to FFFFFFFF (the upper half
// reading as negative numbers).
std::optional<int32_t> LerInteiro(std::string_view APeca)
{
    int base = 10;
    if (!APeca.empty() && (APeca[0] == '$' || APeca[0] == 'X' || APeca[0] == 'x')) {
        base = 16;
        APeca.remove_prefix(1);
    } else if (APeca.size() > 1 && APeca[0] == '0' && (APeca[1] == 'X' || APeca[1] == 'x')) {
        base = 16;
        APeca.remove_prefix(2);
    }
    if (APeca.empty()) {
        return std::nullopt;
    }
    const uint64_t limite = base == 10 ? INT32_MAX : UINT32_MAX;
    uint64_t valor = 0;
    for (char c : APeca) {
        const int digito = DigitoHexadecimal(c);
        if (digito < 0 || digito >= base) {
            return std::nullopt;
        }
        valor = valor * static_cast<uint64_t>(base) + static_cast<uint64_t>(digito);
        if (valor > limite) {
            return std::nullopt;
        }
    }
    return static_cast<int32_t>(static_cast<uint32_t>(valor));
}

int32_t SomaComVolta(int32_t a, int32_t b)
{
    return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}

int32_t ProdutoComVolta(int32_t a, int32_t b)
{
    return static_cast<int32_t>(static_cast<uint32_t>(a) * static_cast<uint32_t>(b));
}

}  // namespace

std::string TFoneticaUtils::RemoverAcentuacoes(std::string_view ATexto) const
{
    return ParaAscii(ATexto);
}

std::string TFoneticaUtils::RemoverCaracteresEspeciais(std::string_view ATexto) const
{
    std::string resultado;
    resultado.reserve(ATexto.size());
    for (char c : ATexto) {
        if (Mantido(c)) {
            resultado += c;
        }
    }
    return resultado;
}

std::string TFoneticaUtils::RemoverConteudos(std::string_view ATexto,
                                             const TListaPalavras& AConteudo) const
{
    TMontadorTexto montador;
    for (std::string_view palavra : CortarPalavras(ATexto)) {
        if (!AConteudo.Contem(palavra)) {
            montador.Acrescentar(palavra);
        }
    }
    return std::move(montador.Texto());
}

std::string TFoneticaUtils::SubstituirConteudos(std::string_view ATexto,
                                                const TListaPares& AConteudo) const
{
    TMontadorTexto montador;
    for (std::string_view palavra : CortarPalavras(ATexto)) {
        const std::string_view* substituto = AConteudo.Substituto(palavra);
        montador.Acrescentar(substituto ? *substituto : palavra);
    }
    return std::move(montador.Texto());
}

std::string TFoneticaUtils::SomarCaracteres(std::string_view ATexto) const
{
    const std::vector<std::string_view> cortadas = CortarPalavras(ATexto);
    std::vector<std::string> pecas(cortadas.begin(), cortadas.end());
    // While the sum is not 0, the piece before k holds the number being built.
    int32_t soma = 0;
    std::size_t k = 0;
    while (k < pecas.size()) {
        const std::string& peca = pecas[k];
        if (peca == "E") {
            pecas.erase(pecas.begin() + static_cast<std::ptrdiff_t>(k));
            continue;
        }
        if (peca == "MIL") {
            if (soma != 0) {
                soma = ProdutoComVolta(soma, 1000);
                pecas.erase(pecas.begin() + static_cast<std::ptrdiff_t>(k));
            } else {
                soma = 1000;
                ++k;
            }
            continue;
        }
        const std::optional<int32_t> numero = LerInteiro(peca);
        if (numero && *numero != 0) {
            if (soma != 0) {
                --k;
                pecas.erase(pecas.begin() + static_cast<std::ptrdiff_t>(k));
            }
            soma = SomaComVolta(soma, *numero);
        } else {
            if (soma != 0) {
                pecas[k - 1] = std::to_string(soma);
            }
            soma = 0;
        }
        ++k;
    }
    if (soma != 0) {
        pecas.back() = std::to_string(soma);
    }

    std::string resultado;
    for (std::size_t i = 0; i < pecas.size(); ++i) {
        if (i > 0) {
            resultado += ' ';
        }
        resultado += pecas[i];
    }
    return resultado;
}

std::string TFoneticaUtils::RemoverCaracteresDuplicados(std::string_view ATexto) const
{
    std::string resultado;
    resultado.reserve(ATexto.size());
    char anterior = ' ';
    char antesDoAnterior = ' ';
    for (char c : ATexto) {
        const bool segundoS = c == 'S' && anterior == 'S' && antesDoAnterior != 'S';
        if (c != anterior || c == ' ' || (c >= '0' && c <= '9') || segundoS) {
            resultado += c;
        }
        antesDoAnterior = anterior;
        anterior = c;
    }
    return std::string(Aparar(resultado));
}

}  // namespace qor::text
