#include "bioregrecord.h"
#include "bioterminology.h"
#include "bioterminologysettings.h"
#include "cmnappdescriptor.h"
#include "cmncheckbox.h"
#include "cmncombobox.h"
#include "cmnlistwidget.h"
#include "cmnpushbutton.h"
#include "cmnregfieldssettingsuserfieldsctrl.h"
#include "cmnregfieldssettingsuserfieldstab.h"
#include "cmnregvaluekind.h"
#include "cmnwhatsthistexts.h"
#include "cmnframework.h"
#include "fieldssettingstesting.h"
#include "nameditemstesting.h"
#include "streamtesting.h"
#include "testmessageboxscope.h"
#include "teststringentry.h"
#include "rendertesting.h"
#include "usertexts.h"

#include <QTest>

namespace {

using CDialog = TOrvFieldsSettingsDialog<CCmnRegFieldsSettingsUserFieldsTab>;

constexpr qint32 kMaxFields = 200;

CCmnRegUserField TextField(int id)
{
    return CCmnRegUserField(id, CCmnRegFieldDef(CmnRegFieldText, CCmnRegFieldDef::kDefaultFlags));
}

// The built-in fields and the named user fields, given ids in order.
CCmnRegFieldsSettings WithUserFields(const QList<std::pair<QString, int>> &fields)
{
    CCmnRegFieldsSettings settings = BioTestDefaultFieldsSettings();
    CCmnRegUserFieldSet set;
    for (const auto &[name, id] : fields)
        set.AddField(name, TextField(id));
    settings.SetUserFields(set);
    return settings;
}

QStringList Names(const CCmnRegUserFieldSet &set)
{
    QStringList names;
    for (const auto &item : set.m_Items)
        names << item.first;
    return names;
}

// The fields, without the rows last current and tagged that travel with them.
QList<CCmnRegUserFieldSet::CItem> Items(const CCmnRegUserFieldSet &set)
{
    return set.m_Items;
}

QList<int> Ids(const CCmnRegUserFieldSet &set)
{
    QList<int> ids;
    for (const auto &item : set.m_Items)
        ids << item.second.m_Id;
    return ids;
}

// The dialog prepared, its dialogs answered by the scripts, the named row current.
struct CFixture
{
    explicit CFixture(const CCmnRegFieldsSettings &settings, const QString &current = QString())
        : m_Dialog(settings, m_Reg, QStringLiteral("User Fields"), kMaxFields)
    {
        m_Dialog.Prepare();
        Ctrl()->SetStringEntryFactory(m_Names.Factory());
        if (!current.isEmpty())
            Select(current);
    }

    CCmnRegFieldsSettingsUserFieldsCtrl *Ctrl() const { return m_Dialog.m_Tab->UserFieldsCtrl(); }
    void Select(const QString &name)
    {
        CCmnListWidget *list = Ctrl()->ListWidget();
        const QList<QListWidgetItem *> found = list->findItems(name, Qt::MatchExactly);
        QCOMPARE(found.size(), 1);
        list->setCurrentItem(found.first());
    }
    QStringList Shown() const { return OrvListWidgetTexts(Ctrl()->ListWidget()); }
    // The texts of every message box, as the user reads them.
    QStringList Messages() const
    {
        QStringList texts;
        for (const CCmnMessageBoxRequest &request : m_Boxes.Requests())
            texts << OrvShownRichText(request.m_Text);
        return texts;
    }

    CTestMessageBoxScope m_Boxes;
    QSharedPointer<CBioReg> m_Reg = OrvNewBioReg();
    CDialog m_Dialog;
    COrvFieldDialogUser m_User;
    // The field configuration dialogs the lists open are answered by m_User.
    CTestDialogRunnerScope m_Runner{m_User.Runner()};
    CTestStringEntryScript m_Names;
};

enum EFlow { Add, Rename, Edit };

} // namespace

Q_DECLARE_METATYPE(EFlow)

class TestCmnRegFieldsSettingsUserFieldsTab : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void showsTheListWithItsButtons();
    void builtInHelpCoversEveryControl();
    void newFieldsTakeIdsAboveTheHighest();
    void refusesNamesInUse_data();
    void refusesNamesInUse();
    void clashSinceTerminologyChangeKeepsTheName();
    void editsAWorkingCopy();
    void deleteAsksTwice_data();
    void deleteAsksTwice();
    void addStopsAtTheMaximum();
    void deletedFieldLeavesNoValueBehind();
    void cancelLeavesTheSettings();
    void rendersUserNames();
};

void TestCmnRegFieldsSettingsUserFieldsTab::initTestCase()
{
    CmnGetAppDescriptor().m_ProductDisplayName = "Orvanta";
}

void TestCmnRegFieldsSettingsUserFieldsTab::init()
{
    BioCreateTerminology();
}

void TestCmnRegFieldsSettingsUserFieldsTab::cleanup()
{
    BioDestroyTerminology();
}

void TestCmnRegFieldsSettingsUserFieldsTab::showsTheListWithItsButtons()
{
    CFixture fixture(WithUserFields({{"Weight", 2}, {"Breed", 1}}));
    CCmnRegFieldsSettingsUserFieldsCtrl *ctrl = fixture.Ctrl();
    QCOMPARE(fixture.Shown(), QStringList({"Breed", "Weight"}));
    QCOMPARE(ctrl->ListWidget()->currentRow(), 0);
    QVERIFY(ctrl->AddButton() && ctrl->DeleteButton() && ctrl->RenameButton() && ctrl->EditButton());
    QVERIFY(!ctrl->UpButton() && !ctrl->TagButton());
    QCOMPARE(fixture.m_Dialog.m_Tab->HelpPage(), QStringLiteral("CCmnRegFieldsSettingsUserFieldsTab.html"));

    // A double-click edits the row clicked.
    QListWidgetItem *weight = ctrl->ListWidget()->item(1);
    emit ctrl->ListWidget()->itemDoubleClicked(weight);
    QCOMPARE(fixture.m_User.m_Shown.size(), 1);
    QCOMPARE(fixture.m_User.m_Shown.first().m_Title, QStringLiteral("Edit Field"));
    QCOMPARE(fixture.m_User.m_Shown.first().m_Name, QStringLiteral("Weight"));
    QCOMPARE(fixture.m_User.m_Shown.first().m_Mode, 0);
}

void TestCmnRegFieldsSettingsUserFieldsTab::builtInHelpCoversEveryControl()
{
    CmnInitFramework(CmnGetAppDescriptor());
    const TCmnWhatsThisTable previous = CmnSetWhatsThisTexts({});
    CmnLoadWhatsThisTexts();
    CFixture fixture(WithUserFields({{"Weight", 2}}));
    CmnSetWhatsThisTexts(previous);
    CCmnRegFieldsSettingsUserFieldsCtrl *ctrl = fixture.Ctrl();
    for (QWidget *widget : QList<QWidget *>{ctrl->ListWidget(), ctrl->AddButton(), ctrl->DeleteButton(),
                                            ctrl->RenameButton(), ctrl->EditButton()})
        QVERIFY2(!widget->whatsThis().isEmpty(), qPrintable(widget->objectName()));
}

void TestCmnRegFieldsSettingsUserFieldsTab::newFieldsTakeIdsAboveTheHighest()
{
    CFixture fixture(OrvSettled(WithUserFields({{"Breed", 3}, {"Weight", 7}})));
    QCOMPARE(fixture.m_Dialog.m_Copy.GetChanged(), 0);
    QCOMPARE(fixture.Ctrl()->NextFieldId(), 8);
    fixture.m_User.Ok("Colour");
    fixture.Ctrl()->AddButton()->click();
    fixture.m_User.Ok("Age");
    fixture.Ctrl()->AddButton()->click();

    const COrvFieldDialogUser::CShown &shown = fixture.m_User.m_Shown.first();
    QCOMPARE(shown.m_Title, QStringLiteral("Add Field"));
    QCOMPARE(shown.m_Mode, 0);
    QCOMPARE(shown.m_Prompt, QStringLiteral("Field name:"));
    QCOMPARE(fixture.Shown(), QStringList({"Age", "Breed", "Colour", "Weight"}));
    QCOMPARE(fixture.Ctrl()->ListWidget()->currentRow(), 0);
    QVERIFY(fixture.m_Dialog.Ok());
    QCOMPARE(Ids(fixture.m_Dialog.m_Copy.GetUserFields()), QList<int>({9, 3, 8, 7}));
    QCOMPARE(fixture.m_Dialog.m_Copy.GetChanged(), int(CCmnRegFieldsSettings::ChangedAll));

    // Opened again, the next id follows the highest then listed.
    CCmnRegFieldsSettings settings = WithUserFields({{"Breed", 3}});
    CFixture again(settings);
    QCOMPARE(again.Ctrl()->NextFieldId(), 4);
    CFixture none(BioTestDefaultFieldsSettings());
    QCOMPARE(none.Ctrl()->NextFieldId(), 1);
}

void TestCmnRegFieldsSettingsUserFieldsTab::refusesNamesInUse_data()
{
    QTest::addColumn<EFlow>("flow");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("note");
    const QString inbuilt =
        QStringLiteral("'%1' is already in use as an inbuilt (system) field. Please choose a different name.");
    const QString termNote =
        QStringLiteral("NOTE: If you really want to use this label for a user defined field, you can do so but you "
                       "must first rename '%1' in the terminology settings. To do this, select Preferences (on the "
                       "File menu) and then select the Terminology tab.");
    for (const EFlow flow : {Add, Rename, Edit}) {
        const QByteArray prefix = flow == Add ? "add: " : flow == Rename ? "rename: " : "edit: ";
        QTest::newRow(prefix + "sire in another case")
            << flow << "sIRE" << inbuilt.arg("sIRE") << termNote.arg("Sire");
        QTest::newRow(prefix + "date of birth") << flow << "date of birth" << inbuilt.arg("date of birth")
                                                << termNote.arg("Date of Birth");
        // The record number is no field the terminology names.
        QTest::newRow(prefix + "record number") << flow << "id" << inbuilt.arg("id") << QString();
        QTest::newRow(prefix + "another field's name")
            << flow << "Weight" << QStringLiteral("Field 'Weight' already exists - please choose a different name.")
            << QString();
    }
}

void TestCmnRegFieldsSettingsUserFieldsTab::refusesNamesInUse()
{
    QFETCH(EFlow, flow);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QFETCH(QString, note);

    const CCmnRegFieldsSettings settings = WithUserFields({{"Breed", 1}, {"Weight", 2}});
    CFixture fixture(settings, "Breed");
    QString shownMessage;
    if (flow == Rename) {
        fixture.m_Names.Type(typed);
        fixture.m_Names.Cancel();
        fixture.Ctrl()->RenameButton()->click();
        QCOMPARE(fixture.m_Names.Shown().size(), 1);
        QCOMPARE(fixture.m_Names.Shown().first().m_Refusals, QStringList{message});
        shownMessage = message;
        if (!note.isEmpty())
            shownMessage += "\n" + OrvShownRichText(fixture.m_Names.Shown().first().m_Notes.first());
    } else {
        // The refusal comes up at the name box and the dialog stays open.
        fixture.m_User.Ok(typed);
        (flow == Add ? fixture.Ctrl()->AddButton() : fixture.Ctrl()->EditButton())->click();
        QCOMPARE(fixture.m_User.m_Shown.size(), 1);
        QCOMPARE(fixture.Messages().size(), 1);
        shownMessage = fixture.Messages().first();
    }
    QCOMPARE(shownMessage, note.isEmpty() ? message : message + "\n" + note);
    QCOMPARE(fixture.Shown(), QStringList({"Breed", "Weight"}));
    QVERIFY(fixture.m_Dialog.Ok());
    QCOMPARE(Items(fixture.m_Dialog.m_Copy.GetUserFields()), Items(settings.GetUserFields()));
}

void TestCmnRegFieldsSettingsUserFieldsTab::clashSinceTerminologyChangeKeepsTheName()
{
    // "Hatch Date" was free when the field was named; the Birds' words take it.
    CBioTerminologySettings birds;
    birds.ApplySpeciesDefaults(BioSpeciesBirds);
    BioSetTerminology(birds);
    CFixture fixture(WithUserFields({{"Hatch Date", 4}}), "Hatch Date");

    fixture.m_Names.Type("Hatch Date");
    fixture.Ctrl()->RenameButton()->click();
    fixture.m_User.Ok(QString(), [](CCmnRegFieldConfDialog &dialog) { dialog.m_RequiredCheck->setChecked(true); });
    fixture.Ctrl()->EditButton()->click();
    QCOMPARE(fixture.m_Names.Shown().first().m_Refusals, QStringList());
    QVERIFY(fixture.Messages().isEmpty());
    QCOMPARE(fixture.m_User.m_Shown.size(), 1);

    // Only unchanged: another case of the name is refused.
    fixture.m_Names.Type("HATCH DATE");
    fixture.m_Names.Cancel();
    fixture.Ctrl()->RenameButton()->click();
    QCOMPARE(fixture.m_Names.Shown().last().m_Refusals.size(), 1);

    QVERIFY(fixture.m_Dialog.Ok());
    const CCmnRegUserFieldSet &fields = fixture.m_Dialog.m_Copy.GetUserFields();
    QCOMPARE(Names(fields), QStringList{"Hatch Date"});
    QVERIFY(fields.m_Items.first().second.m_Def.m_Flags & CmnRegFieldRequired);
}

void TestCmnRegFieldsSettingsUserFieldsTab::editsAWorkingCopy()
{
    const CCmnRegFieldsSettings settings = WithUserFields({{"Breed", 1}, {"Weight", 2}});
    CFixture fixture(settings, "Weight");
    const auto makeNumber = [](CCmnRegFieldConfDialog &dialog) {
        dialog.m_TypeCombo->setCurrentIndex(dialog.m_TypeCombo->findData(int(CmnRegFieldNumber)));
        dialog.Slot_activated_Type(dialog.m_TypeCombo->currentIndex());
        dialog.m_RequiredCheck->setChecked(true);
    };
    // A refused name after the changes, then Cancel: nothing of them is kept.
    fixture.m_User.Ok("Breed", makeNumber);
    fixture.Ctrl()->EditButton()->click();
    QVERIFY(fixture.m_Dialog.Ok());
    QCOMPARE(Items(fixture.m_Dialog.m_Copy.GetUserFields()), Items(settings.GetUserFields()));

    // Accepted, under a new name: the field moves to its sorted place, id kept.
    CFixture accepted(settings, "Weight");
    accepted.m_User.Ok("Age", makeNumber);
    accepted.Ctrl()->EditButton()->click();
    QCOMPARE(accepted.Shown(), QStringList({"Age", "Breed"}));
    QCOMPARE(accepted.Ctrl()->ListWidget()->currentRow(), 0);
    QVERIFY(accepted.m_Dialog.Ok());
    const auto &age = accepted.m_Dialog.m_Copy.GetUserFields().m_Items.first().second;
    QCOMPARE(age.m_Id, 2);
    QCOMPARE(age.m_Def.m_Type, int(CmnRegFieldNumber));
    QVERIFY(age.m_Def.m_Flags & CmnRegFieldRequired);
}

void TestCmnRegFieldsSettingsUserFieldsTab::deleteAsksTwice_data()
{
    QTest::addColumn<QList<qint32>>("answers");
    QTest::addColumn<QStringList>("left");
    QTest::addColumn<int>("questions");
    QTest::newRow("yes twice") << QList<qint32>{QMessageBox::Yes, QMessageBox::Yes} << QStringList{"Weight"} << 2;
    QTest::newRow("no to the warning") << QList<qint32>{QMessageBox::Yes, QMessageBox::No}
                                       << QStringList{"Smith & Jones <UK>", "Weight"} << 2;
    QTest::newRow("no at once") << QList<qint32>{QMessageBox::No} << QStringList{"Smith & Jones <UK>", "Weight"}
                                << 1;
}

void TestCmnRegFieldsSettingsUserFieldsTab::deleteAsksTwice()
{
    QFETCH(QList<qint32>, answers);
    QFETCH(QStringList, left);
    QFETCH(int, questions);

    CFixture fixture(WithUserFields({{"Smith & Jones <UK>", 1}, {"Weight", 2}}), "Smith & Jones <UK>");
    for (const qint32 answer : answers)
        fixture.m_Boxes.Answer(answer);
    fixture.Ctrl()->DeleteButton()->click();
    QCOMPARE(fixture.m_Boxes.Requests().size(), questions);
    const QString question = QStringLiteral("Are you sure you want to delete the field 'Smith & Jones <UK>'?");
    QCOMPARE(fixture.Messages().first(), question);
    if (questions == 2) {
        QCOMPARE(fixture.m_Boxes.Requests().at(1).m_Icon, QMessageBox::Warning);
        QCOMPARE(fixture.Messages().at(1),
                 QStringLiteral("WARNING!\nDeleting this field will permanently delete ALL data stored in this "
                                "field, in every record.\n%1")
                     .arg(question));
    }
    QCOMPARE(fixture.Shown(), left);
    QVERIFY(fixture.m_Dialog.Ok());
    QCOMPARE(Names(fixture.m_Dialog.m_Copy.GetUserFields()), left);
}

void TestCmnRegFieldsSettingsUserFieldsTab::addStopsAtTheMaximum()
{
    QList<std::pair<QString, int>> fields;
    for (int id = 1; id < kMaxFields; ++id)
        fields.append({QStringLiteral("Field %1").arg(id, 3, 10, QLatin1Char('0')), id});
    CFixture fixture(WithUserFields(fields));
    QVERIFY(fixture.Ctrl()->AddButton()->isEnabled());
    fixture.m_User.Ok("Last");
    fixture.Ctrl()->AddButton()->click();
    QCOMPARE(fixture.Ctrl()->ListWidget()->count(), kMaxFields);
    QVERIFY(!fixture.Ctrl()->AddButton()->isEnabled());

    // A click that reaches the control anyway adds nothing.
    fixture.m_User.Ok("One Too Many");
    fixture.Ctrl()->Slot_clicked_Add();
    QCOMPARE(fixture.m_User.m_Shown.size(), 1);
    QCOMPARE(fixture.Ctrl()->ListWidget()->count(), kMaxFields);
}

void TestCmnRegFieldsSettingsUserFieldsTab::deletedFieldLeavesNoValueBehind()
{
    const CCmnRegFieldsSettings settings = WithUserFields({{"Breed", 1}, {"Weight", 2}});
    const QSharedPointer<CBioReg> reg = OrvNewBioReg();
    reg->SetFieldsSettings(settings, true);
    for (const QString name : {"Rex", "Bella"}) {
        const int id = reg->AddNamedRecord(name, true);
        auto copy = QSharedPointer<CBioRegRecord>::create(*reg->GetBioRecord(id));
        copy->SetValue(1, CmnRegValueText, "Collie");
        copy->SetValue(2, CmnRegValueText, "30 kg");
        reg->ReplaceRecord(id, copy, true);
    }

    CTestMessageBoxScope boxes;
    boxes.Answer(QMessageBox::Yes);
    boxes.Answer(QMessageBox::Yes);
    CDialog dialog(settings, reg, "User Fields", kMaxFields);
    dialog.Prepare();
    dialog.m_Tab->UserFieldsCtrl()->ListWidget()->setCurrentRow(1);
    dialog.m_Tab->UserFieldsCtrl()->DeleteButton()->click();
    QVERIFY(dialog.Ok());

    // The document applies its saved settings with the clear flag.
    reg->SetFieldsSettings(dialog.m_Copy, true);
    CBioReg read(BioTestDefaultFieldsSettings());
    QDataStream in(CmnTestStreamBytes([&](QDataStream &out) { out << *reg; }));
    CmnPrepareDataStream(in);
    in >> read;
    QCOMPARE(in.status(), QDataStream::Ok);
    for (const CBioReg *each : {static_cast<const CBioReg *>(reg.data()), static_cast<const CBioReg *>(&read)}) {
        for (const int id : each->GetRecordIds()) {
            const CCmnRegRecord *record = each->GetRecord(id);
            QVERIFY(record->GetValue(2, CmnRegValueText).isNull());
            QCOMPARE(record->GetValue(1, CmnRegValueText).toString(), QStringLiteral("Collie"));
        }
    }
}

void TestCmnRegFieldsSettingsUserFieldsTab::cancelLeavesTheSettings()
{
    const CCmnRegFieldsSettings settings = WithUserFields({{"Breed", 1}});
    CFixture fixture(settings, "Breed");
    fixture.m_User.Ok("Colour");
    fixture.Ctrl()->AddButton()->click();
    fixture.m_Names.Type("Coat");
    fixture.Ctrl()->RenameButton()->click();
    QCOMPARE(fixture.Shown(), QStringList({"Breed", "Coat"}));
    fixture.m_Dialog.ButtonBox()->button(QDialogButtonBox::Cancel)->click();
    QCOMPARE(fixture.m_Dialog.m_Copy.ToByteArray(), settings.ToByteArray());
    QCOMPARE(fixture.m_Dialog.m_Copy.GetUserFields(), settings.GetUserFields());
}

void TestCmnRegFieldsSettingsUserFieldsTab::rendersUserNames()
{
    CFixture fixture(WithUserFields({{"Smith & Jones <UK>", 1},
                                     {"Breeder's registered kennel name and affix (as on the certificate)", 2},
                                     {"Weight", 3}}));
    QCOMPARE(fixture.Shown().first(), QStringLiteral("Breeder's registered kennel name and affix (as on the certificate)"));
    QVERIFY(OrvRenderForReview(fixture.m_Dialog, QSize(520, 320), "userfieldstab.png"));
}

QTEST_MAIN(TestCmnRegFieldsSettingsUserFieldsTab)
#include "tst_cmnregfieldssettingsuserfieldstab.moc"
