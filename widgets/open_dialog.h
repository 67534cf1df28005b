// The system's file-open dialog.
#pragma once

#include <string>

#include "widgets/component.h"

namespace widgets {

class TOpenDialog : public TComponent {
public:
    explicit TOpenDialog(TComponent* owner) : TComponent(owner) {}

    const char* ClassName() const override { return "TOpenDialog"; }

    // "Description|pattern|Description|pattern", as the forms give it.
    const std::string& Filter() const { return filter_; }
    void SetFilter(const std::string& filter) { filter_ = filter; }
    int FilterIndex() const { return filterIndex_; }
    void SetFilterIndex(int index) { filterIndex_ = index; }
    const std::string& FileName() const { return fileName_; }
    void SetFileName(const std::string& fileName) { fileName_ = fileName; }
    const std::string& InitialDir() const { return initialDir_; }
    void SetInitialDir(const std::string& dir) { initialDir_ = dir; }
    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title) { title_ = title; }
    const std::string& DefaultExt() const { return defaultExt_; }
    void SetDefaultExt(const std::string& ext) { defaultExt_ = ext; }

    // Shows the dialog; true and FileName set when the user chose a file,
    // false (FileName unchanged) when the user cancelled.
    bool Execute();

private:
    std::string filter_;
    int filterIndex_ = 1;
    std::string fileName_;
    std::string initialDir_;
    std::string title_;
    std::string defaultExt_;
};

}  // namespace widgets
