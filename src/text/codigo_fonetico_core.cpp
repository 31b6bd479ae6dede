#include "text/codigo_fonetico_core.h"

#include <stdexcept>

#include "text/palavras.h"

namespace qor::text {
namespace {

constexpr std::size_t MaiorCombinacao = 5;
constexpr std::size_t LetrasPorPalavra = 7;

// The three sums a code is made of; each word adds its share, so the code of
// a combination of words is the code of the sum of their shares.
struct TSomas {
    uint64_t a = 0;  // randomic of the letters
    uint64_t b = 0;  // randomic of their EBCDIC codes
    uint64_t e = 0;  // randomic of the second numbering of those codes

    TSomas& operator+=(const TSomas& AOutra)
    {
        a += AOutra.a;
        b += AOutra.b;
        e += AOutra.e;
        return *this;
    }
};

bool VogalAEIOU(char c)
{
    return c == 'A' || c == 'E' || c == 'I' || c == 'O' || c == 'U';
}

bool VogalAEOU(char c)
{
    return c == 'A' || c == 'E' || c == 'O' || c == 'U';
}

bool ConsoanteFinal(char c)
{
    switch (c) {
    case 'B': case 'D': case 'F': case 'G': case 'J': case 'P': case 'K': case 'T': case 'V':
        return true;
    default:
        return false;
    }
}

// Pass 1: words starting with a vowel sound get an R; GI loses its G.
std::string PrefixarInicio(std::string_view APalavra)
{
    if (!APalavra.empty() && (APalavra[0] == 'I' || APalavra[0] == 'A' || APalavra[0] == 'U')) {
        std::string resultado = "R";
        resultado += APalavra;
        return resultado;
    }
    if (APalavra.size() > 1 && APalavra[0] == 'G' && APalavra[1] == 'I') {
        return std::string(APalavra.substr(1));
    }
    return std::string(APalavra);
}

// Pass 2: drops a final consonant + I, the I of NI/LI before a vowel and an
// R after a consonant.
std::string SimplificarSilabas(std::string_view APalavra)
{
    const std::size_t n = APalavra.size();
    std::string resultado;
    std::size_t k = 0;
    while (k < n) {
        const char c = APalavra[k];
        if (k + 2 == n && k > 0 && ConsoanteFinal(c)) {
            if (APalavra[k + 1] == 'I') {
                k += 2;
                continue;
            }
            resultado += c;
        } else if (k + 3 <= n && (c == 'N' || c == 'L') && APalavra[k + 1] == 'I' &&
                   VogalAEOU(APalavra[k + 2])) {
            resultado += c;
            resultado += APalavra[k + 2];
            k += 3;
            continue;
        } else if (!(c == 'R' && k > 0 && !VogalAEIOU(APalavra[k - 1]))) {
            resultado += c;
        }
        ++k;
    }
    return resultado;
}

// Pass 3: letters that sound alike.
void UnificarLetras(std::string& APalavra)
{
    for (char& c : APalavra) {
        switch (c) {
        case 'V': c = 'F'; break;
        case 'G': c = 'D'; break;
        case 'K': case 'X': case 'Z': c = 'S'; break;
        default: break;
        }
    }
}

TSomas SomasDaPalavra(std::string_view APalavra)
{
    std::string palavra = SimplificarSilabas(PrefixarInicio(APalavra));
    UnificarLetras(palavra);
    if (palavra.size() > LetrasPorPalavra) {
        palavra.resize(LetrasPorPalavra);
    }
    std::string ebcdic(palavra.size(), '\0');
    std::string normal(palavra.size(), '\0');
    for (std::size_t i = 0; i < palavra.size(); ++i) {
        const uint8_t codigo = TCodigoFoneticoCore::tabEbc(palavra[i]);
        ebcdic[i] = static_cast<char>(codigo);
        normal[i] = static_cast<char>(TCodigoFoneticoCore::tabNor(codigo));
    }
    return TSomas{TCodigoFoneticoCore::randomic(palavra), TCodigoFoneticoCore::randomic(ebcdic),
                  TCodigoFoneticoCore::randomic(normal)};
}

TSomas SomasDoTexto(const std::vector<std::string>& APalavras)
{
    TSomas somas;
    for (const std::string& palavra : APalavras) {
        somas += SomasDaPalavra(palavra);
    }
    return somas;
}

std::string Codigo(const TSomas& ASomas)
{
    const auto A = TCodigoFoneticoCore::fonreg(ASomas.a);
    const auto B = TCodigoFoneticoCore::fonreg(ASomas.b);
    const auto E = TCodigoFoneticoCore::fonreg(ASomas.e);
    // Bytes that all come out as 48 are replaced by other bytes of the sums.
    std::array<uint8_t, 5> c{E[2], B[1], B[2], A[1], A[2]};
    if (c[0] == 48 && c[1] == 48 && c[2] == 48) {
        c[0] = E[1];
        c[1] = B[0];
        c[2] = B[3];
    }
    if (c[3] == 48 && c[4] == 48) {
        c[3] = A[0];
        c[4] = A[3];
        if (c[3] == 48 && c[4] == 48) {
            const auto A2 = TCodigoFoneticoCore::fonreg(ASomas.b + ASomas.e);
            c[3] = A2[1];
            c[4] = A2[2];
        }
    }
    static constexpr char Hex[] = "0123456789abcdef";
    std::string codigo;
    codigo.reserve(10);
    for (uint8_t byte : c) {
        codigo += Hex[byte >> 4];
        codigo += Hex[byte & 0x0F];
    }
    return codigo;
}

std::vector<std::string> Palavras(std::string_view ATexto)
{
    const std::vector<std::string_view> cortadas = CortarPalavras(ATexto);
    return std::vector<std::string>(cortadas.begin(), cortadas.end());
}

}  // namespace

std::vector<std::string> TCodigoFoneticoCore::generateCodes(std::string_view ATexto) const
{
    std::vector<std::string> palavras = Palavras(ATexto);
    std::vector<std::string> codigos;
    if (palavras.size() > MaiorCombinacao) {
        codigos.push_back(Codigo(SomasDoTexto(palavras)));
        while (palavras.size() > MaiorCombinacao) {
            const std::size_t indice = palavras.size() / 2;
            codigos.push_back(Codigo(SomasDaPalavra(palavras[indice])));
            removeElement(palavras, indice);
        }
    }
    std::array<TSomas, MaiorCombinacao> somas;
    for (std::size_t j = 0; j < palavras.size(); ++j) {
        somas[j] = SomasDaPalavra(palavras[j]);
    }
    for (const std::vector<bool>& mascara : allPermutations()[palavras.size() - 1]) {
        TSomas combinacao;
        for (std::size_t j = 0; j < mascara.size(); ++j) {
            if (mascara[j]) {
                combinacao += somas[j];
            }
        }
        codigos.push_back(Codigo(combinacao));
    }
    return codigos;
}

std::string TCodigoFoneticoCore::randomize(std::string_view ATexto) const
{
    return Codigo(SomasDoTexto(Palavras(ATexto)));
}

uint64_t TCodigoFoneticoCore::randomic(std::string_view ACodigos)
{
    const auto s = [&](std::size_t k) {
        return static_cast<uint64_t>(static_cast<unsigned char>(ACodigos[k]));
    };
    const std::size_t m = ACodigos.size();
    if (m == 0) {
        return 0;
    }
    if (m == 1) {
        return s(0);
    }
    uint64_t v = s(0) * 256 + s(1);
    for (std::size_t k = 1; k < m - 1 && k < 256; ++k) {
        v = (v * (s(k) * 256 + s(k + 1))) >> 8;
    }
    return v;
}

std::array<uint8_t, 4> TCodigoFoneticoCore::fonreg(uint64_t AValor)
{
    return {static_cast<uint8_t>(AValor >> 24), static_cast<uint8_t>(AValor >> 16),
            static_cast<uint8_t>(AValor >> 8), static_cast<uint8_t>(AValor)};
}

uint8_t TCodigoFoneticoCore::tabEbc(char ACaractere)
{
    if (ACaractere >= '0' && ACaractere <= '9') return static_cast<uint8_t>(240 + (ACaractere - '0'));
    if (ACaractere >= 'A' && ACaractere <= 'I') return static_cast<uint8_t>(193 + (ACaractere - 'A'));
    if (ACaractere >= 'J' && ACaractere <= 'R') return static_cast<uint8_t>(209 + (ACaractere - 'J'));
    if (ACaractere >= 'S' && ACaractere <= 'Z') return static_cast<uint8_t>(226 + (ACaractere - 'S'));
    return 64;
}

uint8_t TCodigoFoneticoCore::tabNor(uint8_t ACodigoEbcdic)
{
    static constexpr uint8_t AaI[] = {19, 22, 25, 28, 17, 20, 23, 26, 29};
    static constexpr uint8_t JaR[] = {51, 54, 57, 60, 49, 52, 55, 58, 61};
    static constexpr uint8_t SaZ[] = {83, 86, 89, 92, 84, 87, 90, 93};
    if (ACodigoEbcdic >= 193 && ACodigoEbcdic <= 201) return AaI[ACodigoEbcdic - 193];
    if (ACodigoEbcdic >= 209 && ACodigoEbcdic <= 217) return JaR[ACodigoEbcdic - 209];
    if (ACodigoEbcdic >= 226 && ACodigoEbcdic <= 233) return SaZ[ACodigoEbcdic - 226];
    if (ACodigoEbcdic >= 240 && ACodigoEbcdic <= 249) return static_cast<uint8_t>(112 + (ACodigoEbcdic - 240));
    return 64;
}

TCodigoFoneticoCore::TMascaras TCodigoFoneticoCore::permutations(std::size_t ATamanho)
{
    static constexpr unsigned Potencias[] = {1, 2, 4, 8, 16, 32};
    if (ATamanho > MaiorCombinacao) {
        throw std::invalid_argument("Invalid argument. size must be <= 5");
    }
    TMascaras mascaras;
    for (unsigned k = 1; k < Potencias[ATamanho]; ++k) {
        std::vector<bool>& linha = mascaras.emplace_back(ATamanho);
        for (std::size_t j = 0; j < ATamanho; ++j) {
            linha[j] = (k & Potencias[j]) != 0;
        }
    }
    return mascaras;
}

const std::array<TCodigoFoneticoCore::TMascaras, 5>& TCodigoFoneticoCore::allPermutations()
{
    static const std::array<TMascaras, 5> todas{permutations(1), permutations(2), permutations(3),
                                                permutations(4), permutations(5)};
    return todas;
}

void TCodigoFoneticoCore::removeElement(std::vector<std::string>& ALista, std::size_t AIndice)
{
    if (AIndice >= ALista.size()) {
        throw std::out_of_range("List index is out of bounds (" + std::to_string(AIndice) + ").");
    }
    ALista.erase(ALista.begin() + static_cast<std::ptrdiff_t>(AIndice));
}

}  // namespace qor::text
