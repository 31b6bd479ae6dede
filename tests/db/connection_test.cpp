#include <gtest/gtest.h>

#include "db/connection.h"
#include "db/error.h"
#include "db/statement.h"
#include "support/test_db.h"

namespace qor::db {
namespace {

using test::TempDatabase;

ResultSet Query(Connection& c, const std::string& sql, const std::vector<Value>& params = {}) {
    return Select(c, ParseNamedParams(sql), params);
}

TEST(Connection, OpensAsNonSysdbaUser) {
    TempDatabase db("conn-user", /*owned_by_user=*/true);
    auto c = db.Connect();
    EXPECT_EQ(Query(*c, "select current_user from rdb$database").rows[0][0].AsString(),
              test::Env("QOR_FB_USER", "VBLMRTQ8"));
}

TEST(Connection, BadParametersRaiseTheClientMessageAndStayClosed) {
    TempDatabase db("conn-bad");
    struct Case {
        const char* name;
        const char* value;
        const char* expected;
    };
    for (const Case& c : {Case{"Database", "/nonexistent/x.fdb", "I/O error"},
                          Case{"Password", "wrong", "Your user name and password are not defined"},
                          Case{"User_Name", "NOBODY", "Your user name and password are not defined"},
                          Case{"Port", "1", "Unable to complete network request"}}) {
        Connection conn("web", db.Params());
        conn.Params().Set(c.name, c.value);
        try {
            conn.Open();
            ADD_FAILURE() << c.name << " accepted";
        } catch (const Error& e) {
            EXPECT_NE(std::string(e.what()).find(c.expected), std::string::npos) << e.what();
        }
        EXPECT_FALSE(conn.IsOpen());
        EXPECT_EQ(conn.Params().Get(c.name), c.value) << "keeps its new parameter";
    }
}

TEST(Connection, EmptyParameterIsRemoved) {
    ConnectionParams p{{"User_Name", "x"}, {"Port", "3050"}};
    p.Set("user_name", "");
    EXPECT_FALSE(p.Has("User_Name"));
    EXPECT_TRUE(p.Has("PORT"));
}

TEST(Connection, StatementOnClosedConnectionIsAClearError) {
    Connection c("desktop");
    EXPECT_THROW(c.ExecSQL("select 1 from rdb$database"), UsageError);
    try {
        Query(c, "select 1 from rdb$database");
    } catch (const UsageError& e) {
        EXPECT_STREQ(e.what(), "The desktop connection is not open");
    }
}

TEST(Connection, RolledBackTransactionLeavesNothingAndAutocommitIsVisibleElsewhere) {
    TempDatabase db("conn-tx");
    db.Exec({"create table t (id integer)"});
    auto a = db.Connect();
    auto b = db.Connect();

    a->StartTransaction();
    Execute(*a, ParseNamedParams("insert into t values (:id)"), {Value::Int(1)});
    a->Rollback();
    EXPECT_TRUE(Query(*b, "select id from t").rows.empty());

    Execute(*a, ParseNamedParams("insert into t values (:id)"), {Value::Int(2)});
    const auto rows = Query(*b, "select id from t").rows;
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0][0].AsInteger(), 2);
}

TEST(Connection, ServerErrorCarriesTheFullMessage) {
    TempDatabase db("conn-err");
    auto c = db.Connect();
    try {
        c->ExecSQL("select nothing from nowhere");
        FAIL();
    } catch (const Error& e) {
        const std::string m = e.what();
        EXPECT_NE(m.find("Table unknown"), std::string::npos) << m;
        EXPECT_NE(m.find("NOWHERE"), std::string::npos) << m;
    }
}

TEST(Connection, UnknownParameterCountIsRejected) {
    TempDatabase db("conn-params");
    auto c = db.Connect();
    EXPECT_THROW(Select(*c, ParseNamedParams("select :a from rdb$database"), {}), UsageError);
}

}  // namespace
}  // namespace qor::db
