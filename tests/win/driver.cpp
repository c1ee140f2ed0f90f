#include "driver.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>

#include "harness.h"

std::string g_programPath;
std::string g_testArgument;

bool WaitFor(const std::function<bool()>& pred, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    for (;;) {
        if (pred())
            return true;
        if (GetTickCount() - start > timeoutMs)
            return false;
        Sleep(20);
    }
}

std::string TextOf(HWND window)
{
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length))
        return "<no answer>";
    std::string text(length + 1, '\0');
    DWORD_PTR got = 0;
    SendMessageTimeoutA(window, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(&text[0]), SMTO_ABORTIFHUNG, 5000,
                        &got);
    text.resize(got);
    return text;
}

void SetTextOf(HWND window, const std::string& text)
{
    DWORD_PTR result;
    SendMessageTimeoutA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_ABORTIFHUNG, 5000,
                        &result);
}

namespace {

std::string ClassOf(HWND window)
{
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

DWORD ProcessOf(HWND window)
{
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    return pid;
}

struct Query {
    DWORD pid;
    const char* cls;
    std::vector<HWND> found;
};

BOOL CALLBACK AddTopWindow(HWND w, LPARAM p)
{
    Query& q = *reinterpret_cast<Query*>(p);
    if (ProcessOf(w) == q.pid && IsWindowVisible(w) && (!q.cls || ClassOf(w) == q.cls))
        q.found.push_back(w);
    return TRUE;
}

BOOL CALLBACK AddChild(HWND w, LPARAM p)
{
    reinterpret_cast<std::vector<HWND>*>(p)->push_back(w);
    return TRUE;
}

int g_runs;  // programs started by this driver, for unique directories

}  // namespace

// Visible top-level windows of class cls belonging to pid.
std::vector<HWND> TopWindows(DWORD pid, const char* cls)
{
    Query query = {pid, cls, {}};
    EnumWindows(AddTopWindow, reinterpret_cast<LPARAM>(&query));
    return query.found;
}

std::vector<HWND> Children(HWND parent)
{
    std::vector<HWND> found;
    EnumChildWindows(parent, AddChild, reinterpret_cast<LPARAM>(&found));
    return found;
}


Program::Program(const char* ini)
    : Program(ini ? Setup([ini](const std::string& dir) { WriteBytes(dir + "\\kalvor.ini", ini); }) : Setup())
{
}

Program::Program(const Setup& setup, const std::string& parent)
{
    try {
        Start(setup, parent);
    } catch (...) {
        Cleanup();  // no destructor runs for a constructor that throws
        throw;
    }
}

void Program::Start(const Setup& setup, const std::string& parent)
{
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    const std::string base = parent.empty() ? std::string(temp) : parent + "\\";
    dir_ = base + "kalvorix-test-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++g_runs);
    REQUIRE(CreateDirectoryA(dir_.c_str(), nullptr));
    if (setup)
        setup(dir_);
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    std::string command = "\"" + g_programPath + "\"";
    if (!CreateProcessA(g_programPath.c_str(), &command[0], nullptr, nullptr, FALSE, 0, nullptr, dir_.c_str(), &si,
                        &pi)) {
        std::printf("cannot start %s (error %lu)\n", g_programPath.c_str(), GetLastError());
        REQUIRE(false);
    }
    process_ = pi.hProcess;
    CloseHandle(pi.hThread);
    pid = pi.dwProcessId;
    // The window shows before its controls and the skin exist: wait until
    // the message loop first idles, then for all seventeen controls.
    WaitForInputIdle(process_, 30000);
    const bool up = WaitFor(
        [&] {
            std::vector<HWND> w = TopWindows(pid, "Kalvor");
            if (w.empty())
                return false;
            main = w[0];
            children = static_cast<int>(Children(main).size());
            return children >= 17;
        },
        30000);
    if (!up)
        std::printf("no complete main window: %p with %d controls\n", static_cast<void*>(main), children);
    REQUIRE(up);
    tid = GetWindowThreadProcessId(main, nullptr);
    input = Control(5);
    output = Control(6);
    precision = Control(9);
    source = Control(3);
    target = Control(4);
    for (HWND c : Children(main))  // three statics share id 7: the indicator reads "M"
        if (GetDlgCtrlID(c) == 7 && TextOf(c) == "M")
            indicator = c;
    REQUIRE(input && output && precision && source && target && indicator);
}

Program::~Program() { Cleanup(); }

void Program::Cleanup()
{
    if (process_) {
        if (Alive()) {
            TerminateProcess(process_, 99);
            WaitForSingleObject(process_, 10000);
        }
        CloseHandle(process_);
        process_ = nullptr;
    }
    // Whatever the set-up or the program left: files, read-only ones, and
    // empty directories such as a kalvor.ini that is one.
    WIN32_FIND_DATAA entry;
    HANDLE found = FindFirstFileA((dir_ + "\\*").c_str(), &entry);
    for (BOOL more = found != INVALID_HANDLE_VALUE; more; more = FindNextFileA(found, &entry)) {
        const std::string path = dir_ + "\\" + entry.cFileName;
        if (std::strcmp(entry.cFileName, ".") == 0 || std::strcmp(entry.cFileName, "..") == 0)
            continue;
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            RemoveDirectoryA(path.c_str());
        else
            DeleteFileA(path.c_str());
    }
    if (found != INVALID_HANDLE_VALUE)
        FindClose(found);
    RemoveDirectoryA(dir_.c_str());
}

void WriteBytes(const std::string& path, const std::string& bytes)
{
    FILE* f = std::fopen(path.c_str(), "wb");
    REQUIRE(f != nullptr);
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    REQUIRE(std::fclose(f) == 0 && written);
}

int Program::WaitExit(DWORD timeoutMs)
{
    if (WaitForSingleObject(process_, timeoutMs) != WAIT_OBJECT_0)
        return -1;
    DWORD code = 0;
    GetExitCodeProcess(process_, &code);
    return static_cast<int>(code);
}

bool Program::Responds() const
{
    DWORD_PTR result;
    return Alive() && SendMessageTimeoutA(main, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &result) != 0;
}

std::string Program::Ini() const
{
    FILE* f = std::fopen((dir_ + "\\kalvor.ini").c_str(), "rb");
    if (!f)
        return "<none>";
    std::string content;
    char buffer[256];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, f)) > 0)
        content.append(buffer, got);
    std::fclose(f);
    return content;
}

void Program::Fill(const std::string& number, const std::string& prec, int src, int dst)
{
    SetTextOf(input, number);
    SetTextOf(precision, prec);
    DWORD_PTR result;
    SendMessageTimeoutA(source, CB_SETCURSEL, static_cast<WPARAM>(src), 0, SMTO_ABORTIFHUNG, 5000, &result);
    SendMessageTimeoutA(target, CB_SETCURSEL, static_cast<WPARAM>(dst), 0, SMTO_ABORTIFHUNG, 5000, &result);
}

std::string Program::Selected(HWND list) const
{
    DWORD_PTR index = 0;
    SendMessageTimeoutA(list, CB_GETCURSEL, 0, 0, SMTO_ABORTIFHUNG, 5000, &index);
    return ListItem(list, static_cast<int>(index));
}

int ListCount(HWND list)
{
    DWORD_PTR count = 0;
    SendMessageTimeoutA(list, CB_GETCOUNT, 0, 0, SMTO_ABORTIFHUNG, 5000, &count);
    return static_cast<int>(count);
}

// Through the wide message: Wine hands the ANSI one's text over unconverted
// between processes.
std::string ListItem(HWND list, int index)
{
    DWORD_PTR length = 0, got = 0;
    SendMessageTimeoutW(list, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0, SMTO_ABORTIFHUNG, 5000, &length);
    if (static_cast<LONG_PTR>(length) < 0)
        return "<none>";
    std::wstring wide(length + 1, L'\0');
    SendMessageTimeoutW(list, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&wide[0]),
                        SMTO_ABORTIFHUNG, 5000, &got);
    std::string text(length * 2 + 1, '\0');
    const int n = WideCharToMultiByte(CP_ACP, 0, wide.c_str(), static_cast<int>(length), &text[0],
                                      static_cast<int>(text.size()), nullptr, nullptr);
    text.resize(n > 0 ? static_cast<size_t>(n) : 0);
    return text;
}

void Program::Foreground() const
{
    WaitFor([&] {
        SetForegroundWindow(main);
        return GetForegroundWindow() == main;
    });
}

bool WaitBox(DWORD pid, Box& box, DWORD timeoutMs)
{
    // The skin relabels the button while the box activates: until then the
    // box is not finished.
    const bool found = WaitFor(
        [&] {
            for (HWND w : TopWindows(pid, "#32770")) {
                HWND button = GetDlgItem(w, IDOK);
                if (button && TextOf(button) == "Закрыть") {
                    box.hwnd = w;
                    box.button = button;
                    return true;
                }
            }
            return false;
        },
        timeoutMs);
    if (!found)
        return false;
    // Shown and painted, the box's controls too, before anyone looks at it.
    WaitFor(
        [&] {
            if (!IsWindowVisible(box.hwnd) || GetUpdateRect(box.hwnd, nullptr, FALSE))
                return false;
            for (HWND c : Children(box.hwnd))
                if (GetUpdateRect(c, nullptr, FALSE))
                    return false;
            return true;
        },
        timeoutMs);
    box.caption = TextOf(box.hwnd);
    box.text = TextOf(GetDlgItem(box.hwnd, 0xFFFF));
    box.buttonText = TextOf(box.button);
    box.icon = nullptr;
    for (HWND c : Children(box.hwnd))
        if ((GetWindowLongA(c, GWL_STYLE) & SS_TYPEMASK) == SS_ICON && ClassOf(c) == "Static")
            box.icon = c;
    GetClientRect(box.hwnd, &box.client);
    GetWindowRect(box.button, &box.buttonRect);
    MapWindowPoints(nullptr, box.hwnd, reinterpret_cast<POINT*>(&box.buttonRect), 2);
    return true;
}

bool CloseBox(const Box& box)
{
    PostMessageA(box.hwnd, WM_COMMAND, IDOK, 0);
    return WaitFor([&] { return !IsWindow(box.hwnd) || !IsWindowVisible(box.hwnd); });
}

int CloseStrayBoxes(DWORD pid)
{
    int count = 0;
    for (HWND w : TopWindows(pid, "#32770")) {
        Box box;
        box.hwnd = w;
        CloseBox(box);
        ++count;
    }
    return count;
}

SIZE PlainBoxButton(const std::string& text, const std::string& caption, UINT flags)
{
    struct Request {
        std::string text, caption;
        UINT flags;
    } request = {text, caption, flags};
    struct Shower {
        static DWORD WINAPI Run(LPVOID p)
        {
            Request& r = *static_cast<Request*>(p);
            MessageBoxA(nullptr, r.text.c_str(), r.caption.c_str(), r.flags);
            return 0;
        }
    };
    HANDLE thread = CreateThread(nullptr, 0, Shower::Run, &request, 0, nullptr);
    SIZE size = {0, 0};
    HWND box = nullptr;
    WaitFor([&] {
        std::vector<HWND> w = TopWindows(GetCurrentProcessId(), "#32770");
        box = w.empty() ? nullptr : w[0];
        return box != nullptr;
    });
    if (box) {
        RECT r;
        GetClientRect(GetDlgItem(box, IDOK), &r);
        size.cx = r.right;
        size.cy = r.bottom;
        PostMessageA(box, WM_COMMAND, IDOK, 0);
    }
    if (WaitForSingleObject(thread, 10000) != WAIT_OBJECT_0)
        TerminateThread(thread, 1);
    CloseHandle(thread);
    return size;
}

namespace {

void Send(INPUT* inputs, UINT count)
{
    SendInput(count, inputs, sizeof(INPUT));
    Sleep(10);
}

void KeyEvent(WORD vk, bool up, bool extended)
{
    INPUT in = {};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.wScan = static_cast<WORD>(MapVirtualKeyA(vk, 0));
    in.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) | (extended ? KEYEVENTF_EXTENDEDKEY : 0);
    Send(&in, 1);
}

}  // namespace

void Key(WORD vk, bool extended)
{
    KeyEvent(vk, false, extended);
    KeyEvent(vk, true, extended);
}

void KeyWith(WORD modifier, WORD vk)
{
    KeyEvent(modifier, false, false);
    Key(vk);
    KeyEvent(modifier, true, false);
}

void Type(const std::string& text)
{
    for (char c : text) {
        const SHORT scan = VkKeyScanA(c);
        const bool shift = (scan & 0x100) != 0;
        if (shift)
            KeyEvent(VK_SHIFT, false, false);
        Key(static_cast<WORD>(scan & 0xFF));
        if (shift)
            KeyEvent(VK_SHIFT, true, false);
    }
}

void MoveMouse(int x, int y)
{
    SetCursorPos(x, y);
    Sleep(10);
}

void MouseButton(bool down)
{
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    Send(&in, 1);
}

void ClickAt(int x, int y)
{
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    INPUT in[3] = {};
    const DWORD flags[3] = {MOUSEEVENTF_MOVE, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP};
    for (int k = 0; k < 3; ++k) {
        in[k].type = INPUT_MOUSE;
        in[k].mi.dx = (x * 65536 + width - 1) / width;
        in[k].mi.dy = (y * 65536 + height - 1) / height;
        in[k].mi.dwFlags = flags[k] | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    }
    Send(&in[0], 1);
    Sleep(40);  // as a hand does: the pointer rests before the press
    Send(&in[1], 1);
    Sleep(30);
    Send(&in[2], 1);
}

int Image::Count(const std::function<bool(COLORREF)>& pred) const
{
    int n = 0;
    for (COLORREF c : pixels)
        n += pred(c) ? 1 : 0;
    return n;
}

Image Grab(HWND window, bool client)
{
    RECT r;
    if (client) {
        GetClientRect(window, &r);
        MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&r), 2);
    } else {
        GetWindowRect(window, &r);
    }
    Image image;
    image.width = r.right - r.left;
    image.height = r.bottom - r.top;
    if (image.width <= 0 || image.height <= 0)
        return Image();
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = image.width;
    info.bmiHeader.biHeight = -image.height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, image.width, image.height, screen, r.left, r.top, SRCCOPY);
    GdiFlush();
    const DWORD* p = static_cast<const DWORD*>(bits);
    image.pixels.resize(static_cast<size_t>(image.width * image.height));
    for (size_t k = 0; k < image.pixels.size(); ++k)  // DIB order is blue, green, red
        image.pixels[k] = RGB((p[k] >> 16) & 0xFF, (p[k] >> 8) & 0xFF, p[k] & 0xFF);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return image;
}

bool Near(COLORREF a, COLORREF b, int tolerance)
{
    return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance && std::abs(GetGValue(a) - GetGValue(b)) <= tolerance
           && std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

std::string ColourText(COLORREF c)
{
    char text[32];
    std::snprintf(text, sizeof text, "(%d,%d,%d)", GetRValue(c), GetGValue(c), GetBValue(c));
    return text;
}

HWND WaitTopWindow(DWORD pid, const char* cls)
{
    HWND window = nullptr;
    WaitFor([&] {
        const std::vector<HWND> found = TopWindows(pid, cls);
        window = found.empty() ? nullptr : found.front();
        return window != nullptr;
    });
    return window;
}

int WindowCount(DWORD pid)
{
    int n = 0;
    for (HWND w : TopWindows(pid, nullptr))
        n += 1 + static_cast<int>(Children(w).size());
    return n;
}

void ExpectOpeningsLeaveNothing(const Program& p, const char* what, const std::function<HWND()>& open,
                                const std::function<bool(HWND)>& close)
{
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, p.pid);
    REQUIRE(process != nullptr);
    const int WAVER = 8;
    int gdiBefore = -1, windowsBefore = -1, opened = 0;
    for (int i = 0; i < 110; ++i) {
        if (i == 10) {
            gdiBefore = GdiObjectCount(process, p.pid);
            windowsBefore = WindowCount(p.pid);
        }
        HWND window = open();
        opened += window != nullptr && close(window);
    }
    EXPECT_EQ(opened, 110);
    const int gdiAfter = GdiObjectCount(process, p.pid), windowsAfter = WindowCount(p.pid);
    CloseHandle(process);
    std::printf("100 %s: GDI objects %d -> %d, windows %d -> %d\n", what, gdiBefore, gdiAfter, windowsBefore,
                windowsAfter);
    EXPECT(gdiBefore < 0 || gdiAfter <= gdiBefore + WAVER);
    EXPECT_EQ(windowsAfter, windowsBefore);
}

int GdiObjectCount(HANDLE process, DWORD pid)
{
    // PEB->GdiSharedHandleTable (offset 0x94 in a 32-bit PEB, 0xF8 in a
    // 64-bit one) holds 24-byte entries of either width: owner process id at
    // byte 8, type at byte 14 (0: free).
    const size_t TABLE_FIELD = sizeof(void*) == 8 ? 0xF8 : 0x94;
    typedef LONG(WINAPI * Query)(HANDLE, int, void*, ULONG, ULONG*);
    const Query query = reinterpret_cast<Query>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQueryInformationProcess")));
    struct {
        LONG exitStatus;
        void* peb;
        ULONG_PTR affinity, priority, pid, parent;
    } basic = {};
    void* table = nullptr;
    if (!query || query(process, 0, &basic, sizeof basic, nullptr) != 0
        || !ReadProcessMemory(process, static_cast<char*>(basic.peb) + TABLE_FIELD, &table, sizeof table, nullptr)
        || !table)
        return -1;
    const size_t ENTRY = 24, COUNT = 0x10000;
    std::vector<unsigned char> entries(ENTRY * COUNT);
    SIZE_T got = 0;
    ReadProcessMemory(process, table, entries.data(), entries.size(), &got);
    if (got < ENTRY)
        return -1;
    int count = 0;
    for (size_t k = 0; k + ENTRY <= got; k += ENTRY) {
        const unsigned owner = entries[k + 8] | (entries[k + 9] << 8);
        count += entries[k + 14] != 0 && (owner == 0 || owner == (pid & 0xFFFF)) ? 1 : 0;
    }
    return count;
}

namespace {
const char APP_DEFAULTS[] = "Software\\Wine\\AppDefaults\\kalvorix.exe";
}

WinXpSetting::WinXpSetting(bool xp)
{
    HKEY key;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, APP_DEFAULTS, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr))
        return;
    char value[64] = "";
    DWORD size = sizeof value - 1;
    had_ = RegQueryValueExA(key, "Version", nullptr, nullptr, reinterpret_cast<BYTE*>(value), &size) == 0;
    old_ = value;
    if (xp)
        RegSetValueExA(key, "Version", 0, REG_SZ, reinterpret_cast<const BYTE*>("winxp"), 6);
    else
        RegDeleteValueA(key, "Version");
    RegCloseKey(key);
}

WinXpSetting::~WinXpSetting()
{
    HKEY key;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, APP_DEFAULTS, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr))
        return;
    if (had_)
        RegSetValueExA(key, "Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(old_.c_str()),
                       static_cast<DWORD>(old_.size() + 1));
    else
        RegDeleteValueA(key, "Version");
    RegCloseKey(key);
}

bool RunWithTimeout(const std::function<void()>& work, DWORD timeoutMs)
{
    struct Thread {
        static DWORD WINAPI Run(LPVOID p)
        {
            std::function<void()>* f = static_cast<std::function<void()>*>(p);
            (*f)();
            delete f;
            return 0;
        }
    };
    // The copy belongs to the thread, which may outlive a timeout.
    HANDLE thread = CreateThread(nullptr, 0, Thread::Run, new std::function<void()>(work), 0, nullptr);
    const bool done = WaitForSingleObject(thread, timeoutMs) == WAIT_OBJECT_0;
    CloseHandle(thread);
    return done;
}

int g_failures;
std::string g_context;

// kalvorix_wine_tests NAME PROGRAM: runs one test; PROGRAM may be a Unix
// path, which Wine maps under drive Z:.
int main(int argc, char** argv)
{
    if (argc < 3) {
        std::printf("usage: kalvorix_wine_tests TEST PROGRAM [ARGUMENT]\n");
        return 2;
    }
    g_programPath = argv[2];
    if (g_programPath[0] == '/') {
        g_programPath = "Z:" + g_programPath;
        for (char& c : g_programPath)
            c = c == '/' ? '\\' : c;
    }
    if (argc > 3)
        g_testArgument = argv[3];
    for (int i = 0; i < TEST_COUNT; ++i) {
        if (std::strcmp(TESTS[i].name, argv[1]) != 0)
            continue;
        const DWORD start = GetTickCount();
        try {
            TESTS[i].run();
        } catch (const TestAbort&) {
            std::printf("%s: aborted\n", argv[1]);
        } catch (const std::exception& e) {
            ++g_failures;
            std::printf("%s: exception %s\n", argv[1], e.what());
        }
        std::printf("%s: %s, %d failure(s), %.1f s\n", argv[1], g_failures ? "FAILED" : "passed", g_failures,
                    (GetTickCount() - start) / 1000.0);
        return g_failures ? 1 : 0;
    }
    std::printf("no test named %s\n", argv[1]);
    return 2;
}
