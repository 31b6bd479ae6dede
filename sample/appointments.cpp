// Appointments for attendances and for home visits; some led to the
// attendance or visit they were made for.

#include "context.h"
#include "names.h"
#include "table_writer.h"

namespace qor::sample {
namespace {

db::Value Done(Random& r) {
    const int roll = static_cast<int>(r.Int(1, 100));
    return roll <= 60 ? Text("S") : roll <= 90 ? Text("N") : Null();
}

void AttendanceAppointments(Context& ctx) {
    Random& r = ctx.random;
    TableWriter writer(ctx.desktop, r, "agenda_atendimento",
                       {"id_agenda_atend", "id_unidade", "id_pessoa", "id_profissional", "id_atendimento_motivo",
                        "data", "hora", "flag_ok", "observacao", "id_atendimento"},
                       {"id_agenda_atend", "id_unidade", "id_atendimento_motivo", "id_atendimento"});
    for (int id = 1; id <= ctx.size.attendance_appointments; ++id) {
        const bool led_to_attendance = r.Chance(0.4);
        const AttendanceKey attendance = r.Pick(std::span<const AttendanceKey>(ctx.attendances));
        const int unit = led_to_attendance ? attendance.unit : ctx.AnyUnit();
        const db::Value motive = r.Chance(0.02) ? Int(999) : Int(r.Pick(std::span<const int>(ctx.attendance_motives)));
        writer.Add({Int(id), Int(unit), Int(ctx.AnyPerson()), r.Chance(0.1) ? Null() : Int(ctx.AnyProfessional()),
                    motive, Date(ctx.RecordDay()), Time(r.Hour(7, 22)), Done(r), ctx.Maybe(Text(Note(r, 1)), 0.5),
                    led_to_attendance ? Int(attendance.id) : Null()});
    }
    writer.Flush();
}

void VisitAppointments(Context& ctx) {
    Random& r = ctx.random;
    TableWriter writer(ctx.desktop, r, "agenda_visita",
                       {"id_agenda_visita", "id_unidade", "id_familia", "id_solicitante", "id_profissional",
                        "id_prof_acomp", "id_motivo", "data", "hora", "flag_ok", "observacao", "id_visita"},
                       {"id_agenda_visita", "id_unidade", "id_familia", "id_motivo", "id_visita"});
    for (int id = 1; id <= ctx.size.visit_appointments; ++id) {
        const bool led_to_visit = r.Chance(0.4);
        const std::size_t k = static_cast<std::size_t>(r.Int(0, static_cast<std::int64_t>(ctx.visits.size()) - 1));
        const std::size_t family = ctx.AnyFamilyIndex();
        const int unit = led_to_visit ? ctx.visits[k].unit : ctx.family_unit[family];
        const int family_id = led_to_visit ? ctx.visit_families[k] : ctx.families[family];
        const db::Value motive = r.Chance(0.03) ? Int(999) : Int(r.Pick(std::span<const int>(ctx.visit_motives)));
        writer.Add({Int(id), Int(unit), Int(family_id), ctx.Maybe(Int(ctx.AnyPerson()), 0.3),
                    r.Chance(0.1) ? Null() : Int(ctx.AnyProfessional()),
                    r.Chance(0.3) ? Int(ctx.AnyProfessional()) : Null(), motive, Date(ctx.RecordDay()),
                    Time(r.Hour(7, 22)), Done(r), ctx.Maybe(Text(Note(r, 1)), 0.5),
                    led_to_visit ? Int(ctx.visits[k].id) : Null()});
    }
    writer.Flush();
}

}  // namespace

void GenerateAppointments(Context& ctx) {
    AttendanceAppointments(ctx);
    VisitAppointments(ctx);
}

}  // namespace qor::sample
