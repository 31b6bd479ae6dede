#include "names.h"

#include <array>
#include <string_view>

#include <fmt/format.h>

namespace qor::sample {
namespace {

using Words = std::string_view;

constexpr Words kFemale[] = {
    "Maria", "Ana", "Francisca", "Antônia", "Adriana", "Juliana", "Márcia", "Fernanda", "Patrícia", "Aline",
    "Sandra", "Camila", "Amanda", "Bruna", "Jéssica", "Letícia", "Júlia", "Luciana", "Vanessa", "Mariana",
    "Gabriela", "Vitória", "Larissa", "Cláudia", "Beatriz", "Luana", "Rita", "Sônia", "Renata", "Eliane",
    "Josefa", "Raimunda", "Conceição", "Helena", "Valéria", "Cristina", "Débora", "Tânia", "Rosângela", "Lúcia",
    "Inês", "Graça", "Iracema", "Jandira", "Nádia", "Lívia", "Cecília", "Mônica", "Simone", "Thaís"};
constexpr Words kMale[] = {
    "José", "João", "Antônio", "Francisco", "Carlos", "Paulo", "Pedro", "Lucas", "Luiz", "Marcos",
    "Luís", "Gabriel", "Rafael", "Daniel", "Marcelo", "Bruno", "Eduardo", "Felipe", "Raimundo", "Rodrigo",
    "Manoel", "Mateus", "André", "Fernando", "Fábio", "Leonardo", "Gustavo", "Guilherme", "Leandro", "Tiago",
    "Anderson", "Ricardo", "Márcio", "Jorge", "Sebastião", "Alexandre", "Roberto", "Edson", "Diego", "Vítor",
    "Sérgio", "Cláudio", "Júlio", "Otávio", "Inácio", "Benedito", "Joaquim", "Caetano", "Davi", "Miguel"};
// A surname and the particle that goes before it, when it takes one.
struct Surname {
    Words name;
    Words particle;
};
constexpr Surname kSurnames[] = {
    {"Silva", "da"},      {"Santos", "dos"},    {"Oliveira", "de"},   {"Souza", "de"},        {"Rodrigues", ""},
    {"Ferreira", ""},     {"Alves", ""},        {"Pereira", ""},      {"Lima", "de"},         {"Gomes", ""},
    {"Costa", "da"},      {"Ribeiro", ""},      {"Martins", ""},      {"Carvalho", "de"},     {"Almeida", "de"},
    {"Lopes", ""},        {"Soares", ""},       {"Fernandes", ""},    {"Vieira", ""},         {"Barbosa", ""},
    {"Rocha", "da"},      {"Dias", ""},         {"Nascimento", "do"}, {"Andrade", "de"},      {"Moreira", ""},
    {"Nunes", ""},        {"Marques", ""},      {"Machado", ""},      {"Mendes", ""},         {"Freitas", "de"},
    {"Cardoso", ""},      {"Ramos", ""},        {"Gonçalves", ""},    {"Santana", ""},        {"Teixeira", ""},
    {"Araújo", "de"},     {"Conceição", "da"},  {"Pinto", ""},        {"Correia", ""},        {"Cavalcante", ""},
    {"Magalhães", ""},    {"Brandão", ""},      {"Assunção", "da"},   {"Sá", "de"},           {"Leão", ""},
    {"Simões", ""},       {"Guimarães", ""},    {"Peçanha", ""},      {"Falcão", ""},         {"Monteiro", ""},
    {"Batista", ""},      {"Xavier", ""},       {"Queiroz", "de"},    {"Antunes", ""},        {"Bezerra", ""},
    {"Câmara", ""},       {"Jesus", "de"},      {"Carmo", "do"},      {"Anjos", "dos"},       {"Assis", "de"},
    {"Paula", "de"},      {"Prado", "do"},      {"Reis", "dos"},      {"Cruz", "da"},         {"Luz", "da"}};
constexpr Words kTitles[] = {"Dr.", "Dra.", "Prof.", "Profa.", "Pastor", "Padre", "Sgt."};
constexpr Words kSuffixes[] = {"Filho", "Júnior", "Neto", "Sobrinho"};

constexpr Words kStreetNames[] = {
    "Sete de Setembro", "Floriano Peixoto", "Tiradentes", "Quinze de Novembro", "Duque de Caxias",
    "Rui Barbosa", "Santos Dumont", "Getúlio Vargas", "Nações Unidas", "Rodrigues Alves", "Marechal Deodoro",
    "Dom Pedro II", "Princesa Isabel", "Castro Alves", "Machado de Assis", "Monteiro Lobato", "Cândido Portinari",
    "Anita Garibaldi", "dos Bandeirantes", "Primeiro de Maio", "Amazonas", "Bahia", "Paraná", "das Flores",
    "dos Ipês", "das Acácias", "José Bonifácio", "Padre Anchieta", "Azarias Leite", "Engenheiro Saint Martin",
    "Gustavo Maciel", "Araújo Leite", "Júlio Prestes", "Nuno de Assis", "Cussy Júnior", "Aviador Gomes Ribeiro"};
constexpr Words kNeighbourhoodKinds[] = {"Jardim", "Vila", "Parque", "Residencial", "Núcleo Habitacional",
                                          "Conjunto Habitacional", "Chácara"};
constexpr Words kNeighbourhoodNames[] = {
    "Bela Vista", "Redentor", "Independência", "Ouro Verde", "Nicéia", "Santa Edwiges", "Falcão", "Nova Esperança",
    "São Paulo", "Cardia", "Industrial", "Aeroporto", "Esplanada", "América", "Europa", "Petrópolis", "Marambá",
    "Pagani", "Mary Dota", "Godoy", "Silvestre", "Jaraguá", "Ipiranga", "Universitário", "Santa Cândida"};
constexpr Words kEntityKinds[] = {"Associação", "Instituto", "Lar", "Casa", "Centro Comunitário", "Fundação",
                                  "Sociedade Beneficente", "Obra Social"};
constexpr Words kEntityNames[] = {"São Vicente de Paulo", "Bom Samaritano", "Esperança", "Nossa Senhora Aparecida",
                                  "Criança Feliz", "Vida Nova", "Amor Fraterno", "Santa Luzia", "Espírita Allan Kardec",
                                  "dos Idosos de Bauru", "Pestalozzi", "Irmã Dulce"};

constexpr Words kSentences[] = {
    "Família em situação de vulnerabilidade social.",
    "Orientada sobre a atualização do Cadastro Único.",
    "Encaminhada ao CREAS para acompanhamento especializado.",
    "Solicitou cesta básica; renda informal como diarista.",
    "Responsável desempregado há seis meses, recebe seguro-desemprego.",
    "Criança fora da escola; acionado o Conselho Tutelar.",
    "Idosa mora sozinha e necessita de cuidados diários.",
    "Realizada escuta qualificada; usuária relatou violência doméstica.",
    "Família inserida no PAIF.",
    "Agendada visita domiciliar para a próxima semana.",
    "Documentação pessoal incompleta: falta certidão de nascimento.",
    "Orientado quanto ao BPC e encaminhado ao INSS.",
    "Compareceu acompanhada da filha mais velha.",
    "Não compareceu ao atendimento agendado.",
    "Situação de moradia precária, casa cedida por parentes.",
    "Participa das oficinas do Serviço de Convivência.",
    "Gestante sem pré-natal; encaminhada à UBS do bairro.",
    "Pessoa em situação de rua, atendida no Centro Pop.",
};

constexpr std::string_view kLowerAccents[] = {"á", "à", "â", "ã", "é", "ê", "í", "ó", "ô", "õ", "ú", "ü", "ç"};
constexpr std::string_view kUpperAccents[] = {"Á", "À", "Â", "Ã", "É", "Ê", "Í", "Ó", "Ô", "Õ", "Ú", "Ü", "Ç"};
constexpr std::string_view kPlainAccents[] = {"a", "a", "a", "a", "e", "e", "i", "o", "o", "o", "u", "u", "c"};

std::string Join(std::string a, std::string_view b) {
    if (!a.empty()) a += ' ';
    a += b;
    return a;
}

std::string Surnames(Random& random, int count) {
    std::string out;
    for (int i = 0; i < count; ++i) {
        const Surname& surname = random.Pick(kSurnames);
        if (i > 0 && random.Chance(0.03)) out = Join(out, "e");  // "Souza e Silva"
        if (!surname.particle.empty() && random.Chance(0.6)) out = Join(out, surname.particle);
        out = Join(out, surname.name);
    }
    return out;
}

}  // namespace

std::string UpperPortuguese(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        bool replaced = false;
        for (std::size_t k = 0; k < std::size(kLowerAccents); ++k)
            if (text.compare(i, kLowerAccents[k].size(), kLowerAccents[k]) == 0) {
                out += kUpperAccents[k];
                i += kLowerAccents[k].size();
                replaced = true;
                break;
            }
        if (replaced) continue;
        const char c = text[i++];
        out += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c;
    }
    return out;
}

std::string AsciiWords(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        bool replaced = false;
        for (std::size_t k = 0; k < std::size(kLowerAccents) && !replaced; ++k)
            for (std::string_view accent : {kLowerAccents[k], kUpperAccents[k]})
                if (text.compare(i, accent.size(), accent) == 0) {
                    out += kPlainAccents[k];
                    i += accent.size();
                    replaced = true;
                    break;
                }
        if (replaced) continue;
        const char c = text[i++];
        if (c >= 'A' && c <= 'Z') out += static_cast<char>(c + 32);
        else if ((c >= 'a' && c <= 'z') || c == ' ') out += c;
    }
    return out;
}

std::string PersonName(Random& random, bool female) {
    std::string name;
    if (random.Chance(0.02)) name = random.Pick(kTitles);
    name = Join(name, random.Pick(female ? kFemale : kMale));
    if (random.Chance(0.3)) name = Join(name, random.Pick(female ? kFemale : kMale));
    name = Join(name, Surnames(random, static_cast<int>(random.Int(1, 3))));
    if (!female && random.Chance(0.05)) name = Join(name, random.Pick(kSuffixes));
    if (random.Chance(0.25)) name = UpperPortuguese(name);
    return name;
}

std::string CarelessName(Random& random, bool female) {
    std::string name = PersonName(random, female);
    const auto blank = name.find(' ');
    if (random.Chance(0.5) && blank != std::string::npos)
        return fmt::format("{}  {}", name.substr(0, blank), name.substr(blank + 1));
    return name + ' ';
}

std::string StreetName(Random& random) {
    if (random.Chance(0.6)) return std::string(random.Pick(kStreetNames));
    return PersonName(random, random.Chance(0.3));
}

std::string StreetAddress(Random& random) {
    const std::string street = StreetName(random);
    const std::string number = random.Digits(3, true);
    return fmt::format("Rua {}, {}", street, number);
}

std::string NeighbourhoodName(Random& random) {
    if (random.Chance(0.2)) return std::string(random.Pick(kNeighbourhoodNames));
    const Words kind = random.Pick(kNeighbourhoodKinds);
    return fmt::format("{} {}", kind, random.Chance(0.5) ? random.Pick(kNeighbourhoodNames) : random.Pick(kSurnames).name);
}

std::string EntityName(Random& random) {
    const Words kind = random.Pick(kEntityKinds);
    return fmt::format("{} {}", kind, random.Pick(kEntityNames));
}

std::string Note(Random& random, int sentences) {
    std::string out;
    for (int i = static_cast<int>(random.Int(1, sentences)); i > 0; --i) out = Join(out, random.Pick(kSentences));
    return out;
}

std::string LongNote(Random& random) {
    std::string out;
    while (out.size() <= 200) out = Join(out, random.Pick(kSentences));
    return out;
}

}  // namespace qor::sample
