// Drives a modal dialog from inside its own message loop, and waits for what the steps cause.
#pragma once

#include "framework/Dialog.h"

#include <functional>

// DoModal's result when the steps left the dialog open and the driver had to end it.
constexpr INT_PTR kDialogLeftOpen = -2;

// Runs DoModal; once the dialog's loop runs, `steps` run inside it. When the steps do not end the
// dialog (directly or by the messages they post), the driver ends it with kDialogLeftOpen. A
// dialog that never opens, so that the steps never run, fails the test.
INT_PTR RunModal(CDialog& dialog, std::function<void()> steps);

// Dispatches the thread's messages, with the dialog's keyboard navigation, until `done` holds or
// two seconds pass; returns whether it holds.
bool PumpUntil(const std::function<bool()>& done);

// The visible window of this thread with the caption, or null.
HWND ThreadWindow(const char* caption);

// Runs `steps` on the window with the caption once a modal loop started after this call shows it
// (a nested dialog, a message box); the steps end it. Called from the steps of RunModal: when
// that RunModal returns with the window never shown, the test fails and the steps are dropped.
// A second call while steps still wait fails the test and leaves the first steps waiting.
void WhenDialogOpens(const char* caption, std::function<void(HWND)> steps);

// Dispatches the messages already waiting.
void PumpPending();

// The colour of a pixel of the window, in window coordinates (non-client border included).
COLORREF WindowPixel(HWND window, int x, int y);

// Moves the real cursor to the centre of the window, or far away from every test window.
void MoveCursorOnto(HWND window);
void MoveCursorAway();
