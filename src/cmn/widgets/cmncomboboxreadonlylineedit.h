#pragma once

#include "cmnlineedit.h"

#include <QPointer>

class QComboBox;

// The line edit of a combo box that shows a text of its own but is chosen from
// its list: it cannot be typed into, and a click on it opens the list.
class CCmnComboBoxReadOnlyLineEdit : public CCmnLineEdit
{
    Q_OBJECT
public:
    // The combo box is not owned; it owns the line edit once it is given it.
    explicit CCmnComboBoxReadOnlyLineEdit(QComboBox *comboBox, QWidget *parent = nullptr);

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    QPointer<QComboBox> m_ComboBox;
};
