#pragma once

#include <QString>

class CCmnThemedFormBoxGenericLayout;
class QDataStream;

// A named element of a theme: the data (picture and text) or the layout (box
// properties) of a box of a themed form. The name is kept beside the payload:
// a theme stores it as the key of the payload's bytes.
class CCmnThemeElt
{
public:
    explicit CCmnThemeElt(const QString &name) : m_Name(name) {}
    virtual ~CCmnThemeElt() = default;

    virtual void Write(QDataStream &out) const = 0;
    // Replaces the payload; true when the stream is still good. The name stays.
    [[nodiscard]] virtual bool Read(QDataStream &in) = 0;
    // Payload equality with an element of the same class; false for another class.
    virtual bool IsEqual(const CCmnThemeElt &other) const = 0;
    // A new element of the same class, name and payload, owned by the caller.
    virtual CCmnThemeElt *Clone() const = 0;
    // The box properties the theme accessors read from the element; null for an
    // element that holds none.
    virtual const CCmnThemedFormBoxGenericLayout *GenericLayout() const { return nullptr; }

    const QString &Name() const { return m_Name; }
    void SetName(const QString &name) { m_Name = name; }

protected:
    CCmnThemeElt(const CCmnThemeElt &) = default;
    CCmnThemeElt &operator=(const CCmnThemeElt &) = default;

private:
    QString m_Name;
};
