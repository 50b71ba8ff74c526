#include "cmndatastream.h"
#include "cmnregfieldssettings.h"
#include "cmnregvaluekind.h"
#include "regtesting.h"

#include <QComboBox>
#include <QDataStream>
#include <QTest>

namespace {

constexpr int kColour = 1;
constexpr int kCoat = 2;
constexpr int kMarkings = 3;

CCmnRegFieldDef TextDef(quint32 flags, const QString &sharedList = QString())
{
    CCmnRegFieldDef def(CmnRegFieldText, flags);
    def.SetSharedLookupListName(sharedList);
    return def;
}

// Colour has a private list and feeds "Colours"; Coat feeds "colours" (the same
// list); Markings offers nothing.
CCmnRegFieldsSettings Settings(quint32 colourFlags = CmnRegFieldPrivateList | CmnRegFieldSharedList)
{
    CCmnRegUserFieldSet user;
    user.AddField(QStringLiteral("Colour"), CCmnRegUserField(kColour, TextDef(colourFlags, QStringLiteral("Colours"))));
    user.AddField(QStringLiteral("Coat"), CCmnRegUserField(kCoat, TextDef(CmnRegFieldSharedList, QStringLiteral(" colours"))));
    user.AddField(QStringLiteral("Markings"), CCmnRegUserField(kMarkings, TextDef(0)));
    CCmnRegFieldsSettings settings;
    settings.SetUserFields(user);
    return settings;
}

int AddWith(CTestReg &reg, const QList<QPair<int, QString>> &values, bool update = true)
{
    auto record = QSharedPointer<CTestRecord>::create(&reg, QStringLiteral("Rec"));
    for (const auto &value : values)
        record->SetValue(value.first, CmnRegValueText, value.second);
    return reg.AddRecord(record, update);
}

QStringList Texts(CCmnRegLookupList *list)
{
    QStringList texts;
    if (!list)
        return {QStringLiteral("<none>")};
    list->m_List.Flush();
    for (const CCmnStringTriple &triple : list->m_List.Items())
        texts.append(triple.m_Text);
    return texts;
}

QStringList OwnTexts(CTestReg &reg, int fieldId)
{
    return Texts(reg.GetLookupLists().FindField(fieldId)->PrivateList());
}

QStringList SharedTexts(CTestReg &reg)
{
    return Texts(reg.GetLookupLists().FindSharedList(QStringLiteral("COLOURS")));
}

} // namespace

class TestCmnRegLookupLists : public QObject
{
    Q_OBJECT
private slots:
    void keepsLetterCasesApartSideBySide();
    void sharesListsByNameIgnoringCase();
    void updateNeverRemovesValues();
    void switchingPrivateListsOnFillsThem();
    void bulkFillRebuildsOnce();
    void readRegisterOffersItsValues();
    void bothMergesGiveTheSameList_data();
    void bothMergesGiveTheSameList();
    void fillsComboBoxes();
};

void TestCmnRegLookupLists::keepsLetterCasesApartSideBySide()
{
    CTestReg reg;
    reg.SetFieldsSettings(Settings(), false);
    for (const char *colour : {"rex", "Zebra", "REX", "Rex", "Ace", "Rex", ""})
        AddWith(reg, {{kColour, QString::fromUtf8(colour)}});
    QCOMPARE(OwnTexts(reg, kColour), (QStringList{"Ace", "REX", "Rex", "rex", "Zebra"}));
    QCOMPARE(Texts(reg.GetLookupLists().FindField(kMarkings)->PrivateList()), QStringList{"<none>"});
}

void TestCmnRegLookupLists::sharesListsByNameIgnoringCase()
{
    CTestReg reg;
    reg.SetFieldsSettings(Settings(), false);
    AddWith(reg, {{kColour, "Bay"}, {kCoat, "Rough"}, {kMarkings, "Star"}});
    QCOMPARE(SharedTexts(reg), (QStringList{"Bay", "Rough"}));
    QCOMPARE(OwnTexts(reg, kColour), QStringList{"Bay"});
}

void TestCmnRegLookupLists::updateNeverRemovesValues()
{
    CTestReg reg;
    reg.SetFieldsSettings(Settings(), false);
    const int id = AddWith(reg, {{kColour, "Bay"}});
    auto changed = reg.Record(id)->Clone();
    changed->SetValue(kColour, CmnRegValueText, QStringLiteral("Grey"));
    reg.ReplaceRecord(id, changed, true);
    QVERIFY(reg.DeleteRecord(id, true));
    QCOMPARE(OwnTexts(reg, kColour), (QStringList{"Bay", "Grey"}));
    QCOMPARE(SharedTexts(reg), (QStringList{"Bay", "Grey"}));
    reg.RebuildLookupLists();
    QCOMPARE(OwnTexts(reg, kColour), QStringList());
}

void TestCmnRegLookupLists::switchingPrivateListsOnFillsThem()
{
    CTestReg reg;
    reg.SetFieldsSettings(Settings(CmnRegFieldSharedList), false);
    AddWith(reg, {{kColour, "Bay"}});
    AddWith(reg, {{kColour, "Grey"}});
    QCOMPARE(reg.GetLookupLists().FindField(kColour)->PrivateList(), nullptr);
    reg.SetFieldsSettings(Settings(), false);
    QCOMPARE(OwnTexts(reg, kColour), (QStringList{"Bay", "Grey"}));
    reg.SetFieldsSettings(Settings(CmnRegFieldSharedList), false);
    QCOMPARE(reg.GetLookupLists().FindField(kColour)->PrivateList(), nullptr);
    QCOMPARE(reg.GetLookupLists().FindField(kColour)->m_Own.m_List.Items().size(), 2);
    // A field that stops feeding the shared list leaves it; the list is refilled.
    reg.SetFieldsSettings(Settings(CmnRegFieldPrivateList), false);
    QCOMPARE(SharedTexts(reg), QStringList());
}

void TestCmnRegLookupLists::bulkFillRebuildsOnce()
{
    CTestReg reg;
    reg.SetFieldsSettings(Settings(), false);
    for (const char *colour : {"Bay", "Grey", "Bay"})
        AddWith(reg, {{kColour, QString::fromUtf8(colour)}}, false);
    QCOMPARE(OwnTexts(reg, kColour), QStringList());
    reg.RebuildLookupLists();
    QCOMPARE(reg.GetLookupLists().FindField(kColour)->m_Own.m_List.QueuedCount(), 3);
    QCOMPARE(OwnTexts(reg, kColour), (QStringList{"Bay", "Grey"}));
}

void TestCmnRegLookupLists::readRegisterOffersItsValues()
{
    CTestReg reg;
    reg.SetFieldsSettings(Settings(), false);
    AddWith(reg, {{kColour, "Bay"}, {kCoat, "Rough"}});
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    CmnPrepareDataStream(out);
    reg.Write(out);

    CTestReg read;
    read.SetFieldsSettings(Settings(), false);
    QDataStream in(bytes);
    CmnPrepareDataStream(in);
    QVERIFY(read.Read(in));
    // Reading leaves the fields to the document, which applies its settings next.
    QCOMPARE(read.GetLookupLists().FindField(kColour), nullptr);
    read.SetFieldsSettings(Settings(), false);
    QCOMPARE(OwnTexts(read, kColour), QStringList{"Bay"});
    QCOMPARE(SharedTexts(read), (QStringList{"Bay", "Rough"}));
}

void TestCmnRegLookupLists::bothMergesGiveTheSameList_data()
{
    QTest::addColumn<int>("present");
    QTest::addColumn<int>("queued");
    QTest::newRow("few into many: inserted") << 300 << 20;
    QTest::newRow("a tenth or more: sorted") << 100 << 20;
    QTest::newRow("above 100: sorted") << 3000 << 150;
    QTest::newRow("into an empty list") << 0 << 5;
}

void TestCmnRegLookupLists::bothMergesGiveTheSameList()
{
    QFETCH(int, present);
    QFETCH(int, queued);
    auto triple = [](int n) {
        const QString text = QStringLiteral("Name %1").arg(n % 7 == 0 ? n / 2 : n);
        return CCmnStringTriple{text.toUpper(), text.toUpper(), text};
    };
    CCmnSortedStringTripleList list;
    QVector<CCmnStringTriple> expected;
    for (int n = 0; n < present + queued; ++n) {
        list.QueueChange(triple(n));
        expected.append(triple(n));
        if (n == present - 1)
            list.Flush();
    }
    list.Flush();
    std::sort(expected.begin(), expected.end(), CmnStringTripleLess);
    expected.erase(std::unique(expected.begin(), expected.end()), expected.end());
    QCOMPARE(list.Items(), expected);
}

void TestCmnRegLookupLists::fillsComboBoxes()
{
    CCmnSortedStringTripleList list;
    for (const char *text : {"Smith & Jones <UK>", "Ace"})
        list.QueueChange(CCmnStringTriple{QString::fromUtf8(text).toUpper(), QString::fromUtf8(text).toUpper(),
                                          QString::fromUtf8(text)});
    QComboBox combo;
    list.FillComboBox(&combo);
    QCOMPARE(combo.count(), 2);
    QCOMPARE(combo.itemText(1), QStringLiteral("Smith & Jones <UK>"));
    QCOMPARE(combo.itemData(0), QVariant());
}

QTEST_MAIN(TestCmnRegLookupLists)
#include "tst_cmnreglookuplists.moc"
