#include "bioregtrialmatingsettings.h"

#include "cmndatastream.h"

#include <QDataStream>
#include <QStringList>

namespace {
constexpr quint8 kTrialMatingSettingsTag = 104;
constexpr quint8 kTrialMatingSettingsVersion = 1;
constexpr quint8 kTrialMatingSettingsPresent = 1;
} // namespace

CBioRegTrialMatingSettings::CBioRegTrialMatingSettings(QObject *parent)
    : CBioRegThemedFormWithAncestryPanelsSettings(true, 0.35, 0.0, parent)
{
    m_Orientation = 1;
    m_ShowLeftHeaderOrnament = true;
}

bool CBioRegTrialMatingSettings::operator==(const CBioRegTrialMatingSettings &other) const
{
    return IsEqual(other) && m_ShowTitleBox == other.m_ShowTitleBox
        && m_ShowSirePictureBox == other.m_ShowSirePictureBox && m_ShowDamPictureBox == other.m_ShowDamPictureBox
        && m_ShowSireDetailsBox == other.m_ShowSireDetailsBox && m_ShowDamDetailsBox == other.m_ShowDamDetailsBox;
}

CBioRegTrialMatingSettings &CBioRegTrialMatingSettings::operator=(const CBioRegTrialMatingSettings &other)
{
    if (this != &other) {
        CopyFrom(other);
        m_ShowTitleBox = other.m_ShowTitleBox;
        m_ShowSirePictureBox = other.m_ShowSirePictureBox;
        m_ShowDamPictureBox = other.m_ShowDamPictureBox;
        m_ShowSireDetailsBox = other.m_ShowSireDetailsBox;
        m_ShowDamDetailsBox = other.m_ShowDamDetailsBox;
    }
    return *this;
}

QString CBioRegTrialMatingSettings::GetHeaderLayout(const CCmnThemedFormBoxNames &names) const
{
    QStringList parts;
    const QString ornaments = CBioRegThemedFormWithAncestryPanelsSettings::GetHeaderLayout(names);
    if (!ornaments.isEmpty())
        parts.append(ornaments);
    const std::pair<bool, const char *> boxes[] = {
        {m_ShowTitleBox, "CBioRegRecordTrialmatingFormconf-Title"},
        {m_ShowSirePictureBox, "CBioRegRecordTrialmatingFormconf-Sirepic"},
        {m_ShowSireDetailsBox, "CBioRegRecordTrialmatingFormconf-Siredetails"},
        {m_ShowDamPictureBox, "CBioRegRecordTrialmatingFormconf-Dampic"},
        {m_ShowDamDetailsBox, "CBioRegRecordTrialmatingFormconf-Damdetails"},
    };
    for (const auto &[shown, part] : boxes) {
        if (shown)
            parts.append(QLatin1String(part));
    }
    return parts.join(QLatin1Char(';'));
}

void CBioRegTrialMatingSettings::Write(QDataStream &out) const
{
    CBioRegThemedFormWithAncestryPanelsSettings::Write(out);
    out << kTrialMatingSettingsTag << kTrialMatingSettingsVersion << quint8(m_ShowTitleBox) << kTrialMatingSettingsPresent << quint8(m_ShowSirePictureBox)
        << quint8(m_ShowDamPictureBox) << kTrialMatingSettingsPresent << quint8(m_ShowSireDetailsBox) << quint8(m_ShowDamDetailsBox);
}

bool CBioRegTrialMatingSettings::Read(QDataStream &in)
{
    if (!CBioRegThemedFormWithAncestryPanelsSettings::Read(in))
        return false;
    quint8 version = 0;
    if (!CmnReadBlockHeader(in, kTrialMatingSettingsTag, kTrialMatingSettingsVersion, &version))
        return false;
    const auto readFlag = [&in] {
        quint8 flag = 0;
        in >> flag;
        return flag != 0;
    };
    m_ShowTitleBox = readFlag();
    // Older blocks may leave out the pictures' pair and, before version 1, the
    // details' pair: those boxes are then off.
    m_ShowSirePictureBox = m_ShowDamPictureBox = false;
    if (readFlag()) {
        m_ShowSirePictureBox = readFlag();
        m_ShowDamPictureBox = readFlag();
    }
    m_ShowSireDetailsBox = m_ShowDamDetailsBox = false;
    if (version >= 1 && readFlag()) {
        m_ShowSireDetailsBox = readFlag();
        m_ShowDamDetailsBox = readFlag();
    }
    return in.status() == QDataStream::Ok;
}

QByteArray CBioRegTrialMatingSettings::ToByteArray() const
{
    return CmnStreamBytes([this](QDataStream &out) { Write(out); });
}

bool CBioRegTrialMatingSettings::FromByteArray(const QByteArray &bytes)
{
    QDataStream in(bytes);
    CmnPrepareDataStream(in);
    CBioRegTrialMatingSettings read;
    if (!read.Read(in))
        return false;
    *this = read;
    return true;
}
