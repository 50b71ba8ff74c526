#include "cmnprintmargins.h"

#include "cmndatastream.h"

#include <QDataStream>

#include <cmath>

namespace {

constexpr quint8 kPrintMarginsTag = 12;
constexpr quint8 kPrintMarginsVersion = 1;
const CCmnMetric kDefaultMargin(0, 0.5);

} // namespace

CCmnPrintMargins::CCmnPrintMargins()
    : m_Left(kDefaultMargin)
    , m_Top(kDefaultMargin)
    , m_Right(kDefaultMargin)
    , m_Bottom(kDefaultMargin)
{
}

bool CCmnPrintMargins::operator==(const CCmnPrintMargins &other) const
{
    return m_UsePrinterDefaultMargins == other.m_UsePrinterDefaultMargins && m_FullPage == other.m_FullPage
           && m_Left == other.m_Left && m_Top == other.m_Top && m_Right == other.m_Right
           && m_Bottom == other.m_Bottom;
}

void CCmnPrintMargins::Write(QDataStream &out) const
{
    out << kPrintMarginsTag << kPrintMarginsVersion << m_UsePrinterDefaultMargins << m_FullPage;
    for (const CCmnMetric *margin : {&m_Left, &m_Top, &m_Right, &m_Bottom})
        margin->Write(out);
}

bool CCmnPrintMargins::Read(QDataStream &in)
{
    *this = CCmnPrintMargins();
    quint8 version = 0;
    if (!CmnReadBlockHeader(in, kPrintMarginsTag, kPrintMarginsVersion, &version))
        return false;
    CCmnMetric *const margins[] = {&m_Left, &m_Top, &m_Right, &m_Bottom};
    if (version == 0) {
        // The first blocks kept one unit for all four lengths.
        quint8 unit = 0;
        in >> unit >> m_UsePrinterDefaultMargins >> m_FullPage;
        for (CCmnMetric *margin : margins) {
            double length = 0.0;
            in >> length;
            // A damaged length would spread through every page laid out with it.
            *margin = CCmnMetric(unit, std::isfinite(length) ? length : 0.0);
        }
    } else {
        in >> m_UsePrinterDefaultMargins >> m_FullPage;
        for (CCmnMetric *margin : margins) {
            // Reading goes on after a bad length, so the stream ends up where
            // the block ends; the status already says the block is bad.
            if (!margin->Read(in) && in.status() == QDataStream::Ok)
                in.setStatus(QDataStream::ReadCorruptData);
        }
    }
    return in.status() == QDataStream::Ok;
}
