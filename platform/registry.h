// The registry: keys under the predefined roots and their typed values.
//
// Binary registry data is carried in std::string (one char per byte).
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace platform {

enum class RootKey { ClassesRoot, CurrentUser, LocalMachine, Users, CurrentConfig, DynData };

// The Win32 numbers of the value types, so that they can be passed through.
enum class ValueType : uint32_t {
    None = 0,
    Sz = 1,
    ExpandSz = 2,
    Binary = 3,
    Dword = 4,
    MultiSz = 7,
};

struct RegValue {
    ValueType type = ValueType::None;
    std::string data;  // raw bytes; REG_SZ data includes its terminating NUL
};

// An open registry key. Closed when destroyed.
class RegKey {
public:
    virtual ~RegKey() = default;
    // The value's type and bytes, or nothing when the value does not exist.
    // An empty name is the key's default value.
    virtual std::optional<RegValue> QueryValue(const std::string& name) = 0;
    // The size in bytes of the value's data, or nothing when it does not exist.
    virtual std::optional<uint32_t> QueryValueSize(const std::string& name) = 0;
    virtual bool SetValue(const std::string& name, ValueType type, const std::string& data) = 0;
    virtual bool DeleteValue(const std::string& name) = 0;
    virtual std::vector<std::string> SubkeyNames() = 0;
    virtual std::vector<std::string> ValueNames() = 0;
};

class Registry {
public:
    virtual ~Registry() = default;
    // Opens root\path (an empty path opens the root itself). With create, a
    // missing key and its missing parents are created. Nothing on failure.
    virtual std::unique_ptr<RegKey> OpenKey(RootKey root, const std::string& path, bool create) = 0;
    // Deletes root\path together with all its subkeys.
    virtual bool DeleteKey(RootKey root, const std::string& path) = 0;
    // RegConnectRegistryA("\\\\" + machine, root), then opens path below the
    // connected key for reading; the connection is closed again at once.
    // Nothing when the connection fails, a null key when the key is missing.
    virtual std::optional<std::unique_ptr<RegKey>> OpenRemoteKey(const std::string& machine, RootKey root,
                                                                 const std::string& path) = 0;
};

// Helpers to build value data in the Win32 layout.
std::string SzData(const std::string& text);  // text plus the terminating NUL
std::string DwordData(uint32_t value);        // four bytes, little endian
// Text of REG_SZ/REG_EXPAND_SZ data, cut at the first NUL.
std::string TextOfSz(const std::string& data);

}  // namespace platform
