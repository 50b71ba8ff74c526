#include "cmnpagesetup.h"

#include "cmndatastream.h"
#include "cmnpapersizes.h"

#include <QDataStream>
#include <QIODevice>

namespace {

constexpr quint8 kPageSetupTag = 11;
constexpr quint8 kPageSetupVersion = 0;

} // namespace

bool CCmnPageSetup::operator==(const CCmnPageSetup &other) const
{
    return m_PrinterName == other.m_PrinterName && m_UseDefaultPaper == other.m_UseDefaultPaper
           && m_PaperSize == other.m_PaperSize && m_Margins == other.m_Margins;
}

QByteArray CCmnPageSetup::ToByteArray() const
{
    return CmnStreamBytes([this](QDataStream &out) { Write(out); });
}

bool CCmnPageSetup::FromByteArray(const QByteArray &bytes)
{
    QDataStream in(bytes);
    CmnPrepareDataStream(in);
    CCmnPageSetup read;
    if (!read.Read(in))
        return false;
    *this = read;
    return true;
}

void CCmnPageSetup::Write(QDataStream &out) const
{
    // The extension flag was meant for fields that never came; always 0.
    out << kPageSetupTag << kPageSetupVersion << m_PrinterName << m_UseDefaultPaper << m_PaperSize << quint8(0);
    m_Margins.Write(out);
}

bool CCmnPageSetup::Read(QDataStream &in)
{
    *this = CCmnPageSetup();
    if (!CmnReadBlockHeader(in, kPageSetupTag, kPageSetupVersion, nullptr))
        return false;
    CmnReadString(in, m_PrinterName);
    in >> m_UseDefaultPaper >> m_PaperSize;
    // A code beyond the list names no paper; Custom is what the toolkit makes of it.
    if (m_PaperSize > quint32(CmnPaperSizeCustom))
        m_PaperSize = CmnPaperSizeCustom;
    quint8 extension = 0;
    in >> extension;
    if (extension != 0) {
        bool unusedFlag = false;
        quint32 unusedValue = 0;
        in >> unusedFlag >> unusedValue;
    }
    if (in.status() != QDataStream::Ok || !m_Margins.Read(in))
        return false;
    return in.status() == QDataStream::Ok;
}
