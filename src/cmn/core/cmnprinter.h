#pragma once

#include <QList>
#include <QPrinter>

#include <memory>

class CCmnPageRecordingEngine;
class QPainter;
class QPicture;
class QPointF;

// The framework's printer: every printer the program lays pages out on, prints
// to or exports through is one of these, so that they share one type.
//
// A recording printer stands in for another one: it takes every setting and
// metric from its target, so pages come out laid out exactly as the target
// would print them, but it keeps each page as a picture instead of printing
// it. The toolkit's own printer cannot be switched into such a mode and back
// without losing its engines, hence a printer of its own for it.
class CCmnPrinter : public QPrinter
{
public:
    // Why pages are recorded: to be shown in a preview, or to be written out
    // by the program itself (as PDF or PostScript) like a printed copy.
    enum ERecording { RecordPreview, RecordOutput };

    explicit CCmnPrinter(QPrinter::PrinterMode mode = QPrinter::ScreenResolution);
    // A recording printer for the target, which must outlive it.
    CCmnPrinter(QPrinter &target, ERecording purpose);
    ~CCmnPrinter() override;
    CCmnPrinter(const CCmnPrinter &) = delete;
    CCmnPrinter &operator=(const CCmnPrinter &) = delete;

    // Whether what is painted now is for a preview, so that a painter can draw
    // a preview's own content.
    bool IsPreviewMode() const;
    // The pages recorded by the last painting, in order; empty for a printer
    // that does not record. They live as long as this printer.
    QList<const QPicture *> RecordedPages() const;

private:
    std::unique_ptr<CCmnPageRecordingEngine> m_Recorder;
    ERecording m_Purpose = RecordOutput;
};

// Whether the printer records pages for a preview (only the framework's
// recording printers do).
bool CmnIsPreviewPrinter(const QPrinter *printer);

// Draws a recorded page with its origin at the point, in the painter's
// coordinates. A picture plays itself larger on a device of more dots per
// inch than its own, but recorded pages are already in the printer's dots.
void CmnDrawRecordedPage(QPainter &painter, const QPointF &origin, const QPicture &page);

// Names the product as the creator of what the printer makes, the same name the
// toolkit knows as the application name. Every printer the program sets up for
// printing or for PDF and PostScript export passes through here.
void CmnSetPrinterCreator(QPrinter &printer);
