// The eight escrow items of the form, item 1 first: the reserve months box, the monthly deposit
// box and the schedule button of each. The heading of an item's line is its name in
// core/ItemHeadings.h, which the statement shares. The item's number names its schedule file. The
// form attaches its boxes, limits their text, runs the analysis when one is left and opens the
// schedule of a button from this one table; the identifiers are not in item order, so nothing
// else lists them.
#pragma once

#include "core/escrow/MonthAmounts.h"
#include "res/resource.h"

#include <algorithm>
#include <array>

struct FormItem
{
    int monthsBox;
    int depositBox;
    int button;
};

constexpr std::array<FormItem, kEscrowItems> kFormItems{{
    {IDC_MONTHS1, IDC_PER_MONTH1, IDC_ITEM1},
    {IDC_MONTHS2, IDC_PER_MONTH2, IDC_ITEM2},
    {IDC_MONTHS3, IDC_PER_MONTH3, IDC_ITEM3},
    {IDC_MONTHS4, IDC_PER_MONTH4, IDC_ITEM4},
    {IDC_MONTHS5, IDC_PER_MONTH5, IDC_ITEM5},
    {IDC_MONTHS6, IDC_PER_MONTH6, IDC_ITEM6},
    {IDC_MONTHS7, IDC_PER_MONTH7, IDC_ITEM7},
    {IDC_MONTHS8, IDC_PER_MONTH8, IDC_ITEM8},
}};

// The item (1 to 8) whose schedule button has the identifier; 0 for any other control.
constexpr int ItemOfButton(int id)
{
    for (int item = 1; item <= kEscrowItems; ++item)
        if (kFormItems[item - 1].button == id)
            return item;
    return 0;
}

// Whether leaving the box runs the analysis: an item's two boxes, the cushion and the first
// payment month. The first payment year is only stored.
constexpr bool IsAnalysisInput(int id)
{
    for (const FormItem& item : kFormItems)
        if (item.monthsBox == id || item.depositBox == id)
            return true;
    return id == IDC_CUSHION || id == IDC_FIRST_PAYMENT_MONTH;
}

// The lowest and the highest identifier of the boxes whose leaving runs the analysis: the range of
// the form's one kill-focus row, which IsAnalysisInput then narrows.
constexpr int kFirstAnalysisInput = [] {
    int first = std::min(IDC_CUSHION, IDC_FIRST_PAYMENT_MONTH);
    for (const FormItem& item : kFormItems)
        first = std::min({first, item.monthsBox, item.depositBox});
    return first;
}();
constexpr int kLastAnalysisInput = [] {
    int last = std::max(IDC_CUSHION, IDC_FIRST_PAYMENT_MONTH);
    for (const FormItem& item : kFormItems)
        last = std::max({last, item.monthsBox, item.depositBox});
    return last;
}();
