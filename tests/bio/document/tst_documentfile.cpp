#include "bioreg.h"
#include "bioregcoversheetsettings.h"
#include "bioregpedigreesettings.h"
#include "bioregtrialmatingsettings.h"
#include "cmnthemeset.h"
#include "bioregrecord.h"
#include "cmnappdescriptor.h"
#include "cmndatastream.h"
#include "cmndocument.h"
#include "cmniocompressor.h"
#include "cmnpagesetup.h"
#include "document.h"
#include "documentfile.h"
#include "documentsettings.h"
#include "faildevice.h"
#include "ignoreaccentssetting.h"
#include "oldthemetesting.h"
#include "../reg/bioregtesting.h"

#include <QBuffer>
#include <QDataStream>
#include <QRandomGenerator>
#include <QtTest>

namespace {

const QString kInvalid = QStringLiteral("Invalid file format - file does not appear to be a Orvanta file");
const QString kCorrupted = QStringLiteral("File is corrupted");

QByteArray WriteFile(CDocument &document, const CDocumentSettings &settings)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    const QString error = CDocumentFile::Write(buffer, document, settings);
    if (!error.isEmpty())
        qWarning() << error;
    return buffer.data();
}

struct CReadResult
{
    QString error;
    QStringList messages;
};

CReadResult ReadFile(const QByteArray &bytes, CDocument &document, CDocumentSettings &settings)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    CReadResult result;
    QString warning;
    result.error = CDocumentFile::Read(buffer, document, settings, nullptr, warning, result.messages);
    return result;
}

CReadResult ReadFile(const QByteArray &bytes)
{
    CDocument document(false);
    CDocumentSettings settings;
    return ReadFile(bytes, document, settings);
}

QByteArray Inflate(const QByteArray &file)
{
    QBuffer buffer;
    buffer.setData(file);
    buffer.open(QIODevice::ReadOnly);
    CCmnIOCompressor device(&buffer, 6, 65500);
    device.open(QIODevice::ReadOnly);
    return device.readAll();
}

QByteArray Deflate(const QByteArray &inner)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    CCmnIOCompressor device(&buffer, 6, 65500);
    device.open(QIODevice::WriteOnly);
    device.write(inner);
    if (!device.Finish())
        qWarning() << device.errorString();
    device.close();
    return buffer.data();
}

QByteArray Word(quint32 value)
{
    return CmnStreamBytes([value](QDataStream &out) { out << value; });
}

// The inflated stream of an empty document up to the settings table, and the
// table as the writer puts it.
struct CInnerParts
{
    QByteArray head;  // marker, version, register
    QByteArray table; // count, then key and block per entry
};

QByteArray Table(const QList<QPair<QString, QByteArray>> &entries)
{
    return CmnStreamBytes([&entries](QDataStream &out) {
        out << quint32(entries.size());
        for (const auto &entry : entries)
            out << entry.first << entry.second;
    });
}

CInnerParts EmptyDocumentParts(const CDocumentSettings &settings)
{
    CDocument document(false);
    CInnerParts parts;
    parts.head = CmnStreamBytes([&document](QDataStream &out) {
        out << quint32(0x70640398);
        if (!document.ExchangeStream(out, true).isEmpty())
            out.setStatus(QDataStream::WriteFailed);
    });
    parts.table = CmnStreamBytes([&settings](QDataStream &out) { CDocumentFile::WriteSettingsTable(out, settings.ToHash()); });
    return parts;
}

CCmnRegUserFieldSet UserFields(int count)
{
    CCmnRegUserFieldSet fields;
    for (int i = 1; i <= count; ++i)
        fields.AddField(QStringLiteral("Field %1").arg(i, 3, 10, QChar(u'0')), CCmnRegUserField(i, CCmnRegFieldDef()));
    return fields;
}

// A file of an earlier release: an empty register and the settings table as given.
QByteArray EarlierReleaseFile(const QList<QPair<QString, QByteArray>> &entries)
{
    return Deflate(EmptyDocumentParts(CDocumentSettings()).head + Table(entries) + Word(0x55329FDE));
}

QByteArray StoredText(const QString &text)
{
    return CmnStreamBytes([&text](QDataStream &out) { out << text; });
}

} // namespace

class TestDocumentFile : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void emptyDocumentHasFixedFrame();
    void sameDocumentGivesSameBytes();
    void realPedigreeReadsBackEqual();
    void olderFileVersionLoads();
    void fileWithFiveSettingsBlocksKeepsDefaultsForTheOthers();
    void badFilesGiveTheirMessage_data();
    void badFilesGiveTheirMessage();
    void tooManyUserFieldsAreRefused();
    void bytesAfterClosingMarkerAreIgnored();
    void damagedMiddleBlockKeepsEarlierBlocksAndSaysWhichFellBack();
    void limitIsCheckedWhenALaterBlockIsDamaged();
    void parentLinksToMissingAnimalsAreDroppedAndTold();
    void everyCutOfTheInflatedStreamFails();
    void everyCutOfTheFileFails();
    void changedFileByteNeverLoadsOtherData();
    void failingDeviceIsAlwaysAnError_data();
    void failingDeviceIsAlwaysAnError();
    void olderThemesAreConverted();
    void earlierReleaseFileLoadsItsFiveEntries_data();
    void earlierReleaseFileLoadsItsFiveEntries();
    void damagedOlderThemesFallBack_data();
    void damagedOlderThemesFallBack();
};

void TestDocumentFile::initTestCase()
{
    CCmnAppDescriptor &descriptor = CmnGetAppDescriptor();
    descriptor.m_ProductName = QStringLiteral("Orvanta");
    descriptor.SetProductName(QStringLiteral("Orvanta"));
    descriptor.m_DocumentNoun = QStringLiteral("file");
    CreateIgnoreAccentsSetting();
}

void TestDocumentFile::cleanupTestCase()
{
    DestroyIgnoreAccentsSetting();
}

void TestDocumentFile::emptyDocumentHasFixedFrame()
{
    CDocument document(false);
    const QByteArray file = WriteFile(document, CDocumentSettings());
    QCOMPARE(file.left(2).toHex(' '), QByteArray("78 9c"));
    const QByteArray inner = Inflate(file);
    QCOMPARE(inner.left(12).toHex(' '), QByteArray("70 64 03 98 00 00 00 01 63 00 09 00"));
    QCOMPARE(inner.right(4).toHex(' '), QByteArray("55 32 9f de"));
    const CInnerParts parts = EmptyDocumentParts(CDocumentSettings());
    QCOMPARE(inner, parts.head + parts.table + Word(0x55329FDE));
}

void TestDocumentFile::sameDocumentGivesSameBytes()
{
    CDocumentSettings settings;
    for (int i = 0; i < 10; ++i)
        settings.m_Themes->m_NamedThemes.insert(QStringLiteral("Theme %1").arg(i), CCmnTheme());
    CDocument document(false);
    document.GetRegister()->AddNamedRecord(QStringLiteral("Smith & Jones <UK>"), true);
    const QByteArray first = WriteFile(document, settings);
    const CDocumentSettings copy = settings;
    QCOMPARE(WriteFile(document, copy), first);
}

void TestDocumentFile::realPedigreeReadsBackEqual()
{
    const QString dir = TestPedigreeDir();
    if (dir.isEmpty())
        QSKIP("the shared pedigree files are not there");
    const CTestPedigreeFile pedigree = ReadTestPedigree(dir + "/genea140.csv");
    QVERIFY2(pedigree.error.isEmpty(), qPrintable(pedigree.error));

    CDocumentSettings settings;
    CCmnRegUserFieldSet fields;
    fields.AddField(QStringLiteral("Breeder"), CCmnRegUserField(1, CCmnRegFieldDef()));
    fields.AddField(QStringLiteral("Born in"), CCmnRegUserField(2, CCmnRegFieldDef(3, 0)));
    settings.m_FieldsSettings.SetUserFields(fields);
    // As the window holds them: a new user-field set starts from a bare prototype.
    settings.RefreshBuiltInFields();
    settings.m_GeneralSettings.m_NameDisplay.m_TitleHighlight.m_Bold = true;
    settings.m_GeneralSettings.m_NameDisplay.m_TitleHighlight.m_TextColor = QColor(0, 128, 0);

    CDocument document(false);
    document.ApplySettings(nullptr, settings, true);
    const QSharedPointer<CBioReg> reg = document.GetRegister();
    QVERIFY(AddPedigreeAnimals(*reg, pedigree, pedigree.Count()));
    for (int n = 1; n <= pedigree.Count(); ++n) {
        CBioRegRecord *record = reg->GetBioRecord(n);
        record->SetValue(1, 0, QStringLiteral("Smith & Jones <UK>"));
        if (pedigree.births.at(n) > 0)
            record->SetValue(2, 4, pedigree.births.at(n));
    }
    reg->RebuildParentIndex();
    const QByteArray file = WriteFile(document, settings);

    CDocument read(false);
    CDocumentSettings readSettings;
    const CReadResult result = ReadFile(file, read, readSettings);
    QCOMPARE(result.error, QString());
    QCOMPARE(result.messages, QStringList());
    QVERIFY(readSettings == settings);
    QCOMPARE(read.IsOpen(), true);
    const QSharedPointer<CBioReg> readReg = read.GetRegister();
    QCOMPARE(readReg->GetRecordCount(), pedigree.Count());
    for (int n = 1; n <= pedigree.Count(); ++n) {
        const CBioRegRecord *record = readReg->GetBioRecord(n);
        QVERIFY(record);
        QCOMPARE(record->m_Name, pedigree.ids.at(n - 1));
        QCOMPARE(record->m_Sire, pedigree.sires.at(n));
        QCOMPARE(record->m_Dam, pedigree.dams.at(n));
        QCOMPARE(record->m_Sex, pedigree.sexes.at(n));
        QCOMPARE(record->GetValue(1, 0).toString(), QStringLiteral("Smith & Jones <UK>"));
    }
    // Everything the file held is in what was read: it writes the same bytes.
    QCOMPARE(WriteFile(read, readSettings), file);
}

void TestDocumentFile::olderFileVersionLoads()
{
    const CInnerParts parts = EmptyDocumentParts(CDocumentSettings());
    QByteArray inner = parts.head + parts.table + Word(0x55329FDE);
    inner.replace(4, 4, Word(0));
    QCOMPARE(ReadFile(Deflate(inner)).error, QString());
}

void TestDocumentFile::fileWithFiveSettingsBlocksKeepsDefaultsForTheOthers()
{
    // As the built-in samples of earlier releases were written.
    CDocumentSettings written;
    written.m_GeneralSettings.m_EmbedPhotos = true;
    written.m_PedigreeSettings->m_Generations = 5;
    written.m_CoverSheetSettings->m_FoldStyle = 2;
    written.m_TrialMatingSettings->m_ShowTitleBox = false;
    const TCmnByteArrayHash table = written.ToHash();
    QList<QPair<QString, QByteArray>> entries;
    for (const char *key : {"GENERAL", "FIELDSSETTINGS", "PRINTPARAMS", "THEMES2", "BIOREGTHEMEDFORMINTERFACE_PEDIGREE"})
        entries.append({QLatin1String(key), table.value(QLatin1String(key))});
    const CInnerParts parts = EmptyDocumentParts(CDocumentSettings());

    CDocument document(false);
    CDocumentSettings settings;
    const CReadResult result = ReadFile(Deflate(parts.head + Table(entries) + Word(0x55329FDE)), document, settings);
    QCOMPARE(result.error, QString());
    QCOMPARE(result.messages, QStringList());
    const CDocumentSettings defaults;
    QCOMPARE(settings.m_GeneralSettings.m_EmbedPhotos, true);
    QCOMPARE(settings.m_PedigreeSettings->m_Generations, 5);
    QVERIFY(*settings.m_CoverSheetSettings == *defaults.m_CoverSheetSettings);
    QVERIFY(*settings.m_TrialMatingSettings == *defaults.m_TrialMatingSettings);
}

void TestDocumentFile::badFilesGiveTheirMessage_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("error");
    const CInnerParts parts = EmptyDocumentParts(CDocumentSettings());
    const QByteArray closing = Word(0x55329FDE);
    const QByteArray good = parts.head + parts.table + closing;

    QTest::newRow("empty") << QByteArray() << kInvalid;
    QTest::newRow("not zlib") << QByteArray("id,sire,dam\n1,,\n") << kInvalid;
    QTest::newRow("wrong marker") << Deflate(QByteArray(good).replace(0, 4, Word(0x70640399))) << kInvalid;
    QTest::newRow("version 2") << Deflate(QByteArray(good).replace(4, 4, Word(2)))
                               << QStringLiteral("Unsupported file version.\n\nPossibly you are trying to open a "
                                                 "Orvanta data file that was written with a later version; in this "
                                                 "case you should upgrade to the current version of Orvanta.");
    QTest::newRow("register tag") << Deflate(QByteArray(good).replace(8, 1, "\x62")) << kCorrupted;
    QTest::newRow("cut table") << Deflate(parts.head + parts.table.left(parts.table.size() / 2)) << kCorrupted;
    QTest::newRow("hostile table count")
        << Deflate(parts.head + QByteArray(parts.table).replace(0, 4, Word(0xFFFFFFFF)) + closing) << kCorrupted;
    QTest::newRow("hostile block length")
        << Deflate(parts.head + Table({}).replace(0, 4, Word(1)) + CmnStreamBytes([](QDataStream &out) {
               out << QStringLiteral("GENERAL") << quint32(0x7FFFFFF0);
           }) + closing)
        << kCorrupted;
    QTest::newRow("wrong closing marker") << Deflate(parts.head + parts.table + Word(0x55329FDF)) << kCorrupted;
    QTest::newRow("no closing marker") << Deflate(parts.head + parts.table) << kCorrupted;
}

void TestDocumentFile::badFilesGiveTheirMessage()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, error);
    CDocument document(false);
    CDocumentSettings settings;
    settings.m_PrintParams->m_PrinterName = QStringLiteral("untouched");
    QCOMPARE(ReadFile(file, document, settings).error, error);
    QCOMPARE(settings.m_PrintParams->m_PrinterName, QStringLiteral("untouched"));
    QCOMPARE(document.IsOpen(), false);
}

void TestDocumentFile::tooManyUserFieldsAreRefused()
{
    CDocumentSettings settings;
    settings.m_FieldsSettings.SetUserFields(UserFields(201));
    CDocument document(false);
    const QByteArray file = WriteFile(document, settings);
    const CReadResult result = ReadFile(file);
    QCOMPARE(result.error, DocumentUserFieldLimitMessage(settings));
    QVERIFY(result.error.contains(QStringLiteral("200")));
}

void TestDocumentFile::bytesAfterClosingMarkerAreIgnored()
{
    const CInnerParts parts = EmptyDocumentParts(CDocumentSettings());
    const QByteArray inner = parts.head + parts.table + Word(0x55329FDE) + QByteArray("trailing bytes");
    const CReadResult result = ReadFile(Deflate(inner));
    QCOMPARE(result.error, QString());
    QCOMPARE(result.messages, QStringList());
}

void TestDocumentFile::damagedMiddleBlockKeepsEarlierBlocksAndSaysWhichFellBack()
{
    CDocumentSettings written;
    written.m_GeneralSettings.m_EmbedPhotos = true;
    written.m_FieldsSettings.SetUserFields(UserFields(3));
    written.m_PedigreeSettings->m_Generations = 5;
    TCmnByteArrayHash table = written.ToHash();
    table.insert(QStringLiteral("PRINTPARAMS"), QByteArray("\x0b"));
    QList<QPair<QString, QByteArray>> entries;
    for (auto it = table.cbegin(); it != table.cend(); ++it)
        entries.append({it.key(), it.value()});
    const CInnerParts parts = EmptyDocumentParts(CDocumentSettings());

    CDocument document(false);
    CDocumentSettings settings;
    const CReadResult result = ReadFile(Deflate(parts.head + Table(entries) + Word(0x55329FDE)), document, settings);
    QCOMPARE(result.error, QString());
    QCOMPARE(result.messages,
             QStringList({"These settings of the file could not be read and have their defaults: PRINTPARAMS, "
                          "THEMES2, BIOREGTHEMEDFORMINTERFACE_COVERSHEET, BIOREGTHEMEDFORMINTERFACE_PEDIGREE, "
                          "BIOREGTHEMEDFORMINTERFACE_TRIALMATING."}));
    QCOMPARE(settings.m_GeneralSettings.m_EmbedPhotos, true);
    QCOMPARE(settings.UserFieldCount(), 3);
    QCOMPARE(settings.m_PedigreeSettings->m_Generations, CDocumentSettings().m_PedigreeSettings->m_Generations);
}

void TestDocumentFile::limitIsCheckedWhenALaterBlockIsDamaged()
{
    CDocumentSettings written;
    written.m_FieldsSettings.SetUserFields(UserFields(201));
    TCmnByteArrayHash table = written.ToHash();
    const CInnerParts parts = EmptyDocumentParts(CDocumentSettings());
    const QByteArray inner = parts.head
                             + Table({{"FIELDSSETTINGS", table.value("FIELDSSETTINGS")}, {"THEMES2", "damaged"}})
                             + Word(0x55329FDE);
    QCOMPARE(ReadFile(Deflate(inner)).error, DocumentUserFieldLimitMessage(written));
}

void TestDocumentFile::parentLinksToMissingAnimalsAreDroppedAndTold()
{
    CDocument written(false);
    const QSharedPointer<CBioReg> reg = written.GetRegister();
    const int dam = reg->AddNamedRecord(QStringLiteral("Dam"), true);
    const int foal = reg->AddNamedRecord(QStringLiteral("Smith & Jones <UK>"), true);
    reg->GetBioRecord(foal)->m_Sire = 99;
    reg->GetBioRecord(foal)->m_Dam = dam;

    CDocument document(false);
    CDocumentSettings settings;
    const CReadResult result = ReadFile(WriteFile(written, CDocumentSettings()), document, settings);
    QCOMPARE(result.error, QString());
    QCOMPARE(result.messages.size(), 1);
    QVERIFY2(result.messages.at(0).contains(QStringLiteral("Smith & Jones <UK>")), qPrintable(result.messages.at(0)));
    QVERIFY2(result.messages.at(0).contains(QStringLiteral("99")), qPrintable(result.messages.at(0)));
    QCOMPARE(document.GetRegister()->GetBioRecord(foal)->m_Sire, 0);
    QCOMPARE(document.GetRegister()->GetBioRecord(foal)->m_Dam, dam);
}

void TestDocumentFile::everyCutOfTheInflatedStreamFails()
{
    CDocument document(false);
    document.GetRegister()->AddNamedRecord(QStringLiteral("Smith & Jones <UK>"), true);
    const QByteArray inner = Inflate(WriteFile(document, CDocumentSettings()));
    QVERIFY(inner.size() > 100);
    for (int length = 0; length < inner.size(); ++length) {
        const QString error = ReadFile(Deflate(inner.left(length))).error;
        QVERIFY2(error == kInvalid || error == kCorrupted, qPrintable(QString::number(length) + ": " + error));
    }
}

void TestDocumentFile::everyCutOfTheFileFails()
{
    CDocument document(false);
    const QByteArray file = WriteFile(document, CDocumentSettings());
    const QByteArray inner = Inflate(file);
    int loaded = 0;
    for (int length = 0; length < file.size(); ++length) {
        const QString error = ReadFile(file.left(length)).error;
        // A cut in the end code or the checksum can still give every byte up to
        // the closing marker, and nothing after it is read.
        if (error.isEmpty() && Inflate(file.left(length)) == inner) {
            ++loaded;
            continue;
        }
        QVERIFY2(error == kInvalid || error == kCorrupted, qPrintable(QString::number(length) + ": " + error));
    }
    QVERIFY(loaded <= 10);
}

// Animals with names that compress poorly, so that the file outgrows the
// compressor's buffer and is written while the stream is still being made.
void AddAnimals(CDocument &document, int count)
{
    QRandomGenerator random(7);
    for (int i = 0; i < count; ++i) {
        QString name;
        for (int c = 0; c < 12; ++c)
            name += QChar(u'A' + random.bounded(26));
        document.GetRegister()->AddNamedRecord(name, false);
    }
}

// A flipped bit inside the deflated data can decode to a different but readable
// stream; only the zlib checksum tells, and it must not go unchecked.
void TestDocumentFile::changedFileByteNeverLoadsOtherData()
{
    CDocument source(false);
    AddAnimals(source, 40);
    const QByteArray file = WriteFile(source, CDocumentSettings());
    for (int at = 0; at < file.size(); ++at) {
        QByteArray changed = file;
        changed[at] = char(changed.at(at) ^ 0x01);
        CDocument document(false);
        CDocumentSettings settings;
        const QString error = ReadFile(changed, document, settings).error;
        if (error.isEmpty())
            QVERIFY2(WriteFile(document, settings) == file, qPrintable(QString::number(at)));
        else
            QVERIFY2(error == kInvalid || error == kCorrupted, qPrintable(QString::number(at) + ": " + error));
    }
}

void TestDocumentFile::failingDeviceIsAlwaysAnError_data()
{
    QTest::addColumn<int>("animals");
    QTest::addColumn<qint64>("failAfter");
    for (int animals : {0, 20000}) {
        CDocument document(false);
        AddAnimals(document, animals);
        const qint64 size = WriteFile(document, CDocumentSettings()).size();
        const QByteArray kind = animals ? "large, " : "empty, ";
        QTest::newRow(kind + "nothing taken") << animals << qint64(0);
        QTest::newRow(kind + "header only") << animals << qint64(2);
        QTest::newRow(kind + "half") << animals << size / 2;
        // Everything but the last byte: only the final flush fails.
        QTest::newRow(kind + "all but the last byte") << animals << size - 1;
    }
}

void TestDocumentFile::failingDeviceIsAlwaysAnError()
{
    QFETCH(int, animals);
    QFETCH(qint64, failAfter);
    CDocument document(false);
    AddAnimals(document, animals);
    CFailDevice device(failAfter);
    device.open(QIODevice::WriteOnly);
    const QString error = CDocumentFile::Write(device, document, CDocumentSettings());
    QVERIFY2(error.startsWith(QStringLiteral("Write error")), qPrintable(error));
    QVERIFY2(error.contains(QStringLiteral("FAILDEVICE")), qPrintable(error));
}

void TestDocumentFile::olderThemesAreConverted()
{
    CTestOldThemeSet older;
    older.current = EditedOldTheme(QStringLiteral("Pedigree of Smith & Jones <UK>"));
    older.currentName = QStringLiteral("Show");
    older.named = {{QStringLiteral("Show"), EditedOldTheme(QStringLiteral("Show title"))},
                   {QString(), EditedOldTheme(QStringLiteral("Nameless title"))},
                   {QStringLiteral("Sale"), CTestOldTheme()}};
    const QByteArray general = CDocumentSettings().ToHash().value(QStringLiteral("GENERAL"));
    CDocument document(false);
    CDocumentSettings settings;
    const CReadResult result = ReadFile(
        EarlierReleaseFile({{"GENERAL", general}, {"THEMES", WriteTestOldThemeSet(older)}}), document, settings);
    QCOMPARE(result.error, QString());
    QCOMPARE(result.messages, QStringList());

    const CCmnThemeSet &themes = *settings.m_Themes;
    const CCmnThemedFormBoxGenericLayout *logo = ThemeLayout(themes.m_BaseTheme, "CMN-LEFTHEADERORNAMENT-LAYOUT");
    QVERIFY(logo);
    QCOMPARE(logo->m_TextSize.m_Value, QStringLiteral(";24;"));
    QCOMPARE(logo->m_TextFace.m_Value, QStringLiteral("Serif;;"));
    QCOMPARE(logo->m_TextColor.m_Value, QColor(Qt::red));
    QCOMPARE(ThemeDataText(themes.m_BaseTheme, "PEDIGREE-TITLE-DATA"), QStringLiteral("Pedigree of Smith & Jones <UK>"));
    QCOMPARE(ThemeDataText(themes.m_BaseTheme, "COVERSHEET-REVERSE-DATA"),
             QStringLiteral("Click to edit reverse (back page) text\n[$ * T]"));
    QVERIFY(!ThemeElement(themes.m_BaseTheme, "BIO-REGRECORD-LEFTHEADERORNAMENT-LAYOUT"));
    QCOMPARE(themes.m_CurrentThemeName, QStringLiteral("Default"));
    QStringList names = themes.m_NamedThemes.keys();
    names.sort();
    QCOMPARE(names, QStringList({"Sale", "Show"}));

    // Saved, the themes go under today's key alone and read back equal.
    const QByteArray saved = WriteFile(document, settings);
    const QByteArray inner = Inflate(saved);
    QVERIFY(inner.contains(StoredText(QStringLiteral("THEMES2"))));
    QVERIFY(!inner.contains(StoredText(QStringLiteral("THEMES"))));
    CDocument reopened(false);
    CDocumentSettings reopenedSettings;
    QCOMPARE(ReadFile(saved, reopened, reopenedSettings).error, QString());
    QCOMPARE(reopenedSettings, settings);
}

void TestDocumentFile::earlierReleaseFileLoadsItsFiveEntries_data()
{
    QTest::addColumn<QString>("pedigreeKey");
    QTest::newRow("today's pedigree key") << QStringLiteral("BIOREGTHEMEDFORMINTERFACE_PEDIGREE");
    QTest::newRow("older pedigree key") << QStringLiteral("BIOREGRECORDANIPEDFORMCONF");
}

void TestDocumentFile::earlierReleaseFileLoadsItsFiveEntries()
{
    QFETCH(QString, pedigreeKey);
    CDocumentSettings written;
    written.m_GeneralSettings.m_EmbedPhotos = true;
    written.m_FieldsSettings.SetUserFields(UserFields(2));
    written.RefreshBuiltInFields();
    written.m_PrintParams->m_PrinterName = QStringLiteral("Kennel printer");
    written.m_Themes->m_NamedThemes.insert(QStringLiteral("Show"), CCmnTheme());
    written.m_PedigreeSettings->m_Generations = 5;
    written.m_CoverSheetSettings->m_FoldStyle = 2;
    written.m_TrialMatingSettings->m_ShowSireDetailsBox = true;
    const TCmnByteArrayHash table = written.ToHash();
    QList<QPair<QString, QByteArray>> entries;
    for (const char *key : {"GENERAL", "FIELDSSETTINGS", "PRINTPARAMS", "THEMES2"})
        entries.append({QLatin1String(key), table.value(QLatin1String(key))});
    entries.append({pedigreeKey, table.value(QStringLiteral("BIOREGTHEMEDFORMINTERFACE_PEDIGREE"))});

    CDocument document(false);
    CDocumentSettings settings;
    const CReadResult result = ReadFile(EarlierReleaseFile(entries), document, settings);
    QCOMPARE(result.error, QString());
    QCOMPARE(result.messages, QStringList());
    const TCmnByteArrayHash read = settings.ToHash();
    const TCmnByteArrayHash defaults = CDocumentSettings().ToHash();
    for (const char *key : {"GENERAL", "FIELDSSETTINGS", "PRINTPARAMS", "THEMES2", "BIOREGTHEMEDFORMINTERFACE_PEDIGREE"})
        QCOMPARE(read.value(QLatin1String(key)), table.value(QLatin1String(key)));
    for (const char *key : {"BIOREGTHEMEDFORMINTERFACE_COVERSHEET", "BIOREGTHEMEDFORMINTERFACE_TRIALMATING"})
        QCOMPARE(read.value(QLatin1String(key)), defaults.value(QLatin1String(key)));
    QCOMPARE(settings.m_PedigreeSettings->m_Generations, 5);
}

void TestDocumentFile::damagedOlderThemesFallBack_data()
{
    QTest::addColumn<QByteArray>("themes");
    QTest::addColumn<bool>("taken");

    CTestOldThemeSet good;
    good.current = EditedOldTheme(QStringLiteral("Pedigree of Smith & Jones <UK>"));
    good.named = {{QStringLiteral("Show"), EditedOldTheme(QStringLiteral("Show title"))}};
    // Its themes hold entries no template element has; they are skipped.
    QTest::newRow("entries unknown to the template") << WriteTestOldThemeSet(good) << true;

    CTestOldThemeSet cut = good;
    cut.current.trailer = false;
    QTest::newRow("theme cut before its trailer") << WriteTestOldThemeSet(cut) << false;
    CTestOldThemeSet namedCut = good;
    namedCut.named[0].second.trailer = false;
    QTest::newRow("named theme cut before its trailer") << WriteTestOldThemeSet(namedCut) << false;
    CTestOldThemeSet tooMany = good;
    tooMany.namedCount = 0x7fffffff;
    QTest::newRow("theme count larger than the block") << WriteTestOldThemeSet(tooMany) << false;
    QTest::newRow("block cut short") << WriteTestOldThemeSet(good).chopped(7) << false;
}

void TestDocumentFile::damagedOlderThemesFallBack()
{
    QFETCH(QByteArray, themes);
    QFETCH(bool, taken);
    CDocumentSettings written;
    written.m_GeneralSettings.m_EmbedPhotos = true;
    written.m_PedigreeSettings->m_Generations = 5;
    const TCmnByteArrayHash table = written.ToHash();
    CDocument document(false);
    CDocumentSettings settings;
    const CReadResult result = ReadFile(
        EarlierReleaseFile({{"GENERAL", table.value(QStringLiteral("GENERAL"))},
                            {"THEMES", themes},
                            {"BIOREGTHEMEDFORMINTERFACE_PEDIGREE",
                             table.value(QStringLiteral("BIOREGTHEMEDFORMINTERFACE_PEDIGREE"))}}),
        document, settings);
    QCOMPARE(result.error, QString());
    QCOMPARE(settings.m_GeneralSettings.m_EmbedPhotos, true);
    if (taken) {
        QCOMPARE(result.messages, QStringList());
        QCOMPARE(ThemeDataText(settings.m_Themes->m_BaseTheme, "PEDIGREE-TITLE-DATA"),
                 QStringLiteral("Pedigree of Smith & Jones <UK>"));
        QCOMPARE(settings.m_PedigreeSettings->m_Generations, 5);
    } else {
        QCOMPARE(result.messages, QStringList({"These settings of the file could not be read and have their "
                                               "defaults: THEMES, BIOREGTHEMEDFORMINTERFACE_PEDIGREE."}));
        QCOMPARE(*settings.m_Themes, *CDocumentSettings().m_Themes);
        QCOMPARE(settings.m_PedigreeSettings->m_Generations, 4);
    }
}

QTEST_MAIN(TestDocumentFile)
#include "tst_documentfile.moc"
