// The municipality's professionals, their logins and the units they work at.

#include <fmt/format.h>

#include "context.h"
#include "documents.h"
#include "names.h"
#include "table_writer.h"

namespace qor::sample {
namespace {

struct Role {
    const char* cargo;
    const char* council;  // format of the council number, or nullptr
};

constexpr Role kRoles[] = {
    {"Assistente Social", "CRESS {}"},      {"Assistente Social", "CRESS/SP 9ª Região {}"},
    {"Psicóloga", "CRP-06/{}"},             {"Psicólogo", "CRP 06/{}"},
    {"Advogado", "OAB/SP {}"},              {"Educadora Social", nullptr},
    {"Orientador Social", nullptr},         {"Coordenadora do CRAS", "CRESS {}"},
    {"Auxiliar Administrativo", nullptr},   {"Entrevistador do Cadastro Único", nullptr},
};

}  // namespace

void GenerateProfessionals(Context& ctx) {
    TableWriter professionals(ctx.desktop, ctx.random, "profissionais",
                              {"id_profissional", "nome", "data_nascimento", "sexo", "cd_ibge", "endereco", "bairro",
                               "complemento", "fone", "celular", "cargo", "cress", "nim", "cnpj", "rg", "cpf"},
                              {"id_profissional", "nome", "cpf", "cnpj"});
    TableWriter logins(ctx.desktop, ctx.random, "usuarios", {"id_usuario", "id_profissional", "usuario"},
                       {"id_usuario", "id_profissional"});
    TableWriter workplaces(ctx.desktop, ctx.random, "profissional_unidade", {"id_profissional", "id_unidade"},
                           {"id_profissional", "id_unidade"});
    int login_id = 0;
    for (int n = 1; n <= ctx.size.professionals; ++n) {
        const int id = n;
        const Role& role = ctx.random.Pick(kRoles);
        const bool female = ctx.random.Chance(0.75);
        const std::string name = PersonName(ctx.random, female);
        // Taxpayer numbers: mostly a CPF; a few a company's CNPJ only; one
        // neither, one a CPF of blanks.
        db::Value cpf = Text(Cpf(ctx.random)), cnpj = Null();
        if (n % 20 == 7) {
            cpf = Null();
            cnpj = Text(Cnpj(ctx.random));
        }
        if (n == 3) cpf = Null();
        if (n == 5) cpf = Text("   ");
        db::Value council = Null();
        if (role.council) council = Text(fmt::format(fmt::runtime(role.council), ctx.random.Digits(5, true)));
        else if (ctx.random.Chance(0.3)) council = Text(ctx.random.Chance(0.5) ? "" : ctx.random.Digits("Matrícula ", 4));
        professionals.Add({Int(id), Text(name), Date(ctx.random.Day(db::DateTime::FromDate(1960, 1, 1),
                                                                    db::DateTime::FromDate(1998, 12, 31))),
                           Text(female ? "F" : "M"), ctx.Maybe(Int(kHomeMunicipality), 0.2),
                           Text(StreetAddress(ctx.random)),
                           Text(ctx.random.Pick(std::span<const std::string>(ctx.neighbourhood_names))),
                           ctx.Maybe(Text(fmt::format("Apto {}", ctx.random.Int(10, 99))), 0.7), Text(Phone(ctx.random)),
                           Text(MobilePhone(ctx.random)), Text(role.cargo), council, Text(ctx.random.Digits(11)), cnpj,
                           Text(Rg(ctx.random)), cpf});
        ctx.professionals.push_back(id);

        if (ctx.random.Chance(0.7)) {
            const int count = ctx.random.Chance(0.05) ? 2 : 1;
            for (int k = 0; k < count; ++k)
                logins.Add({Int(++login_id), Int(id), Text(AsciiWords(name).substr(0, 20) + std::to_string(k))});
        }
        if (!ctx.random.Chance(0.05)) {
            const int first = ctx.AnyUnit();
            workplaces.Add({Int(id), Int(first)});
            const int second = ctx.AnyUnit();
            if (second != first && ctx.random.Chance(0.15)) workplaces.Add({Int(id), Int(second)});
        }
    }
    professionals.Flush();
    logins.Flush();
    workplaces.Flush();
}

}  // namespace qor::sample
