#include "cmnmainwindowex.h"

#include <QSettings>
#include <QStringList>

CCmnMainWindowEx::CCmnMainWindowEx(QWidget *parent)
    : QMainWindow(parent)
{
}

CCmnMainWindowEx::~CCmnMainWindowEx() = default;

QString CCmnMainWindowEx::MostRecentFile() const
{
    const QStringList files = QSettings().value(QStringLiteral("mainwindow/mru")).toStringList();
    return files.isEmpty() ? QString() : files.constFirst();
}
