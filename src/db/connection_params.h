#pragma once
// A connection's parameter list: ordered name=value entries, names compared
// without regard to case. Setting an empty value removes the entry, so that
// the client library's own default applies.

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace qor::db {

class ConnectionParams {
public:
    ConnectionParams() = default;
    ConnectionParams(std::initializer_list<std::pair<std::string, std::string>> entries);

    void Set(const std::string& name, const std::string& value);
    void Remove(const std::string& name);
    std::optional<std::string> Get(const std::string& name) const;
    bool Has(const std::string& name) const { return Get(name).has_value(); }

    // "Name=Value" entries in order, for display (the password is masked).
    std::vector<std::string> Describe() const;

    const std::vector<std::pair<std::string, std::string>>& Entries() const { return entries_; }

private:
    std::vector<std::pair<std::string, std::string>> entries_;
};

}  // namespace qor::db
