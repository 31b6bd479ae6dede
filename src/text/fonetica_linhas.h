#pragma once
// Phonetic text and codes of a stream of names, one UTF-8 name per line, for
// support staff and for checking the engine against other data.

#include <istream>
#include <ostream>

namespace qor::text {

// Writes "name<TAB>phonetic text<TAB>codes separated by commas" for every
// line of AEntrada. A line ending in CR LF counts without its CR.
void EscreverLinhasFoneticas(std::istream& AEntrada, std::ostream& ASaida);

}  // namespace qor::text
