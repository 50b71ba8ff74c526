#pragma once

#include <QImage>
#include <QString>
#include <QWidget>

// Shows the window at the given size (its own when empty) and grabs it. The picture
// is kept in the folder that ORV_RENDER_DIR names, when set, for a look. False when
// nothing was drawn or the picture could not be kept.
inline bool OrvRenderForReview(QWidget &window, const QSize &size, const QString &file)
{
    if (!size.isEmpty())
        window.resize(size);
    window.show();
    const QImage image = window.grab().toImage();
    if (image.isNull())
        return false;
    const QString folder = qEnvironmentVariable("ORV_RENDER_DIR");
    return folder.isEmpty() || image.save(folder + QLatin1Char('/') + file);
}
