// Streets, neighbourhoods, districts, regions, care units, partner entities
// and registry offices. Descriptions repeat under different ids now and then,
// as they do in a database kept for years by many hands.

#include <fmt/format.h>

#include "context.h"
#include "documents.h"
#include "files.h"
#include "names.h"
#include "table_writer.h"

namespace qor::sample {
namespace {

void StreetTypes(Context& ctx) {
    // "Rua" and "Avenida" twice, under different ids.
    const std::pair<int, const char*> types[] = {{1, "Rua"},     {2, "Avenida"}, {3, "Travessa"}, {4, "Alameda"},
                                                 {5, "Praça"},   {6, "Estrada"}, {7, "Rodovia"},  {8, "Viela"},
                                                 {9, "Rua"},     {12, "Avenida"}};
    TableWriter writer(ctx.desktop, ctx.random, "tipo_logradouro", {"id_tipo_logradouro", "de_tipo_logradouro"},
                       {"id_tipo_logradouro", "de_tipo_logradouro"});
    for (const auto& [id, text] : types) {
        writer.Add({Int(id), Text(text)});
        ctx.street_types.push_back(id);
    }
    writer.Flush();
}

void Streets(Context& ctx) {
    TableWriter writer(ctx.desktop, ctx.random, "logradouro", {"id_logradouro", "id_tipo_logradouro", "de_logradouro"},
                       {"id_logradouro"});
    std::vector<std::string> names;
    for (int id = 1; id <= ctx.size.streets; ++id) {
        std::string name;
        int type;
        if (names.size() > 1 && (id == ctx.size.streets || ctx.random.Chance(0.05))) {
            // The same street name again, under the other "Rua".
            name = ctx.random.Pick(std::span<const std::string>(names));
            type = ctx.random.Chance(0.5) ? 1 : 9;
        } else {
            name = StreetName(ctx.random);
            const int roll = static_cast<int>(ctx.random.Int(1, 100));
            type = roll <= 45 ? 1 : roll <= 60 ? 9 : roll <= 78 ? 2 : ctx.random.Pick(std::span<const int>(ctx.street_types));
        }
        names.push_back(name);
        writer.Add({Int(id), Int(type), Text(name)});
        ctx.streets.push_back(id);
    }
    writer.Flush();
}

void Neighbourhoods(Context& ctx) {
    TableWriter writer(ctx.desktop, ctx.random, "bairro", {"id_bairro", "descricao"}, {"id_bairro"});
    for (int id = 1; id <= ctx.size.neighbourhoods; ++id) {
        std::string name;
        if (id == 1) name = "Centro";
        else if (id == ctx.size.neighbourhoods || ctx.random.Chance(0.05))
            name = ctx.random.Pick(std::span<const std::string>(ctx.neighbourhood_names));
        else name = NeighbourhoodName(ctx.random);
        ctx.neighbourhood_names.push_back(name);
        writer.Add({Int(id), Text(name)});
        ctx.neighbourhoods.push_back(id);
    }
    writer.Flush();
}

void DistrictsAndRegions(Context& ctx) {
    // "Sede" twice: districts are not made distinct by the conversion.
    const char* districts[] = {"Sede", "Tibiriçá", "Val de Palmas", "Sede"};
    TableWriter district_writer(ctx.desktop, ctx.random, "distrito", {"id_distrito", "distrito"},
                                {"id_distrito", "distrito"});
    for (int i = 0; i < 4; ++i) {
        district_writer.Add({Int(i + 1), Text(districts[i])});
        ctx.districts.push_back(i + 1);
    }
    district_writer.Flush();
    const char* regions[] = {"Região Norte", "Região Sul", "Região Leste", "Região Oeste", "Região Central"};
    TableWriter region_writer(ctx.desktop, ctx.random, "localizacao", {"id_localizacao", "localizacao"},
                              {"id_localizacao", "localizacao"});
    for (int i = 0; i < 5; ++i) {
        region_writer.Add({Int(i + 1), Text(regions[i])});
        ctx.regions.push_back(i + 1);
    }
    region_writer.Flush();
}

void Units(Context& ctx) {
    static constexpr const char* kCrasNames[] = {
        "Norte", "Sul", "Leste", "Oeste", "Centro", "Jardim Nicéia", "Vila Falcão", "Mary Dota", "Ferradura",
        "Tibiriçá", "Geisel", "Santa Luzia", "Redentor", "Vila Dutra", "Pousada da Esperança", "Nova Bauru"};
    struct Kind {
        std::string name;
        db::Value tipo;
    };
    std::vector<Kind> kinds;
    for (int i = 0; i < ctx.size.cras_units; ++i)
        kinds.push_back({fmt::format("CRAS {}", kCrasNames[i % std::size(kCrasNames)]) +
                             (i >= static_cast<int>(std::size(kCrasNames)) ? " II" : ""),
                         Text("CRAS")});
    for (int i = 0; i < ctx.size.creas_units; ++i) kinds.push_back({fmt::format("CREAS {}", i + 1), Text("CREAS")});
    kinds.push_back({"Centro Pop - Centro de Referência Especializado para População em Situação de Rua", Text("CREAS")});
    kinds.push_back({"Centro de Convivência do Idoso", Text("OUTRA")});
    kinds.push_back({"Secretaria Municipal do Bem-Estar Social", Text("OUTRA")});
    kinds.push_back({"Conselho Tutelar", Null()});
    kinds.push_back({"Casa de Passagem", Text("")});
    kinds.push_back({"Posto do Cadastro Único", Text("cras")});

    TableWriter writer(ctx.desktop, ctx.random, "unidade",
                       {"id_unidade", "nome", "endereco", "complemento", "bairro", "telefone", "flag_prontuario",
                        "responsavel", "cep", "email_unidade", "tipo", "n_identificador", "brasao", "cnpj",
                        "id_municipio", "flag_ativa"},
                       {"id_unidade", "nome", "tipo", "flag_ativa", "n_identificador"});
    int id = 0;
    for (const Kind& kind : kinds) {
        id += ctx.random.Chance(0.2) ? 2 : 1;
        const bool cras = !kind.tipo.IsNull() && kind.tipo.AsString() == "CRAS";
        const bool creas = !kind.tipo.IsNull() && kind.tipo.AsString() == "CREAS";
        ctx.units.push_back({id, cras, creas});
        if (cras) ctx.cras_units.push_back(id);
        if (creas) ctx.creas_units.push_back(id);
        const bool secretariat = kind.name.starts_with("Secretaria");
        std::string phone = kind.name == "Conselho Tutelar" ? "não possui" : Phone(ctx.random);
        std::string mail = AsciiWords(kind.name);
        for (char& c : mail)
            if (c == ' ') c = '.';
        writer.Add({Int(id), Text(kind.name), Text(StreetAddress(ctx.random)),
                    ctx.Maybe(Text(fmt::format("Sala {}", ctx.random.Int(1, 9))), 0.7),
                    Text(ctx.random.Chance(0.8) ? ctx.random.Pick(std::span<const std::string>(ctx.neighbourhood_names))
                                                : fmt::format("Jd. {}", NeighbourhoodName(ctx.random))),
                    Text(phone), Flag(ctx.random, 0.8), Text(PersonName(ctx.random, ctx.random.Chance(0.7))),
                    Text(Cep(ctx.random)), ctx.Maybe(Text(fmt::format("{}@bauru.sp.gov.br", mail.substr(0, 40))), 0.3), kind.tipo,
                    cras ? Text(ctx.random.Digits("3506003", 4)) : Null(),
                    secretariat ? Bytes(JpegPhoto(ctx.random)) : Null(), ctx.Maybe(Text(Cnpj(ctx.random)), 0.5),
                    kind.name == "Conselho Tutelar" ? Null() : Int(kHomeMunicipality),
                    kind.name == "Casa de Passagem" ? Text("N") : ctx.Maybe(Text("S"), 0.2)});
    }
    writer.Flush();
}

void Entities(Context& ctx) {
    TableWriter writer(ctx.desktop, ctx.random, "entidade",
                       {"id_entidade", "nome", "fone", "flag_exclusivo", "cd_municipio", "endereco", "complemento",
                        "id_bairro", "cep"},
                       {"id_entidade"});
    for (int id = 1; id <= ctx.size.entities; ++id) {
        const int roll = static_cast<int>(ctx.random.Int(1, 10));
        writer.Add({Int(id), Text(EntityName(ctx.random)),
                    roll == 1 ? Text("não informado") : Text(Phone(ctx.random)), Flag(ctx.random, 0.3),
                    ctx.Maybe(Int(kHomeMunicipality), 0.2),
                    roll == 2 ? Null() : Text(StreetAddress(ctx.random)),
                    ctx.Maybe(Text("Fundos"), 0.8), Int(ctx.random.Pick(std::span<const int>(ctx.neighbourhoods))),
                    Text(Cep(ctx.random))});
        ctx.entities.push_back(id);
    }
    writer.Flush();
}

void RegistryOffices(Context& ctx) {
    const std::pair<const char*, int> offices[] = {
        {"Oficial de Registro Civil das Pessoas Naturais de Bauru", kHomeMunicipality},
        {"1º Subdistrito de Registro Civil de Bauru", kHomeMunicipality},
        {"2º Subdistrito de Registro Civil de Bauru", kHomeMunicipality},
        {"Cartório de Registro Civil de Tibiriçá", 0},
        {"Cartório de Registro Civil de Recife", 2611606},
        {"Registro Civil de São Paulo - 14º Subdistrito", 3550308}};
    TableWriter writer(ctx.desktop, ctx.random, "cartorio", {"id_cartorio", "cartorio", "cd_municipio", "titular",
                                                             "substituto"},
                       {"id_cartorio", "cartorio", "cd_municipio", "titular", "substituto"});
    int id = 0;
    for (const auto& [name, municipality] : offices) {
        ++id;
        const bool holder = id % 3 != 0;  // every third office knows only its substitute
        writer.Add({Int(id), Text(name), municipality ? Int(municipality) : Null(),
                    holder ? Text(PersonName(ctx.random, ctx.random.Chance(0.5))) : Null(),
                    Text(PersonName(ctx.random, ctx.random.Chance(0.5)))});
        ctx.registry_offices.push_back(id);
        ctx.registry_office_names.push_back(name);
    }
    writer.Flush();
}

}  // namespace

void GeneratePlaces(Context& ctx) {
    StreetTypes(ctx);
    Streets(ctx);
    Neighbourhoods(ctx);
    DistrictsAndRegions(ctx);
    Units(ctx);
    Entities(ctx);
    RegistryOffices(ctx);
}

}  // namespace qor::sample
