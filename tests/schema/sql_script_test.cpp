#include <gtest/gtest.h>

#include <stdexcept>

#include "core/sql_script.h"

namespace qor {
namespace {

using Statements = std::vector<std::string>;

struct SplitCase {
    const char* name;
    const char* script;
    Statements expected;
};

class SplitScript : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitScript, GivesTheStatementsInOrder) {
    EXPECT_EQ(SplitSqlScript(GetParam().script), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SplitScript,
    ::testing::Values(
        SplitCase{"Plain", "create table a (x integer);\n\ncreate table b (y integer);\n",
                  {"create table a (x integer)", "create table b (y integer)"}},
        SplitCase{"CommentsLeftOut",
                  "-- a table; with a note\ncreate table a (x integer); /* gone; */\n",
                  {"create table a (x integer)"}},
        SplitCase{"TerminatorInsideLiteralsAndNames",
                  "insert into \"T;1\" values ('a;b', 'it''s; fine');",
                  {"insert into \"T;1\" values ('a;b', 'it''s; fine')"}},
        SplitCase{"DashesInsideALiteral", "insert into t values ('--x');", {"insert into t values ('--x')"}},
        SplitCase{"SetTermAroundATrigger",
                  "set term ^ ;\ncreate trigger t for x before insert as\nbegin\n  new.a = 1;\n  new.b = 2;\nend^\n"
                  "set term ; ^\ncreate index i on x (a);",
                  {"create trigger t for x before insert as\nbegin\n  new.a = 1;\n  new.b = 2;\nend",
                   "create index i on x (a)"}},
        SplitCase{"OnlyComments", "-- nothing\n/* at all */\n", {}}),
    [](const auto& info) { return info.param.name; });

TEST(SplitScriptErrors, NameTheLineWhereTheUnfinishedPieceBegan) {
    const std::pair<const char*, const char*> cases[] = {
        {"create table a (x integer);\ncreate table b (y integer)", "a statement starting on line 2"},
        {"select 1 from rdb$database;\ninsert into t values ('open);", "a string literal starting on line 2"},
        {"/* never closed", "a comment starting on line 1"},
    };
    for (const auto& [script, message] : cases) {
        try {
            SplitSqlScript(script);
            ADD_FAILURE() << script;
        } catch (const std::runtime_error& e) {
            EXPECT_NE(std::string(e.what()).find(message), std::string::npos) << e.what();
        }
    }
}

}  // namespace
}  // namespace qor
