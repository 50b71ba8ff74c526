#include "cmnfontdescriptor.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>

namespace {

constexpr QLatin1String kLastResortFamily("Times New Roman");

// The text's parts, padded with empty ones to at least three.
QStringList SplitPadded(const QString &text)
{
    QStringList parts = text.split(QLatin1Char(';'), Qt::KeepEmptyParts);
    while (parts.size() < 3)
        parts.append(QString());
    return parts;
}

} // namespace

CCmnFontDescriptor::CCmnFontDescriptor(const QString &text)
{
    ParseFontDescriptor(this, text);
}

QString CCmnFontDescriptor::ToString() const
{
    return m_Family + QLatin1Char(';') + QString::number(m_PointSize) + QLatin1Char(';') + m_Style;
}

void ParseFontDescriptor(CCmnFontDescriptor *descriptor, const QString &text)
{
    if (!descriptor)
        return;
    const QStringList parts = text.split(QLatin1Char(';'), Qt::KeepEmptyParts);
    const QString family = parts.value(0);
    descriptor->m_Family = family.isEmpty() ? CmnDefaultFontFamily() : family;
    descriptor->m_PointSize = CmnParseFontPointSize(parts.value(1));
    descriptor->m_Style = parts.value(2);
}

qint32 CmnParseFontPointSize(const QString &text)
{
    bool ok = false;
    const qint64 size = text.toLongLong(&ok, 10);
    if (!ok)
        return 0;
    return static_cast<qint32>(qBound(qint64(0), size, qint64(CmnMaxFontPointSize)));
}

QString CmnChooseDefaultFontFamily(const QStringList &families)
{
    for (const QString &preferred : {QStringLiteral("Georgia"), QStringLiteral("Palatino Linotype"),
                                     QStringLiteral("Book Antiqua")}) {
        if (families.contains(preferred, Qt::CaseSensitive))
            return preferred;
    }
    return QString(kLastResortFamily);
}

QString CmnDefaultFontFamily()
{
    // The font database aborts the process when asked before a QGuiApplication
    // exists; a tool that only reads descriptors gets the last resort, uncached.
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return QString(kLastResortFamily);
    // The installed fonts do not change in a way that matters during one run,
    // and every parse of an unset family would otherwise list them all.
    static const QString family = CmnChooseDefaultFontFamily(QFontDatabase::families());
    return family;
}

QString CmnFontDescriptorWithoutSize(const QString &text)
{
    QStringList parts = SplitPadded(text);
    parts[1].clear();
    return parts.join(QLatin1Char(';'));
}

QString CmnFontDescriptorSizeOnly(const QString &text)
{
    QStringList parts = SplitPadded(text);
    parts[0].clear();
    parts[2].clear();
    return parts.join(QLatin1Char(';'));
}

QString CmnMergeFontDescriptors(const QString &text, const QString &fallback)
{
    QStringList parts = SplitPadded(text);
    const QStringList fallbackParts = SplitPadded(fallback);
    for (int i = 0; i < 3; ++i) {
        if (parts.at(i).isEmpty() || (i == 1 && parts.at(i) == QLatin1String("0")))
            parts[i] = fallbackParts.at(i);
    }
    return parts.join(QLatin1Char(';'));
}

QFont CmnFontFromDescriptor(const QString &text, CCmnFontDescriptor *completed)
{
    const CCmnFontDescriptor descriptor(text);
    QFont font;
    if (!descriptor.m_Style.isEmpty()
        && QFontDatabase::styles(descriptor.m_Family).contains(descriptor.m_Style)) {
        // The database's own face: weight, slant and stretch as the face has them.
        font = QFontDatabase::font(descriptor.m_Family, descriptor.m_Style, descriptor.m_PointSize);
    } else {
        // The database answers a family it lacks with the application font, size
        // lost, and an unset style with whichever face it meets first (a
        // condensed one, with some families). The font matcher substitutes a
        // family it lacks and takes the regular face. QFont reads a size of 0 as 12.
        font = QFont(descriptor.m_Family, descriptor.m_PointSize);
        if (!descriptor.m_Style.isEmpty())
            font.setStyleName(descriptor.m_Style);
    }
    if (completed) {
        completed->m_Family = descriptor.m_Family;
        completed->m_PointSize = descriptor.m_PointSize > 0 ? descriptor.m_PointSize : font.pointSize();
        completed->m_Style = descriptor.m_Style;
        if (completed->m_Style.isEmpty())
            completed->m_Style = CmnFontFaceStyleName(font);
    }
    return font;
}

QString CmnFontFaceStyleName(const QFont &font)
{
    const QString faceStyle = QFontInfo(font).styleName();
    return faceStyle.isEmpty() ? QFontDatabase::styleString(font) : faceStyle;
}
