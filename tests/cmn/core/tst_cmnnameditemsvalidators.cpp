#include "cmnappdescriptor.h"
#include "cmnnameditemsinternalnamestoavoidvalidator.h"
#include "cmnnameditemsterminology.h"
#include "tcmnnameditemsvalidator.h"

#include <QTest>

namespace {

using CList = TCmnNamedItemsSortedList<int>;
using CValidator = TCmnNamedItemsValidator<int>;

enum ESource { KeyedSet, HashedSet, SortedList, AnyOrderList, TakenNames };

CCmnNamedItemsTerminology FieldWords()
{
    CCmnNamedItemsTerminology words;
    words.Set(QStringLiteral("Field"), QStringLiteral("Fields"), QStringLiteral("Name"));
    return words;
}

QMap<QString, QString> ReservedNames()
{
    return {
        {QStringLiteral("SIRE"), QString()},
        {QStringLiteral("DAM"), QStringLiteral("names the mother of each animal")},
        {QStringLiteral("?DAM"), QStringLiteral("Try \"Mother\" instead.")},
        {QStringLiteral("?SIRE"), QString()},
    };
}

// A validator that always objects and writes a note, to see what the runner passes on.
class CObjecting : public CCmnValidator
{
public:
    CObjecting(const QString &message, const QString &note) : m_Message(message), m_Note(note) {}
    QString Validate(const QVariant &value, QString *note) const override
    {
        ++m_Calls;
        m_LastValue = value;
        if (note)
            *note = m_Note;
        return m_Message;
    }
    QString m_Message;
    QString m_Note;
    mutable int m_Calls = 0;
    mutable QVariant m_LastValue;
};

} // namespace

Q_DECLARE_METATYPE(ESource)

class TestCmnNamedItemsValidators : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void duplicates_data();
    void duplicates();
    void reservedNames_data();
    void reservedNames();
    void reservedOldNamePasses();
    void runValidatorsStopsAtFirstMessage();
    void runValidatorsDuplicateBeforeReserved();
};

void TestCmnNamedItemsValidators::initTestCase()
{
    CmnGetAppDescriptor().m_ProductName = QStringLiteral("Orvanta");
}

void TestCmnNamedItemsValidators::duplicates_data()
{
    QTest::addColumn<ESource>("source");
    QTest::addColumn<QString>("oldName");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("message");
    const QString taken =
        QStringLiteral("Field 'Coat' already exists - please choose a different name.");
    for (ESource source : {KeyedSet, HashedSet, SortedList, AnyOrderList, TakenNames}) {
        const QByteArray prefix = source == KeyedSet ? "keyed set: "
            : source == HashedSet                    ? "hashed set: "
            : source == SortedList                   ? "sorted list: "
            : source == AnyOrderList                 ? "any order: "
                                                     : "taken names: ";
        QTest::newRow(prefix + "taken") << source << "" << "Coat" << taken;
        QTest::newRow(prefix + "free") << source << "" << "Colour" << "";
        QTest::newRow(prefix + "other case is free") << source << "" << "coat" << "";
        QTest::newRow(prefix + "own old name") << source << "Coat" << "Coat" << "";
        QTest::newRow(prefix + "taken by another") << source << "Eyes" << "Coat" << taken;
        QTest::newRow(prefix + "empty passes") << source << "" << "" << "";
    }
}

void TestCmnNamedItemsValidators::duplicates()
{
    QFETCH(ESource, source);
    QFETCH(QString, oldName);
    QFETCH(QString, value);
    QFETCH(QString, message);
    const CCmnNamedItemsTerminology words = FieldWords();
    // "Coat" last in the any-order list, where a search by halves would miss it.
    CList list;
    for (const char *name : {"Eyes", "Breed", "Coat"})
        list.m_Items.append({QString::fromLatin1(name), 0});
    const QMap<QString, int> set{{QStringLiteral("Coat"), 0}, {QStringLiteral("Eyes"), 0}};
    const CList sorted = [] {
        CList l;
        l.InsertSorted(QStringLiteral("Coat"), 0);
        l.InsertSorted(QStringLiteral("Eyes"), 0);
        return l;
    }();
    const QHash<QString, int> hashed{{QStringLiteral("Coat"), 0}, {QStringLiteral("Eyes"), 0}};
    CValidator validator = source == HashedSet
        ? CValidator(&words, &hashed, oldName)
        : CValidator(&words, source == KeyedSet ? &set : nullptr, source == SortedList ? &sorted : nullptr,
                     source == AnyOrderList ? &list : nullptr, oldName);
    if (source == TakenNames) {
        validator.AddTakenName(QStringLiteral("Coat"));
        validator.AddTakenName(QStringLiteral("Eyes"));
    }
    QString note = QStringLiteral("untouched");
    QCOMPARE(validator.Validate(value, &note), message);
    QCOMPARE(note, QStringLiteral("untouched"));
}

void TestCmnNamedItemsValidators::reservedNames_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("note");
    const QString internal =
        QStringLiteral("'%1' is used internally within Orvanta. Please choose a different name.");
    QTest::newRow("upper case") << "SIRE" << internal.arg("SIRE") << "";
    QTest::newRow("quoted as typed") << "sIrE" << internal.arg("sIrE") << "";
    QTest::newRow("own explanation and note")
        << "Dam"
        << "'Dam' names the mother of each animal. Please choose a different name."
        << "Try \"Mother\" instead.";
    QTest::newRow("not reserved") << "Sires" << "" << "";
    QTest::newRow("empty") << "" << "" << "";
    // The "?" keys hold notes; a name typed like one is not reserved.
    QTest::newRow("note key is no name") << "?dam" << "" << "";
}

void TestCmnNamedItemsValidators::reservedNames()
{
    QFETCH(QString, value);
    QFETCH(QString, message);
    QFETCH(QString, note);
    const CCmnNamedItemsTerminology words = FieldWords();
    const CCmnNamedItemsInternalNamesToAvoidValidator validator(&words, ReservedNames());
    QString gotNote;
    QCOMPARE(validator.Validate(value, &gotNote), message);
    QCOMPARE(gotNote, note);
    // The note may be left out.
    QCOMPARE(validator.Validate(value, nullptr), message);
}

void TestCmnNamedItemsValidators::reservedOldNamePasses()
{
    // An item named before its name was reserved keeps it, exactly as it is.
    const CCmnNamedItemsTerminology words = FieldWords();
    const CCmnNamedItemsInternalNamesToAvoidValidator validator(&words, ReservedNames(), "Dam");
    QCOMPARE(validator.Validate(QStringLiteral("Dam"), nullptr), QString());
    QCOMPARE(validator.Validate(QStringLiteral("DAM"), nullptr),
             QStringLiteral("'DAM' names the mother of each animal. Please choose a different name."));
    QCOMPARE(validator.Validate(QStringLiteral("Sire"), nullptr),
             QStringLiteral("'Sire' is used internally within Orvanta. Please choose a different name."));
}

void TestCmnNamedItemsValidators::runValidatorsStopsAtFirstMessage()
{
    const CObjecting passes{QString(), QString()};
    const CObjecting first(QStringLiteral("first"), QStringLiteral("first note"));
    const CObjecting second(QStringLiteral("second"), QStringLiteral("second note"));
    QString note = QStringLiteral("stale");
    QCOMPARE(CmnRunValidators({&passes, &first, &second}, QStringLiteral("x"), &note),
             QStringLiteral("first"));
    QCOMPARE(note, QStringLiteral("first note"));
    QCOMPARE(passes.m_Calls, 1);
    QCOMPARE(passes.m_LastValue, QVariant(QStringLiteral("x")));
    QCOMPARE(second.m_Calls, 0);

    note = QStringLiteral("stale");
    QCOMPARE(CmnRunValidators({&passes}, QStringLiteral("x"), &note), QString());
    QCOMPARE(note, QString());
    QCOMPARE(CmnRunValidators({}, QStringLiteral("x"), nullptr), QString());
}

void TestCmnNamedItemsValidators::runValidatorsDuplicateBeforeReserved()
{
    const CCmnNamedItemsTerminology words = FieldWords();
    CList list;
    list.InsertSorted(QStringLiteral("Dam"), 0);
    const CValidator duplicates(&words, nullptr, &list, nullptr, QStringLiteral("Coat"));
    const CCmnNamedItemsInternalNamesToAvoidValidator reserved(&words, ReservedNames());
    QString note;
    QCOMPARE(CmnRunValidators({&duplicates, &reserved}, QStringLiteral("Dam"), &note),
             QStringLiteral("Field 'Dam' already exists - please choose a different name."));
    QCOMPARE(note, QString());
    QCOMPARE(CmnRunValidators({&duplicates, &reserved}, QStringLiteral("DAM"), &note),
             QStringLiteral("'DAM' names the mother of each animal. Please choose a different "
                            "name."));
    QCOMPARE(note, QStringLiteral("Try \"Mother\" instead."));
}

QTEST_GUILESS_MAIN(TestCmnNamedItemsValidators)
#include "tst_cmnnameditemsvalidators.moc"
