// Moving an edit box's text to and from one line of a text file.
#pragma once

#include "framework/Wnd.h"
#include "store/TextLines.h"

// Sets the box's text to the next line of the file, every CR and LF removed.
void ReadEditBoxText(CWnd& box, LineReader& in);

// Writes the box's text as the next line of the file.
void WriteEditBoxText(const CWnd& box, LineWriter& out);
