// The Win32 peers of the page control, spin edit, string grid, image and
// drive lists, notebook and the Tab key, under Wine: what the user does
// in the native windows reaches the components and fires their events.
// Only in the Windows builds; skipped without a window station.
#ifdef _WIN32

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/widgets/win32_fixture.h"
#include "widgets/check_box.h"
#include "widgets/drive_combo_box.h"
#include "widgets/edit.h"
#include "widgets/form.h"
#include "widgets/gauge.h"
#include "widgets/image_combo_box.h"
#include "widgets/make_control.h"
#include "widgets/notebook.h"
#include "widgets/page_control.h"
#include "widgets/radio_button.h"
#include "widgets/spin_edit.h"
#include "widgets/string_grid.h"
#include "widgets/tab_sheet.h"
#include "widgets/win32/dib.h"
#include "widgets/win32/font_cache.h"
#include "widgets/win32/graphic_painter.h"
#include "widgets/win32/page_control_peer.h"
#include "widgets/win32/spin_edit_peer.h"
#include "widgets/win32/tab_order.h"
#include "widgets/win32/win32_widgets.h"
#include "widgets/win32/window_peer.h"

namespace widgets_test {
namespace {

using namespace widgets;
using widgets::win32::WindowPeer;

// A press and release of the left button at a point of a window, as the
// mouse makes them.
void ClickAt(HWND window, int x, int y) {
    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

class Win32ComponentsTest : public Win32Test {
protected:
    TForm& Form() { return MakeForm(400, 300); }

    template <class T>
    T* Add(TWinControl* parent, int left, int top, int width, int height) {
        return MakeControl<T>(&Form(), parent, "", left, top, width, height);
    }

    // A page control with sheets of these captions, the first one active.
    TPageControl* Pages(const std::vector<std::string>& captions) {
        TPageControl* pages = Add<TPageControl>(&Form(), 10, 10, 300, 200);
        for (const std::string& caption : captions) Add<TTabSheet>(pages, 0, 0, 0, 0)->SetCaption(caption);
        pages->SetActivePageIndex(0);
        return pages;
    }
};

// ------------------------------------------------------------ page control

std::string TabText(HWND tabs, int index) {
    char text[64] = {};
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendMessageA(tabs, TCM_GETITEMA, index, reinterpret_cast<LPARAM>(&item));
    return text;
}

TEST_F(Win32ComponentsTest, PageControlShowsATabPerVisibleSheetAndTheSheetsBelowThem) {
    NEED_WINDOWS();
    TPageControl* pages = Pages({"Allgemein", "Erweitert", "Sicherheit"});
    pages->Pages(1)->SetTabVisible(false);
    Form().Show();
    HWND tabs = HandleOf(pages);
    ASSERT_NE(tabs, nullptr);
    ASSERT_EQ(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0), 2);
    EXPECT_EQ(TabText(tabs, 0), "Allgemein");
    EXPECT_EQ(TabText(tabs, 1), "Sicherheit");

    pages->Pages(2)->SetCaption("Stufen");
    EXPECT_EQ(TabText(tabs, 1), "Stufen");
    pages->Pages(1)->SetTabVisible(true);
    EXPECT_EQ(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0), 3);

    // The sheet lies in the area below the tabs, not over them.
    HWND sheet = HandleOf(pages->Pages(0));
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(GetParent(sheet), tabs);
    RECT placed = {};
    GetWindowRect(sheet, &placed);
    MapWindowPoints(nullptr, tabs, reinterpret_cast<POINT*>(&placed), 2);
    const TRect area = dynamic_cast<win32::PageControlPeer*>(pages->Peer())->DisplayRect();
    EXPECT_EQ(placed.left, area.left);
    EXPECT_EQ(placed.top, area.top);
    EXPECT_EQ(placed.right, area.right);
    EXPECT_EQ(placed.bottom, area.bottom);
    EXPECT_GT(area.top, 10) << "room for the tabs";
    EXPECT_TRUE(IsWindowVisible(sheet));
    EXPECT_FALSE(IsWindowVisible(HandleOf(pages->Pages(2))));
}

TEST_F(Win32ComponentsTest, ClickingATabTurnsThePageAndFiresOnChange) {
    NEED_WINDOWS();
    TPageControl* pages = Pages({"Allgemein", "Erweitert"});
    int changes = 0;
    TTabSheet* seen = nullptr;
    pages->OnChange = [&](TComponent*) {
        ++changes;
        seen = pages->ActivePage();
    };
    Form().Show();
    HWND tabs = HandleOf(pages);
    RECT second = {};
    ASSERT_TRUE(SendMessageA(tabs, TCM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&second)));

    ClickAt(tabs, (second.left + second.right) / 2, (second.top + second.bottom) / 2);
    PumpWindows();
    EXPECT_EQ(pages->ActivePage(), pages->Pages(1));
    EXPECT_EQ(seen, pages->Pages(1));
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(IsWindowVisible(HandleOf(pages->Pages(1))));
    EXPECT_FALSE(IsWindowVisible(HandleOf(pages->Pages(0))));

    ClickAt(tabs, (second.left + second.right) / 2, (second.top + second.bottom) / 2);
    EXPECT_EQ(changes, 1) << "the active tab again changes nothing";

    pages->SetActivePageIndex(0);
    EXPECT_EQ(SendMessageA(tabs, TCM_GETCURSEL, 0, 0), 0) << "a page set in code shows its tab";
    EXPECT_EQ(changes, 2);
}

// ------------------------------------------------------------ spin edit

struct SpinCase {
    int min, max, start;
    bool up;
    int expected;
    int changes;
};

class Win32SpinTest : public Win32ComponentsTest, public ::testing::WithParamInterface<SpinCase> {};

TEST_P(Win32SpinTest, TheArrowsStepTheValueWithinItsBounds) {
    NEED_WINDOWS();
    const SpinCase c = GetParam();
    TSpinEdit* spin = Add<TSpinEdit>(&Form(), 10, 10, 49, 22);
    spin->SetMinValue(c.min);
    spin->SetMaxValue(c.max);
    spin->SetValue(c.start);
    int changes = 0;
    spin->OnChange = [&](TComponent*) { ++changes; };
    Form().Show();
    HWND arrows = dynamic_cast<win32::SpinEditPeer*>(spin->Peer())->Arrows();
    ASSERT_NE(arrows, nullptr);
    EXPECT_EQ(GetParent(arrows), HandleOf(spin)) << "inside the field";
    RECT r = {};
    GetClientRect(arrows, &r);

    ClickAt(arrows, r.right / 2, c.up ? r.bottom / 4 : r.bottom * 3 / 4);
    PumpWindows();
    EXPECT_EQ(spin->Value(), c.expected);
    EXPECT_EQ(changes, c.changes);
    char text[32] = {};
    GetWindowTextA(HandleOf(spin), text, sizeof text);
    EXPECT_EQ(std::string(text), std::to_string(c.expected));
}

INSTANTIATE_TEST_SUITE_P(Arrows, Win32SpinTest,
                         ::testing::Values(SpinCase{1, 100, 30, true, 31, 1},     // up
                                           SpinCase{1, 100, 30, false, 29, 1},    // down
                                           SpinCase{1, 100, 100, true, 100, 0},   // stops at the top
                                           SpinCase{1, 100, 1, false, 1, 0},      // and at the bottom
                                           SpinCase{0, 0, -5, false, -6, 1},      // no bounds
                                           SpinCase{0, 0, 40000, true, 40001, 1}  // beyond the up-down's range
                                           ));

TEST_F(Win32ComponentsTest, TheSpinArrowsFollowTheFieldsEnabledState) {
    NEED_WINDOWS();
    TSpinEdit* spin = Add<TSpinEdit>(&Form(), 10, 10, 49, 22);
    Form().Show();
    HWND arrows = dynamic_cast<win32::SpinEditPeer*>(spin->Peer())->Arrows();
    spin->SetEnabled(false);
    EXPECT_FALSE(IsWindowEnabled(arrows));
    spin->SetEnabled(true);
    EXPECT_TRUE(IsWindowEnabled(arrows));
}

// ------------------------------------------------------------ string grid

uint32_t Rgb(COLORREF c) { return uint32_t(GetRValue(c)) << 16 | uint32_t(GetGValue(c)) << 8 | GetBValue(c); }

// How many pixels of the rectangle are of a dark (text) colour.
int DarkPixels(const TBitmap& shot, const TRect& r) {
    int dark = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) {
            const uint32_t p = shot.Pixel(x, y);
            if (((p >> 16) & 0xFF) < 96 && ((p >> 8) & 0xFF) < 96 && (p & 0xFF) < 96) ++dark;
        }
    return dark;
}

TEST_F(Win32ComponentsTest, TheGridDrawsItsCellsInTheirColumnsAndRows) {
    NEED_WINDOWS();
    TStringGrid* grid = Add<TStringGrid>(&Form(), 10, 10, 300, 120);
    grid->SetColCount(3);
    grid->SetRowCount(4);
    grid->SetDefaultRowHeight(18);
    grid->SetColWidth(0, 20);
    grid->SetColWidth(1, 100);
    grid->SetColWidth(2, 100);
    grid->SetCell(1, 0, "Name");
    grid->SetCell(1, 1, "Kernel");
    grid->SetCell(2, 2, "4.10.2222");
    Form().Show();
    const TBitmap shot = grid->Peer()->Capture();
    ASSERT_FALSE(shot.Empty());

    // Columns start at 0, 21, 122 and rows at 0, 19, 38, 57 (one line
    // between the cells).
    const TRect kernel{22, 20, 121, 37}, version{123, 39, 222, 56}, empty{123, 20, 222, 37};
    EXPECT_GT(DarkPixels(shot, kernel), 10);
    EXPECT_GT(DarkPixels(shot, version), 10);
    EXPECT_EQ(DarkPixels(shot, empty), 0);
    EXPECT_GT(DarkPixels(shot, TRect{22, 1, 121, 17}), 10) << "the header text";
    // A fixed cell in the button face, an ordinary one in the window colour.
    EXPECT_EQ(shot.Pixel(100, 9) & 0xFFFFFF, Rgb(GetSysColor(COLOR_BTNFACE)));
    EXPECT_EQ(shot.Pixel(200, 30) & 0xFFFFFF, Rgb(GetSysColor(COLOR_WINDOW)));
    // The grid line below the header.
    EXPECT_EQ(shot.Pixel(200, 18) & 0xFFFFFF, 0u);

    grid->SetCell(2, 2, "");
    EXPECT_EQ(DarkPixels(grid->Peer()->Capture(), version), 0) << "a cleared cell is drawn empty";
}

TEST_F(Win32ComponentsTest, ChangingACellInvalidatesTheGrid) {
    NEED_WINDOWS();
    TStringGrid* grid = Add<TStringGrid>(&Form(), 10, 10, 300, 120);
    Form().Show();
    HWND window = HandleOf(grid);
    ASSERT_NE(window, nullptr);
    UpdateWindow(window);
    EXPECT_FALSE(GetUpdateRect(window, nullptr, FALSE));
    grid->SetCell(1, 1, "GDI");
    EXPECT_TRUE(GetUpdateRect(window, nullptr, FALSE));
}

// ------------------------------------------------------------ image combo

TBitmap Square(uint32_t color) {
    TBitmap picture(16, 16, 0xFFFF00FFu);  // the key colour round it
    picture.FillRect(TRect{2, 2, 14, 14}, color);
    return picture;
}

TEST_F(Win32ComponentsTest, TheImageComboDrawsThePictureOfItsSelection) {
    NEED_WINDOWS();
    TImageComboBox* combo = Add<TImageComboBox>(&Form(), 10, 10, 150, 24);
    combo->SetImages({Square(0xFF00C000u), Square(0xFF0000C0u)});
    combo->AddItem("Anzeige", 0);
    combo->AddItem("Maus", 1);
    combo->SetItemIndex(1);
    Form().Show();
    HWND window = HandleOf(combo);
    EXPECT_TRUE(GetWindowLongA(window, GWL_STYLE) & CBS_OWNERDRAWFIXED);
    EXPECT_EQ(SendMessageA(window, CB_GETITEMHEIGHT, 0, 0), 18);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);

    const TBitmap shot = win32::CaptureWindow(window);
    int blue = 0, green = 0;
    for (uint32_t p : shot.Pixels()) {
        if ((p & 0xFFFFFF) == 0x0000C0u) ++blue;
        if ((p & 0xFFFFFF) == 0x00C000u) ++green;
    }
    EXPECT_EQ(blue, 12 * 12) << "the picture of the selected item, without its key colour round it";
    EXPECT_EQ(green, 0);
}

TEST_F(Win32ComponentsTest, APickByTheUserFiresOnChange) {
    NEED_WINDOWS();
    TImageComboBox* combo = Add<TImageComboBox>(&Form(), 10, 10, 150, 24);
    combo->SetImages({Square(0xFF00C000u)});
    for (const char* text : {"Anzeige", "Tastatur", "Maus"}) combo->AddItem(text, 0);
    combo->SetItemIndex(0);
    std::vector<int> picks;
    combo->OnChange = [&](TComponent*) { picks.push_back(combo->ItemIndex()); };
    Form().Show();
    HWND window = HandleOf(combo);

    SetFocus(window);
    SendMessageA(window, WM_KEYDOWN, VK_DOWN, 0);
    SendMessageA(window, WM_KEYDOWN, VK_DOWN, 0);
    PumpWindows();
    EXPECT_EQ(picks, (std::vector<int>{1, 2}));
    EXPECT_EQ(combo->SelectedText(), "Maus");
}

TEST_F(Win32ComponentsTest, TheDriveListListsTheDrivesWhenItsWindowIsMade) {
    NEED_WINDOWS();
    TDriveComboBox* drives = Add<TDriveComboBox>(&Form(), 10, 10, 184, 19);
    drives->SetDriveTypeSource([](const std::string& root) {
        if (root == "C:\\") return platform::DriveType::Fixed;
        if (root == "E:\\") return platform::DriveType::CdRom;
        return platform::DriveType::NoRootDir;
    });
    Form().Show();
    HWND window = HandleOf(drives);
    ASSERT_EQ(SendMessageA(window, CB_GETCOUNT, 0, 0), 2);
    char text[16] = {};
    SendMessageA(window, CB_GETLBTEXT, 1, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, "e:");
    EXPECT_TRUE(GetWindowLongA(window, GWL_STYLE) & CBS_OWNERDRAWFIXED) << "with a picture per drive";
    drives->SetDrive('e');
    EXPECT_EQ(SendMessageA(window, CB_GETCURSEL, 0, 0), 1);
}

// ------------------------------------------------------------ gauge

TEST_F(Win32ComponentsTest, TheGaugeTextStaysLegibleOverTheBar) {
    NEED_WINDOWS();
    TGauge* gauge = Add<TGauge>(&Form(), 0, 0, 200, 20);
    gauge->SetForeColor(clNavy);
    gauge->SetBackColor(clWhite);
    win32::FontCache fonts;
    for (int progress : {0, 100}) {
        gauge->SetProgress(progress);
        win32::DibCanvas canvas(200, 20);
        win32::PaintGraphicControl(canvas, *gauge, fonts);
        const TBitmap shot = canvas.ToBitmap();
        // Text pixels: light ones on the dark bar, dark ones on the white.
        int text = 0;
        for (int y = 4; y < 16; ++y)
            for (int x = 80; x < 120; ++x) {
                const uint32_t p = shot.Pixel(x, y);
                const int sum = int((p >> 16) & 0xFF) + int((p >> 8) & 0xFF) + int(p & 0xFF);
                if (progress == 0 ? sum < 3 * 128 : sum > 3 * 128) ++text;
            }
        EXPECT_GT(text, 10) << progress << "%: the text shows against the bar";
    }
}

// ------------------------------------------------------------ notebook

TEST_F(Win32ComponentsTest, TheNotebookShowsOnlyItsCurrentPage) {
    NEED_WINDOWS();
    TNotebook* notebook = Add<TNotebook>(&Form(), 10, 10, 200, 100);
    notebook->SetPages({"Boot-Menü", "Vorgang", "Weiteres"});
    TCheckBox* onSecond = Add<TCheckBox>(notebook->Page(1), 10, 10, 150, 17);
    Form().Show();
    EXPECT_TRUE(IsWindowVisible(HandleOf(notebook->Page(0))));
    EXPECT_FALSE(IsWindowVisible(HandleOf(onSecond)));
    notebook->SetPageIndex(1);
    EXPECT_FALSE(IsWindowVisible(HandleOf(notebook->Page(0))));
    EXPECT_TRUE(IsWindowVisible(HandleOf(onSecond)));
}

// ------------------------------------------------------------ Tab key

TEST_F(Win32ComponentsTest, TabStopsFollowThePlacingOrderThroughContainers) {
    NEED_WINDOWS();
    TEdit* name = Add<TEdit>(&Form(), 10, 10, 100, 21);
    TPageControl* pages = Pages({"Eins", "Zwei"});
    pages->SetBounds(10, 40, 300, 150);
    TCheckBox* first = Add<TCheckBox>(pages->Pages(0), 10, 10, 100, 17);
    TCheckBox* hidden = Add<TCheckBox>(pages->Pages(1), 10, 10, 100, 17);
    TRadioButton* small = Add<TRadioButton>(pages->Pages(0), 10, 30, 100, 17);
    TRadioButton* large = Add<TRadioButton>(pages->Pages(0), 10, 50, 100, 17);
    large->SetChecked(true);
    TCheckBox* off = Add<TCheckBox>(&Form(), 10, 200, 100, 17);
    off->SetEnabled(false);
    TSpinEdit* spin = Add<TSpinEdit>(&Form(), 10, 230, 49, 22);
    Form().Show();

    const std::vector<TWinControl*> expected = {name, pages, first, large, spin};
    EXPECT_EQ(win32::TabStops(Form()), expected) << "no hidden sheet, no disabled box, one stop for the radio group";
    EXPECT_EQ(win32::NextTabStop(Form(), spin, false), name) << "round from the last";
    EXPECT_EQ(win32::NextTabStop(Form(), name, true), spin) << "and back from the first";
    EXPECT_EQ(win32::NextTabStop(Form(), small, false), spin) << "on from the group's place";
    (void)hidden;
}

TEST_F(Win32ComponentsTest, TheTabKeyMovesTheFocusToTheNextControl) {
    NEED_WINDOWS();
    TEdit* name = Add<TEdit>(&Form(), 10, 10, 100, 21);
    TEdit* password = Add<TEdit>(&Form(), 10, 40, 100, 21);
    password->SetText("geheim");
    int entered = 0;
    password->OnEnter = [&](TComponent*) { ++entered; };
    Form().Show();
    SetForegroundWindow(HandleOf(&Form()));
    name->SetFocus();
    ASSERT_EQ(GetFocus(), HandleOf(name));

    SendMessageA(HandleOf(name), WM_KEYDOWN, VK_TAB, 0);
    EXPECT_EQ(GetFocus(), HandleOf(password));
    EXPECT_EQ(Form().ActiveControl(), password);
    EXPECT_EQ(entered, 1);
    DWORD start = 0, end = 0;
    SendMessageA(HandleOf(password), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 6u) << "the text reached by Tab is selected";
    SendMessageA(HandleOf(password), WM_CHAR, '\t', 0);
    EXPECT_EQ(password->Text(), "geheim") << "the Tab types nothing";
}

// Holds a key down in the thread's keyboard state while it lives.
class HeldKey {
public:
    explicit HeldKey(int key) : key_(key) { Set(0x80); }
    ~HeldKey() { Set(0); }

private:
    void Set(BYTE state) {
        BYTE keys[256] = {};
        GetKeyboardState(keys);
        keys[key_] = state;
        SetKeyboardState(keys);
    }
    int key_;
};

TEST_F(Win32ComponentsTest, CtrlTabTurnsThePageControlAroundTheFocus) {
    NEED_WINDOWS();
    TPageControl* pages = Pages({"Eins", "Zwei", "Drei"});
    pages->Pages(1)->SetTabVisible(false);
    TCheckBox* box = Add<TCheckBox>(pages->Pages(0), 10, 10, 100, 17);
    int changes = 0;
    pages->OnChange = [&](TComponent*) { ++changes; };
    Form().Show();
    SetForegroundWindow(HandleOf(&Form()));
    box->SetFocus();
    {
        HeldKey control(VK_CONTROL);
        SendMessageA(HandleOf(box), WM_KEYDOWN, VK_TAB, 0);
    }
    EXPECT_EQ(pages->ActivePageIndex(), 2) << "past the sheet without a tab";
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(GetFocus(), HandleOf(pages)) << "the focus leaves the hidden sheet";
    {
        HeldKey control(VK_CONTROL);
        SendMessageA(HandleOf(pages), WM_KEYDOWN, VK_TAB, 0);
    }
    EXPECT_EQ(pages->ActivePageIndex(), 0) << "round to the first";
}

}  // namespace
}  // namespace widgets_test

#endif  // _WIN32
