#include "cmndialogrunner.h"

#include <QDialog>

namespace {

TCmnDialogRunner &CurrentDialogRunner()
{
    static TCmnDialogRunner runner;
    return runner;
}

} // namespace

int CmnExecDialog(QDialog &dialog)
{
    // A copy: a runner may put another in place while it runs.
    const TCmnDialogRunner runner = CurrentDialogRunner();
    return runner ? runner(dialog) : dialog.exec();
}

TCmnDialogRunner CmnSetDialogRunner(TCmnDialogRunner runner)
{
    return std::exchange(CurrentDialogRunner(), std::move(runner));
}
