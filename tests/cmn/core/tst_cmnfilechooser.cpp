#include "cmnfilechooser.h"

#include <QTest>

namespace {

// Answers every chooser request with a fixed path and keeps the requests, for
// its scope.
class CChooserRecorder
{
public:
    explicit CChooserRecorder(const QString &answer)
        : m_Previous(CmnSetFileChooser([this, answer](const CCmnFileChooserRequest &request) {
              m_Requests << request;
              return answer;
          }))
    {
    }
    ~CChooserRecorder() { CmnSetFileChooser(m_Previous); }
    QList<CCmnFileChooserRequest> m_Requests;

private:
    TCmnFileChooser m_Previous;
};

} // namespace

class TestCmnFileChooser : public QObject
{
    Q_OBJECT
private slots:
    void requestsReachTheChooser();
    void scopesRestoreTheOuterChooser();
};

void TestCmnFileChooser::requestsReachTheChooser()
{
    CChooserRecorder recorder(QStringLiteral("/home/u/a.orv"));
    const QString filter = QStringLiteral("Orvanta files (*.orv)");
    QCOMPARE(CmnGetOpenFileName(nullptr, QStringLiteral("Open"), QStringLiteral("/home/u"), filter),
             QStringLiteral("/home/u/a.orv"));
    QCOMPARE(CmnGetSaveFileName(nullptr, QStringLiteral("Save As"), QString(), filter),
             QStringLiteral("/home/u/a.orv"));
    QCOMPARE(CmnGetExistingDirectory(nullptr, QStringLiteral("Folder"), QStringLiteral("/media")),
             QStringLiteral("/home/u/a.orv"));

    QCOMPARE(recorder.m_Requests.size(), 3);
    const CCmnFileChooserRequest &open = recorder.m_Requests.at(0);
    QCOMPARE(open.m_Kind, CCmnFileChooserRequest::OpenFile);
    QCOMPARE(open.m_Caption, QStringLiteral("Open"));
    QCOMPARE(open.m_Folder, QStringLiteral("/home/u"));
    QCOMPARE(open.m_Filter, filter);
    QCOMPARE(recorder.m_Requests.at(1).m_Kind, CCmnFileChooserRequest::SaveFile);
    QCOMPARE(recorder.m_Requests.at(1).m_Caption, QStringLiteral("Save As"));
    const CCmnFileChooserRequest &folder = recorder.m_Requests.at(2);
    QCOMPARE(folder.m_Kind, CCmnFileChooserRequest::Folder);
    QCOMPARE(folder.m_Folder, QStringLiteral("/media"));
    QCOMPARE(folder.m_Filter, QString());
}

void TestCmnFileChooser::scopesRestoreTheOuterChooser()
{
    CChooserRecorder outer(QStringLiteral("outer"));
    {
        CChooserRecorder inner{QString()}; // a cancelled dialog
        QCOMPARE(CmnGetOpenFileName(nullptr, QString(), QString(), QString()), QString());
        QCOMPARE(outer.m_Requests.size(), 0);
    }
    QCOMPARE(CmnGetOpenFileName(nullptr, QString(), QString(), QString()), QStringLiteral("outer"));
    QCOMPARE(outer.m_Requests.size(), 1);
}

QTEST_MAIN(TestCmnFileChooser)
#include "tst_cmnfilechooser.moc"
