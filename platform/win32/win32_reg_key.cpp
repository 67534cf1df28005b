#include "platform/win32/win32_reg_key.h"

namespace platform::win32 {

std::optional<RegValue> Win32RegKey::QueryValue(const std::string& name) {
    // The size can grow between the two calls (the statistics under
    // HKEY_DYN_DATA do), so ask again while the buffer is too small.
    DWORD size = 0;
    DWORD type = 0;
    if (RegQueryValueExA(key_.Get(), name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    std::string data;
    for (int attempt = 0; attempt < 8; ++attempt) {
        data.assign(size, '\0');
        DWORD got = size;
        const LONG result = RegQueryValueExA(key_.Get(), name.c_str(), nullptr, &type,
                                             size ? reinterpret_cast<BYTE*>(&data[0]) : nullptr, &got);
        if (result == ERROR_SUCCESS) {
            data.resize(got);
            return RegValue{static_cast<ValueType>(type), data};
        }
        if (result != ERROR_MORE_DATA) return std::nullopt;
        size = got > size ? got : size * 2 + 16;
    }
    return std::nullopt;
}

std::optional<uint32_t> Win32RegKey::QueryValueSize(const std::string& name) {
    DWORD size = 0;
    DWORD type = 0;
    if (RegQueryValueExA(key_.Get(), name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return static_cast<uint32_t>(size);
}

bool Win32RegKey::SetValue(const std::string& name, ValueType type, const std::string& data) {
    return RegSetValueExA(key_.Get(), name.c_str(), 0, static_cast<DWORD>(type),
                          reinterpret_cast<const BYTE*>(data.data()), static_cast<DWORD>(data.size())) ==
           ERROR_SUCCESS;
}

bool Win32RegKey::DeleteValue(const std::string& name) {
    return RegDeleteValueA(key_.Get(), name.c_str()) == ERROR_SUCCESS;
}

namespace {

// The names that RegEnumKeyExA or RegEnumValueA list, index by index; the
// buffer grows for a long name.
template <typename Enumerate>
std::vector<std::string> EnumerateNames(Enumerate enumerate) {
    std::vector<std::string> names;
    std::string buffer(256, '\0');
    for (DWORD index = 0;;) {
        DWORD length = static_cast<DWORD>(buffer.size());
        const LONG result = enumerate(index, &buffer[0], &length);
        if (result == ERROR_MORE_DATA && buffer.size() < 65536) {
            buffer.resize(buffer.size() * 2);
            continue;
        }
        if (result != ERROR_SUCCESS) break;
        names.emplace_back(buffer.data(), length);
        ++index;
    }
    return names;
}

}  // namespace

std::vector<std::string> Win32RegKey::SubkeyNames() {
    return EnumerateNames([this](DWORD index, char* name, DWORD* length) {
        return RegEnumKeyExA(key_.Get(), index, name, length, nullptr, nullptr, nullptr, nullptr);
    });
}

std::vector<std::string> Win32RegKey::ValueNames() {
    return EnumerateNames([this](DWORD index, char* name, DWORD* length) {
        return RegEnumValueA(key_.Get(), index, name, length, nullptr, nullptr, nullptr, nullptr);
    });
}

}  // namespace platform::win32
