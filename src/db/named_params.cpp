#include "db/named_params.h"

#include <cctype>

#include "db/detail/text.h"

namespace qor::db {
namespace {

bool IsNameStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
bool IsNameChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '$';
}

class Parser {
public:
    explicit Parser(const std::string& sql) : sql_(sql) {}

    ParsedStatement Run() {
        result_.text.emplace_back();
        std::size_t params_end = sql_.size();
        if (StartsWithExecuteBlock()) params_end = BlockParamListEnd();
        while (pos_ < sql_.size()) {
            if (SkipLiteralOrComment()) continue;
            const char c = sql_[pos_];
            if (c == ':' && pos_ < params_end && pos_ + 1 < sql_.size() && IsNameStart(sql_[pos_ + 1])) {
                std::size_t end = pos_ + 1;
                while (end < sql_.size() && IsNameChar(sql_[end])) ++end;
                AddRef(sql_.substr(pos_ + 1, end - pos_ - 1));
                pos_ = end;
                continue;
            }
            result_.text.back() += c;
            ++pos_;
        }
        return std::move(result_);
    }

private:
    // Copies a literal, quoted identifier or comment starting at pos_ whole.
    bool SkipLiteralOrComment() {
        const char c = sql_[pos_];
        std::size_t end = pos_;
        if (c == '\'' || c == '"') {
            end = pos_ + 1;
            while (end < sql_.size()) {
                if (sql_[end] == c) {
                    if (end + 1 < sql_.size() && sql_[end + 1] == c) {
                        end += 2;  // doubled quote inside the literal
                        continue;
                    }
                    ++end;
                    break;
                }
                ++end;
            }
        } else if (c == '-' && pos_ + 1 < sql_.size() && sql_[pos_ + 1] == '-') {
            end = sql_.find('\n', pos_);
            end = end == std::string::npos ? sql_.size() : end;
        } else if (c == '/' && pos_ + 1 < sql_.size() && sql_[pos_ + 1] == '*') {
            end = sql_.find("*/", pos_ + 2);
            end = end == std::string::npos ? sql_.size() : end + 2;
        } else {
            return false;
        }
        result_.text.back().append(sql_, pos_, end - pos_);
        pos_ = end;
        return true;
    }

    void AddRef(const std::string& name) {
        int index = -1;
        for (std::size_t i = 0; i < result_.names.size(); ++i)
            if (detail::EqualsNoCase(result_.names[i], name)) index = static_cast<int>(i);
        if (index < 0) {
            index = static_cast<int>(result_.names.size());
            result_.names.push_back(name);
        }
        result_.refs.push_back(index);
        result_.text.emplace_back();
    }

    // Skips blanks and comments from p; returns the next significant position.
    std::size_t SkipBlanks(std::size_t p) const {
        for (;;) {
            while (p < sql_.size() && std::isspace(static_cast<unsigned char>(sql_[p]))) ++p;
            if (sql_.compare(p, 2, "--") == 0) {
                p = sql_.find('\n', p);
                if (p == std::string::npos) return sql_.size();
            } else if (sql_.compare(p, 2, "/*") == 0) {
                p = sql_.find("*/", p + 2);
                if (p == std::string::npos) return sql_.size();
                p += 2;
            } else {
                return p;
            }
        }
    }

    bool WordAt(std::size_t p, const char* word, std::size_t& after) const {
        std::size_t n = std::char_traits<char>::length(word);
        if (p + n > sql_.size() || !detail::EqualsNoCase(sql_.substr(p, n), word)) return false;
        if (p + n < sql_.size() && IsNameChar(sql_[p + n])) return false;
        after = p + n;
        return true;
    }

    bool StartsWithExecuteBlock() const {
        std::size_t p = SkipBlanks(0), after = 0;
        if (!WordAt(p, "execute", after)) return false;
        return WordAt(SkipBlanks(after), "block", after);
    }

    // End of the "( ... )" input list right after "execute block", or the
    // start of the body when the block takes no input.
    std::size_t BlockParamListEnd() const {
        std::size_t p = SkipBlanks(0), after = 0;
        WordAt(p, "execute", after);
        WordAt(SkipBlanks(after), "block", after);
        p = SkipBlanks(after);
        if (p >= sql_.size() || sql_[p] != '(') return p;
        int depth = 0;
        for (; p < sql_.size(); ++p) {
            const char c = sql_[p];
            if (c == '\'' || c == '"') {
                p = sql_.find(c, p + 1);
                if (p == std::string::npos) return sql_.size();
            } else if (c == '(') {
                ++depth;
            } else if (c == ')' && --depth == 0) {
                return p;
            }
        }
        return sql_.size();
    }

    const std::string& sql_;
    std::size_t pos_ = 0;
    ParsedStatement result_;
};

}  // namespace

std::string ParsedStatement::Positional() const {
    std::string out = text[0];
    for (std::size_t i = 0; i < refs.size(); ++i) {
        out += '?';
        out += text[i + 1];
    }
    return out;
}

ParsedStatement ParseNamedParams(const std::string& sql) { return Parser(sql).Run(); }

}  // namespace qor::db
