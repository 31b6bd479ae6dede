#include "services/distrito.h"

namespace qor {
namespace {

const TVocabularyMapping kDistritos{
    .source_sql = "select dis.distrito from distrito dis",
    .source_column = "distrito",
    .table = "qor_distrito",
    .column = "descricao_dis",
    .plural = "Distritos",
    .empty_message = "Distritos: 0 - Registro(s) Convertido(s)!",
};

}  // namespace

TDistrito::TDistrito(TProviderConnection& AProvider)
    : TVocabularyService(AProvider, "Services.Distrito", kDistritos) {}

}  // namespace qor
