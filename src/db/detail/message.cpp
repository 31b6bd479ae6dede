#include "db/detail/message.h"

#include <cstring>

#include <fmt/format.h>

#include "db/detail/client.h"

namespace qor::db::detail {
namespace {

constexpr unsigned kCharsetNone = 0;
constexpr unsigned kCharsetOctets = 1;
constexpr unsigned kCharsetUtf8 = 4;
// Longest varchar in bytes; longer text travels as a blob.
constexpr unsigned kMaxVarcharBytes = 32765;
// For a UTF8 varchar declared in characters, each may take four bytes.
constexpr unsigned kMaxUtf8VarcharChars = kMaxVarcharBytes / 4;
constexpr unsigned kBlobSegment = 32768;
// 1858-11-17 (Firebird's day zero) counted from 1899-12-30.
constexpr std::int32_t kFirebirdDayZero = -15018;

bool IsDateLike(Kind k) { return k == Kind::Date || k == Kind::Timestamp; }

// The kind that holds both; Text when there is no narrower common kind.
Kind Unify(Kind a, Kind b) {
    if (a == b || b == Kind::Null) return a;
    if (a == Kind::Null) return b;
    auto numeric = [](Kind k) { return k == Kind::Int || k == Kind::Decimal || k == Kind::Float; };
    if (numeric(a) && numeric(b)) return (a == Kind::Float || b == Kind::Float) ? Kind::Float : Kind::Decimal;
    if (IsDateLike(a) && IsDateLike(b)) return Kind::Timestamp;
    if (a == Kind::Bytes || b == Kind::Bytes) return Kind::Bytes;
    return Kind::Text;
}

// Text form used when a value travels in a text field.
std::string TextOf(const Value& v) {
    switch (v.GetKind()) {
        case Kind::Timestamp: return v.RawDateTime().ToIso();
        case Kind::Time: return v.RawDateTime().ToIso().substr(11);
        default: return v.AsString();
    }
}

std::int64_t ScaledTo(const Value& v, int scale) {
    std::int64_t x = v.GetKind() == Kind::Decimal ? v.RawInt() : v.AsInt64();
    for (int s = v.GetKind() == Kind::Decimal ? v.Scale() : 0; s < scale; ++s) x *= 10;
    return x;
}

ISC_DATE ToIscDate(const DateTime& dt) { return dt.days - kFirebirdDayZero; }

void WriteBlob(Firebird::ThrowStatusWrapper* st, Firebird::IAttachment* att,
                         Firebird::ITransaction* tra, const std::string& bytes, ISC_QUAD* id) {
    Firebird::IBlob* blob = att->createBlob(st, tra, id, 0, nullptr);
    try {
        for (std::size_t at = 0; at < bytes.size(); at += kBlobSegment) {
            const auto n = static_cast<unsigned>(std::min<std::size_t>(kBlobSegment, bytes.size() - at));
            blob->putSegment(st, n, bytes.data() + at);
        }
        blob->close(st);
    } catch (...) {
        blob->release();
        throw;
    }
}

std::string ReadBlob(Firebird::ThrowStatusWrapper* st, Firebird::IAttachment* att,
                     Firebird::ITransaction* tra, ISC_QUAD id) {
    Firebird::IBlob* blob = att->openBlob(st, tra, &id, 0, nullptr);
    std::string out;
    std::vector<char> chunk(65535);
    try {
        for (;;) {
            unsigned got = 0;
            const int rc = blob->getSegment(st, static_cast<unsigned>(chunk.size()), chunk.data(), &got);
            if (rc == Firebird::IStatus::RESULT_OK || rc == Firebird::IStatus::RESULT_SEGMENT)
                out.append(chunk.data(), got);
            else
                break;
        }
        blob->close(st);
    } catch (...) {
        blob->release();
        throw;
    }
    return out;
}

}  // namespace

ParamType InferType(const Value* values, std::size_t count) {
    ParamType t;
    for (std::size_t i = 0; i < count; ++i) t.kind = Unify(t.kind, values[i].GetKind());
    for (std::size_t i = 0; i < count; ++i) {
        const Value& v = values[i];
        if (v.IsNull()) continue;
        if (t.kind == Kind::Decimal && v.GetKind() == Kind::Decimal) t.scale = std::max(t.scale, v.Scale());
        if (t.kind == Kind::Text) {
            const std::size_t size = v.GetKind() == Kind::Text ? v.RawBytes().size() : TextOf(v).size();
            t.length = std::max<unsigned>(t.length, static_cast<unsigned>(size));
        }
    }
    if (t.kind == Kind::Text && t.length > kMaxUtf8VarcharChars) t.as_blob = true;
    return t;
}

std::string Declaration(const ParamType& type, bool utf8) {
    const char* charset = utf8 ? "UTF8" : "NONE";
    switch (type.kind) {
        case Kind::Null: return "char(1)";
        case Kind::Int: return "bigint";
        case Kind::Decimal: return fmt::format("numeric(18, {})", type.scale);
        case Kind::Float: return "double precision";
        case Kind::Text:
            if (type.as_blob) return fmt::format("blob sub_type text character set {}", charset);
            return fmt::format("varchar({}) character set {}", type.length, charset);
        case Kind::Bytes: return "blob sub_type binary";
        case Kind::Date: return "date";
        case Kind::Time: return "time";
        case Kind::Timestamp: return "timestamp";
        case Kind::Bool: return "boolean";
    }
    return "char(1)";
}

InputMessage::InputMessage(Firebird::ThrowStatusWrapper* st, const std::vector<ParamType>& types, bool utf8)
    : types_(types) {
    const auto n = static_cast<unsigned>(types.size());
    Firebird::IMetadataBuilder* b = Master()->getMetadataBuilder(st, n);
    try {
        for (unsigned i = 0; i < n; ++i) {
            const ParamType& t = types[i];
            switch (t.kind) {
                case Kind::Null:
                    b->setType(st, i, SQL_TEXT + 1);
                    b->setLength(st, i, 1);
                    b->setCharSet(st, i, kCharsetNone);
                    break;
                case Kind::Int:
                case Kind::Decimal:
                    b->setType(st, i, SQL_INT64 + 1);
                    b->setLength(st, i, 8);
                    b->setScale(st, i, -t.scale);
                    break;
                case Kind::Float:
                    b->setType(st, i, SQL_DOUBLE + 1);
                    b->setLength(st, i, 8);
                    break;
                case Kind::Text:
                    if (t.as_blob) {
                        b->setType(st, i, SQL_BLOB + 1);
                        b->setSubType(st, i, 1);
                        b->setCharSet(st, i, utf8 ? kCharsetUtf8 : kCharsetNone);
                        b->setLength(st, i, sizeof(ISC_QUAD));
                    } else {
                        b->setType(st, i, SQL_VARYING + 1);
                        b->setLength(st, i, t.length);
                        b->setCharSet(st, i, utf8 ? kCharsetUtf8 : kCharsetNone);
                    }
                    break;
                case Kind::Bytes:
                    b->setType(st, i, SQL_BLOB + 1);
                    b->setSubType(st, i, 0);
                    b->setLength(st, i, sizeof(ISC_QUAD));
                    break;
                case Kind::Date:
                    b->setType(st, i, SQL_TYPE_DATE + 1);
                    b->setLength(st, i, sizeof(ISC_DATE));
                    break;
                case Kind::Time:
                    b->setType(st, i, SQL_TYPE_TIME + 1);
                    b->setLength(st, i, sizeof(ISC_TIME));
                    break;
                case Kind::Timestamp:
                    b->setType(st, i, SQL_TIMESTAMP + 1);
                    b->setLength(st, i, sizeof(ISC_TIMESTAMP));
                    break;
                case Kind::Bool:
                    b->setType(st, i, SQL_BOOLEAN + 1);
                    b->setLength(st, i, 1);
                    break;
            }
        }
        metadata_ = b->getMetadata(st);
    } catch (...) {
        b->release();
        throw;
    }
    b->release();
    offsets_.resize(n);
    null_offsets_.resize(n);
    for (unsigned i = 0; i < n; ++i) {
        offsets_[i] = metadata_->getOffset(st, i);
        null_offsets_[i] = metadata_->getNullOffset(st, i);
    }
    buffer_.assign(metadata_->getMessageLength(st), 0);
}

InputMessage::~InputMessage() {
    if (metadata_) metadata_->release();
}

void InputMessage::Set(Firebird::ThrowStatusWrapper* st, unsigned i, const Value& value,
                       Firebird::IAttachment* att, Firebird::ITransaction* tra) {
    const ParamType& t = types_[i];
    auto* null_flag = reinterpret_cast<short*>(&buffer_[null_offsets_[i]]);
    unsigned char* field = &buffer_[offsets_[i]];
    if (value.IsNull() || t.kind == Kind::Null) {
        *null_flag = -1;
        return;
    }
    *null_flag = 0;
    switch (t.kind) {
        case Kind::Null: break;
        case Kind::Int: {
            const std::int64_t v = value.AsInt64();
            std::memcpy(field, &v, 8);
            break;
        }
        case Kind::Decimal: {
            const std::int64_t v = ScaledTo(value, t.scale);
            std::memcpy(field, &v, 8);
            break;
        }
        case Kind::Float: {
            const double v = value.AsFloat();
            std::memcpy(field, &v, 8);
            break;
        }
        case Kind::Text:
            if (t.as_blob) {
                WriteBlob(st, att, tra, TextOf(value), reinterpret_cast<ISC_QUAD*>(field));
            } else {
                const std::string converted = value.GetKind() == Kind::Text ? std::string() : TextOf(value);
                const std::string& s = value.GetKind() == Kind::Text ? value.RawBytes() : converted;
                const auto len = static_cast<unsigned short>(std::min<std::size_t>(s.size(), t.length));
                std::memcpy(field, &len, 2);
                std::memcpy(field + 2, s.data(), len);
            }
            break;
        case Kind::Bytes:
            WriteBlob(st, att, tra, value.RawBytes(), reinterpret_cast<ISC_QUAD*>(field));
            break;
        case Kind::Date: {
            const ISC_DATE d = ToIscDate(value.AsDateTime());
            std::memcpy(field, &d, sizeof d);
            break;
        }
        case Kind::Time: {
            const ISC_TIME tm = value.AsDateTime().ticks;
            std::memcpy(field, &tm, sizeof tm);
            break;
        }
        case Kind::Timestamp: {
            const DateTime dt = value.AsDateTime();
            ISC_TIMESTAMP ts{ToIscDate(dt), dt.ticks};
            std::memcpy(field, &ts, sizeof ts);
            break;
        }
        case Kind::Bool:
            *field = value.AsBoolean() ? 1 : 0;
            break;
    }
}

Value ReadField(Firebird::ThrowStatusWrapper* st, Firebird::IMessageMetadata* meta, unsigned i,
                const unsigned char* buffer, Firebird::IAttachment* att, Firebird::ITransaction* tra) {
    if (*reinterpret_cast<const short*>(buffer + meta->getNullOffset(st, i))) return {};
    const unsigned char* p = buffer + meta->getOffset(st, i);
    const unsigned type = meta->getType(st, i) & ~1u;
    const int scale = -meta->getScale(st, i);
    auto integer = [&](std::int64_t v) { return scale > 0 ? Value::Decimal(v, scale) : Value::Int(v); };
    switch (type) {
        case SQL_TEXT: {
            std::string s(reinterpret_cast<const char*>(p), meta->getLength(st, i));
            if (meta->getCharSet(st, i) == kCharsetOctets) return Value::Bytes(std::move(s));
            // Fixed-length text comes padded; the padding is not part of the value.
            s.erase(s.find_last_not_of(' ') + 1);
            return Value::Text(std::move(s));
        }
        case SQL_VARYING: {
            unsigned short len;
            std::memcpy(&len, p, 2);
            std::string s(reinterpret_cast<const char*>(p + 2), len);
            if (meta->getCharSet(st, i) == kCharsetOctets) return Value::Bytes(std::move(s));
            return Value::Text(std::move(s));
        }
        case SQL_SHORT: {
            std::int16_t v;
            std::memcpy(&v, p, 2);
            return integer(v);
        }
        case SQL_LONG: {
            std::int32_t v;
            std::memcpy(&v, p, 4);
            return integer(v);
        }
        case SQL_INT64: {
            std::int64_t v;
            std::memcpy(&v, p, 8);
            return integer(v);
        }
        case SQL_FLOAT: {
            float v;
            std::memcpy(&v, p, 4);
            return Value::Float(v);
        }
        case SQL_DOUBLE:
        case SQL_D_FLOAT: {
            double v;
            std::memcpy(&v, p, 8);
            return Value::Float(v);
        }
        case SQL_TYPE_DATE: {
            ISC_DATE d;
            std::memcpy(&d, p, sizeof d);
            return Value::Date({d + kFirebirdDayZero, 0});
        }
        case SQL_TYPE_TIME: {
            ISC_TIME t;
            std::memcpy(&t, p, sizeof t);
            return Value::Time({0, t});
        }
        case SQL_TIMESTAMP: {
            ISC_TIMESTAMP ts;
            std::memcpy(&ts, p, sizeof ts);
            return Value::Timestamp({ts.timestamp_date + kFirebirdDayZero, ts.timestamp_time});
        }
        case SQL_BOOLEAN: return Value::Bool(*p != 0);
        case SQL_BLOB: {
            ISC_QUAD id;
            std::memcpy(&id, p, sizeof id);
            std::string bytes = ReadBlob(st, att, tra, id);
            if (meta->getSubType(st, i) == 1) return Value::Text(std::move(bytes));
            return Value::Bytes(std::move(bytes));
        }
        case SQL_NULL: return {};
        default:
            throw UsageError(fmt::format("column {} has a type this program does not read ({})",
                                         meta->getField(st, i), type));
    }
}

}  // namespace qor::db::detail
