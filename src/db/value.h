#pragma once
// One field or parameter value, with the typed readings the conversion uses.
// A NULL reads as "", 0, 0.0, false or the date-time zero point (30 December
// 1899) according to the getter; IsNull() tells it apart.

#include <bit>
#include <cstdint>
#include <string>
#include <string_view>

#include "db/date_time.h"

namespace qor::db {

enum class Kind : std::uint8_t {
    Null,
    Int,        // integer types
    Decimal,    // exact numeric: unscaled integer and scale (digits after the point)
    Float,      // float / double precision
    Text,       // character data (varchar, char, text blob)
    Bytes,      // binary data (binary blob, octets)
    Date,       // date only
    Time,       // time of day only
    Timestamp,  // date and time
    Bool,
};

class Value {
public:
    Value() = default;

    static Value Int(std::int64_t v);
    static Value Decimal(std::int64_t unscaled, int scale);
    static Value Float(double v);
    static Value Text(std::string v);
    static Value Bytes(std::string v);
    static Value Date(DateTime v);
    static Value Time(DateTime v);
    static Value Timestamp(DateTime v);
    static Value Bool(bool v);

    Kind GetKind() const noexcept { return kind_; }
    bool IsNull() const noexcept { return kind_ == Kind::Null; }

    std::string AsString() const;
    std::int32_t AsInteger() const;
    std::int64_t AsInt64() const;
    double AsFloat() const;
    DateTime AsDateTime() const;
    bool AsBoolean() const;

    // Raw access for the wire layer.
    std::int64_t RawInt() const noexcept { return bits_; }
    int Scale() const noexcept { return scale_; }
    double RawFloat() const noexcept { return std::bit_cast<double>(bits_); }
    DateTime RawDateTime() const noexcept { return std::bit_cast<DateTime>(bits_); }
    const std::string& RawBytes() const noexcept { return text_; }

    bool operator==(const Value& other) const;

private:
    Kind kind_ = Kind::Null;
    std::int8_t scale_ = 0;
    // The integer, the double's bits or the date-time's bits, by kind.
    std::int64_t bits_ = 0;
    std::string text_;
};

}  // namespace qor::db
