#pragma once

#include "cmnenumselectdialog.h"

#include <QList>
#include <QMouseEvent>

class CCmnRadioButton;
class QButtonGroup;

// The choice dialog with one radio button per choice, laid out in columns that are
// filled from top to bottom, one after the other. A double click on a choice
// chooses it and accepts the dialog, as OK would.
class CCmnEnumRadioSelectDialog : public CCmnEnumSelectDialog
{
    Q_OBJECT
public:
    explicit CCmnEnumRadioSelectDialog(QWidget *parent = nullptr);
    ~CCmnEnumRadioSelectDialog() override;

    bool DataExchange(CCmnDataExchange *context) override;
    void CreateChoiceWidgets() override;
    void AddChoiceWidgets(QBoxLayout *layout) override;

    // One per choice, in choice order; empty before the dialog is prepared.
    const QList<CCmnRadioButton *> &RadioButtons() const { return m_RadioButtons; }
    QButtonGroup *ButtonGroup() const { return m_ButtonGroup; }

    // Below 1 counts as 1.
    qint32 m_Columns = 1;

public Q_SLOTS:
    void Slot_Radio_DoubleClicked(QMouseEvent *event);

private:
    QList<CCmnRadioButton *> m_RadioButtons;
    QButtonGroup *m_ButtonGroup;
};
