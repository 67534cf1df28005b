#include "config/registry.h"

#include <cstring>

#include "config/errors.h"
#include "config/text.h"

namespace config {

using platform::ValueType;

namespace {

bool IsText(ValueType type) { return type == ValueType::Sz || type == ValueType::ExpandSz; }

}  // namespace

std::unique_ptr<TRegistry> TRegistry::Open(platform::RootKey root, const std::string& path, bool canCreate) {
    auto reg = std::make_unique<TRegistry>();
    reg->SetRootKey(root);
    reg->OpenKey(path, canCreate);
    return reg;
}

bool TRegistry::OpenKey(const std::string& path, bool canCreate) {
    key_ = platform::Get().registry().OpenKey(root_, path, canCreate);
    return key_ != nullptr;
}

bool TRegistry::ValueExists(const std::string& name) const { return key_ && key_->QueryValue(name).has_value(); }

std::string TRegistry::ReadString(const std::string& name) const {
    if (!key_) return std::string();
    const auto value = key_->QueryValue(name);
    if (!value) return std::string();
    if (!IsText(value->type)) throw ERegistryException(Format(kMsgInvalidDataType, name));
    return platform::TextOfSz(value->data);
}

int32_t TRegistry::ReadInteger(const std::string& name) const {
    const auto value = key_ ? key_->QueryValue(name) : std::nullopt;
    if (!value || value->data.size() > 4) throw ERegistryException(Format(kMsgCannotGetData, name));
    if (value->type != ValueType::Dword) throw ERegistryException(Format(kMsgInvalidDataType, name));
    uint32_t number = 0;
    for (size_t i = 0; i < value->data.size(); ++i) {
        number |= static_cast<uint32_t>(static_cast<unsigned char>(value->data[i])) << (8 * i);
    }
    return static_cast<int32_t>(number);
}

uint32_t TRegistry::ReadBinaryData(const std::string& name, void* buffer, uint32_t bufferSize) const {
    if (!key_) return 0;
    const auto value = key_->QueryValue(name);
    if (!value) return 0;
    if (IsText(value->type) || value->type == ValueType::Dword || value->data.size() > bufferSize) {
        throw ERegistryException(Format(kMsgInvalidDataType, name));
    }
    std::memcpy(buffer, value->data.data(), value->data.size());
    return static_cast<uint32_t>(value->data.size());
}

void TRegistry::Write(const std::string& name, ValueType type, const std::string& data) {
    if (!key_ || !key_->SetValue(name, type, data)) throw ERegistryException(Format(kMsgCannotSetData, name));
}

void TRegistry::WriteString(const std::string& name, const std::string& value) {
    Write(name, ValueType::Sz, platform::SzData(value));
}

void TRegistry::WriteExpandString(const std::string& name, const std::string& value) {
    Write(name, ValueType::ExpandSz, platform::SzData(value));
}

void TRegistry::WriteInteger(const std::string& name, int32_t value) {
    Write(name, ValueType::Dword, platform::DwordData(static_cast<uint32_t>(value)));
}

void TRegistry::WriteBinaryData(const std::string& name, const void* bytes, uint32_t length) {
    Write(name, ValueType::Binary, std::string(static_cast<const char*>(bytes), length));
}

bool TRegistry::DeleteValue(const std::string& name) { return key_ && key_->DeleteValue(name); }

}  // namespace config
