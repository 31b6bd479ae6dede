#include "support/raw_insert.h"

#include <firebird/Interface.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <vector>

#include <fmt/format.h>

namespace qor::bench {

using Firebird::ThrowStatusWrapper;

const char* const kTable =
    "create table bench (id integer not null primary key, big bigint, nome varchar(100), "
    "rua varchar(100), nasc date, cad timestamp, renda double precision, flg char(1))";

Row MakeRow(int i) {
    return {i + 1, 1000000000000LL + i, fmt::format("José da Conceição Araújo {}", i),
            fmt::format("Rua São João, {}", i % 997), 1950 + i % 60, 1 + i % 12, 1 + i % 28,
            i * 1.25, i % 2 ? "S" : "N"};
}

double Seconds(const std::function<void()>& fn) {
    const auto t0 = std::chrono::steady_clock::now();
    fn();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}

namespace {

// The raw path's message: 8 fields per row, laid out by the client library.
struct FieldSpec {
    unsigned type, length, charset;
};
constexpr FieldSpec kFields[8] = {{SQL_LONG, 4, 0},         {SQL_INT64, 8, 0},    {SQL_VARYING, 400, 4},
                                  {SQL_VARYING, 400, 4},    {SQL_TYPE_DATE, 4, 0}, {SQL_TIMESTAMP, 8, 0},
                                  {SQL_DOUBLE, 8, 0},       {SQL_TEXT, 4, 4}};

void PutText(unsigned char* p, const std::string& s, bool varying) {
    if (varying) {
        const auto n = static_cast<unsigned short>(s.size());
        std::memcpy(p, &n, 2);
        std::memcpy(p + 2, s.data(), n);
    } else {
        std::memset(p, ' ', 4);
        std::memcpy(p, s.data(), s.size());
    }
}

void FillRaw(ThrowStatusWrapper* st, Firebird::IMessageMetadata* meta, unsigned char* buf, unsigned first,
             const Row& r, Firebird::IUtil* util) {
    auto at = [&](unsigned k) { return buf + meta->getOffset(st, first + k); };
    for (unsigned k = 0; k < 8; ++k) std::memset(buf + meta->getNullOffset(st, first + k), 0, 2);
    std::memcpy(at(0), &r.id, 4);
    std::memcpy(at(1), &r.big, 8);
    PutText(at(2), r.nome, true);
    PutText(at(3), r.rua, true);
    const ISC_DATE d = util->encodeDate(r.year, r.month, r.day);
    std::memcpy(at(4), &d, 4);
    const ISC_TIMESTAMP ts{d, util->encodeTime(10, 30, 0, 0)};
    std::memcpy(at(5), &ts, 8);
    std::memcpy(at(6), &r.renda, 8);
    PutText(at(7), r.flg, false);
}

}  // namespace

// Runs the raw insert of `rows` rows, `per_statement` rows per execution.
namespace {

void RawInsertUnchecked(const std::string& path, int first_row, int rows, int per_statement) {
    Firebird::IMaster* master = Firebird::fb_get_master_interface();
    ThrowStatusWrapper st(master->getStatus());
    Firebird::IUtil* util = master->getUtilInterface();
    Firebird::IProvider* prov = master->getDispatcher();
    Firebird::IXpbBuilder* dpb = util->getXpbBuilder(&st, Firebird::IXpbBuilder::DPB, nullptr, 0);
    const db::ConnectionParams params = Params(path);
    dpb->insertString(&st, isc_dpb_user_name, params.Get("User_Name")->c_str());
    dpb->insertString(&st, isc_dpb_password, params.Get("Password")->c_str());
    dpb->insertString(&st, isc_dpb_lc_ctype, "UTF8");
    const std::string where = *params.Get("Server") + "/" + *params.Get("Port") + ":" + path;
    Firebird::IAttachment* att = prov->attachDatabase(&st, where.c_str(), dpb->getBufferLength(&st), dpb->getBuffer(&st));
    Firebird::ITransaction* tra = att->startTransaction(&st, 0, nullptr);

    const char* insert = "insert into bench (id, big, nome, rua, nasc, cad, renda, flg) values (?, ?, ?, ?, ?, ?, ?, ?)";
    std::string sql;
    if (per_statement == 1) {
        sql = insert;
    } else {
        std::string decl, body;
        for (int r = 0; r < per_statement; ++r) {
            decl += fmt::format("{1}i{0} integer = ?, b{0} bigint = ?, n{0} varchar(100) = ?, r{0} varchar(100) = ?, "
                                "d{0} date = ?, c{0} timestamp = ?, e{0} double precision = ?, f{0} char(1) = ?",
                                r, r ? ", " : "");
            body += fmt::format("insert into bench (id, big, nome, rua, nasc, cad, renda, flg) values "
                                "(:i{0}, :b{0}, :n{0}, :r{0}, :d{0}, :c{0}, :e{0}, :f{0});\n", r);
        }
        sql = "execute block (" + decl + ") as begin\n" + body + "end";
    }
    Firebird::IStatement* stmt = att->prepare(&st, tra, 0, sql.c_str(), 3, 0);

    Firebird::IMetadataBuilder* b = master->getMetadataBuilder(&st, 8 * per_statement);
    for (int r = 0; r < per_statement; ++r)
        for (unsigned k = 0; k < 8; ++k) {
            const unsigned i = r * 8 + k;
            b->setType(&st, i, kFields[k].type | 1);
            b->setLength(&st, i, kFields[k].length);
            if (kFields[k].charset) b->setCharSet(&st, i, kFields[k].charset);
        }
    Firebird::IMessageMetadata* meta = b->getMetadata(&st);
    b->release();
    std::vector<unsigned char> buffer(meta->getMessageLength(&st));
    for (int base = 0; base < rows; base += per_statement) {
        for (int r = 0; r < per_statement; ++r)
            FillRaw(&st, meta, buffer.data(), r * 8, MakeRow(first_row + base + r), util);
        stmt->execute(&st, tra, meta, buffer.data(), nullptr, nullptr);
    }
    tra->commit(&st);
    stmt->free(&st);
    meta->release();
    att->detach(&st);
    dpb->dispose();
    prov->release();
    st.dispose();
}

}  // namespace

void RawInsert(const std::string& path, int first_row, int rows, int per_statement) {
    try {
        RawInsertUnchecked(path, first_row, rows, per_statement);
    } catch (const Firebird::FbException& e) {
        char text[2048];
        Firebird::fb_get_master_interface()->getUtilInterface()->formatStatus(text, sizeof text, e.getStatus());
        throw std::runtime_error(text);
    }
}

void FreshDatabase(const std::string& path) {
    std::filesystem::remove(path);
    db::Connection::CreateDatabase(Params(path));
    db::Connection c("bench", Params(path));
    c.Open();
    c.ExecSQL(kTable);
}

double RawPackedSeconds(const std::string& path, int rows) {
    FreshDatabase(path);
    return Seconds([&] {
        const int packed = rows / 200 * 200;
        if (packed) RawInsert(path, 0, packed, 200);
        if (rows > packed) RawInsert(path, packed, rows - packed, 1);
    });
}

}  // namespace qor::bench
