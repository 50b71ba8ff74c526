#include "bioregancestorcellcommands.h"

#include "bioreg.h"
#include "bioregboxmenu.h"
#include "bioregrecord.h"
#include "bioregrecordcommands.h"
#include "bioregrecordselectdialog.h"
#include "bioregthemedforminterface.h"
#include "bioregthemedformwithancestrypanels.h"
#include "bioterminology.h"
#include "cmnformboxevent.h"
#include "cmngeometrykeeper.h"
#include "cmnhtmlescape.h"
#include "cmnmessageboxbutton.h"
#include "cmnmessageboxes.h"
#include "cmnmessageboxoptions.h"
#include "cmntext.h"

#include <QMessageBox>

namespace {

// Remembers "OK" to removing a parent; the deletion offered after it has its own.
constexpr qint32 kCellRemoveParentMessageId = 205;
constexpr qint32 kCellDeleteRemovedMessageId = 202;

enum ECellEntry : qint32 { CellEdit, CellDisplayPedigree, CellSelect, CellNew, CellRemove };

bool CellEventKnown(const CCmnFormBoxEvent *event)
{
    return event->m_Kind == CCmnFormBoxEvent::MousePress || event->m_Kind == CCmnFormBoxEvent::ContextMenu;
}

QString ParentWord(qint32 which, int flags = 0)
{
    return GetBioTerm(which == 1 ? kBioTermSire : kBioTermDam, flags);
}

CCmnMessageBoxOptions CellQuestionAt(const QPoint &position)
{
    CCmnMessageBoxOptions options;
    options.m_Position = position;
    return options;
}

} // namespace

CBioRegAncestorCellCommands::CBioRegAncestorCellCommands(CBioRegThemedFormInterface &view) : m_View(view) {}

qint32 CBioRegAncestorCellCommands::CellAnimal(qint32 panelBoxId, qint32 childId, qint32 which,
                                               qint32 generation) const
{
    const QSharedPointer<CBioReg> &reg = m_View.BioReg();
    if (!reg)
        return 0;
    if (childId >= 1) {
        const CBioRegRecord *child = reg->GetBioRecord(childId);
        return child ? (which == 1 ? child->m_Sire : child->m_Dam) : 0;
    }
    if (IsRootParent(panelBoxId, generation))
        return m_View.FormWithAncestryPanels()->GetRootParentRecNo(panelBoxId, which);
    return 0;
}

bool CBioRegAncestorCellCommands::IsRootParent(qint32 panelBoxId, qint32 generation) const
{
    const auto &form = m_View.FormWithAncestryPanels();
    return generation == 0 && form && !form->PanelHasRecordRoot(panelBoxId);
}

bool CBioRegAncestorCellCommands::CanChooseExisting(qint32 childId, bool rootParent) const
{
    if (rootParent)
        return true;
    const QSharedPointer<CBioReg> &reg = m_View.BioReg();
    return childId >= 1 && reg && reg->GetDescendants(childId, true).size() < reg->GetRecordCount();
}

bool CBioRegAncestorCellCommands::SetCellParent(qint32 panelBoxId, qint32 childId, qint32 which, qint32 parentId)
{
    if (childId >= 1)
        return m_View.BioReg()->SetParent(childId, which, parentId);
    // Held: setting the trial mating's parent refreshes the view.
    const QSharedPointer<CBioRegThemedFormWithAncestryPanels> form = m_View.FormWithAncestryPanels();
    return form && form->SetRootParentRecNo(panelBoxId, which, parentId);
}

void CBioRegAncestorCellCommands::AddSettingsCommands(CBioRegBoxMenu &menu, qint32 generation) const
{
    if (generation >= 0)
        menu.AddCommand(QStringLiteral("ThemedFormWithAncestryPanels_SpecificGenOfGensProperties%1").arg(generation));
    menu.AddCommand(QStringLiteral("ThemedFormWithAncestryPanels_SpecificGensProperties"));
    menu.AddCommand(QStringLiteral("ThemedFormWithAncestryPanels_CellDefaultProperties"));
    menu.AddCommand(QStringLiteral("ThemedFormWithAncestryPanels_PanelProperties"));
}

bool CBioRegAncestorCellCommands::CellEvent(CCmnFormBoxEvent *event, qint32 panelBoxId, qint32 childId, qint32 which,
                                            qint32 generation)
{
    if (!CellEventKnown(event) || !m_View.BioReg())
        return false;
    const QPoint position = event->ScreenPosition();
    const bool rootParent = IsRootParent(panelBoxId, generation);
    const qint32 animal = CellAnimal(panelBoxId, childId, which, generation);
    if (event->m_Kind == CCmnFormBoxEvent::MousePress) {
        if (animal >= 1)
            PressOnAncestor(position, panelBoxId, childId, which, animal, rootParent);
        else if (childId < 1 && !rootParent)
            return false;
        else
            PressOnEmptyCell(position, panelBoxId, childId, which);
        return true;
    }

    const QString word = ParentWord(which);
    CBioRegBoxMenu menu(m_View, position);
    if (animal >= 1) {
        const QString name = m_View.BioReg()->RecordDisplayName(animal);
        menu.AddOwn(CellEdit, CmnMnemonicSafe(QStringLiteral("Edit %1 - %2...").arg(word, name)));
        if (m_View.Pedigree())
            menu.AddOwn(CellDisplayPedigree, CmnMnemonicSafe(QStringLiteral("Display %1 Of %2 - %3")
                                                                  .arg(QStringLiteral("Pedigree"), word, name)));
        menu.AddSeparator();
        menu.AddOwn(CellSelect, CmnMnemonicSafe(QStringLiteral("Select Different (Existing) %1...").arg(word)));
        menu.AddOwn(CellNew, CmnMnemonicSafe(QStringLiteral("New %1...").arg(word)));
        if (!rootParent)
            menu.AddOwn(CellRemove, CmnMnemonicSafe(QStringLiteral("Remove %1 - %2...").arg(word, name)));
    } else if (childId >= 1 || rootParent) {
        if (CanChooseExisting(childId, rootParent))
            menu.AddOwn(CellSelect, CmnMnemonicSafe(QStringLiteral("Select %1...").arg(word)));
        menu.AddOwn(CellNew, CmnMnemonicSafe(QStringLiteral("New %1...").arg(word)));
    }
    if (!menu.IsEmpty())
        menu.AddSeparator();
    AddSettingsCommands(menu, generation);
    switch (menu.Exec(false)) {
    case CellDisplayPedigree:
        m_View.SetPedigreeSubject(animal);
        break;
    case CellRemove:
        (void)RemoveCellParent(panelBoxId, position, animal, childId, which);
        break;
    case CellSelect:
        (void)SelectCellParent(panelBoxId, position, childId, which);
        break;
    case CellNew:
        (void)NewCellParent(panelBoxId, position, childId, which);
        break;
    case CellEdit:
        (void)m_View.EditAnimal(position, word, animal, QString());
        break;
    default:
        break;
    }
    return true;
}

void CBioRegAncestorCellCommands::PressOnAncestor(const QPoint &position, qint32 panelBoxId, qint32 childId,
                                                  qint32 which, qint32 ancestorId, bool rootParent)
{
    const QString word = ParentWord(which);
    const QString lower = CmnHtmlEscape(ParentWord(which, BioTermLowerCase));
    QString text = QStringLiteral("<p>%1: <b>%2</b></p>")
                       .arg(CmnHtmlEscape(word), CmnHtmlEscape(m_View.BioReg()->RecordDisplayName(ancestorId)));
    text += rootParent ? QStringLiteral("Do you want to:<br/>- <b>Edit</b> this %1<br/>- <b>Select</b> a different "
                                        "(existing) %1<br/>- <b>Add</b> a completely <b>New</b> %1?")
                                .arg(lower)
                       : QStringLiteral("Do you want to:<br/>- <b>Edit</b> this %1<br/>- <b>Select</b> a different "
                                        "(existing) %1<br/>- <b>Add</b> a completely <b>New</b> %1<br/>- or "
                                        "<b>Remove</b> the %1?")
                             .arg(lower);
    const CCmnMessageBoxOptions options = CellQuestionAt(position);
    const CCmnMessageBoxButton edit(QStringLiteral("Edit"), QMessageBox::Open, QMessageBox::YesRole, true);
    const CCmnMessageBoxButton select(QStringLiteral("Select"), QMessageBox::Yes, QMessageBox::YesRole);
    const CCmnMessageBoxButton addNew(QStringLiteral("Add New"), QMessageBox::Save, QMessageBox::YesRole);
    const CCmnMessageBoxButton remove(QStringLiteral("Remove"), QMessageBox::No, QMessageBox::NoRole);
    const CCmnMessageBoxButton cancel(QString(), QMessageBox::Cancel, QMessageBox::RejectRole);
    const qint32 answer =
        AskWithButtons(QMessageBox::Question, m_View.GetWidget(), QStringLiteral("Set %1").arg(word), text, &options,
                       &edit, &select, &addNew, rootParent ? &cancel : &remove, rootParent ? nullptr : &cancel);
    if (answer == QMessageBox::Open)
        (void)m_View.EditAnimal(position, word, ancestorId, QString());
    else if (answer == QMessageBox::Yes)
        (void)SelectCellParent(panelBoxId, position, childId, which);
    else if (answer == QMessageBox::Save)
        (void)NewCellParent(panelBoxId, position, childId, which);
    else if (answer == QMessageBox::No)
        (void)RemoveCellParent(panelBoxId, position, ancestorId, childId, which);
}

void CBioRegAncestorCellCommands::PressOnEmptyCell(const QPoint &position, qint32 panelBoxId, qint32 childId,
                                                   qint32 which)
{
    CBioReg &reg = *m_View.BioReg();
    // Records not recorded as female may be sires, records not recorded as male dams.
    qint32 candidates = reg.GetRecordCount() - qint32(reg.IndexListForSex(which == 1 ? 2 : 1).Entries().size());
    if (childId >= 1 && candidates == 1) {
        const CBioRegRecord *child = reg.GetBioRecord(childId);
        const bool childIsCandidate = child && (which == 1 ? child->m_Sex != 2 : child->m_Sex != 1);
        if (childIsCandidate)
            candidates = 0;
    }
    const bool allRelated = childId >= 1 && reg.GetDescendants(childId, true).size() >= reg.GetRecordCount();
    if (candidates < 1 || allRelated) {
        (void)NewCellParent(panelBoxId, position, childId, which);
        return;
    }
    const QString word = ParentWord(which);
    const CCmnMessageBoxOptions options = CellQuestionAt(position);
    const CCmnMessageBoxButton select(QStringLiteral("Select"), QMessageBox::Yes, QMessageBox::YesRole, true);
    const CCmnMessageBoxButton addNew(QStringLiteral("Add New"), QMessageBox::No, QMessageBox::YesRole);
    const CCmnMessageBoxButton cancel(QString(), QMessageBox::Cancel, QMessageBox::RejectRole);
    const qint32 answer = AskWithButtons(
        QMessageBox::Question, m_View.GetWidget(), QStringLiteral("Set %1").arg(word),
        QStringLiteral("Do you want to:<br/>- <b>Select</b> an existing %1 in your file<br/>OR<br/>- <b>Add</b> a "
                       "<b>New</b> %1?")
            .arg(CmnHtmlEscape(ParentWord(which, BioTermLowerCase))),
        &options, &select, &addNew, &cancel);
    if (answer == QMessageBox::Yes)
        (void)SelectCellParent(panelBoxId, position, childId, which);
    else if (answer == QMessageBox::No)
        (void)NewCellParent(panelBoxId, position, childId, which);
}

bool CBioRegAncestorCellCommands::SelectCellParent(qint32 panelBoxId, const QPoint &position, qint32 childId,
                                                   qint32 which)
{
    const QSharedPointer<CBioReg> reg = m_View.BioReg();
    if (!reg)
        return false;
    CBioRegRecordSelectDialog dialog(position, reg.data(), m_View.GetWidget());
    dialog.setWindowTitle(QStringLiteral("Select %1").arg(ParentWord(which)));
    if (childId >= 1) {
        const QVector<int> descendants = reg->GetDescendants(childId, true);
        dialog.SetUnusableRecords(QList<int>(descendants.begin(), descendants.end()),
                                  CBioRegRecordCommands::AncestorLoopReason());
        if (const CBioRegRecord *child = reg->GetBioRecord(childId))
            dialog.m_ChosenId = which == 1 ? child->m_Sire : child->m_Dam;
    }
    dialog.m_SexFilter = which == 1 ? 1 : 2;
    if (dialog.Exec() != QDialog::Accepted || dialog.m_ChosenId < 1)
        return false;
    return SetCellParent(panelBoxId, childId, which, dialog.m_ChosenId);
}

bool CBioRegAncestorCellCommands::NewCellParent(qint32 panelBoxId, const QPoint &position, qint32 childId,
                                                qint32 which)
{
    const QSharedPointer<CBioReg> reg = m_View.BioReg();
    if (!reg)
        return false;
    const qint32 parentId =
        CBioRegRecordCommands(reg.data()).AddNewParentRecord(m_View.GetWidget(), position, which, childId);
    if (parentId < 1)
        return false;
    // The name check may hand back an animal that exists already: never the
    // child or one of its descendants, which would become its own ancestor.
    if (childId >= 1 && reg->GetDescendants(childId, true).contains(parentId)) {
        const CCmnMessageBoxOptions options = CellQuestionAt(position);
        ShowRememberedMessage(QMessageBox::Warning, m_View.GetWidget(),
                              QStringLiteral("New %1").arg(ParentWord(which)),
                              CCmnRegRecordSelectDialog::RefusalText(CBioRegRecordCommands::AncestorLoopReason()),
                              &options);
        return false;
    }
    (void)SetCellParent(panelBoxId, childId, which, parentId);
    return true;
}

bool CBioRegAncestorCellCommands::RemoveCellParent(qint32 panelBoxId, const QPoint &position, qint32 ancestorId,
                                                   qint32 childId, qint32 which)
{
    const QSharedPointer<CBioReg> reg = m_View.BioReg();
    const CBioRegRecord *ancestor = reg && ancestorId >= 1 ? reg->GetBioRecord(ancestorId) : nullptr;
    if (!ancestor)
        return false;
    const QString word = ParentWord(which);
    const QString lower = ParentWord(which, BioTermLowerCase);
    const CBioRegRecord *child = childId >= 1 ? reg->GetBioRecord(childId) : nullptr;
    const QString question = child ? QStringLiteral("Do you want to remove the %1 '%2' of '%3'?")
                                         .arg(lower, ancestor->GetName(), child->GetName())
                                   : QStringLiteral("Do you want to remove the %1 '%2'?").arg(lower, ancestor->GetName());
    CCmnMessageBoxOptions options = CellQuestionAt(position);
    options.m_MessageId = kCellRemoveParentMessageId;
    options.m_InformativeText = CmnHtmlEscapedParagraph(
        QStringLiteral("Note that when you remove a %1, this does not delete the record from your data file. It will "
                       "remain in the file unless you also choose to delete it when asked.")
            .arg(lower));
    const QString title = QStringLiteral("Remove %1").arg(word);
    if (AskOkCancel(QMessageBox::Question, true, m_View.GetWidget(), title, CmnHtmlEscapedParagraph(question),
                    &options)
        != QMessageBox::Ok)
        return false;
    const bool removed = SetCellParent(panelBoxId, childId, which, 0);
    (void)CBioRegRecordCommands(reg.data())
        .DeleteRecordWithConfirmation(m_View.GetWidget(), position, ancestorId, title, kCellDeleteRemovedMessageId,
                                      word + QStringLiteral(" removed.\n\nDo you also want to permanently delete the "
                                                            "%1 named '%2' from your data file?"));
    return removed;
}

bool CBioRegAncestorCellCommands::GenerationBoxEvent(CCmnFormBoxEvent *event, qint32 generation)
{
    if (!CellEventKnown(event))
        return false;
    const QPoint position = event->ScreenPosition();
    if (event->m_Kind == CCmnFormBoxEvent::MousePress) {
        (void)m_View.EditAncestorCellGenOfGensSettings(position, generation);
        return true;
    }
    CBioRegBoxMenu menu(m_View, position);
    AddSettingsCommands(menu, generation);
    (void)menu.Exec(false);
    return true;
}

bool CBioRegAncestorCellCommands::PanelBoxEvent(CCmnFormBoxEvent *event)
{
    if (!CellEventKnown(event))
        return false;
    const QPoint position = event->ScreenPosition();
    if (event->m_Kind == CCmnFormBoxEvent::MousePress) {
        (void)m_View.EditAncestorCellDefaultSettings(position);
        return true;
    }
    CBioRegBoxMenu menu(m_View, position);
    AddSettingsCommands(menu, -1);
    (void)menu.Exec(false);
    return true;
}
