#pragma once
// The count line a service returns: its plural noun and the rows it wrote.

#include <cstdint>
#include <string>

#include <fmt/format.h>

namespace qor {

inline std::string MensagemConvertidos(const std::string& APlural, std::uint64_t ACount) {
    return fmt::format("{}: {} - Registro(s) Convertido(s)!", APlural, ACount);
}

}  // namespace qor
