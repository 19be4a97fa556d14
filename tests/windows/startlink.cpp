// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

// startlink LINK starts what the shortcut LINK starts, with its arguments and in the working folder
// it names, as the Start menu does; prints that folder, waits for the program and ends with its
// exit status (100 when the shortcut cannot be read or its program started). The end-to-end test
// starts the installed program through it.

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
// after windows.h, which it needs
#include <shlobj.h>

#include <array>
#include <cstdio>
#include <string>

namespace {

constexpr int kCannotStart = 100;

template <typename Interface>
class Com {
public:
    Com() = default;
    ~Com()
    {
        if (pointer_ != nullptr)
            pointer_->Release();
    }
    Com(const Com&) = delete;
    Com& operator=(const Com&) = delete;

    Interface* operator->() const { return pointer_; }
    Interface** Out() { return &pointer_; }

private:
    Interface* pointer_ = nullptr;
};

} // namespace

int wmain(int argc, wchar_t* argv[]) // NOLINT(modernize-avoid-c-arrays): the signature wmain must have
{
    if (argc != 2 || FAILED(::CoInitialize(nullptr)))
        return kCannotStart;
    Com<IShellLinkW> link;
    Com<IPersistFile> file;
    std::array<wchar_t, MAX_PATH> target{};
    std::array<wchar_t, MAX_PATH> folder{};
    std::array<wchar_t, 4096> arguments{};
    if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(link.Out()))) ||
        FAILED(link->QueryInterface(IID_PPV_ARGS(file.Out()))) || FAILED(file->Load(argv[1], STGM_READ)) ||
        FAILED(link->GetPath(target.data(), MAX_PATH, nullptr, 0)) ||
        FAILED(link->GetWorkingDirectory(folder.data(), MAX_PATH)) ||
        FAILED(link->GetArguments(arguments.data(), static_cast<int>(arguments.size()))))
        return kCannotStart;
    std::wstring commandLine = L"\"" + std::wstring(target.data()) + L"\" " + arguments.data();
    std::fprintf(stdout, "%ls\n", folder.data());
    std::fflush(stdout);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!::CreateProcessW(target.data(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.data(),
                          &startup, &process))
        return kCannotStart;
    ::WaitForSingleObject(process.hProcess, INFINITE);
    DWORD status = kCannotStart;
    ::GetExitCodeProcess(process.hProcess, &status);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return static_cast<int>(status);
}
