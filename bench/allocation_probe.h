// Remembers the largest block this program asked for since the last reset, so the benchmark can
// show that loading a large picture allocates nothing sized by the whole picture.
#pragma once

#include <cstddef>

namespace qzr::bench {

void ResetLargestAllocation();
std::size_t LargestAllocation();

}  // namespace qzr::bench
