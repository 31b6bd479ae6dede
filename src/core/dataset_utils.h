#pragma once
// Filling and executing batch statements.

#include <cstddef>
#include <string>
#include <vector>

#include "core/query.h"

namespace qor {

class TDataSetUtils {
public:
    // Grows the batch by AValue rows; returns the index of the first new row.
    static std::size_t IncArraySize(TQuery& AQuery, std::size_t AValue = 1);

    // Sends every batch row in order, in the transaction open at the time.
    // True when the rows affected equal the rows queued; an empty batch sends
    // nothing and is true. A database error is raised again with the message
    // AErrorHelp + CRLF + the server's message.
    static bool ExecutarArrayDML(TQuery& AQuery, const std::string& AErrorHelp);
    // Executes the batches in order, stopping at the first that is false.
    static bool ExecutarArrayDML(const std::vector<TQuery*>& AQuerys);
    // Executes only when the batch holds at least AMinArraySize rows, then
    // empties it.
    static bool ExecutarArrayDML(TQuery& AQuery, int AMinArraySize);
};

}  // namespace qor
