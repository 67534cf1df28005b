#include "platform/win32/win32_registry.h"

#include "platform/win32/win32_handle.h"
#include "platform/win32/win32_perf_stats.h"
#include "platform/win32/win32_reg_key.h"

namespace platform::win32 {

namespace {

HKEY RootHandle(RootKey root) {
    switch (root) {
        case RootKey::ClassesRoot: return HKEY_CLASSES_ROOT;
        case RootKey::CurrentUser: return HKEY_CURRENT_USER;
        case RootKey::LocalMachine: return HKEY_LOCAL_MACHINE;
        case RootKey::Users: return HKEY_USERS;
        case RootKey::CurrentConfig: return HKEY_CURRENT_CONFIG;
        case RootKey::DynData: return HKEY_DYN_DATA;
    }
    return HKEY_CURRENT_USER;
}

bool DeleteTree(HKEY parent, const std::string& path) {
    {
        UniqueKey key;
        if (RegOpenKeyExA(parent, path.c_str(), 0, KEY_ALL_ACCESS, key.Receive()) != ERROR_SUCCESS) return false;
        // Collect the names first: deleting while enumerating shifts the
        // indexes.
        Win32RegKey open(std::move(key));
        for (const auto& child : open.SubkeyNames()) DeleteTree(open.Handle(), child);
    }
    return RegDeleteKeyA(parent, path.c_str()) == ERROR_SUCCESS;
}

}  // namespace

std::unique_ptr<RegKey> Win32Registry::OpenKey(RootKey root, const std::string& path, bool create) {
    UniqueKey key;
    LONG result;
    if (create) {
        DWORD disposition = 0;
        result = RegCreateKeyExA(RootHandle(root), path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                                 nullptr, key.Receive(), &disposition);
    } else {
        result = RegOpenKeyExA(RootHandle(root), path.c_str(), 0, KEY_ALL_ACCESS, key.Receive());
        if (result == ERROR_ACCESS_DENIED) {
            result = RegOpenKeyExA(RootHandle(root), path.c_str(), 0, KEY_READ, key.Receive());
        }
    }
    const bool opened = result == ERROR_SUCCESS && key.Valid();
    if (root == RootKey::DynData && !create && IsPerfStatsPath(path)) {
        return OpenPerfStatsKey(path, opened ? std::make_unique<Win32RegKey>(std::move(key)) : nullptr);
    }
    if (!opened) return nullptr;
    return std::make_unique<Win32RegKey>(std::move(key));
}

std::optional<std::unique_ptr<RegKey>> Win32Registry::OpenRemoteKey(const std::string& machine, RootKey root,
                                                                    const std::string& path) {
    UniqueKey connected;
    const std::string name = "\\\\" + machine;
    if (RegConnectRegistryA(name.c_str(), RootHandle(root), connected.Receive()) != ERROR_SUCCESS) return std::nullopt;
    UniqueKey key;
    if (RegOpenKeyExA(connected.Get(), path.c_str(), 0, KEY_READ, key.Receive()) != ERROR_SUCCESS) {
        return std::unique_ptr<RegKey>();
    }
    return std::unique_ptr<RegKey>(std::make_unique<Win32RegKey>(std::move(key)));
}

bool Win32Registry::DeleteKey(RootKey root, const std::string& path) {
    if (path.empty()) return false;
    return DeleteTree(RootHandle(root), path);
}

}  // namespace platform::win32
