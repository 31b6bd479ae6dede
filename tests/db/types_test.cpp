#include <gtest/gtest.h>

#include "db/error.h"
#include "db/statement.h"
#include "support/test_db.h"

namespace qor::db {
namespace {

using test::TempDatabase;

class Types : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        db_ = new TempDatabase("types");
        db_->Exec({"create table t (k integer, s smallint, i integer, b bigint, n numeric(15,2), "
                   "f float, d double precision, dt date, tm time, ts timestamp, c char(3), "
                   "v varchar(50), tb blob sub_type text, bb blob sub_type binary, fl boolean, "
                   "raw varchar(10) character set none)"});
    }
    static void TearDownTestSuite() { delete db_; }

    static std::vector<Value> Row(Connection& c, int k) {
        return Select(c, ParseNamedParams("select s, i, b, n, f, d, dt, tm, ts, c, v, tb, bb, fl from t where k = :k"),
                      {Value::Int(k)})
            .rows.at(0);
    }

    static TempDatabase* db_;
};
TempDatabase* Types::db_ = nullptr;

TEST_F(Types, EveryColumnTypeRoundTrips) {
    auto c = db_->Connect();
    std::string blob(200 * 1024, '\0');
    for (std::size_t i = 0; i < blob.size(); ++i) blob[i] = static_cast<char>(i * 7 % 256);
    const std::string long_text = std::string(70000, 'x') + "ãçÉ";
    const DateTime ts = DateTime::FromParts(2024, 2, 29, 23, 59, 58, 1234);

    Execute(*c,
            ParseNamedParams("insert into t (k, s, i, b, n, f, d, dt, tm, ts, c, v, tb, bb, fl) values "
                             "(1, :s, :i, :b, :n, :f, :d, :dt, :tm, :ts, :c, :v, :tb, :bb, :fl)"),
            {Value::Int(-32768), Value::Int(2147483647), Value::Int(9007199254740993LL), Value::Decimal(-12345, 2),
             Value::Float(1.5), Value::Float(0.1), Value::Date(DateTime::FromDate(1899, 12, 30)),
             Value::Time(DateTime::FromTime(13, 14, 15, 16)), Value::Timestamp(ts), Value::Text("ã"),
             Value::Text("São João, Açaí, Érica"), Value::Text(long_text), Value::Bytes(blob), Value::Bool(true)});

    const auto r = Row(*c, 1);
    EXPECT_EQ(r[0].AsInteger(), -32768);
    EXPECT_EQ(r[1].AsInteger(), 2147483647);
    EXPECT_EQ(r[2].AsInt64(), 9007199254740993LL);
    EXPECT_EQ(r[3].AsString(), "-123.45");
    EXPECT_DOUBLE_EQ(r[3].AsFloat(), -123.45);
    EXPECT_DOUBLE_EQ(r[4].AsFloat(), 1.5);
    EXPECT_DOUBLE_EQ(r[5].AsFloat(), 0.1);
    EXPECT_EQ(r[6].AsDateTime(), DateTime{});
    EXPECT_EQ(r[7].AsDateTime(), DateTime::FromTime(13, 14, 15, 16));
    EXPECT_EQ(r[8].AsDateTime(), ts);
    EXPECT_EQ(r[9].AsString(), "ã") << "fixed-length text loses its padding";
    EXPECT_EQ(r[10].AsString(), "São João, Açaí, Érica");
    EXPECT_EQ(r[11].AsString(), long_text);
    EXPECT_EQ(r[12].RawBytes(), blob);
    EXPECT_TRUE(r[13].AsBoolean());
}

TEST_F(Types, NullReadsAsTheZeroOfEachGetter) {
    auto c = db_->Connect();
    c->ExecSQL("insert into t (k) values (2)");
    for (const Value& v : Row(*c, 2)) {
        EXPECT_TRUE(v.IsNull());
        EXPECT_EQ(v.AsString(), "");
        EXPECT_EQ(v.AsInteger(), 0);
        EXPECT_EQ(v.AsInt64(), 0);
        EXPECT_EQ(v.AsFloat(), 0.0);
        EXPECT_FALSE(v.AsBoolean());
        int y, m, d;
        v.AsDateTime().Decode(y, m, d);
        EXPECT_EQ(y * 10000 + m * 100 + d, 18991230);
    }
}

TEST_F(Types, ConnectionWithoutCharacterSetPassesBytesThrough) {
    auto raw = db_->Connect(/*utf8=*/false);
    const std::string latin1 = "S\xE3o Jo\xE3o";  // not valid UTF-8
    Execute(*raw, ParseNamedParams("insert into t (k, raw) values (3, :raw)"), {Value::Text(latin1)});
    const auto rows = Select(*raw, ParseNamedParams("select raw from t where k = 3"), {}).rows;
    EXPECT_EQ(rows.at(0).at(0).AsString(), latin1);
}

TEST(DateTimeValue, DateAndTimeAddWithCarry) {
    const DateTime d = DateTime::FromDate(2020, 12, 31);
    EXPECT_EQ((d + DateTime::FromTime(10, 30, 0)).ToIso(), "2020-12-31 10:30:00.0000");
    EXPECT_EQ((DateTime::FromParts(2020, 12, 31, 23, 0, 0) + DateTime::FromTime(2, 0, 0)).ToIso(),
              "2021-01-01 01:00:00.0000");
}

TEST(ValueConversion, TextReadsAsNumberOrFailsClearly) {
    EXPECT_EQ(Value::Text(" 42 ").AsInteger(), 42);
    EXPECT_EQ(Value::Decimal(1250, 2).AsString(), "12.50");
    EXPECT_EQ(Value::Decimal(-5, 2).AsString(), "-0.05");
    EXPECT_THROW(Value::Text("12a").AsInteger(), UsageError);
    EXPECT_THROW(Value::Int(1LL << 40).AsInteger(), UsageError);
}

}  // namespace
}  // namespace qor::db
