#include "documentsettingsdialog.h"

#include "bioboxkindcatalogue.h"
#include "biodefaultregfieldssettings.h"
#include "bioreg.h"
#include "bioterminology.h"
#include "cmnappdescriptor.h"
#include "cmndataexchange.h"
#include "cmnhtmlescape.h"
#include "cmnmessageboxes.h"
#include "cmnregfieldssettingsformfieldordertab.h"
#include "cmnregfieldssettingsrecorddetailslayouttab.h"
#include "cmnregfieldssettingsselectrecordlayouttab.h"
#include "cmnregfieldssettingssystemfieldstab.h"
#include "cmnregfieldssettingsuserfieldstab.h"
#include "documentgeneralsettingstab.h"

#include <QDialog>

namespace {

QSharedPointer<CBioReg> NewDefaultFieldsRegister()
{
    auto reg = QSharedPointer<CBioReg>::create(BioDefaultRegFieldsSettings());
    reg->SetFieldContexts(BoxKindCatalogue());
    return reg;
}

} // namespace

CDocumentSettingsDialog::CDocumentSettingsDialog(const QSharedPointer<CBioReg> &reg, QWidget *parent)
    : CCmnOptionsDialog(parent)
    , m_Reg(reg)
{
    SetShowResetButton(bool(reg));
    const QString noun = CmnGetAppDescriptor().m_DocumentNoun;
    SetResetButtonText(tr("Use Defaults"));
    SetResetQuestion(tr("<p>This will set all %1 settings to their defaults.</p><p>Amongst other things <b>this will "
                        "delete ALL user defined fields you may have added to the data file</b>.</p><p>Are you sure "
                        "you want to do this?</p>")
                         .arg(CmnHtmlEscape(noun)));

    m_GeneralTab = new CDocumentGeneralSettingsTab(&m_EditedSettings.m_GeneralSettings);
    AddTab(m_GeneralTab, tr("General"));

    const QString forms = QStringLiteral("Forms");
    const QString animal = GetBioTerm(kBioTermAnimal);
    const QString animals = GetBioTerm(kBioTermAnimal, BioTermPlural);
    if (!m_Reg)
        m_TempReg = NewDefaultFieldsRegister();
    const QSharedPointer<CCmnReg> fieldsReg = FieldsRegister();
    CCmnRegFieldsSettings *fields = &m_EditedSettings.m_FieldsSettings;
    m_UserFieldsTab = new CCmnRegFieldsSettingsUserFieldsTab(forms, animal, animals, fields, fieldsReg,
                                                             DocumentMaxUserFields());
    AddTab(m_UserFieldsTab, tr("User Fields"));
    m_SystemFieldsTab = new CCmnRegFieldsSettingsSystemFieldsTab(forms, animal, animals, fields, fieldsReg);
    AddTab(m_SystemFieldsTab, tr("System Fields"));
    m_FormFieldOrderTab = new CCmnRegFieldsSettingsFormFieldOrderTab(forms, animal, animals, fields, fieldsReg);
    AddTab(m_FormFieldOrderTab, tr("Form Field Order"));
    m_RecordDetailsLayoutTab =
        new CCmnRegFieldsSettingsRecordDetailsLayoutTab(forms, animal, animals, fields, fieldsReg);
    AddTab(m_RecordDetailsLayoutTab, tr("Details Window Layout"));
    m_SelectRecordLayoutTab = new CCmnRegFieldsSettingsSelectRecordLayoutTab(forms, animal, animals, fields, fieldsReg);
    AddTab(m_SelectRecordLayoutTab, tr("Select Window Layout"));

    setWindowTitle(CmnGetAppDescriptor().DocumentSettingsTitle(false));
}

CDocumentSettingsDialog::~CDocumentSettingsDialog() = default;

void CDocumentSettingsDialog::ResetAll()
{
    m_EditedSettings = m_DefaultSettings;
}

void CDocumentSettingsDialog::Exchange(CCmnTab *tab, bool save)
{
    CCmnDataExchange context(save, this, tab);
    // What the user has not finished is checked on OK, not on a change of tab.
    (void)tab->DataExchange(&context);
}

void CDocumentSettingsDialog::OnTabShown(CCmnTab *page)
{
    const QList<CCmnTab *> derived{m_FormFieldOrderTab, m_RecordDetailsLayoutTab, m_SelectRecordLayoutTab};
    for (CCmnTab *tab : derived) {
        if (tab != page) {
            Exchange(tab, true);
            continue;
        }
        Exchange(m_UserFieldsTab, true);
        Exchange(m_SystemFieldsTab, true);
        if (tab != m_FormFieldOrderTab)
            Exchange(m_FormFieldOrderTab, true);
        Exchange(tab, false);
    }
    CCmnOptionsDialog::OnTabShown(page);
}

bool EditOpenDocumentSettings(CDocumentSettings &settings, const CDocumentSettings &defaults,
                              const QSharedPointer<CBioReg> &reg, QWidget *parent)
{
    CDocumentSettingsDialog dialog(reg, parent);
    dialog.m_EditedSettings = settings;
    dialog.m_DefaultSettings = defaults;
    if (dialog.Exec() != QDialog::Accepted)
        return false;
    settings = dialog.m_EditedSettings;
    return true;
}

bool EditDefaultDocumentSettings(CDocumentSettings &defaults, QWidget *parent)
{
    const CCmnAppDescriptor &descriptor = CmnGetAppDescriptor();
    if (descriptor.m_SettingsInsideDocument) {
        ShowRememberedMessage(QMessageBox::Information, parent, descriptor.m_ProductDisplayName,
                              QObject::tr("There is no %1 open. Changing the %1 settings will alter the <b>default</b> "
                                          "settings when you create a new %1.")
                                  .arg(CmnHtmlEscape(descriptor.m_DocumentNoun)));
    }
    return EditOpenDocumentSettings(defaults, defaults, {}, parent);
}
