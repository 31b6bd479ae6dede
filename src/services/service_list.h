#pragma once
// The run list: the conversion services in the order a run needs them.

#include <vector>

#include "core/service.h"

namespace qor {

// Every service that exists, in run order. Later services read the web rows
// that earlier ones wrote, so the order is fixed.
const std::vector<TServiceFactory>& ServiceList();

}  // namespace qor
