#include "cmnprogressdialog.h"

#include <QAbstractEventDispatcher>
#include <QElapsedTimer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {

// The dialog with its clock pinned by the test (unless told to keep the real one)
// and a record of every value it refreshed.
class CProbeProgressDialog : public CCmnProgressDialog
{
public:
    explicit CProbeProgressDialog(bool realClock = false)
        : m_RealClock(realClock)
    {
    }

    qint64 m_Now = 0;
    QList<int> m_Refreshed;

protected:
    qint64 ElapsedMilliseconds() const override
    {
        return m_RealClock ? CCmnProgressDialog::ElapsedMilliseconds() : m_Now;
    }
    void RefreshValue(int value) override
    {
        m_Refreshed << value;
        CCmnProgressDialog::RefreshValue(value);
    }

private:
    const bool m_RealClock;
};

// Runs a script of words: "N" next phase (with the text "Pass"), "M<n>" set the
// maximum, "P<n>" set the progress.
void RunScript(CCmnProgressDialog &dialog, const QString &script)
{
    for (const QString &word : script.split(u' ', Qt::SkipEmptyParts)) {
        const int number = word.mid(1).toInt();
        if (word == u"N")
            dialog.NextPhase(QStringLiteral("Pass"));
        else if (word.startsWith(u'M'))
            dialog.SetMaximum(number);
        else if (word.startsWith(u'P'))
            dialog.SetProgress(number);
        else
            QFAIL(qPrintable(QStringLiteral("bad script word ") + word));
    }
}

// A long operation as the program writes them: one pass of the given number of
// steps, polling for Cancel after each; the clock moves one millisecond a step.
QString RunOperation(CProbeProgressDialog &dialog, int steps, int &done)
{
    dialog.NextPhase(QStringLiteral("Reading records"));
    dialog.SetMaximum(steps);
    for (int step = 1; step <= steps; ++step) {
        dialog.m_Now = step;
        dialog.SetProgress(step);
        if (dialog.WasCanceled())
            return QStringLiteral("!");
        ++done;
    }
    return {};
}

} // namespace

class TestCmnProgressDialog : public QObject
{
    Q_OBJECT
private slots:
    void setupMakesModalDialogThatStaysAtMaximum();
    void setupKeepsTitleWhenEmpty();
    void phasesOffShowCallersTexts();
    void phaseLabels_data();
    void phaseLabels();
    void refreshesPacedByClock_data();
    void refreshesPacedByClock();
    void labelChangeRefreshesAtOnce();
    void cancelEndsOperation_data();
    void cancelEndsOperation();
    void manyStepsCostLittle();
};

void TestCmnProgressDialog::setupMakesModalDialogThatStaysAtMaximum()
{
    CProbeProgressDialog dialog;
    dialog.setMinimumDuration(0);
    dialog.Setup(QStringLiteral("Opening document"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Opening document"));
    QCOMPARE(dialog.windowModality(), Qt::ApplicationModal);
    auto *cancel = dialog.findChild<QPushButton *>();
    QVERIFY(cancel);
    QCOMPARE(cancel->text(), QStringLiteral("&Cancel"));

    dialog.SetMaximum(40);
    QCOMPARE(dialog.maximum(), 40);
    QCOMPARE(dialog.value(), 0);
    for (int value = 1; value <= 40; ++value) {
        dialog.m_Now = value * 10;
        dialog.SetProgress(value);
    }
    // Without the automatic reset the full bar stays up until the operation ends.
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.value(), 40);
    QVERIFY(!dialog.WasCanceled());
}

void TestCmnProgressDialog::setupKeepsTitleWhenEmpty()
{
    CCmnProgressDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Saving"));
    dialog.Setup(QString());
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Saving"));
}

void TestCmnProgressDialog::phasesOffShowCallersTexts()
{
    CCmnProgressDialog dialog;
    dialog.NextPhase(QStringLiteral("Reading records"));
    QCOMPARE(dialog.labelText(), QStringLiteral("Reading records"));
    RunScript(dialog, QStringLiteral("M100 P10 P100 M50 P5 P0"));
    QCOMPARE(dialog.labelText(), QStringLiteral("Reading records"));
    dialog.NextPhase(QStringLiteral("Checking records"));
    QCOMPARE(dialog.labelText(), QStringLiteral("Checking records"));
}

void TestCmnProgressDialog::phaseLabels_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("label");

    const QString ramp = QStringLiteral(" P10 P20 P30 P40 P50 P60 P70 P80 P90 P100");
    QTest::newRow("first phase") << QStringLiteral("N") << QStringLiteral("Phase 1");
    QTest::newRow("growing values") << QStringLiteral("N M100") + ramp << QStringLiteral("Phase 1");
    QTest::newRow("equal values") << QStringLiteral("N M100 P30 P30 P30") << QStringLiteral("Phase 1");
    QTest::newRow("second pass") << QStringLiteral("N M100") + ramp + QStringLiteral(" M50")
                                 << QStringLiteral("Phase 1.a");
    QTest::newRow("third pass") << QStringLiteral("N M100 P100 M50 P5 M20") << QStringLiteral("Phase 1.b");
    QTest::newRow("lower value without new maximum")
        << QStringLiteral("N M100 P40 P39") << QStringLiteral("Phase 1.a");
    QTest::newRow("pass that never rose") << QStringLiteral("N M100 M50 M20") << QStringLiteral("Phase 1");
    QTest::newRow("next phase") << QStringLiteral("N M100") + ramp + QStringLiteral(" M50 N")
                                << QStringLiteral("Phase 2");
    QTest::newRow("zero after full phase") << QStringLiteral("N M100 P100 N P0") << QStringLiteral("Phase 2");
    QTest::newRow("new maximum after full phase")
        << QStringLiteral("N M100 P100 N M80") << QStringLiteral("Phase 2");
    QTest::newRow("26th restart") << QStringLiteral("N N N M10") + QStringLiteral(" P5 M10").repeated(26)
                                  << QStringLiteral("Phase 3.z");
    QTest::newRow("27th restart") << QStringLiteral("N N N M10") + QStringLiteral(" P5 M10").repeated(27)
                                  << QStringLiteral("Phase 3.a1");
}

void TestCmnProgressDialog::phaseLabels()
{
    QFETCH(QString, script);
    QFETCH(QString, label);

    CCmnProgressDialog dialog;
    dialog.EnablePhases();
    RunScript(dialog, script);
    QCOMPARE(dialog.labelText(), label);
}

void TestCmnProgressDialog::refreshesPacedByClock_data()
{
    QTest::addColumn<int>("msPerStep");
    QTest::addColumn<QList<int>>("refreshed");

    // Values 0 to 12 of a pass of 12; the pass's start and end always show.
    QTest::newRow("frozen clock") << 0 << QList<int>{0, 12};
    QTest::newRow("30 ms a step") << 30 << QList<int>{0, 4, 8, 12};
    QTest::newRow("99 ms a step") << 99 << QList<int>{0, 2, 4, 6, 8, 10, 12};
    QTest::newRow("100 ms a step") << 100 << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
}

void TestCmnProgressDialog::refreshesPacedByClock()
{
    QFETCH(int, msPerStep);
    QFETCH(QList<int>, refreshed);

    CProbeProgressDialog dialog;
    dialog.Setup(QString());
    dialog.SetMaximum(12);
    for (int value = 1; value <= 12; ++value) {
        dialog.m_Now = qint64(value) * msPerStep;
        dialog.SetProgress(value);
        QCOMPARE(dialog.value(), dialog.m_Refreshed.last());
    }
    QCOMPARE(dialog.m_Refreshed, refreshed);
}

void TestCmnProgressDialog::labelChangeRefreshesAtOnce()
{
    // The clock stands still, so only a changed label or a full bar refreshes.
    CProbeProgressDialog phases;
    phases.EnablePhases();
    RunScript(phases, QStringLiteral("N M100 P50 P60 M50 P10 P20 N P5 P6 M10 P10"));
    QCOMPARE(phases.labelText(), QStringLiteral("Phase 2.a"));
    QCOMPARE(phases.m_Refreshed, (QList<int>{0, 0, 5, 0, 10}));

    CProbeProgressDialog texts;
    RunScript(texts, QStringLiteral("M100 P50 P60"));
    texts.NextPhase(QStringLiteral("Indexing"));
    RunScript(texts, QStringLiteral("P70 P80"));
    QCOMPARE(texts.m_Refreshed, (QList<int>{0, 70}));
}

void TestCmnProgressDialog::cancelEndsOperation_data()
{
    QTest::addColumn<bool>("closeWindow");
    QTest::newRow("Cancel button") << false;
    QTest::newRow("window closed") << true;
}

void TestCmnProgressDialog::cancelEndsOperation()
{
    QFETCH(bool, closeWindow);

    CProbeProgressDialog dialog;
    dialog.setMinimumDuration(0);
    dialog.Setup(QStringLiteral("Saving document"));
    dialog.EnablePhases();
    auto *cancel = dialog.findChild<QPushButton *>();
    QVERIFY(cancel);
    // Queued, so the user's action arrives while the operation holds the thread and
    // is seen only when the dialog lets the toolkit process events.
    if (closeWindow)
        QMetaObject::invokeMethod(&dialog, &QWidget::close, Qt::QueuedConnection);
    else
        QMetaObject::invokeMethod(cancel, &QAbstractButton::click, Qt::QueuedConnection);

    const int steps = 100000;
    int done = 0;
    QCOMPARE(RunOperation(dialog, steps, done), QStringLiteral("!"));
    QVERIFY2(done < 1000, qPrintable(QString::number(done)));
    QVERIFY(dialog.WasCanceled());
    QVERIFY(!dialog.isVisible());

    // Whatever the operation reports afterwards, it keeps seeing the cancellation.
    dialog.SetProgress(done + 1);
    dialog.SetMaximum(10);
    QVERIFY(dialog.WasCanceled());
}

void TestCmnProgressDialog::manyStepsCostLittle()
{
    CProbeProgressDialog dialog(true);
    dialog.setMinimumDuration(0);
    dialog.Setup(QStringLiteral("Writing records"));
    dialog.EnablePhases();
    // Counts the times the toolkit really processed events, beside the refreshes.
    QSignalSpy eventPasses(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::awake);

    const int steps = 100000;
    QElapsedTimer timer;
    timer.start();
    dialog.NextPhase(QString());
    dialog.SetMaximum(steps);
    for (int step = 1; step <= steps; ++step) {
        dialog.SetProgress(step);
        if (dialog.WasCanceled())
            QFAIL("cancelled without a user");
    }
    const qint64 elapsed = timer.elapsed();

    QVERIFY2(elapsed < 1000, qPrintable(QStringLiteral("%1 ms").arg(elapsed)));
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.value(), steps);
    QCOMPARE(dialog.labelText(), QStringLiteral("Phase 1"));
    // The start and the end of the pass, and at most one refresh per interval between.
    const qint64 bound = elapsed / CCmnProgressDialog::kRefreshIntervalMs + 2;
    QVERIFY2(dialog.m_Refreshed.size() <= bound,
             qPrintable(QStringLiteral("%1 refreshes in %2 ms").arg(dialog.m_Refreshed.size()).arg(elapsed)));
    QVERIFY2(eventPasses.count() <= dialog.m_Refreshed.size(),
             qPrintable(QStringLiteral("%1 event passes").arg(eventPasses.count())));
}

QTEST_MAIN(TestCmnProgressDialog)
#include "tst_cmnprogressdialog.moc"
