#include "pages/page_parts.h"

#include "config/ini_file.h"
#include "config/temp_config.h"
#include "platform/helpers.h"
#include "widgets/bevel.h"
#include "widgets/check_box.h"
#include "widgets/edit.h"
#include "widgets/image.h"
#include "widgets/make_control.h"
#include "widgets/pictures.h"

namespace pages {

using namespace widgets;

namespace {

constexpr int kMorphFrames = 4;

TWinControl* PageOf(TComponent* page) { return static_cast<TWinControl*>(page); }

}  // namespace

void LoadBindings(const char* section, const std::vector<TKeyBinding>& bindings) {
    const config::TIniFile ini(platform::ProgramFolder() + config::kSettingsFile);
    for (const TKeyBinding& b : bindings) {
        if (auto* box = dynamic_cast<TCheckBox*>(b.control)) {
            box->SetChecked(ini.ReadInteger(section, b.key, 0) != 0);
        } else if (auto* edit = dynamic_cast<TEdit*>(b.control)) {
            edit->SetText(ini.ReadString(section, b.key, ""));
        }
    }
}

void FlushBindings(const char* section, const std::vector<TKeyBinding>& bindings) {
    const config::TIniFile ini(platform::ProgramFolder() + config::kSettingsFile);
    for (const TKeyBinding& b : bindings) {
        if (auto* box = dynamic_cast<TCheckBox*>(b.control)) {
            ini.WriteInteger(section, b.key, box->Checked() ? 1 : 0);
        } else if (auto* edit = dynamic_cast<TEdit*>(b.control)) {
            config::WriteTextSetting(ini, section, b.key, edit->Text());
        }
    }
}

TepEfTrBtn* MakeLauncher(TComponent* page, const TLauncherRow& row) {
    auto* button = MakeControl<TepEfTrBtn>(page, PageOf(page), row.name, row.left, row.top, 67, 57);
    button->SetCaption(row.caption);
    button->SetLayout(blGlyphTop);
    button->SetGlyph(LoadPicture(row.glyph));
    return button;
}

void FillAppletSelector(TImageComboBox* box, const std::vector<TAppletItem>& items) {
    box->SetStyle(csDropDownList);
    box->SetItemHeight(18);
    box->SetHelpContext(2080);
    for (const TAppletItem& item : items) box->AddItem(item.caption, box->AddImage(LoadPicture(item.icon)));
    box->SetItemIndex(0);
}

void LaunchApplet(TAHMAppletDialog* dialog, const TImageComboBox* box, const std::vector<TAppletItem>& items) {
    const int index = box->ItemIndex();
    if (index < 0 || index >= static_cast<int>(items.size())) return;
    dialog->SetAppletType(items[static_cast<size_t>(index)].type);
    dialog->Execute();
}

TLabel* MakeText(TComponent* page, const std::string& name, int left, int top, const std::string& caption) {
    auto* label = MakeControl<TLabel>(page, PageOf(page), name, left, top, 0, 13);
    label->SetTransparent(true);
    label->SetAutoSize(true);
    label->SetCaption(caption);
    return label;
}

void MakeFrame(TComponent* page, const std::string& name, int left, int top, int width, int height) {
    MakeControl<TBevel>(page, PageOf(page), name, left, top, width, height);
}

void MakeIcon(TComponent* page, const std::string& name, int left, int top, const char* picture) {
    MakeControl<TImage>(page, PageOf(page), name, left, top, 32, 32)->SetPicture(LoadPicture(picture));
}

TepMorphButton* MakeMorphButton(TComponent* page, int left, int top) {
    auto* button = MakeControl<TepMorphButton>(page, PageOf(page), "epMorphButton1", left, top, 20, 20);
    std::vector<TBitmap> frames;
    for (int k = 1; k <= kMorphFrames; ++k) frames.push_back(LoadPicture("morph" + std::to_string(k) + ".bmp"));
    button->SetFrames(frames);
    button->SetSpeed(40);
    return button;
}

}  // namespace pages
