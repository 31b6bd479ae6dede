// Cost of one master move over a master-detail link, at two sizes: a
// master of 200,000 rows over a detail of 1,000,000, and one tenth of both.
// A move must cost about the same at both sizes (the detail is indexed once),
// so the last line prints the growth of the per-move time for the key order
// the services meet; the growth for scattered keys is printed before it.
//
// Needs the private server (scripts/lib/fb-env.sh); the scratch database is
// created under QOR_FB_DATA and dropped at the end.

#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>

#include "db/server_env.h"
#include "core/query.h"
#include "core/utils.h"
#include "db/connection.h"

namespace {

using Clock = std::chrono::steady_clock;
using qor::TQuery;
using qor::db::Connection;
using qor::db::ConnectionParams;

double Seconds(Clock::time_point since) { return std::chrono::duration<double>(Clock::now() - since).count(); }

// Two key layouts over the same rows. "ordered": master and detail both in
// key order, as the services meet them (a source read in id order against
// web rows written in that order). "scattered": both in unrelated orders,
// so every move lands on a far part of the index.
void Fill(Connection& conn, int masters, int details) {
    const std::string m = std::to_string(masters), d = std::to_string(details), per = std::to_string(details / masters);
    conn.ExecSQL("delete from mestre");
    conn.ExecSQL("delete from detalhe");
    conn.ExecSQL("execute block as declare i integer = 0; begin while (i < " + m +
                 ") do begin insert into mestre values (:i, :i, mod(:i * 7919, " + m + ")); i = i + 1; end end");
    conn.ExecSQL("execute block as declare i integer = 0; begin while (i < " + d +
                 ") do begin insert into detalhe values (:i, :i / " + per + ", mod(:i * 104729, " + m +
                 "), 'detalhe'); i = i + 1; end end");
}

struct Figures {
    double ordered;    // ns per master move
    double scattered;
};

// CPU time of this thread: on a machine shared with other work, time spent
// waiting for a core would otherwise count against the longer walks.
double ThreadSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// Best of five walks over the whole master.
double NsPerMove(TQuery& master, TQuery& detail, const std::string& key, int details) {
    constexpr int kWalks = 5;
    auto link = qor::TUtils::CreateMasterDetail(master, detail, key, key);
    double best = 1e300;
    long long shown = 0;
    for (int walk = 0; walk < kWalks; ++walk) {
        const double start = ThreadSeconds();
        for (master.First(); !master.Eof(); master.Next()) shown += static_cast<long long>(detail.RecordCount());
        best = std::min(best, (ThreadSeconds() - start) * 1e9 / static_cast<double>(master.RecordCount()));
    }
    if (shown != kWalks * static_cast<long long>(details))
        throw std::runtime_error("the walk did not show every detail row once");
    return best;
}

Figures Measure(Connection& conn, int masters, int details) {
    std::printf("master %d rows, detail %d rows\n", masters, details);
    const auto fill_start = Clock::now();
    Fill(conn, masters, details);
    TQuery master(conn), detail(conn);
    master.Open("select pos, id_ord, id_esp from mestre order by pos");
    detail.Open("select seq, id_ord, id_esp, txt from detalhe order by seq");
    std::printf("  filled and read in %.1f s\n", Seconds(fill_start));

    const auto index_start = Clock::now();
    { auto link = qor::TUtils::CreateMasterDetail(master, detail, "id_esp", "id_esp"); }
    std::printf("  link made (detail indexed) in %.0f ms\n", Seconds(index_start) * 1000);

    Figures f{NsPerMove(master, detail, "id_ord", details), NsPerMove(master, detail, "id_esp", details)};
    std::printf("  ordered:   %.1f ns per master move\n  scattered: %.1f ns per master move\n", f.ordered,
                f.scattered);
    return f;
}

}  // namespace

int main() {
    const std::string path =
        qor::db::ServerDataFolder() + "/bench-master-detail-" + std::to_string(::getpid()) + ".fdb";
    const ConnectionParams params = qor::db::ServerParams(path);
    Connection::CreateDatabase(params);
    int status = 0;
    try {
        Connection conn("bench", params);
        conn.Open();
        conn.ExecSQL("create table mestre (pos integer, id_ord integer, id_esp integer)");
        conn.ExecSQL("create table detalhe (seq integer, id_ord integer, id_esp integer, txt varchar(20))");
        const Figures tenth = Measure(conn, 20000, 100000);
        const Figures full = Measure(conn, 200000, 1000000);
        conn.Close();
        std::printf("scattered growth: %.2f (memory latency: the index no longer fits the caches)\n",
                    full.scattered / tenth.scattered);
        std::printf("growth: %.2f\n", full.ordered / tenth.ordered);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "master_detail: %s\n", e.what());
        status = 1;
    }
    Connection::DropDatabase(params);
    return status;
}
