// The rows a blank web and document-flow database hold before a conversion,
// which the conversion looks up by id.

#include <gtest/gtest.h>

#include "core/schema_builder.h"
#include "db/statement.h"
#include "support/test_db.h"

namespace qor {
namespace {

using test::TempDatabase;

std::vector<std::vector<db::Value>> Rows(db::Connection& c, const std::string& sql) {
    return db::Select(c, db::ParseNamedParams(sql), {}).rows;
}

std::int64_t Count(db::Connection& c, const std::string& sql) { return Rows(c, sql)[0][0].AsInt64(); }

class ReferenceRows : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        web_ = new TempDatabase("reference-web");
        papyrant_ = new TempDatabase("reference-papyrant");
        ApplySchema(*web_->Connect(), SchemaKind::Web);
        ApplySchema(*papyrant_->Connect(), SchemaKind::Papyrant);
    }
    static void TearDownTestSuite() {
        delete web_;
        delete papyrant_;
    }
    void SetUp() override {
        web = web_->Connect();
        papyrant = papyrant_->Connect();
    }

    static TempDatabase* web_;
    static TempDatabase* papyrant_;
    std::unique_ptr<db::Connection> web, papyrant;
};
TempDatabase* ReferenceRows::web_ = nullptr;
TempDatabase* ReferenceRows::papyrant_ = nullptr;

TEST_F(ReferenceRows, MunicipalityListShowsTheSampleMunicipalityWithItsState) {
    const auto rows = Rows(*web, "select mun.id_mun, mun.descricao_mun || ' - ' || est.sigla_est "
                                 "from qor_municipio mun inner join qor_estado est on est.id_est = mun.id_est_mun "
                                 "where mun.id_mun = 3506003");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0][1].AsString(), "Bauru - SP");
    // Every municipality has its state, so the wizard's inner join lists them all.
    EXPECT_EQ(Count(*web, "select count(*) from qor_municipio mun where not exists "
                          "(select 1 from qor_estado est where est.id_est = mun.id_est_mun)"),
              0);
}

TEST_F(ReferenceRows, CodesTheServicesWrite) {
    EXPECT_EQ(Rows(*web, "select descricao_pai from qor_pais where id_pai = 35")[0][0].AsString(), "Brasil");
    EXPECT_EQ(Count(*web, "select count(*) from qor_tipo_contato where id_tco in (1, 2)"), 2);
    EXPECT_EQ(Count(*web, "select count(*) from qor_tiporenda where id_tre in (1, 2, 3, 5, 6, 7, 10) "
                          "and computorendapercapta_tre in ('S', 'N')"),
              7);
    EXPECT_EQ(Count(*web, "select count(*) from qor_prontuario"), 0);
    EXPECT_EQ(Count(*papyrant, "select count(*) from doc_configuracoes_itens where id_itn = 47"), 1);
}

TEST_F(ReferenceRows, WebContactTypesHaveCounterpartsInTheDocumentFlow) {
    std::set<std::int64_t> flow;
    for (const auto& row : Rows(*papyrant, "select tipo_tco from doc_tipo_contato")) flow.insert(row[0].AsInt64());
    for (const auto& row : Rows(*web, "select tipo_tco from qor_tipo_contato"))
        EXPECT_TRUE(flow.count(row[0].AsInt64())) << row[0].AsInt64();
}

// Referrals name demand 9; the demand the preparation script adds must get it.
TEST_F(ReferenceRows, TheAddedReferralDemandTakesId9) {
    const auto rows = Rows(*web, "insert into qor_demandas (descricao_dmd, assunto_dmd, ativo_dmd) "
                                 "values ('Encaminhamento', 1, 'S') returning id_dmd");
    EXPECT_EQ(rows[0][0].AsInteger(), 9);
}

}  // namespace
}  // namespace qor
