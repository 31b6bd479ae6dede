#include "db/connection_params.h"

#include <algorithm>

#include "db/detail/text.h"

namespace qor::db {

ConnectionParams::ConnectionParams(
    std::initializer_list<std::pair<std::string, std::string>> entries) {
    for (const auto& [name, value] : entries) Set(name, value);
}

void ConnectionParams::Set(const std::string& name, const std::string& value) {
    if (value.empty()) {
        Remove(name);
        return;
    }
    for (auto& entry : entries_) {
        if (detail::EqualsNoCase(entry.first, name)) {
            entry.second = value;
            return;
        }
    }
    entries_.emplace_back(name, value);
}

void ConnectionParams::Remove(const std::string& name) {
    std::erase_if(entries_, [&](const auto& e) { return detail::EqualsNoCase(e.first, name); });
}

std::optional<std::string> ConnectionParams::Get(const std::string& name) const {
    for (const auto& entry : entries_)
        if (detail::EqualsNoCase(entry.first, name)) return entry.second;
    return std::nullopt;
}

std::vector<std::string> ConnectionParams::Describe() const {
    std::vector<std::string> out;
    for (const auto& [name, value] : entries_)
        out.push_back(name + "=" + (detail::EqualsNoCase(name, "Password") ? "***" : value));
    return out;
}

}  // namespace qor::db
