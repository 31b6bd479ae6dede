#include "app/recover_command.h"

#include "app/config.h"
#include "app/exit_codes.h"
#include "core/carriers.h"
#include "core/dataset_factory.h"
#include "core/web_catalog.h"

namespace qor::app {

int RunRecover(const std::string& AConfigFile, std::ostream& AOut, std::ostream& AErr) {
    try {
        const RunConfig config = LoadConfig(AConfigFile);
        TProviderConnection provider;
        db::Connection& web = provider.ConWeb;
        OpenConnection(web, config.web);

        auto factory = TDataSetFactory::GetInstance(&web);
        if (!factory->OpenQuery("select first 1 1 from qor_prontuario").IsEmpty()) {
            AErr << "A base do QOR Web já tem prontuários gravados: a conversão passou dos prontuários e não "
                    "pode ser recuperada removendo as colunas temporárias.\n";
            return kExitRefused;
        }
        const auto leftovers = LeftoverCarriers(TWebCatalog::Read(web));
        if (leftovers.empty()) {
            AOut << "Nenhuma coluna temporária encontrada na base do QOR Web.\n";
            return kExitOk;
        }
        DropCarriers(web, leftovers);
        for (const auto& carrier : leftovers) AOut << "Removida: " << carrier.Name() << "\n";
        return kExitOk;
    } catch (const std::exception& e) {
        AErr << e.what() << "\n";
        return kExitBadInput;
    }
}

}  // namespace qor::app
