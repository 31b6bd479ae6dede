#include "core/guid_utils.h"

#include <sys/random.h>

#include <array>
#include <cerrno>
#include <cstdint>
#include <system_error>

namespace qor {
namespace {

// Bytes from the kernel's CSPRNG; getrandom blocks only until the pool is
// first seeded and may return early on a signal, so it is retried.
void FillRandom(std::uint8_t* buffer, std::size_t size) {
    std::size_t filled = 0;
    while (filled < size) {
        const ssize_t n = ::getrandom(buffer + filled, size - filled, 0);
        if (n < 0) {
            if (errno == EINTR) continue;
            throw std::system_error(errno, std::generic_category(), "getrandom");
        }
        filled += static_cast<std::size_t>(n);
    }
}

}  // namespace

std::string TGUIDUtils::GetNewGUID() {
    std::array<std::uint8_t, 16> bytes{};
    FillRandom(bytes.data(), bytes.size());
    bytes[6] = static_cast<std::uint8_t>((bytes[6] & 0x0F) | 0x40);  // version 4: random
    bytes[8] = static_cast<std::uint8_t>((bytes[8] & 0x3F) | 0x80);  // RFC 4122 variant

    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(32);
    for (const std::uint8_t b : bytes) {
        text.push_back(kHex[b >> 4]);
        text.push_back(kHex[b & 0x0F]);
    }
    return text;
}

std::string TGUIDUtils::GetAuthenticityCode() {
    const std::string guid = GetNewGUID();
    std::string code;
    code.reserve(16);
    for (std::size_t i = 1; i < guid.size(); i += 2) code.push_back(guid[i]);
    return code;
}

}  // namespace qor
