#include "db/detail/client.h"

#include <vector>

namespace qor::db::detail {

Firebird::IMaster* Master() {
    static Firebird::IMaster* master = Firebird::fb_get_master_interface();
    return master;
}

Firebird::IUtil* Util() {
    static Firebird::IUtil* util = Master()->getUtilInterface();
    return util;
}

std::string FormatStatus(const Firebird::IStatus* status) {
    std::vector<char> buffer(4096);
    const unsigned n = Util()->formatStatus(buffer.data(), static_cast<unsigned>(buffer.size()),
                                            const_cast<Firebird::IStatus*>(status));
    std::string text(buffer.data(), std::min<std::size_t>(n, buffer.size()));
    while (!text.empty() && (text.back() == '\n' || text.back() == '\0')) text.pop_back();
    return text;
}

Firebird::ITransaction* StartTransaction(Firebird::IAttachment* attachment) {
    return Call("start transaction", [&](Firebird::ThrowStatusWrapper* st) {
        Firebird::IXpbBuilder* tpb = Util()->getXpbBuilder(st, Firebird::IXpbBuilder::TPB, nullptr, 0);
        tpb->insertTag(st, isc_tpb_write);
        tpb->insertTag(st, isc_tpb_read_committed);
        tpb->insertTag(st, isc_tpb_rec_version);
        tpb->insertTag(st, isc_tpb_wait);
        Firebird::ITransaction* tra =
            attachment->startTransaction(st, tpb->getBufferLength(st), tpb->getBuffer(st));
        tpb->dispose();
        return tra;
    });
}

Work::Work(Firebird::IAttachment* attachment, Firebird::ITransaction* active)
    : transaction_(active ? active : StartTransaction(attachment)), own_(active == nullptr) {}

Work::~Work() {
    if (!own_ || !transaction_) return;
    Firebird::CheckStatusWrapper status(Master()->getStatus());
    transaction_->rollback(&status);
    if (status.getState() & Firebird::IStatus::STATE_ERRORS) transaction_->release();
    status.dispose();
}

void Work::Done() {
    if (!own_) return;
    Call("commit", [&](Firebird::ThrowStatusWrapper* st) { transaction_->commit(st); });
    transaction_ = nullptr;
}

}  // namespace qor::db::detail
