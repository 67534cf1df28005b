#include "platform/regedit.h"

#include <cstdio>
#include <optional>

#include "platform/text.h"

namespace platform {

namespace {

constexpr RootKey kAllRoots[] = {RootKey::ClassesRoot, RootKey::CurrentUser, RootKey::LocalMachine,
                                 RootKey::Users,       RootKey::CurrentConfig, RootKey::DynData};

std::string Quoted(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '\\' || c == '"') out += '\\';
        out += c;
    }
    return out + '"';
}

std::string HexBytes(const std::string& data) {
    std::string out;
    char buf[4];
    for (size_t i = 0; i < data.size(); ++i) {
        std::snprintf(buf, sizeof buf, "%02x", static_cast<unsigned char>(data[i]));
        if (i) out += ',';
        out += buf;
    }
    return out;
}

// REG_SZ data that regedit writes as a quoted string: the text and one NUL.
bool IsPlainSz(const std::string& data) {
    return !data.empty() && data.back() == '\0' && data.find('\0') == data.size() - 1 &&
           data.find_first_of("\r\n") == std::string::npos;
}

std::string ValueLine(const std::string& name, const RegValue& value) {
    std::string line = name.empty() ? "@" : Quoted(name);
    line += '=';
    const auto type = static_cast<uint32_t>(value.type);
    if (value.type == ValueType::Sz && IsPlainSz(value.data)) {
        line += Quoted(value.data.substr(0, value.data.size() - 1));
    } else if (value.type == ValueType::Dword && value.data.size() == 4) {
        uint32_t number = 0;
        for (int i = 3; i >= 0; --i) number = (number << 8) | static_cast<unsigned char>(value.data[i]);
        char buf[16];
        std::snprintf(buf, sizeof buf, "dword:%08x", static_cast<unsigned>(number));
        line += buf;
    } else if (value.type == ValueType::Binary) {
        line += "hex:" + HexBytes(value.data);
    } else {
        char buf[24];
        std::snprintf(buf, sizeof buf, "hex(%x):", static_cast<unsigned>(type));
        line += buf + HexBytes(value.data);
    }
    return line;
}

void ExportKey(RegKey& key, const std::string& path, bool isRoot, std::string& out) {
    const auto names = key.ValueNames();
    if (!isRoot || !names.empty()) {
        out += "[" + path + "]\r\n";
        for (const auto& name : names) {
            if (auto value = key.QueryValue(name)) out += ValueLine(name, *value) + "\r\n";
        }
        out += "\r\n";
    }
}

// Reads a quoted string starting at text[pos] == '"'; pos ends after the
// closing quote.
std::optional<std::string> ReadQuoted(const std::string& text, size_t& pos) {
    if (pos >= text.size() || text[pos] != '"') return std::nullopt;
    std::string out;
    for (++pos; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (c == '"') {
            ++pos;
            return out;
        }
        if (c == '\\') {
            if (++pos >= text.size()) return std::nullopt;
            out += text[pos];
        } else {
            out += c;
        }
    }
    return std::nullopt;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// "01,ff, 2a" -> bytes. Blanks around the bytes are allowed.
std::optional<std::string> ReadHexList(const std::string& text) {
    std::string out;
    std::string digits;
    auto flush = [&]() -> bool {
        if (digits.empty()) return false;
        if (digits.size() > 2) return false;
        int value = 0;
        for (char c : digits) {
            const int d = HexDigit(c);
            if (d < 0) return false;
            value = value * 16 + d;
        }
        out += static_cast<char>(value);
        digits.clear();
        return true;
    };
    const std::string body = Trim(text, kWhiteSpace);
    if (body.empty()) return out;
    for (char c : body) {
        if (c == ',') {
            if (!flush()) return std::nullopt;
        } else if (c != ' ' && c != '\t') {
            digits += c;
        }
    }
    if (!flush()) return std::nullopt;
    return out;
}

std::optional<RegValue> ReadValueData(const std::string& text) {
    if (!text.empty() && text[0] == '"') {
        size_t pos = 0;
        auto str = ReadQuoted(text, pos);
        if (!str || !Trim(text.substr(pos), kWhiteSpace).empty()) return std::nullopt;
        return RegValue{ValueType::Sz, SzData(*str)};
    }
    if (text.compare(0, 6, "dword:") == 0) {
        const std::string digits = Trim(text.substr(6), kWhiteSpace);
        if (digits.empty() || digits.size() > 8) return std::nullopt;
        uint32_t number = 0;
        for (char c : digits) {
            const int d = HexDigit(c);
            if (d < 0) return std::nullopt;
            number = number * 16 + static_cast<uint32_t>(d);
        }
        return RegValue{ValueType::Dword, DwordData(number)};
    }
    if (text.compare(0, 4, "hex:") == 0) {
        auto bytes = ReadHexList(text.substr(4));
        if (!bytes) return std::nullopt;
        return RegValue{ValueType::Binary, *bytes};
    }
    if (text.compare(0, 4, "hex(") == 0) {
        const auto close = text.find("):", 4);
        if (close == std::string::npos || close == 4) return std::nullopt;
        uint32_t type = 0;
        for (size_t i = 4; i < close; ++i) {
            const int d = HexDigit(text[i]);
            if (d < 0) return std::nullopt;
            type = type * 16 + static_cast<uint32_t>(d);
        }
        auto bytes = ReadHexList(text.substr(close + 2));
        if (!bytes) return std::nullopt;
        return RegValue{static_cast<ValueType>(type), *bytes};
    }
    return std::nullopt;
}

// The logical lines of the text: line ends CR LF or LF, a line whose hex
// data ends with a backslash goes on in the next line.
std::vector<std::string> LogicalLines(const std::string& text) {
    std::vector<std::string> lines;
    std::string current;
    bool continued = false;
    size_t pos = 0;
    while (pos <= text.size()) {
        auto end = text.find('\n', pos);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(pos, end - pos);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        pos = end + 1;
        if (continued) line = TrimLeft(line, kWhiteSpace);
        current += line;
        const std::string trimmed = TrimRight(current, kWhiteSpace);
        // Hex data breaks after a comma (or right after "hex:"); a quoted
        // string never ends in a backslash.
        const bool breaks = trimmed.size() >= 2 && trimmed.back() == '\\' &&
                            (trimmed[trimmed.size() - 2] == ',' || trimmed[trimmed.size() - 2] == ':');
        if (breaks) {
            current = trimmed.substr(0, trimmed.size() - 1);
            continued = true;
            continue;
        }
        lines.push_back(current);
        current.clear();
        continued = false;
    }
    if (continued) lines.push_back(current);
    return lines;
}

void ExportTree(RegKey& key, const std::string& path, bool isRoot, Registry& registry, RootKey root,
                const std::string& keyPath, std::string& out) {
    ExportKey(key, path, isRoot, out);
    for (const auto& child : key.SubkeyNames()) {
        const std::string childPath = keyPath.empty() ? child : keyPath + "\\" + child;
        if (auto open = registry.OpenKey(root, childPath, false)) {
            ExportTree(*open, path + "\\" + child, false, registry, root, childPath, out);
        }
    }
}

}  // namespace

const char* RootKeyName(RootKey root) {
    switch (root) {
        case RootKey::ClassesRoot: return "HKEY_CLASSES_ROOT";
        case RootKey::CurrentUser: return "HKEY_CURRENT_USER";
        case RootKey::LocalMachine: return "HKEY_LOCAL_MACHINE";
        case RootKey::Users: return "HKEY_USERS";
        case RootKey::CurrentConfig: return "HKEY_CURRENT_CONFIG";
        case RootKey::DynData: return "HKEY_DYN_DATA";
    }
    return "";
}

std::string ExportRegedit(Registry& registry, const std::vector<RootKey>& roots) {
    std::string out = "REGEDIT4\r\n\r\n";
    for (RootKey root : roots) {
        if (auto key = registry.OpenKey(root, "", false)) ExportTree(*key, RootKeyName(root), true, registry, root, "", out);
    }
    return out;
}

bool ImportRegedit(Registry& registry, const std::string& text) {
    const auto lines = LogicalLines(text);
    size_t index = 0;
    while (index < lines.size() && Trim(lines[index], kWhiteSpace).empty()) ++index;
    if (index == lines.size() || Trim(lines[index], kWhiteSpace) != "REGEDIT4") return false;
    ++index;

    std::unique_ptr<RegKey> key;
    for (; index < lines.size(); ++index) {
        const std::string line = Trim(lines[index], kWhiteSpace);
        if (line.empty() || line[0] == ';') continue;
        if (line[0] == '[') {
            if (line.back() != ']') return false;
            std::string path = line.substr(1, line.size() - 2);
            const bool remove = !path.empty() && path[0] == '-';
            if (remove) path.erase(0, 1);
            const auto slash = path.find('\\');
            const std::string rootName = path.substr(0, slash);
            const std::string rest = slash == std::string::npos ? std::string() : path.substr(slash + 1);
            std::optional<RootKey> root;
            for (RootKey candidate : kAllRoots) {
                if (SameText(rootName, RootKeyName(candidate))) root = candidate;
            }
            if (!root) return false;
            key.reset();
            if (remove) {
                registry.DeleteKey(*root, rest);
                continue;
            }
            key = registry.OpenKey(*root, rest, true);
            if (!key) return false;
            continue;
        }
        if (!key) return false;
        std::string name;
        size_t pos = 0;
        if (line[0] == '@') {
            pos = 1;
        } else {
            auto quoted = ReadQuoted(line, pos);
            if (!quoted) return false;
            name = *quoted;
        }
        while (pos < line.size() && (line[pos] == ' ' || line[pos] == '\t')) ++pos;
        if (pos >= line.size() || line[pos] != '=') return false;
        const std::string data = TrimLeft(line.substr(pos + 1), kWhiteSpace);
        if (data == "-") {
            key->DeleteValue(name);
            continue;
        }
        auto value = ReadValueData(data);
        if (!value) return false;
        key->SetValue(name, value->type, value->data);
    }
    return true;
}

}  // namespace platform
