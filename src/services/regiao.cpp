#include "services/regiao.h"

namespace qor {
namespace {

const TVocabularyMapping kRegioes{
    .source_sql = "select loc.id_localizacao, loc.localizacao from localizacao loc",
    .source_column = "localizacao",
    .table = "qor_regiao",
    .column = "descricao_reg",
    .plural = "Regiões",
    .empty_message = "Regiões: 0 Registro(s) Convertido(s)!",
    .source_key = "id_localizacao",
    .key = "id_reg",
};

}  // namespace

TRegiao::TRegiao(TProviderConnection& AProvider) : TVocabularyService(AProvider, "Services.Regiao", kRegioes) {}

}  // namespace qor
