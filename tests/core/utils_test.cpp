#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <utility>
#include <vector>

#include "core/guid_utils.h"
#include "core/utils.h"

namespace qor {
namespace {

TEST(Utils, GerarLoginUsuario) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"Maria da Silva", "maria.silva"},
        {"João", "João"},                          // one piece: unchanged, not lower-cased
        {"Ana Maria ", "ana."},                    // the last piece is empty
        {"", ""},                                  // no name, no login
        {"JOSÉ  ÂNGELO", "josé.ângelo"},           // two spaces: an empty piece in the middle
        {" Conceição", ".conceição"},              // empty first piece
        {"ÍCARO DE SOUZA GONÇALVES", "ícaro.gonçalves"},
    };
    for (const auto& [name, login] : cases) EXPECT_EQ(TUtils::GerarLoginUsuario(name), login) << name;
}

TEST(Utils, GuidsAreUniqueUpperCaseHexOfVersion4) {
    const std::regex form("[0-9A-F]{12}4[0-9A-F]{3}[89AB][0-9A-F]{15}");
    std::set<std::string> seen;
    for (int i = 0; i < 2000; ++i) {
        const std::string guid = i % 2 ? TUtils::GetNewGUID() : TGUIDUtils::GetNewGUID();
        ASSERT_TRUE(std::regex_match(guid, form)) << guid;
        ASSERT_TRUE(seen.insert(guid).second) << "repeated " << guid;
    }
}

TEST(Utils, AuthenticityCodeIsSixteenHexDigits) {
    const std::regex form("[0-9A-F]{16}");
    std::set<std::string> seen;
    for (int i = 0; i < 200; ++i) {
        const std::string code = TGUIDUtils::GetAuthenticityCode();
        ASSERT_TRUE(std::regex_match(code, form)) << code;
        seen.insert(code);
    }
    EXPECT_EQ(seen.size(), 200u);
}

}  // namespace
}  // namespace qor
