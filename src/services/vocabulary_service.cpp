#include "services/vocabulary_service.h"

#include <algorithm>

#include <fmt/format.h>

#include "core/dataset_factory.h"
#include "core/dataset_utils.h"
#include "core/insert_builder.h"
#include "services/count_message.h"

namespace qor {

TVocabularyService::TVocabularyService(TProviderConnection& AProvider, std::string AModule,
                                       const TVocabularyMapping& AMapping)
    : TServiceBase(AProvider, std::move(AModule)), FMapping(AMapping) {}

std::string TVocabularyService::Converter() {
    auto desktop = TDataSetFactory::GetInstance(&FProvider.ConDesktop);
    TQuery& source = desktop->OpenQuery(FMapping.source_sql);
    if (source.IsEmpty()) return FMapping.empty_message;

    auto web = TDataSetFactory::GetInstance(&FProvider.ConWeb);
    const bool keyed = FMapping.key != nullptr;
    auto insert = web->NewBatchQuery("");
    GerarInsert(*insert, FMapping.table, /*AIgnorePK=*/!keyed);

    const TField text = source.FieldByName(FMapping.source_column);
    TParam column = insert->ParamByName(FMapping.column);
    std::int64_t highest_key = 0;
    for (; !source.Eof(); source.Next()) {
        const std::size_t i = TDataSetUtils::IncArraySize(*insert, 1);
        column.SetAsString(i, text.AsString());
        if (keyed) {
            const std::int64_t id = source.FieldByName(FMapping.source_key).AsLargeInt();
            insert->ParamByName(FMapping.key).SetAsInteger(i, id);
            highest_key = std::max(highest_key, id);
        }
    }
    if (!TDataSetUtils::ExecutarArrayDML(*insert, "")) return "";
    if (keyed)
        FProvider.ConWeb.ExecSQL(fmt::format("alter table {} alter column {} restart with {}", FMapping.table,
                                             FMapping.key, highest_key));
    return MensagemConvertidos(FMapping.plural, insert->RowsAffected());
}

std::vector<TWebTarget> TVocabularyService::WebTargets() const {
    TWebTarget target{FMapping.table, {FMapping.column}};
    if (FMapping.key) target.columns.push_back(FMapping.key);
    return {target};
}

}  // namespace qor
