#include "bioreg.h"
#include "bioregrecord.h"
#include "bioregrecordcommands.h"
#include "bioregrecordgeneraltab.h"
#include "bioregrecordpictab.h"
#include "bioregrecordselectdialog.h"
#include "bioregrecordtabdialog.h"
#include "bioterminology.h"
#include "cmnappdescriptor.h"
#include "cmncombobox.h"
#include "cmndate.h"
#include "cmndialogbuttonbox.h"
#include "cmnframework.h"
#include "cmnlineedit.h"
#include "cmnlistview.h"
#include "cmnpicctrl.h"
#include "cmnregvaluekind.h"
#include "cmnsystemsettings.h"
#include "cmntabwidget.h"
#include "cmnwhatsthistexts.h"
#include "testdialogrunnerscope.h"
#include "testfilechooserscope.h"
#include "testmessageboxscope.h"
#include "testsettingsscope.h"
#include "usertexts.h"
#include "../reg/bioregtesting.h"

#include <QImage>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kRefusal =
    QStringLiteral("Sorry, this record cannot be used because it would cause an ancestor to be descended from itself.");

// What the register told its listeners, in order: "code:id" and "modified".
struct CNotifications
{
    explicit CNotifications(CBioReg &reg)
    {
        QObject::connect(&reg, &CCmnReg::RegRecordNotification, [this](CCmnReg *, int id, int code) {
            m_Seen.append(QStringLiteral("%1:%2").arg(code).arg(id));
        });
        QObject::connect(&reg, &CCmnReg::RegModified, [this](CCmnReg *) { m_Seen.append("modified"); });
    }
    QStringList m_Seen;
};

using TRecordWindowRunner = std::function<int(CBioRegRecordTabDialog &dialog)>;
using TSelectWindowRunner = std::function<int(CBioRegRecordSelectDialog &dialog)>;

// Answers the record windows in order: each answer may type a name and do more,
// then presses OK; a cancel answer, or none left, presses Cancel.
struct CRecordWindowScript
{
    struct CShown
    {
        QString m_Title;
        QString m_Tab;
        QString m_Name;
        int m_Sex = 0;
        bool m_SexEnabled = false;
        bool m_Accepted = false;
    };
    struct CAnswer
    {
        bool m_Ok = false;
        QString m_Name;
        std::function<void(CBioRegRecordTabDialog &)> m_More;
    };

    void Ok(const QString &name, std::function<void(CBioRegRecordTabDialog &)> more = {})
    {
        m_Answers.append({true, name, std::move(more)});
    }
    void Cancel() { m_Answers.append({false, QString(), {}}); }

    TRecordWindowRunner Runner()
    {
        return [this](CBioRegRecordTabDialog &dialog) {
            dialog.Prepare();
            CBioRegRecordGeneralTab *general = dialog.GeneralTab();
            CShown shown{dialog.windowTitle(), dialog.TabWidget()->tabText(dialog.TabWidget()->currentIndex()),
                         general->NameEdit()->text(), general->SexComboBox()->currentData().toInt(),
                         general->SexComboBox()->isEnabled()};
            shown.m_Tab.remove('&');
            const CAnswer answer = m_Answers.isEmpty() ? CAnswer() : m_Answers.takeFirst();
            if (answer.m_Ok) {
                if (!answer.m_Name.isNull())
                    general->NameEdit()->setText(answer.m_Name);
                if (answer.m_More)
                    answer.m_More(dialog);
                dialog.accept();
            } else {
                dialog.reject();
            }
            shown.m_Accepted = dialog.result() == QDialog::Accepted;
            m_Shown.append(shown);
            return dialog.result();
        };
    }

    QList<CAnswer> m_Answers;
    QList<CShown> m_Shown;
};

int CurrentId(const CBioRegRecordSelectDialog &dialog)
{
    const QModelIndex current = dialog.ListView()->currentIndex();
    return current.isValid() ? dialog.GetRecordIdAt(current.row()) : 0;
}

QStringList ButtonTexts(const CCmnMessageBoxRequest &request)
{
    QStringList texts;
    for (const CCmnMessageBoxButton &button : request.m_Buttons)
        texts.append(button.m_Text.isEmpty() ? QString::number(button.m_StandardButton) : button.m_Text);
    return texts;
}

CCmnDate Born(int day, int month, int year)
{
    CCmnDate date;
    date.SetGregorianYmd(day, month, year);
    return date;
}

QList<int> KeyFieldIds(const CCmnRegRecordSelectDialog &dialog)
{
    QList<int> ids;
    for (const CCmnRegFieldEditItem &item : dialog.m_Items)
        ids.append(item.m_FieldId);
    return ids;
}

QList<int> SelectLayoutIds(const CBioReg &reg)
{
    CCmnRegFieldsSettings settings = reg.GetFieldsSettings();
    QList<int> ids;
    for (const CCmnRegSelectRecordLayoutItem &item : settings.GetSelectRecordLayout())
        ids.append(item.m_FieldId);
    return ids;
}

const QPoint kAt(300, 200);

// A register and its commands, with isolated settings; the record windows are
// answered by the script (or by recordRunner when a test sets it), the select
// windows by selectRunner (cancelled without one) and the message boxes by the
// test, and what the register tells its listeners is recorded from the start.
struct CCommands
{
    CTestSettingsScope settings;
    CTestMessageBoxScope boxes;
    CBioReg reg{BioTestDefaultFieldsSettings()};
    CNotifications notifications{reg};
    CBioRegRecordCommands commands{&reg};
    CRecordWindowScript windows;
    TRecordWindowRunner recordRunner = windows.Runner();
    TSelectWindowRunner selectRunner;
    CTestDialogRunnerScope runner{[this](QDialog &dialog) {
        if (auto *window = qobject_cast<CBioRegRecordTabDialog *>(&dialog))
            return recordRunner(*window);
        if (auto *select = qobject_cast<CBioRegRecordSelectDialog *>(&dialog); select && selectRunner)
            return selectRunner(*select);
        return int(QDialog::Rejected);
    }};
};

} // namespace

class TestBioRegRecordCommands : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void addNewRecordStoresThenNotifies();
    void nameMatchesListFourAndCountTheRest();
    void reEditKeepsTheTypedValuesAndCancelEndsAll();
    void editListsOtherMatchesOnlyAndPhotoTabSkipsTheCheck();
    void parentMatchOfTheWrongSexIsChangedOnRequest();
    void parentRefusesTheChildAndItsDescendants();
    void deleteClearsTheLinksAndNotifies();
    void rememberedDeleteAnswerIsHonoured();
    void addedPhotoBringsTheCroppingNoteOnce();
    void selectStartsOnTheSexWhenThePreselectionFits_data();
    void selectStartsOnTheSexWhenThePreselectionFits();
    void layoutTestsShowTrialSettingsAndRestoreThem();
};

void TestBioRegRecordCommands::initTestCase()
{
    CmnInitFramework(CCmnAppDescriptor());
    CmnLoadWhatsThisTexts();
    CmnCreateSystemSettings();
    CmnGetSystemSettings()->m_DateInputFormat = "[[dd/]mm/]yyyy";
    BioCreateTerminology();
}

void TestBioRegRecordCommands::cleanupTestCase()
{
    BioDestroyTerminology();
    CmnDestroySystemSettings();
}

void TestBioRegRecordCommands::addNewRecordStoresThenNotifies()
{
    CCommands f;

    f.windows.Ok("Smith & Jones <UK>");
    const int id = f.commands.AddNewRecord(nullptr, kAt, 2);
    QVERIFY(id > 0);
    QCOMPARE(f.windows.m_Shown.size(), 1);
    QCOMPARE(f.windows.m_Shown.first().m_Title, QString("New Animal"));
    QCOMPARE(f.windows.m_Shown.first().m_Sex, 2);
    QVERIFY(!f.windows.m_Shown.first().m_SexEnabled);
    QCOMPARE(f.reg.GetBioRecord(id)->m_Name, QString("Smith & Jones <UK>"));
    QCOMPARE(f.reg.GetBioRecord(id)->m_Sex, 2);
    QCOMPARE(f.reg.IndexListForSex(CBioReg::FemaleSex).Entries().size(), 1);
    QCOMPARE(f.notifications.m_Seen, QStringList({QString("1:%1").arg(id), "modified"}));
    QCOMPARE(f.boxes.Requests().size(), 0);

    // Cancelled: nothing stored, nothing told.
    f.windows.Cancel();
    QCOMPARE(f.commands.AddNewRecord(nullptr, kAt, 0), 0);
    QCOMPARE(f.reg.GetRecordCount(), 1);
    QCOMPARE(f.notifications.m_Seen.size(), 2);
    QVERIFY(f.windows.m_Shown.last().m_SexEnabled);
}

void TestBioRegRecordCommands::nameMatchesListFourAndCountTheRest()
{
    CCommands f;
    // Letter case and runs of blanks do not tell names apart.
    const int first = AddAnimal(f.reg, "Smith & Jones <UK>", 1);
    ReplaceWith(f.reg, first, [](CBioRegRecord &record) {
        record.SetValue(-103, CmnRegValueDate, QVariant::fromValue(Born(1, 2, 2010)));
    });
    for (const char *name : {"smith & jones <uk>", "SMITH  &  JONES <UK>", "Smith & Jones <UK>", "smith & JONES <UK>",
                             "Smith & jones <UK>"})
        AddAnimal(f.reg, name, 2);
    f.windows.Ok("smith & jones <UK>");
    f.boxes.AnswerWithText("Add New Animal As Is");

    const int id = f.commands.AddNewRecord(nullptr, kAt, 1);
    QVERIFY(id > 0);
    QCOMPARE(f.reg.GetRecordCount(), 7);
    QCOMPARE(f.boxes.Requests().size(), 1);
    const CCmnMessageBoxRequest &question = f.boxes.Requests().first();
    QCOMPARE(question.m_Title, QString("New Animal"));
    QCOMPARE(question.m_Options.m_Position, kAt);
    QVERIFY2(question.m_Text.startsWith("<p>Is this animal already in your file? The following matching animals "
                                        "were found:</p><p><small>-"),
             qPrintable(question.m_Text));
    QCOMPARE(question.m_Text.count("<br/>-"), 3);
    QVERIFY2(question.m_Text.endsWith("<br/>+2 more</small></p>"), qPrintable(question.m_Text));
    QVERIFY(!question.m_Text.contains("<UK>"));
    QVERIFY(question.m_Text.contains("Smith &amp; Jones &lt;UK&gt;, Male, Date of Birth 01/02/2010"));
    QVERIFY(question.m_Text.contains(", Female"));
    // No let-me-select text: no Open button.
    QCOMPARE(ButtonTexts(question), QStringList({"Add New Animal As Is", "Change The Name Of The New Animal",
                                                 QString::number(QMessageBox::Cancel)}));
    QCOMPARE(question.m_Buttons.at(0).m_Role, QMessageBox::YesRole);
    QCOMPARE(question.m_Buttons.at(1).m_Role, QMessageBox::NoRole);
    QCOMPARE(question.m_Buttons.at(2).m_Role, QMessageBox::RejectRole);
}

void TestBioRegRecordCommands::reEditKeepsTheTypedValuesAndCancelEndsAll()
{
    CCommands f;
    AddAnimal(f.reg, "Rex", 1);

    f.windows.Ok("rex", [](CBioRegRecordTabDialog &dialog) {
        CCmnComboBox *sex = dialog.GeneralTab()->SexComboBox();
        sex->setCurrentIndex(sex->findData(1));
    });
    f.boxes.AnswerWithText("Change The Name Of The New Animal");
    f.windows.Cancel();
    QCOMPARE(f.commands.AddNewRecord(nullptr, kAt, 0), 0);
    QCOMPARE(f.windows.m_Shown.size(), 2);
    QCOMPARE(f.windows.m_Shown.at(1).m_Name, QString("rex"));
    QCOMPARE(f.windows.m_Shown.at(1).m_Sex, 1);
    QCOMPARE(f.reg.GetRecordCount(), 1);
    QCOMPARE(f.notifications.m_Seen, QStringList());

    // A new name in the second window passes the check and is stored.
    f.windows.Ok("rex");
    f.boxes.AnswerWithText("Change The Name Of The New Animal");
    f.windows.Ok("Rexie");
    const int id = f.commands.AddNewRecord(nullptr, kAt, 1);
    QVERIFY(id > 0);
    QCOMPARE(f.reg.GetBioRecord(id)->m_Name, QString("Rexie"));
    QCOMPARE(f.boxes.Requests().size(), 2);
}

void TestBioRegRecordCommands::editListsOtherMatchesOnlyAndPhotoTabSkipsTheCheck()
{
    CCommands f;
    const int rex = AddAnimal(f.reg, "Rex", 1);

    // Unchanged, it does not match itself.
    f.windows.Ok(QString());
    QVERIFY(f.commands.EditRecord(nullptr, kAt, "Rex Details", rex, QString()));
    QCOMPARE(f.boxes.Requests().size(), 0);
    QCOMPARE(f.windows.m_Shown.first().m_Title, QString("Rex Details"));
    QCOMPARE(f.windows.m_Shown.first().m_Tab, QString("General"));
    QCOMPARE(f.notifications.m_Seen, QStringList({QString("2:%1").arg(rex), "modified"}));

    const int other = AddAnimal(f.reg, "REX", 2);
    f.windows.Ok(QString());
    f.boxes.AnswerWithText("Continue Anyway");
    QVERIFY(f.commands.EditRecord(nullptr, kAt, "Rex Details", rex, QString()));
    QCOMPARE(f.boxes.Requests().size(), 1);
    QCOMPARE(f.boxes.Requests().first().m_Text.count("<br/>"), 0);
    QVERIFY(f.boxes.Requests().first().m_Text.contains("-REX, Female"));
    QCOMPARE(ButtonTexts(f.boxes.Requests().first()),
             QStringList({"Continue Anyway", "Re-Edit Changes", QString::number(QMessageBox::Cancel)}));
    Q_UNUSED(other);

    // On the photo page the name is not checked.
    f.windows.Ok(QString());
    QVERIFY(f.commands.EditRecord(nullptr, kAt, "Rex Details", rex, "Photo"));
    QCOMPARE(f.windows.m_Shown.last().m_Tab, QString("Photo"));
    QCOMPARE(f.boxes.Requests().size(), 1);

    // Cancelled edits store nothing.
    f.notifications.m_Seen.clear();
    f.windows.Cancel();
    QVERIFY(!f.commands.EditRecord(nullptr, kAt, "Rex Details", rex, QString()));
    QCOMPARE(f.notifications.m_Seen, QStringList());
}

void TestBioRegRecordCommands::parentMatchOfTheWrongSexIsChangedOnRequest()
{
    CCommands f;
    const int bess = AddAnimal(f.reg, "Smith & Jones <UK>", 1);
    const int foal = AddAnimal(f.reg, "Foal", 0);

    // Declined: nothing changes.
    f.windows.Ok("smith & jones <uk>");
    f.boxes.AnswerWithText("Use Matching Animal Above As Dam");
    f.boxes.Answer(QMessageBox::Cancel);
    QCOMPARE(f.commands.AddNewParentRecord(nullptr, kAt, 2, foal), 0);
    QCOMPARE(f.reg.GetBioRecord(bess)->m_Sex, 1);
    QCOMPARE(f.notifications.m_Seen, QStringList());
    QCOMPARE(f.windows.m_Shown.first().m_Title, QString("New Dam"));
    QVERIFY(!f.windows.m_Shown.first().m_SexEnabled);
    QCOMPARE(ButtonTexts(f.boxes.Requests().first()),
             QStringList({"Use Matching Animal Above As Dam", "Add New Dam As Is", "Re-Edit New Dam",
                          QString::number(QMessageBox::Cancel)}));
    QCOMPARE(f.boxes.Requests().first().m_Buttons.first().m_StandardButton, qint32(QMessageBox::Open));

    f.windows.Ok("smith & jones <uk>");
    f.boxes.AnswerWithText("Use Matching Animal Above As Dam");
    f.boxes.Answer(QMessageBox::Ok);
    QCOMPARE(f.commands.AddNewParentRecord(nullptr, kAt, 2, foal), bess);
    const CCmnMessageBoxRequest &sexQuestion = f.boxes.Requests().last();
    QCOMPARE(sexQuestion.m_Title, QString("Select Dam"));
    QCOMPARE(sexQuestion.m_Text,
             QString("<p>The selected Animal, 'Smith &amp; Jones &lt;UK&gt;', is not female, which doesnt make sense "
                     "if its to be used as a dam.</p><p>If you are sure about this, Smith &amp; Jones &lt;UK&gt; will "
                     "be also be changed to be female.</p><p>Do you want to proceed?</p>"));
    QCOMPARE(f.reg.GetBioRecord(bess)->m_Sex, 2);
    QCOMPARE(f.reg.IndexListForSex(CBioReg::MaleSex).Entries().size(), 0);
    QCOMPARE(f.notifications.m_Seen, QStringList({QString("2:%1").arg(bess), "modified"}));
    QCOMPARE(f.reg.GetRecordCount(), 2);
}

void TestBioRegRecordCommands::parentRefusesTheChildAndItsDescendants()
{
    CCommands f;
    const int foal = AddAnimal(f.reg, "Star", 1);
    const int grandchild = AddAnimal(f.reg, "Star", 1, foal);
    const int stranger = AddAnimal(f.reg, "Star", 1);
    const int rival = AddAnimal(f.reg, "Rival", 1);
    const int colt = AddAnimal(f.reg, "Colt", 1, rival);

    // One match, and it is the child itself: refused, and the question comes back.
    f.windows.Ok("Colt");
    f.boxes.AnswerWithText("Use Matching Animal Above As Sire");
    f.boxes.Answer(QMessageBox::Ok);
    f.boxes.Answer(QMessageBox::Cancel);
    QCOMPARE(f.commands.AddNewParentRecord(nullptr, kAt, 1, colt), 0);
    QCOMPARE(f.boxes.Requests().size(), 3);
    QVERIFY(f.boxes.Requests().at(1).m_Text.contains(kRefusal));
    QVERIFY(f.boxes.Requests().at(2).m_Text.startsWith("<p>Is this animal already in your file?"));
    QCOMPARE(f.reg.GetRecordCount(), 5);

    // Several matches: the select window refuses the descendants and stays open.
    QList<int> unusable;
    QList<int> preselected;
    f.selectRunner = [&](CBioRegRecordSelectDialog &dialog) {
        dialog.Prepare();
        preselected.append(CurrentId(dialog));
        for (const int id : {foal, grandchild}) {
            dialog.SetCurrentRecord(id);
            dialog.accept();
            if (dialog.result() != QDialog::Accepted)
                unusable.append(id);
        }
        dialog.SetCurrentRecord(stranger);
        dialog.accept();
        return dialog.result();
    };
    f.windows.Ok("STAR");
    f.boxes.AnswerWithText("Let Me Select The Sire From The Existing Matching Animals");
    const int before = int(f.boxes.Requests().size());
    QCOMPARE(f.commands.AddNewParentRecord(nullptr, kAt, 1, foal), stranger);
    QCOMPARE(unusable, QList<int>({foal, grandchild}));
    QCOMPARE(preselected, QList<int>({f.reg.FindNameMatches("Star", 0).first()}));
    QCOMPARE(f.boxes.Requests().size(), before + 3);
    QVERIFY(f.boxes.Requests().at(before + 1).m_Text.contains(kRefusal));
    QVERIFY(f.boxes.Requests().at(before + 2).m_Text.contains(kRefusal));
}

void TestBioRegRecordCommands::deleteClearsTheLinksAndNotifies()
{
    CCommands f;
    const int sire = AddAnimal(f.reg, "Smith & Jones <UK>", 1);
    const int first = AddAnimal(f.reg, "First", 1, sire);
    const int second = AddAnimal(f.reg, "Second", 2, sire);
    const QString question = "Are you sure you want to permanently delete the %1 named '%2' from your data file?";

    f.boxes.Answer(QMessageBox::No);
    QVERIFY(!f.commands.DeleteRecordWithConfirmation(nullptr, kAt, sire, "Delete Animal", 0, question));
    QCOMPARE(f.reg.GetRecordCount(), 3);
    QVERIFY(!f.commands.DeleteRecordWithConfirmation(nullptr, kAt, 0, "Delete Animal", 0, question));
    QCOMPARE(f.boxes.Requests().size(), 1);
    const CCmnMessageBoxRequest &asked = f.boxes.Requests().first();
    QCOMPARE(asked.m_Text, QString("<p>Are you sure you want to permanently delete the animal named 'Smith &amp; "
                                   "Jones &lt;UK&gt;' from your data file?</p>"));
    QVERIFY(asked.m_Options.m_InformativeText.contains("Note that when you delete a animal, this does not delete "
                                                       "its ancestors"));
    QCOMPARE(ButtonTexts(asked), QStringList({QString::number(QMessageBox::Yes), QString::number(QMessageBox::No)}));
    QCOMPARE(asked.m_Buttons.at(asked.m_DefaultButton).m_StandardButton, qint32(QMessageBox::No));

    f.boxes.Answer(QMessageBox::Yes);
    QVERIFY(f.commands.DeleteRecordWithConfirmation(nullptr, kAt, sire, "Delete Animal", 0, question));
    QCOMPARE(f.notifications.m_Seen, QStringList({QString("3:%1").arg(sire), "modified"}));
    for (const int child : {first, second}) {
        QCOMPARE(f.reg.GetBioRecord(child)->m_Sire, 0);
        QCOMPARE(f.reg.GetParentIndex().ParentsOf(child).sire, 0);
    }
    QCOMPARE(f.reg.GetParentIndex().ParentsOf(sire).sire, 0);
    // The freed id comes back for a new animal, which is nobody's sire.
    QCOMPARE(AddAnimal(f.reg, "Newcomer", 1), sire);
    QVERIFY(f.reg.GetDescendants(sire, false).isEmpty());
}

void TestBioRegRecordCommands::rememberedDeleteAnswerIsHonoured()
{
    CCommands f;
    const int a = AddAnimal(f.reg, "A", 1);
    const int b = AddAnimal(f.reg, "B", 1);
    const int c = AddAnimal(f.reg, "C", 1);
    const QString question = "Delete the %1 '%2'?";

    f.boxes.Answer(QMessageBox::Yes, true);
    QVERIFY(f.commands.DeleteRecordWithConfirmation(nullptr, kAt, a, "Remove Sire", 202, question));
    QCOMPARE(f.boxes.Requests().size(), 1);
    QVERIFY(ButtonTexts(f.boxes.Requests().first()).contains(QString::number(QMessageBox::Cancel)));
    QVERIFY(!f.boxes.Requests().first().m_Options.m_CheckBoxText.isEmpty());
    // Remembered: the next delete under that id asks nothing.
    QVERIFY(f.commands.DeleteRecordWithConfirmation(nullptr, kAt, b, "Remove Sire", 202, question));
    QCOMPARE(f.boxes.Requests().size(), 1);
    // Without an id the question comes every time.
    f.boxes.Answer(QMessageBox::No);
    QVERIFY(!f.commands.DeleteRecordWithConfirmation(nullptr, kAt, c, "Delete Animal", 0, question));
    QCOMPARE(f.boxes.Requests().size(), 2);
    QCOMPARE(f.reg.GetRecordCount(), 1);
}

void TestBioRegRecordCommands::addedPhotoBringsTheCroppingNoteOnce()
{
    CCommands f;
    QTemporaryDir folder;
    const QString photo = folder.filePath("photo.png");
    QImage image(40, 20, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    QVERIFY(image.save(photo));
    CTestFileChooserScope chooser(photo);
    qsizetype boxesDuringWindow = -1;
    f.windows.Ok("Rex", [&](CBioRegRecordTabDialog &dialog) {
        dialog.PhotoTab()->PicCtrl()->Slot_clicked_Select();
        boxesDuringWindow = f.boxes.Requests().size();
    });

    const int id = f.commands.AddNewRecord(nullptr, kAt, 1);
    QVERIFY(id > 0);
    QVERIFY(!f.reg.GetBioRecord(id)->m_Photo.IsEmpty());
    QCOMPARE(boxesDuringWindow, 0);
    QCOMPARE(f.boxes.Requests().size(), 1);
    QVERIFY2(f.boxes.Requests().first().m_Text.startsWith("<p>You have set a photo for the animal.</p>"),
             qPrintable(f.boxes.Requests().first().m_Text));
    QCOMPARE(f.boxes.Requests().first().m_Options.m_Position, kAt);

    // A photo that was there already brings no note.
    f.windows.Ok(QString());
    QVERIFY(f.commands.EditRecord(nullptr, kAt, "Rex Details", id, QString()));
    QCOMPARE(f.boxes.Requests().size(), 1);
}

void TestBioRegRecordCommands::selectStartsOnTheSexWhenThePreselectionFits_data()
{
    QTest::addColumn<int>("preselectedSex");
    QTest::addColumn<int>("filter");
    QTest::addColumn<int>("windowFilter");
    // Sex -1: nothing preselected.
    QTest::newRow("none preselected, males") << -1 << 1 << 1;
    QTest::newRow("none preselected, females") << -1 << 2 << 2;
    QTest::newRow("male preselected, males") << 1 << 1 << 1;
    QTest::newRow("female preselected, males") << 2 << 1 << 0;
    QTest::newRow("unknown preselected, females") << 0 << 2 << 0;
    QTest::newRow("no filter") << 1 << 0 << 0;
}

void TestBioRegRecordCommands::selectStartsOnTheSexWhenThePreselectionFits()
{
    CCommands f;
    QFETCH(int, preselectedSex);
    QFETCH(int, filter);
    QFETCH(int, windowFilter);
    const int bySex[] = {AddAnimal(f.reg, "Unknown", 0), AddAnimal(f.reg, "Male", 1), AddAnimal(f.reg, "Female", 2)};
    const int preselected = preselectedSex < 0 ? 0 : bySex[preselectedSex];
    int shownFilter = -1;
    QString title;
    f.selectRunner = [&](CBioRegRecordSelectDialog &dialog) {
        shownFilter = dialog.m_SexFilter;
        title = dialog.windowTitle();
        dialog.Prepare();
        dialog.accept();
        return dialog.result();
    };
    const int chosen = f.commands.SelectRecord(nullptr, kAt, preselected, filter);
    QCOMPARE(shownFilter, windowFilter);
    QCOMPARE(title, QString("Select Animal"));
    if (preselected > 0)
        QCOMPARE(chosen, preselected);
    else
        QVERIFY(chosen > 0);

    f.selectRunner = [](CBioRegRecordSelectDialog &) { return int(QDialog::Rejected); };
    QCOMPARE(f.commands.SelectRecord(nullptr, kAt, preselected, filter), 0);
}

void TestBioRegRecordCommands::layoutTestsShowTrialSettingsAndRestoreThem()
{
    CCommands f;
    CCmnRegFieldsSettings applied = f.reg.GetFieldsSettings();
    applied.SetSelectRecordLayout(false, {{-103, false}});
    applied.SetRecordDetailsLayout(false, {{-103, false, {}}});
    f.reg.SetFieldsSettings(applied, false);
    const QList<int> appliedSelect = SelectLayoutIds(f.reg);
    CCmnRegFieldsSettings trial = applied;
    trial.SetSelectRecordLayout(false, {{-107, false}, {-104, true}});
    trial.SetRecordDetailsLayout(false, {{-103, false, {}}, {-104, false, "Smith & Jones <UK>"}});

    QWidget window;
    window.setGeometry(100, 100, 400, 300);
    auto *host = new QWidget(&window);
    auto *tab = new QWidget(host);
    f.commands.InstallLayoutPreview();
    QString selectTitle;
    QList<int> keyFields;
    // Only Cancel besides Help: nothing typed in a preview can be stored.
    const auto buttonsBesidesHelp = [](const CCmnDialogButtonBox *box) {
        return int(box->standardButtons() & ~QDialogButtonBox::Help);
    };
    int selectButtons = 0;
    QString customizeButton;
    f.selectRunner = [&](CBioRegRecordSelectDialog &dialog) {
        dialog.Prepare();
        selectTitle = dialog.windowTitle();
        keyFields = KeyFieldIds(dialog);
        selectButtons = buttonsBesidesHelp(dialog.ButtonBox());
        for (QAbstractButton *button : dialog.ButtonBox()->buttons()) {
            if (dialog.ButtonBox()->buttonRole(button) == QDialogButtonBox::ResetRole)
                customizeButton = OrvShownMnemonicText(button->text());
        }
        dialog.reject();
        return dialog.result();
    };
    QString detailsTitle;
    QStringList tabs;
    int detailsButtons = 0;
    f.recordRunner = [&](CBioRegRecordTabDialog &dialog) {
        dialog.Prepare();
        detailsTitle = dialog.windowTitle();
        for (int i = 0; i < dialog.TabWidget()->count(); ++i)
            tabs.append(OrvShownMnemonicText(dialog.TabWidget()->tabText(i)));
        detailsButtons = buttonsBesidesHelp(dialog.ButtonBox());
        dialog.reject();
        return dialog.result();
    };

    CCmnReg &base = f.reg;
    base.TestSelectRecordLayout(trial, tab);
    QCOMPARE(selectTitle, QString("Test of Select Animal Layout"));
    QCOMPARE(keyFields.mid(0, 2), QList<int>({-107, -104}));
    QCOMPARE(selectButtons, int(QDialogButtonBox::Cancel));
    QCOMPARE(customizeButton, QString("How To Customize This Window"));
    base.TestRecordDetailsLayout(trial, tab);
    QCOMPARE(detailsTitle, QString("Test of Animal Details Layout"));
    QCOMPARE(tabs, QStringList({"General", "Photo", "Smith & Jones <UK>"}));
    QCOMPARE(detailsButtons, int(QDialogButtonBox::Cancel));

    QCOMPARE(SelectLayoutIds(f.reg), appliedSelect);
    QCOMPARE(appliedSelect.first(), -103);

    // Commands that have gone leave no preview behind.
    {
        CBioRegRecordCommands gone(&f.reg);
        gone.InstallLayoutPreview();
    }
    selectTitle.clear();
    base.TestSelectRecordLayout(trial, tab);
    QCOMPARE(selectTitle, QString());
    QCOMPARE(SelectLayoutIds(f.reg), appliedSelect);

    // Commands that go after others have installed theirs leave those in place.
    {
        CBioRegRecordCommands earlier(&f.reg);
        earlier.InstallLayoutPreview();
        f.commands.InstallLayoutPreview();
    }
    base.TestSelectRecordLayout(trial, tab);
    QCOMPARE(selectTitle, QString("Test of Select Animal Layout"));
}

QTEST_MAIN(TestBioRegRecordCommands)
#include "tst_bioregrecordcommands.moc"
