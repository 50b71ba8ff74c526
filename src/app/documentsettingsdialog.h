#pragma once

#include "cmnoptionsdialog.h"
#include "documentsettings.h"

#include <QSharedPointer>

class CBioReg;
class CCmnRegFieldsSettingsFormFieldOrderTab;
class CCmnRegFieldsSettingsRecordDetailsLayoutTab;
class CCmnRegFieldsSettingsSelectRecordLayoutTab;
class CCmnRegFieldsSettingsSystemFieldsTab;
class CCmnRegFieldsSettingsUserFieldsTab;
class CDocumentGeneralSettingsTab;

// "File Settings": the settings that travel with a document, on a General tab and
// the five tabs of the fields. The caller fills the edited settings (and, for an
// open document, the defaults that "Use Defaults" brings back) and takes the
// edited settings after an accepted run. Without a document the field tabs try
// their layouts on a register of the default fields.
class CDocumentSettingsDialog : public CCmnOptionsDialog
{
    Q_OBJECT
public:
    // A null register: no document is open, and there is no "Use Defaults".
    explicit CDocumentSettingsDialog(const QSharedPointer<CBioReg> &reg, QWidget *parent = nullptr);
    ~CDocumentSettingsDialog() override;

    CDocumentSettings m_EditedSettings;
    CDocumentSettings m_DefaultSettings;

    // The open document's register, else the dialog's own.
    const QSharedPointer<CBioReg> &FieldsRegister() const { return m_Reg ? m_Reg : m_TempReg; }
    CDocumentGeneralSettingsTab *GeneralTab() const { return m_GeneralTab; }
    CCmnRegFieldsSettingsUserFieldsTab *UserFieldsTab() const { return m_UserFieldsTab; }
    CCmnRegFieldsSettingsSystemFieldsTab *SystemFieldsTab() const { return m_SystemFieldsTab; }
    CCmnRegFieldsSettingsFormFieldOrderTab *FormFieldOrderTab() const { return m_FormFieldOrderTab; }
    CCmnRegFieldsSettingsRecordDetailsLayoutTab *RecordDetailsLayoutTab() const { return m_RecordDetailsLayoutTab; }
    CCmnRegFieldsSettingsSelectRecordLayoutTab *SelectRecordLayoutTab() const { return m_SelectRecordLayoutTab; }

protected:
    void ResetAll() override;
    // The order and layout tabs list the fields that the field tabs edit, so they
    // take those tabs' edits before they show.
    void OnTabShown(CCmnTab *page) override;

private:
    void Exchange(CCmnTab *tab, bool save);

    QSharedPointer<CBioReg> m_Reg;
    QSharedPointer<CBioReg> m_TempReg;
    CDocumentGeneralSettingsTab *m_GeneralTab;
    CCmnRegFieldsSettingsUserFieldsTab *m_UserFieldsTab;
    CCmnRegFieldsSettingsSystemFieldsTab *m_SystemFieldsTab;
    CCmnRegFieldsSettingsFormFieldOrderTab *m_FormFieldOrderTab;
    CCmnRegFieldsSettingsRecordDetailsLayoutTab *m_RecordDetailsLayoutTab;
    CCmnRegFieldsSettingsSelectRecordLayoutTab *m_SelectRecordLayoutTab;
};

// The settings command with a document open: runs the dialog on a copy of the
// document's settings, with the defaults for new documents behind "Use Defaults",
// and on OK puts the result into the settings. True when the user accepted or
// took the defaults.
bool EditOpenDocumentSettings(CDocumentSettings &settings, const CDocumentSettings &defaults,
                              const QSharedPointer<CBioReg> &reg, QWidget *parent);
// The settings command with no document open: says that the defaults for new
// documents are what changes, then edits them like EditOpenDocumentSettings.
bool EditDefaultDocumentSettings(CDocumentSettings &defaults, QWidget *parent);
