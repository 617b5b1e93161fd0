// Plays the user for the modal windows a page opens from a button (file dialogs, message boxes):
// while the page's command runs their message loop, a thread timer finds each window in turn and
// answers it as planned, recording what it saw.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "common/win/win_include.h"

namespace qzr::test {

class ModalAnswerer {
  public:
    ModalAnswerer() = default;
    ModalAnswerer(const ModalAnswerer&) = delete;
    ModalAnswerer& operator=(const ModalAnswerer&) = delete;

    // Runs action (which opens the modal windows) while the answers are given; the timer is
    // stopped again before it returns, so it cannot keep other message loops busy.
    template <typename Action>
    void While(Action action) {
        Start();
        action();
        Stop();
    }

    // The next file dialog gets this name and OK; an empty name cancels it.
    void ChooseFile(const std::wstring& path);
    // The next message box (or question) is read and answered with its default button.
    void AnswerMessage();

    // What was seen, in order: for a file dialog its caption and file-type list
    // ("Name|*.EXT" entries), for a message box its text.
    struct Seen {
        bool isFileDialog;
        std::wstring text;                // the caption of a file dialog, the text of a box
        std::vector<std::wstring> types;  // the file dialog's type list as shown
    };
    std::vector<Seen> seen;

    // True when every planned answer was given.
    bool Done() const { return plan_.empty(); }

  private:
    struct Step {
        bool fileDialog;
        std::wstring path;
    };
    void Start();
    void Stop();
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
    void Look();

    std::deque<Step> plan_;
    UINT_PTR timer_ = 0;
};

}  // namespace qzr::test
