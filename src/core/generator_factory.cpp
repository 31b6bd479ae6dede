#include "core/generator_factory.h"

#include <fmt/format.h>

#include "core/generator_firebird.h"
#include "db/error.h"

namespace qor {
namespace {

std::string Trimmed(const std::string& s) {
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

}  // namespace

std::shared_ptr<IGeneratorFactory> TGenIdFactory::GetInstance(db::Connection* AConnection) {
    if (!AConnection) throw db::UsageError("A conexão não está definida");
    // The connection names its driver in DriverID; the database layer speaks
    // only Firebird, which is therefore the actual driver when none is named.
    const std::string driver = Trimmed(AConnection->Params().Get("DriverID").value_or(""));
    if (driver.empty() || driver == "FB")
        return std::make_shared<TGenIdFactory>(std::make_shared<TGenIdFirebird>(*AConnection));
    if (driver == "PG")
        throw db::UsageError(fmt::format(
            "A conexão {} é PostgreSQL: generators do PostgreSQL não estão disponíveis nesta versão",
            AConnection->Role()));
    throw db::UsageError(fmt::format(
        "A conexão {} usa o driver \"{}\", que não tem generator: são aceitos apenas Firebird (FB) e PostgreSQL (PG)",
        AConnection->Role(), driver));
}

std::shared_ptr<IGenerator> TGenIdFactory::SetGenerator(const std::string& AGenerator) {
    FGenerator->SetGenerator(AGenerator);
    return FGenerator;
}

std::shared_ptr<IGenerator> TGenIdFactory::FindByColumn(const std::string& ATabela, const std::string& AColuna) {
    FGenerator->FindByColumn(ATabela, AColuna);
    return FGenerator;
}

std::shared_ptr<IGenerator> TGenIdFactory::FindByTable(const std::string& ATabela) {
    FGenerator->FindByTable(ATabela);
    return FGenerator;
}

}  // namespace qor
