#pragma once

#include "cmncheckcombobox.h"

#include <QtGlobal>

// A check combo box that edits a 64-bit mask: the n-th plain checkable row (in
// row order, counting every such row) stands for bit n, so at most 64 rows count.
class CCmnBitmaskComboBox : public CCmnCheckComboBox
{
    Q_OBJECT
public:
    explicit CCmnBitmaskComboBox(QWidget *parent = nullptr);

    // The bits of the ticked rows.
    [[nodiscard]] quint64 Value() const;
    // Ticks exactly the rows of the set bits and updates the summary. Bits
    // without a row are dropped. Being the program's change, it emits nothing.
    void SetValue(quint64 value);

Q_SIGNALS:
    // The user's click in the list changed the mask: the new mask and the one it
    // had when the click began.
    void SignalValueChanged(quint64 value, quint64 previous);

public Q_SLOTS:
    // Runs after the base class has handled the click.
    void Slot_clicked_View_Value(const QModelIndex &index);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    quint64 m_ValueAtPress = 0;
};
