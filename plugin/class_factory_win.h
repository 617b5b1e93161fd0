// The class factory that DllGetClassObject hands out for CLSID_OEMUI.
#pragma once

#include "com_object_win.h"
#include "common/win/win_include.h"

#include <unknwn.h>

namespace qzr::plugin {

// Signed count of LockServer locks; it has no lower bound, as the interface leaves it.
LONG LockCount();

class OemUiClassFactory final : public IClassFactory {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return count_.AddRef(); }
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* pUnkOuter, REFIID riid,
                                             void** ppv) override;
    HRESULT STDMETHODCALLTYPE LockServer(BOOL fLock) override;

private:
    ComObjectCount count_;
};

}  // namespace qzr::plugin
