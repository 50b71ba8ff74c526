#pragma once

#include <QProxyStyle>

// The application style that main installs before any window is created: a
// proxy over the platform style, so that the framework has one place to adjust
// how controls are drawn. It draws everything exactly as the style it wraps.
class CCmnProxyStyleEx : public QProxyStyle
{
    Q_OBJECT
public:
    // Wraps the given style and takes ownership of it; null wraps the platform's
    // default style.
    explicit CCmnProxyStyleEx(QStyle *baseStyle = nullptr);
};
