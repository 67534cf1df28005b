#include "modules/activex_common/ax_control.h"

#include <olectl.h>

#include "platform/win32/win32_platform.h"

namespace modules {

namespace {

HINSTANCE g_instance = nullptr;
LONG g_objects = 0;
LONG g_locks = 0;

// The property names of the design, for GetIDsOfNames.
struct Property {
    const wchar_t* name;
    DISPID id;
};
const Property kProperties[] = {
    {L"AutoScroll", kAutoScroll},
    {L"AutoSize", kAutoSize},
    {L"AxBorderStyle", kAxBorderStyle},
    {L"KeyPreview", kKeyPreview},
    {L"PixelsPerInch", kPixelsPerInch},
    {L"PrintScale", kPrintScale},
    {L"Scaled", kScaled},
    {L"Cursor", kCursor},
    {L"Caption", kCaption},
    {L"Color", kColor},
    {L"Font", kFont},
    {L"HandleWnd", kHandleWnd},
};

bool Published(DISPID id) {
    for (const Property& p : kProperties) {
        if (p.id == id) return id != kHandleWnd || kControlClass.hasHandleWnd;
    }
    return false;
}

bool SameName(const wchar_t* a, const wchar_t* b) {
    for (; *a && *b; ++a, ++b) {
        wchar_t x = *a, y = *b;
        if (x >= L'a' && x <= L'z') x = static_cast<wchar_t>(x - 32);
        if (y >= L'a' && y <= L'z') y = static_cast<wchar_t>(y - 32);
        if (x != y) return false;
    }
    return *a == *b;
}

// The slot of a property in TAxControl::values_.
int Slot(DISPID id) {
    if (id >= 0 && id < 16) return id;
    return 0;  // the standard properties keep no number
}

constexpr UINT kTabMessage = WM_USER + 0x51;

}  // namespace

HINSTANCE ModuleInstance() { return g_instance; }

TAxControl::TAxControl() {
    InterlockedIncrement(&g_objects);
    // The module's own platform, for the shared code it uses.
    static bool installed = false;
    if (!installed) {
        platform::win32::InstallWin32Platform();
        installed = true;
    }
    font_ = CreateFontA(-11, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                        CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, "Tahoma");
    boldFont_ = CreateFontA(-11, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                            CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, "Tahoma");
    background_ = CreateSolidBrush(RGB(192, 192, 192));
    // For a debugger: when a module comes and goes.
    OutputDebugStringA((std::string(kControlClass.name) + ": erstellt\n").c_str());
}

TAxControl::~TAxControl() {
    if (window_) DestroyWindow(window_);
    if (inPlaceSite_) inPlaceSite_->Release();
    if (clientSite_) clientSite_->Release();
    for (HBITMAP picture : pictures_) DeleteObject(picture);
    DeleteObject(font_);
    DeleteObject(boldFont_);
    DeleteObject(background_);
    InterlockedDecrement(&g_objects);
    OutputDebugStringA((std::string(kControlClass.name) + ": freigegeben\n").c_str());
}

// ---------------------------------------------------------------- IUnknown

STDMETHODIMP TAxControl::QueryInterface(REFIID iid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IOleObject)) {
        *out = static_cast<IOleObject*>(this);
    } else if (IsEqualIID(iid, IID_IOleWindow) || IsEqualIID(iid, IID_IOleInPlaceObject)) {
        *out = static_cast<IOleInPlaceObject*>(this);
    } else if (IsEqualIID(iid, IID_IOleInPlaceActiveObject)) {
        *out = static_cast<IOleInPlaceActiveObject*>(this);
    } else if (IsEqualIID(iid, IID_IDispatch)) {
        *out = static_cast<IDispatch*>(this);
    } else {
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) TAxControl::AddRef() { return ++refs_; }

STDMETHODIMP_(ULONG) TAxControl::Release() {
    const ULONG left = --refs_;
    if (left == 0) delete this;
    return left;
}

// -------------------------------------------------------------- IOleObject

STDMETHODIMP TAxControl::SetClientSite(IOleClientSite* site) {
    if (site) site->AddRef();
    if (clientSite_) clientSite_->Release();
    clientSite_ = site;
    return S_OK;
}

STDMETHODIMP TAxControl::GetClientSite(IOleClientSite** site) {
    if (!site) return E_POINTER;
    *site = clientSite_;
    if (clientSite_) clientSite_->AddRef();
    return S_OK;
}

STDMETHODIMP TAxControl::Close(DWORD) {
    InPlaceDeactivate();
    return S_OK;
}

STDMETHODIMP TAxControl::GetMoniker(DWORD, DWORD, IMoniker** out) {
    if (out) *out = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP TAxControl::GetClipboardData(DWORD, IDataObject** out) {
    if (out) *out = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP TAxControl::DoVerb(LONG verb, LPMSG, IOleClientSite* site, LONG, HWND, LPCRECT position) {
    switch (verb) {
        case OLEIVERB_INPLACEACTIVATE:
        case OLEIVERB_UIACTIVATE:
        case OLEIVERB_SHOW:
        case OLEIVERB_PRIMARY:
            break;
        case OLEIVERB_HIDE:
            if (window_) ShowWindow(window_, SW_HIDE);
            return S_OK;
        default:
            return OLEOBJ_S_INVALIDVERB;
    }
    if (window_) {
        ShowWindow(window_, SW_SHOW);
        return S_OK;
    }
    if (!site) site = clientSite_;
    if (!site) return E_UNEXPECTED;
    IOleInPlaceSite* inPlace = nullptr;
    if (FAILED(site->QueryInterface(IID_IOleInPlaceSite, reinterpret_cast<void**>(&inPlace))) || !inPlace) {
        return E_NOINTERFACE;
    }
    if (inPlace->CanInPlaceActivate() != S_OK) {
        inPlace->Release();
        return E_FAIL;
    }
    HWND parent = nullptr;
    if (FAILED(inPlace->GetWindow(&parent)) || !parent) {
        inPlace->Release();
        return E_FAIL;
    }
    inPlace->OnInPlaceActivate();
    RECT place{0, 0, 451, 400};
    IOleInPlaceFrame* frame = nullptr;
    IOleInPlaceUIWindow* document = nullptr;
    RECT sitePosition, clip;
    OLEINPLACEFRAMEINFO info{};
    info.cb = sizeof(info);
    if (SUCCEEDED(inPlace->GetWindowContext(&frame, &document, &sitePosition, &clip, &info))) {
        place = sitePosition;
        if (frame) frame->Release();
        if (document) document->Release();
    }
    if (position) place = *position;
    inPlaceSite_ = inPlace;

    static bool registered = false;
    if (!registered) {
        WNDCLASSA windowClass{};
        windowClass.style = CS_DBLCLKS;
        windowClass.lpfnWndProc = WindowProc;
        windowClass.hInstance = g_instance;
        windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
        windowClass.lpszClassName = kControlClass.windowClass;
        registered = RegisterClassA(&windowClass) != 0;
    }
    window_ = CreateWindowExA(WS_EX_CONTROLPARENT, kControlClass.windowClass, "",
                              WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, place.left, place.top,
                              place.right - place.left, place.bottom - place.top, parent, nullptr, g_instance, this);
    if (!window_) return E_FAIL;
    CreateContent(window_);
    ApplyBorder();
    ShowWindow(window_, SW_SHOW);
    return S_OK;
}

STDMETHODIMP TAxControl::EnumVerbs(IEnumOLEVERB** out) {
    if (out) *out = nullptr;
    return OLEOBJ_E_NOVERBS;
}

STDMETHODIMP TAxControl::GetUserClassID(CLSID* out) {
    if (!out) return E_POINTER;
    *out = kControlClass.clsid;
    return S_OK;
}

STDMETHODIMP TAxControl::GetUserType(DWORD, LPOLESTR* out) {
    if (out) *out = nullptr;
    return OLE_S_USEREG;
}

STDMETHODIMP TAxControl::SetExtent(DWORD aspect, SIZEL* size) {
    if (aspect != DVASPECT_CONTENT || !size) return E_INVALIDARG;
    extent_ = *size;
    return S_OK;
}

STDMETHODIMP TAxControl::GetExtent(DWORD aspect, SIZEL* size) {
    if (aspect != DVASPECT_CONTENT || !size) return E_INVALIDARG;
    *size = extent_;
    return S_OK;
}

STDMETHODIMP TAxControl::Advise(IAdviseSink*, DWORD* connection) {
    if (connection) *connection = 0;
    return E_NOTIMPL;
}

STDMETHODIMP TAxControl::EnumAdvise(IEnumSTATDATA** out) {
    if (out) *out = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP TAxControl::GetMiscStatus(DWORD, DWORD* status) {
    if (!status) return E_POINTER;
    *status = OLEMISC_RECOMPOSEONRESIZE | OLEMISC_CANTLINKINSIDE | OLEMISC_INSIDEOUT | OLEMISC_ACTIVATEWHENVISIBLE |
              OLEMISC_SETCLIENTSITEFIRST;
    return S_OK;
}

// ------------------------------------------------------- in-place objects

STDMETHODIMP TAxControl::GetWindow(HWND* out) {
    if (!out) return E_POINTER;
    *out = window_;
    return window_ ? S_OK : E_FAIL;
}

STDMETHODIMP TAxControl::InPlaceDeactivate() {
    if (window_) {
        DestroyWindow(window_);
        window_ = nullptr;
    }
    if (inPlaceSite_) {
        inPlaceSite_->OnInPlaceDeactivate();
        inPlaceSite_->Release();
        inPlaceSite_ = nullptr;
    }
    return S_OK;
}

STDMETHODIMP TAxControl::SetObjectRects(LPCRECT position, LPCRECT) {
    if (!position) return E_INVALIDARG;
    // The container's window clips what lies beyond its client area.
    if (window_) {
        MoveWindow(window_, position->left, position->top, position->right - position->left,
                   position->bottom - position->top, TRUE);
    }
    return S_OK;
}

STDMETHODIMP TAxControl::TranslateAccelerator(LPMSG message) {
    if (!message || !window_ || message->message != WM_KEYDOWN || message->wParam != VK_TAB) return S_FALSE;
    if (!IsChild(window_, message->hwnd)) return S_FALSE;
    return MoveFocus(message->hwnd, GetKeyState(VK_SHIFT) < 0) ? S_OK : S_FALSE;
}

// ---------------------------------------------------------------- IDispatch

STDMETHODIMP TAxControl::GetTypeInfoCount(UINT* count) {
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
}

STDMETHODIMP TAxControl::GetTypeInfo(UINT, LCID, ITypeInfo** out) {
    if (out) *out = nullptr;
    return DISP_E_BADINDEX;
}

STDMETHODIMP TAxControl::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
    if (!names || !ids) return E_POINTER;
    HRESULT result = S_OK;
    for (UINT i = 0; i < count; ++i) {
        ids[i] = DISPID_UNKNOWN;
        for (const Property& p : kProperties) {
            if (i == 0 && Published(p.id) && SameName(names[i], p.name)) ids[i] = p.id;
        }
        if (ids[i] == DISPID_UNKNOWN) result = DISP_E_UNKNOWNNAME;
    }
    return result;
}

STDMETHODIMP TAxControl::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO*,
                                UINT* argError) {
    if (!Published(id)) return DISP_E_MEMBERNOTFOUND;
    if (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) {
        if (!params || params->cArgs != 1) return DISP_E_BADPARAMCOUNT;
        VARIANTARG& given = params->rgvarg[0];
        // Caption and Font are taken as they come; the module keeps its
        // own texts and the program's font.
        if (id == kCaption || id == kFont) return S_OK;
        VARIANT number;
        VariantInit(&number);
        if (FAILED(VariantChangeType(&number, &given, 0, VT_I4))) {
            if (argError) *argError = 0;
            return DISP_E_TYPEMISMATCH;
        }
        if (id == kColor) {
            color_ = number.lVal;
        } else if (id == kHandleWnd) {
            handleWnd_ = reinterpret_cast<HWND>(static_cast<LONG_PTR>(number.lVal));
        } else {
            values_[Slot(id)] = number.lVal;
            if (id == kAxBorderStyle) ApplyBorder();
        }
        return S_OK;
    }
    if (flags & DISPATCH_PROPERTYGET) {
        if (!result) return E_POINTER;
        VariantInit(result);
        if (id == kCaption || id == kFont) return DISP_E_MEMBERNOTFOUND;
        result->vt = VT_I4;
        result->lVal = id == kColor       ? color_
                       : id == kHandleWnd ? static_cast<LONG>(reinterpret_cast<LONG_PTR>(handleWnd_))
                                          : values_[Slot(id)];
        return S_OK;
    }
    return DISP_E_MEMBERNOTFOUND;
}

// ------------------------------------------------------------- the window

HWND TAxControl::OwnerWindow() const {
    if (handleWnd_ && IsWindow(handleWnd_)) return handleWnd_;
    HWND top = window_;
    while (top && (GetWindowLongA(top, GWL_STYLE) & WS_CHILD)) top = GetParent(top);
    return top;
}

// AxBorderStyle 0 is none, any other a sunken edge.
void TAxControl::ApplyBorder() {
    if (!window_) return;
    LONG exStyle = GetWindowLongA(window_, GWL_EXSTYLE);
    exStyle = values_[kAxBorderStyle] ? exStyle | WS_EX_CLIENTEDGE : exStyle & ~WS_EX_CLIENTEDGE;
    SetWindowLongA(window_, GWL_EXSTYLE, exStyle);
    SetWindowPos(window_, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
}

HWND TAxControl::MakeChild(const char* className, const char* text, DWORD style, int x, int y, int width, int height,
                           int id, bool bold) {
    HWND child = CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height, window_,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), g_instance, nullptr);
    if (!child) return nullptr;
    SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(bold ? boldFont_ : font_), FALSE);
    if (style & WS_TABSTOP) {
        // The program's message loop knows no dialog manager: the module's
        // controls move the focus on Tab themselves.
        SetPropA(child, "QwAxOldProc", reinterpret_cast<HANDLE>(GetWindowLongPtrA(child, GWLP_WNDPROC)));
        SetWindowLongPtrA(child, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ChildProc));
    }
    return child;
}

HWND TAxControl::MakePicture(const char* resource, int x, int y) {
    HBITMAP picture = static_cast<HBITMAP>(LoadImageA(g_instance, resource, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (!picture) return nullptr;
    // The pictures' key colour, magenta, takes the silver of the page.
    DIBSECTION dib;
    if (GetObjectA(picture, sizeof dib, &dib) == sizeof dib && dib.dsBm.bmBitsPixel == 24 && dib.dsBm.bmBits) {
        auto* bits = static_cast<BYTE*>(dib.dsBm.bmBits);
        for (LONG row = 0; row < dib.dsBm.bmHeight; ++row) {
            BYTE* pixel = bits + row * dib.dsBm.bmWidthBytes;
            for (LONG x = 0; x < dib.dsBm.bmWidth; ++x, pixel += 3) {
                if (pixel[0] == 255 && pixel[1] == 0 && pixel[2] == 255) pixel[0] = pixel[1] = pixel[2] = 192;
            }
        }
    }
    pictures_.push_back(picture);
    HWND child = MakeChild("STATIC", "", SS_BITMAP, x, y, 0, 0, 0);
    if (child) SendMessageA(child, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture));
    return child;
}

bool TAxControl::MoveFocus(HWND from, bool back) {
    HWND next = GetNextDlgTabItem(window_, from, back ? TRUE : FALSE);
    if (!next || next == from) return false;
    SetFocus(next);
    return true;
}

LRESULT CALLBACK TAxControl::ChildProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto previous = reinterpret_cast<WNDPROC>(GetPropA(window, "QwAxOldProc"));
    if (message == WM_KEYDOWN && wParam == VK_TAB) {
        SendMessageA(GetParent(window), kTabMessage, reinterpret_cast<WPARAM>(window), GetKeyState(VK_SHIFT) < 0);
        return 0;
    }
    if (message == WM_CHAR && wParam == '\t') return 0;
    if (message == WM_LBUTTONDOWN)
        SendMessageA(GetParent(window), kChildClick, reinterpret_cast<WPARAM>(window), lParam);
    if (message == WM_GETDLGCODE) return CallWindowProcA(previous, window, message, wParam, lParam) | DLGC_WANTTAB;
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
        RemovePropA(window, "QwAxOldProc");
    }
    return CallWindowProcA(previous, window, message, wParam, lParam);
}

LRESULT CALLBACK TAxControl::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<TAxControl*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self && self->window_ == window) {
        LRESULT result = 0;
        if (message == kTabMessage) {
            self->MoveFocus(reinterpret_cast<HWND>(wParam), lParam != 0);
            return 0;
        }
        if (self->OnMessage(message, wParam, lParam, result)) return result;
        switch (message) {
            case WM_ERASEBKGND: {
                RECT area;
                GetClientRect(window, &area);
                FillRect(reinterpret_cast<HDC>(wParam), &area, self->background_);
                return 1;
            }
            case WM_CTLCOLORSTATIC:
            case WM_CTLCOLORBTN:
                SetBkColor(reinterpret_cast<HDC>(wParam), RGB(192, 192, 192));
                return reinterpret_cast<LRESULT>(self->background_);
            case WM_MOUSEACTIVATE:
                return MA_ACTIVATE;
            default:
                break;
        }
    }
    if (message == WM_NCDESTROY) SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    return DefWindowProcA(window, message, wParam, lParam);
}

// ------------------------------------------------------------ class factory

namespace {

class ClassFactory : public IClassFactory {
public:
    STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, IID_IClassFactory)) return E_NOINTERFACE;
        *out = static_cast<IClassFactory*>(this);
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return InterlockedIncrement(&g_locks); }
    STDMETHODIMP_(ULONG) Release() override { return InterlockedDecrement(&g_locks); }
    STDMETHODIMP CreateInstance(IUnknown* outer, REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (outer) return CLASS_E_NOAGGREGATION;
        TAxControl* control = kControlClass.create();
        if (!control) return E_OUTOFMEMORY;
        const HRESULT hr = control->QueryInterface(iid, out);
        control->Release();
        return hr;
    }
    STDMETHODIMP LockServer(BOOL lock) override {
        if (lock) {
            InterlockedIncrement(&g_locks);
        } else {
            InterlockedDecrement(&g_locks);
        }
        return S_OK;
    }
};

ClassFactory g_factory;

std::string ClsidKey() { return std::string("CLSID\\") + kControlClass.clsidText; }

bool SetText(const std::string& path, const char* name, const std::string& text) {
    auto key = platform::Get().registry().OpenKey(platform::RootKey::ClassesRoot, path, true);
    return key && key->SetValue(name, platform::ValueType::Sz, platform::SzData(text));
}

}  // namespace

}  // namespace modules

using modules::g_instance;

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        g_instance = instance;
        DisableThreadLibraryCalls(instance);
    }
    return TRUE;
}

extern "C" __declspec(dllexport) HRESULT WINAPI DllGetClassObject(REFCLSID clsid, REFIID iid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (!IsEqualCLSID(clsid, modules::kControlClass.clsid)) return CLASS_E_CLASSNOTAVAILABLE;
    return modules::g_factory.QueryInterface(iid, out);
}

extern "C" __declspec(dllexport) HRESULT WINAPI DllCanUnloadNow() {
    return modules::g_objects == 0 && modules::g_locks == 0 ? S_OK : S_FALSE;
}

extern "C" __declspec(dllexport) HRESULT WINAPI DllRegisterServer() {
    using modules::kControlClass;
    platform::win32::InstallWin32Platform();
    char path[MAX_PATH + 1];
    const DWORD length = GetModuleFileNameA(g_instance, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return SELFREG_E_CLASS;
    path[length] = '\0';
    const std::string key = modules::ClsidKey();
    const std::string progId = kControlClass.progId;
    const bool done =
        modules::SetText(key, "", kControlClass.name) && modules::SetText(key + "\\InprocServer32", "", path) &&
        modules::SetText(key + "\\InprocServer32", "ThreadingModel", "Apartment") &&
        modules::SetText(key + "\\ProgID", "", progId) && modules::SetText(key + "\\Control", "", "") &&
        modules::SetText(key + "\\MiscStatus", "", "131473") && modules::SetText(progId, "", kControlClass.name) &&
        modules::SetText(progId + "\\CLSID", "", kControlClass.clsidText);
    return done ? S_OK : SELFREG_E_CLASS;
}

extern "C" __declspec(dllexport) HRESULT WINAPI DllUnregisterServer() {
    using modules::kControlClass;
    platform::win32::InstallWin32Platform();
    platform::Registry& registry = platform::Get().registry();
    // Missing keys are no failure: the module is then unregistered already.
    registry.DeleteKey(platform::RootKey::ClassesRoot, modules::ClsidKey());
    registry.DeleteKey(platform::RootKey::ClassesRoot, kControlClass.progId);
    return S_OK;
}
