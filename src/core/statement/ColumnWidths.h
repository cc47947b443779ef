// The widths of a table's columns on a page of a given width, from the width each column's
// widest text needs.
#pragma once

#include <vector>

// Columns that fit keep what they need, and the room left over goes to them in equal shares. When
// they do not fit, a column that needs less than an equal share of the room keeps its width, and
// the wider columns share the rest equally (their texts then wrap). The widths add up to
// `available` (zero or more) either way.
std::vector<int> FitColumns(const std::vector<int>& needed, int available);
