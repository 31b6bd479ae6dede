#include "crypto/bcrypt.h"

#include <crypt.h>
#include <sys/random.h>

#include <cerrno>
#include <cstring>
#include <memory>
#include <stdexcept>
#include <system_error>

namespace qor::crypto {
namespace {

constexpr std::size_t TamanhoHash = 60;
constexpr std::size_t TamanhoSalt = 16;
constexpr int MenorCusto = 4;
constexpr int MaiorCusto = 31;

const char* Versao(THashType ATipo)
{
    switch (ATipo) {
    case THashType::Bcrypt2b: return "2b";
    case THashType::Bcrypt2y: return "2y";
    case THashType::Bcrypt2a: return "2a";
    case THashType::Unknown: break;
    }
    return nullptr;
}

// The salt comes from the kernel's CSPRNG.
void SortearSalt(unsigned char (&ASalt)[TamanhoSalt])
{
    std::size_t lidos = 0;
    while (lidos < TamanhoSalt) {
        const ssize_t n = getrandom(ASalt + lidos, TamanhoSalt - lidos, 0);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw std::system_error(errno, std::generic_category(),
                                    "Falha ao sortear o salt do hash de senha");
        }
        lidos += static_cast<std::size_t>(n);
    }
}

// Runs bcrypt over the password with a setting "$2b$12$<salt>"; an empty
// result when libxcrypt refuses the setting. The password copy and the
// working state are wiped afterwards.
std::string Calcular(std::string_view APassword, const char* ASetting)
{
    std::string senha(APassword);
    auto estado = std::make_unique<crypt_data>();
    const char* hash = crypt_rn(senha.c_str(), ASetting, estado.get(), sizeof(crypt_data));
    std::string resultado = hash != nullptr ? std::string(hash) : std::string();
    explicit_bzero(senha.data(), senha.size());
    explicit_bzero(estado.get(), sizeof(crypt_data));
    return resultado;
}

[[noreturn]] void HashInvalido(std::string_view AHash)
{
    throw std::invalid_argument("\n\rInvalid hash " + std::string(AHash) + "\n\r");
}

bool IguaisEmTempoConstante(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) {
        return false;
    }
    unsigned char diferenca = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        diferenca |= static_cast<unsigned char>(a[i] ^ b[i]);
    }
    return diferenca == 0;
}

}  // namespace

std::string TBCrypt::GenerateHash(std::string_view APassword)
{
    return GenerateHash(APassword, DefaultCost, THashType::Bcrypt2b);
}

std::string TBCrypt::GenerateHash(std::string_view APassword, int ACost)
{
    return GenerateHash(APassword, ACost, THashType::Bcrypt2a);
}

std::string TBCrypt::GenerateHash(std::string_view APassword, int ACost, THashType AHashType)
{
    const char* versao = Versao(AHashType);
    if (versao == nullptr) {
        throw std::invalid_argument("Tipo de hash bcrypt desconhecido");
    }
    if (ACost < MenorCusto || ACost > MaiorCusto) {
        throw std::invalid_argument("Custo de bcrypt fora de 4 a 31: " + std::to_string(ACost));
    }
    unsigned char salt[TamanhoSalt];
    SortearSalt(salt);
    const std::string prefixo = std::string("$") + versao + "$";
    char setting[CRYPT_GENSALT_OUTPUT_SIZE];
    if (crypt_gensalt_rn(prefixo.c_str(), static_cast<unsigned long>(ACost),
                         reinterpret_cast<const char*>(salt), TamanhoSalt, setting,
                         sizeof setting) == nullptr) {
        throw std::system_error(errno, std::generic_category(), "Falha ao gerar o salt bcrypt");
    }
    std::string hash = Calcular(APassword, setting);
    if (hash.size() != TamanhoHash) {
        throw std::runtime_error("Falha ao calcular o hash bcrypt");
    }
    return hash;
}

bool TBCrypt::CompareHash(std::string_view APassword, std::string_view AHash)
{
    THashInfo info;
    try {
        info = GetHashInfo(AHash);
    } catch (const std::invalid_argument&) {
        return false;
    }
    const char* versao = Versao(info.Type);
    if (versao == nullptr) {
        return false;
    }
    const std::string setting =
        std::string("$") + versao + "$" + std::string(AHash.substr(4, 2)) + "$" + info.Salt;
    const std::string novo = Calcular(APassword, setting.c_str());
    return novo.size() == TamanhoHash && IguaisEmTempoConstante(novo, AHash);
}

THashInfo TBCrypt::GetHashInfo(std::string_view AHash)
{
    if (AHash.size() != TamanhoHash) {
        HashInvalido(AHash);
    }
    const std::string_view prefixo = AHash.substr(0, 4);
    THashInfo info;
    info.Type = prefixo == "$2b$"   ? THashType::Bcrypt2b
                : prefixo == "$2y$" ? THashType::Bcrypt2y
                : prefixo == "$2a$" ? THashType::Bcrypt2a
                                    : THashType::Unknown;
    const char dezena = AHash[4];
    const char unidade = AHash[5];
    if (dezena < '0' || dezena > '9' || unidade < '0' || unidade > '9') {
        HashInvalido(AHash);
    }
    info.Cost = (dezena - '0') * 10 + (unidade - '0');
    info.Salt = std::string(AHash.substr(7, 22));
    info.Hash = std::string(AHash.substr(29, 31));
    return info;
}

bool TBCrypt::NeedsRehash(std::string_view AHash, int ACost)
{
    return GetHashInfo(AHash).Cost != ACost;
}

}  // namespace qor::crypto
