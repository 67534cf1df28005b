// Loads and flushes a 2 MB INI file of 20,000 keys through TBigIniFile and
// reports the throughput of each. Natively the file lives on the fake
// platform's drive C:, under Wine in the Windows temp folder.
#include <chrono>
#include <cstdio>
#include <string>

#include "config/big_ini_file.h"
#include "platform/platform.h"

#ifdef _WIN32
#include "platform/win32/win32_platform.h"
#else
#include <stdlib.h>

#include <filesystem>

#include "platform/fake/fake_platform.h"
#endif

namespace {

std::string MakeIni(int sections, int keysPerSection) {
    std::string text;
    for (int s = 0; s < sections; ++s) {
        text += "[Abschnitt" + std::to_string(s) + "]\r\n";
        for (int k = 0; k < keysPerSection; ++k) {
            text += "Schluessel" + std::to_string(k) + "=" + std::string(86, static_cast<char>('a' + k % 26)) + "\r\n";
        }
        text += "\r\n";
    }
    return text;
}

double Seconds(std::chrono::steady_clock::duration d) { return std::chrono::duration<double>(d).count(); }

}  // namespace

int main() {
#ifdef _WIN32
    platform::win32::InstallWin32Platform();
    const std::string file = platform::Get().files().TempDirectory() + "qwbench.ini";
#else
    char pattern[] = "/tmp/qwbench-XXXXXX";
    if (!mkdtemp(pattern)) return 1;
    platform::fake::FakePlatform fake{std::filesystem::path(pattern)};
    platform::Install(&fake);
    const std::string file = "C:\\QWBENCH.INI";
#endif
    const std::string content = MakeIni(200, 100);
    const double megabytes = content.size() / 1e6;
    platform::Get().files().WriteFile(file, content);

    double bestLoad = 1e9, bestFlush = 1e9;
    for (int round = 0; round < 5; ++round) {
        const auto t0 = std::chrono::steady_clock::now();
        config::TBigIniFile ini(file);
        const auto t1 = std::chrono::steady_clock::now();
        ini.WriteString("Abschnitt199", "Schluessel99", round % 2 ? "x" : "y");
        ini.Flush();
        const auto t2 = std::chrono::steady_clock::now();
        bestLoad = std::min(bestLoad, Seconds(t1 - t0));
        bestFlush = std::min(bestFlush, Seconds(t2 - t1));
    }
    std::printf("INI file: %.2f MB, 20000 keys in 200 sections\n", megabytes);
    std::printf("load:  %7.1f MB/s (%.1f ms)\n", megabytes / bestLoad, bestLoad * 1000);
    std::printf("flush: %7.1f MB/s (%.1f ms)\n", megabytes / bestFlush, bestFlush * 1000);
    platform::Get().files().DeleteFile(file);
#ifndef _WIN32
    std::filesystem::remove_all(pattern);
#endif
    return 0;
}
