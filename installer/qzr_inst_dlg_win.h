// The launcher's dialog: while it is created it starts the driver package installer, reports a
// failed start, and ends itself before it is ever shown.
#pragma once

#include "framework/afxwin_win.h"

class CQZRinstDlg : public CDialog {
  public:
    // Template 102, no parent; loads icon 128.
    CQZRinstDlg();

  protected:
    BOOL OnInitDialog() override;
    // Paints the icon while minimised; otherwise as the base dialog does.
    void OnPaint();
    HCURSOR OnQueryDragIcon();

    const AFX_MSGMAP* GetMessageMap() const override { return &messageMap; }
    static const AFX_MSGMAP messageMap;

  private:
    static const AFX_MSGMAP_ENTRY messageEntries[];

    // A shared icon from LoadIconW: the system owns it, nothing destroys it.
    HICON m_hIcon;
};
