#pragma once

#include "cmnregexportcolumns.h"
#include "cmnwizardpanelpage.h"

class CCmnReg;
class CCmnRegExportColsPanel;

// The choice of a record table's columns as a page of the text export wizard,
// titled "Columns".
class CCmnRegExportColsPage : public CCmnWizardPanelPage
{
    Q_OBJECT
public:
    CCmnRegExportColsPage(const CCmnReg &reg, CCmnRegExportColumns *choice, QWidget *parent = nullptr);

    void InitPageData() override { m_PageCopy = *m_Choice; }
    void CommitPageData() override { *m_Choice = m_PageCopy; }

    CCmnRegExportColsPanel *ColsPanel() const { return m_ColsPanel.data(); }

private:
    CCmnRegExportColumns *m_Choice;
    CCmnRegExportColumns m_PageCopy;
    QSharedPointer<CCmnRegExportColsPanel> m_ColsPanel;
};
