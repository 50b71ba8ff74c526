#include "cmncomboboxreadonlylineedit.h"

#include <QComboBox>
#include <QMouseEvent>

CCmnComboBoxReadOnlyLineEdit::CCmnComboBoxReadOnlyLineEdit(QComboBox *comboBox, QWidget *parent)
    : CCmnLineEdit(parent)
    , m_ComboBox(comboBox)
{
}

void CCmnComboBoxReadOnlyLineEdit::mousePressEvent(QMouseEvent *event)
{
    if (!m_ComboBox) {
        CCmnLineEdit::mousePressEvent(event);
        return;
    }
    m_ComboBox->showPopup();
    event->accept();
}
