// qw_makecab: writes a cabinet with the program's cabinet component on the
// real platform, that is through "cabinet.dll" where Windows has it. The
// cabinet benchmark runs it under Wine beside our own writer.
//
//   qw_makecab OUT.cab LIST
//
// LIST holds one source path a line (anything after a tab is ignored).
// Prints the number of files stored; exits 1 when the cabinet is not whole.
#include <cstdio>
#include <string>

#include "platform/cabinet.h"
#include "platform/win32/win32_platform.h"
#include "safety/make_cab.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: qw_makecab OUT.cab LIST\n");
        return 2;
    }
    platform::win32::InstallWin32Platform();
    safety::TMakeCab cab(nullptr);
    cab.SetArchiveFile(argv[1]);
    FILE* list = std::fopen(argv[2], "rb");
    if (!list) {
        std::perror(argv[2]);
        return 1;
    }
    char line[4096];
    while (std::fgets(line, sizeof line, list)) {
        std::string path(line);
        const auto end = path.find_first_of("\t\r\n");
        if (end != std::string::npos) path.resize(end);
        if (!path.empty()) cab.FileSpec().push_back(path);
    }
    std::fclose(list);
    std::string error;
    cab.OnError = [&](safety::TMakeCab*, const std::string& message) { error = message; };
    const int stored = cab.CreateArchive();
    std::printf("%d %s\n", stored, platform::Get().cabinet().Present() ? "cabinet.dll" : "own writer");
    if (!cab.Complete()) {
        std::fprintf(stderr, "qw_makecab: %s\n", error.c_str());
        return 1;
    }
    return 0;
}
