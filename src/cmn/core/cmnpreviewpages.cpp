#include "cmnpreviewpages.h"

#include <cmath>

namespace {

qint32 Columns(ECmnPreviewPageMode mode, qint32 pageCount, bool landscape)
{
    switch (mode) {
    case CmnPreviewSinglePage:
        return 1;
    case CmnPreviewFacingPages:
        return 2;
    case CmnPreviewAllPages:
        break;
    }
    const double root = std::sqrt(double(pageCount));
    qint32 columns = qint32(landscape ? std::floor(root) : std::ceil(root));
    if (columns % 2)
        ++columns;
    return columns;
}

} // namespace

CCmnPreviewGrid CmnArrangePreviewPages(ECmnPreviewPageMode mode, qint32 pageCount, bool landscape)
{
    CCmnPreviewGrid grid;
    if (pageCount < 1)
        return grid;
    grid.m_Columns = Columns(mode, pageCount, landscape);
    // Facing pages leave the first place empty, so that page 1 is a right page.
    const qint32 first = mode == CmnPreviewFacingPages ? 1 : 0;
    const qint32 places = pageCount + first;
    grid.m_Rows = (places + grid.m_Columns - 1) / grid.m_Columns;
    grid.m_Cells.reserve(pageCount);
    for (qint32 place = first; place < places; ++place)
        grid.m_Cells.append(QPoint(place % grid.m_Columns, place / grid.m_Columns));
    return grid;
}

qint32 CmnMostVisiblePage(qint32 currentPage, const QList<QPair<qint32, qint64>> &visibleAreas)
{
    qint32 page = currentPage;
    qint64 area = 0;
    for (const auto &[candidate, shown] : visibleAreas) {
        if (shown > area) {
            page = candidate;
            area = shown;
        } else if (shown == area) {
            page = qMin(page, candidate);
        }
    }
    return page;
}
