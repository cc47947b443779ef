#include "store/EditBoxText.h"

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
