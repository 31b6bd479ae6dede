#include "text/palavras.h"

namespace qor::text {
namespace {

bool Branco(char c)
{
    return static_cast<unsigned char>(c) <= 32;
}

}  // namespace

std::string_view Aparar(std::string_view ATexto)
{
    while (!ATexto.empty() && Branco(ATexto.front())) {
        ATexto.remove_prefix(1);
    }
    while (!ATexto.empty() && Branco(ATexto.back())) {
        ATexto.remove_suffix(1);
    }
    return ATexto;
}

std::vector<std::string_view> CortarPalavras(std::string_view ATexto)
{
    std::vector<std::string_view> palavras;
    std::size_t inicio = 0;
    for (;;) {
        const std::size_t fim = ATexto.find(' ', inicio);
        if (fim == std::string_view::npos) {
            palavras.push_back(ATexto.substr(inicio));
            return palavras;
        }
        palavras.push_back(ATexto.substr(inicio, fim - inicio));
        inicio = fim + 1;
    }
}

void TMontadorTexto::Acrescentar(std::string_view APeca)
{
    if (FTemConteudo) {
        FTexto += ' ';
    }
    FTexto += APeca;
    FTemConteudo = FTemConteudo || !Aparar(APeca).empty();
}

}  // namespace qor::text
