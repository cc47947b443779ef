// A schedule's months on the clipboard: the amounts a text copied from a spreadsheet or a web page
// brings to the months, and the text a copy of the twelve months puts there. Texts are UTF-8.
#pragma once

#include "core/escrow/MonthAmounts.h"

#include <array>
#include <string>
#include <vector>

// The cells of a pasted text, first to last, each as it was with the spaces around it trimmed
// ("$1,000.00" stays "$1,000.00"). One line end at the very end closes the last row, as
// spreadsheets end what they copy, and makes no cell of its own. A text that then holds a tab or a
// line end (CR LF, LF or a lone CR) is cut at each of them only: spaces stay inside their cell, and
// an empty or blank cell between two tabs is an empty cell. A text with neither is cut at runs of
// spaces, so it has no empty cells, and a blank text none at all. A space is U+0020 or the
// no-break space U+00A0 that web pages put between words. A schedule's own copy
// (ScheduleClipboardText) gives its twelve months once.
std::vector<std::string> PastedAmounts(const std::string& text);

// Why nothing was pasted when `amounts` cells pasted into month `first` (0 = January) run past
// December: how many do not fit, of how many, and from which month.
std::string AmountsDoNotFitMessage(int amounts, int first);

// The twelve months, January first, as a copy puts them on the clipboard, so that a spreadsheet
// takes them as a row or as a column, whichever is wanted: one row, the months separated by tabs,
// ended by CR LF; then the twelve months again, each on a line of its own ended by CR LF.
//   "m1\tm2\t...\tm12\r\nm1\r\nm2\r\n...\r\nm12\r\n"
std::string ScheduleClipboardText(const std::array<std::string, kMonths>& months);
