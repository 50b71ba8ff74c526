#pragma once

#include "cmnimportexportchoicepanel.h"

class CCmnAutomaticOrCustomCsvFormat;
class CCmnCheckBox;
class CCmnLineEdit;
class CCmnRadioButton;

// What the "Column Formatting" pages show beyond the import or export flag.
enum ECmnCsvFormatPageFlag : qint32 {
    CmnCsvFormatPageImportWording = 0x01,   // "Has header line", else "Write header line"
    CmnCsvFormatPageExportWording = 0x02,
    CmnCsvFormatPageComment = 0x08,         // the "Comment:" row
    CmnCsvFormatPageStripSpaces = 0x10,     // the "Strip spaces" box
};

// How the columns of a text file are separated and quoted, deduced or customised:
// the controls shared by the import and export wizards' "Column Formatting"
// pages, over the wizard's format choice. "\t" in the separator box stands for TAB.
class CCmnImportExportCSVFormatBasePanel : public CCmnImportExportChoicePanel
{
    Q_OBJECT
public:
    // Builds the controls the page flags ask for, under the help page and
    // explanation given.
    CCmnImportExportCSVFormatBasePanel(qint32 pageFlags, CCmnAutomaticOrCustomCsvFormat *choice,
                                       const QString &helpPage, const QString &explanation, QBoxLayout *mainLayout,
                                       QObject *parent = nullptr);

    // Moves the custom (or, loading only, the deduced) format; saving refuses a
    // separator that is not one character and a quote or comment of more than one.
    bool ExchangeFormat(CCmnDataExchange *context, bool showCustom);

    CCmnLineEdit *SeparatorEdit() const { return m_SeparatorEdit; }
    CCmnLineEdit *QuoteEdit() const { return m_QuoteEdit; }
    CCmnRadioButton *DoubledRadio() const { return m_DoubledRadio; }
    CCmnRadioButton *EscapedRadio() const { return m_EscapedRadio; }
    // Null without their page flag.
    CCmnLineEdit *CommentEdit() const { return m_CommentEdit; }
    CCmnCheckBox *HeaderCheckBox() const { return m_HeaderCheckBox; }
    CCmnCheckBox *StripSpacesCheckBox() const { return m_StripSpacesCheckBox; }

protected:
    bool ExchangeChoice(CCmnDataExchange *context, bool showCustom) override;

    CCmnAutomaticOrCustomCsvFormat *m_Choice;

private:
    CCmnLineEdit *m_SeparatorEdit;
    CCmnLineEdit *m_QuoteEdit;
    CCmnRadioButton *m_DoubledRadio;
    CCmnRadioButton *m_EscapedRadio;
    CCmnLineEdit *m_CommentEdit = nullptr;
    CCmnCheckBox *m_HeaderCheckBox;
    CCmnCheckBox *m_StripSpacesCheckBox = nullptr;
};
