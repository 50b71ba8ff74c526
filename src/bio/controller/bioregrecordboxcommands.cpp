#include "bioregrecordboxcommands.h"

#include "bioreg.h"
#include "bioregboxmenu.h"
#include "bioregcoversheet.h"
#include "bioregcoversheetstickystate.h"
#include "bioregpedigree.h"
#include "bioregpedigreestickystate.h"
#include "bioregrecord.h"
#include "bioregrecordcommands.h"
#include "bioregthemedforminterface.h"
#include "bioregtrialmatingstickystate.h"
#include "bioterminology.h"
#include "cmnformboxevent.h"
#include "cmnhtmlescape.h"
#include "cmnmessageboxbutton.h"
#include "cmnmessageboxes.h"
#include "cmnmessageboxoptions.h"
#include "cmnsystemsettings.h"
#include "cmntext.h"

#include <QMessageBox>

#include <algorithm>
#include <functional>

namespace {

// The question whether an empty title starts with an existing animal or a new one.
constexpr qint32 kRecordBoxSelectOrAddMessageId = 201;

enum ERecordBoxEntry : qint32 { RecordBoxEdit, RecordBoxPhoto, RecordBoxEditSire, RecordBoxEditDam };

// Menu texts show a name exactly as typed: "&" marks no mnemonic.
QString RecordBoxEntryText(const QString &text)
{
    return CmnMnemonicSafe(text);
}

bool RecordBoxEventKnown(const CCmnFormBoxEvent *event)
{
    return event->m_Kind == CCmnFormBoxEvent::MousePress || event->m_Kind == CCmnFormBoxEvent::ContextMenu;
}

} // namespace

// The cover sheet or the pedigree, as their boxes' commands see them.
struct CBioRegRecordBoxCommands::CSubjectForm
{
    // The animal shown; 0 for none.
    qint32 m_Subject = 0;
    std::function<void(qint32)> m_SetSubject;
    QString m_NewRole;
    QString m_DeleteRole;
    QString m_CheckRole;
    QString m_NewFormTitle;
    QString m_NewFormQuestion;
    // Shows the title's placeholder as the remembered answer now words it.
    std::function<void()> m_RefreshTitleHint;
};

CBioRegRecordBoxCommands::CBioRegRecordBoxCommands(CBioRegThemedFormInterface &view) : m_View(view) {}

CBioRegRecordBoxCommands::CSubjectForm CBioRegRecordBoxCommands::SubjectForm(bool pedigree) const
{
    CBioRegThemedFormInterface *view = &m_View;
    const QString prefix = pedigree ? QStringLiteral("Pedigree") : QStringLiteral("CoverSheet");
    CSubjectForm form;
    form.m_Subject = std::max(pedigree ? m_View.PedigreeStickyState()->m_SubjectRecNo
                                       : m_View.CoverSheetStickyState()->m_SubjectRecNo,
                              0);
    form.m_SetSubject = [view, pedigree](qint32 id) {
        if (pedigree)
            view->SetPedigreeSubject(id);
        else
            view->SetCoverSheetSubject(id);
    };
    form.m_NewRole = prefix + QStringLiteral("_NewRecord");
    form.m_DeleteRole = prefix + QStringLiteral("_DeleteRecord");
    form.m_CheckRole = prefix + QStringLiteral("_CheckRecord");
    form.m_NewFormTitle = pedigree ? QStringLiteral("New Pedigree") : QStringLiteral("New Cover Sheet");
    form.m_NewFormQuestion = QStringLiteral("Do you want to select the %1 for an existing %2 in your file, or do you "
                                            "want to add a new %2?")
                                 .arg(pedigree ? QStringLiteral("pedigree") : QStringLiteral("cover sheet"),
                                      QStringLiteral("%1"));
    form.m_RefreshTitleHint = [view, pedigree] {
        if (pedigree && view->Pedigree()) {
            view->Pedigree()->SetTitleToolTip(view->GetPedigreeTitleHint());
            view->Pedigree()->LayoutFormBoxes();
        } else if (!pedigree && view->CoverSheet()) {
            view->CoverSheet()->SetTitleToolTip(view->GetCoverSheetTitleHint());
            view->CoverSheet()->LayoutFormBoxes();
        }
    };
    return form;
}

bool CBioRegRecordBoxCommands::CoverSheetTitle(CCmnFormBoxEvent *event)
{
    return SubjectTitleLikeBox(event, SubjectForm(false), QStringLiteral("CoverSheet_TitleBoxProperties"), nullptr);
}

bool CBioRegRecordBoxCommands::CoverSheetReverse(CCmnFormBoxEvent *event)
{
    return SubjectTitleLikeBox(event, SubjectForm(false), QStringLiteral("CoverSheet_ReverseBoxProperties"),
                               &CBioRegThemedFormInterface::EditCoverSheetReverseSettings);
}

bool CBioRegRecordBoxCommands::CoverSheetFlap(CCmnFormBoxEvent *event)
{
    return SubjectTitleLikeBox(event, SubjectForm(false), QStringLiteral("CoverSheet_FlapBoxProperties"),
                               &CBioRegThemedFormInterface::EditCoverSheetFlapSettings);
}

bool CBioRegRecordBoxCommands::CoverSheetPic(CCmnFormBoxEvent *event)
{
    return SubjectPic(event, SubjectForm(false), false, QStringLiteral("CoverSheet_PicBoxProperties"));
}

bool CBioRegRecordBoxCommands::PedigreeTitle(CCmnFormBoxEvent *event)
{
    return SubjectTitleLikeBox(event, SubjectForm(true), QStringLiteral("Pedigree_TitleBoxProperties"), nullptr);
}

bool CBioRegRecordBoxCommands::PedigreeDetails(CCmnFormBoxEvent *event)
{
    return SubjectDetails(event, SubjectForm(true), QStringLiteral("Pedigree_DetailsBoxProperties"));
}

bool CBioRegRecordBoxCommands::PedigreePic(CCmnFormBoxEvent *event)
{
    return SubjectPic(event, SubjectForm(true), true, QStringLiteral("Pedigree_PicBoxProperties"));
}

bool CBioRegRecordBoxCommands::SubjectTitleLikeBox(CCmnFormBoxEvent *event, const CSubjectForm &form,
                                                   const QString &settingsRole,
                                                   bool (CBioRegThemedFormInterface::*pressSettings)(const QPoint &))
{
    if (!RecordBoxEventKnown(event))
        return false;
    const QPoint position = event->ScreenPosition();
    const QString animal = GetBioTerm(kBioTermAnimal);
    if (event->m_Kind == CCmnFormBoxEvent::MousePress) {
        if (pressSettings) {
            if (form.m_Subject < 1)
                return false;
            (void)(m_View.*pressSettings)(position);
        } else if (form.m_Subject < 1) {
            StartNewForm(position, form);
        } else {
            (void)m_View.EditAnimal(position, animal, form.m_Subject, QString());
        }
        return true;
    }
    CBioRegBoxMenu menu(m_View, position);
    AddEditSubjectEntry(menu, form.m_Subject);
    menu.AddMirrored(RecordBoxEntryText(QStringLiteral("New %1...").arg(animal)), form.m_NewRole);
    menu.AddSeparator();
    menu.AddMirrored(RecordBoxEntryText(QStringLiteral("Delete This %1...").arg(animal)), form.m_DeleteRole);
    menu.AddSeparator();
    menu.AddMirrored(RecordBoxEntryText(QStringLiteral("Check This %1...").arg(animal)), form.m_CheckRole);
    menu.AddSeparator();
    menu.AddCommand(settingsRole);
    if (menu.Exec(true) == RecordBoxEdit)
        (void)m_View.EditAnimal(position, animal, form.m_Subject, QString());
    return true;
}

void CBioRegRecordBoxCommands::AddEditSubjectEntry(CBioRegBoxMenu &menu, qint32 subject) const
{
    if (subject >= 1 && m_View.BioReg())
        menu.AddOwn(RecordBoxEdit,
                    RecordBoxEntryText(QStringLiteral("Edit %1...").arg(m_View.BioReg()->RecordDisplayName(subject))));
}

bool CBioRegRecordBoxCommands::SubjectDetails(CCmnFormBoxEvent *event, const CSubjectForm &form,
                                              const QString &settingsRole)
{
    if (!RecordBoxEventKnown(event))
        return false;
    const QPoint position = event->ScreenPosition();
    const QString animal = GetBioTerm(kBioTermAnimal);
    if (event->m_Kind == CCmnFormBoxEvent::MousePress) {
        if (form.m_Subject < 1)
            return false;
        (void)m_View.EditAnimal(position, animal, form.m_Subject, QString());
        return true;
    }
    CBioRegBoxMenu menu(m_View, position);
    AddEditSubjectEntry(menu, form.m_Subject);
    menu.AddCommand(form.m_NewRole);
    menu.AddCommand(form.m_DeleteRole);
    menu.AddSeparator();
    menu.AddCommand(form.m_CheckRole);
    menu.AddSeparator();
    menu.AddCommand(settingsRole);
    if (menu.Exec(true) == RecordBoxEdit)
        (void)m_View.EditAnimal(position, animal, form.m_Subject, QString());
    return true;
}

bool CBioRegRecordBoxCommands::SubjectPic(CCmnFormBoxEvent *event, const CSubjectForm &form, bool withDeleteAndCheck,
                                          const QString &settingsRole)
{
    if (!RecordBoxEventKnown(event))
        return false;
    const QPoint position = event->ScreenPosition();
    const QString animal = GetBioTerm(kBioTermAnimal);
    const QString photoTab = QStringLiteral("Photo");
    if (event->m_Kind == CCmnFormBoxEvent::MousePress) {
        if (form.m_Subject < 1)
            return false;
        (void)m_View.EditAnimal(position, animal, form.m_Subject, photoTab);
        return true;
    }
    CBioRegBoxMenu menu(m_View, position);
    if (form.m_Subject >= 1 && m_View.BioReg())
        menu.AddOwn(RecordBoxPhoto,
                    PhotoEntry(form.m_Subject, m_View.BioReg()->RecordDisplayName(form.m_Subject)));
    menu.AddCommand(form.m_NewRole);
    if (withDeleteAndCheck) {
        menu.AddCommand(form.m_DeleteRole);
        menu.AddSeparator();
        menu.AddCommand(form.m_CheckRole);
    }
    menu.AddSeparator();
    menu.AddCommand(settingsRole);
    if (menu.Exec(true) == RecordBoxPhoto)
        (void)m_View.EditAnimal(position, animal, form.m_Subject, photoTab);
    return true;
}

bool CBioRegRecordBoxCommands::TrialMatingTitle(CCmnFormBoxEvent *event)
{
    if (!RecordBoxEventKnown(event))
        return false;
    const QPoint position = event->ScreenPosition();
    if (event->m_Kind == CCmnFormBoxEvent::MousePress) {
        SetTrialMatingParents(position);
        return true;
    }
    const qint32 sire = std::max(m_View.TrialMatingStickyState()->m_SireRecNo, 0);
    const qint32 dam = std::max(m_View.TrialMatingStickyState()->m_DamRecNo, 0);
    const QString sireWord = GetBioTerm(kBioTermSire);
    const QString damWord = GetBioTerm(kBioTermDam);
    CBioRegBoxMenu menu(m_View, position);
    const auto addParent = [&](qint32 recordId, qint32 entry, const QString &word, const QString &newRole) {
        if (recordId >= 1 && m_View.BioReg())
            menu.AddOwn(entry, RecordBoxEntryText(QStringLiteral("Edit %1 - %2...")
                                                      .arg(word, m_View.BioReg()->RecordDisplayName(recordId))));
        menu.AddMirrored(RecordBoxEntryText(QStringLiteral("New %1...").arg(word)), newRole);
        menu.AddSeparator();
    };
    addParent(sire, RecordBoxEditSire, sireWord, QStringLiteral("TrialMating_NewSireRecord"));
    addParent(dam, RecordBoxEditDam, damWord, QStringLiteral("TrialMating_NewDamRecord"));
    menu.AddMirrored(QStringLiteral("Check For Errors..."), QStringLiteral("TrialMating_CheckRecord"));
    menu.AddSeparator();
    menu.AddCommand(QStringLiteral("TrialMating_TitleBoxProperties"));
    const qint32 chosen = menu.Exec(true);
    if (chosen == RecordBoxEditSire)
        (void)m_View.EditAnimal(position, sireWord, sire, QString());
    else if (chosen == RecordBoxEditDam)
        (void)m_View.EditAnimal(position, damWord, dam, QString());
    return true;
}

bool CBioRegRecordBoxCommands::TrialMatingParentPic(CCmnFormBoxEvent *event, qint32 which, qint32 term,
                                                    const QString &newRole, const QString &settingsRole)
{
    if (!RecordBoxEventKnown(event))
        return false;
    const QPoint position = event->ScreenPosition();
    const qint32 recordId = std::max(
        which == 2 ? m_View.TrialMatingStickyState()->m_DamRecNo : m_View.TrialMatingStickyState()->m_SireRecNo, 0);
    const QString word = GetBioTerm(term);
    const QString photoTab = QStringLiteral("Photo");
    if (event->m_Kind == CCmnFormBoxEvent::MousePress) {
        if (recordId < 1)
            return false;
        (void)m_View.EditAnimal(position, word, recordId, photoTab);
        return true;
    }
    CBioRegBoxMenu menu(m_View, position);
    if (recordId >= 1 && m_View.BioReg())
        menu.AddOwn(RecordBoxPhoto,
                    PhotoEntry(recordId, QStringLiteral("%1 - %2").arg(word, m_View.BioReg()->RecordDisplayName(recordId))));
    menu.AddCommand(newRole);
    menu.AddSeparator();
    menu.AddMirrored(RecordBoxEntryText(QStringLiteral("%1 %2 Settings...").arg(word, QStringLiteral("Photo"))),
                     settingsRole);
    if (menu.Exec(true) == RecordBoxPhoto)
        (void)m_View.EditAnimal(position, word, recordId, photoTab);
    return true;
}

bool CBioRegRecordBoxCommands::TrialMatingParentDetails(CCmnFormBoxEvent *event, qint32 recordId, qint32 term,
                                                        const QString &settingsRole)
{
    if (!RecordBoxEventKnown(event))
        return false;
    const QPoint position = event->ScreenPosition();
    const QString word = GetBioTerm(term);
    if (event->m_Kind == CCmnFormBoxEvent::MousePress) {
        if (recordId < 1)
            return false;
        (void)m_View.EditAnimal(position, word, recordId, QString());
        return true;
    }
    CBioRegBoxMenu menu(m_View, position);
    if (recordId >= 1 && m_View.BioReg()) {
        menu.AddOwn(RecordBoxEdit, RecordBoxEntryText(QStringLiteral("Edit %1 - %2...")
                                                          .arg(word, m_View.BioReg()->RecordDisplayName(recordId))));
        menu.AddSeparator();
    }
    menu.AddCommand(settingsRole);
    if (menu.Exec(true) == RecordBoxEdit)
        (void)m_View.EditAnimal(position, word, recordId, QString());
    return true;
}

QString CBioRegRecordBoxCommands::PhotoEntry(qint32 recordId, const QString &forWhom) const
{
    // Loaded to decide: a photo that cannot be read is as good as none.
    bool picture = false;
    if (CBioRegRecord *record = m_View.BioReg()->GetBioRecord(recordId)) {
        record->m_Photo.EnsureLoaded();
        picture = record->m_Photo.HasPixmap();
    }
    const QString text = picture ? QStringLiteral("Update %1 For %2...") : QStringLiteral("Set %1 For %2...");
    return RecordBoxEntryText(text.arg(QStringLiteral("Photo"), forWhom));
}

void CBioRegRecordBoxCommands::StartNewForm(const QPoint &position, const CSubjectForm &form)
{
    const QSharedPointer<CBioReg> &reg = m_View.BioReg();
    if (!reg)
        return;
    qint32 chosen = 0;
    if (reg->GetRecordCount() == 0) {
        chosen = m_View.AddNewRecord(position, 0);
    } else {
        CCmnSystemSettings *settings = CmnGetSystemSettings();
        const qint32 remembered = settings->GetDontAskAgainResult(kRecordBoxSelectOrAddMessageId);
        CCmnMessageBoxOptions options;
        options.m_MessageId = kRecordBoxSelectOrAddMessageId;
        options.m_Position = position;
        const QString animal = GetBioTerm(kBioTermAnimal);
        const qint32 answer = AskTwoChoicesOrCancel(
            QMessageBox::Question, 0, m_View.GetWidget(), form.m_NewFormTitle,
            form.m_NewFormQuestion.arg(GetBioTerm(kBioTermAnimal, BioTermLowerCase)), &options,
            RecordBoxEntryText(QStringLiteral("Select Existing %1").arg(animal)),
            RecordBoxEntryText(QStringLiteral("Add New %1").arg(animal)));
        if (settings->GetDontAskAgainResult(kRecordBoxSelectOrAddMessageId) != remembered)
            form.m_RefreshTitleHint();
        if (answer == QMessageBox::Yes)
            chosen = CBioRegRecordCommands(reg.data()).SelectRecord(m_View.GetWidget(), position, 0, 0);
        else if (answer == QMessageBox::No)
            chosen = m_View.AddNewRecord(position, 0);
        else
            return;
    }
    if (chosen >= 1)
        form.m_SetSubject(chosen);
}

void CBioRegRecordBoxCommands::SetTrialMatingParents(const QPoint &position)
{
    const QSharedPointer<CBioReg> &reg = m_View.BioReg();
    if (!reg)
        return;
    const QString sire = GetBioTerm(kBioTermSire);
    const QString dam = GetBioTerm(kBioTermDam);
    CCmnMessageBoxOptions options;
    options.m_Position = position;
    const CCmnMessageBoxButton selectSire(RecordBoxEntryText(QStringLiteral("Select %1").arg(sire)),
                                          QMessageBox::Open, QMessageBox::AcceptRole, true);
    const CCmnMessageBoxButton addSire(RecordBoxEntryText(QStringLiteral("Add New %1").arg(sire)),
                                       QMessageBox::Yes, QMessageBox::AcceptRole);
    const CCmnMessageBoxButton selectDam(RecordBoxEntryText(QStringLiteral("Select %1").arg(dam)), QMessageBox::Save,
                                         QMessageBox::AcceptRole);
    const CCmnMessageBoxButton addDam(RecordBoxEntryText(QStringLiteral("Add New %1").arg(dam)),
                                      QMessageBox::No, QMessageBox::AcceptRole);
    const CCmnMessageBoxButton cancel(QString(), QMessageBox::Cancel, QMessageBox::RejectRole);
    const qint32 answer = AskWithButtons(
        QMessageBox::Question, m_View.GetWidget(), QStringLiteral("Set Trial Mating Parents"),
        QStringLiteral("Do you want to:<br/>- <b>Select</b> an existing %1/%2<br/>- <b>Add</b> a completely "
                       "<b>New</b> %1/%2?")
            .arg(CmnHtmlEscape(sire), CmnHtmlEscape(dam)),
        &options, &selectSire, &addSire, &selectDam, &addDam, &cancel);
    // No menu is shown here, so these windows take their own placement.
    const QPoint at = m_View.MenuPosition();
    CBioRegRecordCommands commands(reg.data());
    qint32 which = 0;
    qint32 chosen = 0;
    if (answer == QMessageBox::Open) {
        which = 1;
        chosen = commands.SelectRecord(m_View.GetWidget(), at,
                                       std::max(m_View.TrialMatingStickyState()->m_SireRecNo, 0), 1);
    } else if (answer == QMessageBox::Yes) {
        which = 1;
        chosen = m_View.AddNewRecord(at, 1);
    } else if (answer == QMessageBox::Save) {
        which = 2;
        chosen = commands.SelectRecord(m_View.GetWidget(), at,
                                       std::max(m_View.TrialMatingStickyState()->m_DamRecNo, 0), 2);
    } else if (answer == QMessageBox::No) {
        which = 2;
        chosen = m_View.AddNewRecord(at, 2);
    }
    if (chosen >= 1)
        m_View.SetTrialMatingParent(which, chosen);
}
