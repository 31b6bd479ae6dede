#pragma once
// What the parts of the sample generator share while they fill the desktop
// and photos databases: the random source, the sizes, and the ids made so
// far that later tables point at.

#include <vector>

#include "db/connection.h"
#include "db/date_time.h"
#include "db/value.h"
#include "municipality.h"
#include "random.h"

namespace qor::sample {

// The sample is as of this day; every date lies before it.
inline const db::DateTime kAsOf = db::DateTime::FromDate(2025, 6, 30);
inline const db::DateTime kFirstRecord = db::DateTime::FromDate(2010, 3, 1);
// The sample municipality's IBGE code (Bauru, SP) and others that the web
// database knows (birthplaces); 9999999 is a code it does not know.
inline constexpr int kHomeMunicipality = 3506003;
inline constexpr int kOtherMunicipalities[] = {3550308, 3529005, 3543402, 2611606, 2927408, 3106200, 9999999};

struct Unit {
    int id;
    bool cras;
    bool creas;
};

struct AttendanceKey {
    int unit;
    int id;
};

struct Context {
    Context(db::Connection& desktop, db::Connection& fotos, const SampleSize& size, std::uint64_t seed)
        : desktop(desktop), fotos(fotos), size(size), random(seed) {}

    db::Connection& desktop;
    db::Connection& fotos;
    SampleSize size;
    Random random;

    // Places and code tables.
    std::vector<int> street_types, streets, neighbourhoods, districts, regions;
    std::vector<std::string> neighbourhood_names;
    std::vector<Unit> units;
    std::vector<int> cras_units, creas_units;
    std::vector<int> entities;
    std::vector<int> registry_offices;
    std::vector<std::string> registry_office_names;
    std::vector<int> attendance_motives, attendance_statuses, cancel_motives, visit_motives;
    std::vector<int> attachment_types, expense_types, grant_statuses;

    // People.
    std::vector<int> professionals;
    std::vector<int> families;                   // ids, ascending
    std::vector<std::vector<int>> members;       // persons of families[i]
    std::vector<int> family_unit;                // reference unit of families[i]
    std::vector<int> persons;                    // every person id, ascending
    std::vector<int> persons_without_family;

    // Care.
    std::vector<int> benefits;
    std::vector<AttendanceKey> attendances;      // individual attendances
    std::vector<AttendanceKey> visits;
    std::vector<int> visit_families;             // family of visits[i]

    // Helpers on the random source.
    db::Value Maybe(db::Value v, double null_share) { return random.Chance(null_share) ? db::Value{} : std::move(v); }
    int AnyUnit() { return random.Pick(std::span<const Unit>(units)).id; }
    int AnyProfessional() { return random.Pick(std::span<const int>(professionals)); }
    int AnyPerson() { return random.Pick(std::span<const int>(persons)); }
    std::size_t AnyFamilyIndex() { return static_cast<std::size_t>(random.Int(0, static_cast<std::int64_t>(families.size()) - 1)); }
    // A family with at least one member.
    std::size_t AnyHouseholdIndex() {
        for (;;)
            if (const std::size_t i = AnyFamilyIndex(); !members[i].empty()) return i;
    }
    db::DateTime RecordDay() { return random.Day(kFirstRecord, kAsOf); }
};

// Value shorthands.
inline db::Value Int(std::int64_t v) { return db::Value::Int(v); }
inline db::Value Text(std::string v) { return db::Value::Text(std::move(v)); }
inline db::Value Money(std::int64_t cents) { return db::Value::Decimal(cents, 2); }
inline db::Value Date(db::DateTime d) { return db::Value::Date(d); }
inline db::Value Time(db::DateTime t) { return db::Value::Time(t); }
inline db::Value Stamp(db::DateTime t) { return db::Value::Timestamp(t); }
inline db::Value Bytes(std::string b) { return db::Value::Bytes(std::move(b)); }
inline db::Value Null() { return {}; }
inline db::Value Flag(Random& random, double yes = 0.5) { return Text(random.Chance(yes) ? "S" : "N"); }

// The parts, in the order the generator runs them.
void GenerateCodeTables(Context& ctx);
void GeneratePlaces(Context& ctx);
void GenerateProfessionals(Context& ctx);
void GenerateFamilies(Context& ctx);
void GenerateBenefitsAndProjects(Context& ctx);
void GenerateAttendances(Context& ctx);
void GenerateAppointments(Context& ctx);
void GenerateContracts(Context& ctx);
void GenerateAttachments(Context& ctx);

}  // namespace qor::sample
