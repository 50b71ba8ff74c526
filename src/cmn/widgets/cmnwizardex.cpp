#include "cmnwizardex.h"

#include "cmnappdescriptor.h"
#include "cmndataexchange.h"
#include "cmndialogrunner.h"
#include "cmntabordialogorpanelorpagemixin.h"
#include "cmntextfile.h"
#include "cmnwaitcursor.h"
#include "cmnwidgetaccelerators.h"
#include "cmnwizardpageex.h"

CCmnWizardEx::CCmnWizardEx(QWidget *parent, Qt::WindowFlags flags)
    : QWizard(parent, flags)
{
    setOption(QWizard::HaveHelpButton, true);
    connect(this, &QWizard::helpRequested, this, &CCmnWizardEx::Slot_helpRequested_this);
    // QWizard moves the focus to the page's first control after initializePage, and
    // reports the new page only after that; the page is shown to its own code then,
    // so that its initial focus stands.
    connect(this, &QWizard::currentIdChanged, this, [this](int id) { PageShown(id); });
}

CCmnWizardEx::~CCmnWizardEx()
{
    m_GeometryKeeper.Save(this);
}

void CCmnWizardEx::SetGeometryKeeper(const CCmnGeometryKeeper &keeper)
{
    m_GeometryKeeper = keeper;
    m_GeometryKeeper.Restore(this);
}

qint32 CCmnWizardEx::AddOwnPage(CCmnWizardPageEx *page)
{
    const qint32 id = addPage(page);
    m_OwnPages.append(id);
    return id;
}

CCmnWizardPageEx *CCmnWizardEx::OwnPage(qint32 id) const
{
    if (!m_OwnPages.contains(id))
        return nullptr;
    return qobject_cast<CCmnWizardPageEx *>(page(id));
}

QString CCmnWizardEx::GetParameter(const QString &key) const
{
    return CmnParameterValue(m_Parameters, key);
}

void CCmnWizardEx::LoadParameters(const QString &path)
{
    const QString suffix = QLatin1Char('-') + CmnGetAppDescriptor().m_ShortNameLower;
    m_Parameters = CmnParameterLines(
        CmnReadCompanionFileLines(path, QStringLiteral("txt"), suffix, kCmnMaxParameterFileBytes));
    ApplyParameters();
}

void CCmnWizardEx::Prepare()
{
    if (m_Prepared)
        return;
    m_Prepared = true;
    // Window flags must be final before the wizard is shown: changing them later
    // hides the window, which would end its modal run.
    for (const qint32 id : std::as_const(m_OwnPages)) {
        const CCmnWizardPageEx *own = OwnPage(id);
        if (own && own->HasWhatsThis()) {
            setWindowFlags(windowFlags() | Qt::WindowContextHelpButtonHint);
            break;
        }
    }
    if (currentId() == -1)
        restart();
}

void CCmnWizardEx::Conclude(int result)
{
    if (result != QDialog::Accepted)
        return;
    const QList<int> path = visitedIds();
    for (const qint32 id : std::as_const(m_InitialisedPages)) {
        if (path.contains(id))
            continue;
        if (CCmnWizardPageEx *own = OwnPage(id))
            own->CommitPageData();
    }
}

int CCmnWizardEx::Exec()
{
    const CCmnWaitCursorSuspender suspender;
    Prepare();
    const int result = CmnExecDialog(*this);
    Conclude(result);
    return result;
}

void CCmnWizardEx::Slot_helpRequested_this()
{
    if (CCmnWizardPageEx *own = OwnPage(currentId()))
        own->ShowHelp(this);
}

void CCmnWizardEx::initializePage(int id)
{
    if (!m_OwnPages.contains(id)) {
        QWizard::initializePage(id);
        return;
    }
    CCmnWizardPageEx *own = OwnPage(id);
    if (!own)
        return;
    if (!m_InitialisedPages.contains(id)) {
        own->InitPageData();
        m_InitialisedPages.append(id);
        AssignDialogAccelerators(own);
    }
    CCmnDataExchange load(false, this, own);
    (void)own->DataExchange(&load);
    m_PageToShow = id;
}

bool CCmnWizardEx::event(QEvent *event)
{
    if (CmnOpenWhatsThisLink(event, this))
        return true;
    return QWizard::event(event);
}

void CCmnWizardEx::ApplyParameters()
{
}

void CCmnWizardEx::PageShown(qint32 id)
{
    CCmnWizardPageEx *own = OwnPage(id);
    if (!own)
        return;
    if (id == m_PageToShow) {
        m_PageToShow = -1;
        own->OnPageShown();
    } else {
        // Back returns to a page without loading it again; Help must still follow it.
        own->UpdateHelpButton();
    }
}
