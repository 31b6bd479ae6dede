#pragma once
// Password hashes for the users of the document-flow database: bcrypt in its
// 60-character text form "$<version>$<cost>$<22 salt chars><31 hash chars>",
// which the document-flow system verifies. Passwords are UTF-8.

#include <string>
#include <string_view>

namespace qor::crypto {

enum class THashType {
    Bcrypt2b = 0,
    Bcrypt2y = 1,
    Bcrypt2a = 2,
    Unknown = 3,  // a prefix other than "$2b$", "$2y$" and "$2a$"
};

struct THashInfo {
    THashType Type = THashType::Unknown;
    int Cost = 0;
    std::string Salt;  // 22 characters
    std::string Hash;  // 31 characters
};

class TBCrypt {
public:
    static constexpr int DefaultCost = 12;

    // Version "2b", cost 12: what the conversion stores.
    static std::string GenerateHash(std::string_view APassword);
    // Version "2a".
    static std::string GenerateHash(std::string_view APassword, int ACost);
    // ACost from 4 to 31; raises for another cost or THashType::Unknown.
    static std::string GenerateHash(std::string_view APassword, int ACost, THashType AHashType);

    // True when APassword produces AHash; false for any text that is not a
    // valid hash. Compares every character whatever it finds.
    static bool CompareHash(std::string_view APassword, std::string_view AHash);

    // Raises "\n\rInvalid hash %s\n\r" for a text that is not 60 characters
    // long or whose cost is not two digits.
    static THashInfo GetHashInfo(std::string_view AHash);

    // True when the hash's cost differs from ACost.
    static bool NeedsRehash(std::string_view AHash, int ACost = DefaultCost);
};

}  // namespace qor::crypto
