#include "bioregcheckdialog.h"

#include "bioterminology.h"
#include "cmncheckbox.h"
#include "cmndataexchange.h"
#include "cmngroupbox.h"
#include "cmnradiobutton.h"
#include "cmntext.h"

#include <QVBoxLayout>

namespace {

// Terms are typed by the user: an "&" in one is no mnemonic.
QString Term(int term, int flags = 0)
{
    return CmnMnemonicSafe(GetBioTerm(term, flags));
}

CCmnGroupBox *NewGroup(const QString &title, const QList<QWidget *> &widgets)
{
    auto *box = new CCmnGroupBox;
    box->setTitle(title);
    auto *layout = new QVBoxLayout(box);
    for (QWidget *widget : widgets)
        layout->addWidget(widget);
    return box;
}

} // namespace

CBioRegCheckDialog::CBioRegCheckDialog(QWidget *parent, const QString &scopeNoun)
    : CCmnDialogEx(parent)
    , m_WithinForm(new CCmnRadioButton(QStringLiteral("Just the %1 within this %2")
                                           .arg(Term(kBioTermAnimal, BioTermPlural | BioTermLowerCase),
                                                CmnMnemonicSafe(scopeNoun))))
    , m_AllRecords(
          new CCmnRadioButton(QStringLiteral("All %1").arg(Term(kBioTermAnimal, BioTermPlural | BioTermLowerCase))))
    , m_ParentLinks(new CCmnCheckBox(QStringLiteral("%1/%2 links with inconsistent sex")
                                         .arg(Term(kBioTermSire), Term(kBioTermDam, BioTermLowerCase))))
    , m_Dates(new CCmnCheckBox(
          QStringLiteral("%1 with inconsistent date of birth/death").arg(Term(kBioTermAnimal, BioTermPlural))))
    , m_Loops(new CCmnCheckBox(QStringLiteral("Self-parenting errors (circularities within the ancestry)")))
{
    setWindowTitle(QStringLiteral("Error Check"));
    SetHelpPage(QStringLiteral("CBioRegCheckDialog.html"));
    MainLayout()->addWidget(NewGroup(
        QStringLiteral("%1 To Be Checked").arg(Term(kBioTermAnimal, BioTermPlural)), {m_WithinForm, m_AllRecords}));
    MainLayout()->addWidget(NewGroup(QStringLiteral("Select Checks"), {m_ParentLinks, m_Dates, m_Loops}));
    SetWidgetHelpName(this, m_WithinForm, QStringLiteral("Scope"));
    SetWidgetHelpName(this, m_AllRecords, QStringLiteral("Scope"));
    SetWidgetHelpName(this, m_ParentLinks, QStringLiteral("ParentLinks"));
    SetWidgetHelpName(this, m_Dates, QStringLiteral("Dates"));
    SetWidgetHelpName(this, m_Loops, QStringLiteral("Loops"));
}

bool CBioRegCheckDialog::DataExchange(CCmnDataExchange *context)
{
    if (!CCmnDialogEx::DataExchange(context))
        return false;
    return context->ExchangeRadioPair(&m_Options.m_AllRecords, m_WithinForm, m_AllRecords)
        && context->ExchangeCheckBox(&m_Options.m_CheckParentLinks, m_ParentLinks)
        && context->ExchangeCheckBox(&m_Options.m_CheckDates, m_Dates)
        && context->ExchangeCheckBox(&m_Options.m_CheckLoops, m_Loops);
}
