#include "cmnthemedformboxgenericdata.h"

#include "cmnformvalueblock.h"

#include <QDataStream>

namespace {

constexpr quint8 kGenericDataTag = 35;
constexpr quint8 kGenericDataVersion = 0;

} // namespace

void CCmnThemedFormBoxGenericData::Write(QDataStream &out) const
{
    out << kGenericDataTag << kGenericDataVersion;
    CmnWriteFormBoxPicture(out, m_Picture);
    CmnWriteFormBoxText(out, m_Text);
}

bool CCmnThemedFormBoxGenericData::Read(QDataStream &in)
{
    *this = CCmnThemedFormBoxGenericData();
    quint8 tag = 0;
    quint8 version = 0;
    in >> tag >> version;
    if (in.status() != QDataStream::Ok || tag != kGenericDataTag || version != kGenericDataVersion)
        return false;
    CCmnThemedFormBoxGenericData read;
    if (!CmnReadFormBoxPicture(in, read.m_Picture) || !CmnReadFormBoxText(in, read.m_Text))
        return false;
    *this = read;
    return true;
}

void CmnWriteThemedFormBoxGenericData(QDataStream &out, const CCmnThemedFormBoxGenericData &data)
{
    data.Write(out);
}

void CmnReadThemedFormBoxGenericData(QDataStream &in, CCmnThemedFormBoxGenericData &data)
{
    if (!data.Read(in))
        CmnFailBlock(in);
}
