#include "cmnformboxtext.h"

#include "cmndatastream.h"
#include "cmnformvalueblock.h"
#include "cmnhtmlescape.h"

#include <QDataStream>

namespace {

constexpr quint8 kBoxTextTag = 51;

} // namespace

QString CCmnFormBoxText::ToHtml() const
{
    if (m_Text.isEmpty())
        return {};
    return m_Html ? m_Text : CmnHtmlEscape(m_Text);
}

void CmnWriteFormBoxText(QDataStream &out, const CCmnFormBoxText &text)
{
    CmnWriteBlockTag(out, kBoxTextTag);
    out << text.m_Text << quint8(text.m_Html ? 1 : 0);
}

bool CmnReadFormBoxText(QDataStream &in, CCmnFormBoxText &text)
{
    text = CCmnFormBoxText();
    if (!CmnReadBlockTag(in, kBoxTextTag))
        return false;
    QString read;
    CmnReadString(in, read);
    quint8 html = 0;
    in >> html;
    if (in.status() != QDataStream::Ok)
        return CmnFailBlock(in);
    text = {read, html != 0};
    return true;
}
