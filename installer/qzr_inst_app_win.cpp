#include "qzr_inst_app_win.h"

#include <commctrl.h>

#include "qzr_inst_dlg_win.h"

// Help goes to the framework's own handler; the application handles nothing else.
const AFX_MSGMAP_ENTRY CQZRinstApp::messageEntries[] = {
    OnCommandEntry<ID_HELP, &CWinApp::OnHelp>(),
};
const AFX_MSGMAP CQZRinstApp::messageMap{&CWinApp::messageMap, messageEntries};

BOOL CQZRinstApp::InitInstance() {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_WIN95_CLASSES;
    InitCommonControlsEx(&controls);

    CWinApp::InitInstance();
    AfxEnableControlContainer();
    SetRegistryKey(L"Local AppWizard-Generated Applications");

    CQZRinstDlg dialog;
    m_pMainWnd = &dialog;
    // The dialog does its whole work while it is created; its result tells nothing more.
    dialog.DoModal();

    // No message loop: the program ends here.
    return FALSE;
}
