#include "cmnappdescriptor.h"
#include "cmndatastream.h"
#include "cmnframework.h"
#include "cmnhighlight.h"
#include "testsettingsscope.h"

#include <QDataStream>
#include <QFile>
#include <QFont>
#include <QSettings>
#include <QTest>

namespace {

QByteArray Hex(const char *hex)
{
    return QByteArray::fromHex(hex);
}

QByteArray Written(const CCmnHighlight &highlight)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    CmnPrepareDataStream(out);
    out << highlight;
    return bytes;
}

CCmnHighlight Highlight(bool bold, bool italic, bool underline, const QColor &text = QColor(),
                        const QColor &hatch = QColor(), int hatchStyle = 0,
                        const QString &decoration = QString())
{
    CCmnHighlight highlight;
    highlight.m_Bold = bold;
    highlight.m_Italic = italic;
    highlight.m_Underline = underline;
    highlight.m_TextColor = text;
    highlight.m_HatchColor = hatch;
    highlight.m_HatchStyle = hatchStyle;
    highlight.m_Decoration = decoration;
    return highlight;
}

CCmnHighlight FullHighlight()
{
    return Highlight(true, true, true, Qt::green, Qt::red, Qt::CrossPattern, QStringLiteral(":/a"));
}

// Colours in their version-12 stream form: kind byte 1 (RGB), alpha, red,
// green, blue as 16-bit words, then a padding word.
const char *const kRed = "01ffffffff000000000000";
const char *const kGreen = "01ffff0000ffff00000000";
const char *const kBlue = "01ffff00000000ffff0000";

} // namespace


class TestCmnHighlight : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void writesPresentValuesOnly_data();
    void writesPresentValuesOnly();
    void rejectsBadBlock_data();
    void rejectsBadBlock();
    void everyCutOfAFullBlockFails();
    void oddColoursReadBackEqual_data();
    void oddColoursReadBackEqual();
    void clampsHatchStyle_data();
    void clampsHatchStyle();
    void equality_data();
    void equality();
    void presets_data();
    void presets();
    void styledFontOnlySwitchesOn();
    void variantCarriesStoredTypeName();
    void variantHashRoundTripsThroughStream();
    void damagedHighlightInsideHashMarksStreamCorrupt();
    void variantHashRoundTripsThroughSettings();
};

void TestCmnHighlight::initTestCase()
{
    // Stored files name the type, so it must be known by that name after start-up.
    QVERIFY(!QMetaType::fromName("CCmnHighlight").isValid());
    CCmnAppDescriptor descriptor;
    descriptor.SetProductName(QStringLiteral("Orvanta"));
    CmnInitFramework(descriptor);
    QCOMPARE(QMetaType::fromName("CCmnHighlight"), QMetaType::fromType<CCmnHighlight>());
}

void TestCmnHighlight::writesPresentValuesOnly_data()
{
    QTest::addColumn<CCmnHighlight>("highlight");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("default") << CCmnHighlight() << Hex("010000");
    QTest::newRow("bold") << Highlight(true, false, false) << Hex("010001");
    QTest::newRow("italic") << Highlight(false, true, false) << Hex("010002");
    QTest::newRow("underline") << Highlight(false, false, true) << Hex("010020");
    QTest::newRow("bold red") << Highlight(true, false, false, Qt::red)
                              << Hex("010005") + Hex(kRed);
    QTest::newRow("hatch colour without style") << Highlight(false, false, false, {}, Qt::blue)
                                                << Hex("010008") + Hex(kBlue);
    QTest::newRow("hatch style without colour")
        << Highlight(false, false, false, {}, {}, Qt::Dense4Pattern) << Hex("01001005");
    QTest::newRow("decoration") << Highlight(false, false, false, {}, {}, 0, QStringLiteral(":/a"))
                                << Hex("010040" "00000006" "003a002f0061");
    QTest::newRow("everything") << FullHighlight()
                                << Hex("01007f") + Hex(kGreen) + Hex(kRed)
                                       + Hex("0b" "00000006" "003a002f0061");
}

void TestCmnHighlight::writesPresentValuesOnly()
{
    QFETCH(CCmnHighlight, highlight);
    QFETCH(QByteArray, bytes);
    QCOMPARE(Written(highlight).toHex(), bytes.toHex());

    QDataStream in(bytes);
    CmnPrepareDataStream(in);
    CCmnHighlight read = FullHighlight();
    in >> read;
    QCOMPARE(in.status(), QDataStream::Ok);
    QVERIFY(in.atEnd());
    QCOMPARE(read, highlight);
    // Equality may ignore the hatch colour; the stream must not.
    QCOMPARE(read.m_HatchColor, highlight.m_HatchColor);
}

void TestCmnHighlight::rejectsBadBlock_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QDataStream::Status>("status");
    QTest::newRow("empty") << QByteArray() << QDataStream::ReadPastEnd;
    QTest::newRow("tag 2") << Hex("020000") << QDataStream::ReadCorruptData;
    QTest::newRow("version 1") << Hex("010100") << QDataStream::ReadCorruptData;
    QTest::newRow("no flags byte") << Hex("0100") << QDataStream::ReadPastEnd;
    QTest::newRow("short colour") << Hex("010004" "01ffff") << QDataStream::ReadPastEnd;
    QTest::newRow("colour of unknown kind") << Hex("010004" "63ffffffff000000000000")
                                            << QDataStream::ReadCorruptData;
    QTest::newRow("missing hatch style") << Hex("010010") << QDataStream::ReadPastEnd;
    QTest::newRow("short decoration") << Hex("010040" "00000006" "003a")
                                      << QDataStream::ReadPastEnd;
    QTest::newRow("odd decoration length") << Hex("010040" "00000003" "003a00")
                                           << QDataStream::ReadCorruptData;
    QTest::newRow("huge decoration length") << Hex("010040" "7ffffffe" "003a")
                                            << QDataStream::ReadPastEnd;
}

void TestCmnHighlight::rejectsBadBlock()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QDataStream::Status, status);
    QDataStream in(bytes);
    CmnPrepareDataStream(in);
    const CCmnHighlight before = Highlight(true, false, false, Qt::blue, Qt::red, 0, QStringLiteral(":/b"));
    CCmnHighlight read = before;
    in >> read;
    QCOMPARE(in.status(), status);
    QCOMPARE(read, before);
    QCOMPARE(read.m_HatchColor, before.m_HatchColor);
}

void TestCmnHighlight::everyCutOfAFullBlockFails()
{
    const QByteArray bytes = Written(FullHighlight());
    for (qsizetype length = 0; length < bytes.size(); ++length) {
        QDataStream in(bytes.left(length));
        CmnPrepareDataStream(in);
        CCmnHighlight read;
        in >> read;
        QVERIFY2(in.status() != QDataStream::Ok, qPrintable(QString::number(length)));
        QCOMPARE(read, CCmnHighlight());
    }
}

void TestCmnHighlight::oddColoursReadBackEqual_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("valid");
    QTest::newRow("invalid kind with words") << Hex("010005" "00ffff12340000abcd0000") << false;
    QTest::newRow("extended, all NaN") << Hex("010004" "057e007e007e007e000000") << false;
    QTest::newRow("extended, infinite red") << Hex("010004" "053c007c003c003c000000") << false;
    QTest::newRow("extended, finite") << Hex("010004" "053c003c0000003c000000") << true;
}

void TestCmnHighlight::oddColoursReadBackEqual()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, valid);
    QDataStream in(bytes);
    CmnPrepareDataStream(in);
    CCmnHighlight read;
    in >> read;
    QCOMPARE(in.status(), QDataStream::Ok);
    QCOMPARE(read.m_TextColor.isValid(), valid);
    QVERIFY(read == read);
    QDataStream again(Written(read));
    CmnPrepareDataStream(again);
    CCmnHighlight reread;
    again >> reread;
    QCOMPARE(again.status(), QDataStream::Ok);
    QCOMPARE(reread, read);
    QCOMPARE(reread.PresetName(), read.PresetName());
}

void TestCmnHighlight::clampsHatchStyle_data()
{
    QTest::addColumn<QByteArray>("styleByte");
    QTest::addColumn<int>("style");
    QTest::newRow("solid") << Hex("01") << int(Qt::SolidPattern);
    QTest::newRow("diagonal cross") << Hex("0e") << int(Qt::DiagCrossPattern);
    // Gradient and texture styles need data a highlight lacks; a byte above 127
    // is negative once sign-extended. Both come only from damaged files.
    QTest::newRow("linear gradient") << Hex("0f") << 0;
    QTest::newRow("texture") << Hex("18") << 0;
    QTest::newRow("byte above 127") << Hex("f0") << 0;
}

void TestCmnHighlight::clampsHatchStyle()
{
    QFETCH(QByteArray, styleByte);
    QFETCH(int, style);
    QDataStream in(Hex("010010") + styleByte);
    CmnPrepareDataStream(in);
    CCmnHighlight read;
    in >> read;
    QCOMPARE(in.status(), QDataStream::Ok);
    QCOMPARE(read.m_HatchStyle, style);
}

void TestCmnHighlight::equality_data()
{
    QTest::addColumn<CCmnHighlight>("a");
    QTest::addColumn<CCmnHighlight>("b");
    QTest::addColumn<bool>("equal");
    const CCmnHighlight plain;
    QTest::newRow("hatch colour without style ignored")
        << Highlight(false, false, false, {}, Qt::red) << plain << true;
    QTest::newRow("hatch colour with style counts")
        << Highlight(false, false, false, {}, Qt::red, Qt::SolidPattern)
        << Highlight(false, false, false, {}, Qt::blue, Qt::SolidPattern) << false;
    QTest::newRow("hatch style") << Highlight(false, false, false, {}, {}, Qt::SolidPattern) << plain
                                 << false;
    QTest::newRow("bold") << Highlight(true, false, false) << plain << false;
    QTest::newRow("italic") << Highlight(false, true, false) << plain << false;
    QTest::newRow("underline") << Highlight(false, false, true) << plain << false;
    QTest::newRow("text colour") << Highlight(false, false, false, Qt::red)
                                 << Highlight(false, false, false, Qt::blue) << false;
    QTest::newRow("decoration") << Highlight(false, false, false, {}, {}, 0, QStringLiteral(":/a"))
                                << plain << false;
    QTest::newRow("all fields") << FullHighlight() << FullHighlight() << true;
}

void TestCmnHighlight::equality()
{
    QFETCH(CCmnHighlight, a);
    QFETCH(CCmnHighlight, b);
    QFETCH(bool, equal);
    QCOMPARE(a == b, equal);
    QCOMPARE(b == a, equal);
    // Variants compare through the same rule, so settings see no false change.
    QCOMPARE(QVariant::fromValue(a) == QVariant::fromValue(b), equal);
}

void TestCmnHighlight::presets_data()
{
    QTest::addColumn<CCmnHighlight>("highlight");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("name");
    QTest::newRow("none") << CCmnHighlight() << 0 << "None";
    QTest::newRow("bold") << Highlight(true, false, false) << 1 << "Bold";
    QTest::newRow("italic") << Highlight(false, true, false) << 2 << "Italic";
    QTest::newRow("underline") << Highlight(false, false, true) << 3 << "Underline";
    QTest::newRow("red") << Highlight(false, false, false, Qt::red) << 4 << "Red";
    QTest::newRow("green") << Highlight(false, false, false, Qt::green) << 5 << "Green";
    QTest::newRow("blue") << Highlight(false, false, false, Qt::blue) << 6 << "Blue";
    QTest::newRow("red with unused hatch colour")
        << Highlight(false, false, false, Qt::red, Qt::blue) << -1 << "Red";
    QTest::newRow("bold italic") << Highlight(true, true, false) << -1 << "Custom";
    QTest::newRow("red with decoration")
        << Highlight(false, false, false, Qt::red, {}, 0, QStringLiteral(":/a")) << -1 << "Custom";
    QTest::newRow("dark red") << Highlight(false, false, false, Qt::darkRed) << -1 << "Custom";
}

void TestCmnHighlight::presets()
{
    QFETCH(CCmnHighlight, highlight);
    QFETCH(int, index);
    QFETCH(QString, name);
    QCOMPARE(highlight.PresetName(), name);
    if (index >= 0) {
        QCOMPARE(CCmnHighlight::Preset(index), highlight);
        QCOMPARE(CCmnHighlight::PresetNames().at(index), name);
    }
    QCOMPARE(CCmnHighlight::PresetNames().size(), 7);
    QCOMPARE(CCmnHighlight::Preset(7), CCmnHighlight());
}

void TestCmnHighlight::styledFontOnlySwitchesOn()
{
    QFont font;
    font.setBold(true);
    const QFont plain = CCmnHighlight().StyledFont(font);
    QVERIFY(plain.bold());
    QVERIFY(!plain.italic());
    QVERIFY(!plain.underline());

    const QFont styled = Highlight(false, true, true).StyledFont(QFont());
    QVERIFY(!styled.bold());
    QVERIFY(styled.italic());
    QVERIFY(styled.underline());
}

void TestCmnHighlight::variantCarriesStoredTypeName()
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    CmnPrepareDataStream(out);
    out << QVariant::fromValue(Highlight(true, false, false));
    // Type 127 (a user type), not null, the name with its terminating zero, the block.
    QCOMPARE(bytes.toHex(), Hex("0000007f" "00" "0000000e" "43436d6e486967686c6967687400" "010001").toHex());
}

void TestCmnHighlight::variantHashRoundTripsThroughStream()
{
    const QVariantHash hash{{QStringLiteral("title"), QVariant::fromValue(FullHighlight())},
                            {QStringLiteral("plain"), QVariant::fromValue(CCmnHighlight())},
                            {QStringLiteral("count"), 3}};
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    CmnPrepareDataStream(out);
    out << hash;

    QDataStream in(bytes);
    CmnPrepareDataStream(in);
    QVariantHash read;
    in >> read;
    QCOMPARE(in.status(), QDataStream::Ok);
    QCOMPARE(read, hash);
    QCOMPARE(read.value(QStringLiteral("title")).value<CCmnHighlight>().m_HatchColor, QColor(Qt::red));
}

void TestCmnHighlight::damagedHighlightInsideHashMarksStreamCorrupt()
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    CmnPrepareDataStream(out);
    out << QVariantHash{{QStringLiteral("title"), QVariant::fromValue(Highlight(true, false, false))}};
    const QByteArray block = Hex("010001");
    QCOMPARE(bytes.count(block), 1);
    bytes.replace(block, Hex("010101"));

    QDataStream in(bytes);
    CmnPrepareDataStream(in);
    QVariantHash read;
    in >> read;
    QCOMPARE(in.status(), QDataStream::ReadCorruptData);
}

void TestCmnHighlight::variantHashRoundTripsThroughSettings()
{
    CTestSettingsScope scope;
    const QVariantHash hash{{QStringLiteral("title"), QVariant::fromValue(FullHighlight())},
                            {QStringLiteral("count"), 3}};
    QString written;
    {
        QSettings settings;
        settings.setValue(QStringLiteral("group/values"), hash);
        settings.sync();
        QCOMPARE(settings.status(), QSettings::NoError);
        written = settings.fileName();
    }
    // A copy under another name is parsed afresh rather than served from the
    // settings cache of the file just written.
    const QString copy = scope.Path() + QStringLiteral("/copy.ini");
    QVERIFY(QFile::copy(written, copy));
    QSettings reread(copy, QSettings::IniFormat);
    QCOMPARE(reread.value(QStringLiteral("group/values")).toHash(), hash);
}

QTEST_GUILESS_MAIN(TestCmnHighlight)
#include "tst_cmnhighlight.moc"
