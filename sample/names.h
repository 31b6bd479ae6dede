#pragma once
// Brazilian Portuguese texts for the sample: person names with accents,
// particles and the odd title, places, and the free-text notes that social
// workers type.

#include <string>

#include "random.h"

namespace qor::sample {

// A full name: one or two first names and one to three surnames, with
// particles ("da", "dos"...), sometimes a title or "Filho"/"Júnior", and
// sometimes typed in capitals. female chooses the first names.
std::string PersonName(Random& random, bool female);
// A name as typed carelessly: double blanks or a trailing blank.
std::string CarelessName(Random& random, bool female);

std::string StreetName(Random& random);
// "Rua <street>, <number>".
std::string StreetAddress(Random& random);
std::string NeighbourhoodName(Random& random);
std::string EntityName(Random& random);

// One to `sentences` sentences of a case worker's note.
std::string Note(Random& random, int sentences = 3);
// A long note, longer than 200 characters.
std::string LongNote(Random& random);

// Upper-case of a name in Portuguese (accents kept: "João" gives "JOÃO").
std::string UpperPortuguese(const std::string& text);
// The name folded to plain lower-case ASCII words, for e-mail addresses.
std::string AsciiWords(const std::string& text);

}  // namespace qor::sample
