// Work buffers of the preview filters. They run inside other programs' window procedures, so a
// buffer that cannot be had comes back empty instead of throwing, and each caller decides.
#pragma once

#include <cstddef>
#include <memory>
#include <new>

namespace qzr {

template <typename T>
std::unique_ptr<T[]> TryAllocate(std::size_t count) {
    return std::unique_ptr<T[]>(new (std::nothrow) T[count]);
}

template <typename T>
std::unique_ptr<T[]> TryAllocateZeroed(std::size_t count) {
    return std::unique_ptr<T[]>(new (std::nothrow) T[count]());
}

}  // namespace qzr
