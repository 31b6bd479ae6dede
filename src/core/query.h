#pragma once
// TQuery: the row set every conversion step works with. It holds a statement
// with named parameters, reads its whole result into memory on Open, lets
// the caller walk and edit the rows in memory (nothing is written back), and
// doubles as a batch statement: each parameter keeps one value per batch row.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <unordered_map>
#include <vector>

#include "db/connection.h"
#include "db/detail/text.h"
#include "db/named_params.h"
#include "db/value.h"

namespace qor {

using db::DateTime;
using db::Value;

class TQuery;

// A column of the current row, found by name regardless of case.
class TField {
public:
    TField(TQuery& query, std::size_t column) : query_(&query), column_(column) {}

    const Value& GetValue() const;
    bool IsNull() const { return GetValue().IsNull(); }
    std::string AsString() const { return GetValue().AsString(); }
    std::int32_t AsInteger() const { return GetValue().AsInteger(); }
    std::int64_t AsLargeInt() const { return GetValue().AsInt64(); }
    double AsFloat() const { return GetValue().AsFloat(); }
    DateTime AsDateTime() const { return GetValue().AsDateTime(); }
    bool AsBoolean() const { return GetValue().AsBoolean(); }
    const std::string& AsBytes() const { return GetValue().RawBytes(); }

    // Edits the current row in memory.
    // (The field is a handle: editing changes the row, not the handle.)
    void SetValue(Value value) const;
    void SetAsInteger(std::int64_t v) const { SetValue(Value::Int(v)); }
    void SetAsString(std::string v) const { SetValue(Value::Text(std::move(v))); }

    const std::string& Name() const;
    std::size_t Index() const { return column_; }

private:
    TQuery* query_;
    std::size_t column_;
};

// A named parameter: one value, or one value per batch row.
class TParam {
public:
    TParam(TQuery& query, std::size_t index) : query_(&query), index_(index) {}

    // Value of batch row `row`.
    void SetValue(std::size_t row, Value value);
    void SetAsString(std::size_t row, std::string v) { SetValue(row, Value::Text(std::move(v))); }
    void SetAsInteger(std::size_t row, std::int64_t v) { SetValue(row, Value::Int(v)); }
    void SetAsFloat(std::size_t row, double v) { SetValue(row, Value::Float(v)); }
    void SetAsDate(std::size_t row, DateTime v) { SetValue(row, Value::Date(v)); }
    void SetAsDateTime(std::size_t row, DateTime v) { SetValue(row, Value::Timestamp(v)); }
    void SetAsTime(std::size_t row, DateTime v) { SetValue(row, Value::Time(v)); }
    void SetAsBoolean(std::size_t row, bool v) { SetValue(row, Value::Bool(v)); }
    void SetAsBlob(std::size_t row, std::string bytes) { SetValue(row, Value::Bytes(std::move(bytes))); }
    void Clear(std::size_t row) { SetValue(row, Value{}); }

    // The single value of a statement run once (row 0).
    void SetValue(Value value) { SetValue(0, std::move(value)); }
    void SetAsString(std::string v) { SetAsString(0, std::move(v)); }
    void SetAsInteger(std::int64_t v) { SetAsInteger(0, v); }
    void SetAsFloat(double v) { SetAsFloat(0, v); }
    void SetAsDate(DateTime v) { SetAsDate(0, v); }
    void SetAsDateTime(DateTime v) { SetAsDateTime(0, v); }
    void SetAsBoolean(bool v) { SetAsBoolean(0, v); }
    void Clear() { Clear(0); }

    const Value& GetValue(std::size_t row = 0) const;
    const std::string& Name() const;

private:
    TQuery* query_;
    std::size_t index_;
};

class TQuery {
public:
    explicit TQuery(db::Connection& connection);
    TQuery(const TQuery&) = delete;
    TQuery& operator=(const TQuery&) = delete;
    ~TQuery();

    db::Connection& Connection() const { return *connection_; }

    // Statement text; setting it closes the query and resets its parameters.
    void SetSQL(const std::string& sql);
    const std::string& SQL() const { return sql_; }

    // Parameters, found by name regardless of case; an unknown name raises
    // an error naming it.
    TParam ParamByName(const std::string& name);
    bool HasParam(const std::string& name) const;
    std::size_t ParamCount() const { return statement_.names.size(); }

    // Reads every row of the statement into memory and moves to the first.
    void Open();
    void Open(const std::string& sql);
    void Close();
    bool Active() const { return active_; }

    // Runs the statement once with the parameters' single values.
    std::uint64_t ExecSQL();

    // Batch: every parameter holds ArraySize() values.
    std::size_t ArraySize() const { return array_size_; }
    void SetArraySize(std::size_t size);
    // Runs the statement once per batch row, in row order; stores and
    // returns the rows affected. An empty batch sends nothing.
    std::uint64_t ExecuteBatch();
    std::uint64_t RowsAffected() const { return rows_affected_; }

    // Edits stay in memory (the product's "cached updates"); kept as a flag.
    bool CachedUpdates() const { return cached_updates_; }
    void SetCachedUpdates(bool on) { cached_updates_ = on; }

    // Walking the rows.
    void First();
    void Next();
    void Prior();
    void Last();
    bool Eof() const { return eof_; }
    bool Bof() const { return bof_; }
    bool IsEmpty() const { return RecordCount() == 0; }
    std::size_t RecordCount() const;
    // Index of the current row among the visible rows (0-based).
    std::size_t RecNo() const { return position_; }
    void MoveTo(std::size_t position);

    // Columns.
    TField FieldByName(const std::string& name);
    bool HasField(const std::string& name) const;
    std::size_t FieldIndex(const std::string& name) const;  // raises when absent
    std::size_t FieldCount() const { return columns_.size(); }
    const std::string& FieldName(std::size_t column) const { return columns_.at(column); }

    // Every row read, whatever the view, for in-memory indexing.
    std::size_t StoredRowCount() const { return rows_.size(); }
    const Value& StoredValue(std::size_t row, std::size_t column) const { return rows_[row][column]; }
    // The stored row under the cursor.
    std::size_t CurrentStoredRow() const;

    // A view shows only the given stored rows, in the given order, and
    // moves to the first of them; ClearView shows every row again.
    void SetView(std::vector<std::size_t> stored_rows);
    void ClearView();

    // Called after every change of the current row (open, moves, views).
    std::size_t OnScroll(std::function<void()> callback);
    void RemoveOnScroll(std::size_t id);

private:
    friend class TField;
    friend class TParam;

    Value& CurrentValue(std::size_t column);
    void Moved();
    std::vector<Value> SingleValues() const;

    db::Connection* connection_;
    std::string sql_;
    db::ParsedStatement statement_;
    using NameIndex = std::unordered_map<std::string, std::size_t, db::detail::NoCaseHash, db::detail::NoCaseEqual>;
    NameIndex param_index_;
    std::vector<std::vector<Value>> param_values_;               // [param][batch row]
    std::size_t array_size_ = 0;
    std::uint64_t rows_affected_ = 0;
    bool cached_updates_ = false;

    bool active_ = false;
    std::vector<std::string> columns_;
    NameIndex column_index_;  // first column of a name wins
    std::vector<std::vector<Value>> rows_;
    bool has_view_ = false;
    std::vector<std::size_t> view_;
    std::size_t position_ = 0;
    bool eof_ = true;
    bool bof_ = true;

    std::map<std::size_t, std::function<void()>> scroll_callbacks_;
    std::size_t next_callback_id_ = 1;
};

}  // namespace qor
