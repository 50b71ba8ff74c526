#pragma once

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QStringList>
#include <QTabBar>
#include <QTextEdit>
#include <QWidget>

// The input widgets of the window shown now (outside its button box and tab
// bar) that have no What's This text, by class and text.
inline QStringList OrvWidgetsWithoutHelp(const QWidget &window)
{
    QStringList missing;
    for (QWidget *widget : window.findChildren<QWidget *>()) {
        const bool input = qobject_cast<QAbstractButton *>(widget) || qobject_cast<QComboBox *>(widget)
                           || qobject_cast<QAbstractSpinBox *>(widget) || qobject_cast<QTextEdit *>(widget)
                           || qobject_cast<QAbstractSlider *>(widget);
        if (!input || qobject_cast<QDialogButtonBox *>(widget->parentWidget()) || !widget->isVisibleTo(&window)
            || qobject_cast<QTabBar *>(widget->parentWidget()))
            continue;
        if (widget->whatsThis().isEmpty())
            missing << QStringLiteral("%1 '%2'").arg(QLatin1String(widget->metaObject()->className()),
                                                     widget->property("text").toString());
    }
    return missing;
}
