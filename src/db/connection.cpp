#include "db/connection.h"

#include "db/detail/client.h"
#include "db/detail/text.h"

namespace qor::db {
namespace {

std::string ConnectionString(const ConnectionParams& params) {
    const std::string server = params.Get("Server").value_or("127.0.0.1");
    const auto port = params.Get("Port");
    const std::string database = params.Get("Database").value_or("");
    return server + (port ? "/" + *port : "") + ":" + database;
}

// Database parameter block from the parameter list; absent entries are left
// out so the client library applies its defaults.
Firebird::IXpbBuilder* BuildDpb(Firebird::ThrowStatusWrapper* st, const ConnectionParams& params,
                                bool creating) {
    auto* dpb = detail::Util()->getXpbBuilder(st, Firebird::IXpbBuilder::DPB, nullptr, 0);
    if (auto user = params.Get("User_Name")) dpb->insertString(st, isc_dpb_user_name, user->c_str());
    if (auto password = params.Get("Password"))
        dpb->insertString(st, isc_dpb_password, password->c_str());
    if (auto charset = params.Get("CharacterSet"))
        dpb->insertString(st, isc_dpb_lc_ctype, charset->c_str());
    if (creating) {
        dpb->insertString(st, isc_dpb_set_db_charset, "UTF8");
        dpb->insertInt(st, isc_dpb_page_size, 8192);
        dpb->insertInt(st, isc_dpb_sql_dialect, 3);
    }
    return dpb;
}

Firebird::IAttachment* Attach(const ConnectionParams& params, bool creating) {
    const std::string where = ConnectionString(params);
    return detail::Call(where, [&](Firebird::ThrowStatusWrapper* st) {
        auto* dpb = BuildDpb(st, params, creating);
        auto* provider = detail::Master()->getDispatcher();
        Firebird::IAttachment* att = nullptr;
        try {
            att = creating ? provider->createDatabase(st, where.c_str(), dpb->getBufferLength(st),
                                                      dpb->getBuffer(st))
                           : provider->attachDatabase(st, where.c_str(), dpb->getBufferLength(st),
                                                      dpb->getBuffer(st));
        } catch (...) {
            dpb->dispose();
            provider->release();
            throw;
        }
        dpb->dispose();
        provider->release();
        return att;
    });
}

}  // namespace

Connection::Connection(std::string role, ConnectionParams params)
    : role_(std::move(role)), params_(std::move(params)) {}

Connection::~Connection() { Close(); }

void Connection::Open() {
    if (attachment_) return;
    try {
        attachment_ = Attach(params_, false);
    } catch (const Error& e) {
        throw Error(e.what());  // the connection string is not part of the message
    }
}

void Connection::Close() noexcept {
    Firebird::CheckStatusWrapper status(detail::Master()->getStatus());
    if (transaction_) {
        transaction_->rollback(&status);
        if (status.getState() & Firebird::IStatus::STATE_ERRORS) transaction_->release();
        transaction_ = nullptr;
    }
    if (attachment_) {
        status.init();
        attachment_->detach(&status);
        if (status.getState() & Firebird::IStatus::STATE_ERRORS) attachment_->release();
        attachment_ = nullptr;
    }
    status.dispose();
}

Firebird::IAttachment* Connection::Attachment() const {
    if (!attachment_) throw UsageError("The " + role_ + " connection is not open");
    return attachment_;
}

void Connection::StartTransaction() {
    if (transaction_) throw UsageError("A transaction is already active on the " + role_ + " connection");
    transaction_ = detail::StartTransaction(Attachment());
}

void Connection::Commit() {
    if (!transaction_) throw UsageError("No transaction is active on the " + role_ + " connection");
    detail::Call("commit", [&](Firebird::ThrowStatusWrapper* st) { transaction_->commit(st); });
    transaction_ = nullptr;
}

void Connection::Rollback() {
    if (!transaction_) throw UsageError("No transaction is active on the " + role_ + " connection");
    Firebird::ITransaction* tra = transaction_;
    transaction_ = nullptr;
    detail::Call("rollback", [&](Firebird::ThrowStatusWrapper* st) { tra->rollback(st); });
}

std::uint64_t Connection::ExecSQL(const std::string& sql) {
    detail::Work work(Attachment(), transaction_);
    const std::uint64_t affected = detail::Call(sql, [&](Firebird::ThrowStatusWrapper* st) {
        auto* stmt = attachment_->prepare(st, work.Transaction(), 0, sql.c_str(), 3, 0);
        std::uint64_t n = 0;
        try {
            stmt->execute(st, work.Transaction(), nullptr, nullptr, nullptr, nullptr);
            n = stmt->getAffectedRecords(st);
        } catch (...) {
            stmt->release();
            throw;
        }
        stmt->free(st);
        return n;
    });
    work.Done();
    return affected;
}

bool Connection::IsUtf8() const {
    const auto charset = params_.Get("CharacterSet");
    return charset && (detail::EqualsNoCase(*charset, "UTF8") || detail::EqualsNoCase(*charset, "UTF-8"));
}

void Connection::CreateDatabase(const ConnectionParams& params) {
    auto* att = Attach(params, true);
    detail::Call("detach", [&](Firebird::ThrowStatusWrapper* st) { att->detach(st); });
}

void Connection::DropDatabase(const ConnectionParams& params) {
    auto* att = Attach(params, false);
    detail::Call("drop database", [&](Firebird::ThrowStatusWrapper* st) { att->dropDatabase(st); });
}

}  // namespace qor::db
