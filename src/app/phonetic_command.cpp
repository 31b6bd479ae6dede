#include "app/phonetic_command.h"

#include <exception>
#include <iostream>

#include "text/fonetica_linhas.h"

namespace qor::app {

int RunPhoneticCommand(std::istream& in, std::ostream& out)
{
    try {
        text::EscreverLinhasFoneticas(in, out);
    } catch (const std::exception& e) {
        std::cerr << "phonetic: " << e.what() << '\n';
        return 1;
    }
    if (in.bad()) {
        std::cerr << "phonetic: falha ao ler a entrada\n";
        return 1;
    }
    out.flush();
    if (!out) {
        std::cerr << "phonetic: falha ao escrever a saída\n";
        return 1;
    }
    return 0;
}

}  // namespace qor::app
