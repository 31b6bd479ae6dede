#pragma once
// The five databases of a run, made from the project's DDL scripts, and a
// provider attached to them.

#include <memory>
#include <string>
#include <vector>

#include "core/dataset_factory.h"
#include "core/provider_connection.h"
#include "support/rows.h"
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

}  // namespace qor::test
