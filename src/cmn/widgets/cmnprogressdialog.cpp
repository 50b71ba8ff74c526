#include "cmnprogressdialog.h"

#include "cmntext.h"

CCmnProgressDialog::CCmnProgressDialog(QWidget *parent, Qt::WindowFlags flags)
    : QProgressDialog(parent, flags)
{
    m_Clock.start();
}

void CCmnProgressDialog::Setup(const QString &title)
{
    if (!title.isEmpty())
        setWindowTitle(title);
    setWindowModality(Qt::ApplicationModal);
    setAutoReset(false);
    setCancelButtonText(QStringLiteral("&Cancel"));
}

void CCmnProgressDialog::EnablePhases()
{
    m_PhasesOn = true;
}

void CCmnProgressDialog::NextPhase(const QString &text)
{
    if (!m_PhasesOn) {
        SetLabel(text);
        return;
    }
    ++m_Phase;
    m_SubPhase = -1;
    SetLabel(QStringLiteral("Phase %1").arg(m_Phase));
}

void CCmnProgressDialog::SetProgress(int value)
{
    if (m_PhasesOn) {
        if (m_SubPhase == -1) {
            // The first value of a phase changes no text, whatever the last pass left.
            m_SubPhase = 0;
        } else if (value < m_LastValue) {
            ++m_SubPhase;
            SetLabel(QStringLiteral("Phase %1.%2").arg(m_Phase).arg(CmnShortSequenceLabel(m_SubPhase)));
        }
        m_LastValue = value;
    }

    const bool due = !m_EverRefreshed || m_LabelChanged || value == maximum()
                     || ElapsedMilliseconds() - m_LastRefreshMs >= kRefreshIntervalMs;
    if (!due)
        return;
    m_EverRefreshed = true;
    m_LabelChanged = false;
    RefreshValue(value);
    // Timed from the end of the refresh, so that slow painting cannot eat up the
    // operation's own time.
    m_LastRefreshMs = ElapsedMilliseconds();
}

void CCmnProgressDialog::SetMaximum(int maximum)
{
    SetProgress(0);
    setMaximum(maximum);
}

bool CCmnProgressDialog::WasCanceled() const
{
    return wasCanceled();
}

qint64 CCmnProgressDialog::ElapsedMilliseconds() const
{
    return m_Clock.elapsed();
}

void CCmnProgressDialog::RefreshValue(int value)
{
    setValue(value);
}

void CCmnProgressDialog::SetLabel(const QString &text)
{
    setLabelText(text);
    m_LabelChanged = true;
}
