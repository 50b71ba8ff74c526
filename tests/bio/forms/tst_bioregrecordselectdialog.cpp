#include "bioreg.h"
#include "bioregrecordselectdialog.h"
#include "bioregrecordselectdialogmodel.h"
#include "bioterminology.h"
#include "cmnappdescriptor.h"
#include "cmncombobox.h"
#include "cmnframework.h"
#include "cmnlistview.h"
#include "cmnwhatsthistexts.h"
#include "testsettingsscope.h"
#include "../reg/bioregtesting.h"

#include <QTest>

namespace {

struct CAnimals
{
    CAnimals()
    {
        rex = AddAnimal(reg, "Rex", 1);
        bess = AddAnimal(reg, "Smith & Jones <UK>", 2);
        max = AddAnimal(reg, "Max", 1);
    }
    CBioReg reg{CCmnRegFieldsSettings()};
    int rex = 0;
    int bess = 0;
    int max = 0;
};

int CurrentId(const CBioRegRecordSelectDialog &dialog)
{
    const QModelIndex current = dialog.ListView()->currentIndex();
    return current.isValid() ? dialog.GetRecordIdAt(current.row()) : 0;
}

void ChooseFilter(CBioRegRecordSelectDialog &dialog, int filter)
{
    CCmnComboBox *combo = dialog.SexFilterComboBox();
    combo->setCurrentIndex(combo->findData(filter));
    dialog.Slot_activated_SexSelect(combo->currentIndex());
}

} // namespace

class TestBioRegRecordSelectDialog : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase() { BioDestroyTerminology(); }
    void preselectionOutsideTheFilterGivesTheFirstRow();
    void filterChangeKeepsTheCurrentRecord();
};

void TestBioRegRecordSelectDialog::initTestCase()
{
    CmnInitFramework(CCmnAppDescriptor());
    CmnLoadWhatsThisTexts();
    BioCreateTerminology();
}

void TestBioRegRecordSelectDialog::preselectionOutsideTheFilterGivesTheFirstRow()
{
    CTestSettingsScope settings;
    CAnimals animals;
    CBioRegRecordSelectDialog dialog(QPoint(200, 200), &animals.reg);
    dialog.m_ChosenId = animals.bess;
    dialog.m_SexFilter = 1;
    dialog.Prepare();
    QCOMPARE(dialog.SexFilterComboBox()->currentData().toInt(), 1);
    QCOMPARE(dialog.Model()->rowCount(), 2);
    QCOMPARE(CurrentId(dialog), animals.max);
    dialog.accept();
    QCOMPARE(dialog.m_ChosenId, animals.max);
    QCOMPARE(dialog.m_SexFilter, 1);
}

void TestBioRegRecordSelectDialog::filterChangeKeepsTheCurrentRecord()
{
    CTestSettingsScope settings;
    CAnimals animals;
    CBioRegRecordSelectDialog dialog(QPoint(200, 200), &animals.reg);
    dialog.m_ChosenId = animals.bess;
    dialog.Prepare();
    QCOMPARE(CurrentId(dialog), animals.bess);
    ChooseFilter(dialog, 2);
    QCOMPARE(dialog.Model()->rowCount(), 1);
    QCOMPARE(CurrentId(dialog), animals.bess);
    // Not in the male list: the first row.
    ChooseFilter(dialog, 1);
    QCOMPARE(CurrentId(dialog), animals.max);
    ChooseFilter(dialog, 0);
    QCOMPARE(CurrentId(dialog), animals.max);
    ChooseFilter(dialog, 2);
    dialog.resize(560, 320);
    const QString path = qEnvironmentVariable("ORV_SCREENSHOT_DIR");
    if (!path.isEmpty())
        dialog.grab().save(path + "/bioregrecordselectdialog.png");
    dialog.accept();
    QCOMPARE(dialog.m_ChosenId, animals.bess);
    QCOMPARE(dialog.m_SexFilter, 2);
}

QTEST_MAIN(TestBioRegRecordSelectDialog)
#include "tst_bioregrecordselectdialog.moc"
