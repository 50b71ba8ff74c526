#pragma once

#include "cmnslotblocker.h"
#include "cmntabordialogorpanelorpagemixin.h"

#include <QObject>

class CCmnDataExchange;

// A reusable group of controls with its own help page, initial focus and data
// exchange, shown in a panel dialog or on a wizard page, so that one group serves
// both. It is not a widget: it builds its widgets in its constructor into a layout
// its host passes, and they belong to the host's window. Hosts share the panel
// through a QSharedPointer, so a shared panel has no parent object.
class CCmnPanel : public QObject, public CCmnTabOrDialogOrPanelOrPageMixin, public CCmnSlotBlockingMixin
{
    Q_OBJECT
public:
    // The flags mean what the derived panel says.
    explicit CCmnPanel(qint32 flags = 0, QObject *parent = nullptr);

    virtual bool DataExchange(CCmnDataExchange *context);
    // True when the panel has a help page.
    virtual bool HasHelp() const;
    virtual void ShowHelp(QWidget *parent);
    virtual void SetInitialFocus();

    qint32 Flags() const { return m_Flags; }

private:
    qint32 m_Flags;
};
