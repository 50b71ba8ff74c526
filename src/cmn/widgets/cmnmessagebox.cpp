#include "cmnmessagebox.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QPushButton>

CCmnMessageBox::CCmnMessageBox(Icon icon, const QString &title, const QString &text,
                               StandardButtons buttons, QWidget *parent, Qt::WindowFlags flags,
                               const QString &checkBoxText)
    : QMessageBox(icon, title, text, buttons, parent, flags)
{
    if (!checkBoxText.isEmpty())
        setCheckBox(new QCheckBox(checkBoxText, this));
}

bool CCmnMessageBox::IsDontAskAgainChecked() const
{
    const QCheckBox *box = checkBox();
    return box && box->isChecked();
}

QString CCmnMessageBox::standardButtonText(StandardButton button) const
{
    if (const QAbstractButton *own = this->button(button))
        return own->text();
    // A button the box does not have: the button box inside every message box
    // makes the text, which the desktop's theme may change. Adding the button to
    // this box and taking it away again would stop the box from giving itself an
    // OK button when it has none.
    const auto standard = QDialogButtonBox::StandardButton(int(button));
    const QDialogButtonBox probe(standard);
    const QPushButton *made = probe.button(standard);
    return made ? made->text() : QString();
}
