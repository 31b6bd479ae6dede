#pragma once
// Identifier texts made from new random GUIDs.

#include <string>

namespace qor {

class TGUIDUtils {
public:
    // A new random (version 4) GUID as 32 upper-case hexadecimal digits,
    // without braces or hyphens.
    static std::string GetNewGUID();

    // 16 characters: the digits at the even positions (2, 4, ..., 32) of a
    // new GUID text.
    static std::string GetAuthenticityCode();
};

}  // namespace qor
