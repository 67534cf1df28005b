#include "widgets/combo_box.h"

#include "widgets/errors.h"

namespace widgets {

TComboBox::TComboBox(TComponent* owner) : TWinControl(owner) { SetColor(clWindow); }

void TComboBox::SetStyle(TComboBoxStyle style) {
    if (style == style_) return;
    style_ = style;
    PeerChanged(PeerProperty::Style);
}

std::vector<std::string> TComboBox::Items() const {
    std::vector<std::string> texts;
    for (const Entry& e : items_) texts.push_back(e.text);
    return texts;
}

void TComboBox::SetItemData(int index, int data) {
    items_.at(index).data = data;
    ItemsChanged();
}

void TComboBox::SetItems(const std::vector<std::string>& items) {
    items_.clear();
    for (const std::string& text : items) items_.push_back(Entry{text, 0});
    SelectSilently(-1);
    ItemsChanged();
}

int TComboBox::AddItem(const std::string& text, int data) {
    items_.push_back(Entry{text, data});
    ItemsChanged();
    return ItemCount() - 1;
}

void TComboBox::InsertItem(int index, const std::string& text, int data) {
    if (index < 0 || index > ItemCount()) throw EInvalidOperation("Listenindex überschreitet das Maximum");
    items_.insert(items_.begin() + index, Entry{text, data});
    if (itemIndex_ >= index) ++itemIndex_;
    ItemsChanged();
}

void TComboBox::DeleteItem(int index) {
    if (index < 0 || index >= ItemCount()) throw EInvalidOperation("Listenindex überschreitet das Maximum");
    items_.erase(items_.begin() + index);
    if (itemIndex_ == index)
        SelectSilently(-1);
    else if (itemIndex_ > index)
        --itemIndex_;
    ItemsChanged();
}

void TComboBox::ClearItems() {
    items_.clear();
    SelectSilently(-1);
    ItemsChanged();
}

int TComboBox::IndexOf(const std::string& text) const {
    for (int i = 0; i < ItemCount(); ++i)
        if (items_[i].text == text) return i;
    return -1;
}

void TComboBox::SelectSilently(int index) {
    itemIndex_ = index;
    SetText(SelectedText());
}

void TComboBox::SetItemIndex(int index) {
    if (index < -1 || index >= ItemCount()) index = -1;
    if (index == itemIndex_) return;
    SelectSilently(index);
    PeerChanged(PeerProperty::ItemIndex);
    Change();
}

std::string TComboBox::SelectedText() const {
    return itemIndex_ >= 0 && itemIndex_ < ItemCount() ? items_[itemIndex_].text : std::string();
}

void TComboBox::SetItemHeight(int height) {
    if (height == itemHeight_) return;
    itemHeight_ = height;
    PeerChanged(PeerProperty::Style);
}

void TComboBox::Change() {
    if (OnChange) OnChange(this);
}

void TComboBox::ItemsChanged() {
    PeerChanged(PeerProperty::Items);
    PeerChanged(PeerProperty::ItemIndex);
}

}  // namespace widgets
