#pragma once

#include "biolegacyimportparams.h"
#include "cmndialogex.h"

class CCmnCheckBox;
class QGridLayout;

// The options of an import of an older program's data file: a check box per candidate
// field, laid out by group in columns beside the built-in fields that always come over,
// and the two text options. The dialog edits its own copy of the parameters; the
// caller takes it back when the dialog was accepted.
class CBioLegacyDataImportParamsDialog : public CCmnDialogEx
{
    Q_OBJECT
public:
    // A candidate's check box and where its choice lives.
    struct CEntry
    {
        int m_Kind = 0;
        int m_Index = 0;
        CCmnCheckBox *m_CheckBox = nullptr;
        int m_Group = 0;
        int m_Order = 0;
    };

    // A column holds rows 0 to 20; a group is never split over two.
    static constexpr int kRowsPerColumn = 20;

    CBioLegacyDataImportParamsDialog(const CBioLegacyImportParams &params, QWidget *parent = nullptr);
    ~CBioLegacyDataImportParamsDialog() override;

    bool DataExchange(CCmnDataExchange *context) override;

    const CBioLegacyImportParams &Params() const { return m_Params; }
    // In the order text, reference, boolean, integer, currency and date candidates.
    const QList<CEntry> &Entries() const { return m_Entries; }
    QGridLayout *FieldGrid() const { return m_Grid; }
    // None for a Dunmarra file.
    CCmnCheckBox *LongTitlesCheckBox() const { return m_LongTitles; }
    CCmnCheckBox *StripEscapesCheckBox() const { return m_StripEscapes; }

private:
    void LayOutFields(bool halvane);

    CBioLegacyImportParams m_Params;
    CCmnCheckBox *m_LongTitles = nullptr;
    CCmnCheckBox *m_StripEscapes = nullptr;
    QList<CEntry> m_Entries;
    QGridLayout *m_Grid = nullptr;
};
