#include "cmnthemedformboxnames.h"
#include "cmnthemedformsettings.h"

#include "cmndatastream.h"

#include <QDataStream>
#include <QTest>

#include "streamtesting.h"

namespace {

QByteArray Written(const CCmnThemedFormSettings &settings)
{
    return CmnTestStreamBytes([&](QDataStream &out) { settings.Write(out); });
}

CCmnThemedFormBoxNames PedigreeNames()
{
    CCmnThemedFormBoxNames names;
    names.m_HasHeader = true;
    names.m_LeftHeaderOrnament = {QStringLiteral("Logo"), QStringLiteral("CMN-LEFTHEADERORNAMENT-LAYOUT"),
                                  QStringLiteral("CMN-LEFTHEADERORNAMENT-DATA")};
    names.m_RightHeaderOrnament = {QStringLiteral("Right Logo"), QStringLiteral("CMN-RIGHTHEADERORNAMENT-LAYOUT"),
                                   QStringLiteral("CMN-RIGHTHEADERORNAMENT-DATA")};
    names.m_LeftFooterOrnament = {QStringLiteral("Signature"), QStringLiteral("PEDIGREE-LEFTFOOTERORNAMENT-LAYOUT"),
                                  QStringLiteral("PEDIGREE-LEFTFOOTERORNAMENT-DATA")};
    return names;
}

} // namespace

class TestCmnThemedFormSettings : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void newSettingsHoldSixRootEntries();
    void layoutStrings_data();
    void layoutStrings();
    void orientationKeepsItsOwnProportions();
    void onePartBoxesStoreNothing();
    void streamRoundTripsByteForByte();
    void refusesDamagedBlocks_data();
    void refusesDamagedBlocks();
};

void TestCmnThemedFormSettings::newSettingsHoldSixRootEntries()
{
    CCmnThemedFormSettings settings(true, 0.38, 0.07);
    QStringList keys = settings.m_RootGroup.m_Settings.keys();
    keys.sort();
    QCOMPARE(keys, (QStringList{"L-H;M", "L-H;M;F", "L-M;F", "P-H;M", "P-H;M;F", "P-M;F"}));
    const CCmnFormBoxSplitSettings &all = settings.m_RootGroup.m_Settings.value(QStringLiteral("P-H;M;F"));
    QCOMPARE(all.m_Proportions.size(), 3);
    QVERIFY(qFuzzyCompare(all.m_Proportions.at(0), 0.38));
    QVERIFY(qFuzzyCompare(all.m_Proportions.at(1), 0.55));
    QVERIFY(qFuzzyCompare(all.m_Proportions.at(2), 0.07));
    QVERIFY(!all.m_Horizontal);
    QVERIFY(all.m_Dividers);
    QVERIFY(!all.m_EqualSplit);
    QVERIFY(settings.m_HeaderGroup.m_Horizontal);
    QVERIFY(settings.m_HeaderGroup.m_Settings.isEmpty());
}

void TestCmnThemedFormSettings::layoutStrings_data()
{
    QTest::addColumn<bool>("left");
    QTest::addColumn<bool>("right");
    QTest::addColumn<bool>("footer");
    QTest::addColumn<QString>("header");
    QTest::addColumn<QString>("root");
    QTest::newRow("nothing shown") << false << false << false << QString() << QStringLiteral("M");
    QTest::newRow("left logo") << true << false << false << QStringLiteral("CCmnThemedForm-Leftheaderornament")
                               << QStringLiteral("H;M");
    QTest::newRow("both logos and signature")
        << true << true << true
        << QStringLiteral("CCmnThemedForm-Leftheaderornament;CCmnThemedForm-Rightheaderornament")
        << QStringLiteral("H;M;F");
    QTest::newRow("signature only") << false << false << true << QString() << QStringLiteral("M;F");
}

void TestCmnThemedFormSettings::layoutStrings()
{
    QFETCH(bool, left);
    QFETCH(bool, right);
    QFETCH(bool, footer);
    QFETCH(QString, header);
    QFETCH(QString, root);
    CCmnThemedFormSettings settings(true, 0.38, 0.07);
    settings.m_ShowLeftHeaderOrnament = left;
    settings.m_ShowRightHeaderOrnament = right;
    settings.m_ShowLeftFooterOrnament = footer;
    settings.m_ShowRightFooterOrnament = true; // the form names no right footer ornament
    QCOMPARE(settings.GetHeaderLayout(PedigreeNames()), header);
    QCOMPARE(settings.GetRootLayout(PedigreeNames()), root);
    QCOMPARE(settings.GetRootLayout(CCmnThemedFormBoxNames()), QStringLiteral("M"));
}

void TestCmnThemedFormSettings::orientationKeepsItsOwnProportions()
{
    CCmnThemedFormSettings settings(true, 0.38, 0.07);
    settings.m_ShowLeftHeaderOrnament = true;
    settings.m_ShowRightHeaderOrnament = true;
    const CCmnThemedFormBoxNames names = PedigreeNames();
    CCmnFormBoxSplitSettings header = settings.GetHeaderSplitSettings(names);
    QCOMPARE(header.m_Proportions, (QList<double>{0.5, 0.5}));
    QVERIFY(header.m_Horizontal);
    QCOMPARE(header.m_DividerColor, QColor(0xB7, 0xB9, 0xFF));
    header.m_Proportions = {0.2, 0.8};
    settings.SetHeaderSplitSettings(names, header);

    settings.m_Orientation = 1;
    QCOMPARE(settings.GetHeaderSplitSettings(names).m_Proportions, (QList<double>{0.5, 0.5}));
    QVERIFY(settings.m_HeaderGroup.m_Settings.contains(
        QStringLiteral("L-CCmnThemedForm-Leftheaderornament;CCmnThemedForm-Rightheaderornament")));
    settings.m_Orientation = 0;
    QCOMPARE(settings.GetHeaderSplitSettings(names).m_Proportions, (QList<double>{0.2, 0.8}));
}

void TestCmnThemedFormSettings::onePartBoxesStoreNothing()
{
    CCmnThemedFormSettings settings(true, 0.38, 0.07);
    settings.m_ShowLeftHeaderOrnament = true;
    const CCmnThemedFormBoxNames names = PedigreeNames();
    CCmnFormBoxSplitSettings split;
    split.m_Proportions = {1.0};
    settings.SetHeaderSplitSettings(names, split);
    QVERIFY(settings.m_HeaderGroup.m_Settings.isEmpty());
    QCOMPARE(settings.GetHeaderSplitSettings(names), CCmnFormBoxSplitSettings());
}

void TestCmnThemedFormSettings::streamRoundTripsByteForByte()
{
    CCmnThemedFormSettings settings(true, 0.27, 0.07);
    settings.m_Orientation = 1;
    settings.m_ShowRightHeaderOrnament = true;
    settings.m_ShowLeftFooterOrnament = true;
    settings.GetSplitSettingsFor(settings.m_FooterGroup, QStringLiteral("a;b;c"), 0);
    const QByteArray bytes = Written(settings);
    QCOMPARE(bytes.left(7).toHex(' '), QByteArray("25 00 00 00 00 01 26"));

    QDataStream in(bytes);
    CmnPrepareDataStream(in);
    CCmnThemedFormSettings read(false, 0, 0);
    QVERIFY(read.Read(in));
    QVERIFY(read.IsEqual(settings));
    QCOMPARE(Written(read), bytes);
    CCmnThemedFormSettings copy(false, 0, 0);
    copy.CopyFrom(settings);
    QVERIFY(copy.IsEqual(settings));
    QCOMPARE(Written(copy), bytes);
}

void TestCmnThemedFormSettings::refusesDamagedBlocks_data()
{
    const QByteArray good = Written(CCmnThemedFormSettings(true, 0.38, 0.07));
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("streamOk");
    QByteArray tag = good;
    tag[0] = 36;
    QTest::newRow("another tag") << tag << true;
    QByteArray group = good;
    group[6] = 39;
    QTest::newRow("another group tag") << group << true;
    QByteArray count = good;
    count[9] = char(0x7f);
    QTest::newRow("lying count") << count << false;
    QTest::newRow("cut") << good.left(good.size() / 2) << false;
}

void TestCmnThemedFormSettings::refusesDamagedBlocks()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, streamOk);
    QDataStream in(bytes);
    CmnPrepareDataStream(in);
    CCmnThemedFormSettings read(true, 0.38, 0.07);
    QVERIFY(!read.Read(in));
    QCOMPARE(in.status() == QDataStream::Ok, streamOk);
    if (!streamOk)
        QVERIFY(read.m_RootGroup.m_Settings.isEmpty());
}

QTEST_MAIN(TestCmnThemedFormSettings)
#include "tst_cmnthemedformsettings.moc"
