#pragma once

#include "cmndialog.h"

#include <QMainWindow>

#include <array>
#include <memory>

class CCmnComboBox;
class CCmnLabel;
class CCmnLineEdit;
class CCmnPrinter;
class CCmnPrintPreviewWidgetEx;
class CCmnToolBar;
class QAction;
class QActionGroup;
class QPrinter;
class QTextDocument;

// The option bits of the print preview dialog.
enum ECmnPrintPreviewOptions : qint32 {
    CmnPrintPreviewNavigation = 0x01,
    CmnPrintPreviewOrientation = 0x02,
    CmnPrintPreviewPageSetup = 0x04,
    CmnPrintPreviewPageModes = 0x08,
    // Print asks with the page scene's simple print dialog.
    CmnPrintPreviewSimplePrintDialog = 0x10,
};

// Holds the preview's tool bar and, in the middle, the preview itself; it has
// no menu of tool bars to offer.
class CCmnPrintPreviewMainWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit CCmnPrintPreviewMainWindow(QWidget *parent);

    QMenu *createPopupMenu() override;
};

// The print preview: the pages a printer would print, with a tool bar to fit,
// zoom and page through them, to show them one at a time, facing or all at
// once, to turn the paper, to set the page up and to print. Whatever is
// previewed is painted by the dialog's user on paintRequested, once for the
// preview and once more when printing.
class CCmnPrintPreviewDialogEx : public CCmnDialog
{
    Q_OBJECT
public:
    enum EAction {
        NextPageAction,
        PreviousPageAction,
        FirstPageAction,
        LastPageAction,
        FitWidthAction,
        FitPageAction,
        ZoomInAction,
        ZoomOutAction,
        PortraitAction,
        LandscapeAction,
        SinglePageAction,
        FacingPagesAction,
        AllPagesAction,
        PrintAction,
        PageSetupAction,
        ActionCount
    };

    // Without a printer the dialog makes one at screen resolution and owns it.
    CCmnPrintPreviewDialogEx(qint32 options, QPrinter *printer, QWidget *parent = nullptr,
                             Qt::WindowFlags flags = {});
    ~CCmnPrintPreviewDialogEx() override;

    // Names the print job.
    void SetDocumentTitle(const QString &title);
    // Previews (and prints) the document; the dialog does not own it.
    void SetTextDocument(QTextDocument *document);

    void setVisible(bool visible) override;

    CCmnPrintPreviewWidgetEx *PreviewWidget() const { return m_Preview; }
    QPrinter *Printer() const { return m_Printer; }
    // Null where the dialog's options leave the action out.
    QAction *Action(EAction which) const { return m_Actions.at(which); }
    CCmnComboBox *ZoomBox() const { return m_ZoomBox; }
    CCmnLineEdit *PageNumberEdit() const { return m_PageNumberEdit; }
    CCmnLabel *PageCountLabel() const { return m_PageCountLabel; }
    CCmnToolBar *ToolBar() const { return m_ToolBar; }

Q_SIGNALS:
    void paintRequested(QPrinter *printer);

public Q_SLOTS:
    void Slot_triggered_FitGroup(QAction *action);
    void Slot_clicked_ZoomIn();
    void Slot_clicked_ZoomOut();
    void Slot_triggered_NavGroup(QAction *action);
    void Slot_triggered_ModeGroup(QAction *action);
    void Slot_editingFinished_PageNum();
    void Slot_triggered_PrinterPrint();
    void Slot_triggered_PrinterPageSetup();
    void Slot_previewChanged_PreviewWidget();
    void Slot_editingFinished_ZoomFactor();
    void Slot_triggered_OrientationPortrait(bool checked);
    void Slot_triggered_OrientationLandscape(bool checked);
    void Slot_paintRequested_printPreviewTextDocument(QPrinter *printer);

private:
    QAction *NewAction(EAction which, QActionGroup *group, const QString &text, const char *icon, bool checkable);
    void BuildToolBar();
    void SetFitChecked(bool on);
    void ZoomBy(double factor);
    void EnableNavigation(bool enabled);
    void UpdateNavigation();
    void UpdatePageCount();
    void UpdateZoomText();
    void SetOrientation(bool landscape);
    void PrintToFile(bool postScript);
    // The pages as PDF or PostScript, or a message naming the file; true when
    // written.
    bool WriteFile(const QString &path, bool postScript);

    qint32 m_Options;
    std::unique_ptr<CCmnPrinter> m_OwnPrinter;
    QPrinter *m_Printer;
    CCmnPrintPreviewWidgetEx *m_Preview = nullptr;
    bool m_FirstShow = true;
    QTextDocument *m_Document = nullptr;
    std::array<QAction *, ActionCount> m_Actions{};
    QActionGroup *m_NavGroup = nullptr;
    QActionGroup *m_FitGroup = nullptr;
    QActionGroup *m_ZoomGroup = nullptr;
    QActionGroup *m_OrientationGroup = nullptr;
    QActionGroup *m_ModeGroup = nullptr;
    QActionGroup *m_PrinterGroup = nullptr;
    CCmnLineEdit *m_PageNumberEdit = nullptr;
    CCmnLabel *m_PageCountLabel = nullptr;
    QWidget *m_PageNumberWidget = nullptr;
    CCmnComboBox *m_ZoomBox = nullptr;
    CCmnPrintPreviewMainWindow *m_MainWindow = nullptr;
    CCmnToolBar *m_ToolBar = nullptr;
};
