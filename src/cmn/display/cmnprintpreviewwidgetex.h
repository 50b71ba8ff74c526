#pragma once

#include "cmnpreviewpages.h"
#include "cmnwidget.h"

#include <QList>

#include <memory>

class CCmnGraphicsScene;
class CCmnPrinter;
class CCmnPrintPreviewGraphicsView;
class CCmnPrintPreviewWidgetPageItem;
class QPicture;
class QPrinter;

// Shows what a printer would print, page by page. To make the pages it asks
// its user to paint them (paintRequested) on a printer that records them as
// pictures, laid out as the given printer lays them out; it shows them one
// under the other, two by two as facing pages, or all at once, fits them to
// the view and follows which page the user has scrolled to. Printing asks for
// the pages once more, on the printer itself.
class CCmnPrintPreviewWidgetEx : public CCmnWidget
{
    Q_OBJECT
public:
    // The printer is not owned and must outlive the widget.
    explicit CCmnPrintPreviewWidgetEx(QPrinter *printer, QWidget *parent = nullptr, Qt::WindowFlags flags = {});
    ~CCmnPrintPreviewWidgetEx() override;

    // Asks for the pages again and shows them.
    void RebuildPreview();
    void SetPageMode(ECmnPreviewPageMode mode);
    ECmnPreviewPageMode PageMode() const { return m_PageMode; }
    // Makes the page current and brings it into view.
    void GoToPage(qint32 page);
    // Fits the current page (both pages when facing, everything in the
    // overview) to the view while fitting is on; a refit first makes the page
    // that shows most of itself current, unless the current page is wholly in
    // view in fit-page mode.
    void FitCurrentPage(bool refit);

    ECmnPreviewZoomMode ZoomMode() const { return m_ZoomMode; }
    void SetZoomMode(ECmnPreviewZoomMode mode) { m_ZoomMode = mode; }
    // 1.0 shows a page at its physical size.
    double ZoomFactor() const { return m_ZoomFactor; }
    void SetZoomFactor(double factor) { m_ZoomFactor = factor; }
    // Whether the zoom follows the view's size.
    bool Fitting() const { return m_Fitting; }
    void SetFitting(bool fitting) { m_Fitting = fitting; }
    void SetInitialized(bool initialized) { m_Initialized = initialized; }
    bool Initialized() const { return m_Initialized; }
    // Names the print job (after the product's name).
    void SetDocumentTitle(const QString &title) { m_DocumentTitle = title; }

    // The pages as print() prints them, painted on a printer that records them
    // for the program to write out itself (as PDF or PostScript).
    std::unique_ptr<CCmnPrinter> RecordPrint();

    qint32 CurrentPage() const { return m_CurrentPage; }
    qint32 PageCount() const { return qint32(m_Pictures.size()); }
    QPrinter *Printer() const { return m_Printer; }
    CCmnPrintPreviewGraphicsView *View() const { return m_View; }
    const QList<CCmnPrintPreviewWidgetPageItem *> &PageItems() const { return m_Pages; }
    // The view's scale times the printer's resolution over the screen's.
    double ViewZoomFactor() const;

    void setVisible(bool visible) override;

Q_SIGNALS:
    void paintRequested(QPrinter *printer);
    // The current page, the page count or the zoom factor may have changed.
    void previewChanged();

public Q_SLOTS:
    void print();
    void Slot_resized_GraphicsView();
    void Slot_valueChanged_ScrollBar();

private:
    void NameTheJob();
    void CreatePageItems();
    void ArrangePages();
    qint32 MostVisiblePage() const;

    CCmnPrintPreviewGraphicsView *m_View;
    CCmnGraphicsScene *m_Scene;
    qint32 m_CurrentPage = 1;
    // The printer that recorded the pictures owns them.
    std::unique_ptr<CCmnPrinter> m_Recorder;
    QList<const QPicture *> m_Pictures;
    QList<CCmnPrintPreviewWidgetPageItem *> m_Pages;
    ECmnPreviewPageMode m_PageMode = CmnPreviewSinglePage;
    ECmnPreviewZoomMode m_ZoomMode = CmnPreviewFitPage;
    double m_ZoomFactor = 1.0;
    QPrinter *m_Printer;
    bool m_Initialized = false;
    bool m_Fitting = true;
    QString m_DocumentTitle;
};
