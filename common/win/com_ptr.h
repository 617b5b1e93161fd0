// An owning COM interface pointer: releases on destruction, hands out its address for
// out-parameters after releasing what it held.
#pragma once

#include <utility>

#include "win_include.h"

#include <unknwn.h>

namespace qzr::win {

template <typename T>
class ComPtr {
public:
    ComPtr() = default;
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ComPtr(ComPtr&& other) noexcept : ptr_(other.detach()) {}
    ComPtr& operator=(ComPtr&& other) noexcept {
        if (this != &other) reset(other.detach());
        return *this;
    }
    ~ComPtr() { reset(); }

    // Takes over a reference the caller already holds.
    static ComPtr Attach(T* ptr) {
        ComPtr result;
        result.ptr_ = ptr;
        return result;
    }

    T* get() const { return ptr_; }
    T* operator->() const { return ptr_; }
    explicit operator bool() const { return ptr_ != nullptr; }

    // For functions that return a new reference through a void** out-parameter.
    void** put_void() {
        reset();
        return reinterpret_cast<void**>(&ptr_);
    }

    [[nodiscard]] T* detach() { return std::exchange(ptr_, nullptr); }

    void reset(T* ptr = nullptr) {
        if (T* old = std::exchange(ptr_, ptr)) old->Release();
    }

private:
    T* ptr_ = nullptr;
};

}  // namespace qzr::win
