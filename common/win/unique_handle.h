// Owners for Windows resources: one move-only template, then one line per kind of handle.
// Closing keeps the thread's last-error code, so cleanup on a failure path cannot hide it.
#pragma once

#include <memory>
#include <utility>

#include "win_include.h"

namespace qzr::win {

template <typename Traits>
class UniqueHandle {
public:
    using Handle = typename Traits::Handle;

    UniqueHandle() = default;
    explicit UniqueHandle(Handle handle) : handle_(handle) {}
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }
    ~UniqueHandle() { reset(); }

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != Traits::Invalid(); }

    [[nodiscard]] Handle release() { return std::exchange(handle_, Traits::Invalid()); }

    void reset(Handle handle = Traits::Invalid()) {
        const Handle old = std::exchange(handle_, handle);
        if (old != Traits::Invalid()) {
            const DWORD error = GetLastError();
            Traits::Close(old);
            SetLastError(error);
        }
    }

private:
    Handle handle_ = Traits::Invalid();
};

struct KernelHandleTraits {
    using Handle = HANDLE;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle h) { CloseHandle(h); }
};

// CreateFileW reports failure as INVALID_HANDLE_VALUE, not null.
struct FileHandleTraits {
    using Handle = HANDLE;
    static Handle Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(Handle h) { CloseHandle(h); }
};

struct ModuleTraits {
    using Handle = HMODULE;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle h) { FreeLibrary(h); }
};

struct HeapTraits {
    using Handle = HANDLE;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle h) { HeapDestroy(h); }
};

// Blocks that the system allocates for us with LocalAlloc (CommandLineToArgvW, FormatMessage).
struct LocalFreeDeleter {
    void operator()(void* block) const { LocalFree(block); }
};
template <typename T>
using LocalMemory = std::unique_ptr<T, LocalFreeDeleter>;

using UniqueKernelHandle = UniqueHandle<KernelHandleTraits>;
using UniqueFile = UniqueHandle<FileHandleTraits>;
using UniqueModule = UniqueHandle<ModuleTraits>;
using UniqueHeap = UniqueHandle<HeapTraits>;

}  // namespace qzr::win
