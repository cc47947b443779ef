// Moving the text of edit boxes and the dates of date pickers to and from the lines of a text
// file, one field at a time, in the order the caller reads or writes them.
#pragma once

#include "core/files/TextLines.h"
#include "framework/DateTime.h"
#include "framework/Wnd.h"

#include <string>

// A box's whole text, read and written through the W functions so that any character is kept. The
// boxes of version 6 of the common controls (the program's manifest asks for it) hold wide text
// whichever function made them, as long as they stay plain: a box attached by subclassing takes its
// text through the A functions and the code page (measured under Wine: U+738B came back "?").
std::string Utf8Text(const CWnd& box);
void SetUtf8Text(CWnd& box, const std::string& text);

// Sets the box's text to the next line of the file, every CR and LF removed.
void ReadEditBoxText(CWnd& box, LineReader& in);

// Writes the box's text as the next line of the file.
void WriteEditBoxText(const CWnd& box, LineWriter& out);

// Two boxes, one line each, first then second.
void ReadEditBoxPair(CWnd& first, CWnd& second, LineReader& in);
void WriteEditBoxPair(const CWnd& first, const CWnd& second, LineWriter& out);

// A multi-line box as a counted block: a line with the number of the text's lines, then the
// lines. An empty box writes the count 0 alone.
void WriteMultiLineEditBox(const CWnd& box, LineWriter& out);
// Reads a counted block into the box, its lines joined by CR LF. A count of 0, or a count line
// that is no number, leaves the box as it was. The text never grows past what the box can hold.
void ReadMultiLineEditBox(CWnd& box, LineReader& in);

// The value as two-decimal text: no "$", no separators, "-" when below zero.
CString FormatTwoDecimals(double value);

// Sets the picker to today and marks it as holding no date.
void InitDatePicker(CDateTimeCtrl& picker);
// Reads a flag line (0: no date) and a date line "month-day-year" into the picker. An empty date
// line stands for today; an unreadable one for 1 January 2003. A date the picker cannot take
// (30 February, a year past its range) gives the nearest one it can.
void ReadDatePicker(CDateTimeCtrl& picker, LineReader& in);
// Writes the picker's flag line (1 with a date, 0 without) and its date line, "%2i-%2i-%4i" of
// month, day and year.
void WriteDatePicker(const CDateTimeCtrl& picker, LineWriter& out);
// Gives the target the source's date and its no-date state.
void CopyDatePicker(const CDateTimeCtrl& source, CDateTimeCtrl& target);
// CopyDatePicker when both pickers are given; nothing otherwise.
void CopyDatePickerChecked(const CDateTimeCtrl* source, CDateTimeCtrl* target);
