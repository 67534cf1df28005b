// Owners of Windows handles: each closes its handle when it goes out of
// scope, so that no path out of a function leaks a key, file or search.
#pragma once

#include "platform/win32/win32_api.h"

namespace platform::win32 {

template <typename Traits>
class UniqueHandle {
public:
    using Type = typename Traits::Type;

    UniqueHandle() : handle_(Traits::Invalid()) {}
    explicit UniqueHandle(Type handle) : handle_(handle) {}
    ~UniqueHandle() { Reset(); }

    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.Release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) Reset(other.Release());
        return *this;
    }

    Type Get() const { return handle_; }
    bool Valid() const { return handle_ != Traits::Invalid(); }
    void Reset(Type handle = Traits::Invalid()) {
        if (Valid()) Traits::Close(handle_);
        handle_ = handle;
    }
    Type Release() {
        Type handle = handle_;
        handle_ = Traits::Invalid();
        return handle;
    }
    // For functions that return the handle through a pointer.
    Type* Receive() {
        Reset();
        return &handle_;
    }

private:
    Type handle_;
};

struct KeyTraits {
    using Type = HKEY;
    static Type Invalid() { return nullptr; }
    static void Close(Type handle) { RegCloseKey(handle); }
};

struct FileTraits {
    using Type = HANDLE;
    static Type Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(Type handle) { CloseHandle(handle); }
};

struct FindTraits {
    using Type = HANDLE;
    static Type Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(Type handle) { FindClose(handle); }
};

using UniqueKey = UniqueHandle<KeyTraits>;
using UniqueFile = UniqueHandle<FileTraits>;
using UniqueFind = UniqueHandle<FindTraits>;

}  // namespace platform::win32
