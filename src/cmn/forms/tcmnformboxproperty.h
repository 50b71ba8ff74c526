#pragma once

#include <QSharedPointer>
#include <QtGlobal>

// One styling property of a form box: set on the box (its own value), inherited
// from the parent box, or left at its built-in default.
enum ECmnFormBoxPropertyMode : qint32 {
    CmnFormBoxPropertyDefault = 0, // and any mode other than the two below
    CmnFormBoxPropertyInherit = 1,
    CmnFormBoxPropertyOwn = 2,
};

template <typename T>
class TCmnFormBoxProperty
{
public:
    // Stores a private copy, so that no caller shares a value with the box.
    void Set(const T &value)
    {
        m_Mode = CmnFormBoxPropertyOwn;
        m_Value = QSharedPointer<T>::create(value);
    }

    qint32 m_Mode = CmnFormBoxPropertyDefault;
    QSharedPointer<T> m_Value; // null until set
};
