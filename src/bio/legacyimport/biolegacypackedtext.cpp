#include "biolegacypackedtext.h"

#include "biolegacydataimport_tokenstore.h"

namespace {

struct SymbolForm
{
    int width;
    bool spacing;
};

SymbolForm FormOf(quint8 header)
{
    switch (header & 0xE0) {
    case 0x00:
        return {8, false};
    case 0x20:
        return {8, true};
    case 0x40:
        return {16, false};
    case 0x60:
        return {16, true};
    case 0x80:
        return {12, false};
    default:
        return {8, true};
    }
}

} // namespace

qint64 CBioLegacyPackedText::Parse(const uchar *bytes, qint64 left)
{
    m_Literal = false;
    m_LiteralText.clear();
    m_Symbols.clear();
    m_Blanks.clear();
    if (left < 1)
        return 0;
    const quint8 header = bytes[0];
    if ((header & 0xE0) == 0xA0) {
        if (left < 3)
            return 0;
        const qint64 length = bytes[1] | (bytes[2] << 8);
        if (length >= 0x7FFF || 3 + length > left)
            return 0;
        m_Literal = true;
        m_LiteralText = QByteArray(reinterpret_cast<const char *>(bytes + 3), length);
        return 3 + length;
    }
    const int count = header & 0x1F;
    const SymbolForm form = FormOf(header);
    const qint64 payload = (count * form.width + 7) / 8 + (form.spacing && count > 0 ? count - 1 : 0);
    if (1 + payload > left)
        return 0;
    const uchar *p = bytes + 1;
    if (form.width == 12) {
        for (int i = 0; i < count; i += 2) {
            if (i + 1 < count) {
                m_Symbols.append(quint32(p[1] << 4) | quint32(p[0] >> 4));
                m_Symbols.append(quint32((p[0] & 0x0F) << 8) | p[2]);
                p += 3;
            } else {
                // An odd last symbol sits in the low 12 bits of its two bytes.
                m_Symbols.append(quint32((p[0] & 0x0F) << 8) | p[1]);
                p += 2;
            }
        }
    } else {
        for (int i = 0; i < count; ++i) {
            m_Symbols.append(form.width == 16 ? quint32(p[0] | (p[1] << 8)) : quint32(p[0]));
            p += form.width / 8;
            if (form.spacing && i + 1 < count)
                m_Blanks.append(*p++);
        }
    }
    if (!form.spacing)
        m_Blanks = QList<int>(qMax(count - 1, 0), 1);
    return 1 + payload;
}

bool CBioLegacyPackedText::Expand(QByteArray &text, const CBioLegacyDataImport_TokenStore &store) const
{
    text.clear();
    if (m_Literal) {
        text = m_LiteralText;
        return true;
    }
    QByteArray token;
    for (qsizetype i = 0; i < m_Symbols.size(); ++i) {
        if (!store.Lookup(m_Symbols.at(i), token))
            return false;
        text += token;
        if (i < m_Blanks.size())
            text += QByteArray(m_Blanks.at(i), ' ');
    }
    return true;
}
