// A drop-down list of the drives of the system, "a:" to "z:".
#pragma once

#include <functional>
#include <string>

#include "platform/platform.h"
#include "widgets/combo_box.h"

namespace widgets {

class TDriveComboBox : public TComboBox {
public:
    using DriveTypeSource = std::function<platform::DriveType(const std::string& root)>;

    explicit TDriveComboBox(TComponent* owner);

    const char* ClassName() const override { return "TDriveComboBox"; }

    // The selected drive letter, upper case; '\0' before the first pick.
    char Drive() const { return drive_; }
    // Selects a drive of the list (fires OnChange when it changes); a
    // letter that is not in the list changes nothing.
    void SetDrive(char letter);

    // Builds the list anew from the drive types of A:\ to Z:\ (the drives
    // whose root exists); keeps the selected drive when it still exists.
    void Refresh();
    // Where the drive types come from; the platform unless set.
    void SetDriveTypeSource(DriveTypeSource source);

protected:
    void Change() override;

private:
    void EnsureList();

    char drive_ = '\0';
    bool built_ = false;
    DriveTypeSource source_;
};

}  // namespace widgets
