#include "core/statement/ColumnWidths.h"

#include <algorithm>
#include <numeric>

std::vector<int> FitColumns(const std::vector<int>& needed, int available)
{
    const int count = static_cast<int>(needed.size());
    std::vector<int> widths = needed;
    const int total = std::accumulate(needed.begin(), needed.end(), 0);
    if (total <= available)
    {
        const int spare = available - total;
        for (int i = 0; i < count; ++i)
            widths[i] += spare / count + (i < spare % count ? 1 : 0);
        return widths;
    }
    // The narrowest first: each takes what it needs, or its share of the room still left.
    std::vector<int> order(needed.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return needed[a] < needed[b]; });
    int left = available;
    for (int k = 0; k < count; ++k)
    {
        const int i = order[k];
        widths[i] = std::min(needed[i], left / (count - k));
        left -= widths[i];
    }
    return widths;
}
