// Group attendances with their participants, further professionals and
// photos; individual attendances; home visits.

#include <algorithm>

#include "context.h"
#include "files.h"
#include "names.h"
#include "table_writer.h"

namespace qor::sample {
namespace {

db::Value PresenceFlag(Random& r) {
    const int roll = static_cast<int>(r.Int(1, 100));
    return roll <= 80 ? Text("S") : roll <= 90 ? Text("N") : roll <= 95 ? Text("") : Null();
}

void GroupAttendances(Context& ctx) {
    Random& r = ctx.random;
    TableWriter groups(ctx.desktop, r, "atendimento_grupo",
                       {"id_unidade", "id_atendimento_grupo", "id_profissional", "id_atendimento_motivo",
                        "id_atendimento_status", "data", "hora", "hora_fim", "observacao", "parecer", "encaminhamento",
                        "flag_bloqueado", "usuario_bloqueou", "id_grupo_mutirao", "id_atend_mot_canc", "cancelado",
                        "data_cancelamento", "id_atend_mot_reat", "reativado", "data_reativacao", "foto1"},
                       {"id_unidade", "id_atendimento_grupo", "foto1"});
    TableWriter participants(ctx.desktop, r, "atendimento_grupo_pessoa",
                             {"id_unidade", "id_atendimento_grupo", "id_pessoa", "justificativa", "flag_presente",
                              "flag_trab_inf", "flag_expl_s", "flag_ado_droga", "flag_adul_droga", "flag_migrante"},
                             {"id_unidade", "id_atendimento_grupo", "id_pessoa", "flag_presente"});
    TableWriter helpers(ctx.desktop, r, "profissional_participante",
                        {"id_prof_participante", "id_unidade", "id_atendimento", "id_profissional",
                         "id_atendimento_grupo"},
                        {"id_prof_participante", "id_unidade", "id_atendimento_grupo"});
    int helper_id = 0;
    for (int id = 1; id <= ctx.size.group_attendances; ++id) {
        const int unit = ctx.AnyUnit();
        const int leader = ctx.AnyProfessional();
        const db::DateTime day = ctx.RecordDay();
        const db::DateTime start = r.Hour(8, 16);
        const db::DateTime end = start + db::DateTime::FromTime(static_cast<int>(r.Int(1, 2)), 0, 0);
        const bool cancelled = r.Chance(0.1);
        const bool reopened = cancelled && r.Chance(0.3);
        groups.Add({Int(unit), Int(id), r.Chance(0.05) ? Null() : Int(leader),
                    Int(r.Pick(std::span<const int>(ctx.attendance_motives))),
                    Int(r.Pick(std::span<const int>(ctx.attendance_statuses))), Date(day), Time(start), Time(end),
                    Text(Note(r)), ctx.Maybe(Text(Note(r, 2)), 0.3), ctx.Maybe(Text(Note(r, 1)), 0.7), Flag(r, 0.05),
                    ctx.Maybe(Text("coordenacao"), 0.95), ctx.Maybe(Int(r.Int(1, 10)), 0.9),
                    cancelled ? Int(r.Pick(std::span<const int>(ctx.cancel_motives))) : Null(),
                    Text(cancelled ? "S" : "N"), cancelled ? Date(day) : Null(), reopened ? Int(1) : Null(),
                    Text(reopened ? "S" : "N"), reopened ? Date(r.Day(day, kAsOf)) : Null(),
                    r.Chance(0.2) ? Bytes(JpegPhoto(r)) : Null()});

        const int count = r.Chance(0.15) ? 0 : static_cast<int>(r.Int(3, 15));
        std::vector<int> chosen;
        while (static_cast<int>(chosen.size()) < count) {
            const int person = ctx.AnyPerson();
            if (std::find(chosen.begin(), chosen.end(), person) != chosen.end()) continue;
            chosen.push_back(person);
            const db::Value present = PresenceFlag(r);
            const bool absent = present.IsNull() || present.AsString() != "S";
            participants.Add({Int(unit), Int(id), Int(person),
                              absent ? ctx.Maybe(Text("Não justificou a ausência."), 0.5) : Null(), present,
                              Flag(r, 0.02), Flag(r, 0.01), Flag(r, 0.02), Flag(r, 0.03), Flag(r, 0.02)});
        }
        if (r.Chance(0.3)) {
            // Sometimes the leader is listed again among the further professionals.
            const int extra = static_cast<int>(r.Int(1, 2));
            for (int k = 0; k < extra; ++k) {
                const int professional = r.Chance(0.2) ? leader : ctx.AnyProfessional();
                helpers.Add({Int(++helper_id), Int(unit), Null(), Int(professional), Int(id)});
            }
        }
    }
    for (TableWriter* w : {&groups, &participants, &helpers}) w->Flush();
}

void IndividualAttendances(Context& ctx) {
    Random& r = ctx.random;
    TableWriter writer(ctx.desktop, r, "atendimento",
                       {"id_unidade", "id_atendimento", "id_pessoa", "id_profissional", "id_atendimento_motivo",
                        "id_atendimento_tipo", "data", "hora", "observacao", "parecer", "encaminhamento",
                        "flag_bloqueado", "id_unidade_enc", "id_profissional_enc"},
                       {"id_unidade", "id_atendimento", "id_unidade_enc"});
    for (int id = 1; id <= ctx.size.attendances; ++id) {
        const std::size_t family = ctx.AnyHouseholdIndex();
        const int unit = r.Chance(0.7) ? ctx.family_unit[family] : ctx.AnyUnit();
        const int person_roll = static_cast<int>(r.Int(1, 100));
        const db::Value person = person_roll == 1   ? Null()
                                 : person_roll == 2 ? Int(9999999)
                                 : person_roll <= 8 ? Int(ctx.AnyPerson())
                                                    : Int(r.Pick(std::span<const int>(ctx.members[family])));
        const db::Value professional = r.Chance(0.05) ? Null() : r.Chance(0.01) ? Int(99999) : Int(ctx.AnyProfessional());
        const db::Value motive = r.Chance(0.03) ? Null() : r.Chance(0.01) ? Int(999)
                                                         : Int(r.Pick(std::span<const int>(ctx.attendance_motives)));
        const int type_roll = static_cast<int>(r.Int(1, 100));
        const db::Value type = type_roll <= 3 ? Int(8) : type_roll <= 5 ? Int(12) : type_roll <= 10 ? Null()
                                                                                   : Int(r.Int(1, 7));
        const bool referred = r.Chance(0.05);
        const db::Value to_unit = !referred ? Null() : r.Chance(0.1) ? Int(999) : Int(ctx.AnyUnit());
        const db::Value to_professional = referred && r.Chance(0.5) ? Int(ctx.AnyProfessional()) : Null();
        const db::DateTime day = ctx.RecordDay();
        writer.Add({Int(unit), Int(id), person, professional, motive, type, Date(day), Time(r.Hour()),
                    ctx.Maybe(Text(Note(r)), 0.1), ctx.Maybe(Text(Note(r, 2)), 0.4), ctx.Maybe(Text(Note(r, 1)), 0.8),
                    r.Chance(0.05) ? Text("S") : ctx.Maybe(Text("N"), 0.3), to_unit, to_professional});
        ctx.attendances.push_back({unit, id});
    }
    writer.Flush();
}

void Visits(Context& ctx) {
    Random& r = ctx.random;
    TableWriter writer(ctx.desktop, r, "visitas",
                       {"id_unidade", "id_visita", "id_familia", "id_entrevistado", "id_profissional",
                        "id_profissional_sec", "id_visita_motivo", "data", "hora", "observacao", "parecer",
                        "encaminhamento", "flag_bloqueado", "id_unidade_enc", "id_profissional_enc"},
                       {"id_unidade", "id_visita", "id_familia", "id_entrevistado", "id_visita_motivo"});
    for (int id = 1; id <= ctx.size.visits; ++id) {
        const std::size_t family = ctx.AnyFamilyIndex();
        const int unit = ctx.family_unit[family];
        // Usually the person interviewed is recorded; else the conversion takes
        // a member of the family, and a family without members is left out.
        const db::Value interviewed = ctx.members[family].empty() || r.Chance(0.3)
                                          ? Null()
                                          : Int(r.Pick(std::span<const int>(ctx.members[family])));
        const db::Value motive = r.Chance(0.03) ? Int(999) : Int(r.Pick(std::span<const int>(ctx.visit_motives)));
        const bool referred = r.Chance(0.03);
        const db::DateTime day = ctx.RecordDay();
        writer.Add({Int(unit), Int(id), Int(ctx.families[family]), interviewed,
                    r.Chance(0.05) ? Null() : Int(ctx.AnyProfessional()),
                    r.Chance(0.2) ? Int(ctx.AnyProfessional()) : Null(), motive, Date(day), Time(r.Hour()),
                    ctx.Maybe(Text(Note(r)), 0.1), ctx.Maybe(Text(Note(r, 2)), 0.4), ctx.Maybe(Text(Note(r, 1)), 0.8),
                    Flag(r, 0.05), referred ? Int(ctx.AnyUnit()) : Null(),
                    referred && r.Chance(0.5) ? Int(ctx.AnyProfessional()) : Null()});
        ctx.visits.push_back({unit, id});
        ctx.visit_families.push_back(ctx.families[family]);
    }
    writer.Flush();
}

}  // namespace

void GenerateAttendances(Context& ctx) {
    GroupAttendances(ctx);
    IndividualAttendances(ctx);
    Visits(ctx);
}

}  // namespace qor::sample
