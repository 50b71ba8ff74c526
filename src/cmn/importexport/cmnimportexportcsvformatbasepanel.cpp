#include "cmnimportexportcsvformatbasepanel.h"

#include "cmnautomaticorcustomcsvformat.h"
#include "cmnboxlayout.h"
#include "cmncheckbox.h"
#include "cmndataexchange.h"
#include "cmnexchangeflags.h"
#include "cmnlabel.h"
#include "cmnlineedit.h"
#include "cmnradiobutton.h"

#include <QButtonGroup>
#include <QGridLayout>

namespace {

constexpr qint32 kCharEditWidth = 5;

CCmnLineEdit *NewCharEdit(qint32 maxLength)
{
    auto *edit = new CCmnLineEdit;
    edit->SetMinimumWidthInChars(kCharEditWidth);
    edit->SetMaximumWidthInChars(kCharEditWidth);
    edit->setMaxLength(maxLength);
    return edit;
}

// A row of the grid: the label in column 0, buddy of the control, and the row's
// own items in column 1, ending in a stretch.
void AddRow(QGridLayout *grid, qint32 row, const QString &label, QWidget *buddy, QWidget *second = nullptr,
            QWidget *third = nullptr)
{
    auto *rowLabel = new CCmnLabel(label);
    rowLabel->setBuddy(buddy);
    grid->addWidget(rowLabel, row, 0);
    grid->addLayout(CmnBoxLayout(CmnBoxLayoutHorizontal | CmnBoxLayoutStretch | CmnBoxLayoutNoMargins, buddy,
                                 second, third),
                    row, 1);
}

} // namespace

CCmnImportExportCSVFormatBasePanel::CCmnImportExportCSVFormatBasePanel(qint32 pageFlags,
                                                                       CCmnAutomaticOrCustomCsvFormat *choice,
                                                                       const QString &helpPage,
                                                                       const QString &explanation,
                                                                       QBoxLayout *mainLayout, QObject *parent)
    : CCmnImportExportChoicePanel(pageFlags, &choice->m_Automatic, mainLayout, parent)
    , m_Choice(choice)
{
    SetHelpPage(helpPage);
    SetExplanation(explanation);

    auto *grid = new QGridLayout;
    qint32 row = 0;
    // Two characters, so that "\t" fits.
    m_SeparatorEdit = NewCharEdit(2);
    AddRow(grid, row++, QStringLiteral("Separator:"), m_SeparatorEdit, new CCmnLabel(QStringLiteral("use \\t for TAB")));
    SetWidgetHelpName(this, m_SeparatorEdit, QStringLiteral("Separator"));

    m_QuoteEdit = NewCharEdit(1);
    AddRow(grid, row++, QStringLiteral("Quote character:"), m_QuoteEdit,
           new CCmnLabel(QStringLiteral("e.g. ' or \"")));
    SetWidgetHelpName(this, m_QuoteEdit, QStringLiteral("QuoteCharacter"));

    m_DoubledRadio = new CCmnRadioButton(QStringLiteral("Doubled"));
    m_EscapedRadio = new CCmnRadioButton(QStringLiteral("Escaped with \\"));
    auto *group = new QButtonGroup(this);
    group->addButton(m_DoubledRadio);
    group->addButton(m_EscapedRadio);
    AddRow(grid, row++, QStringLiteral("Embedded quotes: "), m_DoubledRadio, m_EscapedRadio);
    SetWidgetHelpName(this, m_DoubledRadio, QStringLiteral("EmbeddedQuotes"));
    SetWidgetHelpName(this, m_EscapedRadio, QStringLiteral("EmbeddedQuotes"));

    if (pageFlags & CmnCsvFormatPageComment) {
        m_CommentEdit = NewCharEdit(2);
        AddRow(grid, row++, QStringLiteral("Comment:"), m_CommentEdit);
        SetWidgetHelpName(this, m_CommentEdit, QStringLiteral("Comment"));
    }

    m_HeaderCheckBox = new CCmnCheckBox((pageFlags & CmnCsvFormatPageImportWording)
                                            ? QStringLiteral("Has header line (column labels)")
                                            : QStringLiteral("Write header line (column labels)"));
    grid->addWidget(m_HeaderCheckBox, row++, 1);
    SetWidgetHelpName(this, m_HeaderCheckBox, QStringLiteral("HeaderLine"));

    if (pageFlags & CmnCsvFormatPageStripSpaces) {
        m_StripSpacesCheckBox = new CCmnCheckBox(QStringLiteral("Strip spaces"));
        grid->addWidget(m_StripSpacesCheckBox, row++, 1);
        SetWidgetHelpName(this, m_StripSpacesCheckBox, QStringLiteral("StripSpaces"));
    }
    grid->setRowStretch(row, 1);
    grid->setColumnStretch(1, 1);

    CreateControls(grid);
}

bool CCmnImportExportCSVFormatBasePanel::ExchangeFormat(CCmnDataExchange *context, bool showCustom)
{
    if (context->m_Save && !showCustom)
        return true;
    CCmnCsvFormat format = showCustom ? m_Choice->m_Custom : m_Choice->m_Deduced;
    QChar separator = format.Separator();
    QChar quote = format.QuoteChar();
    bool escaped = format.EscapeFlag();
    QChar comment = format.CommentChar();
    bool header = format.HeaderFlag();
    bool trim = format.TrimFlag();
    if (!context->ExchangeCharLineEdit(&separator, m_SeparatorEdit, CmnExchangeRequired | CmnExchangeTabEscape,
                                       QStringLiteral("Separator"))
        || !context->ExchangeCharLineEdit(&quote, m_QuoteEdit, CmnExchangeTrim, QStringLiteral("Quote character"))
        || !context->ExchangeRadioPair(&escaped, m_DoubledRadio, m_EscapedRadio)
        || (m_CommentEdit
            && !context->ExchangeCharLineEdit(&comment, m_CommentEdit, CmnExchangeTrim, QStringLiteral("Comment")))
        || !context->ExchangeCheckBox(&header, m_HeaderCheckBox)
        || (m_StripSpacesCheckBox && !context->ExchangeCheckBox(&trim, m_StripSpacesCheckBox)))
        return false;
    if (context->m_Save) {
        format.SetSeparator(separator);
        format.SetQuoteChar(quote);
        format.SetEscapeFlag(escaped);
        format.SetCommentChar(comment);
        format.SetHeaderFlag(header);
        format.SetTrimFlag(trim);
        m_Choice->m_Custom = format;
    }
    return true;
}

bool CCmnImportExportCSVFormatBasePanel::ExchangeChoice(CCmnDataExchange *context, bool showCustom)
{
    return ExchangeFormat(context, showCustom);
}
