#pragma once

#include <QList>
#include <QString>

class CCmnThemeElt;
class QDataStream;

// The theme of older documents: a plain list of elements in the order they were
// added, read only so that the document can convert it into a CCmnTheme.
class CCmnThemeOld
{
public:
    CCmnThemeOld() = default;
    CCmnThemeOld(const CCmnThemeOld &other);
    CCmnThemeOld &operator=(const CCmnThemeOld &other);
    virtual ~CCmnThemeOld();

    // Takes ownership.
    void AddElt(CCmnThemeElt *element);
    // The first element of the name only; nothing when there is none.
    void RemoveElt(const QString &name);
    void RenameElt(const QString &oldName, const QString &newName);
    const QList<CCmnThemeElt *> &Elements() const { return m_Elements; }

    // Starts from clones of the template's elements and reads into each the
    // entry of its name; entries of other names are skipped. False on another
    // tag or version (the list unchanged) or when an element fails to read.
    [[nodiscard]] bool Read(QDataStream &in, const CCmnThemeOld &templateTheme);

private:
    void Clear();
    void CloneFrom(const CCmnThemeOld &other);

    QList<CCmnThemeElt *> m_Elements;
};
