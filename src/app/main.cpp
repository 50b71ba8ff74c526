#include "cmnappdescriptor.h"
#include "cmnframework.h"
#include "cmnproxystyleex.h"
#include "cmnshellvalues.h"
#include "programstartup.h"

#include <QApplication>

namespace {

// The one place that names the update server; tests never reach it.
const char kUpdateInfoAddress[] = "https://updates.orvanta.example";

} // namespace

int main(int argc, char *argv[])
{
    CCmnAppDescriptor descriptor;
    FillAppDescriptor(descriptor);
    descriptor.m_UpdateInfoAddress = QLatin1String(kUpdateInfoAddress);
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
