#pragma once
// Phonetic codes: 10 lowercase hexadecimal digits computed from the letters
// of the words of a phonetic text, and the list of codes of a text's word
// combinations that the web system searches by.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qor::text {

class TCodigoFoneticoCore {
public:
    using TMascaras = std::vector<std::vector<bool>>;

    // Codes of the text's word combinations: the whole text and one code per
    // word taken out while more than 5 words remain, then one code per
    // non-empty combination of the 5 or fewer words left.
    std::vector<std::string> generateCodes(std::string_view ATexto) const;
    // The code of one text.
    std::string randomize(std::string_view ATexto) const;

    // Character codes folded into one number, 8 bits dropped per step.
    static uint64_t randomic(std::string_view ACodigos);
    // The low 32 bits of AValor, most significant byte first.
    static std::array<uint8_t, 4> fonreg(uint64_t AValor);
    // EBCDIC (code page 037) code of a digit or upper-case letter, 64 for
    // anything else.
    static uint8_t tabEbc(char ACaractere);
    // A second numbering of the EBCDIC codes of digits and letters.
    static uint8_t tabNor(uint8_t ACodigoEbcdic);

    // The masks of the combinations of ATamanho words: row k - 1 holds bit
    // 2^j of k in column j, for k = 1 to 2^ATamanho - 1.
    static TMascaras permutations(std::size_t ATamanho);
    // The masks for 1 to 5 words.
    static const std::array<TMascaras, 5>& allPermutations();
    static void removeElement(std::vector<std::string>& ALista, std::size_t AIndice);
};

}  // namespace qor::text
