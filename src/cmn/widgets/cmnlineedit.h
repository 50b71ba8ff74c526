#pragma once

#include "cmnslotblocker.h"

#include <QLineEdit>

// A QLineEdit with the slot-blocking counter, widths measured in characters and,
// on request, a memory of its last good text: an edit with a validator can put
// that text back when the user leaves it holding something the validator rejects.
class CCmnLineEdit : public QLineEdit, public CCmnSlotBlockingMixin
{
    Q_OBJECT
public:
    explicit CCmnLineEdit(QWidget *parent = nullptr);

    // The width of "x" times (n + 2) in the edit's current font.
    void SetMinimumWidthInChars(qint32 n);
    void SetMaximumWidthInChars(qint32 n);
    // -1 until set.
    qint32 MinimumWidthInChars() const { return m_MinimumWidthInChars; }
    qint32 MaximumWidthInChars() const { return m_MaximumWidthInChars; }

    // With this on, the text is remembered on focus-in and on Return, and put back
    // on focus-out when the user changed it into something unacceptable. The owner
    // also connects returnPressed() to Slot_this_returnPressed().
    void SetKeepLastGoodText(bool keep) { m_KeepLastGoodText = keep; }
    bool KeepLastGoodText() const { return m_KeepLastGoodText; }
    QString LastGoodText() const { return m_LastGoodText; }

public Q_SLOTS:
    void Slot_this_returnPressed();

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    qint32 m_MinimumWidthInChars = -1;
    qint32 m_MaximumWidthInChars = -1;
    bool m_KeepLastGoodText = false;
    QString m_LastGoodText;
};
