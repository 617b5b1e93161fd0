#include "message_map_win.h"

const AFX_MSGMAP CCmdTarget::messageMap{nullptr, {}};

bool CCmdTarget::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    // Menus and buttons send code 0, accelerators 1; other notifications are not commands.
    if (message == WM_COMMAND && HIWORD(wParam) > 1) return false;
    const UINT id = message == WM_COMMAND ? LOWORD(wParam) : 0;
    for (const AFX_MSGMAP* map = GetMessageMap(); map != nullptr; map = map->base) {
        for (const AFX_MSGMAP_ENTRY& entry : map->entries) {
            if (entry.message == message && entry.id == id) {
                *result = entry.handler(*this, wParam, lParam);
                return true;
            }
        }
    }
    return false;
}
