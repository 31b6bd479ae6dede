// The file-server database makes one folder per registration by itself, and
// numbers files from gen_gr_arquivos whether or not the caller drew the key.

#include <gtest/gtest.h>

#include "core/schema_builder.h"
#include "db/statement.h"
#include "support/test_db.h"

namespace qor {
namespace {

using test::TempDatabase;

// The registration statement the conversion runs for every owner of files.
constexpr const char* kRegisterFolder = R"(execute block (origem_cad varchar(50) = :origem_cad,
    tabela_cad varchar(50) = :tabela_cad)
returns (cod_pas bigint, cod_cad bigint)
as
begin
  insert into gr_cadastro (origem_cad, tabela_cad, sistema_cad, excluido_cad)
  values (:origem_cad, :tabela_cad, 'QOR', 'N') returning cod_cad into :cod_cad;

  select pas.cod_pas
  from gr_pastas pas
  where pas.cod_cad_pas = :cod_cad
  into :cod_pas;
  suspend;
end)";

class FileServer : public ::testing::Test {
protected:
    void SetUp() override {
        database_ = std::make_unique<TempDatabase>("fileserver");
        connection = database_->Connect();
        ApplySchema(*connection, SchemaKind::FileServer);
    }
    std::vector<std::vector<db::Value>> Rows(const std::string& sql, const std::vector<db::Value>& params = {}) {
        return db::Select(*connection, db::ParseNamedParams(sql), params).rows;
    }

    std::unique_ptr<TempDatabase> database_;
    std::unique_ptr<db::Connection> connection;
};

TEST_F(FileServer, EveryRegistrationGetsExactlyOneFolderNumberedLikeIt) {
    const char* owners[][2] = {{"2", "QOR_PESSOAS"}, {"1", "QOR_FAMILIAS"}, {"7", "QOR_ATENDIMENTOS"}};
    for (const auto& owner : owners) {
        const auto result = Rows(kRegisterFolder, {db::Value::Text(owner[0]), db::Value::Text(owner[1])});
        ASSERT_EQ(result.size(), 1u);
        EXPECT_FALSE(result[0][0].IsNull());
        EXPECT_EQ(result[0][0].AsInt64(), result[0][1].AsInt64());
    }
    EXPECT_EQ(Rows("select count(*), count(distinct cod_cad_pas) from gr_pastas")[0][1].AsInt64(), 3);
    EXPECT_EQ(Rows("select count(*) from gr_pastas pas join gr_cadastro cad on cad.cod_cad = pas.cod_cad_pas "
                   "where pas.cod_pas = cad.cod_cad")[0][0].AsInt64(),
              3);
}

TEST_F(FileServer, FileKeysComeFromOneGeneratorWhoeverDrawsThem) {
    const std::int64_t drawn = Rows("select cast(gen_id(gen_gr_arquivos, 1) as bigint) from rdb$database")[0][0].AsInt64();
    connection->ExecSQL("insert into gr_arquivos (cod_arq, cod_pas_arq, nome_arq) values (" + std::to_string(drawn) +
                        ", 1, 'Anexo_1')");
    connection->ExecSQL("insert into gr_arquivos (cod_arq, cod_pas_arq, nome_arq) values (null, 1, 'Anexo_2')");
    const auto keys = Rows("select cod_arq from gr_arquivos order by nome_arq");
    ASSERT_EQ(keys.size(), 2u);
    EXPECT_EQ(keys[0][0].AsInt64(), drawn);
    EXPECT_EQ(keys[1][0].AsInt64(), drawn + 1);
}

}  // namespace
}  // namespace qor
