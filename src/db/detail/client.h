#pragma once
// Access to the Firebird client library's master interface and the
// conversion of its errors into ours. Internal to the database layer.

#include <firebird/Interface.h>

#include <string>
#include <utility>

#include "db/error.h"

namespace qor::db::detail {

Firebird::IMaster* Master();
Firebird::IUtil* Util();

// The status text of a failed call, every line of it.
std::string FormatStatus(const Firebird::IStatus* status);

// Runs fn(status) with a throwing status wrapper and turns client errors
// into db::Error carrying the message (prefixed with context when given).
template <typename Fn>
auto Call(const std::string& sql, Fn&& fn) {
    Firebird::ThrowStatusWrapper status(Master()->getStatus());
    struct Dispose {
        Firebird::ThrowStatusWrapper& s;
        ~Dispose() { s.dispose(); }
    } dispose{status};
    try {
        return fn(&status);
    } catch (const Firebird::FbException& e) {
        throw Error(FormatStatus(e.getStatus()), sql);
    }
}

// A transaction for one unit of work: the connection's active transaction
// when there is one, otherwise a new one that Done() commits (automatic
// commit) and the destructor rolls back if Done() was never reached.
class Work {
public:
    Work(Firebird::IAttachment* attachment, Firebird::ITransaction* active);
    ~Work();
    Work(const Work&) = delete;
    Work& operator=(const Work&) = delete;

    Firebird::ITransaction* Transaction() const { return transaction_; }
    void Done();

private:
    Firebird::ITransaction* transaction_;
    bool own_;
};

Firebird::ITransaction* StartTransaction(Firebird::IAttachment* attachment);

}  // namespace qor::db::detail
