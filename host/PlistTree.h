#pragma once

#include <plist/plist.h>

namespace host::libplist {

// The same values in the same order, bit for bit (a real -0.0 is not 0.0). libplist's own
// comparison ends a string at U+0000 and does not look into dictionaries and arrays.
bool sameTree(plist_t inLeft, plist_t inRight);

} // namespace host::libplist
