#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "text/string_utils.h"

namespace qor {
namespace {

using Cases = std::vector<std::pair<std::string, std::string>>;

TEST(StringUtils, ExtractNumberKeepsOnlyAsciiDigits) {
    const Cases cases = {
        {"(1) 2-3", "123"},
        {"A1.B2/C3", "123"},
        {"", ""},
        {"sem dígitos", ""},
        {"123.456.789-09", "12345678909"},
        {"\u0663" "4\uFF15", "4"},  // Arabic-Indic three and full-width five are not ASCII digits
    };
    for (const auto& [in, out] : cases) EXPECT_EQ(TStringUtils::ExtractNumber(in), out) << in;
}

TEST(StringUtils, PrimeiraMaiusculaCapitalisesOnlyTheFirstCharacter) {
    const Cases cases = {
        {"ALUGUEL DE IMÓVEL", "Aluguel de imóvel"},
        {"água", "Água"},
        {"", ""},
        {"ÉRICA", "Érica"},
        {"x", "X"},
        {"1º ANDAR", "1º andar"},
        {"çÃO", "Ção"},
    };
    for (const auto& [in, out] : cases) EXPECT_EQ(TStringUtils::PrimeiraMaiuscula(in), out) << in;

    std::string result = "anterior";
    for (int i = 0; i < 2; ++i) result = TStringUtils::PrimeiraMaiuscula("");
    EXPECT_EQ(result, "");
}

TEST(StringUtils, LowerCaseKeepsAccents) {
    EXPECT_EQ(TStringUtils::LowerCase("JOSÉ CONCEIÇÃO ÂNGELO"), "josé conceição ângelo");
}

}  // namespace
}  // namespace qor
