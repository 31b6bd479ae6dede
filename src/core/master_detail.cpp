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
    FIndex.Build(FDetail.StoredRowCount(), [this](std::size_t row, std::string& key) { return DetailKey(row, key); });
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
                // The length keeps the keys ("ab", "c") and ("a", "bc") apart.
                const std::string text = value.AsString();
                const auto length = static_cast<std::uint32_t>(text.size());
                key.append(reinterpret_cast<const char*>(&length), sizeof length);
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

bool TMasterDetailLink::MasterKey(std::size_t row, std::string& key) const {
    key.clear();
    for (const KeyField& k : FKeys)
        if (!AppendKey(FMaster.StoredValue(row, k.master_column), k.kind, key)) return false;
    return true;
}

bool TMasterDetailLink::DetailKey(std::size_t row, std::string& key) const {
    for (const KeyField& k : FKeys)
        if (!AppendKey(FDetail.StoredValue(row, k.detail_column), k.kind, key)) return false;
    return true;
}

void TMasterDetailLink::Follow() {
    if (!FDetail.Active() || FDetail.StoredRowCount() != FIndex.RowCount())
        throw db::UsageError("Ligação mestre-detalhe: a consulta de detalhe foi fechada ou reaberta depois de ligada",
                             FDetail.SQL());
    std::vector<std::size_t> shown;
    if (!FMaster.IsEmpty() && MasterKey(FMaster.CurrentStoredRow(), FKeyBuffer)) {
        // Master and detail usually come in the same key order: the group
        // of the last move, or the next one, is then the match.
        const std::uint32_t group = FIndex.FindNear(FLastGroup, FKeyBuffer);
        if (group != TKeyIndex::kNone) {
            FLastGroup = group;
            const auto rows = FIndex.Rows(group);
            shown.assign(rows.begin(), rows.end());
        }
    }
    FDetail.SetView(std::move(shown));
}

}  // namespace qor
