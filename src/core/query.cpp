#include "core/query.h"

#include <fmt/format.h>

#include "db/detail/text.h"
#include "db/error.h"
#include "db/statement.h"

namespace qor {

using db::UsageError;

const Value& TField::GetValue() const { return query_->CurrentValue(column_); }
void TField::SetValue(Value value) const { query_->CurrentValue(column_) = std::move(value); }
const std::string& TField::Name() const { return query_->FieldName(column_); }

void TParam::SetValue(std::size_t row, Value value) {
    auto& values = query_->param_values_[index_];
    if (row >= values.size())
        throw UsageError(fmt::format("parameter {}: row {} is outside the batch of {} rows", Name(), row,
                                     query_->array_size_));
    values[row] = std::move(value);
}

const Value& TParam::GetValue(std::size_t row) const { return query_->param_values_[index_].at(row); }
const std::string& TParam::Name() const { return query_->statement_.names[index_]; }

TQuery::TQuery(db::Connection& connection) : connection_(&connection) { SetSQL(""); }

TQuery::~TQuery() = default;

void TQuery::SetSQL(const std::string& sql) {
    Close();
    sql_ = sql;
    statement_ = db::ParseNamedParams(sql);
    param_index_.clear();
    for (std::size_t i = 0; i < statement_.names.size(); ++i)
        param_index_.emplace(statement_.names[i], i);
    array_size_ = 0;
    param_values_.assign(statement_.names.size(), std::vector<Value>(1));
    rows_affected_ = 0;
}

TParam TQuery::ParamByName(const std::string& name) {
    const auto it = param_index_.find(name);
    if (it == param_index_.end())
        throw UsageError(fmt::format("Parameter '{}' not found in the statement", name), sql_);
    return TParam(*this, it->second);
}

bool TQuery::HasParam(const std::string& name) const {
    return param_index_.contains(name);
}

void TQuery::Open(const std::string& sql) {
    SetSQL(sql);
    Open();
}

void TQuery::Open() {
    Close();
    db::ResultSet rs = db::Select(*connection_, statement_, SingleValues());
    columns_ = std::move(rs.columns);
    for (std::size_t i = 0; i < columns_.size(); ++i) column_index_.emplace(columns_[i], i);
    rows_ = std::move(rs.rows);
    active_ = true;
    First();
}

void TQuery::Close() {
    active_ = false;
    columns_.clear();
    column_index_.clear();
    rows_.clear();
    has_view_ = false;
    view_.clear();
    position_ = 0;
    eof_ = bof_ = true;
}

std::uint64_t TQuery::ExecSQL() {
    rows_affected_ = db::Execute(*connection_, statement_, SingleValues());
    return rows_affected_;
}

void TQuery::SetArraySize(std::size_t size) {
    array_size_ = size;
    for (auto& values : param_values_) values.resize(std::max<std::size_t>(size, 1));
}

std::uint64_t TQuery::ExecuteBatch() {
    rows_affected_ = 0;
    if (array_size_ == 0) return 0;
    rows_affected_ = db::ExecuteBatch(*connection_, statement_, param_values_, array_size_);
    return rows_affected_;
}

std::vector<Value> TQuery::SingleValues() const {
    std::vector<Value> values;
    values.reserve(param_values_.size());
    for (const auto& v : param_values_) values.push_back(v[0]);
    return values;
}

std::size_t TQuery::RecordCount() const { return has_view_ ? view_.size() : rows_.size(); }

std::size_t TQuery::CurrentStoredRow() const {
    if (RecordCount() == 0) throw UsageError("The query has no current row", sql_);
    return has_view_ ? view_[position_] : position_;
}

void TQuery::MoveTo(std::size_t position) {
    const std::size_t count = RecordCount();
    position_ = count == 0 ? 0 : std::min(position, count - 1);
    eof_ = count == 0;
    bof_ = count == 0 || position_ == 0;
    Moved();
}

void TQuery::First() { MoveTo(0); }

void TQuery::Last() { MoveTo(RecordCount() == 0 ? 0 : RecordCount() - 1); }

void TQuery::Next() {
    if (eof_) return;
    if (position_ + 1 >= RecordCount()) {
        eof_ = true;  // stays on the last row, as the product's datasets do
        return;
    }
    ++position_;
    bof_ = false;
    Moved();
}

void TQuery::Prior() {
    if (RecordCount() == 0) return;
    if (position_ == 0) {
        bof_ = true;
        return;
    }
    --position_;
    eof_ = false;
    Moved();
}

TField TQuery::FieldByName(const std::string& name) { return TField(*this, FieldIndex(name)); }

bool TQuery::HasField(const std::string& name) const { return column_index_.contains(name); }

std::size_t TQuery::FieldIndex(const std::string& name) const {
    const auto it = column_index_.find(name);
    if (it == column_index_.end()) throw UsageError(fmt::format("Field '{}' not found", name), sql_);
    return it->second;
}

Value& TQuery::CurrentValue(std::size_t column) {
    if (RecordCount() == 0) throw UsageError("The query has no current row", sql_);
    return rows_[CurrentStoredRow()][column];
}

void TQuery::SetView(std::vector<std::size_t> stored_rows) {
    has_view_ = true;
    view_ = std::move(stored_rows);
    First();
}

void TQuery::ClearView() {
    has_view_ = false;
    view_.clear();
    First();
}

std::size_t TQuery::OnScroll(std::function<void()> callback) {
    const std::size_t id = next_callback_id_++;
    scroll_callbacks_.emplace(id, std::move(callback));
    return id;
}

void TQuery::RemoveOnScroll(std::size_t id) { scroll_callbacks_.erase(id); }

void TQuery::Moved() {
    for (auto& [id, callback] : scroll_callbacks_) callback();
}

}  // namespace qor
