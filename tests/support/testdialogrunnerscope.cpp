#include "testdialogrunnerscope.h"

#include <QDialog>

CTestDialogRunnerScope::CTestDialogRunnerScope(TCmnDialogRunner runner)
{
    m_Previous = CmnSetDialogRunner([this, runner](QDialog &dialog) {
        m_Titles << dialog.windowTitle();
        return runner ? runner(dialog) : int(QDialog::Rejected);
    });
}

CTestDialogRunnerScope::~CTestDialogRunnerScope()
{
    CmnSetDialogRunner(m_Previous);
}

int OrvAcceptDialog(QDialog &dialog)
{
    dialog.accept();
    return dialog.result();
}
