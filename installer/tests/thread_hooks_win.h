// Hooks on the test's own thread that watch what the framework and the launcher's classes do
// with their windows, for tests that run those classes in the test's process.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "common/win/win_include.h"

namespace qzr::test {

// Every message sent to a window procedure on this thread while it lives.
class SentMessageRecorder {
  public:
    SentMessageRecorder();
    ~SentMessageRecorder();
    SentMessageRecorder(const SentMessageRecorder&) = delete;
    SentMessageRecorder& operator=(const SentMessageRecorder&) = delete;

    bool Saw(HWND window, UINT message, WPARAM wParam) const;
    int Count(HWND window, UINT message) const;

    std::vector<CWPSTRUCT> messages;

  private:
    static LRESULT CALLBACK Record(int code, WPARAM wParam, LPARAM lParam);
    HHOOK hook_;
};

// Reads each message box that opens on this thread, runs `whileShown`, then presses OK.
class MessageBoxReader {
  public:
    explicit MessageBoxReader(std::function<void(HWND box)> whileShown = {});
    ~MessageBoxReader();
    MessageBoxReader(const MessageBoxReader&) = delete;
    MessageBoxReader& operator=(const MessageBoxReader&) = delete;

    int boxes = 0;
    std::wstring caption;
    std::vector<std::wstring> texts;
    std::vector<HICON> icons;
    int buttons = 0;
    HWND owner = nullptr;

  private:
    static LRESULT CALLBACK Activated(int code, WPARAM wParam, LPARAM lParam);
    void Read(HWND box);

    std::function<void(HWND box)> whileShown_;
    HHOOK hook_;
};

}  // namespace qzr::test
