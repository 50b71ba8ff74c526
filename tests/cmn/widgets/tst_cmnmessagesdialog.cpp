#include "cmndialogbuttonbox.h"
#include "cmngeometrykeeper.h"
#include "cmnhtmlescape.h"
#include "cmnlabel.h"
#include "cmnlistwidget.h"
#include "cmnmessagesdialog.h"
#include "cmnpushbutton.h"
#include "testfilechooserscope.h"
#include "testmessageboxscope.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

const QString kTitle = QStringLiteral("Check register");

// Messages as a record check words them, with a non-ASCII name so that the saved
// encoding shows.
QStringList Messages(qint32 count)
{
    QStringList messages;
    for (qint32 i = 0; i < count; ++i)
        messages << QStringLiteral("Record %1 (Müller's Bella): the sire is missing").arg(i + 1);
    return messages;
}

QStringList Rows(const CCmnListWidget *list)
{
    QStringList rows;
    for (int row = 0; row < list->count(); ++row)
        rows << list->item(row)->text();
    return rows;
}

} // namespace

class TestCmnMessagesDialog : public QObject
{
    Q_OBJECT
private slots:
    void init();

    void showsRowsUpToTheLimit_data();
    void showsRowsUpToTheLimit();
    void hasSaveAndCopyButtonsAndScreenSize();
    void emptyListIsAcceptedWithoutWindow();
    void copyTakesEveryMessage();
    void saveWritesEveryMessage_data();
    void saveWritesEveryMessage();
    void cancelledSaveWritesNothing();
    void failedSaveNamesTheFile_data();
    void failedSaveNamesTheFile();

private:
    std::unique_ptr<QTemporaryDir> m_Folder;
};

void TestCmnMessagesDialog::init()
{
    m_Folder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_Folder->isValid());
}

void TestCmnMessagesDialog::showsRowsUpToTheLimit_data()
{
    QTest::addColumn<qint32>("count");
    QTest::addColumn<qint32>("shown");
    QTest::addColumn<QString>("lastRow");   // empty: no extra row

    QTest::newRow("one") << 1 << 1 << "";
    QTest::newRow("at the limit") << 1000 << 1000 << "";
    QTest::newRow("one left over is shown") << 1001 << 1001 << "";
    QTest::newRow("two left over") << 1002 << 1000 << "+2 more";
    QTest::newRow("thousands left over") << 3500 << 1000 << "+2,500 more";
}

void TestCmnMessagesDialog::showsRowsUpToTheLimit()
{
    QFETCH(qint32, count);
    QFETCH(qint32, shown);
    QFETCH(QString, lastRow);

    CCmnMessagesDialog dialog;
    dialog.SetHeader(QStringLiteral("%1 issue(s) found:").arg(count));
    dialog.SetMessages(Messages(count));
    QCOMPARE(dialog.ListWidget()->count(), 0);   // rows come only when the dialog is run
    dialog.Prepare();

    QStringList expected = Messages(count).mid(0, shown);
    if (!lastRow.isEmpty())
        expected << lastRow;
    QCOMPARE(Rows(dialog.ListWidget()), expected);
    QCOMPARE(dialog.HeaderLabel()->text(), QStringLiteral("%1 issue(s) found:").arg(count));
}

void TestCmnMessagesDialog::hasSaveAndCopyButtonsAndScreenSize()
{
    CCmnMessagesDialog dialog;
    QCOMPARE(dialog.size(), CmnScreenFractionSize(0.6, 0.4));
    dialog.SetMessages(Messages(2));
    dialog.Prepare();

    const CCmnDialogButtonBox *box = dialog.ButtonBox();
    QCOMPARE(box->standardButtons(), QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QCOMPARE(dialog.SaveButton()->text().remove('&'), QStringLiteral("Save"));
    QCOMPARE(dialog.CopyButton()->text().remove('&'), QStringLiteral("Copy"));
    QCOMPARE(box->buttonRole(dialog.SaveButton()), QDialogButtonBox::ActionRole);
    QCOMPARE(box->buttonRole(dialog.CopyButton()), QDialogButtonBox::ActionRole);
}

void TestCmnMessagesDialog::emptyListIsAcceptedWithoutWindow()
{
    CCmnMessagesDialog dialog;
    // Should the dialog show after all, this closes it as rejected instead of
    // leaving the test in a modal loop.
    QTimer::singleShot(0, &dialog, &QDialog::reject);
    QCOMPARE(dialog.Exec(), int(QDialog::Accepted));
    QCOMPARE(dialog.ListWidget()->count(), 0);
    QVERIFY(!dialog.isVisible());
}

void TestCmnMessagesDialog::copyTakesEveryMessage()
{
    QGuiApplication::clipboard()->clear();
    CCmnMessagesDialog dialog;
    dialog.SetMessages(Messages(1002));
    dialog.Prepare();
    dialog.CopyButton()->click();
    QCOMPARE(QGuiApplication::clipboard()->text(), Messages(1002).join('\n'));
}

void TestCmnMessagesDialog::saveWritesEveryMessage_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("written");

    // The chooser is given the default suffix; a name that still comes back
    // without one gets it (a folder's dot is no suffix).
    QTest::newRow("txt") << "issues.txt" << "issues.txt";
    QTest::newRow("another suffix kept") << "issues.log" << "issues.log";
    QTest::newRow("confirmed name without suffix") << "check.d/issues" << "check.d/issues.txt";
}

void TestCmnMessagesDialog::saveWritesEveryMessage()
{
    QFETCH(QString, chosen);
    QFETCH(QString, written);

    QVERIFY(QDir(m_Folder->path()).mkpath(QStringLiteral("check.d")));
    CTestFileChooserScope chooser(m_Folder->filePath(chosen));
    CTestMessageBoxScope boxes;
    CCmnMessagesDialog dialog;
    dialog.setWindowTitle(kTitle);
    dialog.SetMessages(Messages(1002));
    dialog.Prepare();
    dialog.SaveButton()->click();

    QCOMPARE(chooser.Requests().size(), 1);
    const CCmnFileChooserRequest &request = chooser.Requests().first();
    QCOMPARE(request.m_Kind, CCmnFileChooserRequest::SaveFile);
    QCOMPARE(request.m_Parent, &dialog);
    QCOMPARE(request.m_Caption, kTitle);
    QCOMPARE(request.m_Folder, QString());
    QCOMPARE(request.m_Filter, QStringLiteral("Text files (*.txt)"));
    QCOMPARE(request.m_DefaultSuffix, QStringLiteral("txt"));

    // The locale's codec (UTF-8 here; a codec named LOCALE has no byte-order mark)
    // and the platform's line ending, every message included.
    QFile file(m_Folder->filePath(written));
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.errorString()));
    QCOMPARE(file.readAll(), (Messages(1002).join('\n') + '\n').toUtf8());
    QCOMPARE(boxes.Requests().size(), 0);
}

void TestCmnMessagesDialog::cancelledSaveWritesNothing()
{
    CTestFileChooserScope chooser{QString()};
    CTestMessageBoxScope boxes;
    CCmnMessagesDialog dialog;
    dialog.SetMessages(Messages(3));
    dialog.Prepare();
    dialog.SaveButton()->click();

    QCOMPARE(chooser.Requests().size(), 1);
    QCOMPARE(boxes.Requests().size(), 0);
}

void TestCmnMessagesDialog::failedSaveNamesTheFile_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("written");

    QTest::newRow("missing folder") << "gone/issues.txt" << "gone/issues.txt";
    QTest::newRow("user's name") << "Smith & Jones <UK>/issues.txt" << "Smith & Jones <UK>/issues.txt";
    QTest::newRow("a folder") << "folder.txt" << "folder.txt";
}

void TestCmnMessagesDialog::failedSaveNamesTheFile()
{
    QFETCH(QString, chosen);
    QFETCH(QString, written);

    QVERIFY(QDir(m_Folder->path()).mkpath(QStringLiteral("folder.txt")));
    CTestFileChooserScope chooser(m_Folder->filePath(chosen));
    CTestMessageBoxScope boxes;
    CCmnMessagesDialog dialog;
    dialog.setWindowTitle(kTitle);
    dialog.SetMessages(Messages(3));
    dialog.Prepare();
    dialog.show();
    dialog.SaveButton()->click();

    QCOMPARE(boxes.Requests().size(), 1);
    const CCmnMessageBoxRequest &request = boxes.Requests().first();
    QCOMPARE(request.m_Icon, QMessageBox::Warning);
    QCOMPARE(request.m_Parent, &dialog);
    QCOMPARE(request.m_Title, kTitle);
    // The name is shown as typed, not read as markup.
    const QString prefix = QStringLiteral("<p>Failed to write '%1', ").arg(CmnHtmlEscape(m_Folder->filePath(written)));
    QVERIFY2(request.m_Text.startsWith(prefix) && request.m_Text.endsWith(QStringLiteral(")</p>"))
                 && request.m_Text.size() > prefix.size() + 1,
             qPrintable(request.m_Text));
    QVERIFY(dialog.isVisible());
}

QTEST_MAIN(TestCmnMessagesDialog)
#include "tst_cmnmessagesdialog.moc"
