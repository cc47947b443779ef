// Money text in a window: the window-taking companions of ParseMoney and FormatMoney.
#pragma once

#include "framework/Wnd.h"

// Rewrites the window's text as money text (FormatMoney) in place.
void FormatMoneyField(CWnd& field);

// The amount of the window's text (ParseMoney).
double ParseMoneyField(const CWnd& field);
