#include "core/carriers.h"

#include <algorithm>
#include <iterator>

namespace qor {

const std::vector<TCarrier>& TemporaryCarriers() {
    static const std::vector<TCarrier> carriers = {
        {"qor_familia", "id_dskp", true},
        {"qor_familia", "id_prf_dskp", true},
        {"qor_progra_beneficio", "id_dskp", true},
        {"qor_agenda", "id_cnv", false},
        {"qor_locais", "id_cnv", false},
        {"qor_pessoa", "dskp_prf", true},
        {"qor_pessoa", "dskp_dt_cadastro", true},
        {"qor_pessoa", "id_pla", true},
        {"qor_pessoa", "id_dskp", true},
        {"qor_pessoa", "dskp_observacao", true},
        {"qor_pessoa", "dskp_flg_responsavel", true},
        {"qor_pessoa", "dskp_id_parentesco", true},
        {"qor_pessoa", "dskp_id_familia", true},
    };
    return carriers;
}

std::vector<TCarrier> LeftoverCarriers(const TWebCatalog& ACatalog) {
    std::vector<TCarrier> found;
    for (const auto& carrier : TemporaryCarriers())
        if (ACatalog.HasColumn(carrier.table, carrier.column)) found.push_back(carrier);
    return found;
}

std::string LeftoverCarriersMessage(const std::vector<TCarrier>& ALeftovers) {
    std::string names;
    for (const auto& carrier : ALeftovers) names += (names.empty() ? "" : ", ") + carrier.Name();
    return "A base do QOR Web ainda tem colunas temporárias de uma conversão interrompida: " + names +
           ". Enquanto nenhum prontuário tiver sido gravado, remova-as com \"qor-conversor recover --config "
           "<arquivo>\" e inicie a conversão novamente.";
}

void DropCarriers(db::Connection& AWeb, const std::vector<TCarrier>& ACarriers) {
    std::vector<std::pair<std::string, std::string>> statements;  // table, drop list
    for (const auto& carrier : ACarriers) {
        auto it = std::find_if(statements.begin(), statements.end(),
                               [&](const auto& s) { return s.first == carrier.table; });
        if (it == statements.end()) {
            statements.emplace_back(carrier.table, "");
            it = std::prev(statements.end());
        }
        it->second += (it->second.empty() ? "drop " : ", drop ") + carrier.column;
    }
    for (const auto& [table, drops] : statements) AWeb.ExecSQL("alter table " + table + " " + drops);
}

}  // namespace qor
