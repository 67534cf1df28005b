#include <memory>

#include "platform/platform.h"
#include "platform/text.h"
#include "sysinfo/collectors/network.h"

namespace sysinfo::collectors {

const char kClassKey[] = "SYSTEM\\CurrentControlSet\\Services\\Class";

namespace {

// A string value's text; nothing for a missing value or one of another type.
bool ReadText(platform::RegKey& key, const std::string& name, std::string& text) {
    const auto value = key.QueryValue(name);
    if (!value || (value->type != platform::ValueType::Sz && value->type != platform::ValueType::ExpandSz)) {
        return false;
    }
    text = platform::TextOfSz(value->data);
    return true;
}

void AddUnique(std::vector<std::string>& list, const std::string& entry) {
    for (const std::string& known : list) {
        if (platform::SameText(known, entry)) return;
    }
    list.push_back(entry);
}

}  // namespace

TClassList ReadClassList(platform::RootKey root, const std::string& classKey, const std::string& className,
                         const std::string& valueName) {
    TClassList result;
    platform::Registry& registry = platform::Get().registry();
    std::vector<std::string> classes;
    {
        const auto key = registry.OpenKey(root, classKey, false);
        if (!key) return result;
        classes = key->SubkeyNames();
    }
    for (const std::string& name : classes) {
        std::string link;
        {
            const auto key = registry.OpenKey(root, classKey + "\\" + name, false);
            std::string found;
            if (!key || !ReadText(*key, "Class", found) || !platform::SameText(found, className)) continue;
            // Without a link the class names no key of its own; the class key
            // itself would list unrelated keys.
            if (!ReadText(*key, "Link", link) || link.empty()) return result;
        }
        link = platform::UpperCase(link);
        const std::string linked = classKey + "\\" + link;
        std::vector<std::string> entries;
        {
            const auto key = registry.OpenKey(root, linked, false);
            if (!key) return result;
            result.link = link;
            entries = key->SubkeyNames();
        }
        for (const std::string& entry : entries) {
            const auto key = registry.OpenKey(root, linked + "\\" + entry, false);
            std::string text;
            if (key && ReadText(*key, valueName, text)) AddUnique(result.items, text);
        }
        return result;
    }
    return result;
}

void TNetwork::RefreshProtocols() {
    Protocol = ReadClassList(platform::RootKey::LocalMachine, kClassKey, "NetTrans", "DriverDesc").items;
}

}  // namespace sysinfo::collectors
