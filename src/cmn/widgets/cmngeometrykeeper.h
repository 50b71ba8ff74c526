#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

class QWidget;

// Where a window opens, and whether its size or its whole geometry is remembered
// between runs under a settings key. A dialog restores from its keeper as soon as
// it is given one and saves when it is destroyed; a keeper without a key only
// places the window.
class CCmnGeometryKeeper
{
public:
    // Which point of the window's outer frame the anchor point is.
    enum EAnchorMode : qint32 {
        AnchorCentre = 0,
        AnchorTopCentre = 1,
        AnchorBottomCentre = 2,
        AnchorRightCentre = 3,
        AnchorLeftCentre = 4,
        AnchorTopRight = 5,
        AnchorTopLeft = 6,
        AnchorBottomRight = 7,
        AnchorBottomLeft = 8,
    };

    CCmnGeometryKeeper();

    // A point with a negative coordinate means no anchor.
    CCmnGeometryKeeper &SetAnchor(qint32 mode, const QPoint &point);
    // The size alone is remembered under key + "/size".
    CCmnGeometryKeeper &SetKeyRememberSize(const QString &key);
    // Size and position are remembered together under key + "/geometry".
    CCmnGeometryKeeper &SetKeyRememberGeometry(const QString &key);
    // The size used when none is remembered, as fractions of the available screen;
    // fractions outside 0.1 to 1 leave it unset.
    CCmnGeometryKeeper &SetScreenFraction(double fraction);
    CCmnGeometryKeeper &SetScreenFractions(double widthFraction, double heightFraction);
    // The window is centred on the available screen when it has no position.
    CCmnGeometryKeeper &SetFallbackAnchorAtScreenCentre();
    // The key the window's record is remembered under; empty when nothing is.
    const QString &SettingsKey() const { return m_SettingsKey; }

    // Sizes and places the window; nothing for a null window.
    void Restore(QWidget *window) const;
    // Stores what the keeper remembers of the window; nothing for a null window or
    // an empty key.
    void Save(QWidget *window) const;

private:
    [[nodiscard]] bool RestoreRemembered(QWidget *window, QSize &size, const QRect &available) const;

    QSize m_Size{-1, -1};             // explicit client size
    qint32 m_AnchorMode = AnchorCentre;
    QPoint m_AnchorPoint{-1, -1};
    QString m_SettingsKey;
    bool m_RememberSize = false;
    bool m_RememberPosition = false; // only together with m_RememberSize
    QSize m_FallbackSize{-1, -1};
    qint32 m_FallbackAnchorMode = AnchorCentre;
    QPoint m_FallbackAnchorPoint{-1, -1};
};

// The placement arithmetic, on plain rectangles so that it does not depend on the
// screens of the machine. `available` is the available geometry of the screen.

// The size of the given fractions of the available screen, each cut to an integer;
// (-1, -1) unless both fractions lie in 0.1 to 1 and the screen has an area.
QSize CmnScreenFractionSize(double widthFraction, double heightFraction, const QRect &available);
// The same on the default screen.
QSize CmnScreenFractionSize(double widthFraction, double heightFraction);

// The centre of the available screen.
QPoint CmnScreenCentre(const QRect &available);

// Whether a remembered client size may be used: positive and smaller than the
// available screen in both directions.
bool CmnIsRememberedSizeUsable(const QSize &size, const QRect &available);

// The outer rectangle of the given size whose anchor point (by mode) lies on the
// point. An unknown mode anchors the top-left corner.
QRect CmnAnchoredRect(qint32 mode, const QPoint &anchor, const QSize &outerSize);

// The outer rectangle moved, never resized, into the available screen; one too big
// for it keeps its top-left corner, and so its title bar, on the screen.
QRect CmnFitWindowRect(const QRect &outer, const QRect &available);

// The window's new client geometry, from its current client and frame geometry,
// the client size wanted (a negative size keeps the current one) and the anchor
// (a negative point keeps the window centred where it is). The frame's decoration
// is kept around the client area, and the whole frame is fitted into the screen.
QRect CmnPlaceWindowGeometry(const QRect &geometry, const QRect &frameGeometry,
                             const QSize &clientSize, qint32 mode, const QPoint &anchor,
                             const QRect &available);
