// "cabinet.dll", loaded once when the program starts and freed at its end.
#pragma once

#include "platform/cabinet.h"

namespace platform::win32 {

class Win32Cabinet : public Cabinet {
public:
    // Loads the library under SEM_NOOPENFILEERRORBOX, so that Windows shows
    // no box when it is missing, and looks the functions up.
    Win32Cabinet();
    ~Win32Cabinet() override;
    Win32Cabinet(const Win32Cabinet&) = delete;
    Win32Cabinet& operator=(const Win32Cabinet&) = delete;

    bool Present() override { return present_; }
    void* Create(const CabParams& params, CabCallbacks& callbacks, CabErrorRecord& error) override;
    bool AddFile(void* context, const std::string& source, const std::string& stored, bool execute,
                 int compression) override;
    bool FlushCabinet(void* context, bool getNextCabinet) override;
    bool Destroy(void* context) override;

private:
    struct Functions;
    struct Session;
    void* library_ = nullptr;
    Functions* functions_ = nullptr;
    bool present_ = false;
};

}  // namespace platform::win32
