#include "services/bairro.h"

namespace qor {
namespace {

const TVocabularyMapping kBairros{
    .source_sql = "select distinct bai.descricao from bairro bai",
    .source_column = "descricao",
    .table = "qor_bairro",
    .column = "descricao_bai",
    .plural = "Bairros",
    .empty_message = "Bairros: 0 - Registro(s) Convertido(s)!",
};

}  // namespace

TBairro::TBairro(TProviderConnection& AProvider) : TVocabularyService(AProvider, "Services.Bairro", kBairros) {}

}  // namespace qor
