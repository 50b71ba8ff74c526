#include "bioreg.h"
#include "bioregcheckdialog.h"
#include "bioregcheckrunner.h"
#include "../reg/bioregtesting.h"
#include "bioterminology.h"
#include "bioterminologysettings.h"
#include "cmnappdescriptor.h"
#include "cmncheckbox.h"
#include "cmnframework.h"
#include "cmnradiobutton.h"
#include "cmnwhatsthistexts.h"

#include <QGroupBox>
#include <QTest>

class TestBioRegCheckDialog : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init() { BioCreateTerminology(); }
    void cleanup() { BioDestroyTerminology(); }
    void startsFromTheDefaultsAndSavesTheChoices();
    void textsFollowTheTerminology();
    void largeRegisterChecksWithProgress();
};

void TestBioRegCheckDialog::initTestCase()
{
    CmnInitFramework(CCmnAppDescriptor());
    CmnLoadWhatsThisTexts();
    BioInitTermEditableTable();
}

void TestBioRegCheckDialog::startsFromTheDefaultsAndSavesTheChoices()
{
    CBioRegCheckDialog dialog(nullptr, "pedigree");
    dialog.Prepare();
    QVERIFY(dialog.WithinFormRadio()->isChecked());
    QVERIFY(!dialog.AllRecordsRadio()->isChecked());
    QVERIFY(dialog.ParentLinksCheckBox()->isChecked());
    QVERIFY(dialog.DatesCheckBox()->isChecked());
    QVERIFY(dialog.LoopsCheckBox()->isChecked());
    QVERIFY(!dialog.WithinFormRadio()->whatsThis().isEmpty());

    dialog.AllRecordsRadio()->setChecked(true);
    dialog.DatesCheckBox()->setChecked(false);
    dialog.accept();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(dialog.m_Options.m_AllRecords);
    QVERIFY(!dialog.m_Options.m_CheckDates);
    QVERIFY(dialog.m_Options.m_CheckParentLinks);
    QVERIFY(dialog.m_Options.m_CheckLoops);
    QCOMPARE(dialog.m_Options.m_Generations, 4);
}

void TestBioRegCheckDialog::textsFollowTheTerminology()
{
    CBioTerminologySettings terms;
    terms.ApplySpeciesDefaults(BioSpeciesCustom);
    terms.SetWord(0, true, "Smith & Jones <UK>", false);
    terms.SetWord(9, false, "Stud", false);
    terms.SetWord(10, false, "Queen", false);
    BioSetTerminology(terms);
    CBioRegCheckDialog dialog(nullptr, "trial mating");
    dialog.Prepare();
    QCOMPARE(dialog.AllRecordsRadio()->text().remove('&'), QString("All smith  jones <uk>"));
    QVERIFY(dialog.WithinFormRadio()->text().contains("within this trial mating"));
    QCOMPARE(dialog.ParentLinksCheckBox()->text().remove('&'), QString("Stud/queen links with inconsistent sex"));
    const QList<QGroupBox *> groups = dialog.findChildren<QGroupBox *>();
    QCOMPARE(groups.size(), 2);
    QCOMPARE(groups.first()->title(), QString("Smith && Jones <UK> To Be Checked"));
    const QString path = qEnvironmentVariable("ORV_SCREENSHOT_DIR");
    if (!path.isEmpty())
        dialog.grab().save(path + "/bioregcheckdialog.png");
}

void TestBioRegCheckDialog::largeRegisterChecksWithProgress()
{
    CBioReg reg{CCmnRegFieldsSettings()};
    const int sire = AddAnimal(reg, "Smith & Jones <UK>", 2);
    AddAnimal(reg, "Foal", 1, sire);
    CBioRegCheckOptions options;
    options.m_AllRecords = true;
    QStringList messages;
    // Over the threshold: the progress dialog runs to the end.
    QVERIFY(BioRunRecordChecks(reg, messages, options, 0, 0, 0, nullptr, 1));
    QCOMPARE(messages, QStringList({"Foal: sire 'Smith & Jones <UK>' is female"}));
    QVERIFY(BioRunRecordChecks(reg, messages, options, 0, 0, 0, nullptr));
    QCOMPARE(messages.size(), 1);
}

QTEST_MAIN(TestBioRegCheckDialog)
#include "tst_bioregcheckdialog.moc"
