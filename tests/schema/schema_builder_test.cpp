#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "core/schema_builder.h"
#include "db/statement.h"
#include "support/test_db.h"

namespace qor {
namespace {

// The preparation script refreshes the statistics of every index, which only
// SYSDBA and the database's owner may do: the desktop's own user must own it.
TEST(CreateSchemaDatabase, DesktopBelongsToItsUserWhoCanRefreshIndexStatistics) {
    const std::string path = test::Env("QOR_FB_DATA", "/tmp") + "/schema-owner-" + std::to_string(::getpid()) + ".fdb";
    std::filesystem::remove(path);
    const db::ConnectionParams params = test::ServerParams(path, /*as_sysdba=*/false);
    CreateSchemaDatabase(SchemaKind::Desktop, params);
    {
        db::Connection desktop("desktop", params);
        desktop.Open();
        const auto owner = db::Select(desktop, db::ParseNamedParams(
            "select trim(rdb$owner_name) from rdb$relations where rdb$relation_name = 'PESSOA'"), {});
        EXPECT_EQ(owner.rows.at(0).at(0).AsString(), *params.Get("User_Name"));
        EXPECT_NO_THROW(desktop.ExecSQL(R"(execute block as
            declare variable index_name varchar(31);
            begin
              for select rdb$index_name from rdb$indices into :index_name
              do execute statement 'set statistics index ' || :index_name ;
            end)"));
    }
    if (!std::getenv("QOR_KEEP_TEST_DB")) db::Connection::DropDatabase(params);
}

}  // namespace
}  // namespace qor
