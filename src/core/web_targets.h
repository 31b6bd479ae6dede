#pragma once
// What a run writes into the web database, table by table, so that a web
// database can be checked before a run: the scripts' own list here, and each
// service's list from its WebTargets().

#include <string>
#include <vector>

#include "core/service.h"
#include "core/web_catalog.h"

namespace qor {

// The web tables and columns the preparation and finishing scripts use.
const std::vector<TWebTarget>& ScriptWebTargets();

// The scripts' targets followed by those of every service of the list.
std::vector<TWebTarget> RunWebTargets(TProviderConnection& AProvider, const std::vector<TServiceFactory>& AServices);

// "table" or "table.column" for each target the catalogue lacks. The
// temporary carriers are not required: the preparation adds them.
std::vector<std::string> MissingWebTargets(const TWebCatalog& ACatalog, const std::vector<TWebTarget>& ATargets);

}  // namespace qor
