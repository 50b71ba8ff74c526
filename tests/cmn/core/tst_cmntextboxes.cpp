#include "cmnexchangeflags.h"
#include "cmntextboxes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// The readings of text, single-character and path boxes.
class TestCmnTextBoxes : public QObject
{
    Q_OBJECT
private slots:
    void textBox_data();
    void textBox();
    void charBoxText_data();
    void charBoxText();
    void charBox_data();
    void charBox();
    void pathBox_data();
    void pathBox();
};

namespace {

const QChar kUntouched = u'#';
constexpr qint32 kAllEscapes = CmnExchangeLineFeedEscape | CmnExchangeCarriageReturnEscape | CmnExchangeTabEscape;

} // namespace

void TestCmnTextBoxes::textBox_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint32>("flags");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("message");

    const QString mustFill = "The '%1' box must be filled in";
    QTest::newRow("kept as typed") << " a " << 0 << " a " << "";
    QTest::newRow("trimmed") << " a " << int(CmnExchangeTrim) << "a" << "";
    QTest::newRow("optional empty") << "" << 0 << "" << "";
    QTest::newRow("required blanks trimmed away") << "  " << int(CmnExchangeRequired | CmnExchangeTrim) << "" << mustFill;
    QTest::newRow("required blanks kept") << "  " << int(CmnExchangeRequired) << "  " << "";
    QTest::newRow("lenient required empty") << "" << int(CmnExchangeRequired | CmnExchangeNoValidation) << "" << "";
}

void TestCmnTextBoxes::textBox()
{
    QFETCH(QString, text);
    QFETCH(qint32, flags);
    QFETCH(QString, expected);
    QFETCH(QString, message);

    QString value = "old";
    const CCmnExchangeVerdict verdict = CmnReadTextBox(text, flags, &value);
    QCOMPARE(verdict.InBoxMessage(), message);
    QCOMPARE(value, expected);
}

void TestCmnTextBoxes::charBoxText_data()
{
    QTest::addColumn<QChar>("value");
    QTest::addColumn<qint32>("flags");
    QTest::addColumn<QString>("expected");

    QTest::newRow("null") << QChar() << kAllEscapes << "";
    QTest::newRow("letter") << QChar(u'x') << 0 << "x";
    QTest::newRow("blank") << QChar(u' ') << 0 << " ";
    QTest::newRow("line feed escaped") << QChar(u'\n') << int(CmnExchangeLineFeedEscape) << "\\n";
    QTest::newRow("line feed without its flag") << QChar(u'\n') << int(CmnExchangeTabEscape) << "";
    QTest::newRow("carriage return escaped") << QChar(u'\r') << int(CmnExchangeCarriageReturnEscape) << "\\r";
    QTest::newRow("tab escaped") << QChar(u'\t') << kAllEscapes << "\\t";
    QTest::newRow("other control character") << QChar(u'\x1b') << kAllEscapes << "";
}

void TestCmnTextBoxes::charBoxText()
{
    QFETCH(QChar, value);
    QFETCH(qint32, flags);
    QFETCH(QString, expected);
    QCOMPARE(CmnCharBoxText(value, flags), expected);
}

void TestCmnTextBoxes::charBox_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint32>("flags");
    QTest::addColumn<QChar>("expected");
    QTest::addColumn<QString>("message");

    const QString single = "A single character is required in the '%1' box";
    const QString atMost = "At most a single character is required in the '%1' box";
    QTest::newRow("line feed escape") << "\\n" << int(CmnExchangeLineFeedEscape) << QChar(u'\n') << "";
    QTest::newRow("trimmed escape") << " \\t " << int(CmnExchangeTabEscape | CmnExchangeTrim) << QChar(u'\t') << "";
    QTest::newRow("carriage return escape") << "\\r" << kAllEscapes << QChar(u'\r') << "";
    QTest::newRow("escape without its flag") << "\\n" << int(CmnExchangeTabEscape) << kUntouched << atMost;
    QTest::newRow("one character") << ";" << 0 << QChar(u';') << "";
    QTest::newRow("optional empty is null") << "" << 0 << QChar() << "";
    QTest::newRow("required empty") << "" << int(CmnExchangeRequired) << kUntouched << single;
    QTest::newRow("two characters") << "ab" << 0 << kUntouched << atMost;
    QTest::newRow("two characters required") << "ab" << int(CmnExchangeRequired) << kUntouched << single;
    QTest::newRow("lenient takes the first") << "ab" << int(CmnExchangeNoValidation) << QChar(u'a') << "";
    QTest::newRow("lenient required empty") << "" << int(CmnExchangeRequired | CmnExchangeNoValidation) << QChar() << "";
}

void TestCmnTextBoxes::charBox()
{
    QFETCH(QString, text);
    QFETCH(qint32, flags);
    QFETCH(QChar, expected);
    QFETCH(QString, message);

    QChar value = kUntouched;
    const CCmnExchangeVerdict verdict = CmnReadCharBox(text, flags, &value);
    QCOMPARE(verdict.InBoxMessage(), message);
    QCOMPARE(value, expected);
    // What was taken shows as typed on the next load.
    if (verdict.IsAccepted() && flags == int(CmnExchangeLineFeedEscape))
        QCOMPARE(CmnCharBoxText(value, flags), text);
}

void TestCmnTextBoxes::pathBox_data()
{
    QTest::addColumn<QString>("entry");  // "file", "folder", "missing" or a literal text
    QTest::addColumn<qint32>("flags");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("message"); // in-box message of a refusal, or the question

    const qint32 folderBox = CmnExchangeRequired | CmnExchangeTrim | CmnExchangeFolder | CmnExchangeNativeSeparators;
    const qint32 fileBox = CmnExchangeRequired | CmnExchangeFile;
    QTest::newRow("required folder empty") << "  " << folderBox << int(CCmnExchangeVerdict::Refused)
                                           << "A folder name is required in the '%1' box";
    QTest::newRow("required file empty") << "" << fileBox << int(CCmnExchangeVerdict::Refused)
                                         << "A file name is required in the '%1' box";
    QTest::newRow("required plain empty") << "" << int(CmnExchangeRequired) << int(CCmnExchangeVerdict::Refused)
                                          << "The '%1' box must be filled in";
    QTest::newRow("lenient required empty") << "" << (fileBox | CmnExchangeNoValidation)
                                            << int(CCmnExchangeVerdict::Accepted) << "";
    QTest::newRow("folder expected, folder given") << "folder" << folderBox << int(CCmnExchangeVerdict::Accepted) << "";
    QTest::newRow("folder expected, file given") << "file" << folderBox << int(CCmnExchangeVerdict::Question)
                                                 << "%1 is a file, but a folder name is expected";
    QTest::newRow("folder missing") << "missing" << folderBox << int(CCmnExchangeVerdict::Question)
                                    << "Folder %1 not found (or cannot be accessed)";
    QTest::newRow("file expected, file given") << "file" << fileBox << int(CCmnExchangeVerdict::Accepted) << "";
    QTest::newRow("file expected, folder given") << "folder" << fileBox << int(CCmnExchangeVerdict::Question)
                                                 << "%1 is a folder, but a file name is expected";
    QTest::newRow("file missing") << "missing" << fileBox << int(CCmnExchangeVerdict::Question)
                                  << "File %1 not found (or cannot be accessed)";
    QTest::newRow("lenient file missing") << "missing" << (fileBox | CmnExchangeNoValidation)
                                          << int(CCmnExchangeVerdict::Accepted) << "";
    QTest::newRow("neither file nor folder asked") << "missing" << int(CmnExchangeRequired)
                                                   << int(CCmnExchangeVerdict::Accepted) << "";
}

void TestCmnTextBoxes::pathBox()
{
    QFETCH(QString, entry);
    QFETCH(qint32, flags);
    QFETCH(int, kind);
    QFETCH(QString, message);

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QFile file(folder.filePath("herd.csv"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();

    QString path = entry;
    if (entry == "file")
        path = file.fileName();
    else if (entry == "folder")
        path = folder.path();
    else if (entry == "missing")
        path = folder.filePath("gone/herd.csv");

    QString value;
    const CCmnExchangeVerdict verdict = CmnReadPathBox(CmnPathBoxText(path, flags), flags, &value);
    QCOMPARE(int(verdict.Kind()), kind);
    const QString shown = kind == CCmnExchangeVerdict::Question ? verdict.HereMessage() : verdict.InBoxMessage();
    QCOMPARE(shown, kind == CCmnExchangeVerdict::Question ? message.arg(path) : message);
    // The path is taken even when it is questioned or refused.
    QCOMPARE(value, (flags & CmnExchangeTrim) ? path.trimmed() : path);
}

QTEST_GUILESS_MAIN(TestCmnTextBoxes)
#include "tst_cmntextboxes.moc"
