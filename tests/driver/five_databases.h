#pragma once
// The five databases of a run, made from the project's DDL scripts, and a
// provider attached to them.

#include <memory>
#include <string>
#include <vector>

#include "core/dataset_factory.h"
#include "core/provider_connection.h"
#include "support/schema_db.h"

namespace qor::test {

struct FiveDatabases {
    explicit FiveDatabases(const std::string& name)
        : desktop(NewSchemaDatabase(SchemaKind::Desktop, name + "-desktop")),
          fotos(NewSchemaDatabase(SchemaKind::Fotos, name + "-fotos")),
          web(NewSchemaDatabase(SchemaKind::Web, name + "-web")),
          fileserver(NewSchemaDatabase(SchemaKind::FileServer, name + "-fileserver")),
          papyrant(NewSchemaDatabase(SchemaKind::Papyrant, name + "-papyrant")) {}

    // Opens the provider's five connections and its municipality list.
    void AttachTo(TProviderConnection& provider) const {
        Attach(provider.ConDesktop, *desktop);
        Attach(provider.ConFotos, *fotos);
        Attach(provider.ConWeb, *web);
        Attach(provider.ConFileServer, *fileserver);
        Attach(provider.ConPapyrant, *papyrant);
        provider.OpenMunicipios();
    }

    std::unique_ptr<TempDatabase> desktop, fotos, web, fileserver, papyrant;
};

// Every row of a query, each value as text ("" for NULL).
inline std::vector<std::vector<std::string>> Rows(db::Connection& connection, const std::string& sql) {
    auto factory = TDataSetFactory::GetInstance(&connection);
    TQuery& q = factory->OpenQuery(sql);
    std::vector<std::vector<std::string>> rows;
    for (; !q.Eof(); q.Next()) {
        rows.emplace_back();
        for (std::size_t c = 0; c < q.FieldCount(); ++c) rows.back().push_back(q.FieldByName(q.FieldName(c)).AsString());
    }
    return rows;
}

}  // namespace qor::test
