// Inserts N rows of 8 columns three ways into a fresh table on the server
// named by QOR_FB_*: one prepared insert per row straight on the client API,
// the same rows packed 200 to an execute block straight on the client API,
// and our batch layer (TDataSetUtils::ExecutarArrayDML). Prints rows/s of
// each and, last, "ratio batch/raw: X.XX": our time over the fastest raw time.
//
//   batch_insert [N [ROUNDS]]   (default 200000 rows, 3 rounds; the per-row path uses N/10)


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
#include "support/raw_insert.h"

using namespace qor;
using namespace qor::bench;

namespace {

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
    // Each path runs this many times, alternating, and keeps its best time:
    // the server shares the machine with whatever else runs.
    const int rounds = argc > 2 ? std::atoi(argv[2]) : 3;
    const std::string path = db::ServerDataFolder() + "/bench-batch-insert.fdb";
    try {
        const int single_rows = std::max(1, n / 10);
        const int packed_rows = n / 200 * 200;
        double t_single = 1e30, t_packed = 1e30, t_layer = 1e30;
        for (int round = 0; round < rounds; ++round) {
            FreshDatabase(path);
            t_single = std::min(t_single, Seconds([&] { RawInsert(path, 0, single_rows, 1); }));
            FreshDatabase(path);
            t_packed = std::min(t_packed, Seconds([&] { RawInsert(path, 0, packed_rows, 200); }));
            FreshDatabase(path);
            db::Connection c("bench", Params(path));
            c.Open();
            t_layer = std::min(t_layer, Seconds([&] { LayerInsert(c, n); }));
        }
        db::Connection::DropDatabase(Params(path));

        const double single_rate = single_rows / t_single, packed_rate = packed_rows / t_packed,
                     layer_rate = n / t_layer;
        std::printf("best of %d rounds\n", rounds);
        std::printf("raw, one insert per row (%d rows): %.0f rows/s\n", single_rows, single_rate);
        std::printf("raw, 200 rows per execute block (%d rows): %.0f rows/s\n", packed_rows, packed_rate);
        std::printf("batch layer (%d rows, fill + send + commit): %.0f rows/s\n", n, layer_rate);
        const double best_raw_rate = std::max(single_rate, packed_rate);
        std::printf("ratio batch/raw: %.2f\n", best_raw_rate / layer_rate);
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "batch_insert: %s\n", e.what());
        return 1;
    }
}
