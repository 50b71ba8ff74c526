#pragma once

#include <QObject>

// An event filter that swallows presses of one key while it is enabled, so that
// Return in a field does not also press the window's default button. The owner
// makes it as a child, installs it on the widget to watch and enables it when
// needed. The keypad's Enter is a different key and always passes.
class CCmnKeyEventEater : public QObject
{
    Q_OBJECT
public:
    // Disabled at first.
    CCmnKeyEventEater(qint32 key, QObject *parent);
    ~CCmnKeyEventEater() override;

    qint32 Key() const { return m_Key; }
    bool IsEnabled() const { return m_Enabled; }
    void SetEnabled(bool enabled) { m_Enabled = enabled; }

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    qint32 m_Key;
    bool m_Enabled = false;
};
