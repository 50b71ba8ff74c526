#include "cmngeometrykeeper.h"

#include "cmndatastream.h"
#include "cmntext.h"

#include <QDataStream>
#include <QGuiApplication>
#include <QIODevice>
#include <QScreen>
#include <QSettings>
#include <QWidget>

namespace {

const QLatin1String kGeometrySuffix("/geometry");
const QLatin1String kSizeSuffix("/size");
constexpr qsizetype kSizeBytes = 8;

bool IsSet(const QSize &size)
{
    return size.width() >= 0 && size.height() >= 0;
}

bool IsSet(const QPoint &point)
{
    return point.x() >= 0 && point.y() >= 0;
}

// Empty when the application has no screen at all.
QRect AvailableScreenRect()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

QByteArray SizeToBytes(const QSize &size)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    CmnPrepareDataStream(out);
    out << qint32(size.width()) << qint32(size.height());
    return bytes;
}

// (-1, -1) for anything but the exact stored form, since the store may have been
// edited or damaged.
QSize SizeFromBytes(const QByteArray &bytes)
{
    if (bytes.size() != kSizeBytes)
        return {-1, -1};
    QDataStream in(bytes);
    CmnPrepareDataStream(in);
    qint32 width = 0;
    qint32 height = 0;
    in >> width >> height;
    if (in.status() != QDataStream::Ok)
        return {-1, -1};
    return {width, height};
}

} // namespace

CCmnGeometryKeeper::CCmnGeometryKeeper() = default;

CCmnGeometryKeeper &CCmnGeometryKeeper::SetAnchor(qint32 mode, const QPoint &point)
{
    m_AnchorMode = mode;
    m_AnchorPoint = point;
    return *this;
}

CCmnGeometryKeeper &CCmnGeometryKeeper::SetKeyRememberSize(const QString &key)
{
    m_SettingsKey = key;
    m_RememberSize = true;
    m_RememberPosition = false;
    return *this;
}

CCmnGeometryKeeper &CCmnGeometryKeeper::SetKeyRememberGeometry(const QString &key)
{
    m_SettingsKey = key;
    m_RememberSize = true;
    m_RememberPosition = true;
    return *this;
}

CCmnGeometryKeeper &CCmnGeometryKeeper::SetScreenFraction(double fraction)
{
    return SetScreenFractions(fraction, fraction);
}

CCmnGeometryKeeper &CCmnGeometryKeeper::SetScreenFractions(double widthFraction,
                                                           double heightFraction)
{
    m_FallbackSize = CmnScreenFractionSize(widthFraction, heightFraction);
    return *this;
}

CCmnGeometryKeeper &CCmnGeometryKeeper::SetFallbackAnchorAtScreenCentre()
{
    const QRect available = AvailableScreenRect();
    m_FallbackAnchorMode = AnchorCentre;
    m_FallbackAnchorPoint = available.isEmpty() ? QPoint(-1, -1) : CmnScreenCentre(available);
    return *this;
}

void CCmnGeometryKeeper::Restore(QWidget *window) const
{
    if (!window)
        return;
    const QRect available = AvailableScreenRect();
    QSize size = m_Size;
    if (RestoreRemembered(window, size, available))
        return;

    qint32 mode = m_AnchorMode;
    QPoint anchor = m_AnchorPoint;
    if (!IsSet(size))
        size = m_FallbackSize;
    if (!IsSet(anchor)) {
        mode = m_FallbackAnchorMode;
        anchor = m_FallbackAnchorPoint;
    }
    // Nothing to say about the window: the window system places it.
    if (!IsSet(size) && !IsSet(anchor))
        return;
    window->setGeometry(CmnPlaceWindowGeometry(window->geometry(), window->frameGeometry(), size,
                                               mode, anchor, available));
}

// True when a remembered geometry was applied whole; otherwise a usable remembered
// size, if any, has been put into `size`.
bool CCmnGeometryKeeper::RestoreRemembered(QWidget *window, QSize &size,
                                           const QRect &available) const
{
    if (m_SettingsKey.isEmpty() || !m_RememberSize)
        return false;
    const QSettings settings;
    if (m_RememberPosition) {
        // An explicit size or anchor wins over the remembered geometry.
        if (IsSet(m_Size) || IsSet(m_AnchorPoint))
            return false;
        const QByteArray geometry = settings.value(m_SettingsKey + kGeometrySuffix).toByteArray();
        return !geometry.isEmpty() && window->restoreGeometry(geometry);
    }
    if (IsSet(size))
        return false;
    const QSize remembered =
        SizeFromBytes(settings.value(m_SettingsKey + kSizeSuffix).toByteArray());
    if (CmnIsRememberedSizeUsable(remembered, available))
        size = remembered;
    return false;
}

void CCmnGeometryKeeper::Save(QWidget *window) const
{
    if (!window || m_SettingsKey.isEmpty() || !m_RememberSize)
        return;
    QSettings settings;
    if (m_RememberPosition)
        settings.setValue(m_SettingsKey + kGeometrySuffix, window->saveGeometry());
    else
        settings.setValue(m_SettingsKey + kSizeSuffix, SizeToBytes(window->size()));
}

QSize CmnScreenFractionSize(double widthFraction, double heightFraction, const QRect &available)
{
    const auto inRange = [](double fraction) { return fraction >= 0.1 && fraction <= 1.0; };
    if (!inRange(widthFraction) || !inRange(heightFraction) || available.isEmpty())
        return {-1, -1};
    return {int(available.width() * widthFraction), int(available.height() * heightFraction)};
}

QSize CmnScreenFractionSize(double widthFraction, double heightFraction)
{
    return CmnScreenFractionSize(widthFraction, heightFraction, AvailableScreenRect());
}

QPoint CmnScreenCentre(const QRect &available)
{
    // The origin counts: the default screen need not start at (0, 0), nor its
    // available part when a panel sits at the top or left.
    return available.topLeft() + QPoint(available.width() / 2, available.height() / 2);
}

bool CmnIsRememberedSizeUsable(const QSize &size, const QRect &available)
{
    return size.width() > 0 && size.width() < available.width() && size.height() > 0
        && size.height() < available.height();
}

QRect CmnAnchoredRect(qint32 mode, const QPoint &anchor, const QSize &outerSize)
{
    using K = CCmnGeometryKeeper;
    QPoint topLeft = anchor;
    switch (mode) {
    case K::AnchorCentre:
    case K::AnchorTopCentre:
    case K::AnchorBottomCentre:
        topLeft.rx() -= outerSize.width() / 2;
        break;
    case K::AnchorRightCentre:
    case K::AnchorTopRight:
    case K::AnchorBottomRight:
        topLeft.rx() -= outerSize.width();
        break;
    default:
        break;
    }
    switch (mode) {
    case K::AnchorCentre:
    case K::AnchorRightCentre:
    case K::AnchorLeftCentre:
        topLeft.ry() -= outerSize.height() / 2;
        break;
    case K::AnchorBottomCentre:
    case K::AnchorBottomRight:
    case K::AnchorBottomLeft:
        topLeft.ry() -= outerSize.height();
        break;
    default:
        break;
    }
    return QRect(topLeft, outerSize);
}

QRect CmnFitWindowRect(const QRect &outer, const QRect &available)
{
    if (available.isEmpty())
        return outer;
    QRect fitted = CmnFitRectInto(outer, available);
    // A window larger than the screen would end flush with its right and bottom
    // edges, with the title bar out of reach above the screen.
    if (fitted.left() < available.left())
        fitted.moveLeft(available.left());
    if (fitted.top() < available.top())
        fitted.moveTop(available.top());
    return fitted;
}

QRect CmnPlaceWindowGeometry(const QRect &geometry, const QRect &frameGeometry,
                             const QSize &clientSize, qint32 mode, const QPoint &anchor,
                             const QRect &available)
{
    const QSize decoration = frameGeometry.size() - geometry.size();
    const QPoint clientOffset = geometry.topLeft() - frameGeometry.topLeft();
    const QSize client = IsSet(clientSize) ? clientSize : geometry.size();

    qint32 anchorMode = mode;
    QPoint anchorPoint = anchor;
    if (!IsSet(anchorPoint)) {
        // Halves as the centre mode subtracts them, so a window that keeps its size
        // stays exactly where it was.
        anchorPoint = frameGeometry.topLeft()
            + QPoint(frameGeometry.width() / 2, frameGeometry.height() / 2);
        anchorMode = CCmnGeometryKeeper::AnchorCentre;
    }
    const QRect outer =
        CmnFitWindowRect(CmnAnchoredRect(anchorMode, anchorPoint, client + decoration), available);
    return QRect(outer.topLeft() + clientOffset, outer.size() - decoration);
}
