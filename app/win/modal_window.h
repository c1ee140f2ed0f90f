// What the program's own modal windows ("Решение", "Числа в памяти") share:
// a resizable window of theirs centred on its owner, the body painted as the
// message box's, the fixed-pitch font of their texts, and the loop that runs
// while one is open, as a message box's does, so that the main window's keys
// rest meanwhile.
#ifndef KALVORIX_APP_WIN_MODAL_WINDOW_H
#define KALVORIX_APP_WIN_MODAL_WINDOW_H

#include <windows.h>

// Registers a modal window's class (a program class with the given
// procedure and background, null for one painted by itself) and the
// solution view the windows show; true when both are registered, also when
// they already were.
bool RegisterModalClass(HINSTANCE instance, const char* className, WNDPROC procedure, HBRUSH background = nullptr);

// A hidden window of the registered class, width by height, with a caption,
// a system menu, a sizing frame and a maximize box, owned by and centred on
// owner (kept on the screen's top left); null when it cannot be made.
HWND CreateModalWindow(HWND owner, const char* className, const char* title, DWORD exStyle, int width, int height);

// The messages every modal window answers alike: WM_SIZE lays its controls
// out by layout (the client's width and height), WM_GETMINMAXINFO keeps it
// at least smallest, WM_PAINT paints it white above the box's grey footer,
// WM_ERASEBKGND is left to that paint. True, with result, for one of them.
bool AnswerModalMessage(HWND window, UINT message, LPARAM lParam, void (*layout)(int width, int height),
                        POINT smallest, LRESULT& result);

// The fixed-pitch font of worked solutions and fields of bits (Courier New,
// Russian); the caller deletes it once its window is gone.
HFONT MakeFixedFont();

// Shows window and runs its loop until closing turns true: owner is disabled
// meanwhile, focus gets the keyboard, and every message is offered to
// handleKey first (true: it took it). A WM_QUIT met on the way is posted
// again for the main loop. The owner is enabled and active again afterwards,
// before the caller destroys window, so the activation does not wander.
void RunModal(HWND owner, HWND window, HWND focus, const bool& closing, bool (*handleKey)(MSG& msg));

#endif
