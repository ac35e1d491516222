#pragma once

#include <QList>

// Where a report of blocks set one below the other goes on to the next page: a block is never
// split, and a block kept with the next one (a heading) moves to the next page with it.
namespace PageBreaks {

struct Block
{
    double height = 0;
    bool keepWithNext = false;
};

// The page of each block, counted from 0, on pages of the given height. A block taller than a
// page starts a page of its own and is cut off there; a run of kept blocks that starts a page and
// still leaves no room for the block after it stays where it is.
QList<int> pagesOf(const QList<Block>& blocks, double pageHeight);

} // namespace PageBreaks
