// Components on their Win32 peers under Wine: the peer layer, one form of
// real windows, and a pump for their messages. Only in the Windows builds;
// a test skips itself when there is no window station (no display).
#pragma once

#ifdef _WIN32

#include <memory>

#include "platform/win32/win32_platform.h"
#include "tests/widgets/widgets_fixture.h"
#include "widgets/application.h"
#include "widgets/form.h"
#include "widgets/win32/win32_widgets.h"
#include "widgets/win32/window_peer.h"

namespace widgets_test {

inline HWND HandleOf(const widgets::TControl* control) {
    const auto* peer = dynamic_cast<const widgets::win32::WindowPeer*>(control->Peer());
    return peer ? peer->Handle() : nullptr;
}

class Win32Test : public WidgetsTest {
protected:
    Win32Test() {
        // The components reach the system through the platform (a refused
        // key beeps), as in the program.
        platform::win32::InstallWin32Platform();
        try {
            native_ = std::make_unique<widgets::win32::Win32Widgets>();
        } catch (const std::exception&) {
            native_.reset();
        }
    }
    ~Win32Test() override {
        form_.reset();  // the windows go before the peer layer
        native_.reset();
    }

    // Handles the waiting window messages and the pending work.
    void PumpWindows() {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        widgets::Application().RethrowDeferred();
        widgets::Application().RunPendingWork();
    }

    // The test's form, made at the first call with that size.
    widgets::TForm& MakeForm(int width, int height) {
        if (!form_) {
            form_.reset(widgets::CreateForm<widgets::TForm>(nullptr));
            form_->SetBorderStyle(widgets::bsNone);
            form_->SetBounds(40, 40, width, height);
        }
        return *form_;
    }

    std::unique_ptr<widgets::win32::Win32Widgets> native_;
    widgets::Owned<widgets::TForm> form_;
};

#define NEED_WINDOWS() \
    if (!native_) GTEST_SKIP() << "no window station (no display)"

}  // namespace widgets_test

#endif  // _WIN32
