#include "services/unidade.h"

#include <fmt/format.h>

#include "core/dataset_factory.h"
#include "core/dataset_utils.h"
#include "core/insert_builder.h"
#include "core/utils.h"
#include "services/count_message.h"
#include "services/endereco.h"
#include "text/string_utils.h"

namespace qor {
namespace {

constexpr const char* kUnidades = R"(  select uni.id_unidade, uni.nome, uni.endereco, uni.complemento, uni.bairro,
         uni.telefone, uni.flag_prontuario, uni.responsavel, uni.cep,
         uni.email_unidade, uni.tipo, uni.n_identificador, uni.brasao, uni.cnpj,
         uni.id_municipio, uni.flag_ativa
  from unidade uni)";

constexpr const char* kEnderecos = R"(  select uni.id_unidade, uni.id_municipio as cd_municipio, uni.endereco, uni.complemento, uni.bairro, uni.cep,
         uni.n_identificador,
         cast(null as varchar(1)) as numero, cast(0 as integer) as latitude, cast(0 as integer) as longitude,
         cast(null as varchar(1)) as referencia, cast(null as integer) as id_localizacao,
         cast(null as varchar(1)) as de_logradouro, uni.bairro as desc_bairro,
         cast(null as varchar(1)) as distrito, cast(null as integer) as id_enr
  from unidade uni)";

constexpr int kContatoTelefone = 1;
constexpr int kContatoEmail = 2;

bool ContainsIgnoringCase(const std::string& AText, const std::string& AWord) {
    return TStringUtils::LowerCase(AText).find(TStringUtils::LowerCase(AWord)) != std::string::npos;
}

}  // namespace

TUnidade::TUnidade(TProviderConnection& AProvider) : TServiceBase(AProvider, "Services.Unidade") {}

int TUnidade::TipoUnidade(const std::string& ATipo, const std::string& ANome) {
    if (ContainsIgnoringCase(ANome, "Pop")) return 2;
    if (ATipo == "CREAS") return 1;
    if (ATipo == "OUTRA" || ATipo.empty()) return 4;
    return 0;  // "CRAS", and any type the list does not know
}

int TUnidade::Classificacao(const std::string& ANome) { return ContainsIgnoringCase(ANome, "Convivência") ? 1 : 0; }

std::string TUnidade::Converter() {
    auto desktop = TDataSetFactory::GetInstance(&FProvider.ConDesktop);
    TQuery& unidades = desktop->OpenQuery(kUnidades);
    if (unidades.IsEmpty()) return "Unidades: 0 Registro(s) Convertido(s)!";

    auto web = TDataSetFactory::GetInstance(&FProvider.ConWeb);
    auto unidade_insert = web->NewBatchQuery("");
    GerarInsert(*unidade_insert, "qor_unidades", false);
    auto contato_insert = web->NewBatchQuery("");
    GerarInsert(*contato_insert, "qor_unidades_contato", true);
    auto endereco_insert = web->NewBatchQuery("");
    GerarInsert(*endereco_insert, "qor_endereco", false);

    TQuery& enderecos = desktop->OpenQuery(kEnderecos);
    TEndereco(FProvider).Converter(*endereco_insert, enderecos);
    auto link = TUtils::CreateMasterDetail(unidades, enderecos, "id_unidade", "");

    const TField id_unidade = unidades.FieldByName("id_unidade"), nome = unidades.FieldByName("nome"),
                 telefone = unidades.FieldByName("telefone"), email = unidades.FieldByName("email_unidade"),
                 tipo = unidades.FieldByName("tipo"), n_identificador = unidades.FieldByName("n_identificador"),
                 flag_ativa = unidades.FieldByName("flag_ativa");
    auto queue_contato = [&](std::int64_t id_uni, int tipo_contato, const std::string& contato) {
        const std::size_t c = TDataSetUtils::IncArraySize(*contato_insert, 1);
        contato_insert->ParamByName("id_uni_uco").SetAsInteger(c, id_uni);
        contato_insert->ParamByName("id_tco_uco").SetAsInteger(c, tipo_contato);
        contato_insert->ParamByName("contato_uco").SetAsString(c, contato);
    };

    std::int64_t position = 1;
    for (unidades.First(); !unidades.Eof(); unidades.Next(), ++position) {
        const std::size_t i = TDataSetUtils::IncArraySize(*unidade_insert, 1);
        auto param = [&](const char* name) { return unidade_insert->ParamByName(name); };
        const std::string nome_unidade = nome.AsString();
        param("id_uni").SetAsInteger(i, position);
        param("nome_uni").SetAsString(i, nome_unidade);
        param("sigla_uni").SetAsString(i, id_unidade.AsString());
        param("ativo_uni").SetAsString(i, flag_ativa.AsString().empty() ? "S" : flag_ativa.AsString());
        param("atende_fds_uni").SetAsString(i, "S");
        param("intervalo_agd_uni").SetAsInteger(i, 5);
        if (!n_identificador.IsNull()) param("nro_identificador_uni").SetAsString(i, n_identificador.AsString());
        if (!enderecos.IsEmpty()) param("id_enr_uni").SetAsInteger(i, enderecos.FieldByName("id_enr").AsLargeInt());
        param("tipo_uni").SetAsInteger(i, TipoUnidade(tipo.AsString(), nome_unidade));
        param("classifica_uni").SetAsInteger(i, Classificacao(nome_unidade));

        if (const std::string digitos = TStringUtils::ExtractNumber(telefone.AsString()); !digitos.empty())
            queue_contato(position, kContatoTelefone, digitos);
        if (const std::string e = email.AsString(); !e.empty()) queue_contato(position, kContatoEmail, e);
    }

    if (!TDataSetUtils::ExecutarArrayDML(*endereco_insert, "")) return "";
    TDataSetUtils::ExecutarArrayDML({unidade_insert.get(), contato_insert.get()});
    link.reset();
    FProvider.ConWeb.ExecSQL(fmt::format("alter table {} alter column {} restart with {}", "qor_unidades", "id_uni",
                                         unidades.RecordCount()));
    return MensagemConvertidos("Unidades", unidade_insert->RowsAffected());
}

std::vector<TWebTarget> TUnidade::WebTargets() const {
    return {{"qor_unidades",
             {"id_uni", "nome_uni", "sigla_uni", "ativo_uni", "tipo_uni", "classifica_uni", "atende_fds_uni",
              "intervalo_agd_uni", "nro_identificador_uni", "id_enr_uni"}},
            {"qor_unidades_contato", {"id_uni_uco", "id_tco_uco", "contato_uco"}},
            {"qor_endereco", TEndereco::Colunas()}};
}

}  // namespace qor
