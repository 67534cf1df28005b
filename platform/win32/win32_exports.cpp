#include "platform/win32/win32_exports.h"

#include <cstring>
#include <string>

namespace platform::win32 {

namespace {

// Forwarders are followed at most this deep, so that a loop ends.
constexpr int kMaxForwards = 4;

const IMAGE_EXPORT_DIRECTORY* ExportDirectory(HMODULE module, DWORD* start, DWORD* size) {
    if (!module) return nullptr;
    const auto* base = reinterpret_cast<const BYTE*>(module);
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    if (dos->e_magic != IMAGE_DOS_SIGNATURE) return nullptr;
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    if (nt->Signature != IMAGE_NT_SIGNATURE) return nullptr;
    if (nt->OptionalHeader.NumberOfRvaAndSizes <= IMAGE_DIRECTORY_ENTRY_EXPORT) return nullptr;
    const IMAGE_DATA_DIRECTORY& entry = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
    if (entry.VirtualAddress == 0 || entry.Size == 0) return nullptr;
    *start = entry.VirtualAddress;
    *size = entry.Size;
    return reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + entry.VirtualAddress);
}

void* Resolve(HMODULE module, const char* name, uint32_t ordinal, int depth);

// The address at a function slot, following a forwarder: an address
// inside the export directory is the text "module.name".
void* AtSlot(HMODULE module, DWORD start, DWORD size, DWORD rva, int depth) {
    if (rva == 0) return nullptr;
    const auto* base = reinterpret_cast<const BYTE*>(module);
    if (rva < start || rva >= start + size) return const_cast<BYTE*>(base + rva);
    if (depth >= kMaxForwards) return nullptr;
    const std::string forward(reinterpret_cast<const char*>(base + rva));
    const size_t dot = forward.rfind('.');
    if (dot == std::string::npos) return nullptr;
    std::string target = forward.substr(0, dot);
    const std::string symbol = forward.substr(dot + 1);
    HMODULE next = GetModuleHandleA(target.c_str());
    if (!next && target.find('.') == std::string::npos) next = GetModuleHandleA((target + ".dll").c_str());
    if (!next) next = LoadLibraryA(target.c_str());  // a system module; it stays with the process
    if (!next) return nullptr;
    if (!symbol.empty() && symbol[0] == '#') {
        return Resolve(next, nullptr, static_cast<uint32_t>(std::strtoul(symbol.c_str() + 1, nullptr, 10)),
                       depth + 1);
    }
    return Resolve(next, symbol.c_str(), 0, depth + 1);
}

void* Resolve(HMODULE module, const char* name, uint32_t ordinal, int depth) {
    DWORD start = 0, size = 0;
    const IMAGE_EXPORT_DIRECTORY* dir = ExportDirectory(module, &start, &size);
    if (!dir) return nullptr;
    const auto* base = reinterpret_cast<const BYTE*>(module);
    const auto* functions = reinterpret_cast<const DWORD*>(base + dir->AddressOfFunctions);
    if (!name) {
        if (ordinal < dir->Base || ordinal - dir->Base >= dir->NumberOfFunctions) return nullptr;
        return AtSlot(module, start, size, functions[ordinal - dir->Base], depth);
    }
    const auto* names = reinterpret_cast<const DWORD*>(base + dir->AddressOfNames);
    const auto* ordinals = reinterpret_cast<const WORD*>(base + dir->AddressOfNameOrdinals);
    for (DWORD i = 0; i < dir->NumberOfNames; ++i) {
        if (std::strcmp(reinterpret_cast<const char*>(base + names[i]), name) != 0) continue;
        if (ordinals[i] >= dir->NumberOfFunctions) return nullptr;
        return AtSlot(module, start, size, functions[ordinals[i]], depth);
    }
    return nullptr;
}

}  // namespace

void* FindExport(HMODULE module, const char* name) { return name ? Resolve(module, name, 0, 0) : nullptr; }

void* FindExportOrdinal(HMODULE module, uint32_t ordinal) { return Resolve(module, nullptr, ordinal, 0); }

}  // namespace platform::win32
