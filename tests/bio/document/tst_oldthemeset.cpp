#include "oldtheme.h"
#include "oldthemeset.h"

#include "biothemedformwithancestrypanelscelldata.h"
#include "cmndatastream.h"
#include "cmntheme.h"
#include "cmnthemedformboxgenericdataelt.h"
#include "cmnthemedformboxgenericlayoutelt.h"
#include "cmnthemeset.h"
#include "documentsettings.h"
#include "fuzzmutations.h"

#include <QDataStream>
#include <QSet>
#include <QTest>

#include "oldthemetesting.h"

namespace {

bool ReadSet(const QByteArray &bytes, COldThemeSet &set)
{
    return set.FromByteArray(bytes);
}

} // namespace

class TestOldThemeSet : public QObject
{
    Q_OBJECT

private slots:
    void templateHoldsTheOlderElements();
    void convertsToTodaysNamesKeepingStoredValues();
    void convertsNamedThemesUnderDefaultName();
    void rejectsDamagedBlocks_data();
    void rejectsDamagedBlocks();
    void rejectsEveryCutOfAGoodBlock();
    void damagedBlocksLeaveTheDefaultThemes();
};

void TestOldThemeSet::templateHoldsTheOlderElements()
{
    const COldTheme theme;
    QCOMPARE(theme.Elements().size(), 45);
    QSet<QString> names;
    for (const CCmnThemeElt *element : theme.Elements())
        names.insert(element->Name());
    QCOMPARE(names.size(), 45);
    QCOMPARE(theme.Elements().first()->Name(), QStringLiteral("CMN-DEFAULT"));
    QCOMPARE(theme.Elements().last()->Name(), QStringLiteral("TRIALMATING-DAMDETAILS-DATA"));

    const auto *logo = theme.Elements().at(5)->GenericLayout();
    QCOMPARE(theme.Elements().at(5)->Name(), QStringLiteral("BIO-REGRECORD-LEFTHEADERORNAMENT-LAYOUT"));
    QVERIFY(logo);
    QCOMPARE(logo->m_TextSize.m_Inherit, false);
    QCOMPARE(logo->m_TextSize.m_Value, QStringLiteral(";24;"));
    QCOMPARE(logo->m_TextFace.m_Inherit, true);

    const auto *footer = dynamic_cast<const CCmnThemedFormBoxGenericDataElt *>(theme.Elements().at(28));
    QVERIFY(footer);
    QCOMPARE(footer->m_Payload.m_Text.m_Text,
             QStringLiteral("I certify this pedigree to be true.  Signed: ......................"));
    QCOMPARE(footer->m_Payload.m_Text.m_Html, false);
    QVERIFY(dynamic_cast<const CBioThemedFormWithAncestryPanelsCellDataElt *>(theme.Elements().at(36)));
}

void TestOldThemeSet::convertsToTodaysNamesKeepingStoredValues()
{
    const QByteArray bytes = WriteTestOldTheme(EditedOldTheme(QStringLiteral("Smith & Jones <UK>")));
    COldTheme old;
    QVERIFY(CmnReadStreamBytes(bytes, [&](QDataStream &in) { return old.Read(in); }));
    CCmnTheme converted;
    converted.AddElt(new CCmnThemedFormBoxGenericLayoutElt(QStringLiteral("LEFT-OVER")));
    old.ConvertTo(converted);

    QCOMPARE(converted.Elements().size(), 45);
    for (const QString &name : converted.Elements().keys())
        QVERIFY2(!name.startsWith(QLatin1String("BIO-")) && name != QLatin1String("LEFT-OVER"), qPrintable(name));

    const auto *logo = ThemeLayout(converted, "CMN-LEFTHEADERORNAMENT-LAYOUT");
    QVERIFY(logo);
    QCOMPARE(logo->m_TextSize.m_Value, QStringLiteral(";24;"));
    QCOMPARE(logo->m_TextFace.m_Value, QStringLiteral("Serif;;"));
    QCOMPARE(logo->m_TextColor.m_Value, QColor(Qt::red));
    QCOMPARE(ThemeDataText(converted, "PEDIGREE-TITLE-DATA"), QStringLiteral("Smith & Jones <UK>"));
    // Not stored: the template's element under its new name.
    QCOMPARE(ThemeDataText(converted, "COVERSHEET-REVERSE-DATA"),
             QStringLiteral("Click to edit reverse (back page) text\n[$ * T]"));
    QCOMPARE(ThemeDataText(converted, "TRIALMATING-TITLE-DATA"),
             QStringLiteral("{S 120}Trial Mating Of{/S}\n{S 150}[#Sire]{/S}\nx\n{S 150}[#Dam]{/S}\n{S 50}[$b * L]{/S}"));
    QVERIFY(ThemeElement(converted, "PEDIGREE-ANCESTORSPANEL0-CELLDATA"));
    QVERIFY(ThemeElement(converted, "TRIALMATING-DAMDETAILS-DATA"));
}

void TestOldThemeSet::convertsNamedThemesUnderDefaultName()
{
    CTestOldThemeSet written;
    written.current = EditedOldTheme(QStringLiteral("Base title"));
    written.currentName = QStringLiteral("Show");
    written.named = {{QStringLiteral("Show"), EditedOldTheme(QStringLiteral("Show title"))},
                     {QString(), EditedOldTheme(QStringLiteral("Nameless title"))},
                     {QStringLiteral("Sale"), CTestOldTheme()}};
    COldThemeSet old;
    QVERIFY(ReadSet(WriteTestOldThemeSet(written), old));
    QCOMPARE(old.m_NamedThemes.size(), 3);

    CCmnThemeSet converted;
    converted.m_CurrentThemeName = QStringLiteral("Stale");
    converted.m_NamedThemes.insert(QStringLiteral("Stale"), CCmnTheme());
    old.ConvertTo(converted);

    QCOMPARE(converted.m_CurrentThemeName, QStringLiteral("Default"));
    QCOMPARE(converted.m_SecondText, QString());
    QCOMPARE(converted.m_ThirdText, QString());
    QCOMPARE(converted.m_NamedThemes.keys().size(), 2);
    QCOMPARE(ThemeDataText(converted.m_BaseTheme, "PEDIGREE-TITLE-DATA"), QStringLiteral("Base title"));
    QCOMPARE(ThemeDataText(converted.m_NamedThemes[QStringLiteral("Show")], "PEDIGREE-TITLE-DATA"),
             QStringLiteral("Show title"));
    QCOMPARE(ThemeDataText(converted.m_NamedThemes[QStringLiteral("Sale")], "PEDIGREE-LEFTFOOTERORNAMENT-DATA"),
             QStringLiteral("I certify this pedigree to be true.  Signed: ......................"));
}

void TestOldThemeSet::rejectsDamagedBlocks_data()
{
    QTest::addColumn<QByteArray>("bytes");

    CTestOldThemeSet good;
    good.named = {{QStringLiteral("Show"), EditedOldTheme(QStringLiteral("t"))}};
    const QByteArray goodBytes = WriteTestOldThemeSet(good);

    QByteArray wrongTag = goodBytes;
    wrongTag[0] = 6;
    QTest::newRow("tag") << wrongTag;
    QByteArray wrongVersion = goodBytes;
    wrongVersion[1] = 1;
    QTest::newRow("version") << wrongVersion;

    CTestOldThemeSet noTrailer = good;
    noTrailer.current.trailer = false;
    QTest::newRow("current theme without trailer") << WriteTestOldThemeSet(noTrailer);
    CTestOldThemeSet namedNoTrailer = good;
    namedNoTrailer.named[0].second.trailer = false;
    QTest::newRow("named theme without trailer") << WriteTestOldThemeSet(namedNoTrailer);

    CTestOldThemeSet tooMany = good;
    tooMany.namedCount = 0x7fffffff;
    QTest::newRow("count beyond the block") << WriteTestOldThemeSet(tooMany);
    CTestOldThemeSet oneMore = good;
    oneMore.namedCount = 2;
    QTest::newRow("count one too many") << WriteTestOldThemeSet(oneMore);

    CTestOldThemeSet badElement;
    badElement.current.entries = {{QStringLiteral("CMN-DEFAULT"), QByteArray("\x24\x00\xff", 3)}};
    QTest::newRow("damaged element") << WriteTestOldThemeSet(badElement);
}

void TestOldThemeSet::rejectsDamagedBlocks()
{
    QFETCH(QByteArray, bytes);
    COldThemeSet old;
    QCOMPARE(ReadSet(bytes, old), false);
    QCOMPARE(old.m_NamedThemes.size(), 0);
}

void TestOldThemeSet::rejectsEveryCutOfAGoodBlock()
{
    CTestOldThemeSet good;
    good.current = EditedOldTheme(QStringLiteral("t"));
    good.named = {{QStringLiteral("Show"), EditedOldTheme(QStringLiteral("u"))}};
    const QByteArray bytes = WriteTestOldThemeSet(good);
    COldThemeSet old;
    QVERIFY(ReadSet(bytes, old));
    for (qsizetype length = 0; length < bytes.size(); ++length)
        QVERIFY2(!ReadSet(bytes.left(length), old), qPrintable(QString::number(length)));
}

// Whatever the block holds, the settings either take a converted set or keep
// the themes they had.
void TestOldThemeSet::damagedBlocksLeaveTheDefaultThemes()
{
    CTestOldThemeSet good;
    good.current = EditedOldTheme(QStringLiteral("t"));
    good.named = {{QStringLiteral("Show"), EditedOldTheme(QStringLiteral("u"))}};
    const QByteArray seed = WriteTestOldThemeSet(good);
    const CDocumentSettings defaults;
    int taken = 0;
    int refused = 0;
    const auto run = [&](const QByteArray &bytes) {
        CDocumentSettings settings;
        if (settings.FromHash({{QStringLiteral("THEMES"), bytes}})) {
            ++taken;
            QCOMPARE(settings.m_Themes->m_CurrentThemeName, QStringLiteral("Default"));
        } else {
            ++refused;
            QCOMPARE(*settings.m_Themes, *defaults.m_Themes);
        }
    };
    OrvFuzzCutsAndByteChanges(seed, 0, run);
    OrvFuzzMutations(seed, 0x7E3E5, 400, 0, run);
    QVERIFY(taken > 0);
    QVERIFY(refused > 0);
}

QTEST_MAIN(TestOldThemeSet)
#include "tst_oldthemeset.moc"
