#include "preferencesdialog.h"

#include "bioterminology.h"
#include "biopreferenceinbreedingsettingstab.h"
#include "bioterminologysettingstab.h"
#include "cmnaccessiblefolders.h"
#include "cmnmappedfoldersettingstab.h"
#include "ignoreaccentssetting.h"
#include "systemsettingstab.h"

CPreferencesDialog::CPreferencesDialog(QWidget *parent)
    : CCmnOptionsDialog(parent)
    , m_InbreedingTab(new CBioPreferenceInbreedingSettingsTab(&m_InbreedingSettings))
    , m_TerminologyTab(new CBioTerminologySettingsTab(&m_Terminology))
    , m_SystemTab(new CSystemSettingsTab(&m_IgnoreAccents, &m_SystemSettings))
    , m_MappedFoldersTab(new CCmnMappedFolderSettingsTab(&m_MappedFolders))
{
    AddTab(m_InbreedingTab, tr("Inbreeding"));
    AddTab(m_TerminologyTab, tr("Terminology"));
    AddTab(m_SystemTab, tr("System"));
    AddTab(m_MappedFoldersTab, tr("Mapped Folders"));
}

void CPreferencesDialog::LoadCurrentPreferences()
{
    m_SystemSettings = *CmnGetSystemSettings();
    m_IgnoreAccents = GetIgnoreAccentsSetting();
    m_InbreedingSettings = *BioGetInbreedingSettings();
    m_Terminology = *GetBioTerminology();
    m_MappedFolders = *CmnGetMappedFoldersStore();
    m_AccessibleFolders = *CmnGetAccessibleFolders();
}

void CPreferencesDialog::StoreEditedPreferences() const
{
    CmnAssignSystemSettings(m_SystemSettings);
    SetIgnoreAccentsSetting(m_IgnoreAccents);
    BioSetInbreedingSettings(m_InbreedingSettings);
    BioSetTerminology(m_Terminology);
    CmnAssignMappedFolders(m_MappedFolders);
    CmnSetAccessibleFolders(m_AccessibleFolders);
}

void CPreferencesDialog::ResetAll()
{
    m_InbreedingSettings = m_DefaultInbreedingSettings;
    m_Terminology = m_DefaultTerminology;
    m_SystemSettings = m_DefaultSystemSettings;
    m_IgnoreAccents = m_DefaultIgnoreAccents;
    m_MappedFolders = m_DefaultMappedFolders;
    m_AccessibleFolders = m_DefaultAccessibleFolders;
}
