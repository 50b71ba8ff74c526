#include "cmnenabledlook.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

static void SetEnabledLook(QWidget *widget, bool enabled, const char *styleSheet)
{
    if (!widget)
        return;
    if (enabled) {
        widget->setStyleSheet(QString());
        return;
    }
    const QColor grey = QApplication::palette().color(QPalette::Disabled, QPalette::WindowText);
    widget->setStyleSheet(QString::fromLatin1(styleSheet).arg(grey.name()));
}

void CmnSetLabelEnabledLook(QWidget *widget, bool enabled)
{
    SetEnabledLook(widget, enabled, "QLabel { color: %1; }");
}

void CmnSetLineEditEnabledLook(QWidget *widget, bool enabled)
{
    SetEnabledLook(widget, enabled, "QLineEdit { color: %1; }");
}
