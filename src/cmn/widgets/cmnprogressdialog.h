#pragma once

#include "cmnprogress.h"
#include "cmnslotblocker.h"

#include <QElapsedTimer>
#include <QProgressDialog>

// The dialog that a long operation on the GUI thread drives step by step and polls
// for Cancel. For operations made of several passes it can number them: the label
// then shows "Phase 2", and "Phase 2.a", "Phase 2.b"... each time a pass restarts
// its count inside the same phase, so the user sees progress even when the bar
// runs from the start several times.
//
// A modal progress dialog lets the toolkit process pending events at every value
// change; an operation that reports each of a hundred thousand steps would spend
// most of its time repainting. So the value reaches the bar, with its event
// processing, only every so often, plus whenever the label has changed and when a
// pass reaches its maximum.
class CCmnProgressDialog : public QProgressDialog, public CCmnSlotBlockingMixin, public CCmnProgress
{
    Q_OBJECT
public:
    // The shortest time between two refreshes in the middle of a pass.
    static constexpr qint64 kRefreshIntervalMs = 100;

    explicit CCmnProgressDialog(QWidget *parent = nullptr, Qt::WindowFlags flags = {});

    // Title (kept when empty), application-modal, no automatic reset at the
    // maximum, and the Cancel button's text.
    void Setup(const QString &title);
    // Numbers the phases instead of showing the callers' texts; call it once,
    // before the first phase.
    void EnablePhases();
    void NextPhase(const QString &text) override;
    void SetProgress(int value) override;
    // Starts a pass: the value goes back to 0 first, which begins a new sub-phase
    // when the previous pass had got above 0.
    void SetMaximum(int maximum) override;
    [[nodiscard]] bool WasCanceled() const override;

protected:
    // Milliseconds from a fixed start; paces the refreshes.
    [[nodiscard]] virtual qint64 ElapsedMilliseconds() const;
    // Shows the value on the bar; once the dialog is shown, that lets the toolkit
    // process pending events, so the dialog repaints and Cancel is seen.
    virtual void RefreshValue(int value);

private:
    void SetLabel(const QString &text);

    bool m_PhasesOn = false;
    qint32 m_Phase = 0;
    // -1 right after a phase began, then 0, then 1, 2... for each restart.
    qint32 m_SubPhase = 0;
    qint32 m_LastValue = 0;

    QElapsedTimer m_Clock;
    bool m_EverRefreshed = false;
    // The label changed since the last refresh, so the next value is shown at once.
    bool m_LabelChanged = false;
    qint64 m_LastRefreshMs = 0;
};
