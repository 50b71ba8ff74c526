#include "cmnbitmaskcombobox.h"

#include <QAbstractItemView>
#include <QEvent>

namespace {

constexpr int kMaxBits = 64;

} // namespace

CCmnBitmaskComboBox::CCmnBitmaskComboBox(QWidget *parent)
    : CCmnCheckComboBox(parent)
{
    // The list toggles a check mark when the mouse is released, so the value at
    // the press is the one before the click. The view's own pressed() is no help:
    // a press on a check mark goes to the item delegate and emits nothing.
    view()->viewport()->installEventFilter(this);
    // Connected after the base class's own slot, so clicked() reaches this class
    // once the click is fully handled.
    connect(view(), &QAbstractItemView::clicked, this,
            &CCmnBitmaskComboBox::Slot_clicked_View_Value);
}

quint64 CCmnBitmaskComboBox::Value() const
{
    const QList<int> rows = CheckedRows(false, true);
    quint64 value = 0;
    for (int bit = 0; bit < rows.size() && bit < kMaxBits; ++bit) {
        if (IsRowChecked(rows.at(bit)))
            value |= quint64(1) << bit;
    }
    return value;
}

void CCmnBitmaskComboBox::SetValue(quint64 value)
{
    const QList<int> rows = CheckedRows(false, true);
    QList<int> ticked;
    for (int bit = 0; bit < rows.size() && bit < kMaxBits; ++bit) {
        if (value & (quint64(1) << bit))
            ticked.append(rows.at(bit));
    }
    CheckOnlyRows(ticked);
}

bool CCmnBitmaskComboBox::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == view()->viewport()
        && (event->type() == QEvent::MouseButtonPress
            || event->type() == QEvent::MouseButtonDblClick))
        m_ValueAtPress = Value();
    return CCmnCheckComboBox::eventFilter(watched, event);
}

void CCmnBitmaskComboBox::Slot_clicked_View_Value(const QModelIndex & /*index*/)
{
    if (SlotsBlocked())
        return;
    const quint64 previous = m_ValueAtPress;
    const quint64 value = Value();
    m_ValueAtPress = value;
    if (value != previous)
        Q_EMIT SignalValueChanged(value, previous);
}
