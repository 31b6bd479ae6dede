// Cost of one master move over a master-detail link, at two sizes: a
// master of 200,000 rows over a detail of 1,000,000, and one tenth of both.
// A move must cost about the same at both sizes (the detail is indexed once),
// so the last line prints the growth of the per-move time.
//
// Needs the private server (scripts/lib/fb-env.sh); the scratch database is
// created under QOR_FB_DATA and dropped at the end.

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/query.h"
#include "core/utils.h"
#include "db/connection.h"

namespace {

using Clock = std::chrono::steady_clock;
using qor::TQuery;
using qor::db::Connection;
using qor::db::ConnectionParams;

std::string Env(const char* name, const char* fallback) {
    const char* v = std::getenv(name);
    return v && *v ? v : fallback;
}

double Seconds(Clock::time_point since) { return std::chrono::duration<double>(Clock::now() - since).count(); }

// Master keys and detail keys are spread over the key range in unrelated
// orders, so consecutive master moves land on scattered detail groups.
void Fill(Connection& conn, int masters, int details) {
    conn.ExecSQL("delete from mestre");
    conn.ExecSQL("delete from detalhe");
    conn.ExecSQL("execute block as declare i integer = 0; begin while (i < " + std::to_string(masters) +
                 ") do begin insert into mestre values (i, mod(i * 7919, " + std::to_string(masters) +
                 ")); i = i + 1; end end");
    conn.ExecSQL("execute block as declare i integer = 0; begin while (i < " + std::to_string(details) +
                 ") do begin insert into detalhe values (i, mod(i * 104729, " + std::to_string(masters) +
                 "), 'detalhe'); i = i + 1; end end");
}

// Nanoseconds per master move, best of three walks.
double MeasureMoves(Connection& conn, int masters, int details) {
    const auto fill_start = Clock::now();
    Fill(conn, masters, details);
    TQuery master(conn), detail(conn);
    master.Open("select pos, id from mestre order by pos");
    detail.Open("select seq, id_m, txt from detalhe");
    std::printf("  filled and read %d master and %d detail rows in %.1f s\n", masters, details, Seconds(fill_start));

    const auto index_start = Clock::now();
    auto link = qor::TUtils::CreateMasterDetail(master, detail, "id", "id_m");
    std::printf("  link made (detail indexed) in %.0f ms\n", Seconds(index_start) * 1000);

    double best = 1e300;
    long long checksum = 0;
    for (int walk = 0; walk < 3; ++walk) {
        const auto start = Clock::now();
        for (master.First(); !master.Eof(); master.Next())
            checksum += static_cast<long long>(detail.RecordCount()) + (detail.IsEmpty() ? 0 : detail.RecNo());
        best = std::min(best, Seconds(start) * 1e9 / masters);
    }
    if (checksum != 3LL * details) std::printf("  unexpected detail total %lld\n", checksum);
    return best;
}

}  // namespace

int main() {
    const std::string path = Env("QOR_FB_DATA", "/tmp") + "/bench-master-detail-" + std::to_string(::getpid()) + ".fdb";
    ConnectionParams params{{"Server", Env("QOR_FB_HOST", "127.0.0.1")},
                            {"Port", Env("QOR_FB_PORT", "3056")},
                            {"Database", path},
                            {"User_Name", "SYSDBA"},
                            {"Password", Env("QOR_FB_SYSDBA_PASSWORD", "")},
                            {"CharacterSet", "UTF8"}};
    Connection::CreateDatabase(params);
    int status = 0;
    try {
        Connection conn("bench", params);
        conn.Open();
        conn.ExecSQL("create table mestre (pos integer, id integer)");
        conn.ExecSQL("create table detalhe (seq integer, id_m integer, txt varchar(20))");

        std::printf("tenth: master 20000, detail 100000\n");
        const double tenth = MeasureMoves(conn, 20000, 100000);
        std::printf("  %.1f ns per master move\n", tenth);
        std::printf("full: master 200000, detail 1000000\n");
        const double full = MeasureMoves(conn, 200000, 1000000);
        std::printf("  %.1f ns per master move\n", full);
        conn.Close();
        std::printf("growth: %.2f\n", full / tenth);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "master_detail: %s\n", e.what());
        status = 1;
    }
    Connection::DropDatabase(params);
    return status;
}
