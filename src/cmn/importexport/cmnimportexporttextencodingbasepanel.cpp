#include "cmnimportexporttextencodingbasepanel.h"

#include "cmnautomaticorcustomtextencoding.h"
#include "cmncheckbox.h"
#include "cmncombobox.h"
#include "cmncontrolfactory.h"
#include "cmndataexchange.h"
#include "cmnexchangeflags.h"
#include "cmnlabel.h"

#include <QGridLayout>

namespace {

void OfferItemData(QComboBox *comboBox, const QString &data)
{
    if (comboBox->findData(data, Qt::UserRole, Qt::MatchExactly | Qt::MatchCaseSensitive) < 0)
        comboBox->addItem(data, data);
}

} // namespace

CCmnImportExportTextEncodingBasePanel::CCmnImportExportTextEncodingBasePanel(
    qint32 pageFlags, CCmnAutomaticOrCustomTextEncoding *choice, const QString &helpPage,
    const QString &explanation, QBoxLayout *mainLayout, QObject *parent)
    : CCmnImportExportChoicePanel(pageFlags, &choice->m_Automatic, mainLayout, parent)
    , m_Choice(choice)
{
    SetHelpPage(helpPage);
    SetExplanation(explanation);

    auto *grid = new QGridLayout;
    const auto addRow = [this, grid](qint32 row, const QString &label, CCmnComboBox *comboBox, const QString &help) {
        auto *rowLabel = new CCmnLabel(label);
        rowLabel->setBuddy(comboBox);
        grid->addWidget(rowLabel, row, 0);
        grid->addWidget(comboBox, row, 1);
        SetWidgetHelpName(this, comboBox, help);
    };
    m_CodecComboBox = CmnNewTextEncodingComboBox(nullptr);
    addRow(0, QStringLiteral("Character set:"), m_CodecComboBox, QStringLiteral("Codec"));
    m_LineEndingComboBox = CmnNewLineEndingComboBox(nullptr);
    addRow(1, QStringLiteral("Line endings:"), m_LineEndingComboBox, QStringLiteral("LineEnding"));

    m_ByteOrderMarkCheckBox = new CCmnCheckBox(QStringLiteral("UTF byte order marker (BOM)"));
    grid->addWidget(m_ByteOrderMarkCheckBox, 2, 1);
    SetWidgetHelpName(this, m_ByteOrderMarkCheckBox, QStringLiteral("SkipBOM"));
    grid->setRowStretch(3, 1);
    grid->setColumnStretch(1, 1);

    CreateControls(grid);
}

bool CCmnImportExportTextEncodingBasePanel::ExchangeEncoding(CCmnDataExchange *context, bool showCustom)
{
    if (context->m_Save && !showCustom)
        return true;
    CCmnTextEncoding encoding = showCustom ? m_Choice->m_Custom : m_Choice->m_Deduced;
    if (!context->m_Save) {
        OfferItemData(m_CodecComboBox, encoding.m_CodecName);
        OfferItemData(m_LineEndingComboBox, encoding.m_LineEndingName);
    }
    bool byteOrderMark = encoding.m_ByteOrderMark != 0;
    if (!context->ExchangeComboText(&encoding.m_CodecName, m_CodecComboBox, CmnExchangeByItemData)
        || !context->ExchangeComboText(&encoding.m_LineEndingName, m_LineEndingComboBox, CmnExchangeByItemData)
        || !context->ExchangeCheckBox(&byteOrderMark, m_ByteOrderMarkCheckBox))
        return false;
    if (context->m_Save) {
        encoding.m_ByteOrderMark = byteOrderMark ? 1 : 0;
        m_Choice->m_Custom = encoding;
    }
    return true;
}

bool CCmnImportExportTextEncodingBasePanel::ExchangeChoice(CCmnDataExchange *context, bool showCustom)
{
    return ExchangeEncoding(context, showCustom);
}
