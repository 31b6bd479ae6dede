// The sample generator's databases: sizes that follow the number of persons,
// every desktop table filled, and the same data for the same seed.

#include <gtest/gtest.h>

#ifdef QOR_SAMPLE

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <map>

#include "db/connection.h"
#include "support/rows.h"
#include "support/test_db.h"

namespace qor {
namespace {

// The five databases of one run of qor-sample, dropped at the end.
class Sample {
public:
    Sample(const std::string& tag, int persons, int seed)
        : name_("sample-test-" + tag + "-" + std::to_string(::getpid())), dir_(test::Env("QOR_FB_DATA", "/tmp")) {
        const std::string command = std::string(QOR_SAMPLE) + " --size " + std::to_string(persons) + " --seed " +
                                    std::to_string(seed) + " --name " + name_ + " --dir " + dir_ + " > /dev/null";
        if (std::system(command.c_str()) != 0) throw std::runtime_error("failed: " + command);
    }
    ~Sample() {
        if (std::getenv("QOR_KEEP_TEST_DB")) return;
        for (const char* kind : {"desktop", "fotos", "web", "fileserver", "papyrant"}) {
            try {
                db::Connection::DropDatabase(test::ServerParams(File(kind)));
            } catch (...) {
                // Left behind when still attached; harmless.
            }
        }
    }
    std::string File(const char* kind) const { return dir_ + "/" + name_ + "-" + kind + ".fdb"; }
    std::unique_ptr<db::Connection> Desktop() const { return Open("desktop", false, true); }
    std::unique_ptr<db::Connection> Fotos() const { return Open("fotos", true, false); }

private:
    std::unique_ptr<db::Connection> Open(const char* kind, bool as_sysdba, bool utf8) const {
        auto c = std::make_unique<db::Connection>(kind, test::ServerParams(File(kind), as_sysdba, utf8));
        c->Open();
        return c;
    }
    std::string name_, dir_;
};

std::int64_t Count(db::Connection& c, const std::string& sql) { return std::stoll(test::Rows(c, sql).at(0).at(0)); }

std::vector<std::string> Tables(db::Connection& c) {
    std::vector<std::string> tables;
    for (const auto& row : test::Rows(c, "select trim(rdb$relation_name) from rdb$relations "
                                         "where coalesce(rdb$system_flag, 0) = 0 order by 1"))
        tables.push_back(row[0]);
    return tables;
}

// Every row of every table, each table's rows sorted.
std::map<std::string, std::vector<std::string>> Contents(db::Connection& c) {
    std::map<std::string, std::vector<std::string>> out;
    for (const std::string& table : Tables(c)) {
        auto& rows = out[table];
        for (const auto& row : test::Rows(c, "select * from " + table)) {
            std::string line;
            for (const auto& value : row) line += value + '\x1f';
            rows.push_back(line);
        }
        std::sort(rows.begin(), rows.end());
    }
    return out;
}

TEST(SampleMunicipality, CountsFollowTheNumberOfPersons) {
    const struct {
        int persons;
        std::int64_t professionals, attendances, visits, grants, participations;
    } cases[] = {{60, 10, 150, 30, 18, 12}, {300, 11, 750, 150, 90, 60}};
    for (const auto& c : cases) {
        Sample sample("size" + std::to_string(c.persons), c.persons, 1);
        auto desktop = sample.Desktop();
        EXPECT_EQ(Count(*desktop, "select count(*) from pessoa"), c.persons);
        EXPECT_EQ(Count(*desktop, "select count(*) from profissionais"), c.professionals);
        EXPECT_EQ(Count(*desktop, "select count(*) from atendimento"), c.attendances);
        EXPECT_EQ(Count(*desktop, "select count(*) from visitas"), c.visits);
        EXPECT_EQ(Count(*desktop, "select count(*) from beneficio_pessoa"), c.grants);
        EXPECT_EQ(Count(*desktop, "select count(*) from projeto_familia_pessoa"), c.participations);
        // About three persons per family, one in ten without a family.
        const std::int64_t families = Count(*desktop, "select count(*) from familia");
        EXPECT_GE(families, c.persons / 5);
        EXPECT_LE(families, c.persons * 2 / 5);
        const std::int64_t alone = Count(*desktop, "select count(*) from pessoa where id_familia is null");
        EXPECT_GT(alone, 0);
        EXPECT_LT(alone, c.persons / 4);
    }
}

TEST(SampleMunicipality, FillsEveryTableWithTheKindsTheConversionTellsApart) {
    Sample sample("kinds", 300, 2);
    auto desktop = sample.Desktop();
    auto fotos = sample.Fotos();
    for (auto* c : {desktop.get(), fotos.get()})
        for (const std::string& table : Tables(*c)) EXPECT_GT(Count(*c, "select count(*) from " + table), 0) << table;

    const std::pair<const char*, const char*> kinds[] = {
        {"CRAS units", "select count(*) from unidade where tipo = 'CRAS'"},
        {"CREAS units", "select count(*) from unidade where tipo = 'CREAS'"},
        {"a Pop centre", "select count(*) from unidade where upper(nome) containing 'POP'"},
        {"other units", "select count(*) from unidade where coalesce(tipo, '') not in ('CRAS', 'CREAS')"},
        {"professionals with a login",
         "select count(*) from profissionais p where exists (select 1 from usuarios u where u.id_profissional = p.id_profissional)"},
        {"professionals without a login",
         "select count(*) from profissionais p where not exists (select 1 from usuarios u where u.id_profissional = p.id_profissional)"},
        {"one-member families",
         "select count(*) from (select id_familia from pessoa group by id_familia having count(*) = 1)"},
        {"families of several", "select count(*) from (select id_familia from pessoa group by id_familia having count(*) > 2)"},
        {"names with accents", "select count(*) from pessoa where nome similar to '%[ÁÂÃÉÊÍÓÔÕÚÇáâãéêíóôõúç]%'"},
        {"names with particles", "select count(*) from pessoa where nome containing ' da ' or nome containing ' dos '"},
        {"repeated neighbourhoods", "select count(*) from (select descricao from bairro group by 1 having count(*) > 1)"},
        {"repeated street types",
         "select count(*) from (select de_tipo_logradouro from tipo_logradouro group by 1 having count(*) > 1)"},
        {"repeated streets", "select count(*) from (select de_logradouro from logradouro group by 1 having count(*) > 1)"},
        {".docx attachments", "select count(*) from documento_anexo where extensao = '.docx'"},
        {"visits' attachments", "select count(*) from documento_anexo where id_atendimento > 1000000"},
        {"persons without nationality", "select count(*) from pessoa where id_nacionalidade is null"},
    };
    for (const auto& [what, sql] : kinds) EXPECT_GT(Count(*desktop, sql), 0) << what;
    // JPEG, PDF and .docx (zip) contents.
    for (const char* start : {"\xFF\xD8\xFF", "%PDF", "PK\x03\x04"}) {
        bool found = false;
        for (const auto& row : test::Rows(*fotos, "select anexo from anexos"))
            found = found || row[0].rfind(start, 0) == 0;
        EXPECT_TRUE(found) << start;
    }
    EXPECT_LT(Count(*desktop, "select max(id_atendimento) from atendimento"), 1000000);
}

TEST(SampleMunicipality, SameSeedSameDataOtherSeedOtherData) {
    Sample first("seed-a", 60, 5), again("seed-b", 60, 5), other("seed-c", 60, 6);
    const auto first_desktop = Contents(*first.Desktop());
    EXPECT_EQ(first_desktop, Contents(*again.Desktop()));
    EXPECT_EQ(Contents(*first.Fotos()), Contents(*again.Fotos()));
    EXPECT_NE(first_desktop, Contents(*other.Desktop()));
}

}  // namespace
}  // namespace qor

#endif  // QOR_SAMPLE
