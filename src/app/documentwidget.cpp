#include "documentwidget.h"

#include "bioboxkindcatalogue.h"
#include "biodefaultregfieldssettings.h"
#include "bioreg.h"
#include "bioregcoversheetsettings.h"
#include "bioregcoversheetstickystate.h"
#include "bioregpedigreesettings.h"
#include "bioregpedigreestickystate.h"
#include "bioregthemedforminterface.h"
#include "bioregtrialmatingsettings.h"
#include "bioregtrialmatingstickystate.h"
#include "cmndroppedfiles.h"
#include "cmnmainwindowex.h"
#include "cmnmessageboxes.h"
#include "cmnpagesetup.h"
#include "cmnregtableexport.h"
#include "cmnshellvalues.h"
#include "cmnslotblocker.h"
#include "cmnthemeset.h"
#include "document.h"

#include <QDragEnterEvent>
#include <QDragLeaveEvent>
#include <QDragMoveEvent>
#include <QDropEvent>

namespace {

const QString kFormInterface = QStringLiteral("BIOREGTHEMEDFORMINTERFACE");

} // namespace

CDocumentWidget::CDocumentWidget(CCmnMainWindowEx *mainWindow, const QList<CCmnLayoutItem> &extraTopBarItems)
    : CCmnInterfaceHostWidget(mainWindow)
    , m_MainWindow(mainWindow)
{
    setAcceptDrops(true);
    const CCmnSlotBlocker blocker(this);
    RegisterKind(QStringLiteral("Pedigree"), kFormInterface, QStringLiteral("PEDIGREE"));
    RegisterKind(QStringLiteral("Cover Sheet"), kFormInterface, QStringLiteral("COVERSHEET"));
    RegisterKind(QStringLiteral("Trial Mating"), kFormInterface, QStringLiteral("TRIALMATING"));
    CreateInterfaces(extraTopBarItems);
}

// The members go in reverse order, the controller first and the document
// last, while the host part still holds its interfaces.
CDocumentWidget::~CDocumentWidget() = default;

void CDocumentWidget::Relayout()
{
    RelayoutAll();
}

void CDocumentWidget::SetSettingsModified(bool modified)
{
    m_SettingsModified = modified;
}

bool CDocumentWidget::HasDocument() const
{
    return !m_Document.isNull();
}

void CDocumentWidget::GetSettings(CDocumentSettings &settings) const
{
    settings = m_Settings;
}

void CDocumentWidget::SetMenuTables(const QHash<QString, QMenu *> &menus,
                                    const QHash<QString, QList<CCmnMenuEntry>> &actions)
{
    m_Menus = menus;
    m_Actions = actions;
}

void CDocumentWidget::InstallDocument(QWidget *parent, const QSharedPointer<CDocument> &document,
                                      const CDocumentSettings &settings, const CDocumentStickyStates &stickyStates)
{
    DeactivateAll();
    SetMenuTargets(m_Menus, m_Actions);
    SetInterfacesEnabled(false);

    if (m_Document) {
        // The outgoing register may live on elsewhere; its signals must not
        // mark the next document modified.
        disconnect(m_Document->GetRegister().data(), nullptr, this, nullptr);
    }
    m_Document = document;
    m_Settings = settings;
    m_StickyStates = stickyStates;

    if (m_Document) {
        m_Document->ApplySettings(parent, m_Settings, true);
        m_Document->Reopen();
    }
    UpdateTexts();
    PushSettings();
    PushStickyStates();

    if (m_FormController) {
        const QSharedPointer<CBioReg> reg = m_Document ? m_Document->GetRegister() : QSharedPointer<CBioReg>();
        m_FormController->SetRegister(reg);
        if (reg) {
            connect(reg.data(), &CCmnReg::RegModified, this, &CDocumentWidget::Slot_RegModified,
                    Qt::UniqueConnection);
            connect(reg.data(), &CCmnReg::RegRecordNotification, this, &CDocumentWidget::Slot_RegRecordNotification,
                    Qt::UniqueConnection);
        }
    }
    m_SettingsModified = false;
    RefreshInterfaces();
}

void CDocumentWidget::SetSettings(QWidget *parent, const CDocumentSettings &settings)
{
    DeactivateAll();
    if (!(settings == m_Settings)) {
        m_Settings = settings;
        SetSettingsModified(true);
        if (m_Document)
            m_Document->ApplySettings(parent, m_Settings, false);
    }
    PushSettings();
    RefreshInterfaces();
}

void CDocumentWidget::ApplyAppSettings(bool check)
{
    DeactivateAll();
    if (m_Document)
        m_Document->Reopen();
    UpdateTexts();
    RefreshInterfaces();
    if (!check)
        return;

    QString report;
    if (m_Document) {
        report = m_Document->GetRegister()->CheckTerminologyAndFieldNames(m_Settings.m_FieldsSettings);
    } else {
        CBioReg reg(BioDefaultRegFieldsSettings());
        reg.SetFieldContexts(BoxKindCatalogue());
        report = reg.CheckTerminologyAndFieldNames(m_Settings.m_FieldsSettings);
    }
    if (!report.isEmpty())
        ShowRememberedMessage(QMessageBox::Warning, this, QString(), report);
}

void CDocumentWidget::ExportData()
{
    if (m_Document)
        CCmnRegTableExport::ExportData(*m_Document->GetRegister(), m_Document->FileName(), CCmnRegTableExport::AllFormats,
                                       this);
}

void CDocumentWidget::PrintPreviewData()
{
    PrintTable(true);
}

void CDocumentWidget::PrintData()
{
    PrintTable(false);
}

void CDocumentWidget::PrintTable(bool preview)
{
    if (m_Document)
        CCmnRegTableExport::PrintData(*m_Document->GetRegister(), m_Document->FileName(), this, preview);
}

void CDocumentWidget::Slot_RegModified(CCmnReg *reg)
{
    if (m_Document && reg == m_Document->GetRegister().data())
        m_Document->SetModified(true);
}

void CDocumentWidget::Slot_RegRecordNotification(CCmnReg *reg, int recordId, int code)
{
    HandleRegRecordNotification(reg, recordId, code);
}

void CDocumentWidget::Slot_SettingsModified()
{
    SetSettingsModified(true);
}

void CDocumentWidget::dragEnterEvent(QDragEnterEvent *event)
{
    CmnDragEnterAcceptDocument(event);
}

void CDocumentWidget::dragMoveEvent(QDragMoveEvent *event)
{
    CmnDragMoveAcceptCopy(event);
}

void CDocumentWidget::dragLeaveEvent(QDragLeaveEvent *event)
{
    event->accept();
}

void CDocumentWidget::dropEvent(QDropEvent *event)
{
    const QString path = CmnDroppedDocumentPath(event);
    if (!path.isEmpty())
        Q_EMIT SignalFileNameDropped(path);
}

QSharedPointer<CCmnInterface> CDocumentWidget::CreateInterface(const QString &interfaceName, QWidget *parent)
{
    if (interfaceName != kFormInterface)
        return CCmnInterfaceHostWidget::CreateInterface(interfaceName, parent);
    auto controller = QSharedPointer<CBioRegThemedFormInterface>::create(QStringLiteral("biothemedforminterface"),
                                                                         parent);
    controller->setObjectName(QStringLiteral("biothemedforminterface"));
    m_FormController = controller;
    connect(controller.data(), &CBioRegThemedFormInterface::SettingsModified, this,
            &CDocumentWidget::Slot_SettingsModified);
    controller->SetHelpPageName(QStringLiteral("design_croppingpics.html"));
    return controller;
}

void CDocumentWidget::KindActivated(const QString &interfaceName, const QString &kind)
{
    Q_UNUSED(interfaceName)
    m_StickyStates.m_SelectedKind = kind;
}

void CDocumentWidget::PushSettings()
{
    CmnEmbedPictures = m_Settings.m_GeneralSettings.m_EmbedPhotos;
    SetPageSetup(m_Settings.m_PrintParams);
    SetThemes(m_Settings.m_Themes);
    ResetComponentSettings();
    SetComponentSettings(m_Settings.m_CoverSheetSettings);
    SetComponentSettings(m_Settings.m_PedigreeSettings);
    SetComponentSettings(m_Settings.m_TrialMatingSettings);
}

void CDocumentWidget::PushStickyStates()
{
    ResetStickyStates();
    SetStickyState(m_StickyStates.m_CoverSheet);
    SetStickyState(m_StickyStates.m_Pedigree);
    SetStickyState(m_StickyStates.m_TrialMating);
}

void CDocumentWidget::RefreshInterfaces()
{
    const CCmnSlotBlocker blocker(this);
    const bool changed = SetInterfacesEnabled(HasDocument());
    if (HasDocument()) {
        SelectKind(m_StickyStates.m_SelectedKind, changed, true);
        UpdateCurrentControls();
    } else {
        DeactivateAll();
    }
}
