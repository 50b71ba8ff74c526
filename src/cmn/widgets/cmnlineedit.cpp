#include "cmnlineedit.h"

#include "cmntext.h"

CCmnLineEdit::CCmnLineEdit(QWidget *parent)
    : QLineEdit(parent)
{
}

void CCmnLineEdit::SetMinimumWidthInChars(qint32 n)
{
    m_MinimumWidthInChars = n;
    setMinimumWidth(CmnWidthForChars(fontMetrics(), n));
}

void CCmnLineEdit::SetMaximumWidthInChars(qint32 n)
{
    m_MaximumWidthInChars = n;
    setMaximumWidth(CmnWidthForChars(fontMetrics(), n));
}

void CCmnLineEdit::Slot_this_returnPressed()
{
    if (m_KeepLastGoodText)
        m_LastGoodText = text();
}

void CCmnLineEdit::focusInEvent(QFocusEvent *event)
{
    if (m_KeepLastGoodText)
        m_LastGoodText = text();
    QLineEdit::focusInEvent(event);
}

void CCmnLineEdit::focusOutEvent(QFocusEvent *event)
{
    // Only the user's own edits are undone: text the program set stays, even when
    // the validator would reject it.
    if (m_KeepLastGoodText && isModified() && !hasAcceptableInput())
        setText(m_LastGoodText);
    QLineEdit::focusOutEvent(event);
}
