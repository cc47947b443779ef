// The standard controls as window objects: the edit box, the button and the static text.
#pragma once

#include "framework/Wnd.h"

class CEdit : public CWnd
{
};

class CButton : public CWnd
{
};

class CStatic : public CWnd
{
};
