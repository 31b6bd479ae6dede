// Contracts with partner entities, the concessions made under them and the
// expense documents behind each concession.

#include <fmt/format.h>

#include "context.h"
#include "names.h"
#include "table_writer.h"

namespace qor::sample {
namespace {

// Resource origins and concession kinds as typed, with and without accents.
constexpr const char* kOrigins[] = {"Federal", "ESTADUAL", "Municipal", "Recurso Próprio", "RECURSO PROPRIO",
                                    "Emenda parlamentar"};
constexpr const char* kConcessionKinds[] = {"AUXILIO", "Auxilio", "Subvenção", "CONTRIBUIÇÃO", "Auxílio", "Termo de fomento"};
constexpr const char* kCompanies[] = {"Supermercado Confiança Ltda", "Padaria Pão Nosso ME", "Papelaria Central Ltda",
                                      "Farmácia Popular de Bauru", "Auto Posto Jaraguá", "Construtora Alvorada S/A"};

std::string DocumentNumber(Random& r) {
    switch (r.Int(1, 10)) {
        case 1: return "Recibo " + r.Digits(2, true);
        case 2: return "GUIA DARF";
        case 3: return "S/N";
        case 4: return "0";
        case 5: return "GPS 03/2024";
        case 6: return "FGTS";
        case 7: return "NF " + r.Digits(4, true);
        default: return r.Digits(6, true);
    }
}

}  // namespace

void GenerateContracts(Context& ctx) {
    Random& r = ctx.random;
    TableWriter contracts(ctx.desktop, r, "contrato",
                          {"id_contrato", "id_entidade", "id_unidade", "dt_inicio", "dt_fim", "saldo", "quota",
                           "processo"},
                          {"id_contrato"});
    TableWriter concessions(ctx.desktop, r, "concessao",
                            {"id_concessao", "id_contrato", "data", "origem_recurso", "valor", "competencia",
                             "tipo_concessao"},
                            {"id_concessao", "id_contrato"});
    TableWriter items(ctx.desktop, r, "itens",
                      {"id_item", "id_concessao", "nota_fiscal", "data_nota", "obs_nota", "empresa", "valor"},
                      {"id_item", "id_concessao"});
    int concession_id = 0, item_id = 0;
    auto add_items = [&](int concession, const db::DateTime& day) {
        for (int k = static_cast<int>(r.Int(1, 3)); k > 0; --k)
            items.Add({Int(++item_id), Int(concession), Text(DocumentNumber(r)), Date(r.Day(day, kAsOf)),
                       ctx.Maybe(Text(Note(r, 1)), 0.3), Text(r.Pick(kCompanies)), Money(r.Int(1000, 500000))});
    };
    auto add_concession = [&](int contract, const db::DateTime& day) {
        const db::DateTime paid = r.Day(day, kAsOf);
        int year, month, dd;
        paid.Decode(year, month, dd);
        concessions.Add({Int(++concession_id), Int(contract), Date(paid), Text(r.Pick(kOrigins)),
                         Money(r.Int(100000, 5000000)), Text(fmt::format("{:02}/{}", month, year)),
                         Text(r.Pick(kConcessionKinds))});
        add_items(concession_id, paid);
    };
    int contract_id = 0;
    for (int n = 0; n < ctx.size.contracts; ++n) {
        contract_id += static_cast<int>(r.Int(5, 15));
        const db::DateTime start = ctx.RecordDay();
        const db::DateTime end{start.days + 365, 0};
        const std::string process = r.Digits(3, true);
        const std::int64_t process_year = 2010 + r.Int(0, 15);
        contracts.Add({Int(contract_id),
                       Int(r.Chance(0.05) ? 999 : r.Pick(std::span<const int>(ctx.entities))),
                       Int(ctx.AnyUnit()), Date(start), Date(end), Money(r.Int(0, 2000000)), Money(r.Int(100000, 5000000)),
                       Text(fmt::format("{}/{}", process, process_year))});
        for (int k = static_cast<int>(r.Int(1, 4)); k > 0; --k) add_concession(contract_id, start);
    }
    // A concession whose contract was deleted, and an item whose concession was.
    add_concession(contract_id + 1000, kFirstRecord);
    items.Add({Int(++item_id), Int(concession_id + 1000), Text("123"), Date(kAsOf), Null(), Text(kCompanies[0]),
               Money(1000)});
    for (TableWriter* w : {&contracts, &concessions, &items}) w->Flush();
}

}  // namespace qor::sample
