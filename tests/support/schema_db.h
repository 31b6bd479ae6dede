#pragma once
// Throw-away databases filled from the project's DDL scripts.

#include <memory>
#include <string>

#include "core/provider_connection.h"
#include "core/schema_builder.h"
#include "support/test_db.h"

namespace qor::test {

// The desktop database belongs to the second user, as in the field; the
// others to SYSDBA.
std::unique_ptr<TempDatabase> NewSchemaDatabase(SchemaKind kind, const std::string& name);

// Points a provider connection at a test database and opens it.
void Attach(db::Connection& connection, const TempDatabase& database);

// Runs one service the way the driver does: inside its own web transaction.
template <typename Service>
std::string RunService(TProviderConnection& provider) {
    Service service(provider);
    provider.ConWeb.StartTransaction();
    try {
        std::string message = service.Converter();
        provider.ConWeb.Commit();
        return message;
    } catch (...) {
        provider.ConWeb.Rollback();
        throw;
    }
}

}  // namespace qor::test
