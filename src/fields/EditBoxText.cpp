#include "fields/EditBoxText.h"

#include "core/money/NumberFormat.h"
#include "framework/TextEncoding.h"

#include <cstdio>
#include <string>
#include <vector>

std::string Utf8Text(const CWnd& box)
{
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(box)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        ::GetWindowTextW(box, text.data(), static_cast<int>(text.size()))));
    return Utf8FromWide(text);
}

void SetUtf8Text(CWnd& box, const std::string& text)
{
    ::SetWindowTextW(box, WideFromUtf8(text).c_str());
}

void ReadEditBoxText(CWnd& box, LineReader& in)
{
    CString text(in.ReadLine());
    text.Remove('\n');
    text.Remove('\r');
    box.SetWindowText(text);
}

void WriteEditBoxText(const CWnd& box, LineWriter& out)
{
    CString text;
    box.GetWindowText(text);
    out.WriteLine(text.str());
}

void ReadEditBoxPair(CWnd& first, CWnd& second, LineReader& in)
{
    ReadEditBoxText(first, in);
    ReadEditBoxText(second, in);
}

void WriteEditBoxPair(const CWnd& first, const CWnd& second, LineWriter& out)
{
    WriteEditBoxText(first, out);
    WriteEditBoxText(second, out);
}

namespace
{
// The text's lines, split at its CR LF breaks.
std::vector<std::string> LinesOf(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    lines.push_back(text.substr(start));
    return lines;
}
} // namespace

void WriteMultiLineEditBox(const CWnd& box, LineWriter& out)
{
    CString text;
    box.GetWindowText(text);
    if (text.IsEmpty())
    {
        out.WriteLine("0");
        return;
    }
    // The count is of the text's own lines, not of the rows a wrapping box shows them in, so
    // that the reader takes exactly the lines written here.
    const std::vector<std::string> lines = LinesOf(text.str());
    out.WriteLine(std::to_string(lines.size()));
    // Each inner break is stored as a text-mode stream stores CR LF: CR, then the line end.
    for (std::size_t index = 0; index + 1 < lines.size(); ++index)
        out.WriteLine(lines[index] + '\r');
    out.WriteLine(lines.back());
}

void ReadMultiLineEditBox(CWnd& box, LineReader& in)
{
    const int count = ParseWholeNumber(in.ReadLine());
    if (count <= 0)
        return;
    // A count larger than the file holds stops at the end of the file, and the text never grows
    // past what the box can take.
    const std::size_t limit =
        static_cast<std::size_t>(::SendMessageA(box.m_hWnd, EM_GETLIMITTEXT, 0, 0));
    std::string text;
    for (int index = 0; index < count && text.size() < limit && !in.AtEnd(); ++index)
    {
        CString line(in.ReadLine());
        line.Remove('\n');
        line.Remove('\r');
        if (index > 0)
            text += "\r\n";
        text += line.str();
    }
    if (text.size() > limit)
        text.resize(limit);
    box.SetWindowText(text.c_str());
}

CString FormatTwoDecimals(double value)
{
    return CString(TwoDecimalText(value));
}

namespace
{
struct CalendarDate
{
    int day;
    int month;
    int year;
};

CalendarDate Today()
{
    const COleDateTime today = COleDateTime::GetCurrentTime();
    return {today.GetDay(), today.GetMonth(), today.GetYear()};
}

// The date a picker shows, read from its text in the user's locale (the form the picker shows it
// in): an empty text is today; a text that is no date gives -1 for day, month and year.
CalendarDate DateOfPicker(const CDateTimeCtrl& picker)
{
    CString text;
    picker.GetWindowText(text);
    if (text.IsEmpty())
        return Today();
    COleDateTime date;
    if (!date.ParseDateTime(text))
        return {-1, -1, -1};
    return {date.GetDay(), date.GetMonth(), date.GetYear()};
}

// Reads a whole number after spaces: an optional sign, then digits, held within +-99999.
bool ReadFigure(const char*& at, int& value)
{
    while (*at == ' ')
        ++at;
    const bool negative = *at == '-';
    if (*at == '-' || *at == '+')
        ++at;
    if (*at < '0' || *at > '9')
        return false;
    int figure = 0;
    for (; *at >= '0' && *at <= '9'; ++at)
        if (figure < 99999)
            figure = figure * 10 + (*at - '0');
    value = negative ? -figure : figure;
    return true;
}

bool ReadHyphen(const char*& at)
{
    while (*at == ' ')
        ++at;
    if (*at != '-')
        return false;
    ++at;
    return true;
}

// The date of a date line, which the writer always gives as month, day and year ("%2i-%2i-%4i"),
// whatever the user's locale: an empty line is today; a line of another form gives -1 for day,
// month and year. The figures are not checked here: clamping and setting the picker do that.
CalendarDate DateOfLine(const std::string& line)
{
    if (line.empty())
        return Today();
    CalendarDate date;
    const char* at = line.c_str();
    if (!ReadFigure(at, date.month) || !ReadHyphen(at) || !ReadFigure(at, date.day) ||
        !ReadHyphen(at) || !ReadFigure(at, date.year))
        return {-1, -1, -1};
    while (*at == ' ')
        ++at;
    if (*at != '\0')
        return {-1, -1, -1};
    return date;
}

// A day outside 1 to 31 and a month outside 1 to 12 become 1; a year before 1900 becomes 2003.
CalendarDate Clamped(CalendarDate date)
{
    if (date.day < 1 || date.day > 31)
        date.day = 1;
    if (date.month < 1 || date.month > 12)
        date.month = 1;
    if (date.year < 1900)
        date.year = 2003;
    return date;
}

int DaysInMonth(int month, int year)
{
    static const int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : days[month - 1];
}

int Compare(const SYSTEMTIME& a, const SYSTEMTIME& b)
{
    if (a.wYear != b.wYear)
        return a.wYear < b.wYear ? -1 : 1;
    if (a.wMonth != b.wMonth)
        return a.wMonth < b.wMonth ? -1 : 1;
    if (a.wDay != b.wDay)
        return a.wDay < b.wDay ? -1 : 1;
    return 0;
}

int Within(int value, int low, int high)
{
    return value < low ? low : value > high ? high : value;
}

// Sets the picker to the date at midnight; a date the picker cannot take (30 February, a year
// outside its range) gives the nearest date it can.
void SetPickerDate(CDateTimeCtrl& picker, const CalendarDate& date)
{
    SYSTEMTIME time{};
    time.wYear = static_cast<WORD>(Within(date.year, 1601, 9999));
    time.wMonth = static_cast<WORD>(Within(date.month, 1, 12));
    time.wDay = static_cast<WORD>(Within(date.day, 1, DaysInMonth(time.wMonth, time.wYear)));
    SYSTEMTIME minimum;
    SYSTEMTIME maximum;
    const DWORD range = picker.GetRange(&minimum, &maximum);
    if ((range & GDTR_MIN) && Compare(time, minimum) < 0)
        time = minimum;
    else if ((range & GDTR_MAX) && Compare(time, maximum) > 0)
    {
        time = SYSTEMTIME{};
        time.wYear = maximum.wYear;
        time.wMonth = maximum.wMonth;
        time.wDay = maximum.wDay;
    }
    picker.SetTime(&time);
}

bool HoldsNoDate(const CDateTimeCtrl& picker)
{
    SYSTEMTIME time;
    return picker.GetTime(&time) == GDT_NONE;
}
} // namespace

void InitDatePicker(CDateTimeCtrl& picker)
{
    SetPickerDate(picker, Clamped(Today()));
    picker.SetTime(nullptr);
}

void ReadDatePicker(CDateTimeCtrl& picker, LineReader& in)
{
    const int flag = ParseWholeNumber(in.ReadLine());
    SetPickerDate(picker, Clamped(DateOfLine(in.ReadLine())));
    if (flag == 0)
        picker.SetTime(nullptr);
}

void WriteDatePicker(const CDateTimeCtrl& picker, LineWriter& out)
{
    const CalendarDate date = DateOfPicker(picker);
    out.WriteLine(HoldsNoDate(picker) ? "0" : "1");
    char line[40];
    std::snprintf(line, sizeof line, "%2i-%2i-%4i", date.month, date.day, date.year);
    out.WriteLine(line);
}

void CopyDatePicker(const CDateTimeCtrl& source, CDateTimeCtrl& target)
{
    SetPickerDate(target, DateOfPicker(source));
    if (HoldsNoDate(source))
        target.SetTime(nullptr);
}

void CopyDatePickerChecked(const CDateTimeCtrl* source, CDateTimeCtrl* target)
{
    if (source && target)
        CopyDatePicker(*source, *target);
}
