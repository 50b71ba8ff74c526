#pragma once

#include <QObject>

// The base of the settings of one form kind, which travel with the document.
class CCmnComponentSettings : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
};
