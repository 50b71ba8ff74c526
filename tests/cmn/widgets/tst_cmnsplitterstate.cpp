#include "cmnsplitterstate.h"
#include "testsettingsscope.h"

#include <QSettings>
#include <QSplitter>
#include <QTest>

namespace {

const QString kKey = QStringLiteral("regform/splitter");

// A shown splitter of three panes, so that its sizes are real.
class CThreePanes
{
public:
    explicit CThreePanes(Qt::Orientation orientation = Qt::Horizontal)
    {
        m_Splitter.setOrientation(orientation);
        for (int i = 0; i < 3; ++i)
            m_Splitter.addWidget(new QWidget);
        m_Splitter.resize(600, 400);
        m_Splitter.show();
    }
    QSplitter m_Splitter;
};

} // namespace

class TestCmnSplitterState : public QObject
{
    Q_OBJECT
private slots:
    void roundTrip();
    void restoreWithoutUsableStateChangesNothing_data();
    void restoreWithoutUsableStateChangesNothing();
    void cutStateChangesNothing_data();
    void cutStateChangesNothing();
    void nullSplitterIsIgnored();
};

void TestCmnSplitterState::roundTrip()
{
    CTestSettingsScope scope;
    CThreePanes saved;
    saved.m_Splitter.setSizes({100, 300, 190});
    saved.m_Splitter.setChildrenCollapsible(false);
    const QList<int> sizes = saved.m_Splitter.sizes();
    CmnSaveSplitterState(&saved.m_Splitter, kKey);
    QCOMPARE(QSettings().value(kKey).toByteArray(), saved.m_Splitter.saveState());

    CThreePanes restored;
    QVERIFY(restored.m_Splitter.sizes() != sizes);
    CmnRestoreSplitterState(&restored.m_Splitter, kKey);
    QCOMPARE(restored.m_Splitter.sizes(), sizes);
    QCOMPARE(restored.m_Splitter.childrenCollapsible(), false);
}

void TestCmnSplitterState::restoreWithoutUsableStateChangesNothing_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::newRow("nothing stored") << QVariant();
    QTest::newRow("empty bytes") << QVariant(QByteArray());
    QTest::newRow("header only") << QVariant(QByteArray("\x00\x00\x00\xff\x00\x00\x00\x01", 8));
    QTest::newRow("pane count beyond the bytes")
        << QVariant(QByteArray("\x00\x00\x00\xff\x00\x00\x00\x01\x7f\xff\xff\xf0", 12));
    QTest::newRow("negative size")
        << QVariant(QByteArray("\x00\x00\x00\xff\x00\x00\x00\x01\x00\x00\x00\x01"
                               "\xff\xff\xff\x00\x01\xff\xff\xff\xff\x01\x00\x00\x00\x01\x00",
                               27));
    QTest::newRow("orientation out of range")
        << QVariant(QByteArray("\x00\x00\x00\xff\x00\x00\x00\x01\x00\x00\x00\x01"
                               "\x00\x00\x00\x10\x01\xff\xff\xff\xff\x01\x00\x00\x00\x07\x00",
                               27));
    QTest::newRow("wrong marker") << QVariant(QByteArray("\x00\x00\x00\xfe\x00\x00\x00\x01", 8));
    QTest::newRow("a text") << QVariant(QStringLiteral("wide"));
}

void TestCmnSplitterState::restoreWithoutUsableStateChangesNothing()
{
    QFETCH(QVariant, stored);
    CTestSettingsScope scope;
    if (stored.isValid())
        QSettings().setValue(kKey, stored);

    CThreePanes panes;
    panes.m_Splitter.setSizes({50, 450, 90});
    const QByteArray before = panes.m_Splitter.saveState();
    CmnRestoreSplitterState(&panes.m_Splitter, kKey);
    QCOMPARE(panes.m_Splitter.saveState(), before);
}

void TestCmnSplitterState::cutStateChangesNothing_data()
{
    QTest::addColumn<QByteArray>("cut");

    CThreePanes saved;
    saved.m_Splitter.setSizes({100, 300, 190});
    const QByteArray state = saved.m_Splitter.saveState();
    // The last byte is a flag that the splitter reads as clear when it is missing.
    for (qsizetype length = 1; length < state.size() - 1; ++length)
        QTest::addRow("%d bytes", int(length)) << state.left(length);
}

void TestCmnSplitterState::cutStateChangesNothing()
{
    QFETCH(QByteArray, cut);
    CTestSettingsScope scope;
    QSettings().setValue(kKey, cut);

    CThreePanes panes;
    panes.m_Splitter.setSizes({50, 450, 90});
    const QByteArray before = panes.m_Splitter.saveState();
    CmnRestoreSplitterState(&panes.m_Splitter, kKey);
    QCOMPARE(panes.m_Splitter.saveState(), before);
}

void TestCmnSplitterState::nullSplitterIsIgnored()
{
    CTestSettingsScope scope;
    CmnSaveSplitterState(nullptr, kKey);
    CmnRestoreSplitterState(nullptr, kKey);
    QVERIFY(!QSettings().contains(kKey));
}

QTEST_MAIN(TestCmnSplitterState)
#include "tst_cmnsplitterstate.moc"
