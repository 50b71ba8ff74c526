#pragma once

#include "cmnpaneldialog.h"

class CCmnReg;
class CCmnRegExportColsPanel;
class CCmnRegExportColumns;

// The choice of a record table's columns as a dialog, before an export or a
// printout.
class CCmnRegExportColsDialog : public CCmnPanelDialog
{
    Q_OBJECT
public:
    CCmnRegExportColsDialog(const CCmnReg &reg, const QString &helpPage, CCmnRegExportColumns *choice,
                            QWidget *parent = nullptr);

    CCmnRegExportColsPanel *ColsPanel() const { return m_ColsPanel.data(); }

private:
    QSharedPointer<CCmnRegExportColsPanel> m_ColsPanel;
};
