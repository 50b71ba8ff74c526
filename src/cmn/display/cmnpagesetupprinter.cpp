#include "cmnpagesetupprinter.h"

#include "cmnpagesetup.h"
#include "cmnpapersizes.h"
#include "cmntext.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>

#include <algorithm>

namespace {

// Inches when every margin was given in inches, else millimetres, so that a
// length comes through in its own unit wherever that is possible.
QPageLayout::Unit LayoutUnit(const CCmnPrintMargins &margins)
{
    for (const CCmnMetric *margin : {&margins.m_Left, &margins.m_Top, &margins.m_Right, &margins.m_Bottom}) {
        if (margin->Unit() != CmnLengthUnitInches)
            return QPageLayout::Millimeter;
    }
    return QPageLayout::Inch;
}

double InUnit(const CCmnMetric &metric, QPageLayout::Unit unit)
{
    const qint32 to = unit == QPageLayout::Inch ? CmnLengthUnitInches : CmnLengthUnitMillimeters;
    return std::max(0.0, CmnConvertLength(metric.Length(), metric.Unit(), to));
}

} // namespace

void CmnApplyPageSetupToPrinter(QPrinter &printer, const CCmnPageSetup &setup, int orientation)
{
    if (!setup.m_UseDefaultPaper) {
        const QPageSize::PageSizeId id = CmnPaperSizeToPageSizeId(qint32(setup.m_PaperSize));
        if (id != QPageSize::Custom)
            (void)printer.setPageSize(QPageSize(id));
    }
    printer.setPageOrientation(orientation == 1 ? QPageLayout::Landscape : QPageLayout::Portrait);

    const CCmnPrintMargins &margins = setup.m_Margins;
    if (margins.m_FullPage) {
        printer.setFullPage(true);
        return;
    }
    if (margins.m_UsePrinterDefaultMargins)
        return;

    const QPageLayout::Unit unit = LayoutUnit(margins);
    QMarginsF wanted(InUnit(margins.m_Left, unit), InUnit(margins.m_Top, unit), InUnit(margins.m_Right, unit),
                     InUnit(margins.m_Bottom, unit));
    if (printer.setPageMargins(wanted, unit))
        return;
    // The layout refuses margins the printer cannot print in: move them out to
    // its limits. Margins that leave no page at all keep the printer's own.
    QPageLayout layout = printer.pageLayout();
    layout.setUnits(unit);
    const QMarginsF minimum = layout.minimumMargins();
    const QRectF sheet = layout.fullRect(unit);
    wanted = QMarginsF(std::max(wanted.left(), minimum.left()), std::max(wanted.top(), minimum.top()),
                       std::max(wanted.right(), minimum.right()), std::max(wanted.bottom(), minimum.bottom()));
    if (wanted.left() + wanted.right() < sheet.width() && wanted.top() + wanted.bottom() < sheet.height())
        (void)printer.setPageMargins(wanted, unit);
}

void CmnPrinterPageAndPaperRects(const QPrinter &printer, QRectF *page, QRectF *paper)
{
    const QRectF pageRect = printer.pageRect(QPrinter::DevicePixel);
    const QRectF paperRect = printer.paperRect(QPrinter::DevicePixel);
    if (page)
        *page = QRectF(0, 0, pageRect.width(), pageRect.height());
    if (paper)
        *paper = QRectF(paperRect.left() - pageRect.left(), paperRect.top() - pageRect.top(), paperRect.width(),
                        paperRect.height());
}
