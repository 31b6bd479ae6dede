// qor-conversor: the conversion's command line. Without a subcommand it
// opens the window (when built with one).

#include <cstdlib>
#include <iostream>

#include <CLI/CLI.hpp>

#include "app/conversion_commands.h"
#include "app/phonetic_command.h"
#include "app/probe_command.h"
#ifdef QOR_WITH_GUI
#include "gui/window_program.h"
#endif

int main(int argc, char** argv) {
#ifdef QOR_WITH_GUI
    // No subcommand: the start-up update, then the wizard. The subcommands
    // stay headless and never ask the update service.
    if (argc == 1) return qor::gui::RunWindowProgram(argc, argv);
#endif
    CLI::App app{"qor-conversor: converts a QOR Desktop municipality into QOR Web"};
    app.require_subcommand(0, 1);

    auto* probe = app.add_subcommand(
        "probe", "Attach to the test server named by QOR_FB_HOST/QOR_FB_PORT and report its version");

    auto* phonetic = app.add_subcommand(
        "phonetic", "Read names from standard input, one per line, and print name, phonetic text and codes");

    qor::app::ConversionCommands conversion;
    qor::app::AddConversionCommands(app, conversion);

    CLI11_PARSE(app, argc, argv);

    if (auto code = qor::app::RunConversionCommand(conversion)) return *code;

    if (phonetic->parsed()) {
        std::ios::sync_with_stdio(false);
        return qor::app::RunPhoneticCommand(std::cin, std::cout);
    }
    if (probe->parsed()) return qor::app::RunProbe(std::cout, std::cerr);
    std::cout << app.help();
    return 0;
}
