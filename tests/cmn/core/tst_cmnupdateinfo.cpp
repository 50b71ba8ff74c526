#include "cmnsystemsettings.h"
#include "cmnupdateinfo.h"
#include "fuzzmutations.h"

#include <QTest>
#include <QUrl>

namespace {

const QString kRunning = QStringLiteral("1.2.2");
const QString kProduct = QStringLiteral("Orvanta");
const QString kWebSite = QStringLiteral("https://orvanta.example/orvanta");

QString Notice(const QString &text, const QString &running = kRunning)
{
    return CmnUpdateNoticeHtml(text, running, kProduct, kWebSite);
}

QString File(const QString &body)
{
    return QStringLiteral("MORVELUPDATEFORMAT 1\n") + body;
}

const QString kIntro = QStringLiteral(
    "<p>There is a new version of Orvanta available. To obtain the new version, please visit the Orvanta "
    "download area on our web site - <a href='https://orvanta.example/orvanta/download.html'>click "
    "here</a>.</p>\n");
const QString kOneFeature = QStringLiteral("<p>The update includes the following change / new feature:</p>\n");
const QString kManyFeatures =
    QStringLiteral("<p>The update includes the following changes / new features:</p>\n");

} // namespace

class TestCmnUpdateInfo : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void acceptsOnlyNewerBlocksForThisBuild_data();
    void acceptsOnlyNewerBlocksForThisBuild();
    void buildsTheNotice_data();
    void buildsTheNotice();
    void unreadableRunningVersionGivesNoNotice();
    void schedulesChecksFourteenDaysApart_data();
    void schedulesChecksFourteenDaysApart();
    void asksOnlyOverHttps_data();
    void asksOnlyOverHttps();
    void damagedFilesNeverCrash();
};

void TestCmnUpdateInfo::acceptsOnlyNewerBlocksForThisBuild_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("notice");

    const QString block = QStringLiteral("\nFEATURE Faster charts\nEND\n");
    QTest::newRow("lower case, other platform too")
        << File(QStringLiteral("begin buildmor MAC+linux 1.2.3 20300101") + block) << true;
    QTest::newRow("two blanks after the key")
        << File(QStringLiteral("begin  buildmor MAC+linux 1.2.3 20300101") + block) << false;
    QTest::newRow("carriage return after the format line")
        << QStringLiteral("MORVELUPDATEFORMAT 1\r\nBEGIN BUILDMOR LINUX 1.2.3 20300101") + block << false;
    QTest::newRow("format line after empty lines")
        << QStringLiteral("\n\nMORVELUPDATEFORMAT 1\nBEGIN BUILDMOR LINUX 1.2.3 20300101") + block << true;
    QTest::newRow("format line with trailing blank")
        << QStringLiteral("MORVELUPDATEFORMAT 1 \nBEGIN BUILDMOR LINUX 1.2.3 20300101") + block << false;
    QTest::newRow("other format") << QStringLiteral("MORVELUPDATEFORMAT 2\nBEGIN BUILDMOR LINUX 1.2.3 20300101")
                                         + block
                                  << false;
    QTest::newRow("empty file") << QString() << false;
    QTest::newRow("running version with leading zeros")
        << File(QStringLiteral("BEGIN BUILDMOR LINUX 01.02.002 20300101") + block) << false;
    QTest::newRow("newer third part") << File(QStringLiteral("BEGIN BUILDMOR LINUX 1.2.3 20300101") + block)
                                      << true;
    QTest::newRow("newer second part") << File(QStringLiteral("BEGIN BUILDMOR LINUX 1.3.0 20300101") + block)
                                       << true;
    QTest::newRow("newer first part") << File(QStringLiteral("BEGIN BUILDMOR LINUX 2.0.0 20300101") + block)
                                      << true;
    QTest::newRow("newer first part, older rest")
        << File(QStringLiteral("BEGIN BUILDMOR LINUX 2.0.0 20300101") + block) << true;
    QTest::newRow("older second part") << File(QStringLiteral("BEGIN BUILDMOR LINUX 1.1.9 20300101") + block)
                                       << false;
    QTest::newRow("huge newer number")
        << File(QStringLiteral("BEGIN BUILDMOR LINUX 99999999999999999999999.0.0 20300101") + block) << true;
    QTest::newRow("two parts") << File(QStringLiteral("BEGIN BUILDMOR LINUX 1.3 20300101") + block) << false;
    QTest::newRow("four parts") << File(QStringLiteral("BEGIN BUILDMOR LINUX 1.3.0.0 20300101") + block) << false;
    QTest::newRow("sign in a part") << File(QStringLiteral("BEGIN BUILDMOR LINUX 1.+3.0 20300101") + block)
                                    << false;
    QTest::newRow("empty part") << File(QStringLiteral("BEGIN BUILDMOR LINUX 1..3 20300101") + block) << false;
    QTest::newRow("date with slashes") << File(QStringLiteral("BEGIN BUILDMOR LINUX 1.2.3 2030/01/01") + block)
                                       << true;
    QTest::newRow("invalid date") << File(QStringLiteral("BEGIN BUILDMOR LINUX 1.2.3 20300230") + block)
                                  << false;
    QTest::newRow("Windows only") << File(QStringLiteral("BEGIN BUILDMOR WIN 1.2.3 20300101") + block) << false;
    QTest::newRow("other build") << File(QStringLiteral("BEGIN BUILDXYZ LINUX 1.2.3 20300101") + block) << false;
    QTest::newRow("six words") << File(QStringLiteral("BEGIN BUILDMOR LINUX 1.2.3 20300101 extra") + block)
                               << false;
    QTest::newRow("commented out") << File(QStringLiteral(";BEGIN BUILDMOR LINUX 1.2.3 20300101") + block)
                                   << false;
}

void TestCmnUpdateInfo::acceptsOnlyNewerBlocksForThisBuild()
{
    QFETCH(QString, text);
    QFETCH(bool, notice);
    QCOMPARE(!Notice(text).isEmpty(), notice);
}

void TestCmnUpdateInfo::buildsTheNotice_data()
{
    QTest::addColumn<QString>("body");
    QTest::addColumn<QString>("html");

    QTest::newRow("no items") << QStringLiteral("BEGIN BUILDMOR LINUX 1.2.3 20300101\nEND") << kIntro;
    QTest::newRow("one feature, two headings")
        << QStringLiteral("BEGIN BUILDMOR LINUX 1.2.3 20300101\nHEADING Charts\nFEATURE Faster  charts \n"
                          "HEADING Import\nEND")
        << kIntro + kOneFeature + QStringLiteral("<p><b>Charts</b></p>\n<ul>\n<li>Faster  charts</li>\n</ul>\n"
                                                 "<p><b>Import</b></p>\n");
    QTest::newRow("one heading") << QStringLiteral("BEGIN BUILDMOR LINUX 1.2.3 20300101\nheading Charts\nEND")
                                 << kIntro + kManyFeatures + QStringLiteral("<p><b>Charts</b></p>\n");
    QTest::newRow("heading between features")
        << QStringLiteral("BEGIN BUILDMOR LINUX 1.2.3 20300101\nFEATURE A\nFEATURE B\nHEADING H\nFEATURE C\nEND")
        << kIntro + kManyFeatures
               + QStringLiteral("<ul>\n<li>A</li>\n<li>B</li>\n</ul>\n<p><b>H</b></p>\n<ul>\n<li>C</li>\n</ul>\n");
    QTest::newRow("messages, link and fragments as they stand")
        << QStringLiteral("BEGIN BUILDMOR LINUX 1.2.3 20300101\nMSG1 <p>Hello\nMSG1 breeders</p>\n"
                          "MSG2 <p><i>Bye</i></p>\n  LINK https://orvanta.example/new.html  \nEND")
        << kIntro
               + QStringLiteral("<p>Hello breeders</p><p><i>Bye</i></p><p><b>For further information about this "
                                "new release please <a href='https://orvanta.example/new.html'>click "
                                "here</a>.</b></p>\n");
    QTest::newRow("two blocks: features of both, messages of the second, last link")
        << QStringLiteral("BEGIN BUILDMOR LINUX 1.2.3 20300101\nFEATURE A\nMSG1 one\nMSG2 two\nLINK first\nEND\n"
                          "BEGIN BUILDMOR LINUX 1.2.4 20300201\nFEATURE B\nMSG1 three\nLINK second\nEND")
        << kIntro + QStringLiteral("three") + kManyFeatures
               + QStringLiteral("<ul>\n<li>A</li>\n<li>B</li>\n</ul>\n<p><b>For further information about this "
                                "new release please <a href='second'>click here</a>.</b></p>\n");
    QTest::newRow("items outside a block and a refused block are ignored")
        << QStringLiteral("FEATURE early\nBEGIN BUILDMOR LINUX 1.0.0 20300101\nFEATURE old\nEND\n"
                          "BEGIN BUILDMOR LINUX 1.2.3 20300101\nBEGIN BUILDMOR LINUX 9.0.0 20300101\n"
                          "; FEATURE comment\nUNKNOWN x\nFEATURE new\nEND\nFEATURE late")
        << kIntro + kOneFeature + QStringLiteral("<ul>\n<li>new</li>\n</ul>\n");
}

void TestCmnUpdateInfo::buildsTheNotice()
{
    QFETCH(QString, body);
    QFETCH(QString, html);
    QCOMPARE(Notice(File(body)), html);
}

void TestCmnUpdateInfo::unreadableRunningVersionGivesNoNotice()
{
    const QString file = File(QStringLiteral("BEGIN BUILDMOR LINUX 9.0.0 20300101\nEND"));
    QCOMPARE(Notice(file, QStringLiteral("1.2")), QString());
    QCOMPARE(Notice(file, QStringLiteral("1.2.beta")), QString());
}

void TestCmnUpdateInfo::schedulesChecksFourteenDaysApart_data()
{
    QTest::addColumn<qint32>("remembered");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("due");
    QTest::addColumn<QString>("storedAfter");

    // Today is 2026-12-11.
    QTest::newRow("first start") << 0 << QString() << false << "20261211";
    QTest::newRow("damaged date") << 0 << "2026-12-01" << false << "20261211";
    QTest::newRow("tomorrow") << 0 << "20261212" << false << "20261212";
    QTest::newRow("today") << 0 << "20261211" << true << "20261225";
    QTest::newRow("long ago") << 0 << "2020/01/31" << true << "20261225";
    QTest::newRow("remembered answer") << 1 << "20200101" << false << "20200101";
    QTest::newRow("remembered on first start") << 1 << QString() << false << QString();
}

void TestCmnUpdateInfo::schedulesChecksFourteenDaysApart()
{
    QFETCH(qint32, remembered);
    QFETCH(QString, stored);
    QFETCH(bool, due);
    QFETCH(QString, storedAfter);

    CCmnSystemSettings settings;
    settings.SetDontAskAgainResult(CmnUpdateNoticeMessageId, remembered);
    if (!stored.isNull())
        settings.m_Strings.insert(QLatin1String(CmnUpdateReminderKey), stored);
    QCOMPARE(CmnUpdateCheckDue(settings, QDate(2026, 12, 11)), due);
    QCOMPARE(settings.StringValue(QLatin1String(CmnUpdateReminderKey)), storedAfter);
}

void TestCmnUpdateInfo::asksOnlyOverHttps_data()
{
    QTest::addColumn<QString>("base");
    QTest::addColumn<QString>("address");

    QTest::newRow("https") << "https://updates.orvanta.example"
                           << "https://updates.orvanta.example/orvanta/updateinfo.txt";
    QTest::newRow("local test server") << "http://127.0.0.1:4711" << "http://127.0.0.1:4711/orvanta/updateinfo.txt";
    QTest::newRow("plain http") << "http://updates.orvanta.example" << QString();
    QTest::newRow("ftp") << "ftp://updates.orvanta.example" << QString();
    QTest::newRow("file") << "file:///tmp" << QString();
    QTest::newRow("none") << QString() << QString();
}

void TestCmnUpdateInfo::asksOnlyOverHttps()
{
    QFETCH(QString, base);
    QFETCH(QString, address);
    QCOMPARE(CmnUpdateInfoUrl(base, QStringLiteral("orvanta")), QUrl(address));
    QVERIFY(CmnIsAllowedUpdateRedirect(QUrl(QStringLiteral("https://mirror.orvanta.example/u.txt"))));
    QVERIFY(!CmnIsAllowedUpdateRedirect(QUrl(QStringLiteral("http://mirror.orvanta.example/u.txt"))));
}

// Cuts, single-byte changes and random mutations of a full file: no crash, and a
// notice, when there is one, always starts with the program's own paragraph.
void TestCmnUpdateInfo::damagedFilesNeverCrash()
{
    const QByteArray seed = File(QStringLiteral("BEGIN BUILDMOR MAC+LINUX 1.2.3 2030:01:01\nFEATURE A\n"
                                                "HEADING H\nMSG1 <b>m</b>\nMSG2 n\nLINK l\nEND\n"
                                                "BEGIN BUILDMOR LINUX 1.3.0 20300101\nFEATURE B\nEND\n"))
                                .toUtf8();
    qsizetype notices = 0;
    const auto run = [&notices](const QByteArray &bytes) {
        const QString html = Notice(QString::fromUtf8(bytes));
        if (!html.isEmpty()) {
            QVERIFY(html.startsWith(kIntro));
            ++notices;
        }
    };
    OrvFuzzCutsAndByteChanges(seed, 0, run, QByteArray("\n\r ;.+:/0\xff", 10));
    OrvFuzzMutations(seed, 50, 3000, 0, run);
    QVERIFY(notices > 0);
}

QTEST_GUILESS_MAIN(TestCmnUpdateInfo)
#include "tst_cmnupdateinfo.moc"
