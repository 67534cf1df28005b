// An open registry key of the real registry.
#pragma once

#include "platform/platform.h"
#include "platform/win32/win32_handle.h"

namespace platform::win32 {

class Win32RegKey : public RegKey {
public:
    explicit Win32RegKey(UniqueKey key) : key_(std::move(key)) {}

    std::optional<RegValue> QueryValue(const std::string& name) override;
    std::optional<uint32_t> QueryValueSize(const std::string& name) override;
    bool SetValue(const std::string& name, ValueType type, const std::string& data) override;
    bool DeleteValue(const std::string& name) override;
    std::vector<std::string> SubkeyNames() override;
    std::vector<std::string> ValueNames() override;

    HKEY Handle() const { return key_.Get(); }

private:
    UniqueKey key_;
};

}  // namespace platform::win32
