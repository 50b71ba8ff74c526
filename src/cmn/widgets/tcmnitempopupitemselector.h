#pragma once

#include "cmnframe.h"
#include "tcmnitemchoices.h"

#include <QMouseEvent>

// One square cell of an item popup. It shows one value of the palette (painted by
// the instantiation) and is marked when it shows the popup's value. The mouse
// gives it the focus while a button is held, and a release selects it; keys are
// left to the popup, which navigates the grid.
template <typename T>
class TCmnItemPopupItemSelector : public CCmnFrame
{
public:
    TCmnItemPopupItemSelector(const TCmnItemChoices<T> *choices, QWidget *parent)
        : CCmnFrame(parent), m_Choices(choices), m_Value(), m_Marked(false)
    {
    }

    const TCmnItemChoices<T> *Choices() const { return m_Choices; }
    const T &Value() const { return m_Value; }
    const QString &Name() const { return m_Name; }

    void SetItem(const T &value, const QString &name)
    {
        m_Value = value;
        m_Name = name;
    }

    bool IsMarked() const { return m_Marked; }
    void SetMarked(bool marked) { m_Marked = marked; }

protected:
    virtual void EmitClicked() = 0;
    virtual void EmitSelected() = 0;

    void mousePressEvent(QMouseEvent *event) override
    {
        setFocus(Qt::MouseFocusReason);
        update();
        event->accept();
    }

    void mouseMoveEvent(QMouseEvent *event) override
    {
        if (event->buttons() != Qt::NoButton) {
            setFocus(Qt::MouseFocusReason);
            update();
        }
        event->accept();
    }

    void mouseReleaseEvent(QMouseEvent *event) override
    {
        event->accept();
        EmitClicked();
        m_Marked = true;
        EmitSelected();
    }

private:
    const TCmnItemChoices<T> *m_Choices;
    T m_Value;
    QString m_Name;
    bool m_Marked;
};
