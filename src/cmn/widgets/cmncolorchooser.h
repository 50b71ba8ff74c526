#pragma once

#include <QColor>
#include <QColorDialog>
#include <QString>

#include <functional>

class QWidget;

// Every free colour choice goes through CmnGetColor, so that tests can answer in
// place of the toolkit's colour dialog and never wait on one. It returns the
// chosen colour, or an invalid colour when the user cancels.
QColor CmnGetColor(const QColor &initial, QWidget *parent, const QString &title = QString(),
                   QColorDialog::ColorDialogOptions options = {});

// What a colour chooser is asked.
struct CCmnColorChooserRequest
{
    QColor m_Initial;
    QWidget *m_Parent;
    QString m_Title;
    QColorDialog::ColorDialogOptions m_Options;
};

using TCmnColorChooser = std::function<QColor(const CCmnColorChooserRequest &)>;

// Replaces the chooser and returns the one it replaces; an empty chooser restores
// the toolkit's colour dialog.
TCmnColorChooser CmnSetColorChooser(TCmnColorChooser chooser);
