#pragma once

#include <QByteArray>
#include <QHash>
#include <QSet>
#include <QSharedPointer>
#include <QString>

class CCmnThemeElt;
class QDataStream;

// A set of named elements from which themed forms take the look and the fixed
// contents of their boxes, always used together with a default theme that holds
// every element a form asks for. A theme read from a document keeps each element
// as its stored bytes until first asked for, then reads it with the default
// theme's element of that name as prototype (the bytes carry no class). An
// element is copied out of the default theme only when it is edited.
//
// Stored bytes that do not read as their element stay stored and are written
// back as they were: a document from a newer or damaged program loses nothing
// by being opened and saved here.
class CCmnTheme
{
public:
    CCmnTheme() = default;
    CCmnTheme(const CCmnTheme &other);
    CCmnTheme &operator=(const CCmnTheme &other);
    virtual ~CCmnTheme() = default;

    // Clones every element of the other theme; stored bytes are shared.
    void Assign(const CCmnTheme &other);

    // For reading: this theme's element, else the default theme's. Null when
    // neither holds the name.
    const CCmnThemeElt *GetElt(const QString &name, const CCmnTheme &defaultTheme);
    // For changing: this theme's own element, cloned from the default theme's
    // first when needed. Null when neither holds the name.
    CCmnThemeElt *GetEltForWrite(const QString &name, const CCmnTheme &defaultTheme);
    // Turns the stored bytes of the name into an element; false when there are
    // none, the default theme has no prototype, or the bytes do not read.
    bool MaterialiseElt(const QString &name, const CCmnTheme &defaultTheme);
    // Takes ownership; replaces an element of the same name.
    void AddElt(CCmnThemeElt *element);

    // Same elements with equal payloads and the same stored bytes. Stored bytes
    // are compared by reading a temporary copy: nothing in either theme changes.
    bool IsEqual(const CCmnTheme &other) const;

    // Tag 34, version 0, one entry (byte 1, name, payload bytes) per element in
    // name order, then byte 0.
    void Write(QDataStream &out) const;
    // False on another tag or version (the theme unchanged) or when the stream
    // ends early (the entries read so far kept).
    [[nodiscard]] bool Read(QDataStream &in);

    const QHash<QString, QSharedPointer<CCmnThemeElt>> &Elements() const { return m_Elements; }
    const QHash<QString, QByteArray> &Stored() const { return m_Stored; }

private:
    // The element read from the bytes with the prototype's class, or null.
    static CCmnThemeElt *ReadElement(const CCmnThemeElt &prototype, const QByteArray &bytes);
    const CCmnThemeElt *Materialised(const QString &name) const;

    QHash<QString, QSharedPointer<CCmnThemeElt>> m_Elements;
    QHash<QString, QByteArray> m_Stored;
    // Names whose bytes were found unreadable and reported, so each is reported once.
    QSet<QString> m_Unreadable;
};

// Read marks the stream corrupt when it fails.
QDataStream &operator<<(QDataStream &out, const CCmnTheme &theme);
QDataStream &operator>>(QDataStream &in, CCmnTheme &theme);
