// Owners for GDI resources. A DC is given back the way it was obtained: a window's DC is released
// with its window, a created DC deleted. A selection puts the previous object back at scope end,
// so declare it after the object it selects and it is undone before that object is deleted.
#pragma once

#include "unique_handle.h"
#include "win_include.h"

namespace qzr::win {

struct MemoryDcTraits {
    using Handle = HDC;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle h) { DeleteDC(h); }
};

template <typename Object>
struct GdiObjectTraits {
    using Handle = Object;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle h) { DeleteObject(h); }
};

using MemoryDc = UniqueHandle<MemoryDcTraits>;
using UniqueBitmap = UniqueHandle<GdiObjectTraits<HBITMAP>>;

// The DC of a window's client area (GetDC), released to that window.
class WindowDc {
public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    ~WindowDc() {
        if (dc_ != nullptr) ReleaseDC(window_, dc_);
    }

    HDC get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    HWND window_;
    HDC dc_;
};

class SelectGuard {
public:
    SelectGuard(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;
    ~SelectGuard() {
        if (previous_ != nullptr && previous_ != HGDI_ERROR) SelectObject(dc_, previous_);
    }

    explicit operator bool() const { return previous_ != nullptr && previous_ != HGDI_ERROR; }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

}  // namespace qzr::win
