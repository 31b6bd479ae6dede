#pragma once
// The cleaning steps that turn an upper-cased name into the words the
// transcription reads.

#include <string>
#include <string_view>

#include "text/fonetica_tabelas.h"

namespace qor::text {

class TFoneticaUtils {
public:
    // UTF-8 in, 7-bit ASCII out: letters lose their accents, characters
    // without an ASCII counterpart become '?'.
    std::string RemoverAcentuacoes(std::string_view ATexto) const;
    // Keeps only A to Z, 0 to 9, the blank, '&' and '_'.
    std::string RemoverCaracteresEspeciais(std::string_view ATexto) const;
    // Drops every word found in AConteudo.
    std::string RemoverConteudos(std::string_view ATexto, const TListaPalavras& AConteudo) const;
    // Replaces every word found in AConteudo by its replacement.
    std::string SubstituirConteudos(std::string_view ATexto, const TListaPares& AConteudo) const;
    // Merges runs of number words ("0002 MIL 0020") into one number ("2020"),
    // with a 32-bit signed running sum that wraps on overflow.
    std::string SomarCaracteres(std::string_view ATexto) const;
    // Collapses repeated characters; blanks and digits stay, SS stays SS.
    std::string RemoverCaracteresDuplicados(std::string_view ATexto) const;
};

}  // namespace qor::text
