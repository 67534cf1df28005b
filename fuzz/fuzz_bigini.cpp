// Load -> flush -> load of an INI document must keep every section and entry,
// and every byte that the document model does not hold itself.
#include <algorithm>
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "config/big_ini_file.h"

namespace {

void Check(bool ok) {
    if (!ok) std::abort();
}

const std::string kMark = "\xEF\xBB\xBF";

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return std::string();
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The lines a rewrite must keep, worked out independently of the document:
// every line but empty and Ctrl-Z lines and the headers of sections that
// have no line under them, with line ends made CR LF. A line ends at CR, LF
// or CR LF; a UTF-8 mark at the start is no part of the first line.
std::vector<std::string> KeptLines(const std::string& bytes) {
    std::vector<std::string> lines;
    size_t start = bytes.compare(0, kMark.size(), kMark) == 0 ? kMark.size() : 0;
    while (start < bytes.size()) {
        size_t end = start;
        while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n') ++end;
        std::string line = bytes.substr(start, end - start);
        start = end;
        if (start < bytes.size() && bytes[start++] == '\r' && start < bytes.size() && bytes[start] == '\n') ++start;
        if (!line.empty() && line != "\x1a") lines.push_back(line);
    }
    // A header, as Windows reads one: "[" first and a "]" later, blanks and
    // tabs around the line and around the name aside.
    auto isHeader = [](const std::string& line) {
        const std::string seen = Trimmed(line.substr(0, 255));
        return seen.size() >= 2 && seen.front() == '[' && seen.find(']', 1) != std::string::npos;
    };
    auto nameOf = [](const std::string& line) {
        const std::string seen = Trimmed(line.substr(0, 255));
        std::string name = Trimmed(seen.substr(1, seen.rfind(']') - 1));
        for (char& c : name) {
            if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        }
        return name;
    };
    auto isEmptyHeader = [&](size_t i) {
        return isHeader(lines[i]) && (i + 1 == lines.size() || isHeader(lines[i + 1]));
    };
    // A header with no lines under it goes, unless it is the first of its
    // name and a later header of that name has lines.
    std::set<std::string> seen, laterWithLines;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (!isHeader(lines[i])) continue;
        const std::string name = nameOf(lines[i]);
        if (seen.count(name) && !isEmptyHeader(i)) laterWithLines.insert(name);
        seen.insert(name);
    }
    seen.clear();
    std::vector<std::string> kept;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (isHeader(lines[i])) {
            const std::string name = nameOf(lines[i]);
            const bool first = seen.insert(name).second;
            if (isEmptyHeader(i) && !(first && laterWithLines.count(name))) continue;
        }
        kept.push_back(lines[i]);
    }
    return kept;
}

std::vector<std::string> NonBlankLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find("\r\n", start);
        const std::string line = text.substr(start, end - start);
        if (!line.empty()) lines.push_back(line);
        start = end + 2;
    }
    return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    config::TBigIniFile first("");
    first.Parse(input);
    const std::string written = first.Serialize();

    const bool marked = input.compare(0, kMark.size(), kMark) == 0;
    Check(!marked || written.compare(0, kMark.size(), kMark) == 0);
    Check(NonBlankLines(marked ? written.substr(kMark.size()) : written) == KeptLines(input));

    config::TBigIniFile second("");
    second.Parse(written);
    Check(second.Serialize() == written);
    // The same sections with lines, in the same order and roles.
    const auto& a = first.Sections().Sections();
    const auto& b = second.Sections().Sections();
    auto withLines = [](const std::vector<config::IniSection>& sections) {
        std::vector<const config::IniSection*> list;
        for (const auto& section : sections) {
            if (!section.entries.empty()) list.push_back(&section);
        }
        return list;
    };
    const auto before = withLines(a), after = withLines(b);
    Check(before.size() == after.size());
    for (size_t i = 0; i < before.size(); ++i) {
        Check(before[i]->name == after[i]->name && before[i]->setAside == after[i]->setAside);
        Check(before[i]->entries.size() == after[i]->entries.size());
        for (size_t k = 0; k < before[i]->entries.size(); ++k) {
            Check(before[i]->entries[k].Text() == after[i]->entries[k].Text());
            Check(before[i]->entries[k].name == after[i]->entries[k].name);
        }
    }

    // Reads through the model agree before and after the rewrite.
    for (const auto& section : a) {
        if (section.setAside) continue;
        for (const auto& entry : section.entries) {
            if (!entry.hasName) continue;
            Check(first.ReadString(section.name, entry.name, "\x01") ==
                  second.ReadString(section.name, entry.name, "\x01"));
        }
    }
    return 0;
}
