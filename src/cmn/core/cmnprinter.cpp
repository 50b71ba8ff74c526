#include "cmnprinter.h"

#include "cmnappdescriptor.h"
#include "cmnpagerecordingengine.h"

#include <QPainter>
#include <QPicture>

CCmnPrinter::CCmnPrinter(QPrinter::PrinterMode mode)
    : QPrinter(mode)
{
}

CCmnPrinter::CCmnPrinter(QPrinter &target, ERecording purpose)
    : QPrinter(QPrinter::ScreenResolution)
    , m_Recorder(std::make_unique<CCmnPageRecordingEngine>(target))
    , m_Purpose(purpose)
{
    // The toolkit deletes the engines it made for this printer here; the
    // recorder's are ours and outlive every use the toolkit makes of them.
    setEngines(m_Recorder.get(), m_Recorder.get());
}

CCmnPrinter::~CCmnPrinter() = default;

bool CCmnPrinter::IsPreviewMode() const
{
    return m_Recorder && m_Purpose == RecordPreview;
}

QList<const QPicture *> CCmnPrinter::RecordedPages() const
{
    return m_Recorder ? m_Recorder->Pages() : QList<const QPicture *>();
}

bool CmnIsPreviewPrinter(const QPrinter *printer)
{
    const auto *ours = dynamic_cast<const CCmnPrinter *>(printer);
    return ours && ours->IsPreviewMode();
}

void CmnDrawRecordedPage(QPainter &painter, const QPointF &origin, const QPicture &page)
{
    const QPaintDevice *device = painter.device();
    painter.save();
    painter.translate(origin);
    painter.scale(double(page.logicalDpiX()) / device->logicalDpiX(), double(page.logicalDpiY()) / device->logicalDpiY());
    painter.drawPicture(0, 0, page);
    painter.restore();
}

void CmnSetPrinterCreator(QPrinter &printer)
{
    printer.setCreator(CmnGetAppDescriptor().m_ProductDisplayName);
}
