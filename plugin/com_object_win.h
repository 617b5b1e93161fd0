// Reference counting shared by the class factory and the plug-in object: interlocked counts that
// start at 1, and a module object count that keeps the DLL loaded while any object lives.
#pragma once

#include <atomic>

#include "module_win.h"

namespace qzr::plugin {

class ComObjectCount {
public:
    ComObjectCount() { ObjectCreated(); }
    ComObjectCount(const ComObjectCount&) = delete;
    ComObjectCount& operator=(const ComObjectCount&) = delete;
    ~ComObjectCount() { ObjectDestroyed(); }

    ULONG AddRef() { return static_cast<ULONG>(++refCount_); }
    // The new count; the owner destroys itself when it reaches 0.
    ULONG Release() { return static_cast<ULONG>(--refCount_); }

private:
    std::atomic<LONG> refCount_{1};
};

}  // namespace qzr::plugin
