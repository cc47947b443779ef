// COleDateTime: a calendar date read from text in the user's locale, or today's date.
// CDateTimeCtrl: the date-time picker common control, which shows a date or, with the
// DTS_SHOWNONE style, holds none.
#pragma once

#include "framework/Wnd.h"

#include <commctrl.h>

// The system headers define GetCurrentTime as the tick count; here it names today's date.
#undef GetCurrentTime

class COleDateTime
{
public:
    // Today's date on the computer's clock.
    static COleDateTime GetCurrentTime();

    // Reads a date text the way the system reads one typed in the locale's own forms (month,
    // day and year in the locale's order; a time of day may follow). FALSE, with the date left
    // as it was, when the text is no date.
    BOOL ParseDateTime(const char* text, DWORD flags = 0, LCID locale = LOCALE_USER_DEFAULT);

    int GetYear() const { return m_nYear; }
    int GetMonth() const { return m_nMonth; }
    int GetDay() const { return m_nDay; }

private:
    // A new date is day 0 of the system's date numbers, 30 December 1899.
    int m_nYear = 1899;
    int m_nMonth = 12;
    int m_nDay = 30;
};

class CDateTimeCtrl : public CWnd
{
public:
    // The picker's date: GDT_VALID with the date, or GDT_NONE when it holds no date.
    DWORD GetTime(SYSTEMTIME* time) const;
    // Sets the picker to the date; null marks it as holding no date. FALSE when the picker
    // refuses (a date outside its range, or no date without DTS_SHOWNONE).
    BOOL SetTime(const SYSTEMTIME* time);
    // The earliest and latest date set on the picker: GDTR_MIN and GDTR_MAX tell which of the
    // two were set; one that was not set is returned zeroed.
    DWORD GetRange(SYSTEMTIME* minimum, SYSTEMTIME* maximum) const;
};
