#include "bioreg.h"
#include "bioregrecord.h"
#include "bioterminology.h"
#include "cmnregvaluekind.h"

#include <QDataStream>
#include <QRandomGenerator>
#include <QTest>

#include "streamtesting.h"

namespace {

QByteArray Hex(const char *hex)
{
    return QByteArray::fromHex(hex);
}

QByteArray Written(const CBioReg &reg)
{
    return CmnTestStreamBytes([&](QDataStream &out) { out << reg; });
}

// Reads a register block; the stream must end where the block ends.
bool ReadInto(CBioReg &reg, const QByteArray &bytes)
{
    QDataStream in(bytes);
    CmnPrepareDataStream(in);
    in >> reg;
    return in.status() == QDataStream::Ok && in.atEnd();
}

// The animal part of a record (tag 98) with no photo, and the name "A".
QByteArray AnimalPart(qint32 sire, qint32 dam, qint8 sex, const QByteArray &picture = Hex("01" "0a0100000000"))
{
    return CmnTestStreamBytes([&](QDataStream &out) { out << quint8(98) << quint8(0) << sire << dam << sex; }) +
           picture + Hex("00000002" "0041");
}

// A register block (tag 99) of records 1..n, each with no values and the given animal part,
// filed under the ids in the order given (by default 1..n).
QByteArray RegisterBlock(const QList<QByteArray> &animalParts, QList<qint32> ids = {})
{
    if (ids.isEmpty()) {
        for (int i = 0; i < animalParts.size(); ++i)
            ids.append(i + 1);
    }
    const quint32 count = quint32(animalParts.size());
    QByteArray bytes = CmnTestStreamBytes([&](QDataStream &out) {
        out << quint8(99) << quint8(0) << quint8(9) << quint8(0) << quint8(7) << quint8(0) << qint32(-1)
            << quint8(4) << quint8(0) << qint64(count) << qint32(2) << quint32((1u << count) - 1) << quint32(0);
    });
    for (int i = 0; i < animalParts.size(); ++i) {
        bytes += CmnTestStreamBytes([&](QDataStream &out) { out << ids.at(i); });
        bytes += Hex("0800" "00000000") + animalParts.at(i);
    }
    return bytes + Hex("00000000");
}

CBioNameDisplaySettings ReadDisplay(const QByteArray &bytes, QDataStream::Status *status)
{
    CBioNameDisplaySettings settings;
    settings.m_IncludeSuffix = false;
    settings.m_TitleHighlight.m_Bold = true;
    QDataStream in(bytes);
    CmnPrepareDataStream(in);
    in >> settings;
    *status = in.status();
    return settings;
}

} // namespace

class TestBioRegStream : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void writesAnAnimalExactly();
    void readsWhatItWrote();
    void pictureFlagZeroReadsAnEmptyPhoto();
    void sexByteFFIsKeptAsMinusOne();
    void danglingParentsAreClearedAndReported();
    void repairsAreToldInIdOrder();
    void refusesDamagedBlocks_data();
    void refusesDamagedBlocks();
    void everyCutFailsCleanly();
    void roundTripsTenThousandAnimals();
    void nameDisplayDefaultBytes();
    void nameDisplayBlocks_data();
    void nameDisplayBlocks();
};

void TestBioRegStream::initTestCase()
{
    BioCreateTerminology();
}

void TestBioRegStream::cleanupTestCase()
{
    BioDestroyTerminology();
}

void TestBioRegStream::writesAnAnimalExactly()
{
    CBioReg reg{CCmnRegFieldsSettings()};
    const int dam = reg.AddNamedRecord("A", true);
    const int id = reg.AddNamedRecord("A", true);
    CBioRegRecord *record = reg.GetBioRecord(id);
    record->m_Sire = 0;
    record->m_Dam = dam;
    record->m_Sex = 2;
    // The allocator's block comes from the record store; from the first id on
    // every byte is the animal register's.
    const QByteArray records = Hex("00000001" "0800" "00000000") + AnimalPart(0, 0, 0) +
                               Hex("00000002" "0800" "00000000") + AnimalPart(0, 1, 2) + Hex("00000000");
    const QByteArray bytes = Written(reg);
    QCOMPARE(bytes.left(4).toHex(), QByteArray("63000900"));
    QCOMPARE(bytes.right(records.size()).toHex(), records.toHex());
    // The photo block of an animal without a photo, right after the has-picture byte.
    QVERIFY(records.contains(Hex("0201" "0a0100000000" "00000002")));
}

void TestBioRegStream::readsWhatItWrote()
{
    CBioReg reg{CCmnRegFieldsSettings()};
    const int sire = reg.AddNamedRecord("Smith & Jones <UK> Rex", true);
    const int pup = reg.AddNamedRecord(QString(), true);
    reg.GetBioRecord(sire)->m_Sex = 1;
    reg.GetBioRecord(sire)->m_Photo.SetFilePath("/photos/rex.jpg");
    reg.GetBioRecord(sire)->SetValue(-107, CmnRegValueText, "Ch");
    reg.GetBioRecord(pup)->m_Sire = sire;
    const QByteArray bytes = Written(reg);

    CBioReg read{CCmnRegFieldsSettings()};
    QVERIFY(ReadInto(read, bytes));
    QCOMPARE(read.GetRecordCount(), 2);
    const CBioRegRecord *rex = read.GetBioRecord(sire);
    QCOMPARE(rex->m_Name, QStringLiteral("Smith & Jones <UK> Rex"));
    QCOMPARE(rex->m_Photo, reg.GetBioRecord(sire)->m_Photo);
    QCOMPARE(rex->Title(), QStringLiteral("Ch"));
    QVERIFY(read.GetBioRecord(pup)->m_Name.isNull());
    QCOMPARE(read.GetParentIndex().ParentsOf(pup).sire, sire);
    QCOMPARE(read.IndexListForSex(1).Entries().size(), 1);
    QVERIFY(read.GetReadRepairs().isEmpty());
    QCOMPARE(Written(read), bytes);
}

void TestBioRegStream::pictureFlagZeroReadsAnEmptyPhoto()
{
    CBioReg reg{CCmnRegFieldsSettings()};
    reg.AddNamedRecord("Old", true);
    reg.GetBioRecord(1)->m_Photo.SetFilePath("/photos/old.jpg");
    QVERIFY(ReadInto(reg, RegisterBlock({AnimalPart(0, 0, 1, Hex("00"))})));
    QVERIFY(reg.GetBioRecord(1)->m_Photo.IsEmpty());
    QCOMPARE(reg.GetBioRecord(1)->m_Name, QStringLiteral("A"));
}

void TestBioRegStream::sexByteFFIsKeptAsMinusOne()
{
    CBioReg reg{CCmnRegFieldsSettings()};
    QVERIFY(ReadInto(reg, RegisterBlock({AnimalPart(0, 0, qint8(-1))})));
    QCOMPARE(reg.GetBioRecord(1)->m_Sex, -1);
    QCOMPARE(reg.IndexListForSex(0).Entries().size(), 1);
    for (int filter : {1, 2, 3})
        QVERIFY(reg.IndexListForSex(filter).Entries().isEmpty());
    QCOMPARE(reg.GetBioRecord(1)->SexText(0), QStringLiteral("Unknown"));
}

void TestBioRegStream::danglingParentsAreClearedAndReported()
{
    CBioReg reg{CCmnRegFieldsSettings()};
    QVERIFY(ReadInto(reg, RegisterBlock({AnimalPart(2, 0, 1), AnimalPart(7, -4, 2), AnimalPart(1, 2, 0)})));
    QCOMPARE(reg.GetRecord(7), nullptr);
    QCOMPARE(reg.GetRecord(0), nullptr);
    QCOMPARE(reg.GetRecord(-1), nullptr);
    QCOMPARE(reg.GetBioRecord(1)->m_Sire, 2);   // a good link stays
    QCOMPARE(reg.GetBioRecord(2)->m_Sire, 0);
    QCOMPARE(reg.GetBioRecord(2)->m_Dam, 0);    // negative already meant none
    QCOMPARE(reg.GetParentIndex().ParentsOf(2).sire, 0);
    QCOMPARE(reg.GetParentIndex().ParentsOf(3).sire, 1);
    QCOMPARE(reg.GetParentIndex().ParentsOf(3).dam, 2);
    QCOMPARE(reg.GetReadRepairs(),
             QStringList({"A (record 2) named record 7 as its sire, but the file holds no such record: the link "
                          "was removed."}));
    // A new animal takes id 4: nobody names it.
    QCOMPARE(reg.AddNamedRecord("New", true), 4);
    QCOMPARE(reg.GetOffspring(4), QVector<int>());
}

void TestBioRegStream::repairsAreToldInIdOrder()
{
    // Records filed 3, 1, 2: the repairs still come by id, a record's sire before its dam.
    CBioReg reg{CCmnRegFieldsSettings()};
    QVERIFY(ReadInto(reg, RegisterBlock({AnimalPart(9, 1, 0), AnimalPart(7, 8, 1), AnimalPart(3, 1, 2)}, {3, 1, 2})));
    const QString line = QStringLiteral("A (record %1) named record %2 as its %3, but the file holds no such record: "
                                        "the link was removed.");
    QCOMPARE(reg.GetReadRepairs(), QStringList({line.arg(1).arg(7).arg("sire"), line.arg(1).arg(8).arg("dam"),
                                                line.arg(3).arg(9).arg("sire")}));
    QCOMPARE(reg.GetParentIndex().Highest(), 3);
    QCOMPARE(reg.GetParentIndex().ParentsOf(1), CBioParents());
    QCOMPARE(reg.GetParentIndex().ParentsOf(2), (CBioParents{3, 1}));
    QCOMPARE(reg.GetParentIndex().ParentsOf(3), (CBioParents{0, 1}));
}

void TestBioRegStream::refusesDamagedBlocks_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray good = RegisterBlock({AnimalPart(0, 0, 1)});
    QByteArray badTag = good;
    badTag[0] = char(98);
    QByteArray badVersion = good;
    badVersion[1] = char(1);
    QTest::newRow("register tag") << badTag;
    QTest::newRow("register version") << badVersion;
    QTest::newRow("animal tag 101") << RegisterBlock({AnimalPart(0, 0, 1).replace(0, 1, Hex("65"))});
    QTest::newRow("animal version") << RegisterBlock({AnimalPart(0, 0, 1).replace(1, 1, Hex("01"))});
    QTest::newRow("picture tag") << RegisterBlock({AnimalPart(0, 0, 1, Hex("01" "0b0100000000"))});
    QTest::newRow("name longer than the file") << RegisterBlock({AnimalPart(0, 0, 1).chopped(6) + Hex("7ffffffe")});
}

void TestBioRegStream::refusesDamagedBlocks()
{
    QFETCH(QByteArray, bytes);
    CBioReg reg{CCmnRegFieldsSettings()};
    reg.AddNamedRecord("Kept?", true);
    QDataStream in(bytes);
    CmnPrepareDataStream(in);
    in >> reg;
    QCOMPARE(in.status(), QDataStream::ReadCorruptData);
}

void TestBioRegStream::everyCutFailsCleanly()
{
    CBioReg source{CCmnRegFieldsSettings()};
    for (const char *name : {"Rex", "Bella", "Pup"})
        source.AddNamedRecord(name, true);
    source.GetBioRecord(3)->m_Sire = 1;
    source.GetBioRecord(3)->m_Dam = 2;
    source.GetBioRecord(1)->m_Photo.SetFilePath("/p.jpg");
    // A link to no animal: a cut read must not leave its repair or its parents behind.
    source.GetBioRecord(2)->m_Dam = 9;
    const QByteArray bytes = Written(source);
    for (int length = 0; length < bytes.size(); ++length) {
        CBioReg reg{CCmnRegFieldsSettings()};
        QVERIFY2(!ReadInto(reg, bytes.left(length)), qPrintable(QString::number(length)));
        QCOMPARE(reg.GetRecordCount(), 0);
        QCOMPARE(reg.GetReadRepairs(), QStringList());
        QCOMPARE(reg.GetParentIndex().Highest(), 0);
    }
}

void TestBioRegStream::roundTripsTenThousandAnimals()
{
    CBioReg reg{CCmnRegFieldsSettings()};
    QRandomGenerator random(19);
    const int count = 10000;
    for (int i = 1; i <= count; ++i) {
        auto record = QSharedPointer<CBioRegRecord>::create(QStringLiteral("Animal %1").arg(random.bounded(5000)), &reg);
        record->m_Sex = random.bounded(3);
        if (i > 2) {
            record->m_Sire = random.bounded(1, i);
            record->m_Dam = random.bounded(1, i);
        }
        if (i % 10 == 0)
            record->SetValue(-107, CmnRegValueText, QStringLiteral("Ch"));
        reg.AddRecord(record, false);
    }
    reg.RebuildIndexLists();
    reg.RebuildParentIndex();
    const QByteArray bytes = Written(reg);

    CBioReg read{CCmnRegFieldsSettings()};
    QVERIFY(ReadInto(read, bytes));
    QCOMPARE(read.GetRecordCount(), count);
    QVERIFY(read.GetReadRepairs().isEmpty());
    for (int id = 1; id <= count; ++id) {
        const CBioRegRecord *a = reg.GetBioRecord(id);
        const CBioRegRecord *b = read.GetBioRecord(id);
        QCOMPARE(b->m_Name, a->m_Name);
        QCOMPARE(b->m_Sex, a->m_Sex);
        QCOMPARE(read.GetParentIndex().ParentsOf(id).sire, a->m_Sire);
        QCOMPARE(read.GetParentIndex().ParentsOf(id).dam, a->m_Dam);
    }
    for (int filter = 0; filter < 4; ++filter)
        QCOMPARE(read.IndexListForSex(filter).Entries().size(), reg.IndexListForSex(filter).Entries().size());
    QCOMPARE(Written(read), bytes);
}

void TestBioRegStream::nameDisplayDefaultBytes()
{
    const QByteArray bytes = CmnTestStreamBytes([](QDataStream &out) { out << CBioNameDisplaySettings(); });
    QCOMPARE(bytes.toHex(), Hex("6400" "00000003" "010004" "01ffffffff000000000000").toHex());
    QDataStream::Status status;
    QCOMPARE(ReadDisplay(bytes, &status), CBioNameDisplaySettings());
    QCOMPARE(status, QDataStream::Ok);
}

void TestBioRegStream::nameDisplayBlocks_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("includeSuffix");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<int>("status");
    QTest::newRow("flags 1, no highlight") << Hex("6400" "00000001") << true << false << int(QDataStream::Ok);
    QTest::newRow("flags 2, bold") << Hex("6400" "00000002" "010001") << false << true << int(QDataStream::Ok);
    QTest::newRow("tag 101") << Hex("6500" "00000003" "010001") << true << false << int(QDataStream::ReadCorruptData);
    QTest::newRow("version 1") << Hex("6401" "00000003") << true << false << int(QDataStream::ReadCorruptData);
    QTest::newRow("bad highlight") << Hex("6400" "00000002" "020001") << false << false
                                   << int(QDataStream::ReadCorruptData);
    QTest::newRow("cut") << Hex("640000") << true << false << int(QDataStream::ReadPastEnd);
}

void TestBioRegStream::nameDisplayBlocks()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, includeSuffix);
    QFETCH(bool, bold);
    QFETCH(int, status);
    QDataStream::Status readStatus;
    const CBioNameDisplaySettings settings = ReadDisplay(bytes, &readStatus);
    QCOMPARE(int(readStatus), status);
    // Reading starts from the defaults, so a refused header leaves exactly them.
    QCOMPARE(settings.m_IncludeSuffix, includeSuffix);
    QCOMPARE(settings.m_TitleHighlight.m_Bold, bold);
    if (!bold)
        QCOMPARE(settings.m_TitleHighlight.m_TextColor, QColor(Qt::red));
}

QTEST_GUILESS_MAIN(TestBioRegStream)
#include "tst_bioregstream.moc"
