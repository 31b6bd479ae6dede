#include "app/check_command.h"

#include <functional>

#include "app/config.h"
#include "app/exit_codes.h"
#include "core/carriers.h"
#include "core/dataset_factory.h"
#include "core/web_catalog.h"
#include "core/web_targets.h"
#include "services/service_list.h"

namespace qor::app {
namespace {

class Verdicts {
public:
    explicit Verdicts(std::ostream& AOut) : FOut(AOut) {}

    void Add(bool APassed, const std::string& AText) {
        FOut << (APassed ? "[ok]    " : "[FALHA] ") << AText << "\n";
        FPassed = FPassed && APassed;
    }
    // A check whose database work fails counts as failed, with the error.
    void Try(const std::string& AName, const std::function<void()>& ACheck) {
        try {
            ACheck();
        } catch (const std::exception& e) {
            Add(false, AName + ": " + e.what());
        }
    }
    bool Passed() const { return FPassed; }

private:
    std::ostream& FOut;
    bool FPassed = true;
};

std::string Join(const std::vector<std::string>& AItems) {
    std::string text;
    for (const auto& item : AItems) text += (text.empty() ? "" : ", ") + item;
    return text;
}

}  // namespace

int RunCheck(const std::string& AConfigFile, std::ostream& AOut, std::ostream& AErr) {
    RunConfig config;
    try {
        config = LoadConfig(AConfigFile);
    } catch (const std::exception& e) {
        AErr << e.what() << "\n";
        return kExitBadInput;
    }

    TProviderConnection provider;
    Verdicts verdicts(AOut);
    const std::pair<db::Connection*, const ConnectionConfig*> connections[] = {
        {&provider.ConDesktop, &config.desktop},
        {&provider.ConFotos, &config.fotos},
        {&provider.ConWeb, &config.web},
        {&provider.ConFileServer, &config.fileserver},
        {&provider.ConPapyrant, &config.papyrant},
    };
    for (const auto& [connection, settings] : connections) {
        try {
            OpenConnection(*connection, *settings);
            verdicts.Add(true, "conexão " + connection->Role() + ": " + settings->path);
        } catch (const std::exception& e) {
            verdicts.Add(false, e.what());
        }
    }
    if (!provider.ConWeb.IsOpen()) {
        verdicts.Add(false, "base web, colunas temporárias, município e tabelas não verificados: sem conexão web");
        return kExitCheckFailed;
    }

    verdicts.Try("base web em branco", [&] {
        auto factory = TDataSetFactory::GetInstance(&provider.ConWeb);
        const bool blank = factory->OpenQuery("select first 1 1 from qor_prontuario").IsEmpty();
        verdicts.Add(blank, blank ? "base web em branco (nenhum prontuário)"
                                  : "base web não está em branco: qor_prontuario tem registros");
    });
    verdicts.Try("colunas temporárias", [&] {
        const auto leftovers = LeftoverCarriers(TWebCatalog::Read(provider.ConWeb));
        verdicts.Add(leftovers.empty(), leftovers.empty() ? "nenhuma coluna temporária de conversão interrompida"
                                                          : LeftoverCarriersMessage(leftovers));
    });
    verdicts.Try("município", [&] {
        provider.OpenMunicipios();
        if (std::holds_alternative<std::monostate>(config.municipio)) {
            verdicts.Add(false, "nenhum município configurado (municipio = id_mun ou \"Nome - UF\")");
            return;
        }
        ChooseMunicipio(provider, config);
        verdicts.Add(true, "município " + std::to_string(provider.Municipio()) + ": " +
                               provider.qryConMunicipio.FieldByName("descricao_mun").AsString());
    });
    verdicts.Try("tabelas e colunas", [&] {
        const auto targets = RunWebTargets(provider, ServiceList());
        const auto missing = MissingWebTargets(TWebCatalog::Read(provider.ConWeb), targets);
        verdicts.Add(missing.empty(), missing.empty()
                                          ? "as " + std::to_string(targets.size()) +
                                                " tabelas que a conversão grava têm todas as suas colunas"
                                          : "faltam na base web: " + Join(missing));
    });
    return verdicts.Passed() ? kExitOk : kExitCheckFailed;
}

}  // namespace qor::app
