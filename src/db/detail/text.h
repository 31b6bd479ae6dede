#pragma once
// Small ASCII text helpers of the database layer (catalogue names are ASCII).

#include <string>
#include <string_view>

namespace qor::db::detail {

inline char UpperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; }

inline bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (UpperAscii(a[i]) != UpperAscii(b[i])) return false;
    return true;
}

inline std::string ToUpperAscii(std::string_view s) {
    std::string r(s);
    for (char& c : r) c = UpperAscii(c);
    return r;
}

// Hash and equality that ignore ASCII case, for name lookups without copies.
struct NoCaseHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view s) const noexcept {
        std::size_t h = 1469598103934665603ull;
        for (char c : s) h = (h ^ static_cast<unsigned char>(UpperAscii(c))) * 1099511628211ull;
        return h;
    }
};
struct NoCaseEqual {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const noexcept { return EqualsNoCase(a, b); }
};

}  // namespace qor::db::detail
