#include "cmnformboxtext.h"

#include "cmndatastream.h"
#include "cmnformvalueblock.h"
#include "cmnhtmlescape.h"

#include <QDataStream>

namespace {

constexpr quint8 kTag = 51;

} // namespace

QString CCmnFormBoxText::ToHtml() const
{
    if (m_Text.isEmpty())
        return {};
    return m_Html ? m_Text : CmnHtmlEscape(m_Text);
}

void CCmnFormBoxText::Write(QDataStream &out) const
{
    CmnWriteBlockTag(out, kTag);
    out << m_Text << quint8(m_Html ? 1 : 0);
}

bool CCmnFormBoxText::Read(QDataStream &in)
{
    *this = CCmnFormBoxText();
    if (!CmnReadBlockTag(in, kTag))
        return false;
    QString text;
    CmnReadString(in, text);
    quint8 html = 0;
    in >> html;
    if (in.status() != QDataStream::Ok)
        return CmnFailBlock(in);
    m_Text = text;
    m_Html = html != 0;
    return true;
}
