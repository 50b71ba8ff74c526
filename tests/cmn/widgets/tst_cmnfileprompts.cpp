#include "cmnappdescriptor.h"
#include "cmndesktopopener.h"
#include "cmnfileprompts.h"
#include "cmnhtmlescape.h"
#include "cmnsystemsettings.h"
#include "testfilechooserscope.h"
#include "testmessageboxscope.h"
#include "testsettingsscope.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <memory>

namespace {

constexpr qint32 kYes = QMessageBox::Yes;
constexpr qint32 kNo = QMessageBox::No;
constexpr qint32 kCancel = QMessageBox::Cancel;
constexpr qint32 kClose = 0;   // a script that closes the box without a click

const QString kProductName = QStringLiteral("Orvanta Test");
const QString kViewQuestion = QStringLiteral("Would you like to view the file you just created?");

enum EPath { EmptyPath, MissingFile, Folder, WrittenFile, RelativePath };

QList<qint32> StandardButtons(const CCmnMessageBoxRequest &request)
{
    QList<qint32> buttons;
    for (const CCmnMessageBoxButton &button : request.m_Buttons)
        buttons << button.m_StandardButton;
    return buttons;
}

} // namespace

class TestCmnFilePrompts : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void extensionCheck_data();
    void extensionCheck();
    void offerToView_data();
    void offerToView();
    void rememberedAnswerIsGivenAndUsed();
    void suffixAddedAfterTheChooserIsAskedAbout_data();
    void suffixAddedAfterTheChooserIsAskedAbout();

private:
    std::unique_ptr<CTestSettingsScope> m_Settings;
    std::unique_ptr<QTemporaryDir> m_Folder;
    QList<QUrl> m_Opened;
    TCmnUrlOpener m_PreviousOpener;
    QString m_PreviousCurrent;
};

void TestCmnFilePrompts::initTestCase()
{
    CmnGetAppDescriptor().SetProductName(kProductName);
}

void TestCmnFilePrompts::init()
{
    m_Settings = std::make_unique<CTestSettingsScope>();
    m_Folder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_Folder->isValid());
    QFile file(m_Folder->filePath(QStringLiteral("pedigree.pdf")));
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(file.errorString()));
    file.write("%PDF");
    file.close();
    m_PreviousCurrent = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_Folder->path()));
    CmnCreateSystemSettings();
    m_Opened.clear();
    m_PreviousOpener = CmnSetUrlOpener([this](const QUrl &url) {
        m_Opened << url;
        return true;
    });
}

void TestCmnFilePrompts::cleanup()
{
    CmnSetUrlOpener(m_PreviousOpener);
    CmnDestroySystemSettings();
    QDir::setCurrent(m_PreviousCurrent);
    m_Folder.reset();
    m_Settings.reset();
}

void TestCmnFilePrompts::extensionCheck_data()
{
    QTest::addColumn<QString>("extension");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("message");   // empty: accepted without a word

    QTest::newRow("accepted") << "PDF" << "PDF files (*.pdf)" << "";
    QTest::newRow("star accepts anything") << "" << "All files (*)" << "";
    QTest::newRow("refused")
        << "doc" << "Text files (*.txt);;CSV files (*.csv)"
        << "The filename does not have a valid extension. Please choose a filename with "
           "extension 'txt' or 'csv'.";
    QTest::newRow("refused, none given")
        << "" << "PDF files (*.pdf)"
        << "The filename has no extension. Please choose a filename with extension 'pdf'.";
}

void TestCmnFilePrompts::extensionCheck()
{
    QFETCH(QString, extension);
    QFETCH(QString, filter);
    QFETCH(QString, message);

    CTestMessageBoxScope boxes;
    QWidget parent;
    QCOMPARE(CmnCheckFileExtension(extension, filter, &parent), message.isEmpty());
    QCOMPARE(boxes.Requests().size(), message.isEmpty() ? 0 : 1);
    if (message.isEmpty())
        return;
    const CCmnMessageBoxRequest &request = boxes.Requests().first();
    QCOMPARE(request.m_Text, message);
    QCOMPARE(request.m_Icon, QMessageBox::Warning);
    QCOMPARE(request.m_Parent, &parent);
    QCOMPARE(request.m_Title, kProductName);
    QCOMPARE(StandardButtons(request), QList<qint32>{QMessageBox::Ok});
    QCOMPARE(request.m_Options.m_MessageId, 0);
    QCOMPARE(request.m_Options.m_CheckBoxText, QString());
}

void TestCmnFilePrompts::offerToView_data()
{
    QTest::addColumn<int>("path");
    QTest::addColumn<qint32>("messageId");
    QTest::addColumn<qint32>("click");
    QTest::addColumn<QList<qint32>>("buttons");   // empty: nothing asked
    QTest::addColumn<bool>("opened");

    const QList<qint32> yesNo{kYes, kNo};
    const QList<qint32> yesNoCancel{kYes, kNo, kCancel};
    QTest::newRow("empty path") << int(EmptyPath) << 0 << kYes << QList<qint32>() << false;
    QTest::newRow("no file there") << int(MissingFile) << 0 << kYes << QList<qint32>() << false;
    QTest::newRow("a folder") << int(Folder) << 0 << kYes << QList<qint32>() << false;
    QTest::newRow("declined") << int(WrittenFile) << 0 << kNo << yesNo << false;
    QTest::newRow("closed") << int(WrittenFile) << 0 << kClose << yesNo << false;
    QTest::newRow("accepted") << int(WrittenFile) << 0 << kYes << yesNo << true;
    QTest::newRow("relative path, accepted") << int(RelativePath) << 0 << kYes << yesNo << true;
    QTest::newRow("with id, declined") << int(WrittenFile) << 57 << kNo << yesNoCancel << false;
    QTest::newRow("with id, cancelled") << int(WrittenFile) << 57 << kCancel << yesNoCancel << false;
    QTest::newRow("with id, accepted") << int(WrittenFile) << 57 << kYes << yesNoCancel << true;
}

void TestCmnFilePrompts::offerToView()
{
    QFETCH(int, path);
    QFETCH(qint32, messageId);
    QFETCH(qint32, click);
    QFETCH(QList<qint32>, buttons);
    QFETCH(bool, opened);

    const QString written = m_Folder->filePath(QStringLiteral("pedigree.pdf"));
    QString given;
    switch (EPath(path)) {
    case EmptyPath:
        break;
    case MissingFile:
        given = m_Folder->filePath(QStringLiteral("never-written.pdf"));
        break;
    case Folder:
        given = m_Folder->path();
        break;
    case WrittenFile:
        given = written;
        break;
    case RelativePath:
        given = QStringLiteral("pedigree.pdf");
        break;
    }

    CTestMessageBoxScope boxes;
    if (click == kClose)
        boxes.AnswerByClosing();
    else
        boxes.Answer(click);
    QWidget parent;
    const QPoint position(120, 80);
    CmnOfferToViewCreatedFile(&parent, given, messageId, position);

    QCOMPARE(boxes.Requests().size(), buttons.isEmpty() ? 0 : 1);
    QCOMPARE(m_Opened, opened ? QList<QUrl>{QUrl::fromLocalFile(written)} : QList<QUrl>());
    if (buttons.isEmpty())
        return;
    const CCmnMessageBoxRequest &request = boxes.Requests().first();
    QCOMPARE(request.m_Text, kViewQuestion);
    QCOMPARE(request.m_Icon, QMessageBox::Question);
    QCOMPARE(request.m_Title, kProductName);
    QCOMPARE(request.m_Parent, &parent);
    QCOMPARE(StandardButtons(request), buttons);
    QCOMPARE(request.m_Buttons.at(request.m_DefaultButton).m_StandardButton, kNo);
    QCOMPARE(request.m_Options.m_MessageId, messageId);
    QCOMPARE(request.m_Options.m_Position, position);
    // Only a question with an id can be remembered, so only it has the check box.
    QCOMPARE(request.m_Options.m_CheckBoxText.isEmpty(), messageId <= 0);
}

void TestCmnFilePrompts::rememberedAnswerIsGivenAndUsed()
{
    const QString written = m_Folder->filePath(QStringLiteral("pedigree.pdf"));
    const QList<QUrl> once{QUrl::fromLocalFile(written)};
    CTestMessageBoxScope boxes;

    // Declined with the box ticked: never asked again, never opened.
    boxes.Answer(kNo, true);
    CmnOfferToViewCreatedFile(nullptr, written, 57);
    CmnOfferToViewCreatedFile(nullptr, written, 57);
    QCOMPARE(boxes.Requests().size(), 1);
    QCOMPARE(m_Opened, QList<QUrl>());
    QCOMPARE(CmnGetSystemSettings()->GetDontAskAgainResult(57), kNo);

    // Another id is asked for itself; accepted and ticked, later files open at once.
    boxes.Answer(kYes, true);
    CmnOfferToViewCreatedFile(nullptr, written, 58);
    QCOMPARE(boxes.Requests().size(), 2);
    QCOMPARE(m_Opened, once);
    CmnOfferToViewCreatedFile(nullptr, written, 58);
    QCOMPARE(boxes.Requests().size(), 2);
    QCOMPARE(m_Opened, once + once);

    // Without an id nothing is remembered, ticked or not.
    boxes.Answer(kYes, true);
    boxes.Answer(kNo);
    CmnOfferToViewCreatedFile(nullptr, written, 0);
    CmnOfferToViewCreatedFile(nullptr, written, 0);
    QCOMPARE(boxes.Requests().size(), 4);
    QCOMPARE(m_Opened, once + once + once);
}

void TestCmnFilePrompts::suffixAddedAfterTheChooserIsAskedAbout_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<qint32>("answer");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<QString>("path");
    // The folder holds "pedigree.pdf".
    QTest::newRow("cancelled") << "" << kClose << false << "";
    QTest::newRow("with its suffix") << "pedigree.pdf" << kClose << false << "pedigree.pdf";
    QTest::newRow("other suffix") << "pedigree.jpg" << kClose << false << "pedigree.jpg";
    QTest::newRow("new name without suffix") << "Smith & Jones <UK>" << kClose << false << "Smith & Jones <UK>.pdf";
    QTest::newRow("existing file kept") << "pedigree" << kNo << true << "";
    QTest::newRow("existing file replaced") << "pedigree" << kYes << true << "pedigree.pdf";
}

void TestCmnFilePrompts::suffixAddedAfterTheChooserIsAskedAbout()
{
    QFETCH(QString, chosen);
    QFETCH(qint32, answer);
    QFETCH(bool, asked);
    QFETCH(QString, path);
    const QString folder = m_Folder->path() + QLatin1Char('/');
    CTestFileChooserScope chooser(chosen.isEmpty() ? QString() : folder + chosen);
    CTestMessageBoxScope boxes;
    if (asked)
        boxes.Answer(answer);
    QCOMPARE(CmnGetSaveFileNameWithSuffix(nullptr, QStringLiteral("Export Pedigree"), QStringLiteral("Orvanta.pdf"),
                                          QStringLiteral("PDF files (*.pdf)"), QStringLiteral("pdf")),
             path.isEmpty() ? QString() : folder + path);
    QCOMPARE(chooser.Requests().size(), 1);
    QCOMPARE(chooser.Requests().constFirst().m_DefaultSuffix, QStringLiteral("pdf"));
    QCOMPARE(boxes.Requests().size(), asked ? 1 : 0);
    if (asked) {
        const CCmnMessageBoxRequest &question = boxes.Requests().constFirst();
        QCOMPARE(question.m_Text, QStringLiteral("<p>The file '%1' already exists.</p><p>Do you want to replace it?</p>")
                                      .arg(CmnHtmlEscape(QDir::toNativeSeparators(folder + QStringLiteral("pedigree.pdf")))));
        QCOMPARE(StandardButtons(question), (QList<qint32>{kYes, kNo}));
    }
}

QTEST_MAIN(TestCmnFilePrompts)
#include "tst_cmnfileprompts.moc"
