#include <gtest/gtest.h>

#include "core/dataset_factory.h"
#include "db/error.h"
#include "support/test_db.h"

namespace qor {
namespace {

using test::TempDatabase;

class Factory : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        db_ = new TempDatabase("factory");
        db_->Exec({"create table t (id integer, nome varchar(20))", "insert into t values (1, 'um')",
                   "insert into t values (2, 'dois')"});
    }
    static void TearDownTestSuite() { delete db_; }
    void SetUp() override { conn_ = db_->Connect(); }

    static TempDatabase* db_;
    std::unique_ptr<db::Connection> conn_;
};
TempDatabase* Factory::db_ = nullptr;

TEST_F(Factory, GetInstanceWithoutConnectionRaises) {
    try {
        TDataSetFactory::GetInstance(nullptr);
        FAIL();
    } catch (const db::Error& e) {
        EXPECT_STREQ(e.what(), "Connection is not defined");
    }
}

TEST_F(Factory, OwnedQueriesDieWithTheFactoryUnownedOnesSurvive) {
    std::unique_ptr<TQuery> unowned;
    {
        auto factory = TDataSetFactory::GetInstance(conn_.get());
        TQuery& owned = factory->OpenQuery("select id, nome from t order by id");
        EXPECT_EQ(owned.RecordCount(), 2u);
        unowned = factory->OpenQuery("select id, nome from t order by id", kNotOwned);
    }
    unowned->Next();
    EXPECT_EQ(unowned->FieldByName("NOME").AsString(), "dois");
    unowned->Open("select count(*) as n from t");
    EXPECT_EQ(unowned->FieldByName("n").AsInteger(), 2);
}

TEST_F(Factory, OpenQueryOnNoRowsIsOpenAndAtItsEnd) {
    auto factory = TDataSetFactory::GetInstance(conn_.get());
    TQuery& q = factory->OpenQuery("select id from t where id < 0");
    EXPECT_TRUE(q.Active());
    EXPECT_TRUE(q.Eof());
    EXPECT_TRUE(q.IsEmpty());
}

TEST_F(Factory, OpenQueryParametersAreNullThenReopenWithValues) {
    auto factory = TDataSetFactory::GetInstance(conn_.get());
    TQuery& q = factory->OpenQuery("select nome from t where id = :id");
    EXPECT_TRUE(q.IsEmpty());
    q.ParamByName("ID").SetAsInteger(2);
    q.Open();
    EXPECT_EQ(q.FieldByName("nome").AsString(), "dois");
}

TEST_F(Factory, TryExecSQLSwallowsErrors) {
    auto factory = TDataSetFactory::GetInstance(conn_.get());
    EXPECT_FALSE(factory->TryExecSQL("selec nothing"));
    EXPECT_TRUE(factory->TryExecSQL("update t set nome = nome where id = 0"));
}

TEST_F(Factory, QueryRowsCanBeEditedInMemoryOnly) {
    auto factory = TDataSetFactory::GetInstance(conn_.get());
    TQuery& q = factory->OpenQuery("select id, nome from t order by id");
    q.FieldByName("id").SetAsInteger(99);
    EXPECT_EQ(q.FieldByName("id").AsInteger(), 99);
    q.Next();
    q.Prior();
    EXPECT_EQ(q.FieldByName("id").AsInteger(), 99);
    EXPECT_EQ(factory->OpenQuery("select min(id) as m from t").FieldByName("m").AsInteger(), 1);
}

TEST_F(Factory, WalkingSetsEofAfterTheLastRow) {
    auto factory = TDataSetFactory::GetInstance(conn_.get());
    TQuery& q = factory->OpenQuery("select id from t order by id");
    std::vector<int> seen;
    while (!q.Eof()) {
        seen.push_back(q.FieldByName("id").AsInteger());
        q.Next();
    }
    EXPECT_EQ(seen, (std::vector<int>{1, 2}));
}

TEST_F(Factory, UnknownNamesAreNamedInTheError) {
    auto factory = TDataSetFactory::GetInstance(conn_.get());
    TQuery& q = factory->OpenQuery("select id from t");
    try {
        q.ParamByName("nada");
        FAIL();
    } catch (const db::UsageError& e) {
        EXPECT_NE(std::string(e.what()).find("nada"), std::string::npos);
    }
    try {
        q.FieldByName("coluna_x");
        FAIL();
    } catch (const db::UsageError& e) {
        EXPECT_NE(std::string(e.what()).find("coluna_x"), std::string::npos);
    }
}

}  // namespace
}  // namespace qor
