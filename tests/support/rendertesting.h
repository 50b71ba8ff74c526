#pragma once

#include <QImage>
#include <QString>
#include <QWidget>

// Where a picture made for a look is kept: the file in the folder that
// ORV_RENDER_DIR names; empty when it is not set, and then nothing is kept.
inline QString OrvReviewFilePath(const QString &file)
{
    const QString folder = qEnvironmentVariable("ORV_RENDER_DIR");
    return folder.isEmpty() ? QString() : folder + QLatin1Char('/') + file;
}

// Keeps the picture for a look (see OrvReviewFilePath). False when it is null or
// could not be kept.
inline bool OrvKeepForReview(const QImage &image, const QString &file)
{
    if (image.isNull())
        return false;
    const QString path = OrvReviewFilePath(file);
    return path.isEmpty() || image.save(path);
}

// Shows the window at the given size (its own when empty), grabs it and keeps the
// picture for a look. False when nothing was drawn or the picture could not be kept.
inline bool OrvRenderForReview(QWidget &window, const QSize &size, const QString &file)
{
    if (!size.isEmpty())
        window.resize(size);
    window.show();
    return OrvKeepForReview(window.grab().toImage(), file);
}
