#pragma once
// Statements are written with named parameters (":name"); Firebird wants "?".
// The parser splits a statement into text pieces and parameter references,
// skipping string literals, comments and quoted identifiers. In an
// "execute block" only the block's input-parameter list holds parameters:
// the ":variables" of the block body are left as they are.

#include <string>
#include <vector>

namespace qor::db {

struct ParsedStatement {
    // text[0] ref[0] text[1] ref[1] ... text[n]: text.size() == refs.size() + 1.
    std::vector<std::string> text;
    // Index into names of each reference, in order of appearance.
    std::vector<int> refs;
    // Distinct parameter names, in order of first appearance, as written.
    std::vector<std::string> names;

    // The statement with every reference replaced by "?".
    std::string Positional() const;
};

ParsedStatement ParseNamedParams(const std::string& sql);

}  // namespace qor::db
