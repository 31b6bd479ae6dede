#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "core/key_index.h"

namespace qor {
namespace {

// Keys of every length from 0 to 40 bytes (inline and stored apart), some
// rows without key, enough distinct keys to grow the table several times.
std::vector<std::string> Keys() {
    std::vector<std::string> keys;
    for (int row = 0; row < 3000; ++row) {
        const int k = (row * 37) % 700;
        keys.push_back(row % 11 == 5 ? "-" : std::string(k % 41, static_cast<char>('a' + k % 26)) + std::to_string(k));
    }
    return keys;
}

TEST(KeyIndex, FindsEveryRowOfAKeyInStoredOrderAndNothingElse) {
    const std::vector<std::string> keys = Keys();
    std::map<std::string, std::vector<std::uint32_t>> expected;
    for (std::uint32_t row = 0; row < keys.size(); ++row)
        if (keys[row] != "-") expected[keys[row]].push_back(row);

    TKeyIndex index;
    index.Build(keys.size(), [&](std::size_t row, std::string& key) {
        if (keys[row] == "-") return false;
        key = keys[row];
        return true;
    });
    EXPECT_EQ(index.RowCount(), keys.size());

    std::uint32_t previous = TKeyIndex::kNone;
    for (const auto& [key, rows] : expected) {
        const std::uint32_t group = index.Find(key);
        ASSERT_NE(group, TKeyIndex::kNone) << key;
        const auto found = index.Rows(group);
        EXPECT_EQ(std::vector<std::uint32_t>(found.begin(), found.end()), rows) << key;
        // Whatever the previous group, the nearby search gives the same answer.
        EXPECT_EQ(index.FindNear(previous, key), group) << key;
        EXPECT_EQ(index.FindNear(group, key), group) << key;
        previous = group;
    }
    for (const std::string& missing : std::vector<std::string>{"-", "", "zz", std::string(40, 'a') + "x"})
        EXPECT_EQ(index.FindNear(0, missing), TKeyIndex::kNone) << missing;
}

TEST(KeyIndex, GroupsFollowTheOrderOfFirstAppearance) {
    const std::vector<std::string> keys = {"b", "b", "a", "c", "a"};
    TKeyIndex index;
    index.Build(keys.size(), [&](std::size_t row, std::string& key) {
        key = keys[row];
        return true;
    });
    EXPECT_EQ(index.Find("b"), 0u);
    EXPECT_EQ(index.FindNear(0, "a"), 1u);
    EXPECT_EQ(index.FindNear(1, "c"), 2u);
}

}  // namespace
}  // namespace qor
