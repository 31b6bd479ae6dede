#include "text/fonetica_linhas.h"

#include <string>

#include "text/codigo_fonetico_core.h"
#include "text/fonetica.h"

namespace qor::text {

void EscreverLinhasFoneticas(std::istream& AEntrada, std::ostream& ASaida)
{
    const auto fonetica = TFonetica::New();
    const TCodigoFoneticoCore codigo;
    std::string nome;
    std::string linha;
    while (std::getline(AEntrada, nome)) {
        if (!nome.empty() && nome.back() == '\r') {
            nome.pop_back();
        }
        const std::string texto = fonetica->ObterTextoFonetico(nome);
        linha.assign(nome).append(1, '\t').append(texto).append(1, '\t');
        bool primeiro = true;
        for (const std::string& c : codigo.generateCodes(texto)) {
            if (!primeiro) {
                linha += ',';
            }
            linha += c;
            primeiro = false;
        }
        linha += '\n';
        ASaida.write(linha.data(), static_cast<std::streamsize>(linha.size()));
    }
}

}  // namespace qor::text
