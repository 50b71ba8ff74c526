#pragma once

#include <QList>
#include <QString>

// What one row of a check combo box means: the text it adds to the summary when
// ticked, its kind and, for a group row, the rows it stands for. Rows that have no
// record of their own use the model's default record.
class CCmnCheckComboItem
{
public:
    enum EFlag : int {
        FlagNotCheckable = 1, // a heading or separator row
        FlagSelected = 2,     // counted by CheckedRows when not all rows are asked for
        FlagGroup = 4,        // ticked exactly when the ticked rows are its group
    };

    QString m_SummaryText;  // added to the summary while the row is ticked
    QString m_SecondText;   // free for the owner's use
    int m_Flags = 0;        // EFlag values
    QList<int> m_Group;     // a group row's rows, in row order
};
