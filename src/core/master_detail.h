#pragma once
// A detail row set that follows the current row of a master row set: after
// every move of the master the detail shows only its rows whose key fields
// equal the master's fields, positioned on the first of them, or nothing.
//
// The detail's rows are indexed once, when the link is made; a master move
// then costs one hash lookup at most, whatever the size of the detail, and
// none when master and detail come in the same key order. Free the link
// before either query; freeing it shows every detail row again.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/key_index.h"
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

    void Follow();
    // The key of a stored row of the master or of the detail; false when a
    // key field is NULL or does not convert (the row matches nothing).
    bool MasterKey(std::size_t row, std::string& key) const;
    bool DetailKey(std::size_t row, std::string& key) const;
    // Appends the value, read as `kind`, to key; false for NULL or for a
    // value that does not convert to that type.
    static bool AppendKey(const db::Value& value, db::Kind kind, std::string& key);

    TQuery& FMaster;
    TQuery& FDetail;
    std::vector<KeyField> FKeys;
    TKeyIndex FIndex;  // detail key -> stored detail rows
    std::uint32_t FLastGroup = TKeyIndex::kNone;
    std::string FKeyBuffer;
    std::size_t FScrollHook = 0;
};

}  // namespace qor
