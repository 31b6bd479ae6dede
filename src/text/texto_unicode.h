#pragma once
// The two locale services the phonetic engine needs: upper-casing by the
// Brazilian Portuguese rules and folding to 7-bit ASCII. Both take UTF-8;
// both are safe to call from any thread.

#include <string>
#include <string_view>

namespace qor::text {

// Upper-cases by the pt-BR rules, accents kept (á -> Á, ß -> SS).
std::string MaiusculasLocale(std::string_view ATexto);

// Best-fit fold to 7-bit ASCII, one character for every UTF-16 unit of the
// input, as a conversion to a one-byte code page does: a letter loses its
// diacritics (Ã -> A, Ç -> C), a compatibility form becomes its plain
// character (ª -> a, ² -> 2, full-width A -> A), a ligature keeps its first
// letter (Æ -> A, Œ -> O) and everything else becomes '?', as do the two
// units of a character outside the BMP and every ill-formed UTF-8 sequence.
std::string ParaAscii(std::string_view ATexto);

}  // namespace qor::text
