#pragma once
// The one error type of the database layer.

#include <stdexcept>
#include <string>

namespace qor::db {

// A database or client error: the server's full message, and the statement
// that raised it when there was one.
class Error : public std::runtime_error {
public:
    explicit Error(const std::string& message, std::string sql = {})
        : std::runtime_error(message), sql_(std::move(sql)) {}

    const std::string& Sql() const noexcept { return sql_; }

private:
    std::string sql_;
};

// Misuse of the layer by its caller (statement on a closed connection,
// unknown parameter name, wrong field type...).
class UsageError : public Error {
public:
    using Error::Error;
};

}  // namespace qor::db
