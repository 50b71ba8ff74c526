#include "cmnformboxpropertiespanel.h"

#include "cmnautoormanualctrl.h"
#include "cmnboxlayout.h"
#include "cmncheckbox.h"
#include "cmndataexchange.h"
#include "cmnexchangeflags.h"
#include "cmngridlayoutex.h"
#include "cmngroupbox.h"
#include "cmntabordialogorpanelorpagemixin.h"
#include "cmntextedit.h"
#include "cmnwidgetlayout.h"

#include <QtDebug>

CCmnFormBoxPropertiesPanel::CCmnFormBoxPropertiesPanel(QWidget *parentWidget,
                                                       CCmnTabOrDialogOrPanelOrPageMixin *helpHost)
    : m_ParentWidget(parentWidget)
    , m_HelpHost(helpHost)
    , m_CtrlFlags(CmnAutoOrManualCheckBox | CmnAutoOrManualGroupBox)
    , m_Grid(new CCmnGridLayoutEx)
{
}

CCmnFormBoxPropertiesPanel::~CCmnFormBoxPropertiesPanel()
{
    // A grid never put into a window would take its items with nobody to free them.
    if (m_Grid && !m_Grid->parent())
        delete m_Grid.data();
}

template <typename TCtrl, typename T, typename... TExtra>
void CCmnFormBoxPropertiesPanel::AddCtrl(QPointer<TCtrl> &ctrl, T &edited, bool automatic, const T &current,
                                         const T &defaultValue, const QString &label, const QString &builtInLabel,
                                         const CCmnGridCell &cell, const TExtra &...extra)
{
    edited = current;
    ctrl = new TCtrl(m_ParentWidget);
    Place(ctrl->CreateWidgets(label.isEmpty() ? builtInLabel : label, m_CtrlFlags, &edited, defaultValue, extra...), cell);
    ctrl->RegisterWhatsThis(m_HelpHost, QString());
    ctrl->SetAutomatic(automatic);
}

void CCmnFormBoxPropertiesPanel::AddBorderColorCtrl(bool automatic, const QColor &current,
                                                    const QColor &defaultValue, const QString &label,
                                                    const CCmnGridCell &cell)
{
    AddCtrl(m_BorderColorCtrl, m_BorderColor, automatic, current, defaultValue,
            label, CmnLocaleSpelling(QStringLiteral("Border Color"), QStringLiteral("Border Colour"), m_Locale),
            cell);
}

void CCmnFormBoxPropertiesPanel::AddBorderStyleCtrl(bool automatic, const CCmnFormBoxBorderStyle &current,
                                                    const CCmnFormBoxBorderStyle &defaultValue,
                                                    const QString &label, const CCmnGridCell &cell)
{
    AddCtrl(m_BorderStyleCtrl, m_BorderStyle, automatic, current, defaultValue,
            label, QStringLiteral("Border Style"), cell);
}

void CCmnFormBoxPropertiesPanel::AddFillColorCtrl(bool automatic, const QColor &current, const QColor &defaultValue,
                                                  const QString &label, const CCmnGridCell &cell)
{
    AddCtrl(m_FillColorCtrl, m_FillColor, automatic, current, defaultValue,
            label, CmnLocaleSpelling(QStringLiteral("Fill Color"), QStringLiteral("Fill Colour"), m_Locale),
            cell, m_Locale);
}

void CCmnFormBoxPropertiesPanel::AddFillStyleCtrl(bool automatic, const CCmnFormBoxFillStyle &current,
                                                  const CCmnFormBoxFillStyle &defaultValue, const QString &label,
                                                  const CCmnGridCell &cell)
{
    AddCtrl(m_FillStyleCtrl, m_FillStyle, automatic, current, defaultValue,
            label, QStringLiteral("Fill Style"), cell);
}

void CCmnFormBoxPropertiesPanel::AddPaddingCtrl(bool automatic, const CCmnFormBoxRectExtents &current,
                                                const CCmnFormBoxRectExtents &defaultValue, const QString &label,
                                                const CCmnGridCell &cell)
{
    AddCtrl(m_PaddingCtrl, m_Padding, automatic, current, defaultValue,
            label, QStringLiteral("Padding"), cell);
}

void CCmnFormBoxPropertiesPanel::AddPicturePosCtrl(bool automatic, const CCmnFormBoxPicturePos &current,
                                                   const CCmnFormBoxPicturePos &defaultValue, const QString &label,
                                                   const CCmnGridCell &cell)
{
    AddCtrl(m_PicturePosCtrl, m_PicturePos, automatic, current, defaultValue,
            label, QStringLiteral("Photo Position"), cell, m_Locale);
}

void CCmnFormBoxPropertiesPanel::AddTextAlignCtrl(bool automatic, const CCmnFormBoxTextAlign &current,
                                                  const CCmnFormBoxTextAlign &defaultValue, const QString &label,
                                                  const CCmnGridCell &cell)
{
    AddCtrl(m_TextAlignCtrl, m_TextAlign, automatic, current, defaultValue,
            label, QStringLiteral("Text Alignment"), cell);
}

void CCmnFormBoxPropertiesPanel::AddTextColorCtrl(bool automatic, const QColor &current, const QColor &defaultValue,
                                                  const QString &label, const CCmnGridCell &cell)
{
    AddCtrl(m_TextColorCtrl, m_TextColor, automatic, current, defaultValue,
            label, CmnLocaleSpelling(QStringLiteral("Text Color"), QStringLiteral("Text Colour"), m_Locale),
            cell);
}

void CCmnFormBoxPropertiesPanel::AddTextFaceCtrl(bool automatic, const QString &current, const QString &defaultValue,
                                                 const QString &label, const CCmnGridCell &cell)
{
    AddCtrl(m_TextFaceCtrl, m_TextFace, automatic, current, defaultValue,
            label, QStringLiteral("Font Face"), cell);
}

void CCmnFormBoxPropertiesPanel::AddTextSizeCtrl(bool automatic, const QString &current, const QString &defaultValue,
                                                 const QString &label, const CCmnGridCell &cell)
{
    AddCtrl(m_TextSizeCtrl, m_TextSize, automatic, current, defaultValue,
            label, QStringLiteral("Font Size"), cell);
}

void CCmnFormBoxPropertiesPanel::AddTextScaleCtrl(bool automatic, const double &current, const double &defaultValue,
                                                  const QString &label, const CCmnGridCell &cell)
{
    AddCtrl(m_TextScaleCtrl, m_TextScale, automatic, current, defaultValue,
            label, QStringLiteral("Font Scaling"), cell);
}

void CCmnFormBoxPropertiesPanel::AddSingleExtentCtrl(bool automatic, const CCmnMetric &current,
                                                     const CCmnMetric &defaultValue, const QString &label,
                                                     const CCmnGridCell &cell)
{
    if (label.isEmpty())
        qWarning("CCmnFormBoxPropertiesPanel: a single length was added without a label");
    // A neutral word, never an internal name, until the caller is mended.
    AddCtrl(m_SingleExtentCtrl, m_SingleExtent, automatic, current, defaultValue, label, QStringLiteral("Spacing"),
            cell);
}

void CCmnFormBoxPropertiesPanel::AddPictureCtrl(const QString &title, const CCmnGridCell &cell)
{
    m_PicCtrl = new CCmnPicCtrl(m_ParentWidget, QSize(45, 15));
    m_PicCtrl->RegisterWhatsThis(m_HelpHost, QStringLiteral("PicCtrl"));
    ApplyStretches(Place(CmnNewGroupBox(CCmnLayoutItem::Layout(m_PicCtrl->Layout()), title), cell));
}

void CCmnFormBoxPropertiesPanel::AddTextCtrl(const QString &title, int minimumLines, bool withHtml,
                                             const CCmnGridCell &cell)
{
    m_TextEdit = new CCmnTextEdit;
    m_TextEdit->setAcceptRichText(false);
    SetWidgetHelpName(m_HelpHost, m_TextEdit, QStringLiteral("TextCtrlText"));
    if (minimumLines > 0)
        CmnSetMinimumHeightInLines(m_TextEdit, minimumLines);
    if (withHtml) {
        m_HtmlCheckBox = new CCmnCheckBox(QStringLiteral("HTML"));
        SetWidgetHelpName(m_HelpHost, m_HtmlCheckBox, QStringLiteral("TextCtrlHTML"));
    }

    CCmnLayoutItem item = m_TextEdit.data();
    if (!title.isEmpty()) {
        item = CmnNewGroupBox(CCmnLayoutItem::Layout(CmnBoxLayout(CmnBoxLayoutVertical, CCmnLayoutItem::Modifier(1),
                                                                  m_TextEdit.data(), m_HtmlCheckBox.data())),
                              title);
    } else if (m_HtmlCheckBox) {
        item = CCmnLayoutItem::Layout(
            CmnBoxLayout(CmnBoxLayoutVertical | CmnBoxLayoutNoMargins, m_TextEdit.data(), m_HtmlCheckBox.data()));
    }
    const CCmnGridCell placed = Place(item, cell);
    ApplyStretches(placed);
    m_Grid->setRowStretch(placed.m_Row, 1);
}

CCmnGridCell CCmnFormBoxPropertiesPanel::Place(const CCmnLayoutItem &item, const CCmnGridCell &cell)
{
    CCmnGridCell placed = cell;
    if (placed.m_Row < 0 || placed.m_Column < 0)
        m_Grid->NextFreeCell(placed.m_Row, placed.m_Column);
    if (item.m_Widget)
        m_Grid->AddWidget(item.m_Widget, placed.m_Row, placed.m_Column, placed.m_RowSpan, placed.m_ColumnSpan,
                          placed.m_Alignment);
    else
        m_Grid->AddLayout(item.m_Layout, placed.m_Row, placed.m_Column, placed.m_RowSpan, placed.m_ColumnSpan,
                          placed.m_Alignment);
    return placed;
}

void CCmnFormBoxPropertiesPanel::ApplyStretches(const CCmnGridCell &cell)
{
    if (cell.m_RowStretch > 0)
        CmnSetRowStretches(m_Grid, cell.m_Row, cell.m_RowSpan, cell.m_RowStretch);
    if (cell.m_ColumnStretch > 0)
        CmnSetColumnStretches(m_Grid, cell.m_Column, cell.m_ColumnSpan, cell.m_ColumnStretch);
}

QList<CCmnAutoOrManualCtrl *> CCmnFormBoxPropertiesPanel::Ctrls() const
{
    const QList<CCmnAutoOrManualCtrl *> all{
        m_BorderColorCtrl, m_BorderStyleCtrl, m_FillColorCtrl, m_FillStyleCtrl,  m_PaddingCtrl,   m_PicturePosCtrl,
        m_TextAlignCtrl,   m_TextColorCtrl,   m_TextFaceCtrl,  m_TextSizeCtrl,   m_TextScaleCtrl, m_SingleExtentCtrl};
    QList<CCmnAutoOrManualCtrl *> added;
    for (CCmnAutoOrManualCtrl *ctrl : all) {
        if (ctrl)
            added.append(ctrl);
    }
    return added;
}

bool CCmnFormBoxPropertiesPanel::IsAutomatic(const CCmnAutoOrManualCtrl *ctrl)
{
    return ctrl && ctrl->IsAutomatic();
}

bool CCmnFormBoxPropertiesPanel::IsBorderColorAutomatic() const { return IsAutomatic(m_BorderColorCtrl); }
bool CCmnFormBoxPropertiesPanel::IsBorderStyleAutomatic() const { return IsAutomatic(m_BorderStyleCtrl); }
bool CCmnFormBoxPropertiesPanel::IsFillColorAutomatic() const { return IsAutomatic(m_FillColorCtrl); }
bool CCmnFormBoxPropertiesPanel::IsFillStyleAutomatic() const { return IsAutomatic(m_FillStyleCtrl); }
bool CCmnFormBoxPropertiesPanel::IsPaddingAutomatic() const { return IsAutomatic(m_PaddingCtrl); }
bool CCmnFormBoxPropertiesPanel::IsPicturePosAutomatic() const { return IsAutomatic(m_PicturePosCtrl); }
bool CCmnFormBoxPropertiesPanel::IsTextAlignAutomatic() const { return IsAutomatic(m_TextAlignCtrl); }
bool CCmnFormBoxPropertiesPanel::IsTextColorAutomatic() const { return IsAutomatic(m_TextColorCtrl); }
bool CCmnFormBoxPropertiesPanel::IsTextFaceAutomatic() const { return IsAutomatic(m_TextFaceCtrl); }
bool CCmnFormBoxPropertiesPanel::IsTextSizeAutomatic() const { return IsAutomatic(m_TextSizeCtrl); }
bool CCmnFormBoxPropertiesPanel::IsTextScaleAutomatic() const { return IsAutomatic(m_TextScaleCtrl); }
bool CCmnFormBoxPropertiesPanel::IsSingleExtentAutomatic() const { return IsAutomatic(m_SingleExtentCtrl); }

bool CCmnFormBoxPropertiesPanel::HasPicture() const
{
    return m_PicCtrl && m_PicCtrl->EmptyAtLoad() && m_PicCtrl->PictureAtSave();
}

bool CCmnFormBoxPropertiesPanel::DataExchange(CCmnDataExchange *context)
{
    if (m_PicCtrl && !m_PicCtrl->ExchangePicture(context, &m_Picture))
        return false;
    if (m_TextEdit && !context->ExchangeTextEdit(&m_Text, m_TextEdit, CmnExchangeTrim))
        return false;
    if (m_HtmlCheckBox && !context->ExchangeCheckBox(&m_Html, m_HtmlCheckBox))
        return false;
    for (CCmnAutoOrManualCtrl *ctrl : Ctrls()) {
        if (!ctrl->DataExchange(context))
            return false;
    }
    return true;
}

void CCmnFormBoxPropertiesPanel::UpdateCtrls()
{
    for (CCmnAutoOrManualCtrl *ctrl : Ctrls())
        ctrl->MarkLoaded();
}
