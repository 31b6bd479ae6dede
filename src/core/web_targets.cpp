#include "core/web_targets.h"

#include <algorithm>

#include "core/carriers.h"

namespace qor {

const std::vector<TWebTarget>& ScriptWebTargets() {
    static const std::vector<TWebTarget> targets = {
        {"qor_tipodespesa", {"id_tde"}},
        {"qor_demandas", {"descricao_dmd", "assunto_dmd", "ativo_dmd"}},
        {"qor_agenda", {}},
        {"qor_locais", {}},
        {"qor_pessoa", {"id_pes"}},
        {"qor_anotacao", {"id_ano", "id_ate_ano", "id_pro_ano"}},
        {"qor_atendimentos_pessoas", {"id_ate_ape", "id_pes_ape"}},
        {"qor_prontuario", {"id_pro", "id_pes_pro", "tipo_pro", "data_pro", "status_pro"}},
        {"qor_familia", {"id_fam", "data_cadastro_fam", "despesa_fam", "renda_fam", "renda_percapta"}},
        {"qor_familia_despesas", {"id_fam_fde", "valor_fde", "dta_fim_fde"}},
        {"qor_familia_pessoa", {"id_fpe", "id_fam_fpe", "id_pes_fpe", "dta_fim_fpe"}},
        {"qor_pessoa_renda", {"id_pes_pre", "valor_pre", "id_tre_pre", "dta_fim_pre"}},
        {"qor_tiporenda", {"id_tre", "computorendapercapta_tre"}},
        {"qor_prograbene_concessao", {"id_pbc", "id_fam_pbc", "id_pes_pbc"}},
        {"qor_prograbene_conce_itens", {"id_pbc_pbi", "id_pbn_pbi", "valorouqtd_pbi", "dta_fim_pbi", "status_pbi"}},
        {"qor_progra_beneficio", {"id_pbn", "computorendapercapta_pbn"}},
        {"qor_domicilio", {"id_dom", "datacadastro_dom", "tipo_dom", "tipo_moradia_dom", "inscriimobiliaria_dom"}},
        {"qor_familia_domicilio", {"id_fdm", "id_fam_fdm", "id_dom_fdm", "dta_ini_fdm"}},
        {"qor_unidades", {"sigla_uni"}},
        {"qor_profissional", {"matricula_prf"}},
    };
    return targets;
}

std::vector<TWebTarget> RunWebTargets(TProviderConnection& AProvider, const std::vector<TServiceFactory>& AServices) {
    std::vector<TWebTarget> targets = ScriptWebTargets();
    for (TServiceFactory criar : AServices)
        for (auto& target : criar(AProvider)->WebTargets()) targets.push_back(std::move(target));
    return targets;
}

std::vector<std::string> MissingWebTargets(const TWebCatalog& ACatalog, const std::vector<TWebTarget>& ATargets) {
    const auto& carriers = TemporaryCarriers();
    const auto isCarrier = [&](const std::string& table, const std::string& column) {
        return std::any_of(carriers.begin(), carriers.end(),
                           [&](const TCarrier& c) { return c.table == table && c.column == column; });
    };
    std::vector<std::string> missing;
    const auto add = [&](std::string name) {
        if (std::find(missing.begin(), missing.end(), name) == missing.end()) missing.push_back(std::move(name));
    };
    for (const auto& target : ATargets) {
        if (!ACatalog.HasTable(target.table)) {
            add(target.table);
            continue;
        }
        for (const auto& column : target.columns)
            if (!ACatalog.HasColumn(target.table, column) && !isCarrier(target.table, column))
                add(target.table + "." + column);
    }
    return missing;
}

}  // namespace qor
