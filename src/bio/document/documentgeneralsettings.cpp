#include "documentgeneralsettings.h"

#include "cmndatastream.h"

#include <QDataStream>

namespace {

constexpr quint8 kGeneralSettingsTag = 129;
constexpr quint8 kGeneralSettingsVersion = 0;

} // namespace

void CDocumentGeneralSettings::Reset()
{
    m_EmbedPhotos = false;
    m_NameDisplay.Reset();
}

bool CDocumentGeneralSettings::operator==(const CDocumentGeneralSettings &other) const
{
    return m_EmbedPhotos == other.m_EmbedPhotos && m_NameDisplay == other.m_NameDisplay;
}

QByteArray CDocumentGeneralSettings::ToByteArray() const
{
    return CmnStreamBytes([this](QDataStream &out) {
        out << kGeneralSettingsTag << kGeneralSettingsVersion << quint32(m_EmbedPhotos ? 1 : 0);
        m_NameDisplay.Write(out);
    });
}

bool CDocumentGeneralSettings::FromByteArray(const QByteArray &bytes)
{
    CDocumentGeneralSettings read;
    const bool ok = CmnReadStreamBytes(bytes, [&read](QDataStream &in) {
        quint8 tag = 0;
        quint8 version = 0;
        quint32 embed = 0;
        in >> tag >> version;
        if (in.status() != QDataStream::Ok || tag != kGeneralSettingsTag || version != kGeneralSettingsVersion)
            return false;
        in >> embed;
        read.m_EmbedPhotos = (embed & 1) != 0;
        in >> read.m_NameDisplay;
        return true;
    });
    if (!ok)
        return false;
    *this = read;
    return true;
}
