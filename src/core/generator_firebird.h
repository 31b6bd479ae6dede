#pragma once
// Generators of a Firebird database, advanced with gen_id. Advancing takes
// effect at once and is never undone by a rollback.

#include <memory>
#include <string>

#include "core/generator.h"
#include "core/query.h"

namespace qor {

class TGenIdFirebird final : public IGenerator {
public:
    explicit TGenIdFirebird(db::Connection& AConnection);

    std::int64_t NextValue(std::int32_t AStep) override;
    std::int64_t CurrentValue() override;
    // Raises "O generator não está definido" for an empty or blank name.
    IGenerator& SetGenerator(const std::string& AGenerator) override;
    // The generator "gen_<TABLE>".
    IGenerator& FindByTable(const std::string& ATabela) override;
    // The generator behind an identity column; raises when the column does
    // not exist or is not an identity column.
    IGenerator& FindByColumn(const std::string& ATabela, const std::string& AColuna) override;
    void SetValue(std::int64_t AValue) override;

private:
    // The bound name; raises when none is bound yet.
    const std::string& Bound() const;
    // The catalogue's name from the first row of FDataSet, or "" when none.
    std::string FoundGenerator();

    std::unique_ptr<TQuery> FDataSet;  // reused for every statement
    std::string FGenerator;
};

}  // namespace qor
