// Password hashes as the document-flow system verifies them.

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "crypto/bcrypt.h"

namespace qor::crypto {
namespace {

bool SoAlfabetoBcrypt(const std::string& ATexto)
{
    return ATexto.find_first_not_of(
               "./ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789") ==
           std::string::npos;
}

TEST(BCrypt, HashDaConversao)
{
    const std::string h1 = TBCrypt::GenerateHash("Ab3#x9z");
    const std::string h2 = TBCrypt::GenerateHash("Ab3#x9z");
    for (const std::string& h : {h1, h2}) {
        ASSERT_EQ(h.size(), 60u) << h;
        EXPECT_EQ(h.substr(0, 7), "$2b$12$") << h;
        EXPECT_TRUE(SoAlfabetoBcrypt(h.substr(7))) << h;
        EXPECT_TRUE(TBCrypt::CompareHash("Ab3#x9z", h)) << h;
        EXPECT_FALSE(TBCrypt::CompareHash("Ab3#x9Z", h)) << h;
        EXPECT_FALSE(TBCrypt::NeedsRehash(h));
        EXPECT_TRUE(TBCrypt::NeedsRehash(h, 10));
    }
    EXPECT_NE(h1, h2);  // a fresh salt each time
}

// Published test vectors of bcrypt (OpenBSD / crypt_blowfish).
TEST(BCrypt, VetoresPublicados)
{
    EXPECT_TRUE(TBCrypt::CompareHash("U*U", "$2a$05$CCCCCCCCCCCCCCCCCCCCC.E5YPO9kmyuRGyh0XouQYb4YMJKvyOeW"));
    EXPECT_TRUE(TBCrypt::CompareHash("U*U", "$2b$05$CCCCCCCCCCCCCCCCCCCCC.E5YPO9kmyuRGyh0XouQYb4YMJKvyOeW"));
    EXPECT_TRUE(TBCrypt::CompareHash("U*U*", "$2a$05$CCCCCCCCCCCCCCCCCCCCC.VGOzA784oUp/Z0DY336zx7pLYAy0lwK"));
    EXPECT_FALSE(TBCrypt::CompareHash("U*V", "$2a$05$CCCCCCCCCCCCCCCCCCCCC.E5YPO9kmyuRGyh0XouQYb4YMJKvyOeW"));
}

TEST(BCrypt, TresVersoes)
{
    const std::pair<THashType, const char*> versoes[] = {
        {THashType::Bcrypt2b, "$2b$04$"}, {THashType::Bcrypt2y, "$2y$04$"}, {THashType::Bcrypt2a, "$2a$04$"}};
    for (const auto& [tipo, prefixo] : versoes) {
        const std::string h = TBCrypt::GenerateHash("senha", 4, tipo);
        EXPECT_EQ(h.substr(0, 7), prefixo);
        EXPECT_TRUE(TBCrypt::CompareHash("senha", h)) << h;
        EXPECT_EQ(TBCrypt::GetHashInfo(h).Type, tipo);
    }
    EXPECT_EQ(TBCrypt::GenerateHash("senha", 5).substr(0, 7), "$2a$05$");
    EXPECT_THROW(TBCrypt::GenerateHash("senha", 3, THashType::Bcrypt2b), std::invalid_argument);
    EXPECT_THROW(TBCrypt::GenerateHash("senha", 4, THashType::Unknown), std::invalid_argument);
}

TEST(BCrypt, SoOs72PrimeirosBytesContam)
{
    const std::string base(72, 'x');
    const std::string h = TBCrypt::GenerateHash(base, 4, THashType::Bcrypt2b);
    EXPECT_TRUE(TBCrypt::CompareHash(base + "tail", h));
    EXPECT_FALSE(TBCrypt::CompareHash(base.substr(1), h));
}

TEST(BCrypt, InformacoesDoHash)
{
    const THashInfo info =
        TBCrypt::GetHashInfo("$2y$05$CCCCCCCCCCCCCCCCCCCCC.E5YPO9kmyuRGyh0XouQYb4YMJKvyOeW");
    EXPECT_EQ(info.Type, THashType::Bcrypt2y);
    EXPECT_EQ(info.Cost, 5);
    EXPECT_EQ(info.Salt, "CCCCCCCCCCCCCCCCCCCCC.");
    EXPECT_EQ(info.Hash, "E5YPO9kmyuRGyh0XouQYb4YMJKvyOeW");
    EXPECT_EQ(TBCrypt::GetHashInfo("$2x$05$CCCCCCCCCCCCCCCCCCCCC.E5YPO9kmyuRGyh0XouQYb4YMJKvyOeW").Type,
              THashType::Unknown);
}

TEST(BCrypt, TextoQueNaoEhHash)
{
    const std::string valido = "$2a$05$CCCCCCCCCCCCCCCCCCCCC.E5YPO9kmyuRGyh0XouQYb4YMJKvyOeW";
    const std::string curto = valido.substr(0, 59);
    const std::string longo = valido + "W";
    EXPECT_FALSE(TBCrypt::CompareHash("U*U", curto));
    EXPECT_FALSE(TBCrypt::CompareHash("U*U", longo));
    EXPECT_FALSE(TBCrypt::CompareHash("U*U", ""));
    // right length, wrong content
    EXPECT_FALSE(TBCrypt::CompareHash("U*U", "$2x$05$CCCCCCCCCCCCCCCCCCCCC.E5YPO9kmyuRGyh0XouQYb4YMJKvyOeW"));
    EXPECT_FALSE(TBCrypt::CompareHash("U*U", "$2a$xx$CCCCCCCCCCCCCCCCCCCCC.E5YPO9kmyuRGyh0XouQYb4YMJKvyOeW"));
    EXPECT_FALSE(TBCrypt::CompareHash("U*U", "$2a$05$CCCCCCCCCCCCCCCCCCCC!.E5YPO9kmyuRGyh0XouQYb4YMJKvyOeW"));
    try {
        TBCrypt::GetHashInfo(curto);
        FAIL() << "59 characters accepted";
    } catch (const std::invalid_argument& e) {
        EXPECT_EQ(std::string(e.what()), "\n\rInvalid hash " + curto + "\n\r");
    }
    EXPECT_THROW(TBCrypt::NeedsRehash(longo), std::invalid_argument);
}

}  // namespace
}  // namespace qor::crypto
