#include "text/string_utils.h"

#include <unicode/locid.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>

namespace qor {
namespace {

const icu::Locale& PtBr() {
    static const icu::Locale locale("pt", "BR");
    return locale;
}

icu::UnicodeString FromUtf8(std::string_view text) {
    return icu::UnicodeString::fromUTF8(icu::StringPiece(text.data(), static_cast<std::int32_t>(text.size())));
}

std::string ToUtf8(const icu::UnicodeString& text) {
    std::string out;
    text.toUTF8String(out);
    return out;
}

}  // namespace

std::string TStringUtils::ExtractNumber(std::string_view AValue) {
    // Bytes of multi-byte UTF-8 sequences are never in '0'..'9', so a byte
    // scan keeps exactly the ASCII digits.
    std::string digits;
    for (const char c : AValue)
        if (c >= '0' && c <= '9') digits.push_back(c);
    return digits;
}

std::string TStringUtils::PrimeiraMaiuscula(std::string_view AText) {
    if (AText.empty()) return {};
    icu::UnicodeString text = FromUtf8(AText);
    const UChar32 first = text.char32At(0);
    // The first character keeps its one-character upper form ('ß' stays one
    // letter); the rest follows the full lower-case rules.
    icu::UnicodeString rest(text, U16_LENGTH(first));
    rest.toLower(PtBr());
    icu::UnicodeString result(u_toupper(first));
    result.append(rest);
    return ToUtf8(result);
}

std::string TStringUtils::LowerCase(std::string_view AText) {
    icu::UnicodeString text = FromUtf8(AText);
    text.toLower(PtBr());
    return ToUtf8(text);
}

}  // namespace qor
