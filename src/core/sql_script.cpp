#include "core/sql_script.h"

#include <cctype>
#include <regex>
#include <stdexcept>

#include <fmt/format.h>

namespace qor {
namespace {

bool IsSpace(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }

std::string Trimmed(const std::string& s) {
    std::size_t b = 0, e = s.size();
    while (b < e && IsSpace(s[b])) ++b;
    while (e > b && IsSpace(s[e - 1])) --e;
    return s.substr(b, e - b);
}

[[noreturn]] void Unterminated(const char* what, int line) {
    throw std::runtime_error(fmt::format("SQL script: {} starting on line {} is not terminated", what, line));
}

}  // namespace

std::vector<std::string> SplitSqlScript(std::string_view script) {
    static const std::regex kSetTerm(R"(^set\s+term\s+(\S+)$)", std::regex::icase);
    std::vector<std::string> statements;
    std::string terminator = ";";
    std::string current;
    int line = 1;
    int statement_line = 0;  // line where the current statement began; 0 while none has
    std::size_t i = 0;

    auto advance = [&](std::size_t n) {
        for (std::size_t k = 0; k < n; ++k)
            if (script[i + k] == '\n') ++line;
        i += n;
    };
    auto starts = [&](std::string_view token) { return script.substr(i, token.size()) == token; };

    while (i < script.size()) {
        if (starts("--")) {
            const std::size_t end = script.find('\n', i);
            advance((end == std::string_view::npos ? script.size() : end) - i);
            continue;
        }
        if (starts("/*")) {
            const int begin = line;
            const std::size_t end = script.find("*/", i + 2);
            if (end == std::string_view::npos) Unterminated("a comment", begin);
            advance(end + 2 - i);
            current += ' ';
            continue;
        }
        if (script[i] == '\'' || script[i] == '"') {
            // A quote inside is written twice, which this loop reads as two pieces.
            const char quote = script[i];
            const int begin = line;
            const std::size_t end = script.find(quote, i + 1);
            if (end == std::string_view::npos)
                Unterminated(quote == '\'' ? "a string literal" : "a quoted name", begin);
            if (!statement_line) statement_line = begin;
            current.append(script.substr(i, end + 1 - i));
            advance(end + 1 - i);
            continue;
        }
        if (starts(terminator)) {
            advance(terminator.size());
            const std::string text = Trimmed(current);
            current.clear();
            statement_line = 0;
            if (text.empty()) continue;
            std::smatch set_term;
            if (std::regex_match(text, set_term, kSetTerm))
                terminator = set_term[1];
            else
                statements.push_back(text);
            continue;
        }
        if (!statement_line && !IsSpace(script[i])) statement_line = line;
        current += script[i];
        advance(1);
    }
    if (statement_line) Unterminated("a statement", statement_line);
    return statements;
}

}  // namespace qor
