// The export-directory walker on the real kernel32 of both Wine builds: it
// finds what GetProcAddress finds, follows forwarders, and in the 32-bit
// build reaches the 16-bit services by ordinal.
#include <gtest/gtest.h>

#ifdef _WIN32
#include "platform/win32/win32_exports.h"
#endif

namespace {

TEST(ExportWalkerTest, FindsKernelExportsByNameAndOrdinal) {
#ifdef _WIN32
    using platform::win32::FindExport;
    using platform::win32::FindExportOrdinal;
    HMODULE kernel = GetModuleHandleA("kernel32.dll");
    ASSERT_NE(kernel, nullptr);
    // Plain and forwarded exports alike.
    for (const char* name : {"GetTickCount", "GetVersionExA", "HeapAlloc", "GetLastError", "LoadLibraryA"}) {
        EXPECT_EQ(FindExport(kernel, name), reinterpret_cast<void*>(GetProcAddress(kernel, name))) << name;
    }
    EXPECT_EQ(FindExport(kernel, "QwNoSuchExport"), nullptr);
    EXPECT_EQ(FindExportOrdinal(kernel, 0xFFFF), nullptr);
    EXPECT_EQ(FindExport(nullptr, "GetTickCount"), nullptr);
    if (sizeof(void*) == 4) {
        EXPECT_NE(FindExport(kernel, "QT_Thunk"), nullptr);
        for (uint32_t ordinal : {35u, 36u, 37u}) EXPECT_NE(FindExportOrdinal(kernel, ordinal), nullptr) << ordinal;
    } else {
        EXPECT_EQ(FindExport(kernel, "QT_Thunk"), nullptr);
    }
#else
    GTEST_SKIP() << "walks the export directory of the real kernel32";
#endif
}

}  // namespace
