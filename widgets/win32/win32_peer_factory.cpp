#include "widgets/win32/win32_peer_factory.h"

#include <algorithm>

#include "widgets/button.h"
#include "widgets/check_box.h"
#include "widgets/combo_box.h"
#include "widgets/drive_combo_box.h"
#include "widgets/edit.h"
#include "widgets/form.h"
#include "widgets/image_combo_box.h"
#include "widgets/page_control.h"
#include "widgets/radio_button.h"
#include "widgets/spin_edit.h"
#include "widgets/string_grid.h"
#include "widgets/tab_sheet.h"
#include "widgets/track_bar.h"
#include "widgets/win32/button_peer.h"
#include "widgets/win32/combo_peer.h"
#include "widgets/win32/container_peer.h"
#include "widgets/win32/drive_combo_peer.h"
#include "widgets/win32/edit_peer.h"
#include "widgets/win32/form_peer.h"
#include "widgets/win32/gdi_object.h"
#include "widgets/win32/image_combo_peer.h"
#include "widgets/win32/page_control_peer.h"
#include "widgets/win32/spin_edit_peer.h"
#include "widgets/win32/string_grid_peer.h"
#include "widgets/win32/tab_sheet_peer.h"
#include "widgets/win32/track_bar_peer.h"
#include "widgets/win32/win32_timer_peer.h"

namespace widgets::win32 {

std::unique_ptr<ControlPeer> Win32PeerFactory::CreatePeer(TControl& control) {
    if (TForm* form = dynamic_cast<TForm*>(&control)) return std::make_unique<FormPeer>(*form, fonts_);
    if (dynamic_cast<TButton*>(&control) || dynamic_cast<TCheckBox*>(&control) || dynamic_cast<TRadioButton*>(&control))
        return std::make_unique<ButtonPeer>(control, fonts_);
    if (dynamic_cast<TSpinEdit*>(&control)) return std::make_unique<SpinEditPeer>(control, fonts_);
    if (dynamic_cast<TEdit*>(&control)) return std::make_unique<EditPeer>(control, fonts_);
    if (dynamic_cast<TImageComboBox*>(&control)) return std::make_unique<ImageComboPeer>(control, fonts_);
    if (dynamic_cast<TDriveComboBox*>(&control)) return std::make_unique<DriveComboPeer>(control, fonts_);
    if (dynamic_cast<TComboBox*>(&control)) return std::make_unique<ComboPeer>(control, fonts_);
    if (dynamic_cast<TTrackBar*>(&control)) return std::make_unique<TrackBarPeer>(control, fonts_);
    if (dynamic_cast<TPageControl*>(&control)) return std::make_unique<PageControlPeer>(control, fonts_);
    if (dynamic_cast<TTabSheet*>(&control) && dynamic_cast<TPageControl*>(control.Parent()))
        return std::make_unique<TabSheetPeer>(control, fonts_);
    if (dynamic_cast<TStringGrid*>(&control)) return std::make_unique<StringGridPeer>(control, fonts_);
    if (dynamic_cast<TWinControl*>(&control)) return std::make_unique<ContainerPeer>(control, fonts_);
    return nullptr;  // painted by its parent
}

std::unique_ptr<TimerPeer> Win32PeerFactory::CreateTimerPeer(TTimer& timer) {
    return std::make_unique<Win32TimerPeer>(timer, utility_);
}

TSize Win32PeerFactory::TextExtent(const TFont& font, const std::string& text) {
    WindowDC dc(nullptr);
    Selection select(dc.Get(), fonts_.Get(font));
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc.Get(), &metrics);
    TSize size{0, 0};
    size_t start = 0;
    for (;;) {
        size_t end = text.find_first_of("\r\n", start);
        const std::string line = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        SIZE extent = {};
        GetTextExtentPoint32A(dc.Get(), line.c_str(), static_cast<int>(line.size()), &extent);
        size.cx = std::max(size.cx, static_cast<int>(extent.cx));
        size.cy += metrics.tmHeight;
        if (end == std::string::npos) break;
        if (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ++end;
        start = end + 1;
    }
    return size;
}

}  // namespace widgets::win32
