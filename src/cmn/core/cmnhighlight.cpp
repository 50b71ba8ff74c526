#include "cmnhighlight.h"

#include "cmndatastream.h"

#include <QDataStream>
#include <QFont>

namespace {

constexpr quint8 kHighlightTag = 1;
constexpr quint8 kHighlightVersion = 0;

constexpr quint8 kFlagBold = 0x01;
constexpr quint8 kFlagItalic = 0x02;
constexpr quint8 kFlagTextColor = 0x04;
constexpr quint8 kFlagHatchColor = 0x08;
constexpr quint8 kFlagHatchStyle = 0x10;
constexpr quint8 kFlagUnderline = 0x20;
constexpr quint8 kFlagDecoration = 0x40;

// Only the styles the hatch chooser offers, no brush to diagonal cross, paint a
// background; gradient and texture styles need data a highlight does not carry.
int ClampedHatchStyle(qint8 style)
{
    return style >= Qt::NoBrush && style <= Qt::DiagCrossPattern ? style : 0;
}

} // namespace

bool CCmnHighlight::operator==(const CCmnHighlight &other) const
{
    return m_Bold == other.m_Bold && m_Italic == other.m_Italic && m_Underline == other.m_Underline
        && m_TextColor == other.m_TextColor && m_HatchStyle == other.m_HatchStyle
        && (m_HatchStyle == 0 || m_HatchColor == other.m_HatchColor)
        && m_Decoration == other.m_Decoration;
}

void CCmnHighlight::Write(QDataStream &out) const
{
    quint8 flags = 0;
    if (m_Bold)
        flags |= kFlagBold;
    if (m_Italic)
        flags |= kFlagItalic;
    if (m_Underline)
        flags |= kFlagUnderline;
    if (m_TextColor.isValid())
        flags |= kFlagTextColor;
    if (m_HatchColor.isValid())
        flags |= kFlagHatchColor;
    if (m_HatchStyle != 0)
        flags |= kFlagHatchStyle;
    if (!m_Decoration.isEmpty())
        flags |= kFlagDecoration;

    out << kHighlightTag << kHighlightVersion << flags;
    if (flags & kFlagTextColor)
        out << m_TextColor;
    if (flags & kFlagHatchColor)
        out << m_HatchColor;
    if (flags & kFlagHatchStyle)
        out << qint8(m_HatchStyle);
    if (flags & kFlagDecoration)
        out << m_Decoration;
}

bool CCmnHighlight::Read(QDataStream &in)
{
    quint8 tag = 0;
    quint8 version = 0;
    in >> tag >> version;
    if (in.status() != QDataStream::Ok || tag != kHighlightTag || version != kHighlightVersion)
        return false;

    CCmnHighlight read;
    quint8 flags = 0;
    in >> flags;
    read.m_Bold = flags & kFlagBold;
    read.m_Italic = flags & kFlagItalic;
    read.m_Underline = flags & kFlagUnderline;
    if ((flags & kFlagTextColor) && !CmnReadColor(in, read.m_TextColor))
        return false;
    if ((flags & kFlagHatchColor) && !CmnReadColor(in, read.m_HatchColor))
        return false;
    if (flags & kFlagHatchStyle) {
        qint8 style = 0;
        in >> style;
        read.m_HatchStyle = ClampedHatchStyle(style);
    }
    if (flags & kFlagDecoration)
        in >> read.m_Decoration;
    if (in.status() != QDataStream::Ok)
        return false;

    *this = read;
    return true;
}

QString CCmnHighlight::PresetName() const
{
    const QStringList names = PresetNames();
    for (int index = 0; index < names.size(); ++index) {
        if (Preset(index) == *this)
            return names.at(index);
    }
    return QStringLiteral("Custom");
}

QFont CCmnHighlight::StyledFont(const QFont &font) const
{
    QFont styled(font);
    if (m_Bold)
        styled.setBold(true);
    if (m_Italic)
        styled.setItalic(true);
    if (m_Underline)
        styled.setUnderline(true);
    return styled;
}

QStringList CCmnHighlight::PresetNames()
{
    return {QStringLiteral("None"), QStringLiteral("Bold"), QStringLiteral("Italic"),
            QStringLiteral("Underline"), QStringLiteral("Red"), QStringLiteral("Green"),
            QStringLiteral("Blue")};
}

CCmnHighlight CCmnHighlight::Preset(int index)
{
    CCmnHighlight preset;
    switch (index) {
    case 1:
        preset.m_Bold = true;
        break;
    case 2:
        preset.m_Italic = true;
        break;
    case 3:
        preset.m_Underline = true;
        break;
    case 4:
        preset.m_TextColor = QColor(Qt::red);
        break;
    case 5:
        preset.m_TextColor = QColor(Qt::green);
        break;
    case 6:
        preset.m_TextColor = QColor(Qt::blue);
        break;
    default:
        break;
    }
    return preset;
}

QDataStream &operator<<(QDataStream &out, const CCmnHighlight &highlight)
{
    highlight.Write(out);
    return out;
}

QDataStream &operator>>(QDataStream &in, CCmnHighlight &highlight)
{
    // The stream keeps its first error, so a short read stays ReadPastEnd.
    if (!highlight.Read(in))
        in.setStatus(QDataStream::ReadCorruptData);
    return in;
}
