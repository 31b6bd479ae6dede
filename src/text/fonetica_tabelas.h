#pragma once
// The word tables that drive the cleaning of a name and the last pass over
// its phonetic words. The web system searches people with texts made from
// exactly these tables, so every entry stays as it is, odd ones included.

#include <initializer_list>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <utility>

namespace qor::text {

// Words that a cleaning step drops.
class TListaPalavras {
public:
    TListaPalavras(std::initializer_list<std::string_view> APalavras);
    bool Contem(std::string_view APalavra) const { return FPalavras.contains(APalavra); }

private:
    std::unordered_set<std::string_view> FPalavras;
};

// Ordered (word, replacement) pairs: the first pair whose word equals the
// input wins.
class TListaPares {
public:
    TListaPares(std::initializer_list<std::pair<std::string_view, std::string_view>> APares);
    // The replacement of APalavra, or nullptr when no pair has it.
    const std::string_view* Substituto(std::string_view APalavra) const;

private:
    std::unordered_map<std::string_view, std::string_view> FPares;
};

const TListaPalavras& ConteudoParticulas();      // name particles
const TListaPalavras& ConteudoTitulos();         // titles and ranks
const TListaPares& ConteudoLetras();             // spelled-out letters
const TListaPares& ConteudoNumeros();            // number words and Roman numerals
const TListaPares& ConteudoVariantesNomes();     // name variants, on phonetic words
const TListaPares& ConteudoRamos();              // kinds of business, on phonetic words

}  // namespace qor::text
