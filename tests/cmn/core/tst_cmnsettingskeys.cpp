#include "cmnsettingskeys.h"
#include "testsettingsscope.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTest>

namespace {

const QString kPrefix = QStringLiteral("legacyimportsettings");
const QString kListKey = QStringLiteral("legacyimportsettingslist");

QStringList StoredList()
{
    return QSettings().value(kListKey).toStringList();
}

// Puts raw text into the settings file before any settings object has read it, as
// a damaged or foreign file would hold it.
void WriteSettingsFile(const CTestSettingsScope &scope, const QByteArray &lines)
{
    QFile file(scope.SettingsFile());
    QVERIFY(QFileInfo(file).dir().mkpath(QStringLiteral(".")));
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(file.errorString()));
    QCOMPARE(file.write("[General]\n" + lines + '\n'), qint64(lines.size() + 11));
}

QByteArray HugeList(int count)
{
    QByteArrayList entries;
    entries.reserve(count);
    for (int i = 0; i < count; ++i)
        entries << "n" + QByteArray::number(i);
    return entries.join(", ");
}

} // namespace

class TestCmnSettingsKeys : public QObject
{
    Q_OBJECT
private slots:
    void sanitise_data();
    void sanitise();
    void keysFollowFirstSight_data();
    void keysFollowFirstSight();
    void newNameIsWrittenToTheFileAtOnce();
    void damagedListStillGivesKeys_data();
    void damagedListStillGivesKeys();
    void unwritableStoreStillGivesTheKey();
};

void TestCmnSettingsKeys::sanitise_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("sanitised");

    QTest::newRow("windows path") << "D:\\Data\\my dogs.txt" << "D__Data_my_dogs.txt";
    QTest::newRow("unix path, accented letter")
        << "/home/u/H\u00fcndin 2.csv" << "_home_u_H\u00fcndin_2.csv";
    QTest::newRow("punctuation") << "a-b+c(1)" << "a_b_c_1_";
    QTest::newRow("other script digits stay") << "x\u0663" << "x\u0663";
    QTest::newRow("empty") << "" << "";
}

void TestCmnSettingsKeys::sanitise()
{
    QFETCH(QString, name);
    QFETCH(QString, sanitised);
    QCOMPARE(CmnSanitiseSettingsName(name), sanitised);
}

void TestCmnSettingsKeys::keysFollowFirstSight_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QStringList>("stored");

    QTest::newRow("two new names")
        << QStringList{"A", "B"} << QStringList{"legacyimportsettings/0", "legacyimportsettings/1"}
        << QStringList{"A", "B"};
    QTest::newRow("asked again")
        << QStringList{"A", "B", "A", "B"}
        << QStringList{"legacyimportsettings/0", "legacyimportsettings/1",
                       "legacyimportsettings/0", "legacyimportsettings/1"}
        << QStringList{"A", "B"};
    QTest::newRow("differ only in replaced characters")
        << QStringList{"x", "my file.txt", "my_file.txt", "my?file.txt"}
        << QStringList{"legacyimportsettings/0", "legacyimportsettings/1",
                       "legacyimportsettings/1", "legacyimportsettings/1"}
        << QStringList{"x", "my_file.txt"};
    QTest::newRow("letter case matters")
        << QStringList{"dogs.txt", "Dogs.txt"}
        << QStringList{"legacyimportsettings/0", "legacyimportsettings/1"}
        << QStringList{"dogs.txt", "Dogs.txt"};
    QTest::newRow("empty name keeps its number")
        << QStringList{"", "a", ""}
        << QStringList{"legacyimportsettings/0", "legacyimportsettings/1",
                       "legacyimportsettings/0"}
        << QStringList{"", "a"};
}

void TestCmnSettingsKeys::keysFollowFirstSight()
{
    QFETCH(QStringList, names);
    QFETCH(QStringList, keys);
    QFETCH(QStringList, stored);

    CTestSettingsScope scope;
    QStringList given;
    for (const QString &name : names)
        given << CmnSettingsKeyForName(kPrefix, name);
    QCOMPARE(given, keys);
    QCOMPARE(StoredList(), stored);
}

void TestCmnSettingsKeys::newNameIsWrittenToTheFileAtOnce()
{
    CTestSettingsScope scope;
    QCOMPARE(CmnSettingsKeyForName(kPrefix, QStringLiteral("D:\\a b.txt")),
             QStringLiteral("legacyimportsettings/0"));
    QCOMPARE(CmnSettingsKeyForName(kPrefix, QStringLiteral("c.txt")),
             QStringLiteral("legacyimportsettings/1"));

    // Read back from the file, not from the store's cache of it.
    QFile file(scope.SettingsFile());
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.errorString()));
    QVERIFY2(file.readAll().contains("legacyimportsettingslist=D__a_b.txt, c.txt"),
             qPrintable(scope.SettingsFile()));
}

void TestCmnSettingsKeys::damagedListStillGivesKeys_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("storedSize");

    QTest::newRow("one entry, stored as a text")
        << QByteArray("legacyimportsettingslist=a") << "b" << "legacyimportsettings/1" << 2;
    QTest::newRow("duplicates: the first counts")
        << QByteArray("legacyimportsettingslist=a, b, b") << "b" << "legacyimportsettings/1" << 3;
    // The bytes "b" are no name; the entry keeps its place so "a" keeps number 1.
    QTest::newRow("entry that is not text")
        << QByteArray("legacyimportsettingslist=@ByteArray(b), a, @Variant(\\0\\0\\0\\x2\\0\\0\\0\\x5)")
        << "b" << "legacyimportsettings/3" << 4;
    QTest::newRow("entry that is not text keeps numbers")
        << QByteArray("legacyimportsettingslist=@ByteArray(b), a") << "a"
        << "legacyimportsettings/1" << 2;
    QTest::newRow("no list at all")
        << QByteArray("legacyimportsettingslist=@ByteArray(zz)") << "b" << "legacyimportsettings/0" << 1;
    QTest::newRow("undecodable value")
        << QByteArray("legacyimportsettingslist=@Variant(\\xff\\xff\\xff)") << "b"
        << "legacyimportsettings/0" << 1;
    QTest::newRow("invalid value")
        << QByteArray("legacyimportsettingslist=@Invalid()") << "b" << "legacyimportsettings/0" << 1;
    QTest::newRow("huge list, new name")
        << "legacyimportsettingslist=" + HugeList(20000) << "b" << "legacyimportsettings/20000"
        << 20001;
    QTest::newRow("huge list, known name")
        << "legacyimportsettingslist=" + HugeList(20000) << "n19999" << "legacyimportsettings/19999"
        << 20000;
}

void TestCmnSettingsKeys::damagedListStillGivesKeys()
{
    QFETCH(QByteArray, line);
    QFETCH(QString, name);
    QFETCH(QString, key);
    QFETCH(int, storedSize);

    CTestSettingsScope scope;
    WriteSettingsFile(scope, line);
    QCOMPARE(CmnSettingsKeyForName(kPrefix, name), key);
    QCOMPARE(StoredList().size(), qsizetype(storedSize));
    // Asked again, the name keeps the number it was given.
    QCOMPARE(CmnSettingsKeyForName(kPrefix, name), key);
}

void TestCmnSettingsKeys::unwritableStoreStillGivesTheKey()
{
    CTestSettingsScope scope;
    // A folder cannot be made under a plain file, whoever runs the test.
    const QString blocker = scope.Path() + QStringLiteral("/blocker");
    QFile file(blocker);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(file.errorString()));
    file.close();
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, blocker + QStringLiteral("/sub"));

    QCOMPARE(CmnSettingsKeyForName(kPrefix, QStringLiteral("A")),
             QStringLiteral("legacyimportsettings/0"));
    QVERIFY(!QFile::exists(QSettings().fileName()));
}

QTEST_GUILESS_MAIN(TestCmnSettingsKeys)
#include "tst_cmnsettingskeys.moc"
