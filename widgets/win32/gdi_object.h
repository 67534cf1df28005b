// Owners of GDI handles and device contexts: each gives its handle back
// when it goes out of scope.
#pragma once

#include "platform/win32/win32_handle.h"
#include "widgets/win32/win32_api.h"

namespace widgets::win32 {

// A pen, brush, font, bitmap or region; DeleteObject at the end.
template <class H>
struct GdiTraits {
    using Type = H;
    static Type Invalid() { return nullptr; }
    static void Close(Type handle) { DeleteObject(handle); }
};
template <class H>
using GdiObject = platform::win32::UniqueHandle<GdiTraits<H>>;

// The device context of a window (or the screen for null); ReleaseDC.
class WindowDC {
public:
    explicit WindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDC() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    HDC Get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// A memory device context; DeleteDC.
struct MemoryDcTraits {
    using Type = HDC;
    static Type Invalid() { return nullptr; }
    static void Close(Type handle) { DeleteDC(handle); }
};
class MemoryDC : public platform::win32::UniqueHandle<MemoryDcTraits> {
public:
    explicit MemoryDC(HDC compatibleWith) : UniqueHandle(CreateCompatibleDC(compatibleWith)) {}
};

// Selects an object into a device context and puts the old one back.
class Selection {
public:
    Selection(HDC dc, HGDIOBJ object) : dc_(dc), old_(object ? SelectObject(dc, object) : nullptr) {}
    ~Selection() {
        if (old_) SelectObject(dc_, old_);
    }
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};

}  // namespace widgets::win32
