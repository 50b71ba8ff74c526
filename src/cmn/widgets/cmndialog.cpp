#include "cmndialog.h"

#include "cmndialogbuttonbox.h"
#include "cmntabordialogorpanelorpagemixin.h"

CCmnDialog::CCmnDialog(QWidget *parent, Qt::WindowFlags flags)
    : QDialog(parent, flags)
{
}

CCmnDialog::~CCmnDialog()
{
    m_GeometryKeeper.Save(this);
}

void CCmnDialog::SetGeometryKeeper(const CCmnGeometryKeeper &keeper)
{
    m_GeometryKeeper = keeper;
    m_GeometryKeeper.Restore(this);
}

bool CCmnDialog::event(QEvent *event)
{
    if (CmnOpenWhatsThisLink(event, this))
        return true;
    return QDialog::event(event);
}

CCmnDialogButtonBox *CCmnDialog::NewButtonBox(QDialogButtonBox::StandardButtons buttons, bool withHelp,
                                              Qt::Orientation orientation)
{
    if (withHelp)
        buttons |= QDialogButtonBox::Help;
    auto *buttonBox = new CCmnDialogButtonBox(buttons, orientation, this);
    connect(buttonBox, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
    return buttonBox;
}

void CCmnDialog::AddWhatsThisButton()
{
    setWindowFlags(windowFlags() | Qt::WindowContextHelpButtonHint);
}
