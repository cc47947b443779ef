// What a screen reader hears of a dialog's controls. A reader asks a control for its accessible
// object (WM_GETOBJECT) and the object for the control's name, role, state and value. The
// system's standard object names a box after the label just before it in the dialog's order, or
// not at all, and a button after its text, which for a button that shows a figure is the figure;
// some systems (Wine among them) also call every button, list and date picker a plain "client".
// A control described here answers with the standard object, everything of it kept (value, place,
// keyboard, children) but these: the name given it, the role of its kind, and for a check box
// whether it is checked.
#pragma once

#include <windows.h>

#include <string>

// Describes every box, button, check box, list and date picker of the dialog, each by the name
// the system gives it until one is set. Dialogs call it once their controls exist. The
// accessibility library is loaded only when a reader first asks, so a program that no reader
// looks at never loads it.
void DescribeControlsToScreenReaders(HWND dialog);

// From now until the control is destroyed, a screen reader asking the control `id` of the
// described dialog for its name hears `name`. A control the dialog does not have is left alone.
void SetAccessibleName(HWND dialog, int id, const std::wstring& name);
