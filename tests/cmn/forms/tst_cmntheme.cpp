#include "cmntheme.h"
#include "cmnthemedformboxgenericdataelt.h"
#include "cmnthemedformboxgenericlayoutelt.h"
#include "cmnthemeold.h"

#include "cmndatastream.h"

#include <QDataStream>
#include <QTest>

#include "streamtesting.h"

namespace {

QByteArray ThemeBytes(const CCmnTheme &theme)
{
    return CmnTestStreamBytes([&](QDataStream &out) { out << theme; });
}

CCmnTheme ThemeFrom(const QByteArray &bytes)
{
    QDataStream in(bytes);
    CmnPrepareDataStream(in);
    CCmnTheme theme;
    in >> theme;
    return theme;
}

CCmnThemedFormBoxGenericLayout TextColorLayout(const QColor &color)
{
    CCmnThemedFormBoxGenericLayout layout;
    layout.m_TextColor = {false, color};
    return layout;
}

// A default theme with one layout and one data element, and a document theme
// that stores edited versions of both as bytes.
class CThemeFixture
{
public:
    CThemeFixture()
    {
        m_Default.AddElt(new CCmnThemedFormBoxGenericLayoutElt(QStringLiteral("CMN-DEFAULT")));
        CCmnThemedFormBoxGenericData data;
        data.SetText(QStringLiteral("Smith & Jones <UK>"), false);
        m_Default.AddElt(new CCmnThemedFormBoxGenericDataElt(QStringLiteral("CMN-LEFTHEADERORNAMENT-DATA"), data));

        CCmnTheme edited;
        edited.AddElt(new CCmnThemedFormBoxGenericLayoutElt(QStringLiteral("CMN-DEFAULT"), TextColorLayout(Qt::red)));
        data.SetText(QStringLiteral("Logo"), true);
        edited.AddElt(new CCmnThemedFormBoxGenericDataElt(QStringLiteral("CMN-LEFTHEADERORNAMENT-DATA"), data));
        m_Bytes = ThemeBytes(edited);
    }

    CCmnTheme m_Default;
    QByteArray m_Bytes;
};

} // namespace

class TestCmnTheme : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void emptyThemeBytes();
    void rereadThemeWritesTheSameBytes();
    void layoutFlagWords_data();
    void layoutFlagWords();
    void inheritingValuesAreNotStored();
    void lookupFallsBackUntilWritten();
    void materialisesStoredBytesOnFirstLookup();
    void unreadableBytesAreKept();
    void isEqualLeavesStoredBytesAlone();
    void refusesDamagedThemes_data();
    void refusesDamagedThemes();
    void oldThemeReadsByTemplate();
};

void TestCmnTheme::emptyThemeBytes()
{
    const QByteArray bytes = ThemeBytes(CCmnTheme());
    QCOMPARE(bytes.toHex(' '), QByteArray("22 00 00"));
    const CCmnTheme read = ThemeFrom(bytes);
    QVERIFY(read.Elements().isEmpty());
    QVERIFY(read.Stored().isEmpty());
}

void TestCmnTheme::rereadThemeWritesTheSameBytes()
{
    CThemeFixture fixture;
    CCmnTheme theme = ThemeFrom(fixture.m_Bytes);
    QCOMPARE(theme.Stored().size(), 2);
    QCOMPARE(ThemeBytes(theme), fixture.m_Bytes);
    // Materialising an element changes nothing in what is written.
    QVERIFY(theme.GetElt(QStringLiteral("CMN-DEFAULT"), fixture.m_Default));
    QCOMPARE(theme.Elements().size(), 1);
    QCOMPARE(ThemeBytes(theme), fixture.m_Bytes);
}

void TestCmnTheme::layoutFlagWords_data()
{
    QTest::addColumn<CCmnThemedFormBoxGenericLayout>("layout");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("all inherit") << CCmnThemedFormBoxGenericLayout() << QByteArray::fromHex("240000000fff");
    QColor red(Qt::red);
    QTest::newRow("text colour only") << TextColorLayout(red)
                                      << QByteArray::fromHex("2400" "00000f7f" "3200" "1200" "00")
                                             + CmnTestStreamBytes([&](QDataStream &out) { out << red; });
}

void TestCmnTheme::layoutFlagWords()
{
    QFETCH(CCmnThemedFormBoxGenericLayout, layout);
    QFETCH(QByteArray, expected);
    const QByteArray bytes = CmnTestStreamBytes([&](QDataStream &out) { layout.Write(out); });
    QCOMPARE(bytes.toHex(' '), expected.toHex(' '));
    QDataStream in(bytes);
    CmnPrepareDataStream(in);
    CCmnThemedFormBoxGenericLayout read;
    QVERIFY(read.Read(in));
    QCOMPARE(read, layout);
}

void TestCmnTheme::inheritingValuesAreNotStored()
{
    CCmnThemedFormBoxGenericLayout layout;
    layout.SetBorderStyle({CCmnMetric(0, 0.1), 1, 1}); // the value of an inheriting property
    layout.m_Padding.m_Inherit = false;
    layout.m_Padding.m_Value.m_Left = CCmnMetric(2, 3);
    const QByteArray bytes = CmnTestStreamBytes([&](QDataStream &out) { layout.Write(out); });
    QDataStream in(bytes);
    CmnPrepareDataStream(in);
    CCmnThemedFormBoxGenericLayout read;
    QVERIFY(read.Read(in));
    QCOMPARE(read.m_Padding, layout.m_Padding);
    QCOMPARE(read.m_BorderStyle.m_Value, CCmnFormBoxBorderStyle());
    QVERIFY(!(read == layout));
}

void TestCmnTheme::lookupFallsBackUntilWritten()
{
    CThemeFixture fixture;
    CCmnTheme theme;
    const QString name = QStringLiteral("CMN-DEFAULT");
    const CCmnThemeElt *fallback = fixture.m_Default.GetElt(name, fixture.m_Default);
    QCOMPARE(theme.GetElt(name, fixture.m_Default), fallback);
    QVERIFY(!theme.GetElt(QStringLiteral("NO-SUCH-LAYOUT"), fixture.m_Default));

    auto *own = static_cast<CCmnThemedFormBoxGenericLayoutElt *>(theme.GetEltForWrite(name, fixture.m_Default));
    QVERIFY(own && own != fallback);
    own->m_Payload.m_TextColor = {false, Qt::blue};
    QCOMPARE(theme.GetElt(name, fixture.m_Default), own);
    QVERIFY(static_cast<const CCmnThemedFormBoxGenericLayoutElt *>(fallback)->m_Payload.m_TextColor.m_Inherit);

    // A copy owns its elements: editing the original leaves it alone.
    const CCmnTheme copy(theme);
    own->m_Payload.m_TextColor.m_Value = Qt::green;
    CCmnTheme copyForLookup(copy);
    const auto *copied =
        static_cast<const CCmnThemedFormBoxGenericLayoutElt *>(copyForLookup.GetElt(name, fixture.m_Default));
    QCOMPARE(copied->m_Payload.m_TextColor.m_Value, QColor(Qt::blue));
}

void TestCmnTheme::materialisesStoredBytesOnFirstLookup()
{
    CThemeFixture fixture;
    CCmnTheme theme = ThemeFrom(fixture.m_Bytes);
    const auto *data = dynamic_cast<const CCmnThemedFormBoxGenericDataElt *>(
        theme.GetElt(QStringLiteral("CMN-LEFTHEADERORNAMENT-DATA"), fixture.m_Default));
    QVERIFY(data);
    QCOMPARE(data->m_Payload.m_Text, (CCmnFormBoxText{QStringLiteral("Logo"), true}));
    QCOMPARE(theme.Stored().size(), 1);
    QCOMPARE(theme.Elements().size(), 1);
}

void TestCmnTheme::unreadableBytesAreKept()
{
    CThemeFixture fixture;
    // The bytes of a data element under the name of a layout element.
    CCmnTheme wrongKind;
    wrongKind.AddElt(new CCmnThemedFormBoxGenericDataElt(QStringLiteral("CMN-DEFAULT")));
    const QByteArray bytes = ThemeBytes(wrongKind);
    CCmnTheme theme = ThemeFrom(bytes);
    const QString name = QStringLiteral("CMN-DEFAULT");
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("CMN-DEFAULT"));
    QCOMPARE(theme.GetElt(name, fixture.m_Default), fixture.m_Default.GetElt(name, fixture.m_Default));
    QCOMPARE(theme.GetElt(name, fixture.m_Default), fixture.m_Default.GetElt(name, fixture.m_Default));
    QCOMPARE(ThemeBytes(theme), bytes);

    // An edit replaces them.
    QVERIFY(theme.GetEltForWrite(name, fixture.m_Default));
    QVERIFY(theme.Stored().isEmpty());
}

void TestCmnTheme::isEqualLeavesStoredBytesAlone()
{
    CThemeFixture fixture;
    CCmnTheme first = ThemeFrom(fixture.m_Bytes);
    CCmnTheme second = ThemeFrom(fixture.m_Bytes);
    QVERIFY(first.IsEqual(second));
    first.GetElt(QStringLiteral("CMN-DEFAULT"), fixture.m_Default);
    QVERIFY(first.IsEqual(second));
    QVERIFY(second.IsEqual(first));
    QCOMPARE(second.Stored().size(), 2);
    QCOMPARE(second.Elements().size(), 0);

    auto *edited = static_cast<CCmnThemedFormBoxGenericLayoutElt *>(
        first.GetEltForWrite(QStringLiteral("CMN-DEFAULT"), fixture.m_Default));
    edited->m_Payload.m_TextColor.m_Value = Qt::blue;
    QVERIFY(!first.IsEqual(second));
    QVERIFY(!CCmnTheme().IsEqual(second));
}

void TestCmnTheme::refusesDamagedThemes_data()
{
    CThemeFixture fixture;
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("storedAfter");
    QByteArray tag = fixture.m_Bytes;
    tag[0] = 33;
    QTest::newRow("another tag") << tag << 1;
    QByteArray version = fixture.m_Bytes;
    version[1] = 1;
    QTest::newRow("another version") << version << 1;
    QTest::newRow("no end byte") << fixture.m_Bytes.chopped(1) << 2;
    QTest::newRow("cut inside an entry") << fixture.m_Bytes.left(20) << 0;
}

void TestCmnTheme::refusesDamagedThemes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, storedAfter);
    CCmnTheme theme;
    theme.AddElt(new CCmnThemedFormBoxGenericLayoutElt(QStringLiteral("KEPT")));
    QDataStream in(bytes);
    CmnPrepareDataStream(in);
    in >> theme;
    QVERIFY(in.status() != QDataStream::Ok);
    QCOMPARE(theme.Stored().size() + theme.Elements().size(), storedAfter);
}

void TestCmnTheme::oldThemeReadsByTemplate()
{
    CCmnThemeOld templateTheme;
    templateTheme.AddElt(new CCmnThemedFormBoxGenericLayoutElt(QStringLiteral("A-LAYOUT")));
    templateTheme.AddElt(new CCmnThemedFormBoxGenericLayoutElt(QStringLiteral("A-LAYOUT")));
    templateTheme.AddElt(new CCmnThemedFormBoxGenericDataElt(QStringLiteral("B-DATA")));
    CCmnTheme stored;
    stored.AddElt(new CCmnThemedFormBoxGenericLayoutElt(QStringLiteral("A-LAYOUT"), TextColorLayout(Qt::red)));
    stored.AddElt(new CCmnThemedFormBoxGenericLayoutElt(QStringLiteral("UNKNOWN")));
    const QByteArray bytes = ThemeBytes(stored);
    QDataStream in(bytes);
    CmnPrepareDataStream(in);
    CCmnThemeOld old;
    QVERIFY(old.Read(in, templateTheme));
    QCOMPARE(old.Elements().size(), 3);
    const auto *first = static_cast<const CCmnThemedFormBoxGenericLayoutElt *>(old.Elements().at(0));
    QCOMPARE(first->m_Payload.m_TextColor.m_Value, QColor(Qt::red));

    old.RenameElt(QStringLiteral("A-LAYOUT"), QStringLiteral("C-LAYOUT"));
    QCOMPARE(old.Elements().at(0)->Name(), QStringLiteral("C-LAYOUT"));
    QCOMPARE(old.Elements().at(1)->Name(), QStringLiteral("A-LAYOUT"));
    old.RemoveElt(QStringLiteral("B-DATA"));
    QCOMPARE(old.Elements().size(), 2);
}

QTEST_MAIN(TestCmnTheme)
#include "tst_cmntheme.moc"
