// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

// uia-probe TITLE SECONDS [child]: a program's window as a screen reader reads it through UI
// Automation's client API, from another process. Prints "window <TAB> process id" for the window's
// own process, then one line for the window's element and, with "child", one for its first child:
//   depth <TAB> control type <TAB> name <TAB> class name <TAB> framework <TAB> process id
// A query that brings no answer within SECONDS ends the probe with status 3 and a line on standard
// error that names the query; an answer that is an error ends it with status 2. mingw-w64's headers
// lack the client API: it is declared here and looked up in uiautomationcore.dll.

#include <windows.h>

#include <oleauto.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>

namespace {

// From UI Automation's client API (UIAutomationCoreApi.h, UIAutomationClient.h).
using Node = struct NodeData*;
enum Property : int {
    kProcessId = 30002,
    kControlType = 30003,
    kName = 30005,
    kClassName = 30012,
    kFrameworkId = 30024,
};
constexpr int kFirstChild = 3; // NavigateDirection_FirstChild
struct Condition {
    int type; // ConditionType_True: 0
};
struct CacheRequest {
    Condition* viewCondition;
    int scope; // TreeScope_Element: 1
    int* properties;
    int propertyCount;
    int* patterns;
    int patternCount;
    int elementMode; // AutomationElementMode_Full: 1
};
using NodeFromHandleFn = HRESULT(WINAPI*)(HWND, Node*);
using GetPropertyValueFn = HRESULT(WINAPI*)(Node, int, VARIANT*);
using NavigateFn = HRESULT(WINAPI*)(Node, int, Condition*, CacheRequest*, SAFEARRAY**, BSTR*);
using NodeFromVariantFn = HRESULT(WINAPI*)(VARIANT*, Node*);
using NodeReleaseFn = BOOL(WINAPI*)(Node);

NodeFromHandleFn nodeFromHandle;
GetPropertyValueFn getPropertyValue;
NavigateFn navigate;
NodeFromVariantFn nodeFromVariant;
NodeReleaseFn nodeRelease;

template <typename Fn>
void Resolve(HMODULE library, const char* name, Fn& function)
{
    FARPROC const address = GetProcAddress(library, name);
    if (address == nullptr) {
        std::fprintf(stderr, "uia-probe: uiautomationcore.dll has no %s\n", name);
        std::exit(2);
    }
    function = reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(address));
}

std::string Utf8(const wchar_t* text, int length)
{
    std::string bytes(static_cast<std::size_t>(length) * 4, '\0');
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, text, length, bytes.data(), static_cast<int>(bytes.size()), nullptr, nullptr);
    bytes.resize(static_cast<std::size_t>(size));
    return bytes;
}

// The query under way and since when, for the watchdog on the main thread.
std::mutex queryMutex;
std::string query;
std::chrono::steady_clock::time_point queryStart;
std::atomic<bool> finished{ false };

void Begin(std::string what)
{
    const std::lock_guard lock(queryMutex);
    query = std::move(what);
    queryStart = std::chrono::steady_clock::now();
}

void Check(HRESULT result, const std::string& what)
{
    if (FAILED(result)) {
        std::fprintf(stderr, "uia-probe: %s failed with 0x%08lx\n", what.c_str(), static_cast<unsigned long>(result));
        std::fflush(stderr);
        TerminateProcess(GetCurrentProcess(), 2);
    }
}

std::string Property(Node node, int property, const std::string& element)
{
    VARIANT value;
    VariantInit(&value);
    Begin("the property " + std::to_string(property) + " of " + element);
    Check(getPropertyValue(node, property, &value), "UiaGetPropertyValue " + std::to_string(property));
    std::string text;
    if (value.vt == VT_BSTR)
        text = Utf8(value.bstrVal, static_cast<int>(SysStringLen(value.bstrVal)));
    else if (value.vt == VT_I4)
        text = std::to_string(value.lVal);
    VariantClear(&value);
    return text;
}

// The first child of node, or nullptr where it has none.
Node FirstChild(Node node, const std::string& element)
{
    Condition always{ 0 };
    CacheRequest request{ &always, 1, nullptr, 0, nullptr, 0, 1 };
    SAFEARRAY* found = nullptr;
    BSTR tree = nullptr;
    Begin("UiaNavigate to the first child of " + element);
    Check(navigate(node, kFirstChild, &always, &request, &found, &tree), "UiaNavigate from " + element);
    SysFreeString(tree);
    Node child = nullptr;
    if (found != nullptr) {
        LONG first[2] = { 0, 0 };
        VARIANT cell;
        VariantInit(&cell);
        Check(SafeArrayGetElement(found, first, &cell), "reading UiaNavigate's answer");
        Check(nodeFromVariant(&cell, &child), "UiaHUiaNodeFromVariant");
        SafeArrayDestroy(found);
    }
    return child;
}

// Prints node's line, and returns its name.
std::string Print(Node node, int depth)
{
    const std::string name = Property(node, kName, "an element");
    std::printf("%d\t%s\t%s\t%s\t%s\t%s\n", depth, Property(node, kControlType, name).c_str(), name.c_str(),
                Property(node, kClassName, name).c_str(), Property(node, kFrameworkId, name).c_str(),
                Property(node, kProcessId, name).c_str());
    std::fflush(stdout);
    return name;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3 || argc > 4 || (argc == 4 && std::string(argv[3]) != "child")) {
        std::fprintf(stderr, "usage: uia-probe TITLE SECONDS [child]\n");
        return 2;
    }
    const std::string title = argv[1];
    const auto limit = std::chrono::seconds(std::atoi(argv[2]));
    const bool child = argc == 4;
    HMODULE const library = LoadLibraryW(L"uiautomationcore.dll");
    if (library == nullptr) {
        std::fprintf(stderr, "uia-probe: cannot load uiautomationcore.dll\n");
        return 2;
    }
    Resolve(library, "UiaNodeFromHandle", nodeFromHandle);
    Resolve(library, "UiaGetPropertyValue", getPropertyValue);
    Resolve(library, "UiaNavigate", navigate);
    Resolve(library, "UiaHUiaNodeFromVariant", nodeFromVariant);
    Resolve(library, "UiaNodeRelease", nodeRelease);
    HWND const window = FindWindowA(nullptr, title.c_str());
    if (window == nullptr) {
        std::fprintf(stderr, "uia-probe: no window is titled '%s'\n", title.c_str());
        return 2;
    }
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    std::printf("window\t%lu\n", static_cast<unsigned long>(process));
    std::fflush(stdout);

    Begin("UiaNodeFromHandle on '" + title + "'");
    std::thread client([window, child, &title] {
        CoInitializeEx(nullptr, COINIT_MULTITHREADED);
        Node root = nullptr;
        Check(nodeFromHandle(window, &root), "UiaNodeFromHandle on '" + title + "'");
        const std::string name = Print(root, 0);
        if (child) {
            if (Node const first = FirstChild(root, "'" + name + "'")) {
                Print(first, 1);
                nodeRelease(first);
            }
        }
        nodeRelease(root);
        finished = true;
    });
    // A query that hangs holds the client thread for good: the probe ends without it.
    while (!finished) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        const std::lock_guard lock(queryMutex);
        if (std::chrono::steady_clock::now() - queryStart > limit) {
            std::fprintf(stderr, "uia-probe: no answer within %s s to %s\n", argv[2], query.c_str());
            std::fflush(stderr);
            TerminateProcess(GetCurrentProcess(), 3);
        }
    }
    client.join();
    return 0;
}
