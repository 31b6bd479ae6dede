#pragma once
// The letter-by-letter transcription of cleaned words into the reduced
// phonetic spelling (vowels reduced to A, I, U; C, Q and K merged; final S
// dropped...).

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace qor::text {

class TFoneticaCore {
public:
    // Every word is read and written in buffers of this many characters.
    static constexpr std::size_t TamanhoBuffer = 256;
    // Longest word transcribed: the rules look up to five characters past
    // the read index, and those must still be the blanks after the word
    // inside the buffer. Longer words are cut to this length.
    static constexpr std::size_t MaiorPalavra = TamanhoBuffer - 5;

    std::string GerarConteudoFonetico(std::string_view ATexto) const;

private:
    struct TPalavra;
    // Applies the rule of the character at the read index.
    void ProcessarLetra(TPalavra& APalavra) const;
    void TranscreverPalavra(std::string_view APalavra, std::string& ASaida) const;
};

}  // namespace qor::text
