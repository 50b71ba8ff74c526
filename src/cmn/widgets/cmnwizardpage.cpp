#include "cmnwizardpage.h"

CCmnWizardPage::CCmnWizardPage(QWidget *parent)
    : QWizardPage(parent)
{
}
