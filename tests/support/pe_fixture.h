// Small PE files with a version resource, made in the tests: a DLL of one
// resource section whose VS_VERSIONINFO holds the translations and string
// tables a test asks for. Windows' own version.dll reads them as it reads
// any DLL, so the same fixtures serve the fake and Wine.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace testing_support {

struct VersionFixture {
    bool hasResource = true;
    std::vector<std::pair<uint16_t, uint16_t>> translations;
    struct Table {
        std::string name;  // "040704E4"
        std::vector<std::pair<std::string, std::string>> values;
    };
    std::vector<Table> tables;

    // The usual resource of our files: 0x0407/0x04E4 with FileVersion.
    static VersionFixture German(const std::string& version) {
        VersionFixture f;
        f.translations = {{0x0407, 0x04E4}};
        f.tables = {{"040704E4", {{"FileVersion", version}, {"ProductName", "Quellwerk"}}}};
        return f;
    }
};

namespace pe_detail {

inline void Put16(std::string& b, uint32_t v) {
    b += static_cast<char>(v & 0xFF);
    b += static_cast<char>((v >> 8) & 0xFF);
}
inline void Put32(std::string& b, uint32_t v) {
    Put16(b, v & 0xFFFF);
    Put16(b, v >> 16);
}
inline void Set16(std::string& b, size_t at, uint32_t v) {
    b[at] = static_cast<char>(v & 0xFF);
    b[at + 1] = static_cast<char>((v >> 8) & 0xFF);
}
inline void Set32(std::string& b, size_t at, uint32_t v) {
    Set16(b, at, v & 0xFFFF);
    Set16(b, at + 2, v >> 16);
}
inline void Pad4(std::string& b) {
    while (b.size() % 4) b += '\0';
}
inline std::string Wide(const std::string& text) {
    std::string w;
    for (char c : text) Put16(w, static_cast<unsigned char>(c));
    Put16(w, 0);
    return w;
}

// One node of the version tree; children are laid out already.
inline std::string Node(const std::string& key, uint32_t type, const std::string& value, uint32_t valueLength,
                        const std::vector<std::string>& children) {
    std::string n(6, '\0');
    n += Wide(key);
    Pad4(n);
    n += value;
    for (const auto& child : children) {
        Pad4(n);
        n += child;
    }
    Set16(n, 0, static_cast<uint32_t>(n.size()));
    Set16(n, 2, valueLength);
    Set16(n, 4, type);
    return n;
}

inline std::string VersionBlock(const VersionFixture& f) {
    std::string fixed;
    for (uint32_t v : {0xFEEF04BDu, 0x00010000u, 0x00010000u, 0u, 0x00010000u, 0u, 0x3Fu, 0u, 4u, 2u, 0u, 0u, 0u})
        Put32(fixed, v);
    std::vector<std::string> tables;
    for (const auto& t : f.tables) {
        std::vector<std::string> strings;
        for (const auto& [key, text] : t.values) {
            strings.push_back(Node(key, 1, Wide(text), static_cast<uint32_t>(text.size() + 1), {}));
        }
        tables.push_back(Node(t.name, 1, "", 0, strings));
    }
    std::vector<std::string> children;
    if (!f.tables.empty()) children.push_back(Node("StringFileInfo", 1, "", 0, tables));
    if (!f.translations.empty()) {
        std::string list;
        for (const auto& [language, codePage] : f.translations) {
            Put16(list, language);
            Put16(list, codePage);
        }
        children.push_back(
            Node("VarFileInfo", 1, "", 0, {Node("Translation", 0, list, static_cast<uint32_t>(list.size()), {})}));
    }
    return Node("VS_VERSION_INFO", 0, fixed, static_cast<uint32_t>(fixed.size()), children);
}

}  // namespace pe_detail

// A 32-bit DLL with nothing in it but its resources.
inline std::string MakePe(const VersionFixture& f) {
    using namespace pe_detail;
    // The resource section: type 16 (RT_VERSION), name 1, language 0x0407.
    std::string rsrc;
    const uint32_t kRva = 0x1000;
    if (f.hasResource) {
        const std::string block = VersionBlock(f);
        auto directory = [&](uint32_t id, uint32_t target) {
            for (int i = 0; i < 3; ++i) Put32(rsrc, 0);
            Put16(rsrc, 0);
            Put16(rsrc, 1);
            Put32(rsrc, id);
            Put32(rsrc, target);
        };
        directory(16, 0x80000000u | 0x18);
        directory(1, 0x80000000u | 0x30);
        directory(0x0407, 0x48);
        Put32(rsrc, kRva + 0x58);
        Put32(rsrc, static_cast<uint32_t>(block.size()));
        Put32(rsrc, 0);
        Put32(rsrc, 0);
        rsrc += block;
    } else {
        for (int i = 0; i < 4; ++i) Put32(rsrc, 0);  // a resource directory without entries
    }
    const uint32_t rawSize = (static_cast<uint32_t>(rsrc.size()) + 0x1FF) & ~0x1FFu;
    const uint32_t imageSize = kRva + ((static_cast<uint32_t>(rsrc.size()) + 0xFFF) & ~0xFFFu);

    std::string pe(0x40, '\0');
    pe[0] = 'M';
    pe[1] = 'Z';
    Set32(pe, 0x3C, 0x40);
    pe += std::string("PE\0\0", 4);
    Put16(pe, 0x14C);  // i386
    Put16(pe, 1);      // one section
    Put32(pe, 0);
    Put32(pe, 0);
    Put32(pe, 0);
    Put16(pe, 0xE0);
    Put16(pe, 0x2102);  // executable image, 32-bit, DLL
    // The optional header.
    Put16(pe, 0x10B);
    Put16(pe, 0);
    Put32(pe, 0);        // code
    Put32(pe, rawSize);  // initialised data
    Put32(pe, 0);
    Put32(pe, 0);  // no entry point
    Put32(pe, kRva);
    Put32(pe, kRva);
    Put32(pe, 0x10000000);  // image base
    Put32(pe, 0x1000);      // section alignment
    Put32(pe, 0x200);       // file alignment
    Put16(pe, 4);
    Put16(pe, 0);
    Put16(pe, 0);
    Put16(pe, 0);
    Put16(pe, 4);
    Put16(pe, 0);
    Put32(pe, 0);
    Put32(pe, imageSize);
    Put32(pe, 0x200);  // headers
    Put32(pe, 0);
    Put16(pe, 2);  // GUI subsystem
    Put16(pe, 0);
    for (uint32_t v : {0x100000u, 0x1000u, 0x100000u, 0x1000u, 0u, 16u}) Put32(pe, v);
    for (int i = 0; i < 16; ++i) {
        Put32(pe, i == 2 ? kRva : 0);
        Put32(pe, i == 2 ? static_cast<uint32_t>(rsrc.size()) : 0);
    }
    // The section table.
    pe += std::string(".rsrc\0\0\0", 8);
    Put32(pe, static_cast<uint32_t>(rsrc.size()));
    Put32(pe, kRva);
    Put32(pe, rawSize);
    Put32(pe, 0x200);
    Put32(pe, 0);
    Put32(pe, 0);
    Put32(pe, 0);
    Put32(pe, 0x40000040);  // initialised data, readable
    pe.resize(0x200, '\0');
    rsrc.resize(rawSize, '\0');
    return pe + rsrc;
}

}  // namespace testing_support
