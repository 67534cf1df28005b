// The sections of an INI document in file order.
#pragma once

#include <string>
#include <unordered_map>
#include <vector>

namespace config {

// One line of a section as it stood in the file. The model sees at most the
// first 255 characters; a longer line is kept whole so that rewriting the
// file does not shorten it.
struct IniEntry {
    std::string line;      // at most 255 characters
    std::string fullLine;  // the whole line when it was longer, else empty
    bool hasName = false;  // false for lines without "=" (comments, stray text)
    // The text before the first "=" without the blanks and tabs around it:
    // the key name as the profile functions read it, and so as Windows
    // finds it.
    std::string name;

    static IniEntry FromFileLine(const std::string& fileLine);
    const std::string& Text() const { return fullLine.empty() ? line : fullLine; }
    std::string Value() const;  // the text after the first "="
};

struct IniSection {
    std::string name;
    std::vector<IniEntry> entries;
    // The header line as it stood in the file, with its blanks and any text
    // after the "]"; empty for a section the program added.
    std::string header;
    // A later section whose name repeats an earlier one. It takes no part in
    // lookups but is written back in its place, so that nothing of the file
    // is lost.
    bool setAside = false;
};

class TSectionList {
public:
    // Finds a section that takes part in lookups, without regard to case.
    // The section found last is tried first, since callers usually work on
    // one section at a time. -1 when absent.
    int Find(const std::string& name);
    // Appends a section. A name that is already present is set aside.
    IniSection& Add(const std::string& name, const std::string& header = std::string());

    std::vector<IniSection>& Sections() { return sections_; }
    const std::vector<IniSection>& Sections() const { return sections_; }

private:
    std::vector<IniSection> sections_;
    std::unordered_map<std::string, int> index_;  // upper-case name -> section
    int remembered_ = -1;
};

}  // namespace config
