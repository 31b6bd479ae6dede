// Inserts N rows of 8 columns three ways into a fresh table on the server
// named by QOR_FB_*: one prepared insert per row straight on the client API,
// the same rows packed 200 to an execute block straight on the client API,
// and our batch layer (TDataSetUtils::ExecutarArrayDML). Prints rows/s of
// each and, last, "ratio batch/raw: X.XX": our time over the fastest raw time.
//
//   batch_insert [N]          (default 200000; the per-row path uses N/10)

#include <firebird/Interface.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include <fmt/format.h>

#include "core/dataset_factory.h"
#include "core/dataset_utils.h"
#include "db/connection.h"

using namespace qor;
using Firebird::ThrowStatusWrapper;

namespace {

std::string Env(const char* name, const char* fallback) {
    const char* v = std::getenv(name);
    return v && *v ? v : fallback;
}

db::ConnectionParams Params(const std::string& path) {
    return {{"Server", Env("QOR_FB_HOST", "127.0.0.1")}, {"Port", Env("QOR_FB_PORT", "3056")},
            {"Database", path}, {"User_Name", "SYSDBA"},
            {"Password", Env("QOR_FB_SYSDBA_PASSWORD", "plemtu")}, {"CharacterSet", "UTF8"}};
}

constexpr const char* kTable =
    "create table bench (id integer not null primary key, big bigint, nome varchar(100), "
    "rua varchar(100), nasc date, cad timestamp, renda double precision, flg char(1))";

struct Row {
    int id;
    long long big;
    std::string nome, rua;
    int year, month, day;
    double renda;
    const char* flg;
};

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

// Runs the raw insert of `rows` rows, `per_statement` rows per execution.
void RawInsert(const std::string& path, int rows, int per_statement) {
    Firebird::IMaster* master = Firebird::fb_get_master_interface();
    ThrowStatusWrapper st(master->getStatus());
    Firebird::IUtil* util = master->getUtilInterface();
    Firebird::IProvider* prov = master->getDispatcher();
    Firebird::IXpbBuilder* dpb = util->getXpbBuilder(&st, Firebird::IXpbBuilder::DPB, nullptr, 0);
    dpb->insertString(&st, isc_dpb_user_name, "SYSDBA");
    const std::string password = Env("QOR_FB_SYSDBA_PASSWORD", "plemtu");
    dpb->insertString(&st, isc_dpb_password, password.c_str());
    dpb->insertString(&st, isc_dpb_lc_ctype, "UTF8");
    const std::string where = Env("QOR_FB_HOST", "127.0.0.1") + "/" + Env("QOR_FB_PORT", "3056") + ":" + path;
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
        for (int r = 0; r < per_statement; ++r) FillRaw(&st, meta, buffer.data(), r * 8, MakeRow(base + r), util);
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

void LayerInsert(db::Connection& c, int rows) {
    auto factory = TDataSetFactory::GetInstance(&c);
    auto q = factory->NewBatchQuery(
        "insert into bench (id, big, nome, rua, nasc, cad, renda, flg) "
        "values (:id, :big, :nome, :rua, :nasc, :cad, :renda, :flg)");
    c.StartTransaction();
    for (int i = 0; i < rows; ++i) {
        const Row r = MakeRow(i);
        const std::size_t k = TDataSetUtils::IncArraySize(*q, 1);
        q->ParamByName("id").SetAsInteger(k, r.id);
        q->ParamByName("big").SetAsInteger(k, r.big);
        q->ParamByName("nome").SetAsString(k, r.nome);
        q->ParamByName("rua").SetAsString(k, r.rua);
        const db::DateTime d = db::DateTime::FromDate(r.year, r.month, r.day);
        q->ParamByName("nasc").SetAsDate(k, d);
        q->ParamByName("cad").SetAsDateTime(k, d + db::DateTime::FromTime(10, 30, 0));
        q->ParamByName("renda").SetAsFloat(k, r.renda);
        q->ParamByName("flg").SetAsString(k, r.flg);
    }
    if (!TDataSetUtils::ExecutarArrayDML(*q, "")) throw std::runtime_error("batch wrote fewer rows than queued");
    c.Commit();
}

}  // namespace

int main(int argc, char** argv) {
    const int n = argc > 1 ? std::atoi(argv[1]) : 200000;
    const std::string path = Env("QOR_FB_DATA", "/tmp") + "/bench-batch-insert.fdb";
    auto fresh = [&] {
        std::filesystem::remove(path);
        db::Connection::CreateDatabase(Params(path));
        db::Connection c("bench", Params(path));
        c.Open();
        c.ExecSQL(kTable);
    };
    try {
        const int single_rows = std::max(1, n / 10);
        fresh();
        const double t_single = Seconds([&] { RawInsert(path, single_rows, 1); });
        fresh();
        const int packed_rows = n / 200 * 200;
        const double t_packed = Seconds([&] { RawInsert(path, packed_rows, 200); });
        fresh();
        db::Connection c("bench", Params(path));
        c.Open();
        const double t_layer = Seconds([&] { LayerInsert(c, n); });
        c.Close();
        db::Connection::DropDatabase(Params(path));

        const double single_rate = single_rows / t_single, packed_rate = packed_rows / t_packed,
                     layer_rate = n / t_layer;
        std::printf("raw, one insert per row (%d rows): %.0f rows/s\n", single_rows, single_rate);
        std::printf("raw, 200 rows per execute block (%d rows): %.0f rows/s\n", packed_rows, packed_rate);
        std::printf("batch layer (%d rows, fill + send + commit): %.0f rows/s\n", n, layer_rate);
        const double best_raw_rate = std::max(single_rate, packed_rate);
        std::printf("ratio batch/raw: %.2f\n", best_raw_rate / layer_rate);
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "batch_insert: %s\n", e.what());
        return 1;
    } catch (const Firebird::FbException& e) {
        char buf[1024];
        Firebird::fb_get_master_interface()->getUtilInterface()->formatStatus(buf, sizeof buf, e.getStatus());
        std::fprintf(stderr, "batch_insert: %s\n", buf);
        return 1;
    }
}
