#pragma once
// A Firebird connection over TCP, with explicit transactions and automatic
// commit: while no transaction is active, each statement runs in a
// transaction of its own that commits when the statement is done.
//
// Parameters (names as the product's connections use them): Server, Port,
// Database, User_Name, Password, CharacterSet. A missing entry means the
// client library's default.

#include <memory>
#include <string>

#include "db/connection_params.h"

namespace Firebird {
class IAttachment;
class ITransaction;
}  // namespace Firebird

namespace qor::db {

class Connection {
public:
    // role names the connection in errors ("desktop", "web"...).
    explicit Connection(std::string role, ConnectionParams params = {});
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    const std::string& Role() const { return role_; }
    ConnectionParams& Params() { return params_; }
    const ConnectionParams& Params() const { return params_; }

    // Attaches with the current parameters; on failure raises the client's
    // message and stays closed.
    void Open();
    // Detaches; an active transaction is rolled back. Never throws.
    void Close() noexcept;
    bool IsOpen() const { return attachment_ != nullptr; }

    void StartTransaction();
    void Commit();
    void Rollback();
    bool InTransaction() const { return transaction_ != nullptr; }

    // Runs a statement without parameters or result rows; returns rows affected.
    std::uint64_t ExecSQL(const std::string& sql);

    // True when text travels as UTF-8 (CharacterSet=UTF8).
    bool IsUtf8() const;

    // Creates a database with the given parameters (Database, User_Name,
    // Password, Port, Server); default character set UTF8.
    static void CreateDatabase(const ConnectionParams& params);
    // Drops the database the parameters point at.
    static void DropDatabase(const ConnectionParams& params);

    // For the statement layer.
    Firebird::IAttachment* Attachment() const;
    Firebird::ITransaction* ActiveTransaction() const { return transaction_; }

private:
    std::string role_;
    ConnectionParams params_;
    Firebird::IAttachment* attachment_ = nullptr;
    Firebird::ITransaction* transaction_ = nullptr;
};

}  // namespace qor::db
