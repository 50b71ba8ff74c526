#include "programstartup.h"

#include "bioinbreedingsettings.h"
#include "bioterminology.h"
#include "bioterminologysettings.h"
#include "cmnaccessiblefolders.h"
#include "cmnappdescriptor.h"
#include "cmnenumradioselectdialog.h"
#include "cmnfilehiddensettings.h"
#include "cmnmappedfoldersstore.h"
#include "cmnrememberedvalues.h"
#include "cmnsettingsexchange.h"
#include "cmnsystemsettings.h"
#include "cmnwhatsthistexts.h"
#include "ignoreaccentssetting.h"
#include "mainwindow.h"

#include <QCoreApplication>
#include <QDialog>

#include <memory>

namespace {

QString Tr(const char *text)
{
    return QCoreApplication::translate("ProgramStartup", text);
}

// The species in the order the first run offers them; Custom is not offered.
constexpr int kOfferedSpecies[] = {
    BioSpeciesBirds, BioSpeciesCats,  BioSpeciesCattle, BioSpeciesDogs, BioSpeciesGoats, BioSpeciesHorses,
    BioSpeciesPeople, BioSpeciesPigs, BioSpeciesRabbits, BioSpeciesRats, BioSpeciesSheep, BioSpeciesOther,
};

} // namespace

void FillAppDescriptor(CCmnAppDescriptor &descriptor)
{
    descriptor.m_ShortName = QStringLiteral("Orv");
    descriptor.m_ShortNameLower = descriptor.m_ShortName.toLower();
    descriptor.m_ProductName = QStringLiteral("Orvanta");
    descriptor.SetProductName(QStringLiteral("Orvanta"));
    descriptor.m_ReleaseDate = QStringLiteral("2026/06/01");
    descriptor.m_FullVersion = QStringLiteral("0.1.0");
    const QString description = Tr("%1 files").arg(descriptor.m_ProductDisplayName);
    descriptor.AddDocumentType(QStringLiteral("orv"), description);
    descriptor.SetDocumentType(QStringLiteral("orv"), description);
    descriptor.m_DocumentNoun = QStringLiteral("file");
    descriptor.m_DocumentTypeName = QStringLiteral("pedigree data file");
    descriptor.m_ReopenLastDocument = true;
    descriptor.m_WelcomeDialog = true;
}

void CreateProgramSettings()
{
    CmnCreateSystemSettings();
    CmnCreateMappedFoldersStore();
    CmnCreateAccessibleFolders();
    CmnCreateRememberedValues();
    CmnCreateFileHiddenSettings();
    BioCreateTerminology();
    CreateIgnoreAccentsSetting();
    BioCreateInbreedingSettings();
}

void DestroyProgramSettings()
{
    CmnDestroySystemSettings();
    CmnDestroyMappedFoldersStore();
    CmnDestroyAccessibleFolders();
    CmnDestroyRememberedValues();
    CmnDestroyFileHiddenSettings();
    BioDestroyTerminology();
    DestroyIgnoreAccentsSetting();
    BioDestroyInbreedingSettings();
}

void ExchangeProgramSettings(const CCmnSettingsExchange &exchange,
                             const std::function<void(const QString &group, bool save)> &exchanged)
{
    using TExchange = void (*)(const CCmnSettingsExchange &);
    // The order is part of the settings format: each group is read and written in turn.
    const std::pair<const char *, TExchange> groups[] = {
        {"cmnsystemsettings", CmnExchangeSystemSettings},
        {"cmnmappedfoldersettings", CmnExchangeMappedFolders},
        {"cmnssbf", CmnExchangeAccessibleFolders},
        {"cmnpreferencehiddensettings", CmnExchangeRememberedValues},
        {"cmnfilespecifichiddensettings", CmnExchangeFileHiddenSettings},
        {"bioterminologysettings", BioLoadTerminology},
        {"systemsettings", ExchangeIgnoreAccentsSetting},
        {"preferencesettings", BioExchangeInbreedingSettings},
    };
    for (const auto &[name, exchangeGroup] : groups) {
        const QString group = QLatin1String(name);
        exchangeGroup(exchange.Child(group));
        if (exchanged)
            exchanged(group, exchange.IsSave());
    }
}

bool AskSpecies()
{
    const QString product = CmnGetAppDescriptor().m_ProductDisplayName;
    CCmnEnumRadioSelectDialog dialog(nullptr);
    dialog.SetHelpPage(QStringLiteral("CCmnEnumRadioSelectDialog_Species.html"));
    dialog.m_Columns = 2;
    dialog.m_Header = Tr("<p>Welcome to %1.</p><p>What type of animals do you want to produce<br/>pedigrees for?</p>")
                          .arg(product);
    dialog.m_Footer = Tr("<p><b>NOTE</b>: Your choice here selects the <br/>terminology used by the program "
                         "initially.<br/>You can change this setting later by choosing<br/>%1, then<br/>selecting "
                         "the <b>Terminology</b> tab.</p>")
                          .arg(CmnPreferencesMenuText());
    for (const int species : kOfferedSpecies)
        dialog.m_Choices << CCmnEnumSelectChoice{GetSpeciesName(species), species};
    dialog.m_SelectedValue = BioSpeciesDogs;
    dialog.setWindowTitle(Tr("%1 - Select Terminology").arg(product));

    if (dialog.Exec() != QDialog::Accepted)
        return false;
    CBioTerminologySettings terminology = *GetBioTerminology();
    terminology.ApplySpeciesDefaults(dialog.m_SelectedValue);
    BioSetTerminology(terminology);
    return true;
}

int RunProgram(const CProgramHooks &hooks)
{
    ExchangeProgramSettings(CCmnSettingsExchange(false), hooks.m_GroupExchanged);
    // The user may rename these four, in their singular form.
    for (const int term : {BioTermName, BioTermTitle, BioTermSuffix, BioTermInbreeding})
        BioSetTermEditable(term, true, false);
    // Help is generated from these texts: the species dialog and the main window's
    // Help menu, which offers only the pages there are, need them from the start.
    CmnLoadWhatsThisTexts();
    if (CmnGetSystemSettings()->m_FirstRun)
        AskSpecies();

    int result = 0;
    {
        CMainWindow window;
        if (hooks.m_WindowBuilt)
            hooks.m_WindowBuilt(&window);
        result = CmnRunApplication(&window, hooks.m_Run);
    }
    // Saving the system settings ends the first run.
    ExchangeProgramSettings(CCmnSettingsExchange(true), hooks.m_GroupExchanged);
    return result;
}
