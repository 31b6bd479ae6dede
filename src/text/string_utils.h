#pragma once
// Small text helpers of the conversion. Texts are UTF-8; casing follows the
// Brazilian Portuguese rules, so accented letters keep their accents.

#include <string>
#include <string_view>

namespace qor {

class TStringUtils {
public:
    // Only the ASCII digits 0 to 9 of AValue, in their order.
    static std::string ExtractNumber(std::string_view AValue);

    // The text in lower case with its first character in upper case
    // ("ALUGUEL DE IMÓVEL" -> "Aluguel de imóvel").
    static std::string PrimeiraMaiuscula(std::string_view AText);

    // Lower case by the pt-BR rules ("É" -> "é").
    static std::string LowerCase(std::string_view AText);
};

}  // namespace qor
