#pragma once
// Identifier generators: services that must know a row's identifier before
// inserting it reserve a block from the database's own generator
// (sequence) in one step and hand out the block themselves.

#include <cstdint>
#include <memory>
#include <string>

namespace qor {

// One named generator of one connection. The find and set operations bind
// the object to a generator and return the object itself.
class IGenerator {
public:
    virtual ~IGenerator() = default;

    // Advances the generator by AStep (at least 1) and returns its new
    // value: the reserved block is value - AStep + 1 .. value.
    virtual std::int64_t NextValue(std::int32_t AStep) = 0;
    virtual std::int64_t CurrentValue() = 0;
    virtual IGenerator& SetGenerator(const std::string& AGenerator) = 0;
    virtual IGenerator& FindByTable(const std::string& ATabela) = 0;
    virtual IGenerator& FindByColumn(const std::string& ATabela, const std::string& AColuna) = 0;
    virtual void SetValue(std::int64_t AValue) = 0;
};

// Makes the generator object that fits the connection's database kind and
// binds it. Each operation returns that object, which stays usable after
// the factory is released.
class IGeneratorFactory {
public:
    virtual ~IGeneratorFactory() = default;

    virtual std::shared_ptr<IGenerator> GetGenerator() = 0;
    virtual std::shared_ptr<IGenerator> SetGenerator(const std::string& AGenerator) = 0;
    virtual std::shared_ptr<IGenerator> FindByColumn(const std::string& ATabela, const std::string& AColuna) = 0;
    virtual std::shared_ptr<IGenerator> FindByTable(const std::string& ATabela) = 0;
};

}  // namespace qor
