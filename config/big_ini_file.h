// A whole INI file held in memory and written back in one piece.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "config/section_list.h"

namespace config {

class TBigIniFile {
public:
    // Loads the file when it exists; a missing file gives an empty document.
    // An empty name makes a document that is never written. A file that
    // exists but cannot be read raises EIniFileException.
    explicit TBigIniFile(const std::string& fileName);
    // Flushes. Errors of that last flush are swallowed here; callers that
    // must know whether the file was written call Flush() themselves.
    ~TBigIniFile();

    TBigIniFile(const TBigIniFile&) = delete;
    TBigIniFile& operator=(const TBigIniFile&) = delete;

    std::string ReadString(const std::string& section, const std::string& key, const std::string& defaultValue);
    int32_t ReadInteger(const std::string& section, const std::string& key, int32_t defaultValue);
    bool ReadBool(const std::string& section, const std::string& key, bool defaultValue);

    void WriteString(const std::string& section, const std::string& key, const std::string& value);
    void WriteInteger(const std::string& section, const std::string& key, int32_t value);
    void WriteBool(const std::string& section, const std::string& key, bool value);

    void DeleteKey(const std::string& section, const std::string& key);
    // Appends the key names of the section to the list, in file order.
    void ReadSection(const std::string& section, std::vector<std::string>& keys);

    // Writes the file when something changed. The new content goes to a
    // file beside the old one, which is replaced only once the write has
    // completed, keeping its attributes. On failure the old file stays
    // whole and EIniFileException is raised.
    void Flush();

    bool Changed() const { return changed_; }
    const std::string& FileName() const { return fileName_; }

    // The file's bytes as Flush() writes them.
    std::string Serialize() const;
    // Builds the document from a file's bytes.
    void Parse(const std::string& bytes);

    const TSectionList& Sections() const { return sections_; }

private:
    // The entry of the key in the section, or -1; the section index is
    // remembered so that a following write in the same section is quick.
    int FindKey(IniSection& section, const std::string& key) const;

    std::string fileName_;
    TSectionList sections_;
    // Lines before the first section header, kept and written back first.
    std::vector<std::string> preamble_;
    // The file began with the UTF-8 byte-order mark.
    bool byteOrderMark_ = false;
    bool changed_ = false;
};

}  // namespace config
