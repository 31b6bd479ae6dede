#include <gtest/gtest.h>

#include "core/dataset_factory.h"
#include "core/dataset_utils.h"
#include "core/insert_builder.h"
#include "db/error.h"
#include "services/bairro.h"
#include "services/distrito.h"
#include "services/endereco.h"
#include "services/logradouro.h"
#include "services/regiao.h"
#include "services/unidade.h"
#include "support/rows.h"
#include "support/schema_db.h"

namespace qor {
namespace {

using test::NewSchemaDatabase;
using test::RunService;
using Rows = test::TextRows;

class Places : public ::testing::Test {
protected:
    void SetUp() override {
        desktop_ = NewSchemaDatabase(SchemaKind::Desktop, "places-desktop");
        web_ = NewSchemaDatabase(SchemaKind::Web, "places-web");
        test::Attach(provider_.ConDesktop, *desktop_);
        test::Attach(provider_.ConWeb, *web_);
    }

    void Desktop(std::initializer_list<std::string> statements) {
        for (const auto& sql : statements) provider_.ConDesktop.ExecSQL(sql);
    }

    Rows Web(const std::string& sql) { return test::Rows(provider_.ConWeb, sql); }

    // The id the identity gives the next row inserted without one.
    std::string NextIdentity(const std::string& table, const std::string& column, const std::string& value_column) {
        provider_.ConWeb.ExecSQL("insert into " + table + " (" + value_column + ") values ('probe')");
        return Web("select max(" + column + ") from " + table)[0][0];
    }

    std::unique_ptr<test::TempDatabase> desktop_, web_;
    TProviderConnection provider_;
};

TEST_F(Places, DuplicateNeighbourhoodsCollapseDuplicateDistrictsStay) {
    Desktop({"insert into bairro values (1, 'Centro')", "insert into bairro values (2, 'Centro')",
             "insert into bairro values (3, 'Vila Nova')", "insert into distrito values (1, 'Sede')",
             "insert into distrito values (2, 'Sede')"});
    EXPECT_EQ(RunService<TBairro>(provider_), "Bairros: 2 - Registro(s) Convertido(s)!");
    EXPECT_EQ(RunService<TDistrito>(provider_), "Distritos: 2 - Registro(s) Convertido(s)!");
    EXPECT_EQ(Web("select descricao_bai from qor_bairro order by 1"), (Rows{{"Centro"}, {"Vila Nova"}}));
    EXPECT_EQ(Web("select descricao_dis from qor_distrito"), (Rows{{"Sede"}, {"Sede"}}));
}

TEST_F(Places, EmptySourcesGiveTheirZeroMessages) {
    EXPECT_EQ(RunService<TBairro>(provider_), "Bairros: 0 - Registro(s) Convertido(s)!");
    EXPECT_EQ(RunService<TLogradouro>(provider_), "Logradouros: 0 - Registro(s) Convertido(s)!");
    EXPECT_EQ(RunService<TDistrito>(provider_), "Distritos: 0 - Registro(s) Convertido(s)!");
    EXPECT_EQ(RunService<TRegiao>(provider_), "Regiões: 0 Registro(s) Convertido(s)!");
}

TEST_F(Places, RegionsKeepTheirDesktopIdsAndTheIdentityFollows) {
    Desktop({"insert into localizacao values (7, 'Zona Rural')", "insert into localizacao values (3, 'Zona Urbana')"});
    EXPECT_EQ(RunService<TRegiao>(provider_), "Regiões: 2 - Registro(s) Convertido(s)!");
    EXPECT_EQ(Web("select id_reg, descricao_reg from qor_regiao order by 1"),
              (Rows{{"3", "Zona Urbana"}, {"7", "Zona Rural"}}));
    EXPECT_EQ(NextIdentity("qor_regiao", "id_reg", "descricao_reg"), "8");
}

TEST_F(Places, StreetTypesAreNumberedAndSameNamedTypesMerge) {
    Desktop({"insert into tipo_logradouro values (10, 'Rua')", "insert into tipo_logradouro values (11, 'Avenida')",
             "insert into tipo_logradouro values (12, 'Rua')", "insert into tipo_logradouro values (13, 'Travessa')",
             "insert into logradouro values (1, 10, 'das Flores')", "insert into logradouro values (2, 12, 'das Flores')",
             "insert into logradouro values (3, 11, 'Brasil')"});
    EXPECT_EQ(RunService<TLogradouro>(provider_), "Logradouros: 3 - Registro(s) Convertido(s)!");
    const Rows types = Web("select id_tlo, descricao_tlo from qor_tipologradouro order by 1");
    ASSERT_EQ(types.size(), 3u);
    EXPECT_EQ(types[0][0], "1");
    EXPECT_EQ(types[2][0], "3");
    EXPECT_EQ(Web("select count(*) from qor_logradouro lgr join qor_tipologradouro tlo on tlo.id_tlo = lgr.id_tlo_log "
                  "where tlo.descricao_tlo = 'Rua' and lgr.descricao_log = 'das Flores'"),
              (Rows{{"2"}}));
    EXPECT_EQ(NextIdentity("qor_tipologradouro", "id_tlo", "descricao_tlo"), "4");
}

TEST_F(Places, StreetTypesWithoutStreetsConvertNeither) {
    Desktop({"insert into tipo_logradouro values (10, 'Rua')"});
    EXPECT_EQ(RunService<TLogradouro>(provider_), "Logradouros: 0 - Registro(s) Convertido(s)!");
    EXPECT_TRUE(Web("select * from qor_tipologradouro").empty());
}

class AddressWriter : public Places {
protected:
    void SetUp() override {
        Places::SetUp();
        provider_.SetMunicipio(3550308);
        provider_.ConWeb.ExecSQL("insert into qor_logradouro (id_log, descricao_log) values (40, 'Rua das Flores')");
        provider_.ConWeb.ExecSQL("insert into qor_bairro (id_bai, descricao_bai) values (50, 'Centro')");
        provider_.ConWeb.ExecSQL("insert into qor_distrito (id_dis, descricao_dis) values (60, 'Sede')");
        provider_.ConWeb.ExecSQL("alter table qor_endereco alter column id_enr restart with 100");
        Desktop({"create table addr (k integer, id_enr integer, de_logradouro varchar(50), desc_bairro varchar(50), "
                 "distrito varchar(50), cd_municipio varchar(10), id_localizacao integer, endereco varchar(50), "
                 "bairro varchar(50), complemento varchar(50), numero varchar(10), cep varchar(12), "
                 "referencia varchar(50), latitude integer, longitude integer)"});
    }

    // Runs the writer over the rows of addr; returns the written addresses.
    Rows Write() {
        auto desktop = TDataSetFactory::GetInstance(&provider_.ConDesktop);
        auto web = TDataSetFactory::GetInstance(&provider_.ConWeb);
        TQuery& input = desktop->OpenQuery("select * from addr order by k");
        auto insert = web->NewBatchQuery("");
        GerarInsert(*insert, "qor_endereco", false);
        TEndereco(provider_).Converter(*insert, input);
        for (input.First(); !input.Eof(); input.Next()) assigned_.push_back(input.FieldByName("id_enr").AsInteger());
        EXPECT_TRUE(TDataSetUtils::ExecutarArrayDML(*insert, ""));
        return Web("select id_enr, id_log_enr, id_bai_enr, id_dis_enr, id_mun_enr, id_reg_enr, id_pai_enr, "
                   "ehnomunicipio_enr, nome_log_enr, nome_bai_enr, cep_enr from qor_endereco order by id_enr desc");
    }

    std::vector<int> assigned_;
};

TEST_F(AddressWriter, ReservesOneBlockAndHandsItOutFromTheTop) {
    Desktop({"insert into addr (k, de_logradouro, desc_bairro, distrito, cd_municipio, id_localizacao, cep) "
             "values (1, 'Rua das Flores', 'Centro', 'Sede', '3550308', 2, '01310-100')",
             "insert into addr (k, endereco, bairro, cd_municipio) values (2, 'Rua Livre', 'Bairro Livre', 'abc')",
             "insert into addr (k, de_logradouro, bairro, cep) values (3, 'rua das flores', 'Bairro Livre', '12.345-678')"});
    const Rows rows = Write();
    EXPECT_EQ(assigned_, (std::vector<int>{103, 102, 101}));
    const Rows expected{
        {"103", "40", "50", "60", "3550308", "2", "35", "S", "", "", "01310100"},
        // Both descriptions empty: only the free-text street; a non-numeric code matches nothing.
        {"102", "", "", "", "", "", "35", "S", "Rua Livre", "", ""},
        // Matching is case-sensitive; the neighbourhood text is free; NULL code -> the chosen municipality.
        {"101", "", "", "", "3550308", "", "35", "S", "", "Bairro Livre", "12345678"},
    };
    EXPECT_EQ(rows, expected);
}

TEST_F(AddressWriter, EmptyInputTouchesNothing) {
    Write();
    EXPECT_TRUE(assigned_.empty());
    EXPECT_EQ(NextIdentity("qor_endereco", "id_enr", "numero_enr"), "101");
}

TEST_F(Places, UnitsWithTypesContactsAddressesAndCarrier) {
    provider_.SetMunicipio(3550308);
    provider_.ConWeb.ExecSQL("insert into qor_bairro (id_bai, descricao_bai) values (50, 'Centro')");
    Desktop({"insert into unidade (id_unidade, nome, tipo, telefone, email_unidade, flag_ativa, bairro, endereco, "
             "n_identificador) values (40001, 'CRAS Centro', 'CRAS', '(11) 3456-7890', 'cras@pref.br', 'N', "
             "'Centro', 'Rua A, 10', '35503080001')",
             "insert into unidade (id_unidade, nome, tipo, telefone) values (40002, 'Centro Pop', 'CREAS', 'sem fone')",
             "insert into unidade (id_unidade, nome, tipo) values (40003, 'Centro de CONVIVÊNCIA', 'cras')",
             "insert into unidade (id_unidade, nome) values (40004, 'Conselho Tutelar')",
             "insert into unidade (id_unidade, nome, tipo) values (40005, 'Outro', 'OUTRA')"});
    EXPECT_EQ(RunService<TUnidade>(provider_), "Unidades: 5 - Registro(s) Convertido(s)!");
    const Rows units = Web(
        "select uni.id_uni, uni.sigla_uni, uni.ativo_uni, uni.tipo_uni, uni.classifica_uni, uni.atende_fds_uni, "
        "uni.intervalo_agd_uni, uni.nro_identificador_uni, enr.nome_log_enr, enr.id_bai_enr, enr.id_mun_enr "
        "from qor_unidades uni join qor_endereco enr on enr.id_enr = uni.id_enr_uni order by uni.sigla_uni");
    const Rows expected{
        {"1", "40001", "N", "0", "0", "S", "5", "35503080001", "Rua A, 10", "50", "3550308"},
        {"2", "40002", "S", "2", "0", "S", "5", "", "", "", "3550308"},
        {"3", "40003", "S", "0", "1", "S", "5", "", "", "", "3550308"},
        {"4", "40004", "S", "4", "0", "S", "5", "", "", "", "3550308"},
        {"5", "40005", "S", "4", "0", "S", "5", "", "", "", "3550308"},
    };
    ASSERT_EQ(units.size(), 5u);
    for (std::size_t r = 0; r < units.size(); ++r) {
        // The order of the desktop rows fixes the ids; compare everything else.
        std::vector<std::string> got = units[r], want = expected[r];
        got.erase(got.begin());
        want.erase(want.begin());
        EXPECT_EQ(got, want) << "unit " << units[r][1];
    }
    EXPECT_EQ(Web("select min(id_uni), max(id_uni) from qor_unidades"), (Rows{{"1", "5"}}));
    EXPECT_EQ(Web("select c.id_tco_uco, c.contato_uco from qor_unidades_contato c join qor_unidades u on "
                  "u.id_uni = c.id_uni_uco order by u.sigla_uni, c.id_uco"),
              (Rows{{"1", "1134567890"}, {"2", "cras@pref.br"}}));
    EXPECT_EQ(NextIdentity("qor_unidades", "id_uni", "nome_uni"), "6");
}

// A text longer than its web column is never cut: the service fails with
// the server's message and its transaction leaves nothing behind.
TEST_F(Places, OverLongTextFailsTheServiceInsteadOfCuttingIt) {
    Desktop({"alter table unidade alter column nome type varchar(200)"});
    Desktop({"insert into unidade (id_unidade, nome) values (1, '" + std::string(150, 'x') + "')",
             "insert into unidade (id_unidade, nome) values (2, 'Sede')"});
    try {
        RunService<TUnidade>(provider_);
        FAIL() << "an over-long name was accepted";
    } catch (const db::Error& e) {
        EXPECT_NE(std::string(e.what()).find("string right truncation"), std::string::npos) << e.what();
    }
    EXPECT_TRUE(Web("select 1 from qor_unidades union all select 1 from qor_endereco").empty());
}

TEST(UnitType, FollowsTheTypeListAndTheName) {
    struct Case {
        const char* tipo;
        const char* nome;
        int tipo_uni;
    };
    for (const Case& c : {Case{"CRAS", "CRAS Norte", 0}, Case{"CREAS", "CREAS", 1}, Case{"OUTRA", "Sede", 4},
                          Case{"", "Sede", 4}, Case{"cras", "Sede", 0}, Case{"XYZ", "Sede", 0},
                          Case{"CREAS", "Centro POP", 2}, Case{"OUTRA", "População de rua", 2}})
        EXPECT_EQ(TUnidade::TipoUnidade(c.tipo, c.nome), c.tipo_uni) << c.tipo << " / " << c.nome;
    EXPECT_EQ(TUnidade::Classificacao("Centro de convivência"), 1);
    EXPECT_EQ(TUnidade::Classificacao("CENTRO DE CONVIVÊNCIA"), 1);
    EXPECT_EQ(TUnidade::Classificacao("Convivencia"), 0);
}

}  // namespace
}  // namespace qor
