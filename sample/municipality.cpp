#include "municipality.h"

#include <algorithm>

#include "context.h"

namespace qor::sample {

SampleSize::SampleSize(int persons)
    : persons(persons),
      professionals(10 + persons / 250),
      cras_units(std::max(2, persons / 8000)),
      creas_units(std::max(1, persons / 30000)),
      neighbourhoods(12 + persons / 400),
      streets(30 + persons / 60),
      entities(5 + persons / 5000),
      attendances(persons * 5 / 2),
      visits(persons / 2),
      group_attendances(3 + persons / 500),
      grants(persons * 3 / 10),
      projects(8 + persons / 20000),
      participations(persons / 5),
      attendance_appointments(persons * 3 / 10),
      visit_appointments(persons / 20),
      contracts(3 + persons / 5000) {}

void GenerateMunicipality(db::Connection& desktop, db::Connection& fotos, const SampleSize& size,
                          std::uint64_t seed) {
    Context ctx(desktop, fotos, size, seed);
    desktop.StartTransaction();
    fotos.StartTransaction();
    try {
        GenerateCodeTables(ctx);
        GeneratePlaces(ctx);
        GenerateProfessionals(ctx);
        GenerateFamilies(ctx);
        GenerateBenefitsAndProjects(ctx);
        GenerateAttendances(ctx);
        GenerateAppointments(ctx);
        GenerateContracts(ctx);
        GenerateAttachments(ctx);
        desktop.Commit();
        fotos.Commit();
    } catch (...) {
        if (desktop.InTransaction()) desktop.Rollback();
        if (fotos.InTransaction()) fotos.Rollback();
        throw;
    }
}

}  // namespace qor::sample
