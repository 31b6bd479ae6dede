// Families with their members, dwellings, expenses and paper files; persons
// without a family; the persons linked to partner entities; profile photos.

#include <algorithm>

#include <fmt/format.h>

#include "context.h"
#include "documents.h"
#include "files.h"
#include "names.h"
#include "table_writer.h"

namespace qor::sample {
namespace {

constexpr const char* kCertificates[] = {"Certidão de Nascimento", "Certidão de Casamento", "Certidão de Divórcio",
                                         "Certidão de Separação Judicial", "Certidão de Óbito", "RANI",
                                         "Certidão de Nascimento (2ª via)"};
constexpr const char* kBanks[] = {"Caixa Econômica Federal", "Banco do Brasil", "Bradesco", "Itaú", "Santander"};

// Members of one household: 20% live alone, few have more than five.
int HouseholdSize(Random& random) {
    static constexpr int kShare[] = {20, 22, 24, 17, 9, 5, 3};  // sizes 1 to 7, in percent
    int roll = static_cast<int>(random.Int(1, 100));
    for (int size = 1; size <= 7; ++size)
        if ((roll -= kShare[size - 1]) <= 0) return size;
    return 7;
}

// "1234-5": digits and a check digit, as banks print them.
std::string BankNumber(Random& random, int digits) {
    std::string number = random.Digits(digits);
    return random.Digits(number + "-", 1);
}

std::int64_t Cents(Random& random, int from_reais, int to_reais) { return random.Int(from_reais * 100, to_reais * 100); }

class FamilyWriter {
public:
    explicit FamilyWriter(Context& ctx)
        : ctx_(ctx),
          families_(ctx.desktop, ctx.random, "familia",
                    {"id_familia", "cd_municipio", "cd_familia", "endereco", "complemento", "bairro", "cep", "numero",
                     "id_bairro", "id_logradouro", "referencia", "id_localizacao", "id_distrito", "latitude",
                     "longitude", "renda", "dt_atualizacao", "renda_percapita", "observacao", "telefone_familia",
                     "id_unidade", "endereco_fonetico", "dt_atualizar", "segmento", "area", "microarea", "familia",
                     "dt_cadastro", "id_unidade_saude", "id_entrevistador", "ativa", "domicilio", "data_pesquisa",
                     "forma_coleta", "form_principal", "form_avulso", "form_avulso2", "form_suplem", "form_suplem1",
                     "form_suplem2", "fone_contato", "contato_fone_contato", "email", "id_subdistrito",
                     "unidade_territorial", "id_grau_carencia", "especificidade", "obs_especificidade"},
                    {"id_familia", "id_unidade"}),
          persons_(ctx.desktop, ctx.random, "pessoa",
                   {"id_pessoa", "nome", "id_familia", "data_nascimento", "sexo", "id_parentesco", "pai", "mae", "nis",
                    "dt_atualizacao", "id_estado_civil", "id_raca_cor", "observacao", "renda", "nmatricula", "cns",
                    "flag_obito", "data_obito", "rg", "rg_orgao", "rg_uf", "rg_emissao", "carteira_trabalho",
                    "carteira_serie", "carteira_emissao", "carteira_uf", "titulo_eleitor", "titulo_zona",
                    "titulo_secao", "renda_aposentadoria", "renda_seguro", "renda_pensao", "renda_outras",
                    "renda_emprego", "renda_pensao_cuidador", "renda_doacao", "renda_bpc", "renda_extra", "email",
                    "id_tipo_responsavel", "responsavel", "livro", "folha", "termo", "data_emissao", "ncertidao",
                    "flag_tipo", "nome_cartorio", "certidao_obito", "id_orientacao", "banco", "agencia", "conta",
                    "id_nacionalidade", "municipio_nascimento", "flag_responsavel", "cpf", "telefone", "celular",
                    "nim", "ativo", "nome_social", "dt_cadastro", "id_cartorio"},
                   {"id_pessoa", "nome", "id_familia", "data_obito", "flag_tipo", "nome_cartorio", "id_cartorio"}),
          dwellings_(ctx.desktop, ctx.random, "domicilio", {"id_familia", "id_situacao", "dt_cadastro"},
                     {"id_familia"}),
          expenses_(ctx.desktop, ctx.random, "despesas", {"id_familia", "id_tipo_despesa", "valor"},
                    {"id_familia", "id_tipo_despesa"}),
          paper_files_(ctx.desktop, ctx.random, "prontuario_fisico", {"id_unidade", "id_familia", "prontuario_fisico"},
                       {"id_unidade", "id_familia"}) {}

    void Run() {
        int family_id = 0;
        while (static_cast<int>(ctx_.persons.size()) < ctx_.size.persons) {
            if (!ctx_.families.empty() && ctx_.random.Chance(0.1)) {
                const int id = NextPersonId();
                ctx_.persons_without_family.push_back(id);
                const bool female = ctx_.random.Chance(0.5);
                Person(id, 0, 0, false, female, Null());
                continue;
            }
            family_id += ctx_.random.Chance(0.1) ? static_cast<int>(ctx_.random.Int(2, 5)) : 1;
            // Now and then a family record is left without members.
            const int wanted = ctx_.families.empty() || !ctx_.random.Chance(0.02) ? HouseholdSize(ctx_.random) : 0;
            Family(family_id, std::min(wanted, ctx_.size.persons - static_cast<int>(ctx_.persons.size())));
        }
        // Dwellings of families the desktop no longer holds.
        for (int i = 0; i < 1 + ctx_.size.persons / 1000; ++i)
            dwellings_.Add({Int(family_id + 1000 + i), Int(ctx_.random.Int(0, 7)), Date(ctx_.RecordDay())});
        for (TableWriter* w : {&families_, &persons_, &dwellings_, &expenses_, &paper_files_}) w->Flush();
    }

private:
    int NextPersonId() {
        next_person_ += ctx_.random.Chance(0.05) ? static_cast<int>(ctx_.random.Int(2, 4)) : 1;
        ctx_.persons.push_back(next_person_);
        return next_person_;
    }

    void Family(int id, int size) {
        Random& r = ctx_.random;
        const db::DateTime registered = ctx_.RecordDay();
        const int unit = r.Chance(0.85) ? r.Pick(std::span<const int>(ctx_.cras_units))
                         : r.Chance(0.8) ? ctx_.AnyUnit() : 999;
        ctx_.families.push_back(id);
        ctx_.family_unit.push_back(unit);
        ctx_.members.emplace_back();

        const std::string street = StreetName(r);
        const std::string surname = PersonName(r, false);
        const int municipality_roll = static_cast<int>(r.Int(1, 100));
        const db::Value municipality = municipality_roll <= 5 ? Null()
                                       : municipality_roll <= 7 ? Int(r.Pick(kOtherMunicipalities))
                                                                : Int(kHomeMunicipality);
        const db::Value interviewer = r.Chance(0.15)  ? Null()
                                      : r.Chance(0.05) ? Int(99999)
                                                       : Int(ctx_.AnyProfessional());
        const db::Value active = r.Chance(0.1) ? Text("N") : r.Chance(0.05) ? Null() : Text("S");
        const db::Value paper_number = r.Chance(0.05) ? Text("   ") : ctx_.Maybe(Text(r.Digits(6)), 0.4);
        families_.Add({Int(id), municipality, paper_number, Text(fmt::format("Rua {}", street)), ctx_.Maybe(Text("Casa 2"), 0.8),
                       Text(r.Pick(std::span<const std::string>(ctx_.neighbourhood_names))), Text(Cep(r)),
                       r.Chance(0.05) ? Text("S/N") : Text(r.Digits(3, true)),
                       ctx_.Maybe(Int(r.Pick(std::span<const int>(ctx_.neighbourhoods))), 0.1),
                       ctx_.Maybe(Int(r.Pick(std::span<const int>(ctx_.streets))), 0.1),
                       ctx_.Maybe(Text(r.Chance(0.5) ? "Próximo à escola" : "Próximo à igreja"), 0.5),
                       ctx_.Maybe(Int(r.Pick(std::span<const int>(ctx_.regions))), 0.2),
                       Int(r.Chance(0.9) ? 1 : r.Pick(std::span<const int>(ctx_.districts))),
                       ctx_.Maybe(db::Value::Float(-22.3 - r.Int(0, 9999) / 100000.0), 0.3),
                       ctx_.Maybe(db::Value::Float(-49.0 - r.Int(0, 9999) / 100000.0), 0.3),
                       Money(Cents(r, 0, 4000)), Date(r.Day(registered, kAsOf)), Money(Cents(r, 0, 1500)),
                       ctx_.Maybe(Text(Note(r)), 0.4), ctx_.Maybe(Text(Phone(r)), 0.5), Int(unit),
                       Text(UpperPortuguese(AsciiWords(street))), ctx_.Maybe(Date(r.Day(kAsOf, kAsOf)), 0.5),
                       Text(r.Digits("0", 1)), Text(r.Digits(2)), Text(r.Digits(2)), Text(r.Digits("F", 5)),
                       Date(registered), ctx_.Maybe(Int(r.Int(1, 30)), 0.3), interviewer, active,
                       ctx_.Maybe(Text(r.Digits("D", 5)), 0.5), ctx_.Maybe(Date(registered), 0.3),
                       Int(r.Int(1, 2)), Text(r.Digits("A-", 7)), ctx_.Maybe(Text(r.Digits(7)), 0.8),
                       ctx_.Maybe(Text(r.Digits(7)), 0.9), ctx_.Maybe(Text(r.Digits(7)), 0.9),
                       ctx_.Maybe(Text(r.Digits(7)), 0.9), ctx_.Maybe(Text(r.Digits(7)), 0.95),
                       ctx_.Maybe(Text(MobilePhone(r)), 0.6), ctx_.Maybe(Text(PersonName(r, true)), 0.6),
                       ctx_.Maybe(Text(Email(r, surname)), 0.8), ctx_.Maybe(Int(r.Int(1, 5)), 0.5),
                       ctx_.Maybe(Text(fmt::format("Território {}", r.Int(1, 9))), 0.6), ctx_.Maybe(Int(r.Int(1, 4)), 0.4),
                       ctx_.Maybe(Int(r.Int(1, 10)), 0.8), ctx_.Maybe(Text("Família quilombola"), 0.97)});

        // The first member is the reference person: usually flagged, now and
        // then not, and in a few families a second member is flagged too.
        const bool flag_first = !r.Chance(0.05);
        const bool flag_second = r.Chance(0.03);
        for (int k = 0; k < size; ++k) {
            const int person = NextPersonId();
            ctx_.members.back().push_back(person);
            const bool responsible = (k == 0 && flag_first) || (k == 1 && flag_second);
            const int kinship = k == 0 ? 1 : k == 1 ? 2 : r.Chance(0.7) ? 3 : static_cast<int>(r.Int(4, 22));
            const bool child = k >= 2 || (k == 1 && r.Chance(0.2));
            const bool female = r.Chance(k == 0 ? 0.75 : 0.5);
            db::Value flag = responsible ? Text("S") : r.Chance(0.5) ? Text("N") : Null();
            Person(person, id, kinship, child, female, std::move(flag));
        }

        const int dwellings = r.Chance(0.07) ? 0 : r.Chance(0.03) ? 2 : 1;
        for (int k = 0; k < dwellings; ++k)
            dwellings_.Add({Int(id), r.Chance(0.01) ? Int(9) : Int(r.Int(0, 7)), Date(registered)});

        const int expenses = static_cast<int>(r.Int(0, 3));
        for (int k = 0; k < expenses; ++k) {
            const db::Value type = Int(r.Pick(std::span<const int>(ctx_.expense_types)));
            const db::Value value = Money(Cents(r, 20, 900));
            expenses_.Add({Int(id), type, value});
            if (r.Chance(0.03)) expenses_.Add({Int(id), type, value});  // typed twice
        }

        if (r.Chance(0.4)) {
            const std::int64_t cabinet = r.Int(1, 9);
            const std::int64_t drawer = r.Int(1, 20);
            paper_files_.Add({Int(unit), Int(id),
                              r.Chance(0.1) ? Text(" ") : Text(fmt::format("Arquivo {}, gaveta {}", cabinet, drawer))});
        }
    }

    // kinship 0 and family 0: a person without family.
    void Person(int id, int family, int kinship, bool child, bool female, db::Value responsible) {
        Random& r = ctx_.random;
        const std::string name = r.Chance(0.01) ? CarelessName(r, female) : PersonName(r, female);
        const db::DateTime born = child ? r.Day(db::DateTime::FromDate(2005, 1, 1), kAsOf)
                                        : r.Day(db::DateTime::FromDate(1935, 1, 1), db::DateTime::FromDate(2004, 12, 31));
        const bool adult = !child;
        const bool dead = r.Chance(0.01);
        const int office = static_cast<int>(r.Int(1, 10));
        db::Value office_name = Null(), office_id = Null();
        if (office <= 6) {
            const std::size_t k = static_cast<std::size_t>(r.Int(0, static_cast<std::int64_t>(ctx_.registry_offices.size()) - 1));
            office_name = Text(ctx_.registry_office_names[k]);
            if (office <= 4) office_id = Int(ctx_.registry_offices[k]);
        } else if (office == 7) {
            office_name = Text("Cartório de Registro Civil de Piratininga");  // not in the registry-office table
        }
        const std::string book = r.Digits(3, true), page = r.Digits(3, true), term = r.Digits(5, true);
        const int certificate_roll = static_cast<int>(r.Int(1, 10));
        const std::string registration = r.Digits(20);
        const db::Value single_number = certificate_roll <= 3   ? Text(registration + book + page + term)
                                        : certificate_roll <= 6 ? Text(r.Digits(32))
                                                                : Null();
        auto income = [&](double share, int from, int to) { return r.Chance(share) ? Money(Cents(r, from, to)) : Null(); };
        const int nationality_roll = static_cast<int>(r.Int(1, 100));
        const int birthplace_roll = static_cast<int>(r.Int(1, 100));
        const db::DateTime registered = r.Day(kFirstRecord, kAsOf);
        const db::DateTime updated_day = r.Day(registered, kAsOf);
        const db::DateTime updated = updated_day + r.Hour();
        persons_.Add({
            Int(id), Text(name), family ? Int(family) : Null(), ctx_.Maybe(Date(born), 0.03),
            r.Chance(0.02) ? Null() : Text(female ? "F" : "M"), kinship ? Int(kinship) : Null(),
            ctx_.Maybe(Text(PersonName(r, false)), 0.4), ctx_.Maybe(Text(PersonName(r, true)), 0.2),
            ctx_.Maybe(Text(Nis(r)), 0.3), Stamp(updated),
            ctx_.Maybe(Int(r.Int(1, 7)), 0.2), r.Chance(0.02) ? Int(9) : ctx_.Maybe(Int(r.Int(1, 5)), 0.15),
            r.Chance(0.05) ? Text(LongNote(r)) : ctx_.Maybe(Text(Note(r)), 0.5), Money(Cents(r, 0, 3000)),
            ctx_.Maybe(Text(r.Digits(8)), 0.8), ctx_.Maybe(Text(Cns(r)), 0.5), dead ? Text("S") : Text("N"),
            dead && r.Chance(0.7) ? Date(r.Day(born, kAsOf)) : Null(), ctx_.Maybe(Text(Rg(r)), 0.4),
            ctx_.Maybe(Text("SSP"), 0.4), ctx_.Maybe(Text("SP"), 0.4),
            ctx_.Maybe(Stamp(r.Day(born, kAsOf)), 0.5), adult ? ctx_.Maybe(Text(r.Digits(7, true)), 0.7) : Null(),
            adult ? ctx_.Maybe(Text(r.Digits(4)), 0.7) : Null(), adult ? ctx_.Maybe(Date(r.Day(born, kAsOf)), 0.8) : Null(),
            adult ? ctx_.Maybe(Text("SP"), 0.7) : Null(), adult ? ctx_.Maybe(Text(r.Digits(12)), 0.6) : Null(),
            adult ? ctx_.Maybe(Text(r.Digits(3)), 0.6) : Null(), adult ? ctx_.Maybe(Text(r.Digits(4)), 0.6) : Null(),
            income(adult ? 0.12 : 0, 1412, 3500), income(adult ? 0.03 : 0, 1412, 2300),
            income(adult ? 0.05 : 0, 800, 2500), income(0.03, 50, 600), income(adult ? 0.3 : 0, 600, 4500),
            income(0.01, 300, 1412), income(0.02, 50, 300), income(0.05, 1412, 1412), income(adult ? 0.1 : 0, 100, 900),
            ctx_.Maybe(Text(Email(r, name)), 0.8), ctx_.Maybe(Int(r.Int(1, 4)), 0.7),
            child ? ctx_.Maybe(Text(PersonName(r, true)), 0.5) : Null(), ctx_.Maybe(Text(book), 0.5),
            ctx_.Maybe(Text(page), 0.5), ctx_.Maybe(Text(term), 0.5), ctx_.Maybe(Date(r.Day(born, kAsOf)), 0.4),
            single_number, dead && r.Chance(0.5) ? Text("Certidão de Óbito") : Text(r.Pick(kCertificates)),
            office_name, dead ? Text(r.Digits(32)) : Null(), ctx_.Maybe(Int(r.Int(1, 7)), 0.4),
            r.Chance(0.1) ? Text(r.Pick(kBanks)) : Null(), r.Chance(0.1) ? Text(BankNumber(r, 4)) : Null(),
            r.Chance(0.1) ? Text(BankNumber(r, 6)) : Null(),
            nationality_roll <= 85 ? Int(10) : nationality_roll <= 95 ? Null() : Int(r.Int(20, 40)),
            birthplace_roll <= 70 ? Int(kHomeMunicipality)
            : birthplace_roll <= 95 ? Int(r.Pick(kOtherMunicipalities))
                                    : Null(),
            responsible, r.Chance(0.01) ? Text("...-") : ctx_.Maybe(Text(Cpf(r)), child ? 0.6 : 0.2),
            ctx_.Maybe(Text(Phone(r)), 0.7), ctx_.Maybe(Text(MobilePhone(r)), 0.4), ctx_.Maybe(Text(r.Digits(11)), 0.8),
            r.Chance(0.05) ? Text("N") : ctx_.Maybe(Text("S"), 0.2),
            r.Chance(0.02) ? Text(PersonName(r, !female)) : Null(), ctx_.Maybe(Date(registered), 0.05), office_id});
    }

    Context& ctx_;
    TableWriter families_, persons_, dwellings_, expenses_, paper_files_;
    int next_person_ = 0;
};

// Entity 1 has one person (the preparation script marks the responsible),
// entity 2 two with one responsible, entity 3 two responsible; the others
// have none to three.
void EntityPersons(Context& ctx) {
    TableWriter writer(ctx.desktop, ctx.random, "entidade_pessoa", {"id_entidade", "id_pessoa", "flag_responsavel"},
                       {"id_entidade", "id_pessoa"});
    for (int entity : ctx.entities) {
        const int wanted = entity == 1 ? 1 : entity <= 3 ? 2 : static_cast<int>(ctx.random.Int(0, 3));
        const int count = std::min(wanted, static_cast<int>(ctx.persons.size()));
        std::vector<int> chosen;
        while (static_cast<int>(chosen.size()) < count) {
            const int person = ctx.AnyPerson();
            if (std::find(chosen.begin(), chosen.end(), person) != chosen.end()) continue;
            chosen.push_back(person);
            const std::size_t k = chosen.size();
            const db::Value flag = entity == 1   ? Null()
                                   : entity == 2 ? Text(k == 1 ? "S" : "N")
                                   : entity == 3 ? Text("S")
                                                 : Flag(ctx.random, 0.4);
            writer.Add({Int(entity), Int(person), flag});
        }
    }
    writer.Flush();
}

void ProfilePhotos(Context& ctx) {
    TableWriter writer(ctx.fotos, ctx.random, "fotos", {"id_pessoa", "foto1"}, {"id_pessoa"});
    for (int person : ctx.persons)
        if (ctx.random.Chance(0.15)) writer.Add({Int(person), Bytes(JpegPhoto(ctx.random))});
    writer.Flush();
}

}  // namespace

void GenerateFamilies(Context& ctx) {
    FamilyWriter(ctx).Run();
    EntityPersons(ctx);
    ProfilePhotos(ctx);
}

}  // namespace qor::sample
