#pragma once

#include "cmnimportexportchoicepanel.h"

class CCmnAutomaticOrCustomTextEncoding;
class CCmnCheckBox;
class CCmnComboBox;

// Which text wizard a page serves.
enum ECmnImportExportPageFlag : qint32 {
    CmnImportExportPageImport = 0x01,
    CmnImportExportPageExport = 0x02,
};

// The character set, line endings and byte-order mark of a text file, deduced or
// customised: the controls shared by the import and export wizards' "Character
// Encoding" pages, over the wizard's encoding choice.
class CCmnImportExportTextEncodingBasePanel : public CCmnImportExportChoicePanel
{
    Q_OBJECT
public:
    // Builds the controls under the help page and explanation given.
    CCmnImportExportTextEncodingBasePanel(qint32 pageFlags, CCmnAutomaticOrCustomTextEncoding *choice,
                                          const QString &helpPage, const QString &explanation,
                                          QBoxLayout *mainLayout, QObject *parent = nullptr);

    // Moves the custom (or, loading only, the deduced) encoding. A codec or line
    // ending no item offers (from a parameter file, say) gets an item of its own, so
    // that it shows and comes back unchanged.
    bool ExchangeEncoding(CCmnDataExchange *context, bool showCustom);

    CCmnComboBox *CodecComboBox() const { return m_CodecComboBox; }
    CCmnComboBox *LineEndingComboBox() const { return m_LineEndingComboBox; }
    CCmnCheckBox *ByteOrderMarkCheckBox() const { return m_ByteOrderMarkCheckBox; }

protected:
    bool ExchangeChoice(CCmnDataExchange *context, bool showCustom) override;

    CCmnAutomaticOrCustomTextEncoding *m_Choice;

private:
    CCmnComboBox *m_CodecComboBox;
    CCmnComboBox *m_LineEndingComboBox;
    CCmnCheckBox *m_ByteOrderMarkCheckBox;
};
