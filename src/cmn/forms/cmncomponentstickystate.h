#pragma once

#include <QObject>

// The base of what one form kind remembers between runs.
class CCmnComponentStickyState : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
};
