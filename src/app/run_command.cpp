#include "app/run_command.h"

#include <unistd.h>

#include "app/config.h"
#include "app/console_run_log.h"
#include "app/exit_codes.h"
#include "core/conversion_driver.h"

namespace qor::app {

int RunRun(const std::string& AConfigFile, std::ostream& AOut, std::ostream& AErr) {
    TProviderConnection provider;
    try {
        const RunConfig config = LoadConfig(AConfigFile);
        OpenAll(provider, config);
        ChooseMunicipio(provider, config);
    } catch (const std::exception& e) {
        AErr << e.what() << "\n";
        return kExitBadInput;
    }

    TRunReport report;
    {
        ConsoleRunLog log(AOut, ::isatty(STDOUT_FILENO) == 1);
        TConversionDriver driver(provider, log);
        try {
            if (driver.Start() != TStartResult::Started) return kExitRefused;
        } catch (const std::exception& e) {
            // The start check could not even read the web database.
            AErr << e.what() << "\n";
            return kExitRefused;
        }
        report = driver.Wait();
    }
    if (report.falhaRegistro)
        AErr << "O registro da conversão não foi gravado: " << *report.falhaRegistro << "\n";
    else
        AErr << "Registro da conversão: " << report.registro.string() << "\n";

    switch (report.resultado) {
        case TRunOutcome::Clean: return kExitOk;
        case TRunOutcome::ServiceFailed: return kExitServiceFailed;
        case TRunOutcome::ScriptFailed: return kExitScriptFailed;
    }
    return kExitScriptFailed;
}

}  // namespace qor::app
