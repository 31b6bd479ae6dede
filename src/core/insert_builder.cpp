#include "core/insert_builder.h"

#include <fmt/format.h>

#include "db/error.h"

namespace qor {
namespace {

// The catalogue lists the table's columns; !ignore_pk is replaced before
// the block is sent.
constexpr const char* kCatalogueBlock =
    "execute block (p_tabela varchar(50) = :tabela)\r\n"
    "returns (p_script blob sub_type text) as\r\n"
    "declare variable fields blob sub_type text;\r\n"
    "declare variable params blob sub_type text;\r\n"
    "begin\r\n"
    "for select list(trim(rdb$field_name), ', ') , list(trim(':' || rdb$field_name), ', ')\r\n"
    "from rdb$relation_fields rdb\r\n"
    "where rdb$relation_name = upper(:p_tabela) !ignore_pk\r\n"
    "into :fields, :params do\r\n"
    "p_script =  'INSERT INTO ' || :p_tabela || ' ('  || :fields || ') VALUES (' || :params || ')';\r\n"
    "suspend;\r\n"
    "end;";

constexpr std::string_view kIgnorePkPlaceholder = "!ignore_pk";
constexpr std::size_t kMaxTableName = 50;  // the block's p_tabela

std::string CatalogueBlock(bool ignore_pk) {
    std::string sql = kCatalogueBlock;
    sql.replace(sql.find(kIgnorePkPlaceholder), kIgnorePkPlaceholder.size(),
                ignore_pk ? " and rdb$generator_name is null" : "");
    return sql;
}

[[noreturn]] void NoColumns(const std::string& table) {
    throw db::UsageError(
        fmt::format("A tabela \"{}\" não existe no banco de dados de destino ou não tem coluna para inserir", table));
}

}  // namespace

TQuery& GerarInsert(TQuery& AQuery, const std::string& ATabela, bool AIgnorePK) {
    if (ATabela.size() > kMaxTableName) NoColumns(ATabela);
    AQuery.SetSQL(CatalogueBlock(AIgnorePK));
    AQuery.ParamByName("tabela").SetAsString(ATabela);
    AQuery.Open();
    // A table without columns in the catalogue (one that does not exist)
    // gives a NULL script; an empty statement would only fail later, at
    // the first parameter a service sets.
    const std::string script = AQuery.IsEmpty() ? std::string() : AQuery.FieldByName("p_script").AsString();
    if (script.empty()) NoColumns(ATabela);
    AQuery.SetSQL(script);  // closes the query and leaves the batch at size 0
    return AQuery;
}

}  // namespace qor
