#include "services/service_list.h"

#include "services/bairro.h"
#include "services/distrito.h"
#include "services/logradouro.h"
#include "services/regiao.h"
#include "services/unidade.h"

namespace qor {
namespace {

template <typename Service>
std::unique_ptr<TServiceBase> Make(TProviderConnection& AProvider) {
    return std::make_unique<Service>(AProvider);
}

}  // namespace

// The full order, each service slotted in as it is built:
//   Bairro, Logradouro, Distrito, Regiao, Unidade, Locais, Contrato, Cartorio,
//   Pessoa, Pessoas.Foto, Profissional, Domicilio, Familia, Prontuario,
//   Beneficio, Projeto, Atendimentos.Coletivo, Atendimentos.Individual,
//   Agendamento, RMA, Fluxo.Pessoa, Fluxo.Usuario.
const std::vector<TServiceFactory>& ServiceList() {
    static const std::vector<TServiceFactory> list = {
        &Make<TBairro>, &Make<TLogradouro>, &Make<TDistrito>, &Make<TRegiao>, &Make<TUnidade>,
    };
    return list;
}

}  // namespace qor
