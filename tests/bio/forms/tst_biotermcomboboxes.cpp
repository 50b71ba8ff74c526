#include "bioterminology.h"
#include "bioterminologysettings.h"
#include "biotermcomboboxes.h"
#include "cmncombobox.h"

#include <QTest>
#include <QWidget>

namespace {

QStringList Texts(const QComboBox *combo)
{
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i)
        texts << combo->itemText(i);
    return texts;
}

QList<int> Codes(const QComboBox *combo)
{
    QList<int> codes;
    for (int i = 0; i < combo->count(); ++i)
        codes << combo->itemData(i).toInt();
    return codes;
}

} // namespace

class TestBioTermComboBoxes : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void sexItemsFollowTheTerminology();
    void filterItemsAndPrefix();
    void speciesItemsAndVisibleCount();
    void speciesFromTheCurrentItem();
};

void TestBioTermComboBoxes::init()
{
    BioInitTermEditableTable();
    BioCreateTerminology();
}

void TestBioTermComboBoxes::cleanup()
{
    BioDestroyTerminology();
}

void TestBioTermComboBoxes::sexItemsFollowTheTerminology()
{
    QWidget parent;
    CBioTerminologySettings people;
    people.ApplySpeciesDefaults(BioSpeciesPeople);
    BioSetTerminology(people);
    const CCmnComboBox *sexes = BioNewSexComboBox(std::nullopt, 0, QString(), &parent);
    QCOMPARE(sexes->parent(), &parent);
    QCOMPARE(Texts(sexes), QStringList({"Unknown", "Male", "Female"}));
    QCOMPARE(Codes(sexes), QList<int>({0, 1, 2}));
    const CCmnComboBox *parents = BioNewSexComboBox(QList<int>{2, 1}, BioTermAsParent, QString(), &parent);
    QCOMPARE(Texts(parents), QStringList({"Mother", "Father"}));
    QCOMPARE(Codes(parents), QList<int>({2, 1}));
}

void TestBioTermComboBoxes::filterItemsAndPrefix()
{
    QWidget parent;
    const CCmnComboBox *filters = BioNewSexFilterComboBox(std::nullopt, 1, QStringLiteral("- "), &parent);
    QCOMPARE(Texts(filters),
             QStringList({"- Show All", "- Show Males Only", "- Show Females Only", "- Show Unknown Sex Only"}));
    QCOMPARE(Codes(filters), QList<int>({0, 1, 2, 3}));
    QCOMPARE(filters->maxVisibleItems(), 4);
}

void TestBioTermComboBoxes::speciesItemsAndVisibleCount()
{
    QWidget parent;
    const CCmnComboBox *species = BioNewSpeciesComboBox(std::nullopt, QString(), &parent);
    QCOMPARE(species->count(), 13);
    QCOMPARE(species->itemText(0), QStringLiteral("Birds"));
    QCOMPARE(species->itemText(7), QStringLiteral("Custom"));
    QCOMPARE(species->itemData(12).toInt(), 12);
    QCOMPARE(species->maxVisibleItems(), 13);
    const CCmnComboBox *some = BioNewSpeciesComboBox(QList<int>{2, 40}, QString(), &parent);
    QCOMPARE(Texts(some), QStringList({"Dogs", "??"}));
}

void TestBioTermComboBoxes::speciesFromTheCurrentItem()
{
    QWidget parent;
    CCmnComboBox *combo = BioNewSpeciesComboBox(QList<int>{3, 20, -2}, QString(), &parent);
    combo->setCurrentIndex(0);
    QCOMPARE(BioGetSpeciesFromComboBox(combo), 3);
    combo->setCurrentIndex(1);
    QCOMPARE(BioGetSpeciesFromComboBox(combo), 12);
    combo->setCurrentIndex(2);
    QCOMPARE(BioGetSpeciesFromComboBox(combo), 0);
    combo->setCurrentIndex(-1);
    QCOMPARE(BioGetSpeciesFromComboBox(combo), 0);
}

QTEST_MAIN(TestBioTermComboBoxes)
#include "tst_biotermcomboboxes.moc"
