// Money text read from and written back to a real edit box.
#include "ModalDriver.h"
#include "TestDialog.h"

#include "fields/MoneyField.h"
#include "framework/Controls.h"

#include <gtest/gtest.h>

namespace
{
TEST(MoneyField, FormatsAndParsesTheWindowsText)
{
    struct
    {
        const char* typed;
        const char* formatted;
        double amount;
    } const cases[] = {
        {"$2400.00", "$2,400.00", 2400},
        {"$-1234.50", "$-1,234.50", -1234.5},
        {"1234.567", "1,234.56", 1234.567},
        {"", "", 0},
    };
    TestDialog dialog;
    CEdit field;
    dialog.m_controls = {{IDC_EDIT_PLAIN, &field}};
    RunModal(dialog, [&] {
        for (const auto& c : cases)
        {
            field.SetWindowText(c.typed);
            EXPECT_DOUBLE_EQ(ParseMoneyField(field), c.amount) << c.typed;
            FormatMoneyField(field);
            CString text;
            field.GetWindowText(text);
            EXPECT_EQ(text.str(), c.formatted) << c.typed;
        }
        dialog.EndDialog(IDOK);
    });
}
} // namespace
