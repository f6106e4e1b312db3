#pragma once
// The builder's own built-in resources: the default package icon group, the default version
// block and the default banner.
#include "platform/Bytes.h"

namespace qv {

constexpr char kDefaultPackageIconResource[] = "MAINICONDEFAULT";  // icon group (type 14)
constexpr char kDefaultVersionResource[] = "VERRESBIN";           // raw data (type 10)
constexpr char kDefaultBannerResource[] = "BANNERIMAGE";          // raw data (type 10)

// The bytes of a raw data resource of the own module; throws EResNotFound when it is missing.
Bytes BuilderRawResource(const char* name);

}  // namespace qv
