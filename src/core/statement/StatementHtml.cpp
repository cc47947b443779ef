#include "core/statement/StatementHtml.h"

#include "core/statement/BalanceChartSvg.h"
#include "core/statement/HtmlEscaped.h"
#include "core/statement/StatementCells.h"

namespace
{

constexpr char kTableStyle[] = "border-collapse:collapse;margin:6pt 0 12pt";
constexpr char kCellStyle[] = "border:1px solid #808080;padding:1pt 6pt;text-align:";

// One cell of HTML: a heading cell (th) or a data cell (td), its content aligned right for an
// amount.
std::string CellOf(const char* tag, const std::string& content, bool amount)
{
    return std::string("<") + tag + " style=\"" + kCellStyle + (amount ? "right" : "left") + "\">" +
           content + "</" + tag + ">";
}

// One cell of text.
std::string Cell(const char* tag, const std::string& text, bool amount)
{
    return CellOf(tag, HtmlEscaped(text), amount);
}

// A data cell of lines, one below the other.
std::string LinesCell(const std::vector<std::string>& lines)
{
    std::string content;
    for (std::size_t i = 0; i < lines.size(); ++i)
        content += (i == 0 ? "" : "<br>") + HtmlEscaped(lines[i]);
    return CellOf("td", content, false);
}

std::string RunningBalanceRow(const char* tag, const RunningBalanceCells& cells,
                              const char* rowStyle)
{
    std::string row = std::string("<tr") + rowStyle + ">";
    for (RunningBalanceCells::size_type i = 0; i < cells.size(); ++i)
        row += Cell(tag, cells[i], i >= kFirstAmountColumn && i <= kLastAmountColumn);
    return row + "</tr>\r\n";
}

} // namespace

std::string StatementHtmlFragment(const EscrowStatement& statement)
{
    std::string html = "<div style=\"font-family:Arial,Helvetica,sans-serif;font-size:10pt;"
                       "color:#000000\">\r\n<h1 style=\"font-size:14pt;margin:0 0 8pt\">" +
                       HtmlEscaped(kStatementTitle) + "</h1>\r\n";
    for (const std::string& warning : statement.warnings)
        html += "<p style=\"margin:0 0 4pt;font-weight:bold;color:#9c0006\">" +
                HtmlEscaped(warning) + "</p>\r\n";

    if (!statement.details.empty())
    {
        html += std::string("<table style=\"") + kTableStyle + "\">\r\n";
        for (const StatementDetail& detail : statement.details)
            html +=
                "<tr>" + Cell("th", detail.label, false) + LinesCell(detail.lines) + "</tr>\r\n";
        html += "</table>\r\n";
    }
    if (!statement.paymentSentence.empty())
        html +=
            "<p style=\"margin:0 0 6pt\">" + HtmlEscaped(statement.paymentSentence) + "</p>\r\n";

    html += std::string("<table style=\"") + kTableStyle + "\">\r\n";
    for (const LabelledCells& cells : HeadingCells(statement))
        html += "<tr>" + Cell("th", cells[0], false) + Cell("td", cells[1], false) + "</tr>\r\n";
    html += "</table>\r\n";

    if (const std::optional<BalanceChart> chart = BalanceChartOf(statement))
        html += "<div style=\"margin:0 0 6pt\">" + BalanceChartSvg(*chart) + "</div>\r\n";

    html += std::string("<table style=\"") + kTableStyle + "\">\r\n<thead>\r\n" +
            RunningBalanceRow("th", RunningBalanceHeadings(), "") + "</thead>\r\n<tbody>\r\n";
    for (const StatementRow& row : statement.rows)
        html += RunningBalanceRow("td", RunningBalanceRowCells(row),
                                  row.lowPoint ? " style=\"font-weight:bold\"" : "");
    html += "</tbody>\r\n</table>\r\n";

    html += "<h2 style=\"font-size:12pt;margin:0 0 4pt\">" + HtmlEscaped(kInitialPaymentTitle) +
            "</h2>\r\n<table style=\"" + kTableStyle + "\">\r\n";
    for (const LabelledCells& cells : InitialPaymentCells(statement))
        html += "<tr>" + Cell("td", cells[0], false) + Cell("td", cells[1], true) + "</tr>\r\n";
    return html + "</table>\r\n</div>";
}

std::string StatementHtmlDocument(const EscrowStatement& statement)
{
    return "<!DOCTYPE html>\r\n<html lang=\"en\">\r\n<head>\r\n<meta charset=\"utf-8\">\r\n"
           "<title>" +
           HtmlEscaped(kStatementTitle) +
           "</title>\r\n<style>\r\n"
           "body { margin: 12pt; background: #ffffff; }\r\n"
           "th, td { vertical-align: top; }\r\n"
           // Printed from a browser, each page is numbered at its foot as the program's own
           // print numbers it.
           "@page { size: letter; margin: 15mm; @bottom-center { content: \"Page \" counter(page) "
           "\" of \" counter(pages); font: 9pt sans-serif; } }\r\n"
           "@media print { body { margin: 0; } tr { break-inside: avoid; } "
           "thead { display: table-header-group; } h2 { break-after: avoid; } }\r\n"
           "</style>\r\n</head>\r\n<body>\r\n" +
           StatementHtmlFragment(statement) + "\r\n</body>\r\n</html>\r\n";
}
