#pragma once
// Every query of the conversion is made through a factory bound to one
// connection. Owned queries live as long as the factory; queries made with
// kNotOwned belong to the caller.

#include <memory>
#include <string>
#include <vector>

#include "core/query.h"

namespace qor {

struct NotOwned {};
inline constexpr NotOwned kNotOwned{};

class IDataSetFactory {
public:
    virtual ~IDataSetFactory() = default;

    // Binds the connection when one is given; returns the factory itself.
    virtual IDataSetFactory& UseConnection(db::Connection* AFDConnection) = 0;
    virtual db::Connection* GetConnection() const = 0;
    // A new, closed query; owned by the factory or by the caller.
    virtual TQuery& NewQuery() = 0;
    virtual std::unique_ptr<TQuery> NewQuery(NotOwned) = 0;
    // A new query opened on the statement (parameters NULL), on its first row.
    virtual TQuery& OpenQuery(const std::string& ASQL) = 0;
    virtual std::unique_ptr<TQuery> OpenQuery(const std::string& ASQL, NotOwned) = 0;
    // A closed batch statement (cached updates, batch size 0), caller-owned.
    virtual std::unique_ptr<TQuery> NewBatchQuery(const std::string& ASQL) = 0;
    // Runs a statement; true on success, false on any error.
    virtual bool TryExecSQL(const std::string& ASQL) = 0;
};

class TDataSetFactory final : public IDataSetFactory {
public:
    // Raises "Connection is not defined" when no connection is given.
    static std::shared_ptr<IDataSetFactory> GetInstance(db::Connection* AFDConnection);
    // A factory with no connection yet.
    static std::shared_ptr<IDataSetFactory> GetInstance();

    IDataSetFactory& UseConnection(db::Connection* AFDConnection) override;
    db::Connection* GetConnection() const override { return FConnection; }
    TQuery& NewQuery() override;
    std::unique_ptr<TQuery> NewQuery(NotOwned) override;
    TQuery& OpenQuery(const std::string& ASQL) override;
    std::unique_ptr<TQuery> OpenQuery(const std::string& ASQL, NotOwned) override;
    std::unique_ptr<TQuery> NewBatchQuery(const std::string& ASQL) override;
    bool TryExecSQL(const std::string& ASQL) override;

private:
    db::Connection& Bound() const;

    db::Connection* FConnection = nullptr;
    std::vector<std::unique_ptr<TQuery>> FItems;
};

}  // namespace qor
