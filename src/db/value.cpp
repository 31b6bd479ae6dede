#include "db/value.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

#include <fmt/format.h>

#include "db/error.h"

namespace qor::db {
namespace {

std::int64_t Pow10(int n) {
    std::int64_t r = 1;
    while (n-- > 0) r *= 10;
    return r;
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

[[noreturn]] void ConversionError(const std::string& text, const char* target) {
    throw UsageError(fmt::format("'{}' is not a valid {}", text, target));
}

std::int64_t ParseInt64(const std::string& text) {
    const std::string_view s = Trim(text);
    std::int64_t v = 0;
    const char* first = s.data();
    if (!s.empty() && *first == '+') ++first;
    const auto [end, ec] = std::from_chars(first, s.data() + s.size(), v);
    if (s.empty() || ec != std::errc{} || end != s.data() + s.size()) ConversionError(text, "integer");
    return v;
}

double ParseDouble(const std::string& text) {
    const std::string_view s = Trim(text);
    double v = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (s.empty() || ec != std::errc{} || end != s.data() + s.size()) ConversionError(text, "number");
    return v;
}

// Accepts "YYYY-MM-DD[ HH:MM[:SS[.ffff]]]" and "DD/MM/YYYY[ HH:MM[:SS]]".
DateTime ParseDateTime(const std::string& text) {
    int a = 0, b = 0, c = 0, h = 0, mi = 0, s = 0;
    char frac[8] = {};
    const std::string t(Trim(text));
    int n = std::sscanf(t.c_str(), "%d-%d-%d %d:%d:%d.%7[0-9]", &a, &b, &c, &h, &mi, &s, frac);
    if (n >= 3) {
        int ticks = 0;
        if (n == 7) {
            std::string f(frac);
            f.resize(4, '0');
            ticks = std::stoi(f);
        }
        return DateTime::FromParts(a, b, c, h, mi, s, ticks);
    }
    n = std::sscanf(t.c_str(), "%d/%d/%d %d:%d:%d", &a, &b, &c, &h, &mi, &s);
    if (n >= 3) return DateTime::FromParts(c, b, a, h, mi, s);
    ConversionError(text, "date");
}

std::string DecimalToString(std::int64_t unscaled, int scale) {
    if (scale <= 0) return std::to_string(unscaled);
    const std::int64_t p = Pow10(scale);
    const bool negative = unscaled < 0;
    const std::uint64_t mag = negative ? 0 - static_cast<std::uint64_t>(unscaled)
                                       : static_cast<std::uint64_t>(unscaled);
    return fmt::format("{}{}.{:0{}}", negative ? "-" : "", mag / static_cast<std::uint64_t>(p),
                       mag % static_cast<std::uint64_t>(p), scale);
}

}  // namespace

Value Value::Int(std::int64_t v) {
    Value r;
    r.kind_ = Kind::Int;
    r.bits_ = v;
    return r;
}

Value Value::Decimal(std::int64_t unscaled, int scale) {
    Value r;
    r.kind_ = Kind::Decimal;
    r.bits_ = unscaled;
    r.scale_ = static_cast<std::int8_t>(scale);
    return r;
}

Value Value::Float(double v) {
    Value r;
    r.kind_ = Kind::Float;
    r.bits_ = std::bit_cast<std::int64_t>(v);
    return r;
}

Value Value::Text(std::string v) {
    Value r;
    r.kind_ = Kind::Text;
    r.text_ = std::move(v);
    return r;
}

Value Value::Bytes(std::string v) {
    Value r;
    r.kind_ = Kind::Bytes;
    r.text_ = std::move(v);
    return r;
}

Value Value::Date(DateTime v) {
    Value r;
    r.kind_ = Kind::Date;
    r.bits_ = std::bit_cast<std::int64_t>(v.DatePart());
    return r;
}

Value Value::Time(DateTime v) {
    Value r;
    r.kind_ = Kind::Time;
    r.bits_ = std::bit_cast<std::int64_t>(DateTime{0, v.ticks});
    return r;
}

Value Value::Timestamp(DateTime v) {
    Value r;
    r.kind_ = Kind::Timestamp;
    r.bits_ = std::bit_cast<std::int64_t>(v);
    return r;
}

Value Value::Bool(bool v) {
    Value r;
    r.kind_ = Kind::Bool;
    r.bits_ = v ? 1 : 0;
    return r;
}

std::string Value::AsString() const {
    switch (kind_) {
        case Kind::Null: return {};
        case Kind::Int: return std::to_string(bits_);
        case Kind::Decimal: return DecimalToString(bits_, scale_);
        case Kind::Float: return fmt::format("{}", RawFloat());
        case Kind::Text:
        case Kind::Bytes: return text_;
        case Kind::Date: return RawDateTime().ToIso().substr(0, 10);
        case Kind::Time: return RawDateTime().ToIso().substr(11, 8);
        case Kind::Timestamp: return RawDateTime().ToIso().substr(0, 19);
        case Kind::Bool: return bits_ ? "True" : "False";
    }
    return {};
}

std::int64_t Value::AsInt64() const {
    switch (kind_) {
        case Kind::Null: return 0;
        case Kind::Int:
        case Kind::Bool: return bits_;
        case Kind::Decimal: {
            const std::int64_t p = Pow10(scale_);
            const std::int64_t q = bits_ / p, r = bits_ % p;
            // Half away from zero, as the conversion's rounding of money values.
            if (2 * (r < 0 ? -r : r) >= p) return q + (bits_ < 0 ? -1 : 1);
            return q;
        }
        case Kind::Float: return std::llround(RawFloat());
        case Kind::Text:
        case Kind::Bytes: return ParseInt64(text_);
        case Kind::Date:
        case Kind::Time:
        case Kind::Timestamp: return RawDateTime().days;
    }
    return 0;
}

std::int32_t Value::AsInteger() const {
    const std::int64_t v = AsInt64();
    if (v < std::numeric_limits<std::int32_t>::min() || v > std::numeric_limits<std::int32_t>::max())
        throw UsageError(fmt::format("{} does not fit a 32-bit integer", v));
    return static_cast<std::int32_t>(v);
}

double Value::AsFloat() const {
    switch (kind_) {
        case Kind::Null: return 0.0;
        case Kind::Int:
        case Kind::Bool: return static_cast<double>(bits_);
        case Kind::Decimal: return static_cast<double>(bits_) / static_cast<double>(Pow10(scale_));
        case Kind::Float: return RawFloat();
        case Kind::Text:
        case Kind::Bytes: return ParseDouble(text_);
        case Kind::Date:
        case Kind::Time:
        case Kind::Timestamp:
            return RawDateTime().days + static_cast<double>(RawDateTime().ticks) / DateTime::kTicksPerDay;
    }
    return 0.0;
}

DateTime Value::AsDateTime() const {
    switch (kind_) {
        case Kind::Null: return {};
        case Kind::Date:
        case Kind::Time:
        case Kind::Timestamp: return RawDateTime();
        case Kind::Text: return ParseDateTime(text_);
        case Kind::Float:
        case Kind::Int:
        case Kind::Decimal: {
            const double v = AsFloat();
            const double day = std::floor(v);
            return {static_cast<std::int32_t>(day),
                    static_cast<std::uint32_t>(std::llround((v - day) * DateTime::kTicksPerDay))};
        }
        case Kind::Bytes:
        case Kind::Bool: break;
    }
    throw UsageError("value cannot be read as a date");
}

bool Value::AsBoolean() const {
    switch (kind_) {
        case Kind::Null: return false;
        case Kind::Bool:
        case Kind::Int: return bits_ != 0;
        case Kind::Text: {
            const std::string_view s = Trim(text_);
            if (s == "True" || s == "TRUE" || s == "true" || s == "T" || s == "1") return true;
            if (s == "False" || s == "FALSE" || s == "false" || s == "F" || s == "0" || s.empty())
                return false;
            ConversionError(text_, "boolean");
        }
        default: return AsFloat() != 0.0;
    }
}

bool Value::operator==(const Value& other) const {
    if (kind_ != other.kind_) return false;
    switch (kind_) {
        case Kind::Null: return true;
        case Kind::Int:
        case Kind::Bool: return bits_ == other.bits_;
        case Kind::Decimal: return bits_ == other.bits_ && scale_ == other.scale_;
        case Kind::Float: return RawFloat() == other.RawFloat();
        case Kind::Text:
        case Kind::Bytes: return text_ == other.text_;
        case Kind::Date:
        case Kind::Time:
        case Kind::Timestamp: return RawDateTime() == other.RawDateTime();
    }
    return false;
}

}  // namespace qor::db
