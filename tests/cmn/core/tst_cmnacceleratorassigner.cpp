#include "acceleratortesting.h"
#include "cmnacceleratorassigner.h"

#include <QRandomGenerator>
#include <QTest>

namespace {

// Whether the result is the text itself or the text with one "&" put in.
bool GainedAtMostOneMark(const QString &text, const QString &result)
{
    if (result == text)
        return true;
    if (result.size() != text.size() + 1)
        return false;
    qsizetype i = 0;
    while (i < text.size() && text.at(i) == result.at(i))
        ++i;
    return result.at(i) == u'&' && QStringView(result).mid(i + 1) == QStringView(text).mid(i);
}

// The most texts that can hold distinct candidate characters (augmenting paths).
bool Augment(const QList<QSet<QChar>> &usable, int text, QHash<QChar, int> &owner, QSet<QChar> &seen)
{
    for (QChar c : usable.at(text)) {
        if (seen.contains(c))
            continue;
        seen.insert(c);
        if (!owner.contains(c) || Augment(usable, owner.value(c), owner, seen)) {
            owner.insert(c, text);
            return true;
        }
    }
    return false;
}

int MaximumMarks(const QStringList &texts)
{
    const QString candidates = QString::fromLatin1(kCmnAcceleratorCandidates);
    QList<QSet<QChar>> usable;
    for (const QString &text : texts) {
        QSet<QChar> characters;
        for (QChar ch : text) {
            if (candidates.contains(ch.toUpper()))
                characters.insert(ch.toUpper());
        }
        usable.append(characters);
    }
    QHash<QChar, int> owner;
    for (int text = 0; text < usable.size(); ++text) {
        QSet<QChar> seen;
        Augment(usable, text, owner, seen);
    }
    return int(owner.size());
}

// Menu-like texts of one to three words from a small stock, some lower case, some
// with a number, so that many texts compete for the same characters.
QStringList RandomTexts(int count, quint32 seed)
{
    static constexpr const char *kWords[] = {"open", "Save", "print", "Export", "litter", "Sire",
                                             "dam", "Breed", "colour", "Kennel", "show", "Title",
                                             "judge", "Pedigree", "view", "Zoom", "quit", "Help"};
    QRandomGenerator random(seed);
    QStringList texts;
    for (int i = 0; i < count; ++i) {
        QStringList words;
        const int wordCount = random.bounded(1, 4);
        for (int w = 0; w < wordCount; ++w)
            words.append(QString::fromLatin1(kWords[random.bounded(int(std::size(kWords)))]));
        if (random.bounded(4) == 0)
            words.append(QString::number(random.bounded(10)));
        texts.append(words.join(u' '));
    }
    return texts;
}

} // namespace

class TestCmnAcceleratorAssigner : public QObject
{
    Q_OBJECT
private slots:
    void assignTextAccelerators_data();
    void assignTextAccelerators();
    void fortyTextsShareThirtySixCharacters();
    void largeGroupsMarkAsManyAsPossible_data();
    void largeGroupsMarkAsManyAsPossible();
};

void TestCmnAcceleratorAssigner::assignTextAccelerators_data()
{
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("first letters, then a capital word start")
        << QStringList{"Save", "Save As"} << QStringList{"&Save", "Save &As"};
    QTest::newRow("small word start")
        << QStringList{"Save", "Save as"} << QStringList{"&Save", "Save &as"};
    QTest::newRow("capital word start before small one")
        << QStringList{"Show", "Show all Items"} << QStringList{"&Show", "Show all &Items"};
    // Costs scale with the share of usable characters a text holds, so the text
    // with fewer gives up its first letter.
    QTest::newRow("fewer characters weigh less")
        << QStringList{"Open", "Options"} << QStringList{"O&pen", "&Options"};
    QTest::newRow("all marked stays as given")
        << QStringList{"&Open", "Cl&ose"} << QStringList{"&Open", "Cl&ose"};
    QTest::newRow("existing mark claims its character")
        << QStringList{"E&xit", "Xylo"} << QStringList{"E&xit", "X&ylo"};
    QTest::newRow("claim is case-blind")
        << QStringList{"&save", "Save As"} << QStringList{"&save", "Save &As"};
    QTest::newRow("literal ampersand is no mark")
        << QStringList{"Fish && Chips"} << QStringList{"&Fish && Chips"};
    QTest::newRow("mark after a literal ampersand")
        << QStringList{"A && &B", "Bob"} << QStringList{"A && &B", "B&ob"};
    QTest::newRow("trailing ampersand is no mark") << QStringList{"Fish&"} << QStringList{"&Fish&"};
    QTest::newRow("leading blank makes a word start")
        << QStringList{" Foo"} << QStringList{" &Foo"};
    QTest::newRow("no candidate characters")
        << QStringList{"...", "+", QString::fromUtf8("Ωμέγα")}
        << QStringList{"...", "+", QString::fromUtf8("Ωμέγα")};
    QTest::newRow("accented letter never taken")
        << QStringList{QString::fromUtf8("Ärger")} << QStringList{QString::fromUtf8("Ä&rger")};
    // Both ways cost the same; the solver's scan order decides.
    QTest::newRow("digits take part, tie by scan order")
        << QStringList{"Page 1", "Page 2"} << QStringList{"Page &1", "&Page 2"};
    QTest::newRow("empty text stays empty") << QStringList{"", "Open"} << QStringList{"", "&Open"};
    QTest::newRow("few characters get priority")
        << QStringList{"Ab", "A"} << QStringList{"A&b", "&A"};
    QTest::newRow("text without a free character stays unmarked")
        << QStringList{"A", "A", "B"} << QStringList{"&A", "A", "&B"};
    // Upper-casing "ß" gives two letters; the mark must still land on the "N".
    QTest::newRow("sharp s keeps positions")
        << QStringList{"&Mark", QString::fromUtf8("Maß Nehmen")}
        << QStringList{"&Mark", QString::fromUtf8("Maß &Nehmen")};
}

void TestCmnAcceleratorAssigner::assignTextAccelerators()
{
    QFETCH(QStringList, texts);
    QFETCH(QStringList, expected);
    QCOMPARE(AssignTextAccelerators(texts), expected);
}

void TestCmnAcceleratorAssigner::fortyTextsShareThirtySixCharacters()
{
    const QString all = QString::fromLatin1(kCmnAcceleratorCandidates);
    QStringList texts;
    for (int i = 0; i < 40; ++i)
        texts.append(all.mid(i % 36) + all.left(i % 36));

    const QStringList result = AssignTextAccelerators(texts);
    QCOMPARE(result.size(), texts.size());
    QSet<QChar> marked;
    int unchanged = 0;
    for (qsizetype i = 0; i < texts.size(); ++i) {
        QVERIFY2(GainedAtMostOneMark(texts.at(i), result.at(i)), qPrintable(result.at(i)));
        if (result.at(i) == texts.at(i))
            ++unchanged;
        else
            marked.insert(OrvMarkedCharacter(result.at(i)));
    }
    QCOMPARE(marked.size(), 36);
    QCOMPARE(unchanged, 4);
}

void TestCmnAcceleratorAssigner::largeGroupsMarkAsManyAsPossible_data()
{
    QTest::addColumn<int>("count");
    QTest::newRow("36") << 36;
    QTest::newRow("100") << 100;
    QTest::newRow("300") << 300;
}

// Every mark is a character of its own text, no character serves twice, and as
// many texts are marked as distinct characters allow: no text is left out for an
// impossible pair while a possible one existed.
void TestCmnAcceleratorAssigner::largeGroupsMarkAsManyAsPossible()
{
    QFETCH(int, count);
    const QStringList texts = RandomTexts(count, quint32(count));
    const QStringList result = AssignTextAccelerators(texts);
    QCOMPARE(result.size(), texts.size());

    QSet<QChar> marked;
    int markedTexts = 0;
    for (qsizetype i = 0; i < texts.size(); ++i) {
        QVERIFY2(GainedAtMostOneMark(texts.at(i), result.at(i)), qPrintable(result.at(i)));
        if (result.at(i) == texts.at(i))
            continue;
        const QChar c = OrvMarkedCharacter(result.at(i));
        QVERIFY2(!marked.contains(c), qPrintable(result.at(i)));
        marked.insert(c);
        ++markedTexts;
    }
    QCOMPARE(markedTexts, MaximumMarks(texts));
}

QTEST_GUILESS_MAIN(TestCmnAcceleratorAssigner)
#include "tst_cmnacceleratorassigner.moc"
