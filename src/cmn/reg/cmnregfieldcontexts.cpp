#include "cmnregfieldcontexts.h"

int CCmnRegFieldContexts::AddGroup(int orderKey, const QString &name)
{
    m_Groups.append(CCmnRegFieldContextGroup{orderKey, name});
    return int(m_Groups.size()) - 1;
}

void CCmnRegFieldContexts::AddItem(int bit, int group, int row, int column, int columnSpan,
                                   const QString &label, const QString &internalName)
{
    m_Items.append(CCmnRegFieldContextItem{bit, group, row, column, columnSpan, label, internalName});
}
