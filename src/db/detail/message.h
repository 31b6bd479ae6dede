#pragma once
// Building input messages from values and reading values out of output
// messages. Internal to the database layer.

#include <firebird/Interface.h>

#include <cstdint>
#include <string>
#include <vector>

#include "db/value.h"

namespace qor::db::detail {

// The wire type chosen for one parameter: one type serves every row of a
// batch so that one prepared statement takes them all.
struct ParamType {
    Kind kind = Kind::Null;
    unsigned length = 1;  // bytes, for Text
    int scale = 0;        // for Decimal
    bool as_blob = false; // Text too long for a varchar travels as a text blob
};

// The narrowest type that holds every value given.
ParamType InferType(const Value* values, std::size_t count);

// The PSQL declaration of a parameter of that type ("varchar(12) character set UTF8").
std::string Declaration(const ParamType& type, bool utf8);

// One input message: metadata built from the parameter types, and a buffer
// that rows of values are written into.
class InputMessage {
public:
    InputMessage(Firebird::ThrowStatusWrapper* st, const std::vector<ParamType>& types, bool utf8);
    ~InputMessage();
    InputMessage(const InputMessage&) = delete;
    InputMessage& operator=(const InputMessage&) = delete;

    // Writes value into field i; blobs are created on the attachment under tra.
    void Set(Firebird::ThrowStatusWrapper* st, unsigned i, const Value& value,
             Firebird::IAttachment* att, Firebird::ITransaction* tra);

    Firebird::IMessageMetadata* Metadata() const { return metadata_; }
    unsigned char* Buffer() { return buffer_.data(); }

private:
    std::vector<ParamType> types_;
    std::vector<unsigned> offsets_, null_offsets_;
    Firebird::IMessageMetadata* metadata_ = nullptr;
    std::vector<unsigned char> buffer_;
};

// Reads field i of an output message.
Value ReadField(Firebird::ThrowStatusWrapper* st, Firebird::IMessageMetadata* meta, unsigned i,
                const unsigned char* buffer, Firebird::IAttachment* att, Firebird::ITransaction* tra);

}  // namespace qor::db::detail
