#pragma once

#include "bioinbreedingsettings.h"
#include "bioterminologysettings.h"
#include "cmnmappedfoldersstore.h"
#include "cmnoptionsdialog.h"
#include "cmnsystemsettings.h"

#include <QStringList>

class CBioPreferenceInbreedingSettingsTab;
class CBioTerminologySettingsTab;
class CCmnMappedFolderSettingsTab;
class CSystemSettingsTab;

// The preferences: the program's settings that no document carries. The tabs edit
// copies; the program's own values change only when the user confirms (or resets
// everything) and the caller stores the copies back.
class CPreferencesDialog : public CCmnOptionsDialog
{
    Q_OBJECT
public:
    // Every copy at its default, the tabs added.
    explicit CPreferencesDialog(QWidget *parent = nullptr);

    // The program's current values into the edited copies.
    void LoadCurrentPreferences();
    // The edited copies into the program's values.
    void StoreEditedPreferences() const;

    CBioPreferenceInbreedingSettingsTab *InbreedingTab() const { return m_InbreedingTab; }
    CBioTerminologySettingsTab *TerminologyTab() const { return m_TerminologyTab; }
    CSystemSettingsTab *SystemTab() const { return m_SystemTab; }
    CCmnMappedFolderSettingsTab *MappedFoldersTab() const { return m_MappedFoldersTab; }

    CBioInbreedingSettings m_InbreedingSettings;
    CBioInbreedingSettings m_DefaultInbreedingSettings;
    CBioTerminologySettings m_Terminology;
    CBioTerminologySettings m_DefaultTerminology;
    CCmnSystemSettings m_SystemSettings;
    CCmnSystemSettings m_DefaultSystemSettings;
    bool m_IgnoreAccents = true;
    bool m_DefaultIgnoreAccents = true;
    CCmnMappedFoldersStore m_MappedFolders;
    CCmnMappedFoldersStore m_DefaultMappedFolders;
    // Kept for platforms that confine file access; no tab edits it here.
    QStringList m_AccessibleFolders;
    QStringList m_DefaultAccessibleFolders;

protected:
    void ResetAll() override;

private:
    CBioPreferenceInbreedingSettingsTab *m_InbreedingTab;
    CBioTerminologySettingsTab *m_TerminologyTab;
    CSystemSettingsTab *m_SystemTab;
    CCmnMappedFolderSettingsTab *m_MappedFoldersTab;
};
