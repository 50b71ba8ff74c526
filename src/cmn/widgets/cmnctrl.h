#pragma once

#include "cmnslotblocker.h"

#include <QLayout>
#include <QList>
#include <QObject>
#include <QPointer>

class CCmnTabOrDialogOrPanelOrPageMixin;
class QWidget;

// The base of composite controls: a group of widgets that edits one value (a font,
// a highlight, a picture). It is not a widget; the window it is placed in owns the
// widgets, and the control keeps only their list. Derived controls add their own
// exchange and enabling.
class CCmnCtrl : public QObject, public CCmnSlotBlockingMixin
{
    Q_OBJECT
public:
    // The parent is the host the control works for.
    explicit CCmnCtrl(QObject *parent = nullptr);
    // A control never placed in a window still owns its layout and the widgets in it.
    ~CCmnCtrl() override;

    // Takes the layout that holds the control's widgets and lists every widget in
    // it, nested layouts included.
    void SetLayout(QLayout *layout);

    // Attaches the What's This texts of the control's widgets through
    // SetWidgetHelpName, with help names built from the given one (the base has none).
    virtual void RegisterWhatsThis(CCmnTabOrDialogOrPanelOrPageMixin *mixin, const QString &name);

    QObject *Owner() const { return m_Owner; }
    QLayout *Layout() const { return m_Layout; }
    const QList<QWidget *> &Widgets() const { return m_Widgets; }
    // The host's focus widget for the control; null without widgets.
    QWidget *FirstWidget() const { return m_FirstWidget; }

private:
    QObject *m_Owner;
    QPointer<QLayout> m_Layout; // the window's once placed, and may go with it
    QList<QWidget *> m_Widgets;
    QWidget *m_FirstWidget = nullptr;
};
