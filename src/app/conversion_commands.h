#pragma once
// The subcommands that work on the five databases: run, check and recover,
// each given the run's configuration file.

#include <optional>
#include <string>

#include <CLI/CLI.hpp>

namespace qor::app {

struct ConversionCommands {
    CLI::App* run = nullptr;
    CLI::App* check = nullptr;
    CLI::App* recover = nullptr;
    std::string config;
};

// Adds the subcommands to the program's command line.
void AddConversionCommands(CLI::App& AApp, ConversionCommands& ACommands);

// Runs the subcommand that was given, if it is one of these; its exit code.
std::optional<int> RunConversionCommand(const ConversionCommands& ACommands);

}  // namespace qor::app
