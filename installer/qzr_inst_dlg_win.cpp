#include "qzr_inst_dlg_win.h"

#include "launcher_system_win.h"
#include "res/resource_ids.h"

const AFX_MSGMAP_ENTRY CQZRinstDlg::messageEntries[] = {
    OnPaintEntry<&CQZRinstDlg::OnPaint>(),
    OnQueryDragIconEntry<&CQZRinstDlg::OnQueryDragIcon>(),
};
const AFX_MSGMAP CQZRinstDlg::messageMap{&CDialog::messageMap, messageEntries};

CQZRinstDlg::CQZRinstDlg()
    : CDialog(IDD_QZRINST_DIALOG),
      m_hIcon(LoadIconW(AfxGetInstanceHandle(), MAKEINTRESOURCEW(IDR_MAINFRAME))) {}

BOOL CQZRinstDlg::OnInitDialog() {
    CDialog::OnInitDialog();

    SendMessageW(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessageW(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));

    // The dialog is not shown yet: a failure message stands alone, and waits for the user.
    qzr::launcher::WindowsLauncherSystem system;
    qzr::launcher::StartDriverInstallerOrReport(system);

    EndDialog(IDOK);
    return TRUE;
}

void CQZRinstDlg::OnPaint() {
    if (!IsIconic(m_hWnd)) {
        CDialog::OnPaint();
        return;
    }
    CPaintDC dc(this);
    SendMessageW(m_hWnd, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.m_hDC), 0);
    const int iconWidth = GetSystemMetrics(SM_CXICON);
    const int iconHeight = GetSystemMetrics(SM_CYICON);
    RECT client;
    GetClientRect(m_hWnd, &client);
    const int x = (client.right - client.left - iconWidth + 1) / 2;
    const int y = (client.bottom - client.top - iconHeight + 1) / 2;
    dc.DrawIcon(x, y, m_hIcon);
}

HCURSOR CQZRinstDlg::OnQueryDragIcon() {
    return static_cast<HCURSOR>(m_hIcon);
}
