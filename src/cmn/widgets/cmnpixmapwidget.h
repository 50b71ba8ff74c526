#pragma once

#include "cmnframe.h"

#include <QPixmap>
#include <QSize>
#include <QString>

// A clickable frame that shows one pixmap scaled to fit (keeping its aspect
// ratio) with an optional caption under it or, without a pixmap, up to two
// centred text lines, the first in red. Photographs of animals are shown in it.
class CCmnPixmapWidget : public CCmnFrame
{
    Q_OBJECT
public:
    // The preferred size is in average character widths and line heights.
    explicit CCmnPixmapWidget(const QSize &preferredSize, QWidget *parent = nullptr,
                              Qt::WindowFlags flags = {});

    void SetPixmap(const QPixmap &pixmap);
    void SetFirstLine(const QString &text);
    void SetSecondLine(const QString &text);
    void SetCaption(const QString &text);

    const QPixmap &Pixmap() const { return m_Pixmap; }
    const QString &FirstLine() const { return m_FirstLine; }
    const QString &SecondLine() const { return m_SecondLine; }
    const QString &Caption() const { return m_Caption; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void PaintLines(QPainter &painter, const QRect &area);
    void PaintPixmap(QPainter &painter, const QRect &area);

    QSize m_PreferredSize;
    QString m_FirstLine;
    QString m_SecondLine;
    QPixmap m_Pixmap;
    QString m_Caption;
};
