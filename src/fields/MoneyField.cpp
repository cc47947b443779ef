#include "fields/MoneyField.h"

#include "core/money/NumberFormat.h"

void FormatMoneyField(CWnd& field)
{
    CString text;
    field.GetWindowText(text);
    std::string money = text.str();
    FormatMoney(money);
    field.SetWindowText(money.c_str());
}

double ParseMoneyField(const CWnd& field)
{
    CString text;
    field.GetWindowText(text);
    return ParseMoney(text.str());
}
