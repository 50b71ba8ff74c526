#include "cmnthemedformboxgenericlayout.h"

#include "cmnformvalueblock.h"

#include <QDataStream>

namespace {

constexpr quint8 kGenericLayoutTag = 36;
constexpr quint8 kGenericLayoutVersion = 0;
constexpr quint8 kPaddingTag = 44;
constexpr quint8 kBorderColorTag = 45;
constexpr quint8 kFillColorTag = 46;
constexpr quint8 kTextFaceTag = 47;
constexpr quint8 kTextSizeTag = 48;
constexpr quint8 kTextScaleTag = 49;
constexpr quint8 kTextColorTag = 50;
constexpr int kProperties = 12;

// The value blocks, in the order of the flag word's bits.
template <typename TWrite>
void ForEachWriter(const CCmnThemedFormBoxGenericLayout &l, TWrite &&write)
{
    write(l.m_Padding.m_Inherit, [&](QDataStream &out) {
        CmnWriteBlockTag(out, kPaddingTag);
        l.m_Padding.m_Value.Write(out);
    });
    write(l.m_BorderColor.m_Inherit, [&](QDataStream &out) {
        CmnWriteBlockTag(out, kBorderColorTag);
        CmnWriteColorBlock(out, l.m_BorderColor.m_Value, CmnValueKindBlackColor);
    });
    write(l.m_BorderStyle.m_Inherit, [&](QDataStream &out) { l.m_BorderStyle.m_Value.Write(out); });
    write(l.m_FillColor.m_Inherit, [&](QDataStream &out) {
        CmnWriteBlockTag(out, kFillColorTag);
        CmnWriteColorBlock(out, l.m_FillColor.m_Value, CmnValueKindTransparentColor);
    });
    write(l.m_FillStyle.m_Inherit, [&](QDataStream &out) { l.m_FillStyle.m_Value.Write(out); });
    write(l.m_TextFace.m_Inherit, [&](QDataStream &out) {
        CmnWriteBlockTag(out, kTextFaceTag);
        CmnWriteFontTextBlock(out, l.m_TextFace.m_Value);
    });
    write(l.m_TextSize.m_Inherit, [&](QDataStream &out) {
        CmnWriteBlockTag(out, kTextSizeTag);
        CmnWriteFontTextBlock(out, l.m_TextSize.m_Value);
    });
    write(l.m_TextColor.m_Inherit, [&](QDataStream &out) {
        CmnWriteBlockTag(out, kTextColorTag);
        CmnWriteColorBlock(out, l.m_TextColor.m_Value, CmnValueKindBlackColor);
    });
    write(l.m_TextAlign.m_Inherit, [&](QDataStream &out) { l.m_TextAlign.m_Value.Write(out); });
    write(l.m_TextScale.m_Inherit, [&](QDataStream &out) {
        CmnWriteBlockTag(out, kTextScaleTag);
        CmnWriteTextScaleBlock(out, l.m_TextScale.m_Value);
    });
    write(l.m_PicturePos.m_Inherit, [&](QDataStream &out) { l.m_PicturePos.m_Value.Write(out); });
    write(l.m_SingleExtent.m_Inherit, [&](QDataStream &out) {
        CmnWriteSingleExtentBlock(out, l.m_SingleExtent.m_Value);
    });
}

// Reads the value of property k; false (the stream marked) when it fails.
bool ReadProperty(QDataStream &in, CCmnThemedFormBoxGenericLayout &l, int k)
{
    switch (k) {
    case 0:
        return CmnReadBlockTag(in, kPaddingTag) && l.m_Padding.m_Value.Read(in);
    case 1:
        return CmnReadBlockTag(in, kBorderColorTag)
            && CmnReadColorBlock(in, l.m_BorderColor.m_Value, CmnValueKindBlackColor);
    case 2:
        return l.m_BorderStyle.m_Value.Read(in);
    case 3:
        return CmnReadBlockTag(in, kFillColorTag)
            && CmnReadColorBlock(in, l.m_FillColor.m_Value, CmnValueKindTransparentColor);
    case 4:
        return l.m_FillStyle.m_Value.Read(in);
    case 5:
        return CmnReadBlockTag(in, kTextFaceTag) && CmnReadFontTextBlock(in, l.m_TextFace.m_Value);
    case 6:
        return CmnReadBlockTag(in, kTextSizeTag) && CmnReadFontTextBlock(in, l.m_TextSize.m_Value);
    case 7:
        return CmnReadBlockTag(in, kTextColorTag)
            && CmnReadColorBlock(in, l.m_TextColor.m_Value, CmnValueKindBlackColor);
    case 8:
        return l.m_TextAlign.m_Value.Read(in);
    case 9:
        return CmnReadBlockTag(in, kTextScaleTag) && CmnReadTextScaleBlock(in, l.m_TextScale.m_Value);
    case 10:
        return l.m_PicturePos.m_Value.Read(in);
    default:
        return CmnReadSingleExtentBlock(in, l.m_SingleExtent.m_Value);
    }
}

bool &InheritFlag(CCmnThemedFormBoxGenericLayout &l, int k)
{
    bool *flags[kProperties] = {&l.m_Padding.m_Inherit,   &l.m_BorderColor.m_Inherit, &l.m_BorderStyle.m_Inherit,
                                &l.m_FillColor.m_Inherit, &l.m_FillStyle.m_Inherit,   &l.m_TextFace.m_Inherit,
                                &l.m_TextSize.m_Inherit,  &l.m_TextColor.m_Inherit,   &l.m_TextAlign.m_Inherit,
                                &l.m_TextScale.m_Inherit, &l.m_PicturePos.m_Inherit,  &l.m_SingleExtent.m_Inherit};
    return *flags[k];
}

} // namespace

CCmnThemedFormBoxGenericLayout::CCmnThemedFormBoxGenericLayout()
{
    m_BorderColor.m_Value = QColor(Qt::black);
    m_FillColor.m_Value = QColor(Qt::transparent);
    m_TextColor.m_Value = QColor(Qt::black);
}

void CCmnThemedFormBoxGenericLayout::Write(QDataStream &out) const
{
    quint32 flags = 0;
    int k = 0;
    ForEachWriter(*this, [&](bool inherit, const auto &) { flags |= inherit ? (1u << k) : 0u; ++k; });
    out << kGenericLayoutTag << kGenericLayoutVersion << flags;
    ForEachWriter(*this, [&](bool inherit, const auto &write) {
        if (!inherit)
            write(out);
    });
}

bool CCmnThemedFormBoxGenericLayout::Read(QDataStream &in)
{
    *this = CCmnThemedFormBoxGenericLayout();
    quint8 tag = 0;
    quint8 version = 0;
    in >> tag >> version;
    if (in.status() != QDataStream::Ok || tag != kGenericLayoutTag || version != kGenericLayoutVersion)
        return false;
    quint32 flags = 0;
    in >> flags;
    CCmnThemedFormBoxGenericLayout read;
    for (int k = 0; k < kProperties && in.status() == QDataStream::Ok; ++k) {
        if (flags & (1u << k))
            continue;
        if (!ReadProperty(in, read, k))
            return false;
        InheritFlag(read, k) = false;
    }
    if (in.status() != QDataStream::Ok)
        return false;
    *this = read;
    return true;
}

void CmnWriteThemedFormBoxGenericLayout(QDataStream &out, const CCmnThemedFormBoxGenericLayout &layout)
{
    layout.Write(out);
}

void CmnReadThemedFormBoxGenericLayout(QDataStream &in, CCmnThemedFormBoxGenericLayout &layout)
{
    if (!layout.Read(in))
        CmnFailBlock(in);
}
