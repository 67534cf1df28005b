#include "platform/win32/win32_activex.h"

// clang-format off
#include "platform/win32/win32_api.h"
#include <ole2.h>
#include <oleauto.h>
// clang-format on

namespace platform::win32 {

namespace {

// The container side of one control: its client site, in-place site and
// frame. The control holds it through SetClientSite; it lives until the
// control has let go of it.
class Site : public IOleClientSite, public IOleInPlaceSite, public IOleInPlaceFrame {
public:
    explicit Site(HWND container) : container_(container) {}

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IOleClientSite)) {
            *out = static_cast<IOleClientSite*>(this);
        } else if (IsEqualIID(iid, IID_IOleWindow) || IsEqualIID(iid, IID_IOleInPlaceSite)) {
            *out = static_cast<IOleInPlaceSite*>(this);
        } else if (IsEqualIID(iid, IID_IOleInPlaceFrame) || IsEqualIID(iid, IID_IOleInPlaceUIWindow)) {
            *out = static_cast<IOleInPlaceFrame*>(this);
        } else {
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++refs_; }
    STDMETHODIMP_(ULONG) Release() override {
        const ULONG left = --refs_;
        if (left == 0) delete this;
        return left;
    }

    // IOleClientSite
    STDMETHODIMP SaveObject() override { return E_NOTIMPL; }
    STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker** out) override {
        if (out) *out = nullptr;
        return E_NOTIMPL;
    }
    STDMETHODIMP GetContainer(IOleContainer** out) override {
        if (out) *out = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP ShowObject() override { return S_OK; }
    STDMETHODIMP OnShowWindow(BOOL) override { return S_OK; }
    STDMETHODIMP RequestNewObjectLayout() override { return E_NOTIMPL; }

    // IOleWindow (shared by the in-place site and the frame)
    STDMETHODIMP GetWindow(HWND* out) override {
        if (!out) return E_POINTER;
        *out = container_;
        return S_OK;
    }
    STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

    // IOleInPlaceSite
    STDMETHODIMP CanInPlaceActivate() override { return S_OK; }
    STDMETHODIMP OnInPlaceActivate() override { return S_OK; }
    STDMETHODIMP OnUIActivate() override { return S_OK; }
    STDMETHODIMP GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** doc, LPRECT pos, LPRECT clip,
                                  LPOLEINPLACEFRAMEINFO info) override {
        if (frame) {
            *frame = static_cast<IOleInPlaceFrame*>(this);
            AddRef();
        }
        if (doc) *doc = nullptr;
        if (pos) *pos = position_;
        if (clip) GetClientRect(container_, clip);
        if (info) {
            info->fMDIApp = FALSE;
            info->hwndFrame = container_;
            info->haccel = nullptr;
            info->cAccelEntries = 0;
        }
        return S_OK;
    }
    STDMETHODIMP Scroll(SIZE) override { return E_NOTIMPL; }
    STDMETHODIMP OnUIDeactivate(BOOL) override { return S_OK; }
    STDMETHODIMP OnInPlaceDeactivate() override { return S_OK; }
    STDMETHODIMP DiscardUndoState() override { return E_NOTIMPL; }
    STDMETHODIMP DeactivateAndUndo() override { return E_NOTIMPL; }
    STDMETHODIMP OnPosRectChange(LPCRECT rect) override {
        if (rect) position_ = *rect;
        return S_OK;
    }

    // IOleInPlaceUIWindow and IOleInPlaceFrame: the program has no menus
    // or tool bars to share.
    STDMETHODIMP GetBorder(LPRECT) override { return INPLACE_E_NOTOOLSPACE; }
    STDMETHODIMP RequestBorderSpace(LPCBORDERWIDTHS) override { return INPLACE_E_NOTOOLSPACE; }
    STDMETHODIMP SetBorderSpace(LPCBORDERWIDTHS) override { return S_OK; }
    STDMETHODIMP SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) override { return S_OK; }
    STDMETHODIMP InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) override { return E_NOTIMPL; }
    STDMETHODIMP SetMenu(HMENU, HOLEMENU, HWND) override { return S_OK; }
    STDMETHODIMP RemoveMenus(HMENU) override { return E_NOTIMPL; }
    STDMETHODIMP SetStatusText(LPCOLESTR) override { return S_OK; }
    STDMETHODIMP EnableModeless(BOOL) override { return S_OK; }
    STDMETHODIMP TranslateAccelerator(LPMSG, WORD) override { return S_FALSE; }

    void SetPosition(const RECT& rect) { position_ = rect; }

private:
    virtual ~Site() = default;
    HWND container_;
    RECT position_{0, 0, 0, 0};
    ULONG refs_ = 1;
};

class Win32ActiveXControl : public ActiveXControl {
public:
    Win32ActiveXControl(IOleObject* object, Site* site, HWND container)
        : object_(object), site_(site), container_(container) {}
    ~Win32ActiveXControl() override {
        object_->Close(OLECLOSE_NOSAVE);
        object_->SetClientSite(nullptr);
        object_->Release();
        site_->Release();
    }
    Win32ActiveXControl(const Win32ActiveXControl&) = delete;
    Win32ActiveXControl& operator=(const Win32ActiveXControl&) = delete;

    bool SetProperty(int32_t dispId, int32_t value) override {
        IDispatch* dispatch = nullptr;
        if (FAILED(object_->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch))) || !dispatch) {
            return false;
        }
        VARIANTARG arg;
        VariantInit(&arg);
        arg.vt = VT_I4;
        arg.lVal = value;
        DISPID named = DISPID_PROPERTYPUT;
        DISPPARAMS params{&arg, &named, 1, 1};
        const HRESULT hr = dispatch->Invoke(dispId, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT, &params,
                                            nullptr, nullptr, nullptr);
        dispatch->Release();
        return SUCCEEDED(hr);
    }

    void Place(int left, int top, int width, int height) override {
        const RECT position{left, top, left + width, top + height};
        site_->SetPosition(position);
        IOleInPlaceObject* inPlace = nullptr;
        if (FAILED(object_->QueryInterface(IID_IOleInPlaceObject, reinterpret_cast<void**>(&inPlace))) || !inPlace) {
            return;
        }
        RECT clip;
        GetClientRect(container_, &clip);
        inPlace->SetObjectRects(&position, &clip);
        inPlace->Release();
    }

private:
    IOleObject* object_;
    Site* site_;
    HWND container_;
};

}  // namespace

void Win32ActiveX::Initialize() {
    if (!initialized_) initialized_ = SUCCEEDED(OleInitialize(nullptr));
}

void Win32ActiveX::Uninitialize() {
    if (initialized_) OleUninitialize();
    initialized_ = false;
}

std::unique_ptr<ActiveXControl> Win32ActiveX::Create(const std::string& classId, uintptr_t containerHandle) {
    HWND container = reinterpret_cast<HWND>(containerHandle);
    wchar_t wide[64];
    if (MultiByteToWideChar(CP_ACP, 0, classId.c_str(), -1, wide, 64) == 0) return nullptr;
    CLSID clsid;
    if (FAILED(CLSIDFromString(wide, &clsid))) return nullptr;
    IOleObject* object = nullptr;
    if (FAILED(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                                reinterpret_cast<void**>(&object))) ||
        !object) {
        return nullptr;
    }
    Site* site = new Site(container);
    RECT area;
    GetClientRect(container, &area);
    site->SetPosition(area);
    if (FAILED(object->SetClientSite(static_cast<IOleClientSite*>(site)))) {
        object->Release();
        site->Release();
        return nullptr;
    }
    // From here the control owns its teardown, also when activation fails.
    auto control = std::make_unique<Win32ActiveXControl>(object, site, container);
    if (FAILED(object->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, static_cast<IOleClientSite*>(site), 0, container,
                              &area))) {
        return nullptr;
    }
    return control;
}

}  // namespace platform::win32
