// What only a 32-bit program meets on Windows 98: the i686 build under 32-bit
// Wine sees the version record of Windows 98, the 32-bit records of kernel32
// and its thunk to 16-bit code, which the free system resources are read
// through. The native and win64 builds have none of these and skip.
#include <gtest/gtest.h>

#if defined(_WIN32) && !defined(_WIN64)
#include "platform/win32/win32_api.h"
// After <windows.h>.
#include <tlhelp32.h>
#define QW_WINDOWS_32BIT 1
#endif

namespace {

TEST(Windows98On32BitTest, ReportsWindows98AndKernelThunks) {
#ifdef QW_WINDOWS_32BIT
    EXPECT_EQ(sizeof(void*), 4u);
    // The records as Windows 98's kernel32 knows them; it checks dwSize.
    EXPECT_EQ(sizeof(MEMORYSTATUS), 32u);
    EXPECT_EQ(sizeof(PROCESSENTRY32), 296u);

    OSVERSIONINFOA version;
    ZeroMemory(&version, sizeof version);
    version.dwOSVersionInfoSize = sizeof version;
    ASSERT_TRUE(GetVersionExA(&version));
    EXPECT_EQ(version.dwPlatformId, static_cast<DWORD>(VER_PLATFORM_WIN32_WINDOWS));
    EXPECT_EQ(version.dwMajorVersion, 4u);
    EXPECT_EQ(version.dwMinorVersion, 10u);
    // On the 9x family the high word of the build repeats the version.
    EXPECT_EQ(LOWORD(version.dwBuildNumber), 2222u);

    HMODULE kernel = GetModuleHandleA("kernel32.dll");
    ASSERT_NE(kernel, nullptr);
    EXPECT_NE(reinterpret_cast<void*>(GetProcAddress(kernel, "QT_Thunk")), nullptr);
#else
    GTEST_SKIP() << "only the i686 build under 32-bit Wine is a 32-bit program on Windows 98";
#endif
}

}  // namespace
