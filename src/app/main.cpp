#include "cmnappdescriptor.h"
#include "cmnframework.h"
#include "cmnproxystyleex.h"
#include "cmnshellvalues.h"
#include "programstartup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    CCmnAppDescriptor descriptor;
    FillAppDescriptor(descriptor);
    CmnInitFramework(descriptor);
    CreateProgramSettings();
    // Dialogs get a title bar and a system menu, and no context-help button.
    CmnDefaultDialogFlags = Qt::WindowTitleHint | Qt::WindowSystemMenuHint;

    QApplication application(argc, argv);
    QApplication::setStyle(new CCmnProxyStyleEx);
    CProgramHooks hooks;
    hooks.m_Run.m_Arguments = QApplication::arguments();
    const int result = RunProgram(hooks);
    DestroyProgramSettings();
    return result;
}
