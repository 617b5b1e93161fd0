// The application object and the framework's global functions.
#pragma once

#include <string>

#include "message_map_win.h"

class CWnd;

// The framework's help command.
inline constexpr UINT ID_HELP = 0xE146;

class CWinApp : public CCmdTarget {
  public:
    // Without a name the title is the program file's name without its extension. The object made
    // first is the application until it is destroyed.
    explicit CWinApp(const wchar_t* appName = nullptr);
    ~CWinApp() override;

    // The base answers TRUE: the framework has nothing of its own to set up.
    virtual BOOL InitInstance();
    // The message loop, until WM_QUIT; then ExitInstance.
    virtual int Run();
    // The program's exit code: WM_QUIT's code when the loop ran, else 0.
    virtual int ExitInstance();

    // The help command: the contents of the program's help file (its path with ".HLP").
    void OnHelp();
    virtual void WinHelp(DWORD_PTR data, UINT command);

    // Names the registry key under which the program would keep settings; nothing is read or
    // written there until a program asks.
    void SetRegistryKey(const wchar_t* key);
    const wchar_t* RegistryKey() const {
        return registryKey_.empty() ? nullptr : registryKey_.c_str();
    }

    const wchar_t* AppName() const { return appName_.c_str(); }
    const wchar_t* HelpFilePath() const { return helpFilePath_.c_str(); }

    CWnd* m_pMainWnd = nullptr;

  private:
    std::wstring appName_;
    std::wstring helpFilePath_;
    std::wstring registryKey_;
    int exitCode_ = 0;
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
// The framework is linked into the program, so the program file holds every resource.
HINSTANCE AfxGetInstanceHandle();
const wchar_t* AfxGetAppName();

// Dialogs of this framework hold only window-class controls, never OLE controls: enabling the
// container records the request and changes nothing else.
void AfxEnableControlContainer();
bool AfxControlContainerEnabled();

// A message box captioned with the program's title; the exclamation icon unless `type` asks for
// another icon.
int AfxMessageBox(const wchar_t* text, UINT type = MB_OK);

// The program's start: the application's InitInstance, then its message loop if it asks for one.
int AfxWinMain();
