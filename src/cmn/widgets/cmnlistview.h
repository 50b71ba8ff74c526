#pragma once

#include "cmnslotblocker.h"

#include <QListView>

// A QListView with the framework's slot-blocking counter and, when its owner
// switches it on, type-ahead: typed letters gather into a text, and the first row
// whose display text starts with it, ignoring letter case, becomes current.
// The typed text has no time-out; it lives as long as the view and only Backspace
// and Delete shorten it.
class CCmnListView : public QListView, public CCmnSlotBlockingMixin
{
    Q_OBJECT
public:
    explicit CCmnListView(QWidget *parent = nullptr);

    bool TypeAhead() const { return m_TypeAhead; }
    void SetTypeAhead(bool on) { m_TypeAhead = on; }
    QString TypedText() const { return m_TypedText; }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    // Called when the typed text matches no row.
    virtual void Beep();

private:
    void SearchTypedText();

    bool m_TypeAhead = false;
    QString m_TypedText;
};
