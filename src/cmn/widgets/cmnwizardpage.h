#pragma once

#include "cmnslotblocker.h"

#include <QWizardPage>

// A QWizardPage with the framework's slot-blocking counter.
class CCmnWizardPage : public QWizardPage, public CCmnSlotBlockingMixin
{
    Q_OBJECT
public:
    explicit CCmnWizardPage(QWidget *parent = nullptr);
};
