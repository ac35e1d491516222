#include "results/PageBreaks.h"

namespace PageBreaks {

namespace {

// The first of the blocks before index that are kept with it, all on its page.
qsizetype keptRunStart(const QList<Block>& blocks, const QList<int>& pages, qsizetype index)
{
    qsizetype first = index;
    while (first > 0 && blocks[first - 1].keepWithNext && pages[first - 1] == pages.constLast())
        --first;
    return first;
}

} // namespace

QList<int> pagesOf(const QList<Block>& blocks, double pageHeight)
{
    QList<int> pages;
    int page = 0;
    double top = 0;
    for (qsizetype i = 0; i < blocks.size(); ++i) {
        if (top > 0 && top + blocks[i].height > pageHeight) {
            qsizetype first = keptRunStart(blocks, pages, i);
            double kept = 0;
            for (qsizetype j = first; j < i; ++j)
                kept += blocks[j].height;
            const bool startsPage = first == 0 || pages[first - 1] != page;
            if (startsPage || kept + blocks[i].height > pageHeight)
                first = i;
            ++page;
            top = 0;
            for (qsizetype j = first; j < i; ++j) {
                pages[j] = page;
                top += blocks[j].height;
            }
        }
        pages.append(page);
        top += blocks[i].height;
    }
    return pages;
}

} // namespace PageBreaks
