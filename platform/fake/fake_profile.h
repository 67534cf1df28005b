// GetPrivateProfileStringA and WritePrivateProfileStringA over the bytes of
// the fake files, so that a test can write a raw win.ini and read it through
// the profile functions, and the other way round.
//
// The rules are those that Wine's profile code shows (checked against Wine
// run as Windows 98):
//  - a file name without a path is taken from the Windows directory;
//  - a line ends at CR, at LF or at CR LF;
//  - a file that starts with the UTF-8 byte-order mark is UTF-8 text: the
//    mark is skipped, the text is read into the code page ("?" for what
//    it cannot hold) and a changed file is written back as UTF-8 behind the
//    mark (Wine writes U+FFFD for a broken sequence, the fake a "?");
//  - lines are trimmed of blanks; empty lines are dropped; "[name]" starts
//    a section (text after the last "]" is ignored); "name=value" is a key
//    with blanks around the "=" removed; a line without "=" is a key
//    without value, which reads as missing; lines before the first section
//    form a section without name; ';' has no special meaning;
//  - section and key names are compared without regard to the case of
//    ASCII letters (an accented letter matches only itself); only the first
//    section of a name is searched;
//  - a value enclosed in matching quotes (" or ') loses them; the default
//    loses its trailing blanks (a default of only blanks keeps one) and its
//    quotes the same way; the result is cut at bufferSize-1 characters;
//  - a write finds or appends the section and appends a new key at the end
//    of it, replaces the value of an existing key in place and keeps the
//    key's spelling; the value loses its leading blanks; no value deletes
//    the first such key of any section of that name (an emptied section
//    keeps its header); a write that changes nothing leaves the file alone;
//  - a read-only file refuses every write, also one that would change
//    nothing;
//  - a changed file is written back whole from what was read, with lines
//    ending CR LF and without the empty lines.
// Windows 9x edits the file in place instead, keeping empty lines and the
// spelling of untouched lines; only the layout of the bytes differs.
#pragma once

#include <optional>
#include <string>

#include "platform/platform.h"

namespace platform::fake {

class FakeProfile : public Profile {
public:
    explicit FakeProfile(FileSystem& files) : files_(files) {}

    std::string GetString(const std::string& section, const std::string& key, const std::string& defaultValue,
                          uint32_t bufferSize, const std::string& file) override;
    bool WriteString(const std::string& section, const std::string& key, const std::optional<std::string>& value,
                     const std::string& file) override;

private:
    std::string FullName(const std::string& file);

    FileSystem& files_;
};

}  // namespace platform::fake
