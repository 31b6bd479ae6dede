#include "core/dataset_factory.h"

#include "db/error.h"

namespace qor {

std::shared_ptr<IDataSetFactory> TDataSetFactory::GetInstance(db::Connection* AFDConnection) {
    if (!AFDConnection) throw db::UsageError("Connection is not defined");
    auto factory = std::make_shared<TDataSetFactory>();
    factory->UseConnection(AFDConnection);
    return factory;
}

std::shared_ptr<IDataSetFactory> TDataSetFactory::GetInstance() { return std::make_shared<TDataSetFactory>(); }

IDataSetFactory& TDataSetFactory::UseConnection(db::Connection* AFDConnection) {
    if (AFDConnection) FConnection = AFDConnection;
    return *this;
}

db::Connection& TDataSetFactory::Bound() const {
    if (!FConnection) throw db::UsageError("Connection is not defined");
    return *FConnection;
}

TQuery& TDataSetFactory::NewQuery() {
    FItems.push_back(std::make_unique<TQuery>(Bound()));
    return *FItems.back();
}

std::unique_ptr<TQuery> TDataSetFactory::NewQuery(NotOwned) { return std::make_unique<TQuery>(Bound()); }

TQuery& TDataSetFactory::OpenQuery(const std::string& ASQL) {
    TQuery& query = NewQuery();
    query.Open(ASQL);
    return query;
}

std::unique_ptr<TQuery> TDataSetFactory::OpenQuery(const std::string& ASQL, NotOwned) {
    auto query = NewQuery(kNotOwned);
    query->Open(ASQL);
    return query;
}

std::unique_ptr<TQuery> TDataSetFactory::NewBatchQuery(const std::string& ASQL) {
    auto query = NewQuery(kNotOwned);
    query->SetCachedUpdates(true);
    query->SetSQL(ASQL);
    query->SetArraySize(0);
    return query;
}

bool TDataSetFactory::TryExecSQL(const std::string& ASQL) {
    try {
        auto query = NewQuery(kNotOwned);
        query->SetSQL(ASQL);
        query->ExecSQL();
        return true;
    } catch (...) {
        return false;
    }
}

}  // namespace qor
