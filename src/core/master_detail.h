#pragma once
// A detail row set that follows the current row of a master row set: after
// every move of the master the detail shows only its rows whose key fields
// equal the master's fields, positioned on the first of them, or nothing.
//
// The detail's rows are indexed once, when the link is made; each master
// move is then one hash lookup, whatever the size of the detail. Free the
// link before either query; freeing it shows every detail row again.

#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/query.h"

namespace qor {

class TMasterDetailLink {
public:
    // AMasterField and ADetailField name the key fields, several separated
    // by ";" and paired in order; an empty ADetailField means the detail's
    // key fields are named like the master's.
    TMasterDetailLink(TQuery& AQryMaster, TQuery& AQryDetail, const std::string& AMasterField,
                      const std::string& ADetailField);
    ~TMasterDetailLink();
    TMasterDetailLink(const TMasterDetailLink&) = delete;
    TMasterDetailLink& operator=(const TMasterDetailLink&) = delete;

private:
    struct KeyField {
        std::size_t master_column;
        std::size_t detail_column;
        db::Kind kind;  // the detail column's type: master values are converted to it
    };

    void BuildIndex();
    void Follow();
    // Appends the value, read as `kind`, to key; false for NULL or for a
    // value that does not convert to that type (it matches nothing).
    static bool AppendKey(const db::Value& value, db::Kind kind, std::string& key);

    TQuery& FMaster;
    TQuery& FDetail;
    std::vector<KeyField> FKeys;
    std::size_t FIndexedRows = 0;
    // Stored detail rows grouped by key, each group in stored order;
    // group g occupies FRows[FGroupStart[g] .. FGroupStart[g + 1]).
    std::unordered_map<std::string, std::uint32_t> FGroups;
    std::vector<std::size_t> FGroupStart;
    std::vector<std::size_t> FRows;
    std::string FKeyBuffer;
    std::size_t FScrollHook = 0;
};

}  // namespace qor
