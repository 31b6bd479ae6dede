#include "db/statement.h"

#include <algorithm>
#include <cctype>
#include <memory>

#include <fmt/format.h>

#include "db/detail/client.h"
#include "db/detail/message.h"
#include "db/detail/text.h"

namespace qor::db {
namespace {

using detail::InputMessage;
using detail::ParamType;

// Firebird allows 255 table contexts per statement; one insert takes one.
constexpr std::size_t kMaxRowsPerBlock = 200;
// Preparing a block costs more than linearly in its parameters: wide tables
// go faster in smaller blocks (64 text columns, 20,000 rows: 11.5 s with
// 10,000 parameters a block, 4.1 s with 1,600).
constexpr std::size_t kMaxParamsPerBlock = 1600;
constexpr std::size_t kMaxBlockMessageBytes = 4 << 20;

struct StatementDeleter {
    void operator()(Firebird::IStatement* s) const {
        Firebird::CheckStatusWrapper status(detail::Master()->getStatus());
        s->free(&status);
        if (status.getState() & Firebird::IStatus::STATE_ERRORS) s->release();
        status.dispose();
    }
};
using StatementPtr = std::unique_ptr<Firebird::IStatement, StatementDeleter>;

StatementPtr Prepare(Firebird::ThrowStatusWrapper* st, Connection& c, Firebird::ITransaction* tra,
                     const std::string& sql) {
    return StatementPtr(c.Attachment()->prepare(st, tra, 0, sql.c_str(), 3,
                                                Firebird::IStatement::PREPARE_PREFETCH_METADATA));
}

std::string FirstWord(const std::string& text) {
    std::size_t p = 0;
    while (p < text.size() && std::isspace(static_cast<unsigned char>(text[p]))) ++p;
    std::size_t e = p;
    while (e < text.size() && std::isalpha(static_cast<unsigned char>(text[e]))) ++e;
    return detail::ToUpperAscii(text.substr(p, e - p));
}

bool MentionsReturning(const ParsedStatement& s) {
    for (const auto& piece : s.text)
        if (detail::ToUpperAscii(piece).find("RETURNING") != std::string::npos) return true;
    return false;
}

// A plain DML statement can run inside an execute block unchanged.
bool CanPack(const ParsedStatement& s) {
    const std::string w = FirstWord(s.text[0]);
    return !s.names.empty() && (w == "INSERT" || w == "UPDATE" || w == "DELETE") &&
           !MentionsReturning(s);
}

std::string WithoutTrailingTerminator(std::string text) {
    while (!text.empty() && (std::isspace(static_cast<unsigned char>(text.back())) || text.back() == ';'))
        text.pop_back();
    return text;
}

// "execute block (P0_0 type = ?, ...) as begin <stmt with :P0_k>; ... end"
std::string BlockText(const ParsedStatement& s, const std::vector<ParamType>& types, std::size_t rows,
                      bool utf8) {
    std::string decl, body;
    const std::string last = WithoutTrailingTerminator(s.text.back());
    for (std::size_t r = 0; r < rows; ++r) {
        for (std::size_t k = 0; k < types.size(); ++k)
            decl += fmt::format("{}P{}_{} {} = ?", decl.empty() ? "" : ", ", r, k,
                                detail::Declaration(types[k], utf8));
        body += s.text[0];
        for (std::size_t i = 0; i < s.refs.size(); ++i) {
            body += fmt::format(":P{}_{}", r, s.refs[i]);
            body += i + 1 == s.refs.size() ? last : s.text[i + 1];
        }
        body += ";\n";
    }
    return "EXECUTE BLOCK (" + decl + ") AS BEGIN\n" + body + "END";
}

std::size_t RowsPerBlock(const std::vector<ParamType>& types) {
    std::size_t row_bytes = 0;
    for (const auto& t : types) row_bytes += (t.kind == Kind::Text && !t.as_blob ? t.length + 4 : 10);
    return std::max<std::size_t>(1, std::min({kMaxRowsPerBlock, kMaxParamsPerBlock / types.size(),
                                               kMaxBlockMessageBytes / std::max<std::size_t>(1, row_bytes)}));
}

std::vector<ParamType> TypesOfOccurrences(const ParsedStatement& s, const std::vector<ParamType>& by_name) {
    std::vector<ParamType> out;
    out.reserve(s.refs.size());
    for (int ref : s.refs) out.push_back(by_name[static_cast<std::size_t>(ref)]);
    return out;
}

void CheckParamCount(const ParsedStatement& s, std::size_t given) {
    if (given != s.names.size())
        throw UsageError(fmt::format("statement takes {} parameters, {} given", s.names.size(), given));
}

}  // namespace

ResultSet Select(Connection& connection, const ParsedStatement& statement,
                 const std::vector<Value>& params) {
    CheckParamCount(statement, params.size());
    const std::string sql = statement.Positional();
    detail::Work work(connection.Attachment(), connection.ActiveTransaction());
    Firebird::ITransaction* tra = work.Transaction();
    ResultSet result = detail::Call(sql, [&](Firebird::ThrowStatusWrapper* st) {
        ResultSet rs;
        StatementPtr stmt = Prepare(st, connection, tra, sql);
        std::vector<ParamType> by_name;
        for (const Value& v : params) by_name.push_back(detail::InferType(&v, 1));
        std::unique_ptr<InputMessage> in;
        if (!statement.refs.empty()) {
            in = std::make_unique<InputMessage>(st, TypesOfOccurrences(statement, by_name), connection.IsUtf8());
            for (std::size_t i = 0; i < statement.refs.size(); ++i)
                in->Set(st, static_cast<unsigned>(i), params[static_cast<std::size_t>(statement.refs[i])],
                        connection.Attachment(), tra);
        }
        Firebird::IMessageMetadata* out = stmt->getOutputMetadata(st);
        const unsigned count = out->getCount(st);
        for (unsigned i = 0; i < count; ++i) rs.columns.emplace_back(out->getAlias(st, i));
        std::vector<unsigned char> buffer(out->getMessageLength(st));
        auto read_row = [&] {
            std::vector<Value> row;
            row.reserve(count);
            for (unsigned i = 0; i < count; ++i)
                row.push_back(detail::ReadField(st, out, i, buffer.data(), connection.Attachment(), tra));
            rs.rows.push_back(std::move(row));
        };
        try {
            if (stmt->getFlags(st) & Firebird::IStatement::FLAG_HAS_CURSOR) {
                Firebird::IResultSet* cursor = stmt->openCursor(st, tra, in ? in->Metadata() : nullptr,
                                                                in ? in->Buffer() : nullptr, out, 0);
                try {
                    while (cursor->fetchNext(st, buffer.data()) == Firebird::IStatus::RESULT_OK) read_row();
                    cursor->close(st);
                } catch (...) {
                    cursor->release();
                    throw;
                }
            } else {
                stmt->execute(st, tra, in ? in->Metadata() : nullptr, in ? in->Buffer() : nullptr,
                              count ? out : nullptr, count ? buffer.data() : nullptr);
                if (count) read_row();
            }
        } catch (...) {
            out->release();
            throw;
        }
        out->release();
        return rs;
    });
    work.Done();
    return result;
}

std::uint64_t Execute(Connection& connection, const ParsedStatement& statement,
                      const std::vector<Value>& params) {
    std::vector<std::vector<Value>> columns;
    columns.reserve(params.size());
    for (const Value& v : params) columns.push_back({v});
    return ExecuteBatch(connection, statement, columns, 1);
}

std::uint64_t ExecuteBatch(Connection& connection, const ParsedStatement& statement,
                           const std::vector<std::vector<Value>>& columns, std::size_t rows) {
    CheckParamCount(statement, columns.size());
    if (rows == 0) return 0;
    for (const auto& c : columns)
        if (c.size() < rows) throw UsageError("batch column holds fewer values than the batch has rows");

    Firebird::IAttachment* att = connection.Attachment();
    const bool utf8 = connection.IsUtf8();
    std::vector<ParamType> by_name;
    for (const auto& c : columns) by_name.push_back(detail::InferType(c.data(), rows));

    detail::Work work(att, connection.ActiveTransaction());
    Firebird::ITransaction* tra = work.Transaction();
    std::uint64_t affected = 0;

    if (rows == 1 || !CanPack(statement)) {
        const std::string sql = statement.Positional();
        detail::Call(sql, [&](Firebird::ThrowStatusWrapper* st) {
            StatementPtr stmt = Prepare(st, connection, tra, sql);
            std::unique_ptr<InputMessage> in;
            if (!statement.refs.empty())
                in = std::make_unique<InputMessage>(st, TypesOfOccurrences(statement, by_name), utf8);
            for (std::size_t r = 0; r < rows; ++r) {
                for (std::size_t i = 0; i < statement.refs.size(); ++i)
                    in->Set(st, static_cast<unsigned>(i), columns[static_cast<std::size_t>(statement.refs[i])][r],
                            att, tra);
                stmt->execute(st, tra, in ? in->Metadata() : nullptr, in ? in->Buffer() : nullptr, nullptr,
                              nullptr);
                affected += stmt->getAffectedRecords(st);
            }
        });
    } else {
        // Blocks of per_block rows share one prepared statement; the tail prepares its own.
        auto run_blocks = [&](StatementPtr stmt, std::size_t n, std::size_t first_row, std::size_t blocks) {
            detail::Call(statement.Positional(), [&](Firebird::ThrowStatusWrapper* st) {
                std::vector<ParamType> types;
                for (std::size_t i = 0; i < n; ++i) types.insert(types.end(), by_name.begin(), by_name.end());
                InputMessage in(st, types, utf8);
                const std::size_t k_count = by_name.size();
                for (std::size_t b = 0; b < blocks; ++b) {
                    const std::size_t base = first_row + b * n;
                    for (std::size_t i = 0; i < n; ++i)
                        for (std::size_t k = 0; k < k_count; ++k)
                            in.Set(st, static_cast<unsigned>(i * k_count + k), columns[k][base + i], att, tra);
                    stmt->execute(st, tra, in.Metadata(), in.Buffer(), nullptr, nullptr);
                    affected += stmt->getAffectedRecords(st);
                }
            });
        };
        auto prepare_block = [&](std::size_t n) {
            const std::string sql = BlockText(statement, by_name, n, utf8);
            return detail::Call(sql, [&](Firebird::ThrowStatusWrapper* st) { return Prepare(st, connection, tra, sql); });
        };
        // A statement that takes several table contexts (updates, subqueries)
        // fits fewer copies into one block: halve until it prepares.
        std::size_t per_block = std::min(rows, RowsPerBlock(by_name));
        StatementPtr full_block;
        for (;;) {
            try {
                full_block = prepare_block(per_block);
                break;
            } catch (const Error& e) {
                if (per_block == 1 || std::string(e.what()).find("Too many Contexts") == std::string::npos) throw;
                per_block /= 2;
            }
        }
        const std::size_t full = rows / per_block, tail = rows % per_block;
        run_blocks(std::move(full_block), per_block, 0, full);
        if (tail) run_blocks(prepare_block(tail), tail, full * per_block, 1);
    }
    work.Done();
    return affected;
}

}  // namespace qor::db
