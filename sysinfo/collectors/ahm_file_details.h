// The version reader of the service page and the about window: setting
// AboutFile reads that file's version resource at once.
#pragma once

#include <functional>
#include <string>

namespace sysinfo {

class TAHMFileDetails {
public:
    static constexpr const char* kNoVersion = "No Version Information available";

    // Reads the program's own executable.
    TAHMFileDetails();

    const std::string& AboutFile() const { return aboutFile_; }
    // A file that is not there (or an empty path) reads the program's own
    // executable instead; a path that is not empty raises OnError first.
    void SetAboutFile(const std::string& path);

    const std::string& FileVersion() const { return fileVersion_; }

    std::function<void()> OnError;

private:
    void Read(const std::string& path);

    std::string aboutFile_;
    std::string fileVersion_;
};

}  // namespace sysinfo
