#include "bionamedisplaysettings.h"

#include "cmnhtmlescape.h"
#include "cmnhtmltags.h"

#include <QDataStream>

namespace {

constexpr quint8 kNameDisplaySettingsTag = 100;
constexpr quint8 kNameDisplaySettingsVersion = 0;
constexpr quint32 kIncludeSuffix = 0x1;
constexpr quint32 kHasHighlight = 0x2;

} // namespace

void CBioNameDisplaySettings::Reset()
{
    m_TitleHighlight = CCmnHighlight();
    m_TitleHighlight.m_TextColor = QColor(Qt::red);
    m_IncludeSuffix = true;
}

bool CBioNameDisplaySettings::operator==(const CBioNameDisplaySettings &other) const
{
    return m_IncludeSuffix == other.m_IncludeSuffix && m_TitleHighlight == other.m_TitleHighlight;
}

QString CBioNameDisplaySettings::HighlightTitle(const QString &text) const
{
    QString html = CmnHtmlEscape(text);
    if (m_TitleHighlight.m_Bold)
        html = CmnHtmlBold(html);
    if (m_TitleHighlight.m_Italic)
        html = CmnHtmlItalic(html);
    if (m_TitleHighlight.m_Underline)
        html = CmnHtmlUnderline(html);
    if (m_TitleHighlight.m_TextColor.isValid()) {
        const QString style = QStringLiteral("color:%1;").arg(m_TitleHighlight.m_TextColor.name());
        html = CmnHtmlSpan({{QStringLiteral("style"), style}}, html);
    }
    return html;
}

void CBioNameDisplaySettings::Write(QDataStream &stream) const
{
    quint32 flags = kHasHighlight;
    if (m_IncludeSuffix)
        flags |= kIncludeSuffix;
    stream << kNameDisplaySettingsTag << kNameDisplaySettingsVersion << flags;
    m_TitleHighlight.Write(stream);
}

bool CBioNameDisplaySettings::Read(QDataStream &stream)
{
    Reset();
    quint8 tag = 0;
    quint8 version = 0;
    stream >> tag >> version;
    if (stream.status() != QDataStream::Ok || tag != kNameDisplaySettingsTag || version != kNameDisplaySettingsVersion)
        return false;
    quint32 flags = 0;
    stream >> flags;
    if (stream.status() != QDataStream::Ok)
        return false;
    m_IncludeSuffix = flags & kIncludeSuffix;
    if (flags & kHasHighlight)
        stream >> m_TitleHighlight;
    return stream.status() == QDataStream::Ok;
}

QDataStream &operator<<(QDataStream &stream, const CBioNameDisplaySettings &settings)
{
    settings.Write(stream);
    return stream;
}

QDataStream &operator>>(QDataStream &stream, CBioNameDisplaySettings &settings)
{
    if (!settings.Read(stream) && stream.status() == QDataStream::Ok)
        stream.setStatus(QDataStream::ReadCorruptData);
    return stream;
}
