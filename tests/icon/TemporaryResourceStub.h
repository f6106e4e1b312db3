#pragma once
// TEMPORARY, for the icon resource tests only: stands in for the module resource layer, which is
// built on another branch. Deleted when that layer is merged; the tests then run against it.
#include <vector>

#include "platform/ResEntry.h"

namespace qv::stub {

// The resources TModuleResources::Self() answers from (as its overlay) from now on.
void SetSelfResources(std::vector<ResEntry> entries);

}  // namespace qv::stub
