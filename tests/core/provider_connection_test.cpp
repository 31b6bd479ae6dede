#include <gtest/gtest.h>

#include "core/provider_connection.h"
#include "support/test_db.h"

namespace qor {
namespace {

TEST(Provider, StartsClosedWithNoMunicipalityAndDesignTimeParameters) {
    TProviderConnection p;
    EXPECT_EQ(p.Municipio(), 0);
    EXPECT_FALSE(p.ConDesktop.IsOpen());
    EXPECT_FALSE(p.qryConMunicipio.Active());
    EXPECT_EQ(p.ConDesktop.Params().Get("User_Name"), "VBLMRTQ8");
    EXPECT_EQ(p.ConWeb.Params().Get("Port"), "3056");
    EXPECT_EQ(p.ConWeb.Params().Get("CharacterSet"), "UTF8");
    EXPECT_FALSE(p.ConFotos.Params().Has("CharacterSet"));
}

TEST(Provider, MunicipalityListIsOrderedByOwnNameAndClosesWithTheWebConnection) {
    test::TempDatabase web("provider-web");
    web.Exec({"create table qor_estado (id_est integer, sigla_est varchar(2))",
              "create table qor_municipio (id_mun integer, id_est_mun integer, descricao_mun varchar(60))",
              "insert into qor_estado values (1, 'SP')", "insert into qor_estado values (2, 'AC')",
              "insert into qor_municipio values (10, 1, 'Zé Doca')",
              "insert into qor_municipio values (11, 2, 'Acrelândia')"});
    TProviderConnection p;
    const db::ConnectionParams params = web.Params();
    for (const auto& [name, value] : params.Entries()) p.ConWeb.Params().Set(name, value);
    p.ConWeb.Open();
    p.OpenMunicipios();
    ASSERT_EQ(p.qryConMunicipio.RecordCount(), 2u);
    EXPECT_EQ(p.qryConMunicipio.FieldByName("descricao_mun").AsString(), "Acrelândia - AC");
    EXPECT_EQ(p.qryConMunicipio.FieldByName("id_mun").AsInteger(), 11);
    p.CloseWeb();
    EXPECT_FALSE(p.qryConMunicipio.Active());
    EXPECT_FALSE(p.ConWeb.IsOpen());
}

}  // namespace
}  // namespace qor
