// The COM side shared by the hosted modules "qw32perfx.ocx" and
// "qw32reax.ocx": an in-place ActiveX control in plain C++ (IOleObject,
// IOleInPlaceObject, IOleInPlaceActiveObject and a hand-written IDispatch),
// its class factory and the DLL's registration. A module derives its
// control from TAxControl and defines kControlClass.
#pragma once

// clang-format off
#include "platform/win32/win32_api.h"
#include <ole2.h>
#include <oleauto.h>
// clang-format on

#include <string>
#include <vector>

namespace modules {

// The dispatch ids of the published properties both modules accept.
constexpr DISPID kAutoScroll = 2;
constexpr DISPID kAutoSize = 3;
constexpr DISPID kAxBorderStyle = 4;
constexpr DISPID kKeyPreview = 5;
constexpr DISPID kPixelsPerInch = 6;
constexpr DISPID kPrintScale = 7;
constexpr DISPID kScaled = 8;
constexpr DISPID kCursor = 14;
constexpr DISPID kHandleWnd = 15;  // the performance module's only
constexpr DISPID kCaption = -518;
constexpr DISPID kColor = -501;
constexpr DISPID kFont = -512;

class TAxControl;

// Sent to the module's window by a child made with WS_TABSTOP when the left
// mouse button goes down on it: wParam the child, lParam the point.
constexpr UINT kChildClick = WM_USER + 0x52;

// What a module tells the shared code about itself.
struct ControlClass {
    CLSID clsid;
    const char* clsidText;  // "{...}"
    const char* progId;     // "Halvorn.qw32perfx"
    const char* name;       // the class name of the design
    const char* windowClass;
    bool hasHandleWnd;
    TAxControl* (*create)();
};
extern const ControlClass kControlClass;

// The module's DLL instance, for its window class and pictures.
HINSTANCE ModuleInstance();

class TAxControl : public IOleObject, public IOleInPlaceObject, public IOleInPlaceActiveObject, public IDispatch {
public:
    TAxControl();
    TAxControl(const TAxControl&) = delete;
    TAxControl& operator=(const TAxControl&) = delete;

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID iid, void** out) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    // IOleObject
    STDMETHODIMP SetClientSite(IOleClientSite* site) override;
    STDMETHODIMP GetClientSite(IOleClientSite** site) override;
    STDMETHODIMP SetHostNames(LPCOLESTR, LPCOLESTR) override { return S_OK; }
    STDMETHODIMP Close(DWORD saveOption) override;
    STDMETHODIMP SetMoniker(DWORD, IMoniker*) override { return E_NOTIMPL; }
    STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker** out) override;
    STDMETHODIMP InitFromData(IDataObject*, BOOL, DWORD) override { return E_NOTIMPL; }
    STDMETHODIMP GetClipboardData(DWORD, IDataObject** out) override;
    STDMETHODIMP DoVerb(LONG verb, LPMSG, IOleClientSite* site, LONG, HWND parent, LPCRECT position) override;
    STDMETHODIMP EnumVerbs(IEnumOLEVERB** out) override;
    STDMETHODIMP Update() override { return S_OK; }
    STDMETHODIMP IsUpToDate() override { return S_OK; }
    STDMETHODIMP GetUserClassID(CLSID* out) override;
    STDMETHODIMP GetUserType(DWORD, LPOLESTR* out) override;
    STDMETHODIMP SetExtent(DWORD aspect, SIZEL* size) override;
    STDMETHODIMP GetExtent(DWORD aspect, SIZEL* size) override;
    STDMETHODIMP Advise(IAdviseSink*, DWORD* connection) override;
    STDMETHODIMP Unadvise(DWORD) override { return OLE_E_NOCONNECTION; }
    STDMETHODIMP EnumAdvise(IEnumSTATDATA** out) override;
    STDMETHODIMP GetMiscStatus(DWORD, DWORD* status) override;
    STDMETHODIMP SetColorScheme(LOGPALETTE*) override { return E_NOTIMPL; }

    // IOleWindow, shared by both in-place interfaces
    STDMETHODIMP GetWindow(HWND* out) override;
    STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

    // IOleInPlaceObject
    STDMETHODIMP InPlaceDeactivate() override;
    STDMETHODIMP UIDeactivate() override { return S_OK; }
    STDMETHODIMP SetObjectRects(LPCRECT position, LPCRECT clip) override;
    STDMETHODIMP ReactivateAndUndo() override { return E_NOTIMPL; }

    // IOleInPlaceActiveObject: the Tab key moves through the module's
    // controls.
    STDMETHODIMP TranslateAccelerator(LPMSG message) override;
    STDMETHODIMP OnFrameWindowActivate(BOOL) override { return S_OK; }
    STDMETHODIMP OnDocWindowActivate(BOOL) override { return S_OK; }
    STDMETHODIMP ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, BOOL) override { return S_OK; }
    STDMETHODIMP EnableModeless(BOOL) override { return S_OK; }

    // IDispatch, without a type library.
    STDMETHODIMP GetTypeInfoCount(UINT* count) override;
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo** out) override;
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override;
    STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO*,
                        UINT* argError) override;

protected:
    virtual ~TAxControl();

    // The module's own controls inside its window (451 x 400 are seen).
    virtual void CreateContent(HWND window) = 0;
    // WM_COMMAND and the owner-drawn messages of the module's controls;
    // true when handled.
    virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) = 0;

    HWND Window() const { return window_; }
    // The window that owns the module's message boxes: the window given
    // as HandleWnd, else the top-level window of the container.
    HWND OwnerWindow() const;
    HFONT Font() const { return font_; }
    HFONT BoldFont() const { return boldFont_; }
    HBRUSH Background() const { return background_; }

    // Makes a child control with the module's font; the Tab key moves
    // between those made with WS_TABSTOP.
    HWND MakeChild(const char* className, const char* text, DWORD style, int x, int y, int width, int height, int id,
                   bool bold = false);
    // A picture of the module's resources as a static control.
    HWND MakePicture(const char* resource, int x, int y);

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK ChildProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    bool MoveFocus(HWND from, bool back);
    void ApplyBorder();

    ULONG refs_ = 1;
    IOleClientSite* clientSite_ = nullptr;
    IOleInPlaceSite* inPlaceSite_ = nullptr;
    HWND window_ = nullptr;
    HFONT font_ = nullptr;
    HFONT boldFont_ = nullptr;
    HBRUSH background_ = nullptr;
    std::vector<HBITMAP> pictures_;
    SIZEL extent_{11933, 10583};  // 451 x 400 pixels at 96 dpi, in HIMETRIC
    // The properties as set; the modules use AxBorderStyle, Color and
    // HandleWnd, the others are kept for their readers.
    LONG values_[16] = {};
    LONG color_ = 0xC0C0C0;
    HWND handleWnd_ = nullptr;
};

}  // namespace modules
