#include "cmnregindexentry.h"

#include "cmnindexkey.h"

#include <QRandomGenerator>
#include <QTest>

#include <algorithm>

namespace {

// The names keyed, ids 1, 2, ... in the order given.
std::vector<CCmnRegIndexEntry> Entries(const QStringList &names, bool foldAccents)
{
    std::vector<CCmnRegIndexEntry> entries;
    for (const QString &name : names) {
        entries.push_back(CmnRegMakeIndexKeys(name, foldAccents));
        entries.back().m_Id = int(entries.size());
    }
    return entries;
}

// Ids in the order a plain sort of the entries gives, and in the order found.
QList<int> PlainSortIds(std::vector<CCmnRegIndexEntry> entries)
{
    std::sort(entries.begin(), entries.end(), CmnRegIndexEntryLess);
    QList<int> ids;
    for (const CCmnRegIndexEntry &entry : entries)
        ids << entry.m_Id;
    return ids;
}

QList<int> OrderIds(const std::vector<CCmnRegIndexEntry> &entries)
{
    QList<int> ids;
    for (const quint32 at : CmnRegIndexEntryOrder(entries))
        ids << entries.at(at).m_Id;
    return ids;
}

QString Utf16(const char16_t *text, qsizetype size = -1)
{
    return QString::fromUtf16(text, size);
}

} // namespace

class TestCmnRegIndexEntry : public QObject
{
    Q_OBJECT
private slots:
    void keysFollowTheirDefinitions_data();
    void keysFollowTheirDefinitions();
    void orderMatchesPlainSort_data();
    void orderMatchesPlainSort();
    void orderOfRandomNamesMatchesPlainSort();
};

void TestCmnRegIndexEntry::orderMatchesPlainSort_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<bool>("foldAccents");

    QStringList ascending;
    for (int n = 0; n < 300; ++n)
        ascending << QStringLiteral("Name %1").arg(n % 150, 3, 10, QLatin1Char('0'));
    QStringList descending = ascending;
    std::reverse(descending.begin(), descending.end());

    QTest::newRow("none") << QStringList() << true;
    // Sorted and reversed runs, each name twice: the worst inputs of a simple split.
    QTest::newRow("ascending") << ascending << true;
    QTest::newRow("descending") << descending << true;
    QTest::newRow("one") << QStringList{"Rex"} << true;
    // The keys are compared eight code units at a time.
    QTest::newRow("keys ending at a piece's end")
        << QStringList{"ABCDEFGH", "ABCDEFG", "ABCDEFGHI", "abcdefgh", "ABCDEFGH", "ABCDEFGHIJKLMNOP",
                       "ABCDEFGHIJKLMNO", ""}
        << true;
    QTest::newRow("long shared beginning")
        << QStringList{"Gold Kennel of the Hill 2", "Gold Kennel of the Hill 10", "Gold Kennel of the Hill 1",
                       "gold kennel of the hill 1", "Gold Kennel of the Hill"}
        << true;
    QTest::newRow("names keyed alike")
        << QStringList{Utf16(u"\u00C9lan"), "Elan", "ELAN", Utf16(u"\u00E9lan"), "Elan ", "E  lan", "E lan"}
        << true;
    QTest::newRow("accents kept") << QStringList{Utf16(u"\u00C9lan"), "Elan", "Flan", Utf16(u"\u00E9lan")}
                                  << false;
    QTest::newRow("same name, several ids") << QStringList{"Rex", "Rex", "rex", "Rex"} << true;
    QTest::newRow("blanks only") << QStringList{" ", "", "\t", "  ", ""} << true;
    // Zero pads a key that ends inside a piece, so it must not tie with a real zero.
    QTest::newRow("code unit zero")
        << QStringList{Utf16(u"A\0B", 3), "A", Utf16(u"A\0", 2), Utf16(u"A\0\0", 3), Utf16(u"A\uFFFF")}
        << true;
    QTest::newRow("surrogates and the highest codes")
        << QStringList{Utf16(u"\U00010428x"), Utf16(u"\uFFFDy"), Utf16(u"\xD800"), Utf16(u"\uFFFF"), "z"}
        << true;
}

void TestCmnRegIndexEntry::keysFollowTheirDefinitions_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("foldAccents");
    QTest::newRow("plain ASCII") << "Rex of Dawn Hill 12" << true;
    QTest::newRow("ASCII, double blank") << "Rex  of Dawn" << true;
    QTest::newRow("ASCII, tab") << "Rex\tof Dawn" << true;
    QTest::newRow("accent folded") << Utf16(u"\u00C9lan Gold") << true;
    QTest::newRow("accent kept") << Utf16(u"\u00C9lan Gold") << false;
    QTest::newRow("upper case only") << "REX" << true;
    QTest::newRow("empty") << "" << true;
    QTest::newRow("null") << QString() << true;
}

// The normalised key, the name upper-cased and the name, however they are made.
void TestCmnRegIndexEntry::keysFollowTheirDefinitions()
{
    QFETCH(QString, name);
    QFETCH(bool, foldAccents);
    const CCmnRegIndexEntry entry = CmnRegMakeIndexKeys(name, foldAccents);
    const int flags = CmnIndexCollapseSpace | (foldAccents ? CmnIndexFoldAccents : 0);
    QCOMPARE(entry.m_Key1, CmnNormaliseIndexText(name, flags));
    QCOMPARE(entry.m_Key2, name.toUpper());
    QCOMPARE(entry.m_Key3, name);
    QCOMPARE(entry.m_Key3.isNull(), name.isNull());
    QCOMPARE(entry.m_Id, 0);
}

void TestCmnRegIndexEntry::orderMatchesPlainSort()
{
    QFETCH(QStringList, names);
    QFETCH(bool, foldAccents);
    const std::vector<CCmnRegIndexEntry> entries = Entries(names, foldAccents);
    QCOMPARE(OrderIds(entries), PlainSortIds(entries));
}

// Names of a few pieces, many sharing long beginnings and whole keys.
void TestCmnRegIndexEntry::orderOfRandomNamesMatchesPlainSort()
{
    const QStringList pieces{"A", "a", "AB", "ABCDEFG", "ABCDEFGH", "abcdefgh", " ", "  ", Utf16(u"\u00E9"),
                             "E", Utf16(u"\0", 1), Utf16(u"\uFFFF"), "1", "2"};
    QRandomGenerator random(11);
    QStringList names;
    for (int n = 0; n < 5000; ++n) {
        QString name;
        for (int count = random.bounded(7); count > 0; --count)
            name += pieces.at(random.bounded(pieces.size()));
        names << name;
    }
    for (const bool foldAccents : {true, false}) {
        const std::vector<CCmnRegIndexEntry> entries = Entries(names, foldAccents);
        QCOMPARE(OrderIds(entries), PlainSortIds(entries));
    }
}

QTEST_GUILESS_MAIN(TestCmnRegIndexEntry)
#include "tst_cmnregindexentry.moc"
