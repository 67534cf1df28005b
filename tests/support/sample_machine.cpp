#include "tests/support/sample_machine.h"

#include <cstdio>

#include "platform/fake/fake_platform.h"
#include "platform/file_access.h"
#include "platform/regedit.h"

namespace testing_support {

using platform::RootKey;

std::string SourceFile(const std::string& relative) {
#ifdef _WIN32
    // Wine shows the host's root as drive Z:.
    std::string path = "Z:" + std::string(QW_SOURCE_DIR) + "/" + relative;
    for (char& c : path) {
        if (c == '/') c = '\\';
    }
#else
    const std::string path = std::string(QW_SOURCE_DIR) + "/" + relative;
#endif
    std::string bytes;
    if (FILE* f = std::fopen(path.c_str(), "rb")) {
        char buffer[16384];
        size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) bytes.append(buffer, n);
        std::fclose(f);
    } else {
        ADD_FAILURE() << "cannot read " << path;
    }
    return bytes;
}

std::string SystemFile(const std::string& name) {
    platform::FileSystem& files = platform::Get().files();
    if (name == "msdos.sys" || name == "logo.sys") return "C:\\" + name;
    return files.WindowsDirectory() + "\\" + name;
}

void InstallSample98(const TestMachine& machine) {
    platform::FileSystem& files = machine.P().files();
    for (const char* name :
         {"msdos.sys", "logo.sys", "logos.sys", "logow.sys", "win.ini", "system.ini", "sysbtnc.dll"}) {
        const std::string target = SystemFile(name);
        files.SetAttributes(target, platform::attr::Normal);
        machine.Put(target, SourceFile(std::string("res/sample98/") + name));
    }
    files.SetAttributes(SystemFile("msdos.sys"),
                        platform::attr::Hidden | platform::attr::System | platform::attr::ReadOnly);
    ASSERT_TRUE(platform::ImportRegedit(machine.P().registry(), SourceFile("res/sample98/registry.reg")));
    // Values that earlier tests may have left behind.
    for (const auto& [root, key, name] : std::vector<std::tuple<RootKey, std::string, std::string>>{
             {RootKey::ClassesRoot, "Paint.Picture\\DefaultIcon", "oldicon"},
             {RootKey::CurrentUser, "Software\\Halvorn\\Quellwerk\\Options", "Exit"},
             {RootKey::CurrentUser, "Software\\Halvorn\\Quellwerk\\General", "ExitMode"}}) {
        RegDelete(root, key, name);
    }
    // The set-up registers the two hosted modules on the sample machine.
    if (machine.IsFake()) {
        machine.Fake()->activex().Register("{69DE8265-E4C4-11D4-895F-00E07D7246FD}");
        machine.Fake()->activex().Register("{E94CC445-DCE9-11D4-895F-00E07D7246FD}");
    }
}

void InstallSample98BreakpointFiles(const TestMachine& machine) {
    platform::FileSystem& files = machine.P().files();
    platform::FileAccess& access = machine.P().fileAccess();
    for (const std::string& line : NonBlankLines(SourceFile("res/sample98/layout.txt"))) {
        if (line[0] == ';') continue;
        // source=target=attributes=YYYY-MM-DD hh:mm:ss
        const size_t a = line.find('='), b = line.find('=', a + 1), c = line.find('=', b + 1);
        const std::string source = line.substr(0, a);
        std::string target = line.substr(a + 1, b - a - 1);
        const std::string letters = line.substr(b + 1, c == std::string::npos ? std::string::npos : c - b - 1);
        if (target.compare(0, 9, "%WINDIR%\\") == 0) target = files.WindowsDirectory() + target.substr(8);
        if (files.Exists(target)) continue;
        machine.Put(target, SourceFile("res/sample98/" + source));
        if (c != std::string::npos) {
            const std::string when = line.substr(c + 1);
            const int year = std::stoi(when.substr(0, 4)), month = std::stoi(when.substr(5, 2)),
                      day = std::stoi(when.substr(8, 2)), hour = std::stoi(when.substr(11, 2)),
                      minute = std::stoi(when.substr(14, 2)), second = std::stoi(when.substr(17, 2));
            const auto h = access.Open(target, platform::FileMode::ReadWrite, false, false);
            access.SetLastWriteTime(h, {static_cast<uint16_t>((year - 1980) << 9 | month << 5 | day),
                                        static_cast<uint16_t>(hour << 11 | minute << 5 | second / 2)});
            access.Close(h);
        }
        uint32_t attributes = platform::attr::Archive;
        if (letters.find('H') != std::string::npos) attributes |= platform::attr::Hidden;
        if (letters.find('S') != std::string::npos) attributes |= platform::attr::System;
        if (letters.find('R') != std::string::npos) attributes |= platform::attr::ReadOnly;
        files.SetAttributes(target, attributes);
    }
}

uint32_t RhsAttributes(const std::string& path) { return platform::Get().files().GetAttributes(path) & kRhs; }

std::optional<platform::RegValue> RegGet(RootKey root, const std::string& key, const std::string& name) {
    auto k = platform::Get().registry().OpenKey(root, key, false);
    return k ? k->QueryValue(name) : std::nullopt;
}

void RegSet(RootKey root, const std::string& key, const std::string& name, platform::ValueType type,
            const std::string& data) {
    auto k = platform::Get().registry().OpenKey(root, key, true);
    ASSERT_TRUE(k) << key;
    ASSERT_TRUE(k->SetValue(name, type, data)) << key << "\\" << name;
}

void RegDelete(RootKey root, const std::string& key, const std::string& name) {
    if (auto k = platform::Get().registry().OpenKey(root, key, false)) k->DeleteValue(name);
}

namespace {

struct ManagedValue {
    RootKey root;
    const char* key;
    const char* name;
};

// The registry values the program manages, and their neighbours.
const ManagedValue kValues[] = {
    {RootKey::CurrentUser, "Control Panel\\Sound", "Beep"},
    {RootKey::CurrentUser, "Control Panel\\Sound", "ExtendedSounds"},
    {RootKey::LocalMachine, "System\\CurrentControlSet\\Control\\FileSystem", "NameNumericTail"},
    {RootKey::LocalMachine, "System\\CurrentControlSet\\Control\\FileSystem", "Win31FileSystem"},
    {RootKey::CurrentUser, "Control Panel\\Mouse", "SnapToDefaultButton"},
    {RootKey::CurrentUser, "Control Panel\\Mouse", "DoubleClickSpeed"},
    {RootKey::ClassesRoot, ".bmp", ""},
    {RootKey::ClassesRoot, "Paint.Picture\\DefaultIcon", ""},
    {RootKey::ClassesRoot, "Paint.Picture\\DefaultIcon", "oldicon"},
    {RootKey::CurrentUser, "Control Panel\\desktop", "SmoothScroll"},
    {RootKey::CurrentUser, "Control Panel\\desktop", "FontSmoothing"},
    {RootKey::CurrentUser, "Control Panel\\desktop", "ScreenSaveActive"},
    {RootKey::CurrentUser, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced",
     "StartMenuScrollPrograms"},
    {RootKey::CurrentUser, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced", "NoNetcrawling"},
    {RootKey::CurrentUser, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced", "ShowInfoTip"},
    {RootKey::LocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion", "RegisteredOwner"},
    {RootKey::LocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion", "RegisteredOrganization"},
    {RootKey::LocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion", "Version"},
    {RootKey::LocalMachine, "Network\\Logon", "MustBeValidated"},
    {RootKey::LocalMachine, "Network\\Logon", "PrimaryProvider"},
    {RootKey::CurrentUser, "Software\\Microsoft\\Internet Explorer\\Main", "FullScreen"},
    {RootKey::CurrentUser, "Software\\Microsoft\\Internet Explorer\\Main", "Start Page"},
};

std::string Describe(const std::optional<platform::RegValue>& value) {
    if (!value) return "<missing>";
    return std::to_string(static_cast<int>(value->type)) + ":" + value->data;
}

}  // namespace

MachineDump TakeMachineDump(const TestMachine& machine) {
    MachineDump dump;
    for (const ManagedValue& v : kValues) {
        dump[std::string(v.key) + "\\" + v.name] = Describe(RegGet(v.root, v.key, v.name));
    }
    for (const char* file : {"win.ini", "system.ini", "msdos.sys", "logo.sys", "logos.sys", "logow.sys"}) {
        dump[file] = machine.Get(SystemFile(file));
        dump[std::string(file) + " attributes"] = std::to_string(RhsAttributes(SystemFile(file)));
    }
    const auto drag = machine.P().system().GetSystemParameterFlag(platform::kSpiGetDragFullWindows);
    dump["DragFullWindows"] = drag ? (*drag ? "1" : "0") : "?";
    return dump;
}

std::vector<std::string> NonBlankLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty()) lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

}  // namespace testing_support
