#include "cmnhighlightdialog.h"

#include "cmnboxlayout.h"
#include "cmncheckbox.h"
#include "cmncolorbutton.h"
#include "cmncolorchoices.h"
#include "cmncombobox.h"
#include "cmncontrolfactory.h"
#include "cmndataexchange.h"
#include "cmnexchangeflags.h"
#include "cmnhighlighteditorflags.h"
#include "cmnhighlightsamplewidget.h"
#include "cmnlabel.h"
#include "cmnpixmapbutton.h"
#include "cmnpixmapchoices.h"
#include "cmnsystemlocale.h"

#include <QBoxLayout>
#include <QGridLayout>

CCmnHighlightDialog::CCmnHighlightDialog(qint32 flags, const QString &sampleText, QWidget *parent)
    : CCmnDialogEx(parent)
    , m_Flags(flags)
    , m_SampleText(sampleText.isEmpty() ? tr("Sample") : sampleText)
{
    setWindowTitle(tr("Highlighting"));
    SetHelpPage(QStringLiteral("CCmnHighlightDialog.html"));

    const QString colourWord = CmnColourWord().toLower();
    auto *grid = new QGridLayout;
    int row = 0;
    const auto addRow = [&](CCmnLabel *label, QWidget *editor, QLayout *editorLayout) {
        label->setBuddy(editor);
        grid->addWidget(label, row, 0);
        if (editorLayout)
            grid->addLayout(editorLayout, row, 1);
        else
            grid->addWidget(editor, row, 1);
        ++row;
    };

    if (!(flags & CmnHighlightNoTextStyle)) {
        m_TextStyleLabel = new CCmnLabel(tr("Text style:"));
        m_BoldCheckBox = new CCmnCheckBox(tr("Bold"));
        m_ItalicCheckBox = new CCmnCheckBox(tr("Italic"));
        m_UnderlineCheckBox = new CCmnCheckBox(tr("Underline"));
        connect(m_BoldCheckBox, &QCheckBox::stateChanged, this, &CCmnHighlightDialog::Slot_stateChanged_CheckBox_Bold);
        connect(m_ItalicCheckBox, &QCheckBox::stateChanged, this,
                &CCmnHighlightDialog::Slot_stateChanged_CheckBox_Italic);
        connect(m_UnderlineCheckBox, &QCheckBox::stateChanged, this,
                &CCmnHighlightDialog::Slot_stateChanged_CheckBox_Underline);
        QBoxLayout *styleRow = CmnBoxLayoutFromWidgets(CmnBoxLayoutHorizontal | CmnBoxLayoutStretch,
                                                       {m_BoldCheckBox, m_ItalicCheckBox, m_UnderlineCheckBox});
        addRow(m_TextStyleLabel, m_BoldCheckBox, styleRow);
        for (QWidget *box : {m_BoldCheckBox, m_ItalicCheckBox, m_UnderlineCheckBox})
            SetWidgetHelpName(this, box, QStringLiteral("TextStyle"));
    }

    if (!(flags & CmnHighlightNoTextColor)) {
        m_TextColorLabel = new CCmnLabel(tr("Text %1:").arg(colourWord));
        m_TextColorButton = new CCmnColorButton(CmnGetBasicColors(), CCmnColorButton::kHasDefaultEntry, QString());
        connect(m_TextColorButton, &CCmnColorButton::valueChanged, this,
                &CCmnHighlightDialog::Slot_valueChanged_ColorButton_TextColor);
        addRow(m_TextColorLabel, m_TextColorButton, nullptr);
        SetWidgetHelpName(this, m_TextColorButton, QStringLiteral("TextColor"));
    }

    if (!(flags & CmnHighlightNoHatch)) {
        m_HatchStyleLabel = new CCmnLabel(tr("Hatch style:"));
        m_HatchStyleComboBox = CmnNewBrushStyleComboBox(nullptr);
        connect(m_HatchStyleComboBox, &QComboBox::currentIndexChanged, this,
                &CCmnHighlightDialog::Slot_currentIndexChanged_ComboBox_HatchStyle);
        addRow(m_HatchStyleLabel, m_HatchStyleComboBox, nullptr);
        SetWidgetHelpName(this, m_HatchStyleComboBox, QStringLiteral("HatchStyle"));

        m_HatchColorLabel = new CCmnLabel(tr("Hatch %1:").arg(colourWord));
        m_HatchColorButton =
            new CCmnColorButton(CmnGetPaleAndBasicColors(), CCmnColorButton::kHasDefaultEntry, QString());
        connect(m_HatchColorButton, &CCmnColorButton::valueChanged, this,
                &CCmnHighlightDialog::Slot_valueChanged_ColorButton_HatchColor);
        addRow(m_HatchColorLabel, m_HatchColorButton, nullptr);
        SetWidgetHelpName(this, m_HatchColorButton, QStringLiteral("HatchColor"));
    }

    if (!(flags & CmnHighlightNoDecoration)) {
        m_DecorationLabel = new CCmnLabel(tr("Decoration:"));
        m_DecorationButton =
            new CCmnPixmapButton(CmnGetPixmapChoices(), CCmnPixmapButton::kHasDefaultEntry, QString());
        connect(m_DecorationButton, &CCmnPixmapButton::valueChanged, this,
                &CCmnHighlightDialog::Slot_valueChanged_PixmapButton_Decoration);
        addRow(m_DecorationLabel, m_DecorationButton, nullptr);
        SetWidgetHelpName(this, m_DecorationButton, QStringLiteral("Decoration"));
    }

    if (!(flags & CmnHighlightNoSample)) {
        m_SampleWidget = new CCmnHighlightSampleWidget(flags & CmnHighlightDecorationFirst, m_SampleText);
        grid->addWidget(m_SampleWidget, row, 0, 1, 2);
        SetWidgetHelpName(this, m_SampleWidget, QStringLiteral("Sample"));
    }

    MainLayout()->addLayout(grid);
}

bool CCmnHighlightDialog::DataExchange(CCmnDataExchange *context)
{
    {
        // Filling the rows must not run their slots half-way.
        const CCmnSlotBlocker blocker(this);
        if (m_BoldCheckBox && !context->ExchangeCheckBox(&m_Highlight.m_Bold, m_BoldCheckBox))
            return false;
        if (m_ItalicCheckBox && !context->ExchangeCheckBox(&m_Highlight.m_Italic, m_ItalicCheckBox))
            return false;
        if (m_UnderlineCheckBox && !context->ExchangeCheckBox(&m_Highlight.m_Underline, m_UnderlineCheckBox))
            return false;
        if (m_TextColorButton && !context->ExchangeColorButton(&m_Highlight.m_TextColor, m_TextColorButton))
            return false;
        if (m_HatchStyleComboBox
            && !context->ExchangeComboBox(&m_Highlight.m_HatchStyle, m_HatchStyleComboBox, CmnExchangeByItemData))
            return false;
        if (m_HatchColorButton && !context->ExchangeColorButton(&m_Highlight.m_HatchColor, m_HatchColorButton))
            return false;
        if (m_DecorationButton && !context->ExchangePixmapButton(&m_Highlight.m_Decoration, m_DecorationButton))
            return false;
        if (!context->m_Save) {
            if (m_SampleWidget)
                m_SampleWidget->SetHighlight(m_Highlight);
            EnableHatchColor();
        }
    }
    return CCmnDialogEx::DataExchange(context);
}

void CCmnHighlightDialog::UpdateSample()
{
    if (!m_SampleWidget)
        return;
    // A row that is left out keeps its part of the highlight, as OK does, so that
    // the sample never shows what OK would not save.
    CCmnHighlight shown = m_Highlight;
    if (m_BoldCheckBox) {
        shown.m_Bold = m_BoldCheckBox->isChecked();
        shown.m_Italic = m_ItalicCheckBox->isChecked();
        shown.m_Underline = m_UnderlineCheckBox->isChecked();
    }
    if (m_HatchStyleComboBox) {
        shown.m_HatchStyle = m_HatchStyleComboBox->currentData().toInt();
        shown.m_HatchColor = m_HatchColorButton->Value();
    }
    if (m_TextColorButton)
        shown.m_TextColor = m_TextColorButton->Value();
    if (m_DecorationButton)
        shown.m_Decoration = m_DecorationButton->Value();
    m_SampleWidget->SetHighlight(shown);
}

void CCmnHighlightDialog::Slot_stateChanged_CheckBox_Bold(int)
{
    if (SlotsBlocked())
        return;
    UpdateSample();
}

void CCmnHighlightDialog::Slot_stateChanged_CheckBox_Italic(int)
{
    if (SlotsBlocked())
        return;
    UpdateSample();
}

void CCmnHighlightDialog::Slot_stateChanged_CheckBox_Underline(int)
{
    if (SlotsBlocked())
        return;
    UpdateSample();
}

void CCmnHighlightDialog::Slot_valueChanged_ColorButton_TextColor(const QColor &)
{
    if (SlotsBlocked())
        return;
    UpdateSample();
}

void CCmnHighlightDialog::Slot_currentIndexChanged_ComboBox_HatchStyle(int)
{
    if (SlotsBlocked() || (m_Flags & CmnHighlightNoHatch))
        return;
    UpdateSample();
    EnableHatchColor();
}

void CCmnHighlightDialog::Slot_valueChanged_ColorButton_HatchColor(const QColor &)
{
    if (SlotsBlocked())
        return;
    UpdateSample();
}

void CCmnHighlightDialog::Slot_valueChanged_PixmapButton_Decoration(const QString &)
{
    if (SlotsBlocked())
        return;
    UpdateSample();
}

void CCmnHighlightDialog::EnableHatchColor()
{
    if (!m_HatchStyleComboBox)
        return;
    const bool hatched = m_HatchStyleComboBox->currentData().toInt() != 0;
    m_HatchColorLabel->setEnabled(hatched);
    m_HatchColorButton->setEnabled(hatched);
}
