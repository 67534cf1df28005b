#include "platform/pe_version.h"

#include <algorithm>
#include <vector>

#include "platform/text.h"

namespace platform {

namespace {

uint32_t U16(const std::string& b, size_t at) {
    if (at + 2 > b.size()) return 0;
    return static_cast<unsigned char>(b[at]) | static_cast<unsigned char>(b[at + 1]) << 8;
}

uint32_t U32(const std::string& b, size_t at) {
    if (at + 4 > b.size()) return 0;
    return U16(b, at) | U16(b, at + 2) << 16;
}

constexpr uint32_t kRtVersion = 16;

// The characters 0x80 to 0x9F of Windows-1252 in Unicode.
constexpr uint16_t kCp1252High[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char ToCp1252(uint16_t unit) {
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) return static_cast<char>(unit);
    for (int i = 0; i < 32; ++i) {
        if (kCp1252High[i] == unit) return static_cast<char>(0x80 + i);
    }
    return '?';
}

struct Node {
    size_t start = 0, end = 0;  // within the block
    uint32_t valueLength = 0, type = 0;
    std::string key;  // Windows-1252
    size_t value = 0, children = 0;
};

size_t Align4(size_t at) { return (at + 3) & ~size_t{3}; }

// The node at offset at, bounded by limit; false when it does not fit.
bool ReadNode(const std::string& b, size_t at, size_t limit, Node& node) {
    if (at + 6 > limit) return false;
    const uint32_t length = U16(b, at);
    if (length < 6 || at + length > limit) return false;
    node.start = at;
    node.end = at + length;
    node.valueLength = U16(b, at + 2);
    node.type = U16(b, at + 4);
    node.key.clear();
    size_t p = at + 6;
    for (;; p += 2) {
        if (p + 2 > node.end) return false;
        const uint16_t unit = static_cast<uint16_t>(U16(b, p));
        if (unit == 0) break;
        node.key += ToCp1252(unit);
    }
    node.value = Align4(p + 2);
    const size_t valueBytes = node.type == 1 ? node.valueLength * 2 : node.valueLength;
    node.children = Align4(node.value + valueBytes);
    if (node.value + valueBytes > node.end) {
        // Some writers count a text value's bytes in wValueLength; keep to
        // what the node holds.
        if (node.value > node.end) return false;
        node.children = node.end;
    }
    return true;
}

}  // namespace

std::optional<std::string> ReadPeVersionResource(const std::string& file) {
    if (file.size() < 0x40 || file[0] != 'M' || file[1] != 'Z') return std::nullopt;
    const size_t pe = U32(file, 0x3C);
    if (pe + 24 > file.size() || file.compare(pe, 4, std::string("PE\0\0", 4)) != 0) return std::nullopt;
    const uint32_t sections = U16(file, pe + 6);
    const uint32_t optionalSize = U16(file, pe + 20);
    const size_t optional = pe + 24;
    const uint32_t magic = U16(file, optional);
    size_t directories = 0, directoryCount = 0;
    if (magic == 0x10B) {
        directoryCount = U32(file, optional + 92);
        directories = optional + 96;
    } else if (magic == 0x20B) {
        directoryCount = U32(file, optional + 108);
        directories = optional + 112;
    } else {
        return std::nullopt;
    }
    if (directoryCount < 3) return std::nullopt;
    const uint32_t resourceRva = U32(file, directories + 2 * 8);
    if (resourceRva == 0) return std::nullopt;

    // Relative virtual addresses to offsets in the file, through the
    // section table.
    const size_t table = optional + optionalSize;
    auto toOffset = [&](uint32_t rva) -> std::optional<size_t> {
        for (uint32_t i = 0; i < sections; ++i) {
            const size_t s = table + i * 40;
            if (s + 40 > file.size()) return std::nullopt;
            const uint32_t va = U32(file, s + 12);
            const uint32_t size = std::max(U32(file, s + 8), U32(file, s + 16));
            if (rva >= va && rva < va + size) return U32(file, s + 20) + (rva - va);
        }
        return std::nullopt;
    };
    const auto root = toOffset(resourceRva);
    if (!root || *root >= file.size()) return std::nullopt;

    // One level of the resource tree: the entry with the given id, or the
    // first entry when id is 0. Gives its offset field.
    auto entry = [&](size_t directory, uint32_t id) -> std::optional<uint32_t> {
        const size_t count = U16(file, directory + 12) + U16(file, directory + 14);
        for (size_t i = 0; i < count; ++i) {
            const size_t e = directory + 16 + i * 8;
            if (e + 8 > file.size()) return std::nullopt;
            const uint32_t name = U32(file, e);
            if (id == 0 || (!(name & 0x80000000u) && name == id)) return U32(file, e + 4);
        }
        return std::nullopt;
    };
    size_t at = *root;
    for (uint32_t id : {kRtVersion, 0u, 0u}) {
        const auto next = entry(at, id);
        if (!next) return std::nullopt;
        at = *root + (*next & 0x7FFFFFFFu);
        if (at >= file.size()) return std::nullopt;
        if (id == 0 && !(*next & 0x80000000u)) break;
    }
    // at is the data entry now.
    const auto data = toOffset(U32(file, at));
    const uint32_t size = U32(file, at + 4);
    if (!data || *data + size > file.size() || size < 6) return std::nullopt;
    return file.substr(*data, size);
}

std::optional<std::string> QueryPeVersionValue(const std::string& block, const std::string& subBlock) {
    Node node;
    if (!ReadNode(block, 0, std::min<size_t>(block.size(), U16(block, 0)), node)) return std::nullopt;
    size_t p = 0;
    while (p < subBlock.size()) {
        const size_t next = subBlock.find('\\', p);
        const std::string part = subBlock.substr(p, next == std::string::npos ? std::string::npos : next - p);
        p = next == std::string::npos ? subBlock.size() : next + 1;
        if (part.empty()) continue;
        bool found = false;
        for (size_t at = node.children; at < node.end;) {
            Node child;
            if (!ReadNode(block, at, node.end, child)) break;
            if (SameText(child.key, part)) {
                node = child;
                found = true;
                break;
            }
            at = Align4(child.end);
        }
        if (!found) return std::nullopt;
    }
    if (node.type != 1) return block.substr(node.value, std::min<size_t>(node.valueLength, node.end - node.value));
    std::string text;
    for (size_t i = 0; i < node.valueLength && node.value + 2 * i + 2 <= node.end; ++i) {
        const uint16_t unit = static_cast<uint16_t>(U16(block, node.value + 2 * i));
        text += ToCp1252(unit);
        if (unit == 0) break;
    }
    if (text.empty() || text.back() != '\0') text += '\0';
    return text;
}

}  // namespace platform
