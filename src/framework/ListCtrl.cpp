#include "framework/ListCtrl.h"

BOOL CListCtrl::RegisterWindowClass()
{
    const INITCOMMONCONTROLSEX classes{sizeof classes, ICC_LISTVIEW_CLASSES};
    return ::InitCommonControlsEx(&classes);
}

DWORD CListCtrl::SetExtendedStyle(DWORD styles)
{
    return static_cast<DWORD>(SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, styles));
}

int CListCtrl::InsertColumn(int column, const std::wstring& heading, int format, int width)
{
    LVCOLUMNW description{};
    description.mask = LVCF_TEXT | LVCF_FMT | LVCF_WIDTH | LVCF_SUBITEM;
    description.fmt = format;
    description.cx = width;
    description.pszText = const_cast<wchar_t*>(heading.c_str());
    description.iSubItem = column;
    return static_cast<int>(::SendMessageW(m_hWnd, LVM_INSERTCOLUMNW, static_cast<WPARAM>(column),
                                           reinterpret_cast<LPARAM>(&description)));
}

BOOL CListCtrl::SetColumnWidth(int column, int width)
{
    return static_cast<BOOL>(
        SendMessage(LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column), MAKELPARAM(width, 0)));
}

int CListCtrl::GetColumnWidth(int column) const
{
    return static_cast<int>(
        ::SendMessageA(m_hWnd, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column), 0));
}

int CListCtrl::GetStringWidth(const std::wstring& text) const
{
    return static_cast<int>(
        ::SendMessageW(m_hWnd, LVM_GETSTRINGWIDTHW, 0, reinterpret_cast<LPARAM>(text.c_str())));
}

int CListCtrl::GetItemCount() const
{
    return static_cast<int>(::SendMessageA(m_hWnd, LVM_GETITEMCOUNT, 0, 0));
}

int CListCtrl::InsertItem(int item, const std::wstring& text)
{
    LVITEMW description{};
    description.mask = LVIF_TEXT;
    description.iItem = item;
    description.pszText = const_cast<wchar_t*>(text.c_str());
    return static_cast<int>(
        ::SendMessageW(m_hWnd, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&description)));
}

BOOL CListCtrl::SetItemText(int item, int subItem, const std::wstring& text)
{
    LVITEMW description{};
    description.iSubItem = subItem;
    description.pszText = const_cast<wchar_t*>(text.c_str());
    return static_cast<BOOL>(::SendMessageW(m_hWnd, LVM_SETITEMTEXTW, static_cast<WPARAM>(item),
                                            reinterpret_cast<LPARAM>(&description)));
}

BOOL CListCtrl::GetItemRect(int item, RECT* rect, int code) const
{
    rect->left = code;
    return static_cast<BOOL>(::SendMessageA(m_hWnd, LVM_GETITEMRECT, static_cast<WPARAM>(item),
                                            reinterpret_cast<LPARAM>(rect)));
}

void CListCtrl::DeleteAll()
{
    ::SendMessageW(m_hWnd, LVM_DELETEALLITEMS, 0, 0);
    while (::SendMessageW(m_hWnd, LVM_DELETECOLUMN, 0, 0))
    {
    }
}
