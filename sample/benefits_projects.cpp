// Benefits and their grants; projects and their participants.

#include <fmt/format.h>

#include "context.h"
#include "names.h"
#include "table_writer.h"

namespace qor::sample {
namespace {

struct BenefitKind {
    int id;
    const char* name;
    std::int64_t cents;  // 0: no set value
    const char* kind;    // "FAMILIAR" and the like, nullptr for none
    int suas;            // 1 PAIF, 2 PAEFI, 0 none
    const char* active;  // nullptr for NULL
};

constexpr BenefitKind kBenefits[] = {
    {2, "Cesta Básica", 15000, "FAMILIAR", 1, "S"},
    {3, "Auxílio Funeral", 120000, "FAMILIAR", 2, "S"},
    {5, "Auxílio Natalidade", 50000, "INDIVIDUAL", 1, "S"},
    {7, "Passagem Rodoviária", 0, "INDIVIDUAL", 0, "S"},
    {9, "Aluguel Social", 50000, "familiar", 2, "S"},
    {11, "Kit Enxoval", 20000, "INDIVIDUAL", 1, "N"},
    {12, "Fotografia 3x4", 1500, nullptr, 0, nullptr},
    {15, "Segunda Via de Documentos", 3000, "INDIVIDUAL", 1, "S"},
    {18, "Cobertor", 4000, "FAMILIAR", 1, "S"},
    {21, "Leite Especial", 9000, "INDIVIDUAL", 3, "S"},
};

struct ProjectKind {
    const char* name;
    const char* sphere;  // nullptr for NULL
    int suas;
    const char* familiar;
    const char* exclusive;
    const char* responsible;
    const char* school;
    const char* sex;
    const char* income_basis;
    int age_from, age_to;      // -1: NULL
    std::int64_t income_to;    // cents, -1: NULL
    int places;                // -1: NULL
    int validity_days;         // -1: NULL
    int benefit;               // 0: NULL
};

constexpr ProjectKind kProjects[] = {
    {"PAIF - Acompanhamento Familiar", "MUNICIPAL", 1, "S", "N", "N", "N", nullptr, "F", -1, -1, -1, 200, 365, 0},
    {"PAEFI - Acompanhamento Especializado", "Municipal", 2, "S", "N", "N", "N", nullptr, nullptr, -1, -1, -1, 60, -1, 0},
    {"Serviço de Convivência - Idosos", "MUNICIPAL", 0, "N", "S", "N", "N", nullptr, nullptr, 60, -1, -1, 80, 365, 0},
    {"Programa Renda Cidadã", "ESTADUAL", 0, "S", "N", "S", "N", nullptr, "F", -1, -1, 17800, 120, 730, 9},
    {"Ação Jovem", "Estadual", 0, "N", "N", "N", "S", nullptr, "P", 15, 24, -1, 40, 365, 0},
    {"Bolsa Família", "FEDERAL", 0, "S", "N", "S", "N", "F", "C", -1, -1, 21800, -1, -1, 2},
    {"Curso de Corte e Costura", "", 0, "N", "N", "N", "N", "F", nullptr, 16, -1, -1, 0, 90, 0},
    {"Horta Comunitária", nullptr, 0, nullptr, nullptr, nullptr, nullptr, "f", nullptr, -1, -1, -1, -1, -1, 999},
};

db::Value OptionalText(const char* text) { return text ? Text(text) : Null(); }
db::Value OptionalInt(std::int64_t value) { return value < 0 ? Null() : Int(value); }

void Benefits(Context& ctx) {
    TableWriter writer(ctx.desktop, ctx.random, "beneficio",
                       {"id_beneficio", "descricao", "valor_beneficio", "observacao", "prazo", "tipo", "proxima",
                        "status_proxima", "flag_exige_complemento", "qtd_beneficio", "id_beneficio_grupo", "flag_ativo",
                        "id_variavel_preco", "tipo_suas"},
                       {"id_beneficio", "descricao", "tipo", "flag_ativo", "tipo_suas", "observacao"});
    for (const BenefitKind& b : kBenefits) {
        const db::Value note = b.id % 2 ? Text(LongNote(ctx.random)) : b.id == 12 ? Null() : Text(Note(ctx.random));
        writer.Add({Int(b.id), Text(b.name), b.cents ? Money(b.cents) : Null(), note, Int(ctx.random.Int(0, 60)),
                    OptionalText(b.kind), Int(ctx.random.Int(0, 3)), Int(ctx.random.Int(0, 1)), Flag(ctx.random, 0.2),
                    Money(ctx.random.Int(1, 5) * 100), Int(ctx.random.Int(1, 3)), OptionalText(b.active),
                    Int(ctx.random.Int(1, 4)), b.suas ? Int(b.suas) : Null()});
        ctx.benefits.push_back(b.id);
    }
    writer.Flush();
}

void Grants(Context& ctx) {
    Random& r = ctx.random;
    TableWriter writer(
        ctx.desktop, r, "beneficio_pessoa",
        {"id", "id_beneficio", "id_pessoa", "dt_recebeu", "valor", "id_profissional", "id_convenio", "id_status",
         "id_requerimento", "id_ponto", "quantidade", "valor_unitario", "id_unidade", "id_atendimento", "complemento",
         "renda_pessoa", "renda_familia", "renda_percapita_familia", "dt_alterou_status", "id_projeto", "dt_cadastro",
         "dt_solicitacao", "hora", "origem_solicitacao", "id_municipio_origem", "id_municipio_destino",
         "tipo_passagem", "flag_bloqueado", "usuario_bloqueou", "usuario", "id_unidade_sol", "alerta_status",
         "observacao", "parecer"},
        {"id", "id_beneficio", "id_pessoa", "valor", "quantidade"});
    for (int id = 1; id <= ctx.size.grants; ++id) {
        const int benefit = r.Chance(0.005) ? 999 : r.Pick(std::span<const int>(ctx.benefits));
        const int person = r.Chance(0.01) ? 9999999 : ctx.AnyPerson();
        const db::DateTime asked = ctx.RecordDay();
        const db::DateTime asked_at = asked + r.Hour();
        const db::DateTime received = r.Day(asked, std::min(kAsOf, db::DateTime{asked.days + 30, 0}));
        const int value_roll = static_cast<int>(r.Int(1, 100));
        const db::Value value = value_roll <= 10 ? Null() : Money(r.Int(1500, 120000));
        const db::Value quantity = value_roll <= 2 ? Null() : Money(r.Int(1, 4) * 100);
        const db::Value professional = r.Chance(0.15) ? Null() : r.Chance(0.02) ? Int(99999) : Int(ctx.AnyProfessional());
        const db::Value unit = r.Chance(0.02) ? Int(999) : Int(r.Chance(0.8) ? r.Pick(std::span<const int>(ctx.cras_units))
                                                                            : ctx.AnyUnit());
        const bool ticket = benefit == 7;
        writer.Add({Int(id), Int(benefit), Int(person), Date(received), value, professional, ctx.Maybe(Int(r.Int(1, 5)), 0.7),
                    Int(r.Pick(std::span<const int>(ctx.grant_statuses))), ctx.Maybe(Int(r.Int(1, 9999)), 0.6),
                    ctx.Maybe(Int(r.Int(1, 20)), 0.7), quantity, ctx.Maybe(Money(r.Int(1500, 15000)), 0.5), unit, Null(),
                    ctx.Maybe(Text("Entrega no domicílio"), 0.9), Money(r.Int(0, 200000)), Money(r.Int(0, 400000)),
                    Money(r.Int(0, 100000)), ctx.Maybe(Date(r.Day(asked, kAsOf)), 0.5), Null(), Date(asked),
                    Stamp(asked_at), Time(db::DateTime{0, asked_at.ticks}),
                    ctx.Maybe(Text(r.Chance(0.5) ? "Balcão" : "Visita domiciliar"), 0.3),
                    ticket ? Int(kHomeMunicipality) : Null(), ticket ? Int(r.Pick(kOtherMunicipalities)) : Null(),
                    ticket ? Text(r.Chance(0.5) ? "IDA" : "IDA E VOLTA") : Null(), Flag(r, 0.05),
                    ctx.Maybe(Text("admin"), 0.95), Text("usuario" + r.Digits(2)), ctx.Maybe(Int(ctx.AnyUnit()), 0.7),
                    ctx.Maybe(Text("S"), 0.9), ctx.Maybe(Text(Note(r, 2)), 0.3), ctx.Maybe(Text(Note(r, 2)), 0.4)});
    }
    writer.Flush();
}

void Projects(Context& ctx, std::vector<int>& project_ids, std::vector<int>& project_suas) {
    Random& r = ctx.random;
    TableWriter writer(ctx.desktop, r, "projeto",
                       {"id_projeto", "projeto", "descricao", "idade_de", "idade_ate", "flag_exclusivo",
                        "flag_responsavel", "tipo", "renda_de", "renda_ate", "flag_considerar_renda", "flag_familiar",
                        "flag_sexo", "flag_freq_escolar", "id_beneficio", "n_participantes", "dias_vigencia",
                        "tipo_suas", "idade_m_de", "idade_m_ate", "flag_gerar_remessa"},
                       {"id_projeto", "projeto", "tipo", "tipo_suas", "flag_familiar", "flag_exclusivo",
                        "flag_responsavel", "flag_freq_escolar", "flag_sexo", "flag_considerar_renda", "idade_de",
                        "idade_ate", "renda_ate", "n_participantes", "dias_vigencia", "id_beneficio"});
    int id = 0;
    for (int n = 0; n < ctx.size.projects; ++n) {
        const ProjectKind& p = kProjects[static_cast<std::size_t>(n) % std::size(kProjects)];
        id += r.Chance(0.2) ? 2 : 1;
        const std::string name = n < static_cast<int>(std::size(kProjects)) ? std::string(p.name)
                                                                             : fmt::format("{} - Turma {}", p.name, n);
        writer.Add({Int(id), Text(name), Text(LongNote(r)), OptionalInt(p.age_from), OptionalInt(p.age_to),
                    OptionalText(p.exclusive), OptionalText(p.responsible), OptionalText(p.sphere),
                    Money(p.income_to < 0 ? 0 : r.Int(0, 5000)), p.income_to < 0 ? Null() : Money(p.income_to),
                    OptionalText(p.income_basis), OptionalText(p.familiar), OptionalText(p.sex), OptionalText(p.school),
                    p.benefit ? Int(p.benefit) : Null(), OptionalInt(p.places), OptionalInt(p.validity_days),
                    p.suas ? Int(p.suas) : Null(), ctx.Maybe(Int(r.Int(0, 5)), 0.8), ctx.Maybe(Int(r.Int(6, 11)), 0.8),
                    Flag(r, 0.1)});
        project_ids.push_back(id);
        project_suas.push_back(p.suas);
    }
    writer.Flush();
}

void Participations(Context& ctx, const std::vector<int>& project_ids, const std::vector<int>& project_suas) {
    Random& r = ctx.random;
    TableWriter writer(ctx.desktop, r, "projeto_familia_pessoa",
                       {"id_projeto", "id_pessoa", "dt_inicio", "dt_fim", "valor_projeto", "flag_espera",
                        "data_espera", "hora_espera", "id_unidade", "id_atendimento", "observacao", "obs_geral",
                        "id_ponto", "dt_ult_revisao", "dt_prox_revisao", "num_insc_espera",
                        "id_situacao_lista_espera", "observacao_espera"},
                       {"id_projeto", "id_pessoa", "id_unidade", "flag_espera"});
    for (int n = 0; n < ctx.size.participations; ++n) {
        const std::size_t k = static_cast<std::size_t>(r.Int(0, static_cast<std::int64_t>(project_ids.size()) - 1));
        const int project = r.Chance(0.005) ? 999 : project_ids[k];
        // Follow-up projects run at the family's reference centre (PAIF) or
        // at a specialised centre (PAEFI).
        const std::size_t family = ctx.AnyHouseholdIndex();
        const int person = r.Pick(std::span<const int>(ctx.members[family]));
        int unit = ctx.AnyUnit();
        if (project_suas[k] == 1) unit = ctx.family_unit[family];
        if (project_suas[k] == 2) unit = r.Pick(std::span<const int>(ctx.creas_units));
        const db::DateTime start = ctx.RecordDay();
        const int waiting_roll = static_cast<int>(r.Int(1, 100));
        const db::Value waiting = waiting_roll <= 85 ? Null() : waiting_roll <= 95 ? Text("S") : Text("N");
        const db::DateTime waiting_since = r.Day(kFirstRecord, start);
        writer.Add({Int(project), Int(person), ctx.Maybe(Date(start), 0.03),
                    r.Chance(0.3) ? Date(r.Day(start, kAsOf)) : Null(), ctx.Maybe(Money(r.Int(0, 30000)), 0.5),
                    waiting, waiting.IsNull() ? Null() : Date(waiting_since),
                    waiting.IsNull() ? Null() : Time(r.Hour()), Int(unit), Null(), ctx.Maybe(Text(Note(r, 2)), 0.5),
                    ctx.Maybe(Text(Note(r, 1)), 0.8), ctx.Maybe(Int(r.Int(1, 20)), 0.8),
                    ctx.Maybe(Date(r.Day(start, kAsOf)), 0.6), ctx.Maybe(Date(r.Day(start, kAsOf)), 0.6),
                    waiting.IsNull() ? Null() : Int(r.Int(1, 500)), waiting.IsNull() ? Null() : Int(r.Int(1, 3)),
                    waiting.IsNull() ? Null() : Text("Aguardando vaga")});
    }
    writer.Flush();
}

}  // namespace

void GenerateBenefitsAndProjects(Context& ctx) {
    Benefits(ctx);
    Grants(ctx);
    std::vector<int> project_ids, project_suas;
    Projects(ctx, project_ids, project_suas);
    Participations(ctx, project_ids, project_suas);
}

}  // namespace qor::sample
