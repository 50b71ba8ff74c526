#include "bioreg.h"
#include "bioregrecordgeneraltab.h"
#include "bioregrecordpictab.h"
#include "bioregrecordtabdialog.h"
#include "bioterminology.h"
#include "cmnappdescriptor.h"
#include "cmncombobox.h"
#include "cmnframework.h"
#include "cmnlineedit.h"
#include "cmnpicctrl.h"
#include "cmnpushbutton.h"
#include "cmnregfielddef.h"
#include "cmnregfieldssettings.h"
#include "cmntabwidget.h"
#include "cmnwhatsthistexts.h"
#include "testmessageboxscope.h"
#include "testsettingsscope.h"
#include "usertexts.h"
#include "../reg/bioregtesting.h"

#include <QTest>

namespace {

constexpr int kDateOfBirth = -103;
constexpr int kDateOfDeath = -104;

struct CRecordWindow
{
    explicit CRecordWindow(bool sexEditable = true, int sex = 1)
    {
        CCmnRegFieldsSettings settings = reg.GetFieldsSettings();
        settings.AddSystemField(CCmnRegField(kDateOfBirth, CCmnRegFieldDef(CmnRegFieldDate, 0)));
        settings.AddSystemField(CCmnRegField(kDateOfDeath, CCmnRegFieldDef(CmnRegFieldDate, 0)));
        // A page named like the photo page, in another letter case.
        settings.SetRecordDetailsLayout(false, {{kDateOfBirth, false, {}}, {kDateOfDeath, false, "photo"}});
        reg.SetFieldsSettings(settings, false);
        dialog = std::make_unique<CBioRegRecordTabDialog>(QPoint(300, 300), sexEditable, &reg);
        dialog->m_RecordCopy.m_Name = "Smith & Jones <UK>";
        dialog->m_RecordCopy.m_Sex = sex;
        dialog->Prepare();
    }
    CBioReg reg{CCmnRegFieldsSettings()};
    std::unique_ptr<CBioRegRecordTabDialog> dialog;
};

QList<int> FieldIds(const CCmnRegRecordEditableFieldsTab *tab)
{
    QList<int> ids;
    for (const CCmnRegFieldEditItem &item : tab->m_Items)
        ids.append(item.m_FieldId);
    return ids;
}

} // namespace

class TestBioRegRecordTabDialog : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase() { BioDestroyTerminology(); }
    void photoPageFoldsIntoGeneral();
    void emptyNameIsRefused();
    void unknownSexAsksAndNoKeepsTheWindow();
    void fixedSexIsShownDisabled();
};

void TestBioRegRecordTabDialog::initTestCase()
{
    CmnInitFramework(CCmnAppDescriptor());
    CmnLoadWhatsThisTexts();
    BioCreateTerminology();
}

void TestBioRegRecordTabDialog::photoPageFoldsIntoGeneral()
{
    CTestSettingsScope settings;
    CRecordWindow window;
    CCmnTabWidget *tabs = window.dialog->TabWidget();
    QCOMPARE(tabs->count(), 2);
    QCOMPARE(tabs->tabText(0), QString("General"));
    QCOMPARE(tabs->tabText(1).remove('&'), QString("Photo"));
    QCOMPARE(FieldIds(window.dialog->GeneralTab()), QList<int>({kDateOfBirth, kDateOfDeath}));
    QCOMPARE(window.dialog->GeneralTab()->NameEdit()->text(), QString("Smith & Jones <UK>"));
    QVERIFY(!window.dialog->GeneralTab()->NameEdit()->whatsThis().isEmpty());
    const CCmnPicCtrl *photo = window.dialog->PhotoTab()->PicCtrl();
    QCOMPARE(OrvShownMnemonicText(photo->SelectButton()->text()), QString("Add"));
    QCOMPARE(OrvShownMnemonicText(photo->RemoveButton()->text()), QString("Remove"));
    window.dialog->resize(560, 300);
    const QString path = qEnvironmentVariable("ORV_SCREENSHOT_DIR");
    if (!path.isEmpty())
        window.dialog->grab().save(path + "/bioregrecordtabdialog.png");
}

void TestBioRegRecordTabDialog::emptyNameIsRefused()
{
    CTestSettingsScope settings;
    CTestMessageBoxScope boxes;
    CRecordWindow window;
    window.dialog->GeneralTab()->NameEdit()->setText("   ");
    window.dialog->accept();
    QCOMPARE(window.dialog->result(), int(QDialog::Rejected));
    QCOMPARE(boxes.Requests().size(), 1);
    QVERIFY(boxes.Requests().first().m_Text.contains("Name"));
}

void TestBioRegRecordTabDialog::unknownSexAsksAndNoKeepsTheWindow()
{
    CTestSettingsScope settings;
    CTestMessageBoxScope boxes;
    CRecordWindow window(true, 0);
    boxes.Answer(QMessageBox::No);
    window.dialog->accept();
    QCOMPARE(window.dialog->result(), int(QDialog::Rejected));
    QCOMPARE(boxes.Requests().size(), 1);
    QVERIFY(boxes.Requests().first().m_Text.contains("You have not set the sex of this animal."));
    QVERIFY(boxes.Requests().first().m_Text.contains("Do you wish to continue anyway?"));
    boxes.Answer(QMessageBox::Yes);
    window.dialog->accept();
    QCOMPARE(window.dialog->result(), int(QDialog::Accepted));
}

void TestBioRegRecordTabDialog::fixedSexIsShownDisabled()
{
    CTestSettingsScope settings;
    CRecordWindow fixed(false, 2);
    QVERIFY(!fixed.dialog->GeneralTab()->SexComboBox()->isEnabled());
    QCOMPARE(fixed.dialog->GeneralTab()->SexComboBox()->currentData().toInt(), 2);
    CRecordWindow editable(true, 1);
    QVERIFY(editable.dialog->GeneralTab()->SexComboBox()->isEnabled());
}

QTEST_MAIN(TestBioRegRecordTabDialog)
#include "tst_bioregrecordtabdialog.moc"
