#include "table_writer.h"

#include <stdexcept>

#include "db/statement.h"

namespace qor::sample {
namespace {

constexpr std::size_t kRowsPerFlush = 2000;
constexpr double kStrayNull = 0.02;

std::string InsertText(const std::string& table, const std::vector<std::string>& columns) {
    std::string names, params;
    for (const auto& c : columns) {
        names += (names.empty() ? "" : ", ") + c;
        params += (params.empty() ? ":" : ", :") + c;
    }
    return "insert into " + table + " (" + names + ") values (" + params + ")";
}

}  // namespace

TableWriter::TableWriter(db::Connection& connection, Random& random, std::string table,
                         std::vector<std::string> columns, std::set<std::string> never_null)
    : connection_(connection),
      random_(random),
      table_(std::move(table)),
      insert_(db::ParseNamedParams(InsertText(table_, columns))),
      columns_(columns.size()) {
    for (const auto& c : columns) may_be_null_.push_back(!never_null.count(c));
}

TableWriter::~TableWriter() = default;

void TableWriter::Add(std::vector<db::Value> row) {
    if (row.size() != columns_.size())
        throw std::logic_error(table_ + ": a row of " + std::to_string(row.size()) + " values for " +
                               std::to_string(columns_.size()) + " columns");
    for (std::size_t c = 0; c < row.size(); ++c) {
        if (may_be_null_[c] && random_.Chance(kStrayNull)) row[c] = db::Value{};
        columns_[c].push_back(std::move(row[c]));
    }
    if (++pending_ == kRowsPerFlush) Flush();
}

void TableWriter::Flush() {
    if (!pending_) return;
    written_ += db::ExecuteBatch(connection_, insert_, columns_, pending_);
    for (auto& c : columns_) c.clear();
    pending_ = 0;
}

}  // namespace qor::sample
