#include "win_app_win.h"

#include "dialog_win.h"

namespace {

CWinApp* currentApp = nullptr;
bool controlContainerEnabled = false;

std::wstring ProgramPath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

// The position of the file name's extension dot, or npos.
std::size_t ExtensionDot(const std::wstring& path) {
    const std::size_t dot = path.find_last_of(L'.');
    const std::size_t slash = path.find_last_of(L"\\/");
    if (dot == std::wstring::npos || (slash != std::wstring::npos && dot < slash)) {
        return std::wstring::npos;
    }
    return dot;
}

}  // namespace

CWinApp::CWinApp(const wchar_t* appName) {
    const std::wstring program = ProgramPath();
    const std::size_t dot = ExtensionDot(program);
    helpFilePath_ = program.substr(0, dot) + L".HLP";
    if (appName != nullptr) {
        appName_ = appName;
    } else {
        const std::size_t slash = program.find_last_of(L"\\/");
        const std::size_t start = slash == std::wstring::npos ? 0 : slash + 1;
        appName_ = program.substr(start, dot == std::wstring::npos ? dot : dot - start);
    }
    if (currentApp == nullptr) currentApp = this;
}

CWinApp::~CWinApp() {
    if (currentApp == this) currentApp = nullptr;
}

BOOL CWinApp::InitInstance() {
    return TRUE;
}

int CWinApp::Run() {
    MSG message;
    BOOL got;
    while ((got = GetMessageW(&message, nullptr, 0, 0)) != 0 && got != -1) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    if (got == 0) exitCode_ = static_cast<int>(message.wParam);
    return ExitInstance();
}

int CWinApp::ExitInstance() {
    return exitCode_;
}

void CWinApp::OnHelp() {
    WinHelp(0, HELP_FINDER);
}

void CWinApp::WinHelp(DWORD_PTR data, UINT command) {
    ::WinHelpW(m_pMainWnd != nullptr ? m_pMainWnd->m_hWnd : nullptr, helpFilePath_.c_str(), command,
               data);
}

void CWinApp::SetRegistryKey(const wchar_t* key) {
    registryKey_ = key != nullptr ? key : L"";
}

CWinApp* AfxGetApp() {
    return currentApp;
}

CWnd* AfxGetMainWnd() {
    return currentApp != nullptr ? currentApp->m_pMainWnd : nullptr;
}

HINSTANCE AfxGetInstanceHandle() {
    return GetModuleHandleW(nullptr);
}

const wchar_t* AfxGetAppName() {
    return currentApp != nullptr ? currentApp->AppName() : nullptr;
}

void AfxEnableControlContainer() {
    controlContainerEnabled = true;
}

bool AfxControlContainerEnabled() {
    return controlContainerEnabled;
}

int AfxMessageBox(const wchar_t* text, UINT type) {
    if ((type & MB_ICONMASK) == 0) type |= MB_ICONEXCLAMATION;
    // A hidden main window (a dialog still being created) would hide the box from the taskbar
    // with it, so the box then stands on its own.
    HWND owner = nullptr;
    if (CWnd* main = AfxGetMainWnd(); main != nullptr && IsWindowVisible(main->m_hWnd)) {
        owner = main->m_hWnd;
    }
    return MessageBoxW(owner, text, AfxGetAppName(), type);
}

int AfxWinMain() {
    CWinApp* app = AfxGetApp();
    if (app == nullptr) return -1;
    if (!app->InitInstance()) return app->ExitInstance();
    return app->Run();
}
