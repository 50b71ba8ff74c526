#include "bioregrecordcommands.h"

#include "bioreg.h"
#include "bioregrecord.h"
#include "bioregrecordpictab.h"
#include "bioregrecordselectdialog.h"
#include "bioregrecordtabdialog.h"
#include "bioterminology.h"
#include "cmnhtmlescape.h"
#include "cmnmessageboxes.h"
#include "cmnpicctrl.h"
#include "cmntext.h"

#include <QDialog>

namespace {

const QString kGeneralTab = QStringLiteral("General");

// Why a sire or dam may not be the child or one of its descendants.
const QString kAncestorLoopReason = QStringLiteral("it would cause an ancestor to be descended from itself");

// A user's word in a button text, where "&" would mark a mnemonic.
QString ButtonTerm(int term, int flags = 0)
{
    return CmnMnemonicSafe(GetBioTerm(term, flags));
}

// A user's word in a rich-text message.
QString HtmlTerm(int term, int flags = 0)
{
    return CmnHtmlEscape(GetBioTerm(term, flags));
}

CCmnMessageBoxOptions PlacedAt(const QPoint &position)
{
    CCmnMessageBoxOptions options;
    options.m_Position = position;
    return options;
}

// Plain text as a rich-text paragraph, its line feeds kept as line breaks.
QString PlainParagraph(const QString &text)
{
    return QStringLiteral("<p>") + CmnHtmlEscapeChars(text, true) + QStringLiteral("</p>");
}

} // namespace

CBioRegRecordCommands::CBioRegRecordCommands(CBioReg *reg) : m_Reg(reg) {}

QString CBioRegRecordCommands::AncestorLoopReason()
{
    return kAncestorLoopReason;
}

CBioRegRecordCommands::~CBioRegRecordCommands()
{
    if (m_Reg)
        m_Reg->RemoveLayoutPreview(this);
}

void CBioRegRecordCommands::InstallLayoutPreview()
{
    if (!m_Reg)
        return;
    m_Reg->SetLayoutPreview(this, [this](bool details, QWidget *parent) { PreviewLayout(details, parent); });
}

bool CBioRegRecordCommands::RunRecordWindow(QWidget *parent, const QPoint &position, const QString &title,
                                            const QString &tabName, int recordId, CBioRegRecord &record,
                                            bool sexFixed, bool &photoAdded)
{
    CBioRegRecordTabDialog dialog(position, !sexFixed, m_Reg, parent);
    dialog.setWindowTitle(title);
    dialog.SetInitialName(tabName);
    dialog.m_RecordId = recordId;
    dialog.m_RecordCopy = record;
    if (dialog.Exec() != QDialog::Accepted)
        return false;
    record = dialog.m_RecordCopy;
    photoAdded = dialog.PhotoTab() && dialog.PhotoTab()->PhotoAdded();
    return true;
}

CBioRegEditResult CBioRegRecordCommands::EditRecordInDialog(QWidget *parent, const QPoint &position,
                                                            const QString &title, const QString &tabName,
                                                            int recordId, CBioRegRecord &record,
                                                            const QString &useMatchingText,
                                                            const QString &letMeSelectText,
                                                            const QString &acceptAsIsText,
                                                            const QString &reEditText, bool sexFixed,
                                                            const QVector<int> &refusedIds)
{
    if (!m_Reg)
        return {};
    const QString initialTab = tabName.isEmpty() ? kGeneralTab : tabName;
    bool photoAdded = false;
    if (!RunRecordWindow(parent, position, title, initialTab, recordId, record, sexFixed, photoAdded))
        return {};
    // A window opened on another page, such as the photo, leaves the name as it was.
    while (initialTab == kGeneralTab) {
        const QVector<int> matches = m_Reg->FindNameMatches(record.m_Name, recordId);
        if (matches.isEmpty())
            break;
        const QString question =
            QStringLiteral("<p>Is this %1 already in your file? The following matching %2 were found:</p>"
                           "<p><small>%3</small></p>")
                .arg(HtmlTerm(kBioTermAnimal, BioTermLowerCase),
                     HtmlTerm(kBioTermAnimal, BioTermPlural | BioTermLowerCase), m_Reg->MatchingRecordsHtml(matches));
        const QString openText = matches.size() == 1 ? useMatchingText : letMeSelectText;
        const CCmnMessageBoxButton open(openText, QMessageBox::Open, QMessageBox::YesRole);
        const CCmnMessageBoxButton acceptAsIs(acceptAsIsText, QMessageBox::Yes, QMessageBox::YesRole);
        const CCmnMessageBoxButton reEdit(reEditText, QMessageBox::No, QMessageBox::NoRole);
        const CCmnMessageBoxButton cancel(QString(), QMessageBox::Cancel, QMessageBox::RejectRole);
        const CCmnMessageBoxOptions options = PlacedAt(position);
        const qint32 answer =
            openText.isEmpty()
                ? AskWithButtons(QMessageBox::Question, parent, title, question, &options, &acceptAsIs, &reEdit,
                                 &cancel)
                : AskWithButtons(QMessageBox::Question, parent, title, question, &options, &open, &acceptAsIs,
                                 &reEdit, &cancel);
        if (answer == QMessageBox::Open) {
            if (matches.size() > 1)
                return {false, -matches.first()};
            if (!refusedIds.contains(matches.first()))
                return {false, matches.first()};
            ShowRememberedMessage(QMessageBox::Warning, parent, title,
                                  CCmnRegRecordSelectDialog::RefusalText(kAncestorLoopReason), &options);
            continue;
        }
        if (answer == QMessageBox::Yes)
            break;
        if (answer != QMessageBox::No)
            return {};
        if (!RunRecordWindow(parent, position, title, initialTab, recordId, record, sexFixed, photoAdded))
            return {};
    }
    if (photoAdded) {
        CmnShowPhotoCropWarning(parent, position, QStringLiteral("design_croppingpics.html"),
                                QStringLiteral("a %1 for the %2")
                                    .arg(QStringLiteral("photo"), GetBioTerm(kBioTermAnimal, BioTermLowerCase)),
                                QStringLiteral("the box in which it is displayed"));
    }
    return {true, 0};
}

int CBioRegRecordCommands::AddNewRecord(QWidget *parent, const QPoint &position, int sex)
{
    if (!m_Reg)
        return 0;
    CBioRegRecord record(m_Reg);
    record.m_Sex = sex;
    const CBioRegEditResult result = EditRecordInDialog(
        parent, position, QStringLiteral("New %1").arg(GetBioTerm(kBioTermAnimal)), QString(), 0, record, QString(),
        QString(), QStringLiteral("Add New %1 As Is").arg(ButtonTerm(kBioTermAnimal)),
        QStringLiteral("Change The Name Of The New %1").arg(ButtonTerm(kBioTermAnimal)), sex != 0);
    return result.m_Accepted ? m_Reg->StoreNewRecord(record) : 0;
}

int CBioRegRecordCommands::AddNewParentRecord(QWidget *parent, const QPoint &position, int sex, int childId)
{
    if (!m_Reg)
        return 0;
    const int parentTerm = sex == 1 ? kBioTermSire : kBioTermDam;
    const QString parentWord = GetBioTerm(parentTerm);
    const QString title = QStringLiteral("New %1").arg(parentWord);
    const QString selectTitle = QStringLiteral("Select %1").arg(parentWord);
    // An animal cannot be its own ancestor: the child and all below it are refused.
    const QVector<int> refused = m_Reg->GetDescendants(childId, true);
    CBioRegRecord record(m_Reg);
    record.m_Sex = sex;
    const CBioRegEditResult result = EditRecordInDialog(
        parent, position, title, QString(), 0, record,
        QStringLiteral("Use Matching %1 Above As %2").arg(ButtonTerm(kBioTermAnimal), ButtonTerm(parentTerm)),
        QStringLiteral("Let Me Select The %1 From The Existing Matching %2")
            .arg(ButtonTerm(parentTerm), ButtonTerm(kBioTermAnimal, BioTermPlural)),
        QStringLiteral("Add New %1 As Is").arg(ButtonTerm(parentTerm)),
        QStringLiteral("Re-Edit New %1").arg(ButtonTerm(parentTerm)), true, refused);
    if (result.m_Accepted)
        return m_Reg->StoreNewRecord(record);

    int id = result.m_RecordId;
    if (id < 0) {
        CBioRegRecordSelectDialog dialog(position, m_Reg, parent);
        dialog.setWindowTitle(selectTitle);
        dialog.m_ChosenId = -id;
        const CBioRegRecord *first = m_Reg->GetBioRecord(-id);
        if (first && first->m_Sex == sex)
            dialog.m_SexFilter = sex;
        dialog.SetUnusableRecords(refused, kAncestorLoopReason);
        if (dialog.Exec() != QDialog::Accepted)
            return 0;
        id = dialog.m_ChosenId;
    }
    const CBioRegRecord *chosen = id > 0 ? m_Reg->GetBioRecord(id) : nullptr;
    if (!chosen)
        return 0;
    if (chosen->m_Sex == sex)
        return id;

    const QString question =
        QStringLiteral("<p>The selected %1, '%2', is not %3, which doesnt make sense if its to be used as a %4.</p>"
                       "<p>If you are sure about this, %2 will be also be changed to be %3.</p>"
                       "<p>Do you want to proceed?</p>")
            .arg(HtmlTerm(kBioTermAnimal), CmnHtmlEscape(m_Reg->RecordDisplayName(id)),
                 HtmlTerm(sex == 1 ? kBioTermMale : kBioTermFemale, BioTermLowerCase),
                 HtmlTerm(parentTerm, BioTermLowerCase));
    const CCmnMessageBoxOptions options = PlacedAt(position);
    if (AskOkCancel(QMessageBox::Question, false, parent, selectTitle, question, &options) != QMessageBox::Ok)
        return 0;
    CBioRegRecord changed(*chosen);
    changed.m_Sex = sex;
    m_Reg->StoreChangedRecord(id, changed);
    return id;
}

bool CBioRegRecordCommands::EditRecord(QWidget *parent, const QPoint &position, const QString &title,
                                       int recordId, const QString &tabName)
{
    const CBioRegRecord *stored = m_Reg ? m_Reg->GetBioRecord(recordId) : nullptr;
    if (!stored)
        return false;
    CBioRegRecord record(*stored);
    const CBioRegEditResult result =
        EditRecordInDialog(parent, position, title, tabName, recordId, record, QString(), QString(),
                           QStringLiteral("Continue Anyway"), QStringLiteral("Re-Edit Changes"), false);
    if (!result.m_Accepted)
        return false;
    m_Reg->StoreChangedRecord(recordId, record);
    return true;
}

int CBioRegRecordCommands::SelectRecord(QWidget *parent, const QPoint &position, int preselectedId, int sexFilter)
{
    if (!m_Reg)
        return 0;
    CBioRegRecordSelectDialog dialog(position, m_Reg, parent);
    dialog.setWindowTitle(QStringLiteral("Select %1").arg(GetBioTerm(kBioTermAnimal)));
    dialog.m_ChosenId = preselectedId;
    if (sexFilter == 1 || sexFilter == 2) {
        const CBioRegRecord *preselected = m_Reg->GetBioRecord(preselectedId);
        if (preselectedId < 1 || (preselected && preselected->m_Sex == sexFilter))
            dialog.m_SexFilter = sexFilter;
    }
    if (dialog.Exec() != QDialog::Accepted)
        return 0;
    return dialog.m_ChosenId;
}

bool CBioRegRecordCommands::DeleteRecordWithConfirmation(QWidget *parent, const QPoint &position, int recordId,
                                                         const QString &title, qint32 messageId,
                                                         const QString &question)
{
    const CBioRegRecord *record = recordId >= 1 && m_Reg ? m_Reg->GetBioRecord(recordId) : nullptr;
    if (!record)
        return false;
    const QString text = PlainParagraph(question.arg(GetBioTerm(kBioTermAnimal, BioTermLowerCase), record->GetName()));
    CCmnMessageBoxOptions options = PlacedAt(position);
    options.m_InformativeText = PlainParagraph(
        QStringLiteral("Note that when you delete a %1, this does not delete its ancestors - they will remain in "
                       "your data file and will remain as ancestors of any other %2 from which they are "
                       "descended.")
            .arg(GetBioTerm(kBioTermAnimal, BioTermLowerCase),
                 GetBioTerm(kBioTermAnimal, BioTermPlural | BioTermLowerCase)));
    qint32 answer = QMessageBox::No;
    if (messageId > 0) {
        options.m_MessageId = messageId;
        answer = AskYesNoCancel(QMessageBox::Question, 1, parent, title, text, &options);
    } else {
        answer = AskYesNo(QMessageBox::Question, true, parent, title, text, &options);
    }
    return answer == QMessageBox::Yes && m_Reg->DeleteRecordAndNotify(recordId);
}

void CBioRegRecordCommands::PreviewLayout(bool details, QWidget *parent)
{
    if (!m_Reg)
        return;
    QPoint position(-1, -1);
    if (parent) {
        QWidget *base = parent->parentWidget() ? parent->parentWidget() : parent;
        const QWidget *window = base->window();
        position = window->mapToGlobal(window->rect().center());
    }
    if (details) {
        CBioRegRecordTabDialog dialog(position, true, m_Reg, parent);
        dialog.setWindowTitle(QStringLiteral("Test of %1 Details Layout").arg(GetBioTerm(kBioTermAnimal)));
        dialog.SetStandardButtons(QDialogButtonBox::Cancel);
        (void)dialog.Exec();
    } else {
        CBioRegRecordSelectDialog dialog(position, m_Reg, parent);
        dialog.setWindowTitle(QStringLiteral("Test of Select %1 Layout").arg(GetBioTerm(kBioTermAnimal)));
        dialog.SetStandardButtons(QDialogButtonBox::Cancel);
        (void)dialog.Exec();
    }
}
