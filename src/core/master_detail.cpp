#include "core/master_detail.h"

#include <bit>

#include <fmt/format.h>

#include "db/error.h"

namespace qor {
namespace {

using db::Kind;
using db::Value;

std::vector<std::string> SplitFields(const std::string& names) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = names.find(';', start);
        std::string name = names.substr(start, end == std::string::npos ? std::string::npos : end - start);
        const auto first = name.find_first_not_of(' ');
        fields.push_back(first == std::string::npos ? std::string()
                                                    : name.substr(first, name.find_last_not_of(' ') - first + 1));
        if (end == std::string::npos) return fields;
        start = end + 1;
    }
}

// The type of a column is the type of its values; a column of NULLs only
// has none, and then nothing matches it.
Kind ColumnKind(const TQuery& query, std::size_t column) {
    for (std::size_t row = 0; row < query.StoredRowCount(); ++row) {
        const Value& v = query.StoredValue(row, column);
        if (!v.IsNull()) return v.GetKind();
    }
    return Kind::Null;
}

void AppendBits(std::int64_t bits, std::string& key) {
    key.append(reinterpret_cast<const char*>(&bits), sizeof bits);
}

}  // namespace

TMasterDetailLink::TMasterDetailLink(TQuery& AQryMaster, TQuery& AQryDetail, const std::string& AMasterField,
                                     const std::string& ADetailField)
    : FMaster(AQryMaster), FDetail(AQryDetail) {
    if (!FMaster.Active() || !FDetail.Active())
        throw db::UsageError("Ligação mestre-detalhe: as duas consultas devem estar abertas");
    const std::vector<std::string> master_fields = SplitFields(AMasterField);
    const std::vector<std::string> detail_fields = SplitFields(ADetailField.empty() ? AMasterField : ADetailField);
    if (master_fields.size() != detail_fields.size())
        throw db::UsageError(fmt::format(
            "Ligação mestre-detalhe: {} campo(s) no mestre (\"{}\") e {} no detalhe (\"{}\")", master_fields.size(),
            AMasterField, detail_fields.size(), ADetailField));
    for (std::size_t i = 0; i < master_fields.size(); ++i) {
        const std::size_t detail_column = FDetail.FieldIndex(detail_fields[i]);
        FKeys.push_back({FMaster.FieldIndex(master_fields[i]), detail_column, ColumnKind(FDetail, detail_column)});
    }
    BuildIndex();
    FScrollHook = FMaster.OnScroll([this] { Follow(); });
    Follow();
}

TMasterDetailLink::~TMasterDetailLink() {
    FMaster.RemoveOnScroll(FScrollHook);
    FDetail.ClearView();
}

bool TMasterDetailLink::AppendKey(const Value& value, Kind kind, std::string& key) {
    if (value.IsNull()) return false;
    try {
        switch (kind) {
            case Kind::Null: return false;
            case Kind::Text:
            case Kind::Bytes: {
                const std::string text = value.AsString();
                AppendBits(static_cast<std::int64_t>(text.size()), key);  // keeps "a;b" + "c" apart from "a" + "b;c"
                key += text;
                return true;
            }
            case Kind::Int:
            case Kind::Bool: AppendBits(kind == Kind::Bool ? value.AsBoolean() : value.AsInt64(), key); return true;
            case Kind::Decimal:
            case Kind::Float: AppendBits(std::bit_cast<std::int64_t>(value.AsFloat() + 0.0), key); return true;
            case Kind::Date: AppendBits(std::bit_cast<std::int64_t>(value.AsDateTime().DatePart()), key); return true;
            case Kind::Time:
                AppendBits(std::bit_cast<std::int64_t>(db::DateTime{0, value.AsDateTime().ticks}), key);
                return true;
            case Kind::Timestamp: AppendBits(std::bit_cast<std::int64_t>(value.AsDateTime()), key); return true;
        }
    } catch (const db::Error&) {
        // A master text that is no number cannot equal a numeric key.
    }
    return false;
}

void TMasterDetailLink::BuildIndex() {
    const std::size_t count = FDetail.StoredRowCount();
    constexpr std::uint32_t kNoGroup = UINT32_MAX;
    std::vector<std::uint32_t> group_of(count, kNoGroup);
    std::vector<std::size_t> group_size;
    FGroups.reserve(count);
    for (std::size_t row = 0; row < count; ++row) {
        FKeyBuffer.clear();
        bool complete = true;
        for (const KeyField& k : FKeys)
            complete = complete && AppendKey(FDetail.StoredValue(row, k.detail_column), k.kind, FKeyBuffer);
        if (!complete) continue;  // a NULL key matches no master row
        const auto [it, added] = FGroups.try_emplace(FKeyBuffer, static_cast<std::uint32_t>(group_size.size()));
        if (added) group_size.push_back(0);
        group_of[row] = it->second;
        ++group_size[it->second];
    }
    FGroupStart.assign(group_size.size() + 1, 0);
    for (std::size_t g = 0; g < group_size.size(); ++g) FGroupStart[g + 1] = FGroupStart[g] + group_size[g];
    // Rows go into their groups in stored order, so equal keys keep the
    // order the detail query returned them in.
    std::vector<std::size_t> next(FGroupStart.begin(), FGroupStart.end() - 1);
    FRows.resize(FGroupStart.back());
    for (std::size_t row = 0; row < count; ++row)
        if (group_of[row] != kNoGroup) FRows[next[group_of[row]]++] = row;
    FIndexedRows = count;
}

void TMasterDetailLink::Follow() {
    if (!FDetail.Active() || FDetail.StoredRowCount() != FIndexedRows)
        throw db::UsageError("Ligação mestre-detalhe: a consulta de detalhe foi fechada ou reaberta depois de ligada",
                             FDetail.SQL());
    if (FMaster.IsEmpty()) {
        FDetail.SetView({});
        return;
    }
    const std::size_t master_row = FMaster.CurrentStoredRow();
    FKeyBuffer.clear();
    for (const KeyField& k : FKeys)
        if (!AppendKey(FMaster.StoredValue(master_row, k.master_column), k.kind, FKeyBuffer)) {
            FDetail.SetView({});
            return;
        }
    const auto it = FGroups.find(FKeyBuffer);
    if (it == FGroups.end()) {
        FDetail.SetView({});
        return;
    }
    FDetail.SetView(std::vector<std::size_t>(FRows.begin() + static_cast<std::ptrdiff_t>(FGroupStart[it->second]),
                                             FRows.begin() + static_cast<std::ptrdiff_t>(FGroupStart[it->second + 1])));
}

}  // namespace qor
