#pragma once
// The temporary columns that the preparation adds to the web database to
// carry desktop identifiers from one service to the next.

#include <string>
#include <vector>

#include "core/web_catalog.h"
#include "db/connection.h"

namespace qor {

struct TCarrier {
    std::string table;
    std::string column;
    // The finishing script drops it; the others stay after a complete run.
    bool droppedAtEnd;

    std::string Name() const { return table + "." + column; }
};

// Every column the preparation adds, in the order it adds them.
const std::vector<TCarrier>& TemporaryCarriers();

// The temporary columns the database holds now (left by a run that did not
// finish, or kept by a finished one).
std::vector<TCarrier> LeftoverCarriers(const TWebCatalog& ACatalog);

// Why a new preparation cannot run, naming the columns and the way out.
std::string LeftoverCarriersMessage(const std::vector<TCarrier>& ALeftovers);

// Drops the columns: one "alter table" per table, each committed on its own.
void DropCarriers(db::Connection& AWeb, const std::vector<TCarrier>& ACarriers);

}  // namespace qor
