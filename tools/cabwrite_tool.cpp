// qw_cabwrite: writes a cabinet with our own writer from a list of files, as
// one whole process. Used by the cabinet round trip of the tests and by the
// cabinet benchmark.
//
//   qw_cabwrite [-l LEVEL] [-p 0|1] [-t THRESHOLD] OUT.cab LIST
//
// LIST holds one file a line: the source path, a tab, the stored name (its
// bytes as they go into the cabinet), and optionally a tab and the
// attributes in hex. The date and time are the file's modification time in
// local time. A name seen before (without regard to ASCII case) is dropped,
// the first one stays. Prints the number of files stored.
#include <sys/stat.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <set>
#include <string>
#include <vector>

#include "safety/cab_writer.h"

namespace {

std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

int Usage() {
    std::fprintf(stderr, "usage: qw_cabwrite [-l LEVEL] [-p 0|1] [-t THRESHOLD] OUT.cab LIST\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    safety::CabWriterOptions options;
    int i = 1;
    for (; i + 1 < argc && argv[i][0] == '-' && argv[i][1] != '\0'; i += 2) {
        if (!std::strcmp(argv[i], "-l")) {
            options.level = std::atoi(argv[i + 1]);
        } else if (!std::strcmp(argv[i], "-p")) {
            options.prime = std::atoi(argv[i + 1]) != 0;
        } else if (!std::strcmp(argv[i], "-t")) {
            options.folderThreshold = static_cast<uint32_t>(std::strtoul(argv[i + 1], nullptr, 10));
        } else {
            return Usage();
        }
    }
    if (argc - i != 2) return Usage();
    const char* outPath = argv[i];
    FILE* list = std::fopen(argv[i + 1], "rb");
    if (!list) {
        std::perror(argv[i + 1]);
        return 1;
    }
    try {
        safety::CabWriter writer(options);
        std::set<std::string> seen;
        std::vector<char> buffer(256 * 1024);
        char line[4096];
        while (std::fgets(line, sizeof line, list)) {
            std::string text(line);
            while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
            const auto tab = text.find('\t');
            if (tab == std::string::npos) continue;
            const std::string source = text.substr(0, tab);
            std::string name = text.substr(tab + 1);
            unsigned attributes = 0x20;
            const auto tab2 = name.find('\t');
            if (tab2 != std::string::npos) {
                attributes = static_cast<unsigned>(std::strtoul(name.c_str() + tab2 + 1, nullptr, 16));
                name.resize(tab2);
            }
            if (!seen.insert(Lower(name)).second) continue;
            struct stat info {};
            FILE* in = std::fopen(source.c_str(), "rb");
            if (!in || stat(source.c_str(), &info) != 0) {
                std::fprintf(stderr, "qw_cabwrite: %s: cannot open\n", source.c_str());
                if (in) std::fclose(in);
                continue;
            }
            const time_t when = info.st_mtime;
            const std::tm* local = std::localtime(&when);
            writer.BeginFile(name, safety::DosDate(local->tm_year + 1900, local->tm_mon + 1, local->tm_mday),
                             safety::DosTime(local->tm_hour, local->tm_min, local->tm_sec),
                             static_cast<uint16_t>(attributes));
            size_t got;
            bool failed = false;
            while ((got = std::fread(buffer.data(), 1, buffer.size(), in)) > 0) writer.AddData(buffer.data(), got);
            if (std::ferror(in)) failed = true;
            std::fclose(in);
            if (failed) {
                writer.AbortFile();
                std::fprintf(stderr, "qw_cabwrite: %s: read failed, left out\n", source.c_str());
            } else {
                writer.EndFile();
            }
        }
        std::fclose(list);
        FILE* out = std::fopen(outPath, "wb");
        if (!out) {
            std::perror(outPath);
            return 1;
        }
        writer.Finish([out](const char* data, size_t size) { return std::fwrite(data, 1, size, out) == size; });
        if (std::fclose(out) != 0) {
            std::perror(outPath);
            return 1;
        }
        std::printf("%u\n", writer.FileCount());
    } catch (const safety::ECabWriter& error) {
        std::fprintf(stderr, "qw_cabwrite: %s (error %d)\n", error.what(), error.Oper());
        std::remove(outPath);
        return 1;
    }
    return 0;
}
