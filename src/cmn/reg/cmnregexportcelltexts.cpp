#include "cmnregexportcelltexts.h"

namespace {

const QString kNoText;

} // namespace

void CCmnRegExportCellTexts::SetEmpty()
{
    m_Value = m_Display = &kNoText;
}

void CCmnRegExportCellTexts::SetShared(const QString &value, const QString &display)
{
    m_Value = &value;
    m_Display = &display;
}

QString &CCmnRegExportCellTexts::NewValue()
{
    // resize keeps the buffer's memory, where clear would free it.
    m_ValueBuffer.resize(0);
    m_Value = &m_ValueBuffer;
    return m_ValueBuffer;
}

QString &CCmnRegExportCellTexts::NewDisplay()
{
    m_DisplayBuffer.resize(0);
    m_Display = &m_DisplayBuffer;
    return m_DisplayBuffer;
}

const CCmnDateFormatter &CCmnRegExportCellTexts::DateFormatter(const QString &format)
{
    if (!m_DateFormatter || format != m_DateFormat) {
        m_DateFormatter.emplace(format);
        m_DateFormat = format;
    }
    return *m_DateFormatter;
}
