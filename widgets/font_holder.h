// An embedded TrueType font (the main window's FontHolder1): the bytes of
// the font file and the family they hold, added to the system's fonts for
// the run of the program when the system lacks that family.
//
//     FontHolder1->SetFontFile("TAHOMA.TTF", resourceBytes);
//     FontHolder1->SetFamilyName("Tahoma");
//     FontHolder1->Activate();    // when the main window is created
//     ...
//     FontHolder1->Deactivate();  // or freeing the holder does it
//
// Activate writes "<name>.ttf" into the temporary folder, has the font
// installer make "<name>.fot" beside it and add the font. Deactivate
// removes the font again and deletes both files. An installed family is
// left alone: nothing is written and nothing removed later.
#pragma once

#include <string>

#include "widgets/component.h"
#include "widgets/font_installer.h"

namespace widgets {

class TFontHolder : public TComponent {
public:
    explicit TFontHolder(TComponent* owner);
    ~TFontHolder() override;
    const char* ClassName() const override { return "TFontHolder"; }

    // The font file's stored name ("TAHOMA.TTF") and its bytes. The name
    // without folder and extension names the files in the temporary
    // folder; without a name the family name does.
    void SetFontFile(const std::string& fileName, const std::string& bytes);
    const std::string& FileName() const { return fileName_; }
    const std::string& FontData() const { return data_; }
    void SetFamilyName(const std::string& family) { family_ = family; }
    const std::string& FamilyName() const { return family_; }

    // Adds the font when no TrueType family of that name is installed.
    // True when this holder has the font added (also from an earlier
    // call). A failure is not an error: the windows then show another
    // font, and no file is left behind.
    bool Activate();
    // Removes the font that Activate added, through the installer that
    // added it, tells the windows and deletes both files. Nothing when
    // Activate added nothing.
    void Deactivate();
    bool Active() const { return active_; }

    // Where Activate puts the font file and the resource file.
    std::string TtfPath() const;
    std::string FotPath() const;

protected:
    void BeforeDestruction() override;

private:
    std::string BasePath() const;
    void DeleteFiles(const std::string& ttfPath, const std::string& fotPath);

    std::string fileName_;
    std::string data_;
    std::string family_;
    bool active_ = false;
    FontInstaller* installer_ = nullptr;  // the one that added the font
    std::string ttfAdded_;                // the files of the added font
    std::string fotAdded_;
};

}  // namespace widgets
