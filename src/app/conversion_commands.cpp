#include "app/conversion_commands.h"

#include <iostream>

#include "app/check_command.h"
#include "app/recover_command.h"
#include "app/run_command.h"

namespace qor::app {

void AddConversionCommands(CLI::App& AApp, ConversionCommands& ACommands) {
    ACommands.run = AApp.add_subcommand("run", "Convert the configured municipality, as the window's \"Converter\" does");
    ACommands.check = AApp.add_subcommand(
        "check", "Check the five databases and the municipality before a run; writes nothing");
    ACommands.recover = AApp.add_subcommand(
        "recover", "Drop the temporary columns left in the web database by a run that did not finish");
    for (CLI::App* command : {ACommands.run, ACommands.check, ACommands.recover})
        command->add_option("--config", ACommands.config, "TOML file with the five connections and the municipality")
            ->required();
}

std::optional<int> RunConversionCommand(const ConversionCommands& ACommands) {
    if (ACommands.run->parsed()) return RunRun(ACommands.config, std::cout, std::cerr);
    if (ACommands.check->parsed()) return RunCheck(ACommands.config, std::cout, std::cerr);
    if (ACommands.recover->parsed()) return RunRecover(ACommands.config, std::cout, std::cerr);
    return std::nullopt;
}

}  // namespace qor::app
