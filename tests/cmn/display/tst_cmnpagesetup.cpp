#include "cmnpagesetup.h"

#include "cmndatastream.h"
#include "cmnpapersizes.h"

#include <QDataStream>
#include <QTest>

#include "streamtesting.h"

namespace {

const QByteArray kHalfInch = QByteArray::fromHex("29003FE0000000000000");
const QByteArray kDefaultBytes = QByteArray::fromHex("0B00FFFFFFFF0100000000000C010000") + kHalfInch.repeated(4);

CCmnPageSetup ChosenPageSetup()
{
    CCmnPageSetup setup;
    setup.m_PrinterName = QStringLiteral("Smith & Jones <UK> Laser");
    setup.m_UseDefaultPaper = false;
    setup.m_PaperSize = CmnPaperSizeLetter;
    setup.m_Margins.m_FullPage = true;
    setup.m_Margins.m_Left = CCmnMetric(2, 10.0);
    setup.m_Margins.m_Top = CCmnMetric(1, 1.5);
    setup.m_Margins.m_Right = CCmnMetric(0, 0.25);
    setup.m_Margins.m_Bottom = CCmnMetric(2, 0.0);
    return setup;
}

QByteArray MarginsBytes(quint8 version, const std::function<void(QDataStream &)> &body)
{
    return CmnTestStreamBytes([&](QDataStream &out) {
        out << quint8(12) << version;
        body(out);
    });
}

} // namespace

// Failures show the stored bytes of both sides.
char *toString(const CCmnPageSetup &setup)
{
    return qstrdup(setup.ToByteArray().toHex(' ').constData());
}

char *toString(const CCmnPrintMargins &margins)
{
    return qstrdup(CmnTestStreamBytes([&](QDataStream &out) { margins.Write(out); }).toHex(' ').constData());
}

class TestCmnPageSetup : public QObject
{
    Q_OBJECT
private slots:
    void defaultPageSetupBytes();
    void roundTripGivesEqualPageSetup_data();
    void roundTripGivesEqualPageSetup();
    void extensionFlagSkipsBoolAndNumber();
    void unknownPaperCodeReadsAsCustom();
    void refusesWrongTagOrVersion_data();
    void refusesWrongTagOrVersion();
    void readsVersionZeroMargins();
    void refusesNewerMarginsWithoutMarkingStream();
    void marginWithoutLengthTagMarksStreamCorrupt();
    void equalityIsExact();
    void everyCutIsRefused();
    void printerNameLongerThanBytesIsRefused();
};

void TestCmnPageSetup::defaultPageSetupBytes()
{
    const CCmnPageSetup setup;
    QCOMPARE(setup.ToByteArray().toHex(' '), kDefaultBytes.toHex(' '));

    CCmnPageSetup read = ChosenPageSetup();
    QVERIFY(read.FromByteArray(kDefaultBytes));
    QCOMPARE(read, setup);
}

void TestCmnPageSetup::roundTripGivesEqualPageSetup_data()
{
    QTest::addColumn<CCmnPageSetup>("setup");
    QTest::newRow("default") << CCmnPageSetup();
    QTest::newRow("chosen printer, paper and margins") << ChosenPageSetup();
    CCmnPageSetup emptyName;
    emptyName.m_PrinterName = QStringLiteral("");
    QTest::newRow("empty printer name") << emptyName;
}

void TestCmnPageSetup::roundTripGivesEqualPageSetup()
{
    QFETCH(CCmnPageSetup, setup);
    const QByteArray bytes = setup.ToByteArray();
    CCmnPageSetup read;
    QVERIFY(read.FromByteArray(bytes));
    QCOMPARE(read, setup);
    QCOMPARE(read.m_PrinterName.isNull(), setup.m_PrinterName.isNull());
    // The margins block closes the page set-up, in version 1.
    QByteArray margins;
    QDataStream out(&margins, QIODevice::WriteOnly);
    CmnPrepareDataStream(out);
    setup.m_Margins.Write(out);
    QVERIFY(bytes.endsWith(margins));
    QCOMPARE(margins.left(2), QByteArray::fromHex("0C01"));
}

void TestCmnPageSetup::extensionFlagSkipsBoolAndNumber()
{
    const CCmnPageSetup chosen = ChosenPageSetup();
    const QByteArray bytes = CmnTestStreamBytes([&](QDataStream &out) {
        out << quint8(11) << quint8(0) << chosen.m_PrinterName << false << quint32(CmnPaperSizeLetter) << quint8(1)
            << true << quint32(0xDEADBEEF);
        chosen.m_Margins.Write(out);
    });
    CCmnPageSetup read;
    QVERIFY(read.FromByteArray(bytes));
    QCOMPARE(read, chosen);
}

void TestCmnPageSetup::unknownPaperCodeReadsAsCustom()
{
    CCmnPageSetup setup;
    setup.m_PaperSize = 9999;
    CCmnPageSetup read;
    QVERIFY(read.FromByteArray(setup.ToByteArray()));
    QCOMPARE(read.m_PaperSize, quint32(CmnPaperSizeCustom));
}

void TestCmnPageSetup::refusesWrongTagOrVersion_data()
{
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("value");
    QTest::addColumn<bool>("marksStream");
    QTest::newRow("page set-up tag") << 0 << 12 << false;
    QTest::newRow("page set-up version") << 1 << 1 << false;
    QTest::newRow("margins tag") << 12 << 11 << false;
    QTest::newRow("margins version") << 13 << 2 << false;
    QTest::newRow("first length tag") << 16 << 40 << true;
}

void TestCmnPageSetup::refusesWrongTagOrVersion()
{
    QFETCH(int, offset);
    QFETCH(int, value);
    QFETCH(bool, marksStream);
    QByteArray bytes = kDefaultBytes;
    bytes[offset] = char(value);

    QDataStream in(bytes);
    CmnPrepareDataStream(in);
    CCmnPageSetup read = ChosenPageSetup();
    QVERIFY(!read.Read(in));
    QCOMPARE(in.status() != QDataStream::Ok, marksStream);
}

void TestCmnPageSetup::readsVersionZeroMargins()
{
    const QByteArray bytes = MarginsBytes(0, [](QDataStream &out) {
        out << quint8(2) << true << false << 10.0 << 12.5 << 15.0 << 20.0;
    });
    QDataStream in(bytes);
    CmnPrepareDataStream(in);
    CCmnPrintMargins margins;
    QVERIFY(margins.Read(in));
    QVERIFY(margins.m_UsePrinterDefaultMargins);
    QVERIFY(!margins.m_FullPage);
    QCOMPARE(margins.m_Left, CCmnMetric(2, 10.0));
    QCOMPARE(margins.m_Top, CCmnMetric(2, 12.5));
    QCOMPARE(margins.m_Right, CCmnMetric(2, 15.0));
    QCOMPARE(margins.m_Bottom, CCmnMetric(2, 20.0));
    QVERIFY(in.atEnd());
}

void TestCmnPageSetup::refusesNewerMarginsWithoutMarkingStream()
{
    const QByteArray bytes = MarginsBytes(2, [](QDataStream &out) {
        out << true << true;
        CCmnMetric(2, 30.0).Write(out);
    });
    QDataStream in(bytes);
    CmnPrepareDataStream(in);
    CCmnPrintMargins margins;
    margins.m_FullPage = true;
    margins.m_Left = CCmnMetric(2, 30.0);
    QVERIFY(!margins.Read(in));
    QCOMPARE(in.status(), QDataStream::Ok);
    QCOMPARE(margins, CCmnPrintMargins());
}

void TestCmnPageSetup::marginWithoutLengthTagMarksStreamCorrupt()
{
    const QByteArray bytes = MarginsBytes(1, [](QDataStream &out) {
        out << false << false;
        CCmnMetric(2, 10.0).Write(out);
        out << quint8(42) << quint8(2) << 11.0;
        CCmnMetric(2, 12.0).Write(out);
        CCmnMetric(2, 13.0).Write(out);
    });
    QDataStream in(bytes);
    CmnPrepareDataStream(in);
    CCmnPrintMargins margins;
    QVERIFY(!margins.Read(in));
    QCOMPARE(in.status(), QDataStream::ReadCorruptData);
}

void TestCmnPageSetup::equalityIsExact()
{
    CCmnPrintMargins inches;
    CCmnPrintMargins millimetres;
    millimetres.m_Left = CCmnMetric(2, 12.7);
    QVERIFY(inches != millimetres);

    const CCmnPageSetup reference;
    QList<CCmnPageSetup> changed(4, reference);
    changed[0].m_PrinterName = QStringLiteral("Laser");
    changed[1].m_UseDefaultPaper = false;
    // Compared even while the default paper is in use.
    changed[2].m_PaperSize = CmnPaperSizeLetter;
    changed[3].m_Margins.m_UsePrinterDefaultMargins = true;
    for (int i = 0; i < changed.size(); ++i)
        QVERIFY2(changed.at(i) != reference, qPrintable(QString::number(i)));
}

void TestCmnPageSetup::everyCutIsRefused()
{
    const QByteArray bytes = ChosenPageSetup().ToByteArray();
    for (int length = 0; length < bytes.size(); ++length) {
        CCmnPageSetup read;
        QVERIFY2(!read.FromByteArray(bytes.left(length)), qPrintable(QString::number(length)));
        QCOMPARE(read, CCmnPageSetup());
    }
}

void TestCmnPageSetup::printerNameLongerThanBytesIsRefused()
{
    QByteArray bytes = kDefaultBytes;
    bytes.replace(2, 4, QByteArray::fromHex("7FFFFFF0"));
    CCmnPageSetup read = ChosenPageSetup();
    QVERIFY(!read.FromByteArray(bytes));
    QCOMPARE(read, ChosenPageSetup());
}

QTEST_GUILESS_MAIN(TestCmnPageSetup)
#include "tst_cmnpagesetup.moc"
