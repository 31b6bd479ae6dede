#include <gtest/gtest.h>

#include "core/carriers.h"
#include "core/web_catalog.h"
#include "driver/five_databases.h"

namespace qor {
namespace {

using test::Rows;
using Table = std::vector<std::vector<std::string>>;

class Scripts : public ::testing::Test {
protected:
    void SetUp() override { dbs_.AttachTo(provider_); }

    void Desktop(std::initializer_list<std::string> statements) {
        for (const auto& sql : statements) provider_.ConDesktop.ExecSQL(sql);
    }
    void Web(std::initializer_list<std::string> statements) {
        for (const auto& sql : statements) provider_.ConWeb.ExecSQL(sql);
    }
    std::vector<std::string> CarriersPresent() {
        std::vector<std::string> names;
        for (const auto& c : LeftoverCarriers(TWebCatalog::Read(provider_.ConWeb))) names.push_back(c.Name());
        return names;
    }

    test::FiveDatabases dbs_{"scripts"};
    TProviderConnection provider_;
};

TEST_F(Scripts, PreparationRepairsTheDesktopAddsIntegerCarriersAndSeedsTheDemand) {
    Desktop({"insert into entidade (id_entidade) values (1)", "insert into entidade (id_entidade) values (2)",
             "insert into familia (id_familia) values (10)", "insert into familia (id_familia) values (20)",
             "insert into pessoa (id_pessoa, id_familia, flag_responsavel) values (1, 10, 'N')",
             "insert into pessoa (id_pessoa, id_familia, flag_responsavel, id_nacionalidade) values (2, 20, 'N', 5)",
             "insert into pessoa (id_pessoa, id_familia, flag_responsavel, id_nacionalidade) values (3, 20, 'N', 5)",
             "insert into entidade_pessoa values (1, 1, 'N')", "insert into entidade_pessoa values (2, 2, 'N')",
             "insert into entidade_pessoa values (2, 3, 'N')"});
    // The web editions in the field define sint as a small integer.
    Web({"drop domain sint", "create domain sint as smallint"});

    provider_.BeforeConvert();

    EXPECT_EQ(Rows(provider_.ConDesktop,
                   "select id_pessoa, flag_responsavel, id_nacionalidade from pessoa order by id_pessoa"),
              (Table{{"1", "S", "10"}, {"2", "N", "5"}, {"3", "N", "5"}}));
    EXPECT_EQ(Rows(provider_.ConDesktop,
                   "select id_entidade, id_pessoa, flag_responsavel from entidade_pessoa order by 1, 2"),
              (Table{{"1", "1", "S"}, {"2", "2", "N"}, {"2", "3", "N"}}));

    std::vector<std::string> all;
    for (const auto& c : TemporaryCarriers()) all.push_back(c.Name());
    EXPECT_EQ(CarriersPresent(), all);
    // A real city's desktop ids pass the small-integer range.
    Web({"insert into qor_pessoa (id_pes, id_dskp, id_pla, dskp_id_familia) values (1, 40000, 70000, 70000)",
         "insert into qor_familia (id_fam, id_dskp, id_prf_dskp) values (1, 40000, 40000)"});
    EXPECT_EQ(Rows(provider_.ConWeb, "select id_dskp from qor_pessoa"), (Table{{"40000"}}));

    EXPECT_TRUE(Rows(provider_.ConWeb, "select 1 from qor_tipodespesa").empty());
    Web({"insert into qor_tipodespesa (descricao_tde) values ('Aluguel')"});
    EXPECT_EQ(Rows(provider_.ConWeb, "select id_tde from qor_tipodespesa"), (Table{{"1"}}));
    EXPECT_EQ(Rows(provider_.ConWeb,
                   "select assunto_dmd, ativo_dmd from qor_demandas where descricao_dmd = 'Encaminhamento'"),
              (Table{{"1", "S"}}));
}

TEST_F(Scripts, PreparationOnLeftoverCarriersNamesThemAndTheWayOut) {
    Web({"alter table qor_familia add id_dskp integer"});
    try {
        provider_.BeforeConvert();
        FAIL() << "the preparation ran over a leftover carrier";
    } catch (const std::exception& e) {
        const std::string message = e.what();
        EXPECT_NE(message.find("qor_familia.id_dskp"), std::string::npos) << message;
        EXPECT_NE(message.find("qor-conversor recover --config"), std::string::npos) << message;
    }
    EXPECT_EQ(CarriersPresent(), (std::vector<std::string>{"qor_familia.id_dskp"}));
}

TEST_F(Scripts, FinishingDerivesCaseRecordsDwellingsAndTotalsThenDropsTheCarriers) {
    provider_.BeforeConvert();
    Web({// Carriers kept in existing columns.
         "insert into qor_unidades (id_uni, sigla_uni) values (1, '12')",
         "insert into qor_domicilio (id_dom, inscriimobiliaria_dom) values (500, '57')",
         "insert into qor_profissional (id_prf, matricula_prf) values (1, '3')",
         // Family 1: two current members and one who left; no dwelling.
         "insert into qor_familia (id_fam, data_cadastro_fam) values (1, '2020-01-02')",
         "insert into qor_familia_pessoa (id_fam_fpe, id_pes_fpe) values (1, 11)",
         "insert into qor_familia_pessoa (id_fam_fpe, id_pes_fpe) values (1, 12)",
         "insert into qor_familia_pessoa (id_fam_fpe, id_pes_fpe, dta_fim_fpe) values (1, 13, '2021-01-01')",
         "insert into qor_pessoa_renda (id_pes_pre, valor_pre, id_tre_pre) values (11, 100, 1)",
         "insert into qor_pessoa_renda (id_pes_pre, valor_pre, id_tre_pre, dta_fim_pre) values (11, 7, 1, '2021-01-01')",
         "insert into qor_pessoa_renda (id_pes_pre, valor_pre, id_tre_pre) values (12, 50, 4)",
         "insert into qor_pessoa_renda (id_pes_pre, valor_pre, id_tre_pre) values (13, 1000, 1)",
         "insert into qor_familia_despesas (id_fam_fde, valor_fde) values (1, 30)",
         "insert into qor_familia_despesas (id_fam_fde, valor_fde, dta_fim_fde) values (1, 20, '2021-01-01')",
         // Family 2: no current member, lives on a family benefit; has a dwelling.
         "insert into qor_familia (id_fam, data_cadastro_fam) values (2, '2020-01-03')",
         "insert into qor_familia_pessoa (id_fam_fpe, id_pes_fpe, dta_fim_fpe) values (2, 21, '2021-01-01')",
         "insert into qor_familia_domicilio (id_fam_fdm, id_dom_fdm) values (2, 500)",
         "insert into qor_progra_beneficio (id_pbn, computorendapercapta_pbn) values (1, 'S')",
         "insert into qor_progra_beneficio (id_pbn, computorendapercapta_pbn) values (2, 'N')",
         "insert into qor_prograbene_concessao (id_pbc, id_fam_pbc) values (1, 2)",
         "insert into qor_prograbene_conce_itens (id_pbc_pbi, id_pbn_pbi, status_pbi, valorouqtd_pbi) values (1, 1, 1, 200)",
         // Family 3: one member without income, with a personal benefit.
         "insert into qor_familia (id_fam, data_cadastro_fam) values (3, '2020-01-04')",
         "insert into qor_familia_pessoa (id_fam_fpe, id_pes_fpe) values (3, 31)",
         "insert into qor_familia_domicilio (id_fam_fdm, id_dom_fdm) values (3, 500)",
         "insert into qor_prograbene_concessao (id_pbc, id_pes_pbc) values (2, 31)",
         "insert into qor_prograbene_conce_itens (id_pbc_pbi, id_pbn_pbi, status_pbi, valorouqtd_pbi) values (2, 1, 1, 80)",
         "insert into qor_prograbene_conce_itens (id_pbc_pbi, id_pbn_pbi, status_pbi, valorouqtd_pbi) values (2, 2, 1, 500)",
         "insert into qor_prograbene_conce_itens (id_pbc_pbi, id_pbn_pbi, status_pbi, valorouqtd_pbi) values (2, 1, 0, 900)",
         // Annotations of an attendance of person 11: one without a case record, one with.
         "insert into qor_pessoa (id_pes) values (11)",
         "insert into qor_atendimentos_pessoas (id_ate_ape, id_pes_ape) values (100, 11)",
         "insert into qor_anotacao (id_ano, id_ate_ano) values (1, 100)",
         "insert into qor_anotacao (id_ano, id_ate_ano, id_pro_ano) values (2, 100, 999)"});

    provider_.AfterConvert();

    EXPECT_EQ(Rows(provider_.ConWeb,
                   "select id_fam, despesa_fam, renda_fam, renda_percapta from qor_familia order by id_fam"),
              (Table{{"1", "30.00", "100.00", "50.00"}, {"2", "", "200.00", ""}, {"3", "", "80.00", "80.00"}}));

    EXPECT_EQ(Rows(provider_.ConWeb,
                   "select fdm.id_fam_fdm, dom.datacadastro_dom, dom.tipo_dom, dom.tipo_moradia_dom, "
                   "cast(fdm.dta_ini_fdm as date) from qor_familia_domicilio fdm "
                   "inner join qor_domicilio dom on dom.id_dom = fdm.id_dom_fdm where dom.id_dom <> 500"),
              (Table{{"1", "2020-01-02", "0", "1", "2020-01-02"}}));

    const Table prontuarios = Rows(provider_.ConWeb,
                                   "select id_pro, id_pes_pro, tipo_pro, status_pro, "
                                   "iif(data_pro = current_date, 'hoje', 'outro') from qor_prontuario");
    ASSERT_EQ(prontuarios.size(), 1u);
    EXPECT_EQ(prontuarios[0][1] + prontuarios[0][2] + prontuarios[0][3] + prontuarios[0][4], "1110hoje");
    EXPECT_EQ(Rows(provider_.ConWeb, "select id_ano, id_pro_ano from qor_anotacao order by id_ano"),
              (Table{{"1", prontuarios[0][0]}, {"2", "999"}}));

    EXPECT_EQ(Rows(provider_.ConPapyrant, "select valor_int_itn from doc_configuracoes_itens where id_itn = 47"),
              (Table{{"2"}}));

    EXPECT_EQ(CarriersPresent(), (std::vector<std::string>{"qor_agenda.id_cnv", "qor_locais.id_cnv"}));
    EXPECT_FALSE(TWebCatalog::Read(provider_.ConWeb).HasColumn("qor_locais", "id_dskp"));
    EXPECT_EQ(Rows(provider_.ConWeb,
                   "select (select count(*) from qor_unidades where sigla_uni is not null), "
                   "(select count(*) from qor_domicilio where inscriimobiliaria_dom is not null), "
                   "(select count(*) from qor_profissional where matricula_prf is not null) from rdb$database"),
              (Table{{"0", "0", "0"}}));
}

TEST_F(Scripts, FinishingSucceedsOnAWebDatabaseWithoutTheOldPlaceCarrier) {
    Web({"alter table qor_locais drop id_dskp"});
    provider_.BeforeConvert();
    provider_.AfterConvert();
    EXPECT_EQ(CarriersPresent(), (std::vector<std::string>{"qor_agenda.id_cnv", "qor_locais.id_cnv"}));
}

}  // namespace
}  // namespace qor
