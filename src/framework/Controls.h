// The standard controls as window objects: the edit box, the button and the static text.
#pragma once

#include "framework/Wnd.h"

class CEdit : public CWnd
{
public:
    int GetLineCount() const
    {
        return static_cast<int>(::SendMessageA(m_hWnd, EM_GETLINECOUNT, 0, 0));
    }
};

class CButton : public CWnd
{
};

class CStatic : public CWnd
{
};
