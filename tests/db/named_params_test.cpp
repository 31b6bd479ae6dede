#include <gtest/gtest.h>

#include "db/named_params.h"

namespace qor::db {
namespace {

struct Case {
    const char* sql;
    const char* positional;
    std::vector<std::string> names;
};

class NamedParams : public ::testing::TestWithParam<Case> {};

TEST_P(NamedParams, TurnsNamesIntoMarkers) {
    const Case& c = GetParam();
    const ParsedStatement parsed = ParseNamedParams(c.sql);
    EXPECT_EQ(parsed.Positional(), c.positional);
    EXPECT_EQ(parsed.names, c.names);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NamedParams,
    ::testing::Values(
        Case{"select 1 from rdb$database", "select 1 from rdb$database", {}},
        Case{"insert into t (a, b) values (:a, :B)", "insert into t (a, b) values (?, ?)", {"a", "B"}},
        Case{"select ':x' from t where a = :a", "select ':x' from t where a = ?", {"a"}},
        Case{"select 'it''s :x' from t where a = :a", "select 'it''s :x' from t where a = ?", {"a"}},
        Case{"select 1 -- :x\nfrom t where a = :a", "select 1 -- :x\nfrom t where a = ?", {"a"}},
        Case{"select /* :x */ 1 from t where a = :a", "select /* :x */ 1 from t where a = ?", {"a"}},
        Case{"select \"A:B\" from t where a = :a", "select \"A:B\" from t where a = ?", {"a"}},
        Case{"update t set a = :v where b = :v or c = :w", "update t set a = ? where b = ? or c = ?",
             {"v", "w"}},
        Case{"update t set a = :v where b = :V", "update t set a = ? where b = ?", {"v"}},
        Case{"execute block (p_tabela varchar(50) = :tabela)\r\nreturns (x int) as\r\n"
             "declare variable fields int;\r\nbegin\r\nselect 1 from rdb$database where :p_tabela = "
             ":fields into :x;\r\nsuspend;\r\nend;",
             "execute block (p_tabela varchar(50) = ?)\r\nreturns (x int) as\r\n"
             "declare variable fields int;\r\nbegin\r\nselect 1 from rdb$database where :p_tabela = "
             ":fields into :x;\r\nsuspend;\r\nend;",
             {"tabela"}},
        Case{"  EXECUTE BLOCK as declare variable v int; begin v = :v; end",
             "  EXECUTE BLOCK as declare variable v int; begin v = :v; end", {}},
        Case{"select a from t where b = :a_1$x", "select a from t where b = ?", {"a_1$x"}}));

}  // namespace
}  // namespace qor::db
