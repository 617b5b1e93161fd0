// Message maps in the manner of the class library: each class lists the messages it handles in a
// static table that links to its base class's table, and dispatch searches from the most derived
// class down. Entries are made by the small adapters below, which call the member functions.
#pragma once

#include <span>

#include "common/win/win_include.h"

class CCmdTarget;

using AFX_PMSG = LRESULT (*)(CCmdTarget& target, WPARAM wParam, LPARAM lParam);

struct AFX_MSGMAP_ENTRY {
    UINT message;  // WM_COMMAND for a command
    UINT id;       // the command id; 0 for other messages
    AFX_PMSG handler;
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* base;
    std::span<const AFX_MSGMAP_ENTRY> entries;
};

class CCmdTarget {
  public:
    CCmdTarget() = default;
    CCmdTarget(const CCmdTarget&) = delete;
    CCmdTarget& operator=(const CCmdTarget&) = delete;
    virtual ~CCmdTarget() = default;

    // Runs the handler of the message (of the command, for WM_COMMAND); false when there is none.
    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

  protected:
    virtual const AFX_MSGMAP* GetMessageMap() const { return &messageMap; }
    static const AFX_MSGMAP messageMap;
};

namespace afx_detail {

template <typename Member>
struct MemberClass;
template <typename Class, typename Result, typename... Args>
struct MemberClass<Result (Class::*)(Args...)> {
    using Type = Class;
};

template <auto Member>
using ClassOf = typename MemberClass<decltype(Member)>::Type;

}  // namespace afx_detail

// ON_COMMAND: void Class::Handler()
template <UINT Id, auto Handler>
constexpr AFX_MSGMAP_ENTRY OnCommandEntry() {
    return {WM_COMMAND, Id, [](CCmdTarget& target, WPARAM, LPARAM) -> LRESULT {
                (static_cast<afx_detail::ClassOf<Handler>&>(target).*Handler)();
                return 0;
            }};
}

// ON_WM_PAINT: void Class::OnPaint()
template <auto Handler>
constexpr AFX_MSGMAP_ENTRY OnPaintEntry() {
    return {WM_PAINT, 0, [](CCmdTarget& target, WPARAM, LPARAM) -> LRESULT {
                (static_cast<afx_detail::ClassOf<Handler>&>(target).*Handler)();
                return 0;
            }};
}

// ON_WM_QUERYDRAGICON: HCURSOR Class::OnQueryDragIcon()
template <auto Handler>
constexpr AFX_MSGMAP_ENTRY OnQueryDragIconEntry() {
    return {WM_QUERYDRAGICON, 0, [](CCmdTarget& target, WPARAM, LPARAM) -> LRESULT {
                return reinterpret_cast<LRESULT>(
                    (static_cast<afx_detail::ClassOf<Handler>&>(target).*Handler)());
            }};
}
