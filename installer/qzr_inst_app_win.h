// The launcher's application: it starts, runs its one dialog and ends.
#pragma once

#include "framework/afxwin_win.h"

class CQZRinstApp : public CWinApp {
  public:
    CQZRinstApp() = default;

    BOOL InitInstance() override;

  protected:
    const AFX_MSGMAP* GetMessageMap() const override { return &messageMap; }
    static const AFX_MSGMAP messageMap;

  private:
    static const AFX_MSGMAP_ENTRY messageEntries[];
};
