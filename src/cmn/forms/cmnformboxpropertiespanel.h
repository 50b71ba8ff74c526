#pragma once

#include "cmnformboxpropbordercolorctrl.h"
#include "cmnformboxpropborderstylectrl.h"
#include "cmnformboxpropfillcolorctrl.h"
#include "cmnformboxpropfillstylectrl.h"
#include "cmnformboxproppicposctrl.h"
#include "cmnformboxproprectmetricsctrl.h"
#include "cmnformboxpropsinglemetricctrl.h"
#include "cmnformboxproptextalignctrl.h"
#include "cmnformboxproptextcolorctrl.h"
#include "cmnformboxproptextfacectrl.h"
#include "cmnformboxproptextscalectrl.h"
#include "cmnformboxproptextsizectrl.h"
#include "cmncheckbox.h"
#include "cmngridcell.h"
#include "cmngridlayoutex.h"
#include "cmnpicctrl.h"
#include "cmntextedit.h"
#include "cmnmetric.h"
#include "cmnpicture.h"
#include "cmnsystemlocale.h"

#include <QColor>
#include <QList>
#include <QPointer>
#include <QString>

class CCmnAutoOrManualCtrl;
class CCmnDataExchange;
class CCmnLayoutItem;
class CCmnPicCtrl;
class CCmnTabOrDialogOrPanelOrPageMixin;
class QWidget;

// What a box properties dialog or tab edits: a box's picture, its text and any
// chosen set of its properties, each with an "Automatic" choice. The owner adds
// the controls it wants, in the order they are placed, runs the host, and reads
// the edited values and automatic flags afterwards. The controls and widgets
// belong to the host's widget tree.
class CCmnFormBoxPropertiesPanel
{
public:
    // The parent widget parents the controls; the help host attaches their What's
    // This texts, so its help page must be set before controls are added.
    CCmnFormBoxPropertiesPanel(QWidget *parentWidget, CCmnTabOrDialogOrPanelOrPageMixin *helpHost);
    ~CCmnFormBoxPropertiesPanel();
    CCmnFormBoxPropertiesPanel(const CCmnFormBoxPropertiesPanel &) = delete;
    CCmnFormBoxPropertiesPanel &operator=(const CCmnFormBoxPropertiesPanel &) = delete;

    // The spelling of the built-in labels and of the controls' texts; the system
    // locale unless set before the controls are added.
    void SetLocale(const QLocale &locale) { m_Locale = locale; }

    // Each copies the current value into the edited one and adds its control at the
    // cell, showing the default while automatic. An empty label takes the
    // control's built-in label.
    void AddBorderColorCtrl(bool automatic, const QColor &current, const QColor &defaultValue,
                            const QString &label = {}, const CCmnGridCell &cell = {});
    void AddBorderStyleCtrl(bool automatic, const CCmnFormBoxBorderStyle &current,
                            const CCmnFormBoxBorderStyle &defaultValue, const QString &label = {},
                            const CCmnGridCell &cell = {});
    void AddFillColorCtrl(bool automatic, const QColor &current, const QColor &defaultValue,
                          const QString &label = {}, const CCmnGridCell &cell = {});
    void AddFillStyleCtrl(bool automatic, const CCmnFormBoxFillStyle &current, const CCmnFormBoxFillStyle &defaultValue,
                          const QString &label = {}, const CCmnGridCell &cell = {});
    void AddPaddingCtrl(bool automatic, const CCmnFormBoxRectExtents &current,
                        const CCmnFormBoxRectExtents &defaultValue, const QString &label = {},
                        const CCmnGridCell &cell = {});
    void AddPicturePosCtrl(bool automatic, const CCmnFormBoxPicturePos &current,
                           const CCmnFormBoxPicturePos &defaultValue, const QString &label = {},
                           const CCmnGridCell &cell = {});
    void AddTextAlignCtrl(bool automatic, const CCmnFormBoxTextAlign &current, const CCmnFormBoxTextAlign &defaultValue,
                          const QString &label = {}, const CCmnGridCell &cell = {});
    void AddTextColorCtrl(bool automatic, const QColor &current, const QColor &defaultValue,
                          const QString &label = {}, const CCmnGridCell &cell = {});
    // Font descriptor texts.
    void AddTextFaceCtrl(bool automatic, const QString &current, const QString &defaultValue,
                         const QString &label = {}, const CCmnGridCell &cell = {});
    void AddTextSizeCtrl(bool automatic, const QString &current, const QString &defaultValue,
                         const QString &label = {}, const CCmnGridCell &cell = {});
    void AddTextScaleCtrl(bool automatic, const double &current, const double &defaultValue,
                          const QString &label = {}, const CCmnGridCell &cell = {});
    // A length has no meaning of its own, so the caller names it ("Box Gap"). An
    // empty label is a programming error: it is reported as a warning and a
    // neutral label is shown.
    void AddSingleExtentCtrl(bool automatic, const CCmnMetric &current, const CCmnMetric &defaultValue,
                             const QString &label, const CCmnGridCell &cell = {});

    // A picture control in a group box with the title.
    void AddPictureCtrl(const QString &title, const CCmnGridCell &cell);
    // A plain text editor at least the given number of lines high (none for 0),
    // optionally with an "HTML" check box below; in a group box when titled. The
    // cell's row always stretches.
    void AddTextCtrl(const QString &title, int minimumLines, bool withHtml, const CCmnGridCell &cell);

    // True when the control was added and is set to automatic.
    bool IsBorderColorAutomatic() const;
    bool IsBorderStyleAutomatic() const;
    bool IsFillColorAutomatic() const;
    bool IsFillStyleAutomatic() const;
    bool IsPaddingAutomatic() const;
    bool IsPicturePosAutomatic() const;
    bool IsTextAlignAutomatic() const;
    bool IsTextColorAutomatic() const;
    bool IsTextFaceAutomatic() const;
    bool IsTextSizeAutomatic() const;
    bool IsTextScaleAutomatic() const;
    bool IsSingleExtentAutomatic() const;
    // The box was shown without a picture and now has one.
    bool HasPicture() const;

    // Picture, text and HTML flag, then every added control in a fixed order;
    // false at the first refusal. The text comes back trimmed.
    bool DataExchange(CCmnDataExchange *context);
    // Marks every added control as shown: from then on switching between automatic
    // and manual moves the values through the widgets.
    void UpdateCtrls();

    CCmnGridLayoutEx *Grid() const { return m_Grid; }
    CCmnPicCtrl *PicCtrl() const { return m_PicCtrl; }
    CCmnTextEdit *TextEdit() const { return m_TextEdit; }
    CCmnCheckBox *HtmlCheckBox() const { return m_HtmlCheckBox; }
    CCmnFormBoxPropBordercolorCtrl *BorderColorCtrl() const { return m_BorderColorCtrl; }
    CCmnFormBoxPropBorderstyleCtrl *BorderStyleCtrl() const { return m_BorderStyleCtrl; }
    CCmnFormBoxPropFillcolorCtrl *FillColorCtrl() const { return m_FillColorCtrl; }
    CCmnFormBoxPropFillstyleCtrl *FillStyleCtrl() const { return m_FillStyleCtrl; }
    CCmnFormBoxPropRectmetricsCtrl *PaddingCtrl() const { return m_PaddingCtrl; }
    CCmnFormBoxPropPicposCtrl *PicturePosCtrl() const { return m_PicturePosCtrl; }
    CCmnFormBoxPropTextalignCtrl *TextAlignCtrl() const { return m_TextAlignCtrl; }
    CCmnFormBoxPropTextcolorCtrl *TextColorCtrl() const { return m_TextColorCtrl; }
    CCmnFormBoxPropTextfaceCtrl *TextFaceCtrl() const { return m_TextFaceCtrl; }
    CCmnFormBoxPropTextsizeCtrl *TextSizeCtrl() const { return m_TextSizeCtrl; }
    CCmnFormBoxPropTextscaleCtrl *TextScaleCtrl() const { return m_TextScaleCtrl; }
    CCmnFormBoxPropSinglemetricCtrl *SingleExtentCtrl() const { return m_SingleExtentCtrl; }

    // The edited values, read by the owner after the host was accepted.
    CCmnPicture m_Picture;
    QString m_Text;
    bool m_Html = false;
    QColor m_BorderColor = Qt::black;
    CCmnFormBoxBorderStyle m_BorderStyle;
    QColor m_FillColor = Qt::transparent;
    CCmnFormBoxFillStyle m_FillStyle;
    CCmnFormBoxRectExtents m_Padding;
    CCmnFormBoxPicturePos m_PicturePos;
    CCmnFormBoxTextAlign m_TextAlign;
    QColor m_TextColor = Qt::black;
    QString m_TextFace;
    QString m_TextSize;
    double m_TextScale = 0.0;
    CCmnMetric m_SingleExtent;

private:
    template <typename TCtrl, typename T, typename... TExtra>
    void AddCtrl(QPointer<TCtrl> &ctrl, T &edited, bool automatic, const T &current, const T &defaultValue,
                 const QString &label, const QString &builtInLabel, const CCmnGridCell &cell,
                 const TExtra &...extra);
    // Places the item at the cell (the next free one for a negative row or column)
    // and returns the cell it took.
    CCmnGridCell Place(const CCmnLayoutItem &item, const CCmnGridCell &cell);
    void ApplyStretches(const CCmnGridCell &cell);
    // Every added control in exchange order.
    QList<CCmnAutoOrManualCtrl *> Ctrls() const;
    static bool IsAutomatic(const CCmnAutoOrManualCtrl *ctrl);

    QWidget *m_ParentWidget;
    CCmnTabOrDialogOrPanelOrPageMixin *m_HelpHost;
    QLocale m_Locale = CmnSystemLocale();
    qint32 m_CtrlFlags;
    // The host's once placed; the panel may outlive the host.
    QPointer<CCmnGridLayoutEx> m_Grid;
    QPointer<CCmnPicCtrl> m_PicCtrl;
    QPointer<CCmnTextEdit> m_TextEdit;
    QPointer<CCmnCheckBox> m_HtmlCheckBox;
    QPointer<CCmnFormBoxPropBordercolorCtrl> m_BorderColorCtrl;
    QPointer<CCmnFormBoxPropBorderstyleCtrl> m_BorderStyleCtrl;
    QPointer<CCmnFormBoxPropFillcolorCtrl> m_FillColorCtrl;
    QPointer<CCmnFormBoxPropFillstyleCtrl> m_FillStyleCtrl;
    QPointer<CCmnFormBoxPropRectmetricsCtrl> m_PaddingCtrl;
    QPointer<CCmnFormBoxPropPicposCtrl> m_PicturePosCtrl;
    QPointer<CCmnFormBoxPropTextalignCtrl> m_TextAlignCtrl;
    QPointer<CCmnFormBoxPropTextcolorCtrl> m_TextColorCtrl;
    QPointer<CCmnFormBoxPropTextfaceCtrl> m_TextFaceCtrl;
    QPointer<CCmnFormBoxPropTextsizeCtrl> m_TextSizeCtrl;
    QPointer<CCmnFormBoxPropTextscaleCtrl> m_TextScaleCtrl;
    QPointer<CCmnFormBoxPropSinglemetricCtrl> m_SingleExtentCtrl;
};
