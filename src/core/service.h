#pragma once
// The conversion service contract. A service converts one kind of desktop
// record into the web database (and, for a few kinds, into the file-server or
// document-flow database) and reports what it did in one line of text.

#include <memory>
#include <string>
#include <vector>

#include "core/provider_connection.h"

namespace qor {

class IService {
public:
    virtual ~IService() = default;
    // Converts every record of the service's kind and returns its count
    // message; raises an error on failure.
    virtual std::string Converter() = 0;
};

// A web table and the columns a service writes into it, so that the database
// can be checked before a run.
struct TWebTarget {
    std::string table;
    std::vector<std::string> columns;
};

class TServiceBase : public IService {
public:
    // AModule is the service's module name ("Services.Bairro"). Constructing a
    // service touches no database.
    TServiceBase(TProviderConnection& AProvider, std::string AModule);

    std::string Converter() override { return {}; }

    const std::string& Modulo() const { return FModulo; }
    // Display name: "Services.Atendimentos.Coletivo" -> "Atendimentos Coletivo".
    std::string GetNome() const { return NomeDoModulo(FModulo); }
    static std::string NomeDoModulo(const std::string& AModule);

    // The web tables and columns the service writes; every service lists its own.
    virtual std::vector<TWebTarget> WebTargets() const { return {}; }

protected:
    TProviderConnection& FProvider;

private:
    std::string FModulo;
};

// Makes one service of the run list, given the provider.
using TServiceFactory = std::unique_ptr<TServiceBase> (*)(TProviderConnection&);

}  // namespace qor
