#include "cmnappdescriptor.h"
#include "cmndocument.h"

#include <QtTest>

namespace {

// Counts the hooks the base runs.
class CCountingDocument : public CCmnDocument
{
public:
    CCountingDocument()
        : CCmnDocument(1, 2, 0)
    {
    }
    void OnOpened() override { ++opened; }
    void OnClosed() override { ++closed; }
    void OnBeginModify() override { ++begun; }
    void OnEndModify() override { ++ended; }

    int opened = 0;
    int closed = 0;
    int begun = 0;
    int ended = 0;
};

} // namespace

class TestCmnDocument : public QObject
{
    Q_OBJECT
private slots:
    void hooksRunOnlyAtOutermostGroupOfOpenDocument();
    void resetKeepsModifiedCloseClearsIt();
    void invalidFormatMessageArticle_data();
    void invalidFormatMessageArticle();
};

void TestCmnDocument::hooksRunOnlyAtOutermostGroupOfOpenDocument()
{
    CCountingDocument document;
    document.BeginModify();
    document.EndModify();
    QCOMPARE(document.begun, 0);
    QCOMPARE(document.ended, 0);

    document.MarkOpen();
    document.MarkOpen();
    QCOMPARE(document.opened, 1);

    document.BeginModify();
    document.BeginModify();
    QCOMPARE(document.begun, 1);
    document.EndModify();
    QCOMPARE(document.ended, 0);
    document.EndModify();
    QCOMPARE(document.ended, 1);
    QCOMPARE(document.ModifyDepth(), 0);
}

void TestCmnDocument::resetKeepsModifiedCloseClearsIt()
{
    CCountingDocument document;
    document.MarkOpen();
    document.BeginModify();
    document.SetModified(true);

    document.Reset();
    QCOMPARE(document.IsModified(), true);
    QCOMPARE(document.IsOpen(), false);
    QCOMPARE(document.ModifyDepth(), 0);
    QCOMPARE(document.closed, 1);

    document.MarkOpen();
    QCOMPARE(document.opened, 2);
    document.Close();
    QCOMPARE(document.IsModified(), false);
    QCOMPARE(document.IsOpen(), false);
    QCOMPARE(document.closed, 2);
}

void TestCmnDocument::invalidFormatMessageArticle_data()
{
    QTest::addColumn<QString>("override");
    QTest::addColumn<QString>("expected");
    QTest::newRow("product") << QString() << "Invalid file format - file does not appear to be a Orvanta file";
    QTest::newRow("A") << "Animal file" << "Invalid file format - file does not appear to be an Animal file";
    QTest::newRow("lower a") << "archive" << "Invalid file format - file does not appear to be an archive";
    QTest::newRow("other vowel") << "Ear tags" << "Invalid file format - file does not appear to be a Ear tags";
}

void TestCmnDocument::invalidFormatMessageArticle()
{
    QFETCH(QString, override);
    QFETCH(QString, expected);
    CCmnAppDescriptor &descriptor = CmnGetAppDescriptor();
    const CCmnAppDescriptor saved = descriptor;
    descriptor.m_ProductDisplayName = QStringLiteral("Orvanta");
    descriptor.m_DocumentNoun = QStringLiteral("file");
    descriptor.m_DocumentNameOverride = override;
    const QString message = CmnInvalidFileFormatMessage();
    descriptor = saved;
    QCOMPARE(message, expected);
}

QTEST_GUILESS_MAIN(TestCmnDocument)
#include "tst_cmndocument.moc"
