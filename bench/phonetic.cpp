// Phonetic text and code list of 100,000 generated names, the way the
// persons service asks for them: a fresh engine per person, text first, then
// the codes. Prints names per second on the last line.

#include <chrono>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "text/fonetica.h"

namespace {

const std::vector<std::string> Nomes{
    "José", "Maria", "Ana", "João", "Antônio", "Francisco", "Carlos", "Paulo", "Pedro", "Lucas",
    "Luiz", "Marcos", "Luís", "Gabriel", "Rafael", "Daniel", "Marcelo", "Bruno", "Eduardo",
    "Felipe", "Raimundo", "Rodrigo", "Manoel", "Mateus", "André", "Fernando", "Fábio", "Leonardo",
    "Gustavo", "Guilherme", "Francisca", "Antônia", "Adriana", "Juliana", "Márcia", "Fernanda",
    "Patrícia", "Aline", "Sandra", "Camila", "Amanda", "Bruna", "Jéssica", "Letícia", "Júlia",
    "Luciana", "Vanessa", "Mariana", "Gabriela", "Vitória", "Larissa", "Cláudia", "Beatriz",
    "Conceição", "Sheila", "Thiago", "Wellington", "Kétlyn", "Yasmin", "Ísis", "Hélio", "Wagner"};
const std::vector<std::string> Sobrenomes{
    "Silva", "Santos", "Oliveira", "Souza", "Rodrigues", "Ferreira", "Alves", "Pereira", "Lima",
    "Gomes", "Costa", "Ribeiro", "Martins", "Carvalho", "Almeida", "Lopes", "Soares", "Fernandes",
    "Vieira", "Barbosa", "Rocha", "Dias", "Nascimento", "Andrade", "Moreira", "Nunes", "Marques",
    "Machado", "Mendes", "Freitas", "Cardoso", "Ramos", "Gonçalves", "Santana", "Teixeira",
    "Araújo", "Pinto", "Castro", "Magalhães", "Queiroz", "Assunção", "D'Ávila", "Müller",
    "Schmidt", "Xavier", "Chaves", "Batista", "Filho", "Júnior", "Neto", "Sobrinho"};
const std::vector<std::string> Particulas{"da", "de", "dos", "das", "e", "do"};

std::vector<std::string> GerarNomes(std::size_t AQuantidade)
{
    std::mt19937 sorteio(20240611);
    const auto um = [&](const std::vector<std::string>& ALista) -> const std::string& {
        return ALista[sorteio() % ALista.size()];
    };
    std::vector<std::string> nomes;
    nomes.reserve(AQuantidade);
    for (std::size_t i = 0; i < AQuantidade; ++i) {
        std::string nome = um(Nomes);
        const auto acrescentar = [&](const std::vector<std::string>& ALista) {
            nome += ' ';
            nome += um(ALista);
        };
        if (sorteio() % 3 == 0) {
            acrescentar(Nomes);
        }
        const unsigned sobrenomes = 1 + sorteio() % 4;
        for (unsigned s = 0; s < sobrenomes; ++s) {
            if (sorteio() % 3 == 0) {
                acrescentar(Particulas);
            }
            acrescentar(Sobrenomes);
        }
        nomes.push_back(std::move(nome));
    }
    return nomes;
}

}  // namespace

int main()
{
    const std::vector<std::string> nomes = GerarNomes(100000);
    std::size_t codigos = 0;
    const auto inicio = std::chrono::steady_clock::now();
    for (const std::string& nome : nomes) {
        const auto fonetica = qor::text::TFonetica::New();
        codigos += fonetica->ObterTextoFonetico(nome).size() > 0 ? 1 : 0;
        codigos += fonetica->ObterCodigosFoneticos(nome).size();
    }
    const std::chrono::duration<double> segundos = std::chrono::steady_clock::now() - inicio;
    std::printf("names: %zu\ncodes: %zu\nseconds: %.3f\n", nomes.size(), codigos,
                segundos.count());
    std::printf("names/s: %.0f\n", static_cast<double>(nomes.size()) / segundos.count());
    return 0;
}
