#include "bioregpedigreesettings.h"

#include "cmndatastream.h"

#include <QDataStream>
#include <QStringList>

namespace {
constexpr quint8 kPedigreeSettingsTag = 102;
constexpr quint8 kPedigreeSettingsVersion = 1;
constexpr quint8 kPedigreeSettingsPresent = 1;
} // namespace

CBioRegPedigreeSettings::CBioRegPedigreeSettings(QObject *parent)
    : CBioRegThemedFormWithAncestryPanelsSettings(true, 0.38, 0.07, parent)
{
    m_Orientation = 1;
    m_ShowLeftHeaderOrnament = true;
}

bool CBioRegPedigreeSettings::operator==(const CBioRegPedigreeSettings &other) const
{
    return IsEqual(other) && m_ShowTitleBox == other.m_ShowTitleBox && m_ShowDetailsBox == other.m_ShowDetailsBox
        && m_ShowPictureBox == other.m_ShowPictureBox;
}

CBioRegPedigreeSettings &CBioRegPedigreeSettings::operator=(const CBioRegPedigreeSettings &other)
{
    if (this != &other) {
        CopyFrom(other);
        m_ShowTitleBox = other.m_ShowTitleBox;
        m_ShowDetailsBox = other.m_ShowDetailsBox;
        m_ShowPictureBox = other.m_ShowPictureBox;
    }
    return *this;
}

QString CBioRegPedigreeSettings::GetHeaderLayout(const CCmnThemedFormBoxNames &names) const
{
    QStringList parts;
    const QString ornaments = CBioRegThemedFormWithAncestryPanelsSettings::GetHeaderLayout(names);
    if (!ornaments.isEmpty())
        parts.append(ornaments);
    if (m_ShowTitleBox)
        parts.append(QStringLiteral("CBioRegRecordAnipedFormconf-Title"));
    if (m_ShowDetailsBox)
        parts.append(QStringLiteral("CBioRegRecordAnipedFormconf-Details"));
    if (m_ShowPictureBox)
        parts.append(QStringLiteral("CBioRegRecordAnipedFormconf-Subjectpic"));
    return parts.join(QLatin1Char(';'));
}

QByteArray CBioRegPedigreeSettings::ToByteArray() const
{
    return CmnStreamBytes([this](QDataStream &out) {
        Write(out);
        out << kPedigreeSettingsTag << kPedigreeSettingsVersion << quint8(m_ShowTitleBox) << kPedigreeSettingsPresent << quint8(m_ShowPictureBox) << kPedigreeSettingsPresent
            << quint8(m_ShowDetailsBox);
    });
}

bool CBioRegPedigreeSettings::FromByteArray(const QByteArray &bytes)
{
    QDataStream in(bytes);
    CmnPrepareDataStream(in);
    CBioRegPedigreeSettings read;
    if (!read.Read(in))
        return false;
    *this = read;
    return true;
}

bool CBioRegPedigreeSettings::Read(QDataStream &in)
{
    if (!CBioRegThemedFormWithAncestryPanelsSettings::Read(in))
        return false;
    quint8 version = 0;
    if (!CmnReadBlockHeader(in, kPedigreeSettingsTag, kPedigreeSettingsVersion, &version))
        return false;
    quint8 title = 0;
    in >> title;
    m_ShowTitleBox = title != 0;
    // Older blocks may leave out the picture switch (shown) and the details
    // switch (hidden).
    quint8 present = 0;
    in >> present;
    m_ShowPictureBox = true;
    if (present != 0) {
        quint8 picture = 0;
        in >> picture;
        m_ShowPictureBox = picture != 0;
    }
    m_ShowDetailsBox = false;
    if (version >= 1) {
        in >> present;
        if (present != 0) {
            quint8 details = 0;
            in >> details;
            m_ShowDetailsBox = details != 0;
        }
    }
    return in.status() == QDataStream::Ok;
}
