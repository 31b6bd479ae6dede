#include <gtest/gtest.h>

#include <vector>

#include "core/dataset_factory.h"
#include "core/utils.h"
#include "db/error.h"
#include "support/test_db.h"

namespace qor {
namespace {

using test::TempDatabase;
using Seqs = std::vector<int>;

class MasterDetail : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        db_ = new TempDatabase("master_detail");
        db_->Exec({
            "create table mestre (pos integer, id integer, ano integer)",
            "create table detalhe (seq integer, id_m integer, ano integer, cod varchar(10))",
            "insert into mestre values (1, 1, 2020)",
            "insert into mestre values (2, 2, 2021)",
            "insert into mestre values (3, 1, 2021)",
            "insert into mestre values (4, 3, 2020)",
            "insert into mestre values (5, null, 2020)",
            "insert into mestre values (6, 57, 2020)",
            "insert into detalhe values (1, 1, 2020, '57')",
            "insert into detalhe values (2, 2, 2021, '057')",
            "insert into detalhe values (3, 1, 2021, '57')",
            "insert into detalhe values (4, 1, 2020, '2')",
            "insert into detalhe values (5, 2, 2020, null)",
            "insert into detalhe values (6, 1, 2020, 'x')",
            "insert into detalhe values (7, null, 2020, '3')",
        });
    }
    static void TearDownTestSuite() { delete db_; }
    void SetUp() override {
        conn_ = db_->Connect();
        factory_ = TDataSetFactory::GetInstance(conn_.get());
        master_ = &factory_->OpenQuery("select pos, id, ano from mestre order by pos");
        // Detail rows come in an order unrelated to the keys.
        detail_ = &factory_->OpenQuery("select seq, id_m, ano, cod from detalhe order by seq");
    }

    // The detail's rows as it shows them now; it must stand on the first.
    Seqs Shown() {
        if (detail_->IsEmpty()) {
            EXPECT_TRUE(detail_->Eof());
            return {};
        }
        EXPECT_EQ(detail_->RecNo(), 0u);
        Seqs seqs;
        for (; !detail_->Eof(); detail_->Next()) seqs.push_back(detail_->FieldByName("seq").AsInteger());
        detail_->First();
        return seqs;
    }

    static TempDatabase* db_;
    std::unique_ptr<db::Connection> conn_;
    std::shared_ptr<IDataSetFactory> factory_;
    TQuery* master_ = nullptr;
    TQuery* detail_ = nullptr;
};
TempDatabase* MasterDetail::db_ = nullptr;

TEST_F(MasterDetail, FollowsTheMasterBackAndForthOnSeveralKeyFields) {
    // By master position: equal keys keep the detail query's order; no
    // match, or a NULL master key, shows nothing.
    const std::vector<Seqs> expected = {{1, 4, 6}, {2}, {3}, {}, {}, {}};
    auto link = TUtils::CreateMasterDetail(*master_, *detail_, "id;ano", "ID_M; ANO");
    for (std::size_t pos = 0; pos < expected.size(); ++pos, master_->Next())
        EXPECT_EQ(Shown(), expected[pos]) << "forward, master row " << pos + 1;
    for (std::size_t pos = expected.size(); pos-- > 0; master_->Prior())
        EXPECT_EQ(Shown(), expected[pos]) << "backward, master row " << pos + 1;
    master_->MoveTo(2);
    EXPECT_EQ(Shown(), expected[2]);
    master_->First();
    EXPECT_EQ(Shown(), expected[0]);
}

TEST_F(MasterDetail, TextDetailKeyMatchesTheDigitsOfAnIntegerMaster) {
    const std::vector<Seqs> expected = {{}, {4}, {}, {7}, {}, {1, 3}};  // '057' is not 57's text
    auto link = TUtils::CreateMasterDetail(*master_, *detail_, "id", "cod");
    for (std::size_t pos = 0; pos < expected.size(); ++pos, master_->Next())
        EXPECT_EQ(Shown(), expected[pos]) << "master row " << pos + 1;
}

TEST_F(MasterDetail, EmptyDetailFieldUsesTheMasterFieldNames) {
    auto link = TUtils::CreateMasterDetail(*master_, *detail_, "ano", "");
    EXPECT_EQ(Shown(), (Seqs{1, 4, 5, 6, 7}));
    master_->Next();
    EXPECT_EQ(Shown(), (Seqs{2, 3}));
}

TEST_F(MasterDetail, FreeingTheLinkShowsEveryDetailRowAgain) {
    auto link = TUtils::CreateMasterDetail(*master_, *detail_, "id", "id_m");
    EXPECT_EQ(Shown(), (Seqs{1, 3, 4, 6}));
    link.reset();
    EXPECT_EQ(Shown(), (Seqs{1, 2, 3, 4, 5, 6, 7}));
    master_->Next();
    EXPECT_EQ(detail_->RecordCount(), 7u);
}

TEST_F(MasterDetail, EmptyMasterShowsNoDetailRow) {
    TQuery& none = factory_->OpenQuery("select pos, id from mestre where pos < 0");
    auto link = TUtils::CreateMasterDetail(none, *detail_, "id", "id_m");
    EXPECT_EQ(Shown(), Seqs{});
}

TEST_F(MasterDetail, MisusedLinksRaiseClearErrors) {
    EXPECT_THROW(TUtils::CreateMasterDetail(*master_, *detail_, "id;ano", "id_m"), db::UsageError);
    EXPECT_THROW(TUtils::CreateMasterDetail(*master_, *detail_, "id", "nao_existe"), db::UsageError);
    auto link = TUtils::CreateMasterDetail(*master_, *detail_, "id", "id_m");
    detail_->Open("select seq, id_m from detalhe where seq < 3");
    EXPECT_THROW(master_->Next(), db::UsageError);  // the index no longer describes the rows
}

}  // namespace
}  // namespace qor
