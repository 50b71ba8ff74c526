#include "bioterminology.h"
#include "bioterminologysettings.h"
#include "cmnappdescriptor.h"
#include "cmncheckbox.h"
#include "cmncombobox.h"
#include "cmnframework.h"
#include "cmnlistwidget.h"
#include "cmnpushbutton.h"
#include "cmnregfieldssettingssystemfieldsctrl.h"
#include "cmnregfieldssettingssystemfieldstab.h"
#include "cmnwhatsthistexts.h"
#include "fieldssettingstesting.h"
#include "nameditemstesting.h"
#include "rendertesting.h"
#include "testmessageboxscope.h"

#include <QTest>

namespace {

using CDialog = TOrvFieldsSettingsDialog<CCmnRegFieldsSettingsSystemFieldsTab>;

CCmnRegFieldsSettings Settled()
{
    return OrvSettled(BioTestDefaultFieldsSettings());
}

struct CFixture
{
    explicit CFixture(const CCmnRegFieldsSettings &settings = Settled())
        : m_Dialog(settings, m_Reg, QStringLiteral("System Fields"))
    {
        m_Dialog.Prepare();
    }

    CCmnRegFieldsSettingsSystemFieldsCtrl *Ctrl() const { return m_Dialog.m_Tab->SystemFieldsCtrl(); }
    QStringList Shown() const { return OrvListWidgetTexts(Ctrl()->ListWidget()); }
    void Edit(const QString &label)
    {
        const QList<QListWidgetItem *> found = Ctrl()->ListWidget()->findItems(label, Qt::MatchExactly);
        QCOMPARE(found.size(), 1);
        Ctrl()->ListWidget()->setCurrentItem(found.first());
        Ctrl()->EditButton()->click();
    }
    const CCmnRegField *Saved(int id) const
    {
        for (const auto *list : {&m_Dialog.m_Copy.GetSpecialFields(), &m_Dialog.m_Copy.GetSystemFields()}) {
            for (const CCmnRegField &field : *list) {
                if (field.m_Id == id)
                    return &field;
            }
        }
        return nullptr;
    }

    CTestMessageBoxScope m_Boxes;
    QSharedPointer<CBioReg> m_Reg = OrvNewBioReg();
    CDialog m_Dialog;
    COrvFieldDialogUser m_User;
    // The field configuration dialogs the lists open are answered by m_User.
    CTestDialogRunnerScope m_Runner{m_User.Runner()};
};

} // namespace

class TestCmnRegFieldsSettingsSystemFieldsTab : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void listsBuiltInFieldsByCurrentLabel();
    void sharedLabelListsOnlyTheFirst();
    void builtInHelpCoversEveryControl();
    void editOpensTheFieldsMode_data();
    void editOpensTheFieldsMode();
    void savingWithoutEditsMarksEverything();
    void keepsAnEditOnlyWhenAccepted();
    void rendersUserWords();
};

void TestCmnRegFieldsSettingsSystemFieldsTab::initTestCase()
{
    CmnGetAppDescriptor().m_ProductDisplayName = "Orvanta";
}

void TestCmnRegFieldsSettingsSystemFieldsTab::init()
{
    BioCreateTerminology();
}

void TestCmnRegFieldsSettingsSystemFieldsTab::cleanup()
{
    BioDestroyTerminology();
}

void TestCmnRegFieldsSettingsSystemFieldsTab::listsBuiltInFieldsByCurrentLabel()
{
    BioTestUseWords({{BioTermTitle, "Smith & Jones <UK>"}});
    CFixture fixture;
    QCOMPARE(fixture.Shown(), QStringList({"Dam", "Date of Birth", "Date of Death", "Inbreeding", "Sex", "Sire",
                                           "Smith & Jones <UK>", "Suffix"}));
    CCmnRegFieldsSettingsSystemFieldsCtrl *ctrl = fixture.Ctrl();
    QVERIFY(ctrl->EditButton());
    QVERIFY(!ctrl->AddButton() && !ctrl->DeleteButton() && !ctrl->RenameButton() && !ctrl->UpButton());
    QCOMPARE(fixture.m_Dialog.m_Tab->HelpPage(), QStringLiteral("CCmnRegFieldsSettingsSystemFieldsTab.html"));

    // A double-click edits.
    emit ctrl->ListWidget()->itemDoubleClicked(ctrl->ListWidget()->item(5));
    QCOMPARE(fixture.m_User.m_Shown.size(), 1);
    QCOMPARE(fixture.m_User.m_Shown.first().m_Name, QStringLiteral("Sire"));
}

void TestCmnRegFieldsSettingsSystemFieldsTab::sharedLabelListsOnlyTheFirst()
{
    BioTestUseWords({{BioTermDam, "Sire"}});
    CFixture fixture;
    QCOMPARE(fixture.Shown().count("Sire"), 1);
    QCOMPARE(fixture.Shown().size(), 7);
    // The sire comes first in the special fields, so the row edits the sire; the
    // dam's settings stay as they were.
    fixture.m_User.Ok(QString(), [](CCmnRegFieldConfDialog &dialog) { dialog.m_WordWrapCheck->setChecked(false); });
    fixture.Edit("Sire");
    QVERIFY(fixture.m_Dialog.Ok());
    QVERIFY(!(fixture.Saved(-105)->m_Def.m_Flags & CmnRegFieldWordWrap));
    QCOMPARE(*fixture.Saved(-106), Settled().GetSpecialFields().at(2));
}

void TestCmnRegFieldsSettingsSystemFieldsTab::builtInHelpCoversEveryControl()
{
    CmnInitFramework(CmnGetAppDescriptor());
    const TCmnWhatsThisTable previous = CmnSetWhatsThisTexts({});
    CmnLoadWhatsThisTexts();
    CFixture fixture;
    CmnSetWhatsThisTexts(previous);
    QVERIFY(!fixture.Ctrl()->ListWidget()->whatsThis().isEmpty());
    QVERIFY(!fixture.Ctrl()->EditButton()->whatsThis().isEmpty());
}

void TestCmnRegFieldsSettingsSystemFieldsTab::editOpensTheFieldsMode_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("mode");
    const int special = CmnRegFieldConfNameFixed | CmnRegFieldConfInbuilt;
    const int system = CmnRegFieldConfNameFixed | CmnRegFieldConfTypeFixed;
    QTest::newRow("sex") << "Sex" << special;
    QTest::newRow("sire") << "Sire" << special;
    QTest::newRow("inbreeding") << "Inbreeding" << special;
    QTest::newRow("date of birth") << "Date of Birth" << system;
    QTest::newRow("title") << "Title" << system;
}

void TestCmnRegFieldsSettingsSystemFieldsTab::editOpensTheFieldsMode()
{
    QFETCH(QString, label);
    QFETCH(int, mode);
    CFixture fixture;
    fixture.Edit(label);
    QCOMPARE(fixture.m_User.m_Shown.size(), 1);
    const COrvFieldDialogUser::CShown &shown = fixture.m_User.m_Shown.first();
    QCOMPARE(shown.m_Mode, mode);
    QCOMPARE(shown.m_Title, QStringLiteral("Edit Field"));
    QCOMPARE(shown.m_Name, label);
    QVERIFY(shown.m_NameReadOnly);
}

void TestCmnRegFieldsSettingsSystemFieldsTab::savingWithoutEditsMarksEverything()
{
    CFixture fixture;
    QCOMPARE(fixture.m_Dialog.m_Copy.GetChanged(), 0);
    QVERIFY(fixture.m_Dialog.Ok());
    QCOMPARE(fixture.m_Dialog.m_Copy.GetChanged(), 0x1F);
    QCOMPARE(fixture.m_Dialog.m_Copy.GetSpecialFields(), Settled().GetSpecialFields());
    QCOMPARE(fixture.m_Dialog.m_Copy.GetSystemFields(), Settled().GetSystemFields());
}

void TestCmnRegFieldsSettingsSystemFieldsTab::keepsAnEditOnlyWhenAccepted()
{
    const auto noKeyField = [](CCmnRegFieldConfDialog &dialog) { dialog.m_KeyFieldCheck->setChecked(false); };
    const auto wrap = [](CCmnRegFieldConfDialog &dialog) { dialog.m_WordWrapCheck->setChecked(false); };
    CFixture fixture;
    fixture.Edit("Title");   // cancelled: no step
    fixture.m_User.Ok(QString(), noKeyField);
    fixture.Edit("Date of Birth");
    fixture.m_User.Ok(QString(), wrap);
    fixture.Edit("Sire");
    QVERIFY(fixture.m_Dialog.Ok());

    const CCmnRegFieldsSettings before = Settled();
    QCOMPARE(*fixture.Saved(-107), before.GetSystemFields().at(2));
    QVERIFY(!(fixture.Saved(-103)->m_Def.m_Flags & CmnRegFieldKey));
    QVERIFY(!(fixture.Saved(-105)->m_Def.m_Flags & CmnRegFieldWordWrap));
    // An inbuilt field's type and required flag are never touched.
    QCOMPARE(fixture.Saved(-105)->m_Def.m_Type, before.GetSpecialFields().at(1).m_Def.m_Type);
    QCOMPARE(fixture.Saved(-105)->m_Def.m_Flags & CmnRegFieldRequired,
             before.GetSpecialFields().at(1).m_Def.m_Flags & CmnRegFieldRequired);
    // The field leaves the automatic select window layout.
    CCmnRegFieldsSettings saved = fixture.m_Dialog.m_Copy;
    CCmnRegFieldsSettings settled = Settled();
    QCOMPARE(saved.GetSelectRecordLayout().size(), settled.GetSelectRecordLayout().size() - 1);
}

void TestCmnRegFieldsSettingsSystemFieldsTab::rendersUserWords()
{
    BioTestUseWords({{BioTermTitle, "Smith & Jones <UK>"},
              {BioTermSuffix, "Registered kennel affix, as printed on the certificate"}});
    CFixture fixture;
    QVERIFY(OrvRenderForReview(fixture.m_Dialog, QSize(520, 320), "systemfieldstab.png"));
}

QTEST_MAIN(TestCmnRegFieldsSettingsSystemFieldsTab)
#include "tst_cmnregfieldssettingssystemfieldstab.moc"
