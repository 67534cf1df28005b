#include "platform/win32/win32_machine.h"

#include <x86intrin.h>

#include "platform/win32/win32_api.h"
#include "platform/win32/win32_exports.h"
// ToolHelp needs the types of <windows.h> first.
// clang-format off
#include <tlhelp32.h>
// clang-format on

#undef GetDiskFreeSpace
#undef GetDiskFreeSpaceEx

#if defined(__i386__)
// Calls a 16-bit entry (segment:offset in target) through QT_Thunk with
// one 16-bit argument. QT_Thunk takes the target in EDX and copies the
// arguments between ESP and EBP - 0x40 to the 16-bit stack, so the frame
// reserves exactly 0x40 bytes before the argument is pushed.
__attribute__((naked)) static uint32_t __stdcall CallThunk16(void* /*qtThunk*/, uint32_t /*target*/,
                                                              uint32_t /*argument*/) {
    asm("    pushl %ebx\n"
        "    pushl %esi\n"
        "    pushl %edi\n"
        "    pushl %ebp\n"
        "    movl %esp, %ebp\n"
        "    subl $0x40, %esp\n"
        "    movl 28(%ebp), %eax\n"
        "    pushw %ax\n"
        "    movl 24(%ebp), %edx\n"
        "    movl 20(%ebp), %ecx\n"
        "    call *%ecx\n"
        "    movzwl %ax, %eax\n"
        "    movl %ebp, %esp\n"
        "    popl %ebp\n"
        "    popl %edi\n"
        "    popl %esi\n"
        "    popl %ebx\n"
        "    ret $12\n");
}
#endif

namespace platform::win32 {

namespace {

SYSTEMTIME ToSystemTime(const LocalTime& t) {
    SYSTEMTIME st{};
    st.wYear = static_cast<WORD>(t.year);
    st.wMonth = static_cast<WORD>(t.month);
    st.wDay = static_cast<WORD>(t.day);
    st.wHour = static_cast<WORD>(t.hour);
    st.wMinute = static_cast<WORD>(t.minute);
    st.wSecond = static_cast<WORD>(t.second);
    st.wMilliseconds = static_cast<WORD>(t.milliseconds);
    return st;
}

char LocaleChar(LCTYPE type, char fallback) {
    char text[8] = {};
    if (GetLocaleInfoA(LOCALE_USER_DEFAULT, type, text, sizeof text) < 2) return fallback;
    return text[0];
}

}  // namespace

MemoryStatus Win32Machine::GlobalMemoryStatus() {
    MEMORYSTATUS status;
    ZeroMemory(&status, sizeof status);
    status.dwLength = sizeof status;
    ::GlobalMemoryStatus(&status);
    return {status.dwTotalPhys,     status.dwAvailPhys,    status.dwTotalPageFile,
            status.dwAvailPageFile, status.dwTotalVirtual, status.dwAvailVirtual};
}

std::optional<std::vector<ProcessEntry>> Win32Machine::Processes(size_t limit) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return std::nullopt;
    std::vector<ProcessEntry> entries;
    PROCESSENTRY32 entry;
    ZeroMemory(&entry, sizeof entry);
    entry.dwSize = sizeof entry;
    for (BOOL ok = limit > 0 && Process32First(snapshot, &entry); ok;) {
        entries.push_back({entry.th32ProcessID, entry.cntThreads, entry.th32ParentProcessID, entry.szExeFile});
        // Once the slots are full the rest of the list is not read.
        if (entries.size() >= limit) break;
        ok = Process32Next(snapshot, &entry);
    }
    CloseHandle(snapshot);
    return entries;
}

uint32_t Win32Machine::SetErrorMode(uint32_t mode) { return ::SetErrorMode(mode); }

std::optional<DiskGeometry> Win32Machine::GetDiskFreeSpace(const std::string& root) {
    DWORD sectors = 0, bytes = 0, freeClusters = 0, totalClusters = 0;
    if (!GetDiskFreeSpaceA(root.c_str(), &sectors, &bytes, &freeClusters, &totalClusters)) return std::nullopt;
    return DiskGeometry{sectors, bytes, freeClusters, totalClusters};
}

std::optional<DiskSpaceEx> Win32Machine::GetDiskFreeSpaceEx(const std::string& root) {
    using FreeSpaceEx = BOOL(WINAPI*)(LPCSTR, PULARGE_INTEGER, PULARGE_INTEGER, PULARGE_INTEGER);
    // Windows 95 before OSR2 lacks it.
    static const auto freeSpaceEx = reinterpret_cast<FreeSpaceEx>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "GetDiskFreeSpaceExA")));
    if (!freeSpaceEx) return std::nullopt;
    ULARGE_INTEGER toCaller, total, free;
    if (!freeSpaceEx(root.c_str(), &toCaller, &total, &free)) return std::nullopt;
    return DiskSpaceEx{toCaller.QuadPart, total.QuadPart};
}

std::optional<std::string> Win32Machine::ReadLowMemoryText(uint32_t address, size_t maxLength) {
    std::string text;
    uintptr_t at = address;
    // Page by page, each asked for its readability before it is touched.
    while (text.size() < maxLength && at < 0x100000) {
        MEMORY_BASIC_INFORMATION info;
        if (VirtualQuery(reinterpret_cast<const void*>(at), &info, sizeof info) == 0) break;
        const DWORD readable = PAGE_READONLY | PAGE_READWRITE | PAGE_WRITECOPY | PAGE_EXECUTE_READ |
                               PAGE_EXECUTE_READWRITE | PAGE_EXECUTE_WRITECOPY;
        if (info.State != MEM_COMMIT || !(info.Protect & readable) || (info.Protect & PAGE_GUARD)) break;
        const uintptr_t end = reinterpret_cast<uintptr_t>(info.BaseAddress) + info.RegionSize;
        for (; at < end && at < 0x100000 && text.size() < maxLength; ++at) {
            const char c = *reinterpret_cast<const volatile char*>(at);
            if (c == '\0') return text;
        text += c;
        }
    }
    if (text.empty()) return std::nullopt;
    return text;
}

ResourceReading Win32Machine::FreeSystemResources(const std::string& module, const std::string& entry,
                                                  uint16_t kind) {
#if defined(__i386__)
    OSVERSIONINFOA version;
    ZeroMemory(&version, sizeof version);
    version.dwOSVersionInfoSize = sizeof version;
    if (!GetVersionExA(&version) || version.dwPlatformId != VER_PLATFORM_WIN32_WINDOWS) {
        return {ResourceStatus::No16BitLayer, 100};
    }
    HMODULE kernel = GetModuleHandleA("kernel32.dll");
    void* qtThunk = FindExport(kernel, "QT_Thunk");
    using Load16 = DWORD(WINAPI*)(LPCSTR);
    using Free16 = void(WINAPI*)(DWORD);
    using GetProc16 = DWORD(WINAPI*)(DWORD, LPCSTR);
    const auto load16 = reinterpret_cast<Load16>(FindExportOrdinal(kernel, 35));
    const auto free16 = reinterpret_cast<Free16>(FindExportOrdinal(kernel, 36));
    const auto getProc16 = reinterpret_cast<GetProc16>(FindExportOrdinal(kernel, 37));
    if (!qtThunk || !load16 || !free16 || !getProc16) return {ResourceStatus::No16BitLayer, 100};
    const DWORD instance = load16(module.c_str()) & 0xFFFF;
    if (instance < 32) return {ResourceStatus::NoModule, 0};
    // The system keeps USER loaded, so the handle stays good.
    free16(instance);
    const DWORD target = getProc16(instance, entry.c_str());
    if (target == 0) return {ResourceStatus::NoEntry, 0};
    // Wine's QT_Thunk reaches the 16-bit code but loses AX on the way back.
    // USER's GetSystemMetrics(SM_CXSCREEN) through the same gate must give
    // the screen's width, or no 16-bit result can be trusted.
    static const bool carriesResults = [&] {
        const DWORD metrics = getProc16(instance, "GetSystemMetrics");
        return metrics != 0 &&
               CallThunk16(qtThunk, metrics, SM_CXSCREEN) == (static_cast<DWORD>(GetSystemMetrics(SM_CXSCREEN)) & 0xFFFF);
    }();
    if (!carriesResults) return {ResourceStatus::NoResult, 0};
    return {ResourceStatus::Done, static_cast<uint16_t>(CallThunk16(qtThunk, target, kind))};
#else
    (void)module;
    (void)entry;
    (void)kind;
    return {ResourceStatus::No16BitLayer, 100};
#endif
}

std::optional<uint64_t> Win32Machine::PerformanceFrequency() {
    LARGE_INTEGER frequency;
    if (!QueryPerformanceFrequency(&frequency) || frequency.QuadPart == 0) return std::nullopt;
    return static_cast<uint64_t>(frequency.QuadPart);
}

uint64_t Win32Machine::PerformanceCounter() {
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return static_cast<uint64_t>(counter.QuadPart);
}

uint64_t Win32Machine::TimeStampCounter() { return __rdtsc(); }

std::optional<int> Win32Machine::ThreadPriority() {
    const int priority = GetThreadPriority(GetCurrentThread());
    if (priority == THREAD_PRIORITY_ERROR_RETURN) return std::nullopt;
    return priority;
}

void Win32Machine::SetThreadPriority(int priority) { ::SetThreadPriority(GetCurrentThread(), priority); }

ScreenMode Win32Machine::Screen() {
    ScreenMode mode;
    HDC dc = GetDC(nullptr);
    if (!dc) return mode;
    mode.width = GetDeviceCaps(dc, HORZRES);
    mode.height = GetDeviceCaps(dc, VERTRES);
    mode.bitsPerPixel = GetDeviceCaps(dc, BITSPIXEL) * GetDeviceCaps(dc, PLANES);
    ReleaseDC(nullptr, dc);
    return mode;
}

NumberSeparators Win32Machine::Separators() {
    return {LocaleChar(LOCALE_STHOUSAND, ','), LocaleChar(LOCALE_SDECIMAL, '.')};
}

LocalTime Win32Machine::Now() {
    SYSTEMTIME st;
    GetLocalTime(&st);
    return {st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond, st.wMilliseconds};
}

std::string Win32Machine::ShortDateText(const LocalTime& time) {
    const SYSTEMTIME st = ToSystemTime(time);
    char text[80];
    if (GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &st, nullptr, text, sizeof text) == 0) return "";
    return text;
}

std::string Win32Machine::LongTimeText(const LocalTime& time) {
    const SYSTEMTIME st = ToSystemTime(time);
    char text[80];
    if (GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &st, nullptr, text, sizeof text) == 0) return "";
    return text;
}

}  // namespace platform::win32
