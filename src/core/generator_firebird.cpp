#include "core/generator_firebird.h"

#include <fmt/format.h>

#include "db/detail/text.h"
#include "db/error.h"

namespace qor {
namespace {

constexpr const char* kByColumnSQL =
    "select rdb$generator_name as generator\r\n"
    "  from rdb$relation_fields\r\n"
    " where upper(rdb$field_name) = upper(:column)\r\n"
    "   and upper(rdb$relation_name) = upper(:table)";

constexpr const char* kByTableSQL =
    "select rdb$generator_name as generator\r\n"
    "  from rdb$generators\r\n"
    " where rdb$system_flag = 0\r\n"
    "   and upper(rdb$generator_name) = upper(:gen)";

constexpr const char* kNotDefined = "O generator não está definido";

bool IsBlank(const std::string& s) { return s.find_first_not_of(' ') == std::string::npos; }

}  // namespace

TGenIdFirebird::TGenIdFirebird(db::Connection& AConnection) : FDataSet(std::make_unique<TQuery>(AConnection)) {}

const std::string& TGenIdFirebird::Bound() const {
    if (IsBlank(FGenerator)) throw db::UsageError(kNotDefined);
    return FGenerator;
}

std::string TGenIdFirebird::FoundGenerator() {
    if (FDataSet->IsEmpty()) return {};
    return FDataSet->FieldByName("generator").AsString();
}

std::int64_t TGenIdFirebird::NextValue(std::int32_t AStep) {
    const std::string& name = Bound();
    if (AStep < 1)
        throw db::UsageError(fmt::format("Passo inválido para o generator {}: {} (o mínimo é 1)", name, AStep));
    FDataSet->Open("select cast(gen_id(" + name + ", " + std::to_string(AStep) +
                   ") as bigint) as codigo from rdb$database");
    return FDataSet->FieldByName("codigo").AsLargeInt();
}

std::int64_t TGenIdFirebird::CurrentValue() {
    FDataSet->Open("select cast(gen_id(" + Bound() + ",0) as bigint) as codigo from rdb$database");
    return FDataSet->FieldByName("codigo").AsLargeInt();
}

IGenerator& TGenIdFirebird::SetGenerator(const std::string& AGenerator) {
    if (IsBlank(AGenerator)) throw db::UsageError(kNotDefined);
    FGenerator = AGenerator;
    return *this;
}

IGenerator& TGenIdFirebird::FindByTable(const std::string& ATabela) {
    FDataSet->SetSQL(kByTableSQL);
    FDataSet->ParamByName("gen").SetAsString("gen_" + db::detail::ToUpperAscii(ATabela));
    FDataSet->Open();
    const std::string found = FoundGenerator();
    if (found.empty()) throw db::UsageError("Não foi encontrado o generador através da tabela " + ATabela);
    FGenerator = found;
    return *this;
}

IGenerator& TGenIdFirebird::FindByColumn(const std::string& ATabela, const std::string& AColuna) {
    FDataSet->SetSQL(kByColumnSQL);
    FDataSet->ParamByName("column").SetAsString(AColuna);
    FDataSet->ParamByName("table").SetAsString(ATabela);
    FDataSet->Open();
    // A column that exists but is not an identity column has no generator:
    // refused here rather than failing later inside gen_id.
    const std::string found = FoundGenerator();
    if (found.empty())
        throw db::UsageError(
            fmt::format("Não foi encontrado o generador através da tabela {} e coluna {}", ATabela, AColuna));
    FGenerator = found;
    return *this;
}

void TGenIdFirebird::SetValue(std::int64_t AValue) {
    FDataSet->SetSQL("set generator " + Bound() + " to " + std::to_string(AValue));
    FDataSet->ExecSQL();
}

}  // namespace qor
