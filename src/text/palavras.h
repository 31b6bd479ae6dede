#pragma once
// Cutting a text into words and putting it back together, the way every step
// of the phonetic engine does it: words are the pieces between single blanks,
// so two blanks in a row make an empty piece.

#include <string>
#include <string_view>
#include <vector>

namespace qor::text {

// Removes every character with code 32 or below from both ends.
std::string_view Aparar(std::string_view ATexto);

std::vector<std::string_view> CortarPalavras(std::string_view ATexto);

// Rebuilds a text from pieces: one blank goes before a piece once the text
// built so far has something other than blanks, so leading empty pieces
// vanish and inner ones leave an extra blank.
class TMontadorTexto {
public:
    void Acrescentar(std::string_view APeca);
    std::string& Texto() { return FTexto; }

private:
    std::string FTexto;
    bool FTemConteudo = false;
};

}  // namespace qor::text
