#include "cmnfilechooser.h"
#include "testfilechooserscope.h"

#include <QTest>

class TestCmnFileChooser : public QObject
{
    Q_OBJECT
private slots:
    void requestsReachTheChooser();
    void scopesRestoreTheOuterChooser();
};

void TestCmnFileChooser::requestsReachTheChooser()
{
    CTestFileChooserScope recorder(QStringLiteral("/home/u/a.orv"));
    const QString filter = QStringLiteral("Orvanta files (*.orv)");
    QCOMPARE(CmnGetOpenFileName(nullptr, QStringLiteral("Open"), QStringLiteral("/home/u"), filter),
             QStringLiteral("/home/u/a.orv"));
    QCOMPARE(CmnGetSaveFileName(nullptr, QStringLiteral("Save As"), QString(), filter),
             QStringLiteral("/home/u/a.orv"));
    QCOMPARE(CmnGetExistingDirectory(nullptr, QStringLiteral("Folder"), QStringLiteral("/media")),
             QStringLiteral("/home/u/a.orv"));

    QCOMPARE(recorder.Requests().size(), 3);
    const CCmnFileChooserRequest &open = recorder.Requests().at(0);
    QCOMPARE(open.m_Kind, CCmnFileChooserRequest::OpenFile);
    QCOMPARE(open.m_Caption, QStringLiteral("Open"));
    QCOMPARE(open.m_Folder, QStringLiteral("/home/u"));
    QCOMPARE(open.m_Filter, filter);
    QCOMPARE(recorder.Requests().at(1).m_Kind, CCmnFileChooserRequest::SaveFile);
    QCOMPARE(recorder.Requests().at(1).m_Caption, QStringLiteral("Save As"));
    const CCmnFileChooserRequest &folder = recorder.Requests().at(2);
    QCOMPARE(folder.m_Kind, CCmnFileChooserRequest::Folder);
    QCOMPARE(folder.m_Folder, QStringLiteral("/media"));
    QCOMPARE(folder.m_Filter, QString());
}

void TestCmnFileChooser::scopesRestoreTheOuterChooser()
{
    CTestFileChooserScope outer(QStringLiteral("outer"));
    {
        CTestFileChooserScope inner{QString()}; // a cancelled dialog
        QCOMPARE(CmnGetOpenFileName(nullptr, QString(), QString(), QString()), QString());
        QCOMPARE(outer.Requests().size(), 0);
    }
    QCOMPARE(CmnGetOpenFileName(nullptr, QString(), QString(), QString()), QStringLiteral("outer"));
    QCOMPARE(outer.Requests().size(), 1);
}

QTEST_MAIN(TestCmnFileChooser)
#include "tst_cmnfilechooser.moc"
