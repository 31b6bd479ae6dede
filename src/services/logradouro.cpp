#include "services/logradouro.h"

#include <fmt/format.h>

#include "core/dataset_factory.h"
#include "core/dataset_utils.h"
#include "core/insert_builder.h"
#include "core/utils.h"
#include "services/count_message.h"

namespace qor {
namespace {

constexpr const char* kLogradouros = R"(select distinct logr.id_tipo_logradouro,
logr.de_logradouro,
tpl.de_tipo_logradouro
from logradouro logr
inner join tipo_logradouro tpl on
tpl.id_tipo_logradouro = logr.id_tipo_logradouro)";

constexpr const char* kTiposLogradouro =
    "select distinct cast(null as integer) as id_tlo, tl.de_tipo_logradouro from tipo_logradouro tl";

}  // namespace

TLogradouro::TLogradouro(TProviderConnection& AProvider) : TServiceBase(AProvider, "Services.Logradouro") {}

std::string TLogradouro::Converter() {
    auto desktop = TDataSetFactory::GetInstance(&FProvider.ConDesktop);
    TQuery& streets = desktop->OpenQuery(kLogradouros);
    if (streets.IsEmpty()) return "Logradouros: 0 - Registro(s) Convertido(s)!";

    auto web = TDataSetFactory::GetInstance(&FProvider.ConWeb);
    auto street_insert = web->NewBatchQuery("");
    GerarInsert(*street_insert, "qor_logradouro", true);

    TQuery& types = desktop->OpenQuery(kTiposLogradouro);
    auto type_insert = web->NewBatchQuery("");
    GerarInsert(*type_insert, "qor_tipologradouro", false);

    // Types are numbered by their position; the number is kept in the row
    // so that each street finds its type's web id.
    for (std::int64_t position = 1; !types.Eof(); types.Next(), ++position) {
        const std::size_t i = TDataSetUtils::IncArraySize(*type_insert, 1);
        types.FieldByName("id_tlo").SetAsInteger(position);
        type_insert->ParamByName("id_tlo").SetAsInteger(i, position);
        type_insert->ParamByName("descricao_tlo").SetAsString(i, types.FieldByName("de_tipo_logradouro").AsString());
    }
    const std::size_t type_count = types.RecordCount();

    auto link = TUtils::CreateMasterDetail(streets, types, "de_tipo_logradouro", "");
    const TField street_name = streets.FieldByName("de_logradouro"), type_id = types.FieldByName("id_tlo");
    TParam p_type = street_insert->ParamByName("id_tlo_log"), p_name = street_insert->ParamByName("descricao_log");
    for (streets.First(); !streets.Eof(); streets.Next()) {
        if (types.IsEmpty()) continue;
        const std::size_t i = TDataSetUtils::IncArraySize(*street_insert, 1);
        p_type.SetAsInteger(i, type_id.AsLargeInt());
        p_name.SetAsString(i, street_name.AsString());
    }

    if (!TDataSetUtils::ExecutarArrayDML(*type_insert, "")) return "";
    TDataSetUtils::ExecutarArrayDML(*street_insert, "");
    link.reset();
    FProvider.ConWeb.ExecSQL(
        fmt::format("alter table {} alter column {} restart with {}", "qor_tipologradouro", "id_tlo", type_count));
    return MensagemConvertidos("Logradouros", street_insert->RowsAffected());
}

std::vector<TWebTarget> TLogradouro::WebTargets() const {
    return {{"qor_tipologradouro", {"id_tlo", "descricao_tlo"}}, {"qor_logradouro", {"id_tlo_log", "descricao_log"}}};
}

}  // namespace qor
