// CListCtrl: the list-view common control, filled with wide text so that it shows any character,
// whatever the 8-bit code page holds.
#pragma once

#include "framework/Wnd.h"

#include <commctrl.h>

#include <string>

class CListCtrl : public CWnd
{
public:
    // Registers the list-view window class; a dialog template that holds a list view is created
    // only after this. FALSE when the common controls refuse.
    static BOOL RegisterWindowClass();

    // The LVS_EX_ styles to set, all others cleared; returns the styles it had.
    DWORD SetExtendedStyle(DWORD styles);
    // Inserts a column at `column` with its heading, alignment (LVCFMT_) and width in pixels; its
    // index, or -1.
    int InsertColumn(int column, const std::wstring& heading, int format, int width);
    // A width in pixels, or LVSCW_AUTOSIZE: as wide as the column's widest text.
    BOOL SetColumnWidth(int column, int width);
    int GetColumnWidth(int column) const;
    // The width of the text in the list's font, in pixels.
    int GetStringWidth(const std::wstring& text) const;
    int GetItemCount() const;
    // Inserts an item at `item` with the text of its first column; its index, or -1.
    int InsertItem(int item, const std::wstring& text);
    // The text of an item's column (`subItem` 0 is the first).
    BOOL SetItemText(int item, int subItem, const std::wstring& text);
    // Removes every item and every column.
    void DeleteAll();
    // The item's rectangle in client coordinates: the part named by an LVIR_ code.
    BOOL GetItemRect(int item, RECT* rect, int code) const;
};
