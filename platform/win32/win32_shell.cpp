#include "platform/win32/win32_shell.h"

// clang-format off
#include "platform/win32/win32_api.h"
#include <shellapi.h>
#include <objbase.h>
#include <shlobj.h>
// clang-format on

#include <vector>

namespace platform::win32 {

namespace {

const char* OrNull(const std::string& text) { return text.empty() ? nullptr : text.c_str(); }

}  // namespace

bool Win32Shell::ShellOpen(const std::string& target) {
    // ShellExecuteA reports success with a value above 32.
    const auto result =
        reinterpret_cast<INT_PTR>(ShellExecuteA(nullptr, "open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    return result > 32;
}

bool Win32Shell::Execute(const ShellExecuteRequest& request) {
    const auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteA(reinterpret_cast<HWND>(request.ownerWindow), OrNull(request.verb), request.file.c_str(),
                      OrNull(request.parameters), OrNull(request.directory), request.show));
    return result > 32;
}

bool Win32Shell::ExecuteEx(const ShellExecuteRequest& request) {
    SHELLEXECUTEINFOA info{};
    info.cbSize = sizeof(info);
    info.hwnd = reinterpret_cast<HWND>(request.ownerWindow);
    info.lpVerb = OrNull(request.verb);
    info.lpFile = request.file.c_str();
    info.lpParameters = OrNull(request.parameters);
    info.lpDirectory = OrNull(request.directory);
    info.nShow = request.show;
    if (request.invokeIdList) info.fMask |= SEE_MASK_INVOKEIDLIST;
    return ShellExecuteExA(&info) != FALSE;
}

bool Win32Shell::CreateShellLink(const ShellLinkRequest& request) {
    // COM may already be up on this thread (the ActiveX host); every
    // successful CoInitialize is paired, S_FALSE included.
    const HRESULT init = CoInitialize(nullptr);
    struct Uninit {
        bool on;
        ~Uninit() {
            if (on) CoUninitialize();
        }
    } uninit{SUCCEEDED(init)};
    IShellLinkA* link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(&link)))) {
        return false;
    }
    struct Release {
        IUnknown* object;
        ~Release() {
            if (object) object->Release();
        }
    } releaseLink{link};
    IPersistFile* file = nullptr;
    if (FAILED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) return false;
    Release releaseFile{file};
    link->SetArguments(request.arguments.c_str());
    link->SetDescription(request.description.c_str());
    link->SetHotkey(request.hotKey);
    if (!request.iconFile.empty()) link->SetIconLocation(request.iconFile.c_str(), request.iconIndex);
    link->SetPath(request.target.c_str());
    link->SetShowCmd(request.show);
    link->SetWorkingDirectory(request.workingDirectory.c_str());
    // IPersistFile takes the file name in UTF-16 on every Windows.
    const int length = MultiByteToWideChar(CP_ACP, 0, request.linkFile.c_str(), -1, nullptr, 0);
    if (length <= 0) return false;
    std::vector<WCHAR> wide(static_cast<size_t>(length));
    MultiByteToWideChar(CP_ACP, 0, request.linkFile.c_str(), -1, wide.data(), length);
    return SUCCEEDED(file->Save(wide.data(), TRUE));
}

}  // namespace platform::win32
