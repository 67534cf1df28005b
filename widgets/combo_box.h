// A drop-down list. Changing the selection, in code or by the user, fires
// OnChange. Each item carries a number besides its text (an image index
// in the image combo box).
#pragma once

#include <string>
#include <vector>

#include "widgets/win_control.h"

namespace widgets {

// csDropDownList: the user can only pick one of the items.
enum TComboBoxStyle { csDropDown, csDropDownList };

class TComboBox : public TWinControl {
public:
    explicit TComboBox(TComponent* owner);

    const char* ClassName() const override { return "TComboBox"; }

    TComboBoxStyle Style() const { return style_; }
    void SetStyle(TComboBoxStyle style);

    int ItemCount() const { return static_cast<int>(items_.size()); }
    const std::string& Item(int index) const { return items_.at(index).text; }
    std::vector<std::string> Items() const;
    int ItemData(int index) const { return items_.at(index).data; }
    void SetItemData(int index, int data);
    // Replaces the items; nothing is selected afterwards (no event).
    void SetItems(const std::vector<std::string>& items);
    int AddItem(const std::string& text, int data = 0);
    // Inserts before index; the selected item stays selected.
    void InsertItem(int index, const std::string& text, int data = 0);
    // Removes an item; when it was the selected one nothing is selected.
    void DeleteItem(int index);
    void ClearItems();
    int IndexOf(const std::string& text) const;

    // -1 for no selection; an index outside the items selects nothing.
    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int index);
    // Text of the selected item, or empty.
    std::string SelectedText() const;

    int DropDownCount() const { return dropDownCount_; }
    void SetDropDownCount(int count) { dropDownCount_ = count; }
    int ItemHeight() const { return itemHeight_; }
    void SetItemHeight(int height);

    TNotifyEvent OnChange;

protected:
    virtual void Change();
    void ItemsChanged();

private:
    struct Entry {
        std::string text;
        int data = 0;
    };
    void SelectSilently(int index);

    TComboBoxStyle style_ = csDropDownList;
    std::vector<Entry> items_;
    int itemIndex_ = -1;
    int dropDownCount_ = 8;
    int itemHeight_ = 13;
};

}  // namespace widgets
