#pragma once
// Picks the generator variant for a connection's database kind.

#include <memory>

#include "core/generator.h"
#include "db/connection.h"

namespace qor {

class TGenIdFactory final : public IGeneratorFactory {
public:
    // Raises "A conexão não está definida" without a connection, and a
    // clear error for a database kind that has no generator variant here.
    static std::shared_ptr<IGeneratorFactory> GetInstance(db::Connection* AConnection);

    std::shared_ptr<IGenerator> GetGenerator() override { return FGenerator; }
    std::shared_ptr<IGenerator> SetGenerator(const std::string& AGenerator) override;
    std::shared_ptr<IGenerator> FindByColumn(const std::string& ATabela, const std::string& AColuna) override;
    std::shared_ptr<IGenerator> FindByTable(const std::string& ATabela) override;

    explicit TGenIdFactory(std::shared_ptr<IGenerator> AGenerator) : FGenerator(std::move(AGenerator)) {}

private:
    std::shared_ptr<IGenerator> FGenerator;
};

}  // namespace qor
