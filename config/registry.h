// Direct access to one registry key and its typed values.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/platform.h"

namespace config {

class TRegistry {
public:
    TRegistry() = default;

    // A registry object on root\path, made for one step of the program and
    // freed at its end. The key may have failed to open (HasCurrentKey).
    static std::unique_ptr<TRegistry> Open(platform::RootKey root, const std::string& path, bool canCreate);

    void SetRootKey(platform::RootKey root) {
        CloseKey();
        root_ = root;
    }
    platform::RootKey RootKey() const { return root_; }

    // Opens a key path below the root, creating it when canCreate. A key
    // that could not be opened leaves no key current; reads then behave as
    // for missing values and writes fail.
    bool OpenKey(const std::string& path, bool canCreate);
    void CloseKey() { key_.reset(); }
    bool HasCurrentKey() const { return key_ != nullptr; }

    bool ValueExists(const std::string& name) const;

    // Empty text when the value is missing; ERegistryException when it is
    // not REG_SZ or REG_EXPAND_SZ.
    std::string ReadString(const std::string& name) const;
    // REG_DWORD. ERegistryException when the value is missing or larger
    // than four bytes ("nicht holen"), or of another type ("Datentyp").
    int32_t ReadInteger(const std::string& name) const;
    bool ReadBool(const std::string& name) const { return ReadInteger(name) != 0; }
    // Reads at most bufferSize bytes into buffer and returns how many were
    // read: 0 for a missing value. ERegistryException for text and number
    // values and for values longer than the buffer.
    uint32_t ReadBinaryData(const std::string& name, void* buffer, uint32_t bufferSize) const;

    // Each raises ERegistryException ("nicht setzen") on failure.
    void WriteString(const std::string& name, const std::string& value);
    void WriteExpandString(const std::string& name, const std::string& value);
    void WriteInteger(const std::string& name, int32_t value);
    void WriteBool(const std::string& name, bool value) { WriteInteger(name, value ? 1 : 0); }
    void WriteBinaryData(const std::string& name, const void* bytes, uint32_t length);

    bool DeleteValue(const std::string& name);

private:
    void Write(const std::string& name, platform::ValueType type, const std::string& data);

    platform::RootKey root_ = platform::RootKey::CurrentUser;
    std::unique_ptr<platform::RegKey> key_;
};

}  // namespace config
