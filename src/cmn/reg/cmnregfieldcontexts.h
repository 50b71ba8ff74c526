#pragma once

#include <QList>
#include <QString>

// One box kind of the forms that can show fields by default.
struct CCmnRegFieldContextItem
{
    int m_Bit = 0;
    int m_Group = 0;
    int m_Row = 0;
    int m_Column = 0;
    int m_ColumnSpan = 1;
    QString m_Label;
    QString m_InternalName;
};

// A form whose box kinds are listed together; groups are shown by their key.
struct CCmnRegFieldContextGroup
{
    int m_OrderKey = 0;
    QString m_Name;
};

// The catalogue of the form contexts a field's default usage can name. The forms
// fill it; registers only point at it.
class CCmnRegFieldContexts
{
public:
    // The index of the new group.
    int AddGroup(int orderKey, const QString &name);
    void AddItem(int bit, int group, int row, int column, int columnSpan, const QString &label,
                 const QString &internalName);

    QList<CCmnRegFieldContextItem> m_Items;
    QList<CCmnRegFieldContextGroup> m_Groups;
};
