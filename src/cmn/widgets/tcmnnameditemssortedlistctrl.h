#pragma once

#include "tcmnnameditemslistctrlbase.h"

// The list control of a sorted named-items list. A sorted list has no Up and Down
// buttons.
template <typename T>
class TCmnNamedItemsSortedListCtrl : public TCmnNamedItemsListCtrlBase<T>
{
public:
    TCmnNamedItemsSortedListCtrl(QObject *parent, const QString &itemWord, const QString &plural,
                                 const QString &nameWord, quint32 flags, qint32 maxItemCount,
                                 const CCmnNamedItemsButtonWords &buttonWords = CCmnNamedItemsButtonWords(),
                                 QLayout *extraLayout = nullptr)
        : TCmnNamedItemsListCtrlBase<T>(parent, itemWord, plural, nameWord, flags, maxItemCount, buttonWords,
                                        extraLayout, false)
    {
    }
};
