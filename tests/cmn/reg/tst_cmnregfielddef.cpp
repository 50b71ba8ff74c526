#include "cmndatastream.h"
#include "cmnregfield.h"
#include "cmnregfielddef.h"
#include "cmnregnewfieldoptions.h"
#include "cmntext.h"

#include <QDataStream>
#include <QTest>

#include "streamtesting.h"

Q_DECLARE_METATYPE(CCmnRegFieldDef)

namespace {

CCmnRegFieldDef Def(int type, quint32 clearFlags = 0, quint32 setFlags = 0)
{
    CCmnRegFieldDef def(type, CCmnRegFieldDef::kDefaultFlags);
    def.m_Flags = (def.m_Flags & ~clearFlags) | setFlags;
    return def;
}

QByteArray Written(const CCmnRegFieldDef &def)
{
    return CmnTestStreamBytes([&](QDataStream &out) { def.Write(out); });
}

// A definition that differs from the default in every member.
CCmnRegFieldDef Unusual()
{
    CCmnRegFieldDef def(CmnRegFieldChoice, 0xF8000001);
    def.m_TextDefault = QStringLiteral("Smith & Jones <UK>");
    def.m_TextLetterCase = 3;
    def.m_TextWidth = 255;
    def.m_SharedListName = QStringLiteral("Colours");
    def.m_TrueText = QStringLiteral("Ja");
    def.m_FalseText = QStringLiteral("Nein");
    def.m_NotGivenText = QString();
    def.m_Choices = QStringList{QStringLiteral("Bay"), QStringLiteral("Grey")};
    def.m_ChoiceDefault = QStringLiteral("Grey");
    def.m_ChoiceStyle = 3;
    def.m_IntSuffix = QStringLiteral("kg");
    def.m_IntMin = -5;
    def.m_IntMax = 500;
    def.m_IntDefault = 7;
    def.m_NumberSuffix = QStringLiteral("cm");
    def.m_NumberDecimals = 1;
    def.m_NumberMin = -1.5;
    def.m_NumberMax = 99.25;
    def.m_NumberDefault = 3.75;
    def.m_PercentDecimals = 4;
    def.m_PercentMin = 0.125f;
    def.m_PercentMax = 0.75f;
    def.m_PercentDefault = 0.5f;
    def.m_DateDefault.SetGregorianYmd(5, 4, 2001);
    def.m_MultilineDefault = QStringLiteral("a\nb");
    def.m_MultilineLetterCase = 4;
    def.m_MultilineWidth = 80;
    def.m_MultilineLines = 20;
    return def;
}

// The same definition in the layout of an older version: no width, style or
// multiline settings before version 1, no shared list before version 2.
QByteArray WrittenAsVersion(const CCmnRegFieldDef &def, quint8 version)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    CmnPrepareDataStream(out);
    out << quint8(39) << version << quint8(def.m_Type) << def.m_Flags << def.m_TextDefault
        << quint8(def.m_TextLetterCase);
    if (version >= 1)
        out << qint16(def.m_TextWidth);
    out << def.m_TrueText << def.m_FalseText << def.m_NotGivenText << def.m_Choices << def.m_ChoiceDefault;
    if (version >= 1)
        out << quint8(def.m_ChoiceStyle);
    out << def.m_IntMin << def.m_IntMax << def.m_IntDefault << def.m_IntSuffix << def.m_NumberMin
        << def.m_NumberMax << def.m_NumberDefault << def.m_NumberSuffix << qint8(def.m_NumberDecimals)
        << def.m_PercentMin << def.m_PercentMax << def.m_PercentDefault << qint8(def.m_PercentDecimals);
    def.m_DateDefault.Write(out);
    if (version >= 1)
        out << def.m_MultilineDefault << quint8(def.m_MultilineLetterCase) << qint16(def.m_MultilineWidth)
            << qint16(def.m_MultilineLines);
    return bytes;
}

} // namespace

class TestCmnRegFieldDef : public QObject
{
    Q_OBJECT
private slots:
    void newDefinitionsCarryPercentLimits();
    void formatsValues_data();
    void formatsValues();
    void invalidValueGivesNoForms();
    void givesExportTexts_data();
    void givesExportTexts();
    void makesDefinitionsForNewFields_data();
    void makesDefinitionsForNewFields();
    void newFieldListNameChoosesASharedList();
    void writesTheDefaultBlock();
    void readsStoredBlocks_data();
    void readsStoredBlocks();
    void refusesOtherBlocks_data();
    void refusesOtherBlocks();
    void reportsEveryCut();
    void readsMaskVersions_data();
    void readsMaskVersions();
};

void TestCmnRegFieldDef::newDefinitionsCarryPercentLimits()
{
    QCOMPARE(CCmnRegFieldDef().m_Flags, 0x020C010Cu);
    QCOMPARE(CCmnRegFieldDef(CmnRegFieldInteger, 0).m_Flags, 0x000C0000u);
    CCmnRegFieldDef def = Unusual();
    def.m_Flags = 0x10;
    def.Reset();
    QCOMPARE(def.m_Type, int(CmnRegFieldChoice));
    QCOMPARE(def.m_Flags, 0x000C0010u);
    CCmnRegFieldDef fresh(CmnRegFieldChoice, 0x10);
    QCOMPARE(def, fresh);
    QCOMPARE(CmnRegFieldTypeName(7), QStringLiteral("Multiline Text"));
    QCOMPARE(CmnRegFieldTypeName(8), QStringLiteral("??"));
    QCOMPARE(CmnRegChoiceStyleName(2), QStringLiteral("Radio Buttons (2 Columns)"));
}

void TestCmnRegFieldDef::formatsValues_data()
{
    QTest::addColumn<CCmnRegFieldDef>("def");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");   // form 2 is checked against these too

    const QString fourLines = QStringLiteral("two  words\none\n \nlast");
    CCmnRegFieldDef upper = Def(CmnRegFieldText);
    upper.m_TextLetterCase = 1;
    CCmnRegFieldDef integer = Def(CmnRegFieldInteger);
    integer.m_IntSuffix = QStringLiteral("kg");
    CCmnRegFieldDef number = Def(CmnRegFieldNumber);
    number.m_NumberSuffix = QStringLiteral("cm");

    QTest::newRow("text, blanks kept apart without word wrap")
        << Def(CmnRegFieldText, CmnRegFieldWordWrap) << QVariant(QStringLiteral("Two words")) << 1
        << QStringLiteral("Two words") << QStringList{QStringLiteral("Two&nbsp;words")};
    QTest::newRow("text, word wrap, escaped and in letter case")
        << upper << QVariant(QStringLiteral("Smith & Jones <UK>")) << 1 << QStringLiteral("SMITH & JONES <UK>")
        << QStringList{QStringLiteral("SMITH &amp; JONES &lt;UK&gt;")};
    QTest::newRow("integer and suffix") << integer << QVariant(5) << 1 << QStringLiteral("5 kg")
                                        << QStringList{QStringLiteral("5 kg")};
    QTest::newRow("imported 64-bit integer shown whole")
        << Def(CmnRegFieldInteger) << QVariant(qlonglong(1) << 40) << 1 << QStringLiteral("1099511627776")
        << QStringList{QStringLiteral("1099511627776")};
    QTest::newRow("number with its decimals") << number << QVariant(2.5) << 0 << QStringLiteral("2.500 cm")
                                              << QStringList{QStringLiteral("2.500 cm")};
    QTest::newRow("percentage of one eighth") << Def(CmnRegFieldPercentage) << QVariant(0.125f) << 1
                                              << QStringLiteral("12.50%") << QStringList{QStringLiteral("12.50%")};
    QTest::newRow("boolean false") << Def(CmnRegFieldBoolean) << QVariant(false) << 1 << QStringLiteral("No")
                                   << QStringList{QStringLiteral("No")};
    QTest::newRow("choice") << Def(CmnRegFieldChoice) << QVariant(QStringLiteral("Bay & Grey")) << 1
                            << QStringLiteral("Bay & Grey") << QStringList{QStringLiteral("Bay &amp; Grey")};
    QTest::newRow("paragraphs reflowed")
        << Def(CmnRegFieldMultilineText, 0, CmnRegFieldFormatParagraphs) << QVariant(fourLines) << 1 << fourLines
        << QStringList{QStringLiteral("two words one"), QStringLiteral("last")};
    QTest::newRow("lines kept, blanks kept apart")
        << Def(CmnRegFieldMultilineText, CmnRegFieldFormatParagraphs) << QVariant(fourLines) << 3 << fourLines
        << QStringList{QStringLiteral("two&nbsp;&nbsp;words"), QStringLiteral("one"), QStringLiteral("last")};
    QTest::newRow("one line, the empty line a blank")
        << Def(CmnRegFieldMultilineText) << QVariant(QStringLiteral("two words\none\n\nlast")) << 2
        << QStringLiteral("two words one  last") << QStringList{QStringLiteral("two words one  last")};
    const QString fifty(50, QLatin1Char('x'));
    QTest::newRow("one line of exactly 50 kept") << Def(CmnRegFieldMultilineText) << QVariant(fifty) << 2 << fifty
                                                 << QStringList{fifty};
    QTest::newRow("one line above 50 cut")
        << Def(CmnRegFieldMultilineText) << QVariant(fifty + QStringLiteral("y")) << 2
        << QString(47, QLatin1Char('x')) + QStringLiteral("...")
        << QStringList{QString(47, QLatin1Char('x')) + QStringLiteral("...")};
}

void TestCmnRegFieldDef::formatsValues()
{
    QFETCH(CCmnRegFieldDef, def);
    QFETCH(QVariant, value);
    QFETCH(int, mode);
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    const CCmnRegSubstitution all = def.FormatValue(value, 7, mode);
    QCOMPARE(all.m_Forms, 7);
    QCOMPARE(all.m_Text, text);
    QCOMPARE(all.m_Lines, lines);
    QCOMPARE(all.m_Html, lines.join(QStringLiteral("<br/>")));
    const CCmnRegSubstitution html = def.FormatValue(value, CCmnRegSubstitution::FormHtml, mode);
    QCOMPARE(html.m_Forms, int(CCmnRegSubstitution::FormHtml));
    QCOMPARE(html.m_Html, all.m_Html);
}

void TestCmnRegFieldDef::invalidValueGivesNoForms()
{
    QCOMPARE(Def(CmnRegFieldInteger).FormatValue(QVariant(), 7, 1), CCmnRegSubstitution());
    QCOMPARE(Def(CmnRegFieldMultilineText).FormatValue(QVariant(), 7, 1), CCmnRegSubstitution());
}

void TestCmnRegFieldDef::givesExportTexts_data()
{
    QTest::addColumn<CCmnRegFieldDef>("def");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("valueText");
    QTest::addColumn<QString>("displayText");
    CCmnDate date;
    date.SetGregorianYmd(5, 4, 2001);
    CCmnRegFieldDef integer = Def(CmnRegFieldInteger);
    integer.m_IntSuffix = QStringLiteral("kg");
    QTest::newRow("boolean false") << Def(CmnRegFieldBoolean) << QVariant(false) << "0" << "No";
    QTest::newRow("boolean true") << Def(CmnRegFieldBoolean) << QVariant(true) << "1" << "Yes";
    QTest::newRow("fraction with the number's decimals")
        << Def(CmnRegFieldPercentage) << QVariant(0.125f) << "0.125" << "12.50%";
    QTest::newRow("integer without suffix") << integer << QVariant(5) << "5" << "5 kg";
    CCmnRegFieldDef number = Def(CmnRegFieldNumber);
    number.m_NumberSuffix = QStringLiteral("cm");
    number.m_NumberDecimals = 2;
    QTest::newRow("number without suffix") << number << QVariant(2.5) << "2.50" << "2.50 cm";
    CCmnRegFieldDef upper = Def(CmnRegFieldText);
    upper.m_TextLetterCase = CmnLetterCaseUpper;
    QTest::newRow("text in the field's letter case") << upper << QVariant(QStringLiteral("Smith & Jones"))
                                                      << "SMITH & JONES" << "SMITH & JONES";
    QTest::newRow("multiline text keeps its line breaks")
        << Def(CmnRegFieldMultilineText) << QVariant(QStringLiteral("one\ntwo\n\nthree")) << "one\ntwo\n\nthree"
        << "one\ntwo\n\nthree";
    QTest::newRow("date in the column's format") << Def(CmnRegFieldDate) << QVariant::fromValue(date)
                                                 << "05/04/2001" << "05/04/2001";
    QTest::newRow("text") << Def(CmnRegFieldText) << QVariant(QStringLiteral("a b")) << "a b" << "a b";
    QTest::newRow("no value") << Def(CmnRegFieldNumber) << QVariant() << "" << "";
}

void TestCmnRegFieldDef::givesExportTexts()
{
    QFETCH(CCmnRegFieldDef, def);
    QFETCH(QVariant, value);
    QFETCH(QString, valueText);
    QFETCH(QString, displayText);
    CCmnExportCellFormat format = def.GetColumnType();
    format.m_Text = QStringLiteral("dd/mm/yyyy");
    const auto texts = def.GetExportTexts(value, format);
    QCOMPARE(texts.first, valueText);
    QCOMPARE(texts.second, displayText);
}

void TestCmnRegFieldDef::makesDefinitionsForNewFields_data()
{
    QTest::addColumn<quint32>("optionFlags");
    QTest::addColumn<int>("type");
    QTest::addColumn<quint32>("flags");
    using F = CCmnRegNewFieldOptions::EFlags;
    QTest::newRow("plain text") << quint32(0) << int(CmnRegFieldText) << 0x020C0000u;
    QTest::newRow("key text with list and wrap") << quint32(F::KeyField | F::PrivateList | F::WordWrap)
                                                 << int(CmnRegFieldText) << 0x020C010Cu;
    QTest::newRow("shared list") << quint32(F::SharedList) << int(CmnRegFieldText) << 0x060C0000u;
    QTest::newRow("boolean before integer") << quint32(F::Boolean | F::Integer) << int(CmnRegFieldBoolean)
                                            << 0x020C000Cu;
    QTest::newRow("integer before date") << quint32(F::Integer | F::Date) << int(CmnRegFieldInteger) << 0x020C000Cu;
    QTest::newRow("date before multiline") << quint32(F::Date | F::Multiline) << int(CmnRegFieldDate)
                                           << 0x020C000Cu;
    QTest::newRow("multiline") << quint32(F::Multiline) << int(CmnRegFieldMultilineText) << 0x010C000Cu;
    QTest::newRow("multiline key field, paragraphs") << quint32(F::Multiline | F::KeyField | F::FormatParagraphs)
                                                     << int(CmnRegFieldMultilineText) << 0x030C000Cu;
}

void TestCmnRegFieldDef::makesDefinitionsForNewFields()
{
    QFETCH(quint32, optionFlags);
    QFETCH(int, type);
    QFETCH(quint32, flags);
    CCmnRegNewFieldOptions options;
    options.m_Flags = optionFlags;
    options.m_SharedListName = QStringLiteral("  Colours ");
    options.m_TextWidth = 40;
    options.m_MultilineLines = 8;
    const CCmnRegFieldDef def = options.MakeFieldDef();
    QCOMPARE(def.m_Type, type);
    QCOMPARE(def.m_Flags, flags);
    QCOMPARE(def.m_TextWidth, type == CmnRegFieldText ? 40 : 15);
    QCOMPARE(def.m_MultilineLines, type == CmnRegFieldMultilineText ? 8 : 3);
    QCOMPARE(def.m_MultilineWidth, 30);
    QCOMPARE(def.m_SharedListName, optionFlags & CCmnRegNewFieldOptions::SharedList ? QStringLiteral("Colours") : QString());
}

void TestCmnRegFieldDef::newFieldListNameChoosesASharedList()
{
    using F = CCmnRegNewFieldOptions::EFlags;
    CCmnRegNewFieldOptions options;
    options.m_Flags = F::PrivateList | F::WordWrap;
    options.SetSharedListName(QStringLiteral("  Registering Bodies "));
    QCOMPARE(options.m_SharedListName, QStringLiteral("Registering Bodies"));
    QCOMPARE(options.m_Flags, quint32(F::SharedList | F::WordWrap));
    options.SetSharedListName(QStringLiteral("   "));
    QCOMPARE(options.m_SharedListName, QString());
    QCOMPARE(options.m_Flags, quint32(F::WordWrap));

    CCmnRegFieldContextMask first;
    first.SetContext(1, true);
    CCmnRegFieldContextMask second;
    second.SetContext(100, true);
    options.AddContexts(first);
    options.AddContexts(second);
    QVERIFY(options.m_Contexts.HasContext(1));
    QVERIFY(options.m_Contexts.HasContext(100));
    QVERIFY(!options.m_Contexts.HasContext(2));
}

void TestCmnRegFieldDef::writesTheDefaultBlock()
{
    const QByteArray golden = QByteArray::fromHex(
        "2702" "00" "020c010c"
        "ffffffff" "00" "000f" "ffffffff"                           // text
        "00000006005900650073" "00000004004e006f"                   // "Yes", "No"
        "00000012004e006f007400200047006900760065006e"              // "Not Given"
        "00000000" "ffffffff" "00"                                  // choices
        "00000000" "00000000" "00000000" "ffffffff"                 // integer
        "0000000000000000" "0000000000000000" "0000000000000000" "ffffffff" "03"
        "0000000000000000" "3ff0000000000000" "0000000000000000" "02"
        "03"                                                        // empty date
        "ffffffff" "00" "001e" "0003");                             // multiline
    QCOMPARE(Written(CCmnRegFieldDef()).toHex(), golden.toHex());
}

void TestCmnRegFieldDef::readsStoredBlocks_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<CCmnRegFieldDef>("expected");
    const CCmnRegFieldDef unusual = Unusual();
    QTest::newRow("version 2") << Written(unusual) << unusual;
    CCmnRegFieldDef older = unusual;
    older.m_SharedListName.clear();
    QTest::newRow("version 1 has no shared list") << WrittenAsVersion(unusual, 1) << older;
    older.m_TextWidth = 15;
    older.m_ChoiceStyle = 0;
    older.m_MultilineDefault.clear();
    older.m_MultilineLetterCase = 0;
    older.m_MultilineWidth = 30;
    older.m_MultilineLines = 3;
    QTest::newRow("version 0 takes the defaults") << WrittenAsVersion(unusual, 0) << older;

    // What the program itself can store reads back unchanged, the widest widths of
    // an import included.
    CCmnRegFieldDef edges = Unusual();
    edges.m_Type = CmnRegFieldMultilineText;
    edges.m_TextLetterCase = 4;
    edges.m_TextWidth = 32767;
    edges.m_MultilineWidth = 300;
    edges.m_MultilineLines = 1;
    edges.m_NumberDecimals = 0;
    edges.m_PercentDecimals = 8;
    QTest::newRow("edges of the valid ranges") << Written(edges) << edges;

    CCmnRegFieldDef stored = Unusual();
    stored.m_Type = 8;
    CCmnRegFieldDef expected = Unusual();
    expected.m_Type = CmnRegFieldText;
    QTest::newRow("type after Multiline Text") << Written(stored) << expected;
    stored.m_Type = 255;
    QTest::newRow("type 255") << Written(stored) << expected;

    stored = Unusual();
    stored.m_TextLetterCase = 5;
    stored.m_MultilineLetterCase = 255;
    stored.m_ChoiceStyle = 4;
    expected = Unusual();
    expected.m_TextLetterCase = 0;
    expected.m_MultilineLetterCase = 0;
    expected.m_ChoiceStyle = CmnRegChoicePulldown;
    QTest::newRow("letter cases and style beyond their lists") << Written(stored) << expected;

    stored = Unusual();
    stored.m_TextWidth = 0;
    stored.m_MultilineWidth = -32768;
    stored.m_MultilineLines = -1;
    expected = Unusual();
    expected.m_TextWidth = 1;
    expected.m_MultilineWidth = 1;
    expected.m_MultilineLines = 1;
    QTest::newRow("widths and lines below one") << Written(stored) << expected;

    stored = Unusual();
    stored.m_NumberDecimals = -1;
    stored.m_PercentDecimals = 9;
    expected = Unusual();
    expected.m_NumberDecimals = 0;
    expected.m_PercentDecimals = CmnRegFieldMaxDecimals;
    QTest::newRow("decimals outside 0 to 8") << Written(stored) << expected;
}

void TestCmnRegFieldDef::readsStoredBlocks()
{
    QFETCH(QByteArray, bytes);
    QFETCH(CCmnRegFieldDef, expected);
    QDataStream in(bytes);
    CmnPrepareDataStream(in);
    CCmnRegFieldDef def(CmnRegFieldText, 0);
    QVERIFY(def.Read(in));
    QCOMPARE(in.status(), QDataStream::Ok);
    QVERIFY(in.atEnd());
    QCOMPARE(def, expected);
}

void TestCmnRegFieldDef::refusesOtherBlocks_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("accepted");
    QByteArray good = Written(CCmnRegFieldDef());
    QTest::newRow("another tag") << QByteArray(good).replace(0, 1, "\x28") << false;
    QTest::newRow("newer version") << QByteArray(good).replace(1, 1, "\x03") << false;
    QTest::newRow("bad date block") << QByteArray(good).replace(good.size() - 10, 1, "\x07") << true;
}

void TestCmnRegFieldDef::refusesOtherBlocks()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, accepted);
    QDataStream in(bytes);
    CmnPrepareDataStream(in);
    CCmnRegFieldDef def;
    QCOMPARE(def.Read(in), accepted);
    QCOMPARE(in.status(), accepted ? QDataStream::ReadCorruptData : QDataStream::Ok);
}

void TestCmnRegFieldDef::reportsEveryCut()
{
    const QByteArray good = Written(Unusual());
    for (qsizetype length = 0; length < good.size(); ++length) {
        QDataStream in(good.left(length));
        CmnPrepareDataStream(in);
        CCmnRegFieldDef def;
        const bool accepted = def.Read(in);
        QVERIFY2(!accepted || in.status() != QDataStream::Ok, qPrintable(QString::number(length)));
    }
}

void TestCmnRegFieldDef::readsMaskVersions_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<quint64>("first");
    QTest::addColumn<quint64>("second");
    QTest::newRow("version 1") << QByteArray::fromHex("2801" "0000000000000002" "8000000000000001") << true
                               << quint64(2) << quint64(0x8000000000000001);
    QTest::newRow("version 0 holds one word") << QByteArray::fromHex("2800" "0000000000000002" "ff") << true
                                              << quint64(2) << quint64(0);
    QTest::newRow("newer version") << QByteArray::fromHex("2802" "0000000000000002") << false << quint64(9)
                                   << quint64(9);
    QTest::newRow("another tag") << QByteArray::fromHex("2701" "0000000000000002") << false << quint64(9)
                                 << quint64(9);
    QTest::newRow("cut short") << QByteArray::fromHex("2801" "0000000000000002") << false << quint64(9)
                               << quint64(9);
}

void TestCmnRegFieldDef::readsMaskVersions()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, accepted);
    QFETCH(quint64, first);
    QFETCH(quint64, second);
    QDataStream in(bytes);
    CmnPrepareDataStream(in);
    CCmnRegFieldContextMask mask;
    mask.SetWord(0, 9);
    mask.SetWord(1, 9);
    QCOMPARE(CmnRegReadContextMasks(in, mask), accepted);
    QCOMPARE(mask.Word(0), first);
    QCOMPARE(mask.Word(1), second);
    if (accepted) {
        QCOMPARE(mask.HasContext(1), true);
        QCOMPARE(mask.HasContext(64), second & 1);
    }
}

QTEST_GUILESS_MAIN(TestCmnRegFieldDef)
#include "tst_cmnregfielddef.moc"
