#include "biodefaulttheme.h"
#include "bioregcoversheetsettings.h"
#include "bioregpedigreesettings.h"
#include "bioregtrialmatingsettings.h"
#include "cmndatastream.h"
#include "cmnpagesetup.h"
#include "cmnsettingsexchange.h"
#include "cmnthemeset.h"
#include "documentsettings.h"
#include "testsettingsscope.h"

#include <QDataStream>
#include <QSettings>
#include <QtTest>

namespace {

CCmnRegUserFieldSet UserFields(int count)
{
    CCmnRegUserFieldSet fields;
    for (int i = 1; i <= count; ++i)
        fields.AddField(QStringLiteral("Field %1").arg(i, 3, 10, QChar(u'0')), CCmnRegUserField(i, CCmnRegFieldDef()));
    return fields;
}

// Settings that differ from the defaults in every block.
CDocumentSettings ChangedSettings()
{
    CDocumentSettings settings;
    settings.m_GeneralSettings.m_EmbedPhotos = true;
    settings.m_GeneralSettings.m_NameDisplay.m_IncludeSuffix = false;
    CCmnRegUserFieldSet fields;
    fields.AddField(QStringLiteral("Smith & Jones <UK>"), CCmnRegUserField(1, CCmnRegFieldDef()));
    settings.m_FieldsSettings.SetUserFields(fields);
    settings.m_PrintParams->m_PrinterName = QStringLiteral("Kennel printer");
    settings.m_Themes->m_CurrentThemeName = QStringLiteral("Show");
    settings.m_Themes->m_NamedThemes.insert(QStringLiteral("Show"), BioGetDefaultTheme());
    settings.m_CoverSheetSettings->m_FoldStyle = 2;
    settings.m_PedigreeSettings->m_Generations = 5;
    settings.m_TrialMatingSettings->m_ShowSireDetailsBox = true;
    return settings;
}

} // namespace

class TestDocumentSettings : public QObject
{
    Q_OBJECT
private slots:
    void generalBlockDefaultsAreFixedBytes();
    void generalBlockEmbedFlagIsBitZero_data();
    void generalBlockEmbedFlagIsBitZero();
    void generalBlockRefusesOtherTagOrVersion();
    void newSettingsDrawWithBuiltInThemeNamedDefault();
    void hashHoldsTheSevenBlocksAndReadsBackEqual();
    void newerKeyWinsOverOlderKey_data();
    void newerKeyWinsOverOlderKey();
    void damagedBlockKeepsEarlierBlocksAndNamesTheRest();
    void copiesShareNoPart();
    void equalityNoticesEachBlock();
    void storeKeepsSettingsAndResetsDamagedOnes();
    void userFieldLimit_data();
    void userFieldLimit();
};

void TestDocumentSettings::generalBlockDefaultsAreFixedBytes()
{
    QCOMPARE(CDocumentGeneralSettings().ToByteArray().toHex(' '),
             QByteArray("81 00 00 00 00 00 64 00 00 00 00 03 01 00 04 01 ff ff ff ff 00 00 00 00 00 00"));
}

void TestDocumentSettings::generalBlockEmbedFlagIsBitZero_data()
{
    QTest::addColumn<quint32>("stored");
    QTest::addColumn<bool>("embed");
    QTest::newRow("0") << 0u << false;
    QTest::newRow("1") << 1u << true;
    QTest::newRow("2") << 2u << false;
    QTest::newRow("3") << 3u << true;
}

void TestDocumentSettings::generalBlockEmbedFlagIsBitZero()
{
    QFETCH(quint32, stored);
    QFETCH(bool, embed);
    QByteArray bytes = CDocumentGeneralSettings().ToByteArray();
    bytes.replace(2, 4, CmnStreamBytes([stored](QDataStream &out) { out << stored; }));
    CDocumentGeneralSettings read;
    read.m_EmbedPhotos = !embed;
    QVERIFY(read.FromByteArray(bytes));
    QCOMPARE(read.m_EmbedPhotos, embed);
}

void TestDocumentSettings::generalBlockRefusesOtherTagOrVersion()
{
    const QByteArray good = CDocumentGeneralSettings().ToByteArray();
    CDocumentGeneralSettings read;
    read.m_EmbedPhotos = true;
    QVERIFY(!read.FromByteArray(QByteArray(good).replace(0, 1, "\x82")));
    QVERIFY(!read.FromByteArray(QByteArray(good).replace(1, 1, "\x01")));
    QVERIFY(!read.FromByteArray(QByteArray(good).replace(6, 1, "\x65")));
    QVERIFY(!read.FromByteArray(good.left(good.size() - 1)));
    QCOMPARE(read.m_EmbedPhotos, true);
}

void TestDocumentSettings::newSettingsDrawWithBuiltInThemeNamedDefault()
{
    const CDocumentSettings settings;
    QCOMPARE(settings.m_Themes->m_CurrentThemeName, QStringLiteral("Default"));
    QVERIFY(settings.m_Themes->m_BaseTheme.IsEqual(BioGetDefaultTheme()));
    QCOMPARE(settings.m_GeneralSettings, CDocumentGeneralSettings());
}

void TestDocumentSettings::hashHoldsTheSevenBlocksAndReadsBackEqual()
{
    const CDocumentSettings source = ChangedSettings();
    const TCmnByteArrayHash table = source.ToHash();
    QStringList keys = table.keys();
    keys.sort();
    QCOMPARE(keys, QStringList({"BIOREGTHEMEDFORMINTERFACE_COVERSHEET", "BIOREGTHEMEDFORMINTERFACE_PEDIGREE",
                                "BIOREGTHEMEDFORMINTERFACE_TRIALMATING", "FIELDSSETTINGS", "GENERAL", "PRINTPARAMS",
                                "THEMES2"}));
    CDocumentSettings read;
    QVERIFY(read != source);
    QVERIFY(read.FromHash(table));
    QVERIFY(read == source);
}

void TestDocumentSettings::newerKeyWinsOverOlderKey_data()
{
    QTest::addColumn<QString>("newKey");
    QTest::addColumn<QString>("oldKey");
    QTest::newRow("themes") << "THEMES2" << "THEMES";
    QTest::newRow("cover sheet") << "BIOREGTHEMEDFORMINTERFACE_COVERSHEET" << "BIOREGRECORDANICOVERSHEETFORMCONF";
    QTest::newRow("pedigree") << "BIOREGTHEMEDFORMINTERFACE_PEDIGREE" << "BIOREGRECORDANIPEDFORMCONF";
    QTest::newRow("trial mating") << "BIOREGTHEMEDFORMINTERFACE_TRIALMATING" << "BIOREGRECORDTRIALMATINGFORMCONF";
}

void TestDocumentSettings::newerKeyWinsOverOlderKey()
{
    QFETCH(QString, newKey);
    QFETCH(QString, oldKey);
    const CDocumentSettings changed = ChangedSettings();
    const QByteArray changedBlock = changed.ToHash().value(newKey);
    const QByteArray defaultBlock = CDocumentSettings().ToHash().value(newKey);
    QVERIFY(changedBlock != defaultBlock);

    // With both keys only the new one is read: an unreadable old block would fail.
    CDocumentSettings both;
    QVERIFY(both.FromHash({{newKey, changedBlock}, {oldKey, QByteArray("damaged")}}));
    QCOMPARE(both.ToHash().value(newKey), changedBlock);

    CDocumentSettings onlyOld;
    const bool read = onlyOld.FromHash({{oldKey, changedBlock}});
    if (oldKey == QLatin1String("THEMES")) {
        // Today's theme block is no block of the older format: nothing is taken.
        QVERIFY(!read);
        QCOMPARE(onlyOld.ToHash().value(newKey), defaultBlock);
    } else {
        QVERIFY(read);
        QCOMPARE(onlyOld.ToHash().value(newKey), changedBlock);
    }
}

void TestDocumentSettings::damagedBlockKeepsEarlierBlocksAndNamesTheRest()
{
    const CDocumentSettings changed = ChangedSettings();
    TCmnByteArrayHash table = changed.ToHash();
    table.insert(QStringLiteral("PRINTPARAMS"), QByteArray("\x0b\x00\x01", 3));
    table.remove(QStringLiteral("BIOREGTHEMEDFORMINTERFACE_COVERSHEET"));

    CDocumentSettings read;
    QStringList notTaken;
    QVERIFY(!read.FromHash(table, &notTaken));
    QCOMPARE(notTaken, QStringList({"PRINTPARAMS", "THEMES2", "BIOREGTHEMEDFORMINTERFACE_PEDIGREE",
                                    "BIOREGTHEMEDFORMINTERFACE_TRIALMATING"}));
    QCOMPARE(read.m_GeneralSettings, changed.m_GeneralSettings);
    QCOMPARE(read.UserFieldCount(), 1);
    const CDocumentSettings defaults;
    QCOMPARE(*read.m_PrintParams, *defaults.m_PrintParams);
    QCOMPARE(*read.m_Themes, *defaults.m_Themes);
    QCOMPARE(*read.m_PedigreeSettings, *defaults.m_PedigreeSettings);
}

void TestDocumentSettings::copiesShareNoPart()
{
    const CDocumentSettings source = ChangedSettings();
    CDocumentSettings copy(source);
    QVERIFY(copy == source);
    copy.m_Themes->m_CurrentThemeName = QStringLiteral("Other");
    copy.m_PrintParams->m_PrinterName = QStringLiteral("Other");
    copy.m_CoverSheetSettings->m_FoldStyle = 0;
    copy.m_PedigreeSettings->m_Generations = 3;
    copy.m_TrialMatingSettings->m_ShowTitleBox = false;
    QCOMPARE(source.m_Themes->m_CurrentThemeName, QStringLiteral("Show"));
    QCOMPARE(source.m_PrintParams->m_PrinterName, QStringLiteral("Kennel printer"));
    QCOMPARE(source.m_CoverSheetSettings->m_FoldStyle, 2);
    QCOMPARE(source.m_PedigreeSettings->m_Generations, 5);
    QCOMPARE(source.m_TrialMatingSettings->m_ShowTitleBox, true);

    CDocumentSettings assigned;
    assigned = source;
    assigned.m_Themes->m_NamedThemes.clear();
    QCOMPARE(source.m_Themes->m_NamedThemes.size(), 1);
    assigned = assigned;
    QVERIFY(assigned.m_Themes);
}

void TestDocumentSettings::equalityNoticesEachBlock()
{
    const CDocumentSettings changed = ChangedSettings();
    const TCmnByteArrayHash table = changed.ToHash();
    for (auto it = table.cbegin(); it != table.cend(); ++it) {
        CDocumentSettings one;
        QVERIFY(one.FromHash({{it.key(), it.value()}}));
        QVERIFY2(one != CDocumentSettings(), qPrintable(it.key()));
    }
}

void TestDocumentSettings::storeKeepsSettingsAndResetsDamagedOnes()
{
    CTestSettingsScope scope;
    const CDocumentSettings defaults;
    CDocumentSettings stored = ChangedSettings();
    ExchangeDefaultDocumentSettings(stored, CCmnSettingsExchange(true, {}, QStringLiteral("defaultdocumentsettings")),
                                    defaults);

    CDocumentSettings loaded;
    ExchangeDefaultDocumentSettings(loaded, CCmnSettingsExchange(false, {}, QStringLiteral("defaultdocumentsettings")),
                                    defaults);
    QVERIFY(loaded == stored);

    {
        QSettings settings;
        settings.setValue(QStringLiteral("defaultdocumentsettings/data/GENERAL"), QByteArray("damaged"));
    }
    CDocumentSettings damaged = ChangedSettings();
    ExchangeDefaultDocumentSettings(damaged, CCmnSettingsExchange(false, {}, QStringLiteral("defaultdocumentsettings")),
                                    defaults);
    QVERIFY(damaged == defaults);
}

void TestDocumentSettings::userFieldLimit_data()
{
    QTest::addColumn<int>("fields");
    QTest::addColumn<bool>("refused");
    QTest::newRow("200") << 200 << false;
    QTest::newRow("201") << 201 << true;
}

void TestDocumentSettings::userFieldLimit()
{
    QFETCH(int, fields);
    QFETCH(bool, refused);
    CDocumentSettings settings;
    settings.m_FieldsSettings.SetUserFields(UserFields(fields));
    QCOMPARE(settings.UserFieldCount(), fields);
    QCOMPARE(!DocumentUserFieldLimitMessage(settings).isEmpty(), refused);
}

QTEST_MAIN(TestDocumentSettings)
#include "tst_documentsettings.moc"
