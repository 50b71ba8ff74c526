#pragma once

#include "cmnpagesetup.h"
#include "cmnscenecontext.h"
#include "cmnscenewidgetparams.h"
#include "cmnprintbuttonmenu.h"
#include "cmntabordialogorpanelorpagemixin.h"
#include "cmnwidget.h"

#include "cmnfilenames.h"

#include <QList>
#include <QRectF>
#include <QSharedPointer>
#include <QSizeF>
#include <QStringList>

#include <array>
#include <memory>

class CCmnComboBox;
class CCmnGraphicsScene;
class CCmnPrinter;
class CCmnPrintPreviewGraphicsView;
class CCmnSceneWidgetControls;
class CCmnToolButton;
class QAbstractButton;
class QButtonGroup;
class QPaintDevice;
class QPrinter;

// One printed page on screen with everything to set it up: printer, paper,
// orientation, margins and zoom. It owns no content: for each context it asks
// its owner for a scene (SignalAllocateScene, answered by SetScene) and lets
// the owner fill it (SignalPopulateScene). Scene units are printer dots, and
// the scene rectangle is the printable page, so what the screen shows is what
// prints.
class CCmnSceneWidget : public CCmnWidget, public CCmnTabOrDialogOrPanelOrPageMixin
{
    Q_OBJECT
public:
    // With a sink the controls go into it for the owner to lay out; without
    // one they are laid out in rows under the view.
    CCmnSceneWidget(const CCmnSceneWidgetParams &params, const CCmnPageSetup &pageSetup,
                    CCmnSceneWidgetControls *controls, QWidget *parent = nullptr);
    ~CCmnSceneWidget() override;

    void SetContentName(const QString &name);
    void SetExportNotice(const QString &html, int messageId);
    QString ExportNotice() const { return m_ExportNotice; }
    int ExportNoticeId() const { return m_NoticeMessageId; }
    QString ContentName() const { return m_ContentName; }
    int NoticeMessageId() const { return m_NoticeMessageId; }

    void SetScene(int contextFlags, const QSharedPointer<CCmnGraphicsScene> &scene);
    bool HasScene(int contextFlags) const;
    QSharedPointer<CCmnGraphicsScene> Scene(int contextFlags) const;

    // Takes the owner's page set-up without rebuilding or telling anyone.
    void SetPageSetup(const CCmnPageSetup &pageSetup);
    const CCmnPageSetup &GetPageSetup() const { return m_PageSetup; }
    // Takes the owner's orientation without rebuilding or telling anyone.
    void SetOrientation(int orientation);
    int GetOrientation() const { return m_Orientation; }

    QRectF GetPageRect() const { return m_PageRect; }
    QRectF GetPaperRect() const { return m_PaperRect; }
    QSizeF GetPrinterResolution() const { return m_PrinterResolution; }
    double Zoom() const { return m_Zoom; }
    int FitMode() const { return m_FitMode; }
    bool FitFlag() const { return m_FitFlag; }

    void RebuildScreenScene();
    void ReleaseScreenScene();

    // A printer laid out for the context from the page set-up; the caller
    // deletes it. Every context gets the same page, so print and export match
    // the screen.
    CCmnPrinter *MakePrinter(int contextFlags);
    // The chosen printer (the system's default when none is chosen) in
    // high-resolution mode, on its own paper; the caller deletes it.
    CCmnPrinter *CreatePrinter();
    void AllocateScene(int contextFlags);

    // Writes the page to a file of one of the types the user picks: PDF,
    // PostScript or an image; the export buttons offer PDF and images.
    void Export(const QList<CCmnFileType> &fileTypes);

    CCmnPrintPreviewGraphicsView *View() const { return m_View; }
    CCmnComboBox *PrinterCombo() const { return m_PrinterCombo; }
    CCmnComboBox *PaperSizeCombo() const { return m_PaperSizeCombo; }
    CCmnComboBox *ZoomBox() const { return m_ZoomBox; }
    QAbstractButton *LandscapeButton() const;
    QAbstractButton *PortraitButton() const;
    QAbstractButton *MarginsButton() const;
    QAbstractButton *FitWidthButton() const;
    QAbstractButton *FitPageButton() const;
    QAbstractButton *ZoomInButton() const;
    QAbstractButton *ZoomOutButton() const;
    // Save, PDF, image, print, preview; null where the option is not set.
    enum EActionButton { SaveButton, PdfButton, ImageButton, PrintButton, PreviewButton, ActionButtonCount };
    QAbstractButton *ActionButton(EActionButton which) const { return m_ActionButtons.at(which); }
    const CCmnPrintButtonMenu &CombinedPrintButton() const { return m_CombinedPrint; }

Q_SIGNALS:
    void SignalAllocateScene(CCmnSceneWidget *widget, ECmnSceneContextFlags context);
    void SignalPopulateScene(CCmnGraphicsScene *scene, ECmnSceneContextFlags context);
    void SignalOrientationChanged();
    void SignalPrintParamsChanged();

public Q_SLOTS:
    void Slot_clicked_Save(bool checked);
    void Slot_clicked_SavePDF(bool checked);
    void Slot_clicked_SaveImg(bool checked);
    void Slot_clicked_Print(bool checked);
    void Slot_clicked_PrintPreview(bool checked);
    void Slot_triggered_Print();
    void Slot_triggered_PrintPreview();
    void Slot_paintRequested_printPreview(QPrinter *printer);
    void Slot_resized_GraphicsView();
    void Slot_clicked_FitWidth(bool checked);
    void Slot_clicked_FitPage(bool checked);
    void Slot_clicked_ZoomIn(bool checked);
    void Slot_clicked_ZoomOut(bool checked);
    void Slot_editingFinished_ZoomFactor();
    void Slot_clicked_Landscape(bool checked);
    void Slot_clicked_Portrait(bool checked);
    void Slot_currentIndexChanged_Printer(int index);
    void Slot_currentIndexChanged_PaperSize(int index);
    void Slot_clicked_Margins(bool checked);

private:
    void Print();
    void PrintPreview();
    // The owner's scene of the output context, made afresh; null without one.
    CCmnGraphicsScene *PopulateScene(ECmnSceneContextFlags context);
    void ReleaseScene(ECmnSceneContextFlags context);
    // Empty when the page reached the printer or its file, else the message;
    // "!" when there is no printer to print on.
    [[nodiscard]] QString PrintScene(QPrinter &printer, CCmnGraphicsScene &scene);
    [[nodiscard]] QString ExportImage(const QString &path, CCmnGraphicsScene &scene);
    void ShowFailure(const QString &message);
    void RegisterWhatsThis();
    QAbstractButton *NewActionButton(int iconText, const QSize &iconSize);
    CCmnToolButton *NewToolButton(int toolTipText, const QSize &iconSize, bool checkable, bool autoRepeat);
    void ApplyFit(bool force);
    void SetZoom(double zoom);
    void ZoomBy(double factor);
    void Fit(int mode, QAbstractButton *other);
    void LoadPrinters();
    int FindPrinterIndex() const;
    void UpdatePrinterCombo();
    void FillPaperSizes();
    void UpdateOrientationButtons();
    void ChooseOrientation(int orientation, bool checked);
    void EnableControls();
    void UpdateZoomText();
    void UpdateActionTexts();
    QString Text(int index) const { return m_Params.Text(index, m_ContentName); }

    CCmnSceneWidgetParams m_Params;
    QString m_DocumentName;
    QString m_ContentName;
    QStringList m_Printers;
    int m_DefaultPrinterIndex = -1;
    CCmnPageSetup m_PageSetup;
    int m_Orientation = 0;
    std::array<QSharedPointer<CCmnGraphicsScene>, 4> m_Scenes;
    std::array<QAbstractButton *, ActionButtonCount> m_ActionButtons{};
    CCmnPrintButtonMenu m_CombinedPrint;
    CCmnPrintPreviewGraphicsView *m_View = nullptr;
    QSizeF m_PrinterResolution;
    double m_ScreenRatio = 1.0;
    QRectF m_PageRect;
    QRectF m_PaperRect;
    int m_FitMode = 2;
    double m_Zoom = 1.0;
    bool m_FitFlag = true;
    CCmnToolButton *m_FitWidthButton = nullptr;
    CCmnToolButton *m_FitPageButton = nullptr;
    CCmnComboBox *m_ZoomBox = nullptr;
    CCmnToolButton *m_ZoomInButton = nullptr;
    CCmnToolButton *m_ZoomOutButton = nullptr;
    CCmnComboBox *m_PrinterCombo = nullptr;
    CCmnComboBox *m_PaperSizeCombo = nullptr;
    QButtonGroup *m_OrientationGroup = nullptr;
    CCmnToolButton *m_LandscapeButton = nullptr;
    CCmnToolButton *m_PortraitButton = nullptr;
    CCmnToolButton *m_MarginsButton = nullptr;
    QString m_ExportNotice;
    int m_NoticeMessageId = 0;
};
