#pragma once

#include "cmntab.h"

class CCmnCheckBox;
class CCmnHighlightCtrl;
class CDocumentGeneralSettings;

// The "General" tab of the document settings: how titles stand out in names,
// whether names carry their suffix, and whether photos go into the file.
class CDocumentGeneralSettingsTab : public CCmnTab
{
    Q_OBJECT
public:
    // The settings are the dialog's edited copy, not owned.
    explicit CDocumentGeneralSettingsTab(CDocumentGeneralSettings *settings, QWidget *parent = nullptr);

    void CreateControls() override;
    bool DataExchange(CCmnDataExchange *context) override;

    CCmnHighlightCtrl *HighlightCtrl() const { return m_HighlightCtrl; }
    CCmnCheckBox *IncludeSuffixCheckBox() const { return m_IncludeSuffixCheckBox; }
    CCmnCheckBox *EmbedPicsCheckBox() const { return m_EmbedPicsCheckBox; }

private:
    CDocumentGeneralSettings *m_Settings;
    CCmnHighlightCtrl *m_HighlightCtrl = nullptr;
    CCmnCheckBox *m_IncludeSuffixCheckBox = nullptr;
    CCmnCheckBox *m_EmbedPicsCheckBox = nullptr;
};
