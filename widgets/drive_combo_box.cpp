#include "widgets/drive_combo_box.h"

namespace widgets {

namespace {


}  // namespace

TDriveComboBox::TDriveComboBox(TComponent* owner) : TComboBox(owner) {}

void TDriveComboBox::SetDriveTypeSource(DriveTypeSource source) {
    source_ = std::move(source);
    built_ = false;
}

void TDriveComboBox::EnsureList() {
    if (!built_) Refresh();
}

void TDriveComboBox::Refresh() {
    built_ = true;
    const char keep = drive_;
    ClearItems();
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        const std::string root = std::string(1, letter) + ":\\";
        const platform::DriveType type = source_ ? source_(root) : platform::Get().files().GetDriveType(root);
        if (type == platform::DriveType::NoRootDir || type == platform::DriveType::Unknown) continue;
        AddItem(std::string(1, char(letter - 'A' + 'a')) + ":", letter);
    }
    // Reselect without an event: the drive did not change.
    for (int i = 0; i < ItemCount(); ++i)
        if (ItemData(i) == keep) {
            const TNotifyEvent handler = OnChange;
            OnChange = nullptr;
            SetItemIndex(i);
            OnChange = handler;
            return;
        }
    drive_ = '\0';
}

void TDriveComboBox::SetDrive(char letter) {
    EnsureList();
    letter = platform::UpperAscii(letter);
    for (int i = 0; i < ItemCount(); ++i)
        if (ItemData(i) == letter) {
            SetItemIndex(i);
            return;
        }
}

void TDriveComboBox::Change() {
    drive_ = ItemIndex() >= 0 ? static_cast<char>(ItemData(ItemIndex())) : '\0';
    TComboBox::Change();
}

}  // namespace widgets
