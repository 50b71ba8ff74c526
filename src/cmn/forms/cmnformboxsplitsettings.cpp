#include "cmnformboxsplitsettings.h"

#include "cmndatastream.h"
#include "cmnformvalueblock.h"

#include <QDataStream>
#include <QIODevice>

#include <cmath>

namespace {

constexpr quint8 kSplitSettingsTag = 33;
constexpr double kAutomatic = -1.0;

} // namespace

void CCmnFormBoxSplitSettings::SetProportion(qint32 index, double value)
{
    if (index < 0)
        return;
    while (m_Proportions.size() <= index)
        m_Proportions.append(kAutomatic);
    m_Proportions[index] = value;
}

void CCmnFormBoxSplitSettings::NormaliseSplitProportions(qint32 n)
{
    if (n <= 0)
        return;
    while (m_Proportions.size() < n)
        m_Proportions.append(kAutomatic);
    m_Proportions.resize(n);

    qint32 fixed = 0;
    double sum = 0.0;
    for (double proportion : std::as_const(m_Proportions)) {
        if (proportion >= 0.0) {
            ++fixed;
            sum += proportion;
        }
    }
    const double m = m_MinimumFraction;
    if (fixed == 0 || fixed * m > sum || sum <= 0.0) {
        m_Proportions.fill(1.0 / n);
        return;
    }
    const double target = qMax(fixed * m, qMin(sum, 1.0 - (n - fixed) * m));
    // Fixed shares are brought to the target also beside automatic ones: left as
    // they were, fixed shares above the target would push the last children out
    // of their box.
    const double scale = sum / target;
    for (double &proportion : m_Proportions)
        proportion = proportion < 0.0 ? (1.0 - target) / (n - fixed) : proportion / scale;
}

QList<double> CCmnFormBoxSplitSettings::Shares(qint32 n) const
{
    if (n <= 0)
        return {};
    if (m_EqualSplit)
        return QList<double>(n, 1.0 / n);
    bool ready = m_Proportions.size() == n;
    for (qsizetype i = 0; ready && i < n; ++i)
        ready = m_Proportions.at(i) >= 0.0;
    if (ready)
        return m_Proportions;
    // Owners normalise before a layout; a list that does not fit the children
    // is normalised here for this layout only rather than read past its end.
    CCmnFormBoxSplitSettings normalised = *this;
    normalised.NormaliseSplitProportions(n);
    return normalised.m_Proportions;
}

void CCmnFormBoxSplitSettings::Write(QDataStream &out) const
{
    out << kSplitSettingsTag << quint8(0) << quint8(0) << quint8(m_Horizontal ? 1 : 0);
    m_Gap.Write(out);
    out << m_MinimumFraction << quint32(m_Proportions.size());
    for (double proportion : m_Proportions)
        out << proportion;
    out << quint8(m_Dividers ? 1 : 0) << quint8(m_EqualSplit ? 1 : 0) << m_DividerColor
        << quint8(m_LiveDividers ? 1 : 0);
}

bool CCmnFormBoxSplitSettings::Read(QDataStream &in)
{
    *this = CCmnFormBoxSplitSettings();
    quint8 tag = 0;
    quint8 ignored = 0;
    quint8 zero = 0;
    in >> tag;
    if (in.status() != QDataStream::Ok || tag != kSplitSettingsTag)
        return CmnFailBlock(in);
    in >> ignored >> zero;
    if (in.status() != QDataStream::Ok || zero != 0)
        return false;
    quint8 horizontal = 0;
    in >> horizontal;
    m_Horizontal = horizontal != 0;
    if (!CmnReadMetricInBlock(in, m_Gap))
        return false;
    double minimum = 0.0;
    quint32 count = 0;
    in >> minimum >> count;
    if (in.status() != QDataStream::Ok)
        return false;
    // A share below nothing or of half the box or more leaves no room to divide.
    m_MinimumFraction = std::isfinite(minimum) ? qBound(0.0, minimum, 0.49) : 0.01;
    const QIODevice *device = in.device();
    if (device && !device->isSequential() && qint64(count) * qint64(sizeof(double)) > device->bytesAvailable())
        return CmnFailBlock(in);
    for (quint32 i = 0; i < count && in.status() == QDataStream::Ok; ++i) {
        double proportion = 0.0;
        in >> proportion;
        m_Proportions.append(std::isfinite(proportion) ? proportion : kAutomatic);
    }
    quint8 dividers = 0;
    quint8 equalSplit = 0;
    quint8 live = 0;
    in >> dividers >> equalSplit;
    m_Dividers = dividers != 0;
    m_EqualSplit = equalSplit != 0;
    if (in.status() != QDataStream::Ok || !CmnReadColor(in, m_DividerColor))
        return CmnFailBlock(in);
    in >> live;
    m_LiveDividers = live != 0;
    return in.status() == QDataStream::Ok;
}

const CCmnFormBoxSplitSettings &CmnDefaultFormBoxSplitSettings()
{
    static const CCmnFormBoxSplitSettings defaults;
    return defaults;
}
