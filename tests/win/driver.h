// Drives the real kalvorix.exe from another process of the same Wine
// desktop: starts it in a fresh directory, finds its windows, types, clicks,
// reads texts and screen pixels, and reads and closes its message boxes.
#ifndef KALVORIX_TESTS_WIN_DRIVER_H
#define KALVORIX_TESTS_WIN_DRIVER_H

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

extern std::string g_programPath;  // Windows path of kalvorix.exe
extern std::string g_testArgument;  // what follows the program's path, or ""

// Runs work on its own thread; false when it has not ended within
// timeoutMs (for calls that block on the program's thread).
bool RunWithTimeout(const std::function<void()>& work, DWORD timeoutMs);

// Polls pred every 20 ms until it holds or timeoutMs has passed.
bool WaitFor(const std::function<bool()>& pred, DWORD timeoutMs = 5000);

// Texts of other processes' windows, through marshalled messages.
std::string TextOf(HWND window);
void SetTextOf(HWND window, const std::string& text);

// Writes bytes as the whole file at path.
void WriteBytes(const std::string& path, const std::string& bytes);

// Visible top-level windows of pid, of class cls or any; all children.
std::vector<HWND> TopWindows(DWORD pid, const char* cls);
std::vector<HWND> Children(HWND parent);
// The first visible top-level window of pid of class cls, once it shows; null on timeout.
HWND WaitTopWindow(DWORD pid, const char* cls);
int ListCount(HWND list);
std::string ListItem(HWND list, int index);

// The running program. The destructor kills it if it still runs and removes
// its directory, so a failed test leaves nothing behind.
class Program {
public:
    // Puts into the working directory, before the start, kalvor.ini or
    // whatever stands in its place.
    using Setup = std::function<void(const std::string& dir)>;

    // ini: content of kalvor.ini written before the start, or none.
    explicit Program(const char* ini = nullptr);
    // The working directory is made in parent (Windows path; "" for the temp
    // directory) and given to setup.
    explicit Program(const Setup& setup, const std::string& parent = std::string());
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    HWND main = nullptr;
    HWND input = nullptr, output = nullptr, precision = nullptr;
    HWND source = nullptr, target = nullptr, indicator = nullptr;
    DWORD pid = 0, tid = 0;
    int children = 0;

    HWND Control(int id) const { return GetDlgItem(main, id); }
    // Exit code once the process has ended within timeoutMs, else -1.
    int WaitExit(DWORD timeoutMs = 15000);
    // WM_CLOSE and the exit code.
    int Close() { PostMessageA(main, WM_CLOSE, 0, 0); return WaitExit(); }
    bool Alive() const { return WaitForSingleObject(process_, 0) == WAIT_TIMEOUT; }
    bool Responds() const;
    std::string Ini() const;  // content of kalvor.ini, "<none>" when absent
    const std::string& Directory() const { return dir_; }
    // Puts the number, the precision and the systems (list indices) in.
    void Fill(const std::string& number, const std::string& prec, int src, int dst);
    std::string Selected(HWND list) const;
    void Foreground() const;

private:
    void Start(const Setup& setup, const std::string& parent);
    void Cleanup();
    HANDLE process_ = nullptr;
    std::string dir_;
};

// A message box of a process as the skin left it.
struct Box {
    HWND hwnd = nullptr, icon = nullptr, button = nullptr;
    std::string caption, text, buttonText;
    RECT client = {}, buttonRect = {};  // button in the box's client coordinates
};

// Waits for a visible, restyled box of pid; false on timeout.
bool WaitBox(DWORD pid, Box& box, DWORD timeoutMs = 10000);
// Clicks the box's button away; true once the box is gone.
bool CloseBox(const Box& box);
// Closes every box pid shows now; how many there were.
int CloseStrayBoxes(DWORD pid);
// Button size of an unskinned box with this text, shown by the driver itself.
SIZE PlainBoxButton(const std::string& text, const std::string& caption, UINT flags);

// Real input through SendInput, to the foreground window.
void Key(WORD vk, bool extended = false);
void Type(const std::string& text);
void KeyWith(WORD modifier, WORD vk);  // vk while modifier (VK_CONTROL, say) is held
void MoveMouse(int x, int y);  // screen coordinates
void MouseButton(bool down);
// A left click at a screen point. The pointer moves there within the same
// input: a SetCursorPos can be undone by a late pointer event from X.
void ClickAt(int x, int y);

// Screen pixels of a rectangle in screen coordinates.
struct Image {
    int width = 0, height = 0;
    std::vector<COLORREF> pixels;
    COLORREF At(int x, int y) const { return pixels[static_cast<size_t>(y * width + x)]; }
    int Count(const std::function<bool(COLORREF)>& pred) const;
    bool operator==(const Image& o) const { return width == o.width && height == o.height && pixels == o.pixels; }
};
Image Grab(HWND window, bool client = true);
bool Near(COLORREF a, COLORREF b, int tolerance = 6);
std::string ColourText(COLORREF c);

// GDI objects of a process read from its handle table, or -1 when the
// table cannot be read (GetGuiResources is a stub under Wine).
int GdiObjectCount(HANDLE process, DWORD pid);

// Windows of pid: the visible top-level ones and all their children.
int WindowCount(DWORD pid);

// Opens a window of the program 110 times (open gives it, null when it did
// not show; close closes it, true once it is gone) and checks that all
// opened and closed and that, counted after the first ten (once what Wine
// keeps for them is made), no window and at most a waver of GDI objects
// stays behind: a leak of one object an opening would show ninety. Prints
// the counts, named by what.
void ExpectOpeningsLeaveNothing(const Program& p, const char* what, const std::function<HWND()>& open,
                                const std::function<bool(HWND)>& close);

// Makes Wine tell kalvorix.exe it runs on Windows XP, or not, and puts the
// previous setting back when it goes out of scope.
class WinXpSetting {
public:
    explicit WinXpSetting(bool xp);
    ~WinXpSetting();

private:
    bool had_ = false;
    std::string old_;
};

#endif
