#include "cmnappdescriptor.h"
#include "cmndialogbuttonbox.h"
#include "cmnfilechooser.h"
#include "cmnlineedit.h"
#include "cmnmappedfolderdialog.h"
#include "cmnnameditemsterminology.h"
#include "cmnpushbutton.h"
#include "tcmnnameditemsvalidator.h"
#include "testmessageboxscope.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The dialog as the folder-mapping list opens it to update a mapping, prepared
// without its modal run.
struct CDialogFixture
{
    explicit CDialogFixture(const QString &source, const QString &destination)
        : m_Destination(destination)
        , m_Dialog(m_Destination)
    {
        m_Terminology.Set("Folder Mapping", "Folder Mappings", "NAME");
        m_Dialog.setWindowTitle("Update Folder Mapping");
        m_Dialog.m_Value = source;
        m_Dialog.Prepare();
    }

    bool Accept()
    {
        m_Dialog.ButtonBox()->button(QDialogButtonBox::Ok)->click();
        return m_Dialog.result() == QDialog::Accepted;
    }

    CCmnNamedItemsTerminology m_Terminology;
    QString m_Destination;
    CCmnMappedFolderDialog m_Dialog;
};

} // namespace

class TestCmnMappedFolderDialog : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void loadsSourceAndDestination();
    void emptySourceRefused();
    void emptyDestinationRefused();
    void missingDestinationAsked_data();
    void missingDestinationAsked();
    void duplicateSourceRefused();
    void refusedSourceLeavesValue();
    void backslashesReadAsSlashes();
    void selectOffersFolderChooser();

private:
    QTemporaryDir m_Folder;
};

void TestCmnMappedFolderDialog::initTestCase()
{
    CmnGetAppDescriptor().m_ProductDisplayName = "Orvanta";
    QVERIFY(m_Folder.isValid());
}

void TestCmnMappedFolderDialog::loadsSourceAndDestination()
{
    CDialogFixture fixture("/media/old/photos", m_Folder.path());
    const CCmnMappedFolderDialog &dialog = fixture.m_Dialog;
    QCOMPARE(dialog.windowTitle(), QString("Update Folder Mapping"));
    QCOMPARE(dialog.HelpPage(), QString("CCmnMappedFolderDialog.html"));
    QCOMPARE(dialog.SourceLineEdit()->text(), QString("/media/old/photos"));
    QCOMPARE(dialog.SourceLineEdit()->selectedText(), QString("/media/old/photos"));
    QCOMPARE(dialog.DestinationLineEdit()->text(), QDir::toNativeSeparators(m_Folder.path()));
    QCOMPARE(dialog.SourceLineEdit()->MinimumWidthInChars(), 70);
    QCOMPARE(dialog.DestinationLineEdit()->MinimumWidthInChars(), 70);

    QStringList labels;
    for (const QLabel *label : dialog.findChildren<QLabel *>()) {
        if (label->buddy())
            labels << label->text().remove('&');
    }
    labels.sort();
    QCOMPARE(labels, QStringList({"From:", "To:"}));
}

void TestCmnMappedFolderDialog::emptySourceRefused()
{
    CTestMessageBoxScope boxes;
    CDialogFixture fixture(QString(), m_Folder.path());
    fixture.m_Dialog.SourceLineEdit()->setText("   ");

    QVERIFY(!fixture.Accept());
    QCOMPARE(boxes.Requests().size(), 1);
    QCOMPARE(boxes.Requests().first().m_Icon, QMessageBox::Warning);
    QCOMPARE(boxes.Requests().first().m_Text, QString("<p>The source folder must be given</p>"));
    QCOMPARE(fixture.m_Dialog.focusWidget(), fixture.m_Dialog.SourceLineEdit());
}

void TestCmnMappedFolderDialog::emptyDestinationRefused()
{
    CTestMessageBoxScope boxes;
    CDialogFixture fixture("/media/old", QString());

    QVERIFY(!fixture.Accept());
    QCOMPARE(boxes.Requests().size(), 1);
    QCOMPARE(boxes.Requests().first().m_Text, QString("<p>A folder name is required here</p>"));
    QCOMPARE(fixture.m_Dialog.focusWidget(), fixture.m_Dialog.DestinationLineEdit());
}

void TestCmnMappedFolderDialog::missingDestinationAsked_data()
{
    QTest::addColumn<qint32>("answer");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("yes keeps it") << qint32(QMessageBox::Yes) << true;
    QTest::newRow("no stays open") << qint32(QMessageBox::No) << false;
}

void TestCmnMappedFolderDialog::missingDestinationAsked()
{
    QFETCH(qint32, answer);
    QFETCH(bool, accepted);
    const QString missing = m_Folder.filePath("not-yet");
    CTestMessageBoxScope boxes;
    boxes.Answer(answer);
    CDialogFixture fixture("/media/old", missing);

    QCOMPARE(fixture.Accept(), accepted);
    QCOMPARE(boxes.Requests().size(), 1);
    const CCmnMessageBoxRequest &question = boxes.Requests().first();
    QCOMPARE(question.m_Icon, QMessageBox::Question);
    QCOMPARE(question.m_Text, QString("<p><p>Folder %1 not found (or cannot be accessed)</p></p>"
                                      "<p>Do you wish to continue anyway?</p>")
                                  .arg(missing));
    if (accepted) {
        QCOMPARE(fixture.m_Destination, missing);
        QCOMPARE(fixture.m_Dialog.m_Value, QString("/media/old"));
    }
}

void TestCmnMappedFolderDialog::duplicateSourceRefused()
{
    TCmnNamedItemsSortedList<QString> list;
    list.InsertSorted("/media/a", "/srv/a");
    list.InsertSorted("/media/b", "/srv/b");
    CTestMessageBoxScope boxes;
    CDialogFixture fixture("/media/b", m_Folder.path());
    const TCmnNamedItemsValidator<QString> duplicates(&fixture.m_Terminology, nullptr, &list, nullptr, "/media/b");
    fixture.m_Dialog.m_Validators << &duplicates;

    fixture.m_Dialog.SourceLineEdit()->setText(" /media/a ");
    QVERIFY(!fixture.Accept());
    QCOMPARE(boxes.Requests().size(), 1);
    QCOMPARE(boxes.Requests().first().m_Text,
             QString("<p>Folder Mapping '/media/a' already exists - please choose a different name.</p>"));
    QCOMPARE(fixture.m_Dialog.SourceLineEdit()->selectedText(), fixture.m_Dialog.SourceLineEdit()->text());

    // The mapping's own source, and a source that differs only in letter case, pass.
    for (const QString source : {"/media/b", "/Media/A"}) {
        CDialogFixture again("/media/b", m_Folder.path());
        again.m_Dialog.m_Validators << &duplicates;
        again.m_Dialog.SourceLineEdit()->setText(source);
        QVERIFY2(again.Accept(), qPrintable(source));
        QCOMPARE(again.m_Dialog.m_Value, source);
    }
    QCOMPARE(boxes.Requests().size(), 1);
}

void TestCmnMappedFolderDialog::refusedSourceLeavesValue()
{
    TCmnNamedItemsSortedList<QString> list;
    list.InsertSorted("/media/a", "/srv/a");
    CTestMessageBoxScope boxes;
    CDialogFixture fixture("/media/b", m_Folder.path());
    const TCmnNamedItemsValidator<QString> duplicates(&fixture.m_Terminology, nullptr, &list, nullptr, "/media/b");
    fixture.m_Dialog.m_Validators << &duplicates;

    fixture.m_Dialog.SourceLineEdit()->setText("/media/a");
    QVERIFY(!fixture.Accept());
    fixture.m_Dialog.ButtonBox()->button(QDialogButtonBox::Cancel)->click();
    QCOMPARE(fixture.m_Dialog.m_Value, QString("/media/b"));
}

void TestCmnMappedFolderDialog::backslashesReadAsSlashes()
{
    CTestMessageBoxScope boxes;
    CDialogFixture fixture{QString(), QString()};
    fixture.m_Dialog.SourceLineEdit()->setText("\\media\\old\\photos");
    fixture.m_Dialog.DestinationLineEdit()->setText(QString(m_Folder.path()).replace('/', '\\'));

    QVERIFY(fixture.Accept());
    QCOMPARE(boxes.Requests().size(), 0);
    QCOMPARE(fixture.m_Dialog.m_Value, QString("/media/old/photos"));
    QCOMPARE(fixture.m_Destination, m_Folder.path());
}

void TestCmnMappedFolderDialog::selectOffersFolderChooser()
{
    QList<CCmnFileChooserRequest> requests;
    QString answer = m_Folder.path();
    const TCmnFileChooser previous = CmnSetFileChooser([&](const CCmnFileChooserRequest &request) {
        requests << request;
        return answer;
    });
    CDialogFixture fixture("/media/old", "/media/new");

    fixture.m_Dialog.SelectButton()->click();
    answer.clear();
    fixture.m_Dialog.SelectButton()->click();
    CmnSetFileChooser(previous);

    QCOMPARE(requests.size(), 2);
    QCOMPARE(requests.first().m_Kind, CCmnFileChooserRequest::Folder);
    QCOMPARE(requests.first().m_Caption, QString("Update Folder Mapping"));
    QCOMPARE(requests.first().m_Folder, QString("/media/new"));
    QCOMPARE(requests.first().m_Parent, &fixture.m_Dialog);
    // A cancelled chooser leaves the chosen folder in the box.
    QCOMPARE(requests.last().m_Folder, m_Folder.path());
    QCOMPARE(fixture.m_Dialog.DestinationLineEdit()->text(), QDir::toNativeSeparators(m_Folder.path()));
}

QTEST_MAIN(TestCmnMappedFolderDialog)
#include "tst_cmnmappedfolderdialog.moc"
