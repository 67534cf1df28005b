// The sample Windows 98 machine of res/sample98, installed into the test
// machine: the system files where Windows keeps them and the registry
// values that the program reads.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "tests/support/test_machine.h"

namespace testing_support {

// A file of the source tree, read from the host ("res/sample98/win.ini").
std::string SourceFile(const std::string& relative);

// Installs the system files and imports the registry values.
void InstallSample98(const TestMachine& machine);

// The Windows path where the sample machine keeps a system file.
std::string SystemFile(const std::string& name);  // "msdos.sys", "win.ini", "sysbtnc.dll", ...

// The read-only, hidden and system attributes of a file. Wine reports every
// file as archived, so tests compare only these three.
uint32_t RhsAttributes(const std::string& path);
constexpr uint32_t kRhs = platform::attr::ReadOnly | platform::attr::Hidden | platform::attr::System;

// Short hands for registry checks.
std::optional<platform::RegValue> RegGet(platform::RootKey root, const std::string& key, const std::string& name);
void RegSet(platform::RootKey root, const std::string& key, const std::string& name, platform::ValueType type,
            const std::string& data);
void RegDelete(platform::RootKey root, const std::string& key, const std::string& name);

// Everything that applying may touch, and the neighbours it must not: the
// managed registry values and some beside them (type and bytes, or
// "<missing>"), the bytes and the read-only, hidden and system attributes
// of the system files, and the full-window dragging parameter. Keyed by
// "key\\name", "file" and "file attributes".
using MachineDump = std::map<std::string, std::string>;
MachineDump TakeMachineDump(const TestMachine& machine);

// The lines of a text file that are not blank, with line ends taken off.
std::vector<std::string> NonBlankLines(const std::string& text);

}  // namespace testing_support
