#pragma once
// Where a picture changed: the tests of comments look for the first column a
// comment wrote into.
#include <QImage>

namespace vexoria::test {

// The leftmost column where after differs from before within `reach` rows of
// row y; -1 where nothing changed there.
inline int firstChangedColumn(const QImage& before, const QImage& after, int y, int reach = 15)
{
    for (int x = 0; x < after.width(); ++x)
        for (int row = y - reach; row < y + reach; ++row)
            if (row >= 0 && row < after.height() && after.pixel(x, row) != before.pixel(x, row)) return x;
    return -1;
}

} // namespace vexoria::test
