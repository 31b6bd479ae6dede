#pragma once
// The synthetic municipality: a desktop database and its photos database
// filled as a city's social-assistance offices would have filled them over
// fifteen years. Everything follows from one size (the number of persons)
// and one seed: the same pair gives the same rows.

#include <cstdint>

#include "db/connection.h"

namespace qor::sample {

// Row counts of the main desktop tables for a number of persons.
struct SampleSize {
    explicit SampleSize(int persons);

    int persons;
    int professionals;
    int cras_units;
    int creas_units;
    int neighbourhoods;
    int streets;
    int entities;
    int attendances;        // individual attendances (atendimento)
    int visits;             // home visits (visitas)
    int group_attendances;  // atendimento_grupo
    int grants;             // beneficio_pessoa
    int projects;
    int participations;     // projeto_familia_pessoa
    int attendance_appointments;
    int visit_appointments;
    int contracts;
};

// Fills blank desktop and photos databases (made from schema/desktop.sql and
// schema/fotos.sql) in one transaction each.
void GenerateMunicipality(db::Connection& desktop, db::Connection& fotos, const SampleSize& size,
                          std::uint64_t seed);

}  // namespace qor::sample
