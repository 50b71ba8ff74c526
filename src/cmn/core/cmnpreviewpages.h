#pragma once

#include <QList>
#include <QPair>
#include <QPoint>

// How a print preview places its pages, apart from any widget.

// Single pages one under the other, facing pages two by two with page 1 alone
// on the right as in a bound book, or an overview of every page at once.
enum ECmnPreviewPageMode : qint32 {
    CmnPreviewSinglePage = 0,
    CmnPreviewFacingPages = 1,
    CmnPreviewAllPages = 2,
};

// A zoom the user set, or the page fitted to the view's width or whole.
enum ECmnPreviewZoomMode : qint32 {
    CmnPreviewCustomZoom = 0,
    CmnPreviewFitWidth = 1,
    CmnPreviewFitPage = 2,
};

// Where the pages stand: the cell (column, row) of each page in page order,
// with the size of the grid.
struct CCmnPreviewGrid
{
    qint32 m_Columns = 0;
    qint32 m_Rows = 0;
    QList<QPoint> m_Cells;
};

// The overview squares the page count: the root rounded up for portrait pages
// and down for landscape ones (so that wide pages get more rows), made even so
// that facing pages stay side by side. No pages give an empty grid.
CCmnPreviewGrid CmnArrangePreviewPages(ECmnPreviewPageMode mode, qint32 pageCount, bool landscape);

// The page that shows most of itself: starting from the current page with no
// area, each visible page (number, area it shows in the viewport) in turn
// takes over with a larger area, and of two equal areas the lower page wins.
// With no visible page the current page stays.
qint32 CmnMostVisiblePage(qint32 currentPage, const QList<QPair<qint32, qint64>> &visibleAreas);
