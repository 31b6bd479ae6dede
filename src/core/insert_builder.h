#pragma once
// The insert statement of a target table, composed from the target
// database's own catalogue, so a service fills only the columns it knows and
// every other column goes in as NULL (or numbered by the database).

#include <string>

#include "core/query.h"

namespace qor {

// Turns AQuery (a batch statement on the target connection) into
// "INSERT INTO <ATabela> (A, B) VALUES (:A, :B)" over every column of the
// table, or every column not fed by a generator when AIgnorePK is set.
// Returns AQuery closed, with batch size 0. Raises an error naming the table
// when the catalogue has no column for it.
TQuery& GerarInsert(TQuery& AQuery, const std::string& ATabela, bool AIgnorePK);

}  // namespace qor
