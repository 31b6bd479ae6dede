#include "services/service_list.h"

namespace qor {

// The full order, each service slotted in as it is built:
//   Bairro, Logradouro, Distrito, Regiao, Unidade, Locais, Contrato, Cartorio,
//   Pessoa, Pessoas.Foto, Profissional, Domicilio, Familia, Prontuario,
//   Beneficio, Projeto, Atendimentos.Coletivo, Atendimentos.Individual,
//   Agendamento, RMA, Fluxo.Pessoa, Fluxo.Usuario.
// Each entry is a function that makes the service, for example
//   [](TProviderConnection& p) -> std::unique_ptr<TServiceBase> { return std::make_unique<TBairro>(p); }
const std::vector<TServiceFactory>& ServiceList() {
    static const std::vector<TServiceFactory> list = {};
    return list;
}

}  // namespace qor
