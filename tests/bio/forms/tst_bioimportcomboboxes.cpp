#include "bioimportcomboboxes.h"
#include "bioterminology.h"
#include "bioterminologysettings.h"
#include "cmncombobox.h"

#include <QTest>

#include <memory>

namespace {

QStringList Items(const QComboBox &combo)
{
    QStringList items;
    for (int i = 0; i < combo.count(); ++i)
        items.append(QStringLiteral("%1=%2").arg(combo.itemData(i).toInt()).arg(combo.itemText(i)));
    return items;
}

} // namespace

class TestBioImportComboBoxes : public QObject
{
    Q_OBJECT
private slots:
    void fieldsLeaveOutCodesWithoutCaption();
    void typesOfAGivenList();
};

void TestBioImportComboBoxes::fieldsLeaveOutCodesWithoutCaption()
{
    BioInitTermEditableTable();
    BioCreateTerminology();
    CBioTerminologySettings dogs;
    dogs.ApplySpeciesDefaults(BioSpeciesDogs);
    BioSetTerminology(dogs);
    const std::unique_ptr<CCmnComboBox> all(BioCreateImportFieldComboBox(nullptr, nullptr));
    const QList<qint32> someCodes{13, 10, 1};
    const std::unique_ptr<CCmnComboBox> some(BioCreateImportFieldComboBox(&someCodes, nullptr));
    BioDestroyTerminology();

    QCOMPARE(Items(*all), (QStringList{"1=Dog ID", "2=Sire ID", "3=Dam ID", "4=Sex", "5=Date of Birth", "6=Name",
                                       "7=Sire Name", "8=Dam Name", "9=Date of Death", "12=User Field",
                                       "13=Ignore", "14=Title", "15=Suffix"}));
    QCOMPARE(all->maxVisibleItems(), 13);
    QCOMPARE(Items(*some), (QStringList{"13=Ignore", "1=Dog ID"}));
}

void TestBioImportComboBoxes::typesOfAGivenList()
{
    const std::unique_ptr<CCmnComboBox> all(BioCreateImportTypeComboBox(nullptr, nullptr));
    QCOMPARE(Items(*all), (QStringList{"1=Text", "2=Date", "3=Integer", "4=Number"}));
    const QList<qint32> dateOnly{2};
    const std::unique_ptr<CCmnComboBox> date(BioCreateImportTypeComboBox(&dateOnly, nullptr));
    QCOMPARE(Items(*date), QStringList{"2=Date"});
}

QTEST_MAIN(TestBioImportComboBoxes)
#include "tst_bioimportcomboboxes.moc"
