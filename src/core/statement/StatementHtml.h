// The statement as HTML: a fragment for the clipboard's HTML format, and a whole document, UTF-8
// with its style inside, to save and print from a browser. The document's body is the fragment.
#pragma once

#include "core/statement/EscrowStatement.h"

#include <string>

// The statement in one <div>: the title, the warnings, the details that name the loan (a detail of
// several lines in one cell, a line each) and the sentence of the monthly mortgage payment, the
// heading, the running balance and the
// initial escrow payment as tables, styled by attributes of their own so they keep their look
// wherever they are pasted. Every text is escaped.
std::string StatementHtmlFragment(const EscrowStatement& statement);

// A self-contained HTML document of the fragment, that prints on plain Letter pages as the printed
// statement does: no row of the running balance cut by a page's end, its column headings again at
// the top of every page, the initial escrow payment's title on the page of its lines, and a label
// beside the first line of a detail of several lines.
std::string StatementHtmlDocument(const EscrowStatement& statement);
