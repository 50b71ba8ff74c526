#include "cmncolorchooser.h"

#include <utility>

namespace {

TCmnColorChooser &CurrentChooser()
{
    static TCmnColorChooser chooser;
    return chooser;
}

} // namespace

QColor CmnGetColor(const QColor &initial, QWidget *parent, const QString &title,
                   QColorDialog::ColorDialogOptions options)
{
    const TCmnColorChooser &chooser = CurrentChooser();
    if (chooser)
        return chooser({initial, parent, title, options});
    return QColorDialog::getColor(initial, parent, title, options);
}

TCmnColorChooser CmnSetColorChooser(TCmnColorChooser chooser)
{
    return std::exchange(CurrentChooser(), std::move(chooser));
}
