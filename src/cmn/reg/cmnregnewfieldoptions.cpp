#include "cmnregnewfieldoptions.h"

CCmnRegFieldDef CCmnRegNewFieldOptions::MakeFieldDef() const
{
    CCmnRegFieldDef def;
    if (!(m_Flags & KeyField))
        def.m_Flags &= ~quint32(CmnRegFieldKey);
    if (m_Flags & Boolean) {
        def.m_Type = CmnRegFieldBoolean;
    } else if (m_Flags & Integer) {
        def.m_Type = CmnRegFieldInteger;
    } else if (m_Flags & Date) {
        def.m_Type = CmnRegFieldDate;
    } else if (m_Flags & Multiline) {
        def.m_Type = CmnRegFieldMultilineText;
        def.m_Flags &= ~quint32(CmnRegFieldKey);
        def.m_Flags |= CmnRegFieldMultilineLabelAbove;
        if (!(m_Flags & FormatParagraphs))
            def.m_Flags &= ~quint32(CmnRegFieldFormatParagraphs);
        if (m_MultilineWidth > 0)
            def.m_MultilineWidth = m_MultilineWidth;
        if (m_MultilineLines > 0)
            def.m_MultilineLines = m_MultilineLines;
    } else {
        if (!(m_Flags & PrivateList))
            def.m_Flags &= ~quint32(CmnRegFieldPrivateList);
        if (m_Flags & SharedList) {
            def.m_Flags |= CmnRegFieldSharedList;
            def.SetSharedLookupListName(m_SharedListName);
        }
        if (!(m_Flags & WordWrap))
            def.m_Flags &= ~quint32(CmnRegFieldWordWrap);
        if (m_TextWidth > 0)
            def.m_TextWidth = m_TextWidth;
    }
    return def;
}

void CCmnRegNewFieldOptions::SetSharedListName(const QString &name)
{
    m_SharedListName = name.trimmed();
    if (m_SharedListName.isEmpty()) {
        m_Flags &= ~quint32(SharedList);
    } else {
        m_Flags |= SharedList;
        m_Flags &= ~quint32(PrivateList);
    }
}

void CCmnRegNewFieldOptions::AddContexts(const CCmnRegFieldContextMask &mask)
{
    for (int word = 0; word < 2; ++word)
        m_Contexts.SetWord(word, m_Contexts.Word(word) | mask.Word(word));
}
