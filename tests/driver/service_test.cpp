#include <gtest/gtest.h>

#include "core/conversion_driver.h"
#include "core/service.h"

namespace qor {
namespace {

TEST(Service, DisplayNameOfEveryServiceOfTheRunList) {
    const std::pair<const char*, const char*> cases[] = {
        {"Services.Bairro", "Bairro"},
        {"Services.Logradouro", "Logradouro"},
        {"Services.Distrito", "Distrito"},
        {"Services.Regiao", "Regiao"},
        {"Services.Unidade", "Unidade"},
        {"Services.Locais", "Locais"},
        {"Services.Contrato", "Contrato"},
        {"Services.Cartorio", "Cartorio"},
        {"Services.Pessoa", "Pessoa"},
        {"Services.Pessoas.Foto", "Pessoas Foto"},
        {"Services.Profissional", "Profissional"},
        {"Services.Domicilio", "Domicilio"},
        {"Services.Familia", "Familia"},
        {"Services.Prontuario", "Prontuario"},
        {"Services.Beneficio", "Beneficio"},
        {"Services.Projeto", "Projeto"},
        {"Services.Atendimentos.Coletivo", "Atendimentos Coletivo"},
        {"Services.Atendimentos.Individual", "Atendimentos Individual"},
        {"Services.Agendamento", "Agendamento"},
        {"Services.RMA", "RMA"},
        {"Services.Fluxo.Pessoa", "Fluxo Pessoa"},
        {"Services.Fluxo.Usuario", "Fluxo Usuario"},
    };
    TProviderConnection provider;
    for (const auto& [module, name] : cases) EXPECT_EQ(TServiceBase(provider, module).GetNome(), name) << module;
}


TEST(Duration, HoursKeepCountingPastADay) {
    using std::chrono::hours, std::chrono::minutes, std::chrono::seconds;
    EXPECT_EQ(FormatarDuracao(seconds(0)), "00:00:00");
    EXPECT_EQ(FormatarDuracao(minutes(59) + seconds(59)), "00:59:59");
    EXPECT_EQ(FormatarDuracao(hours(25)), "25:00:00");
    EXPECT_EQ(FormatarDuracao(hours(100) + minutes(1) + seconds(2)), "100:01:02");
}

}  // namespace
}  // namespace qor
