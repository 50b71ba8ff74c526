#pragma once

#include "cmnregfielddef.h"
#include "cmnregfieldcontextmask.h"

class QDataStream;

// A field of the fields settings: its id, what it holds and where forms show it
// by default.
class CCmnRegField
{
public:
    static constexpr quint8 kUserTag = 42;
    static constexpr quint8 kSpecialTag = 57;
    static constexpr quint8 kSystemTag = 58;

    CCmnRegField() = default;
    CCmnRegField(int id, const CCmnRegFieldDef &def, const CCmnRegFieldContextMask &mask = {})
        : m_Id(id), m_Def(def), m_Mask(mask) {}

    // A field item: the tag, version 0, the id, the definition and the mask.
    void Write(QDataStream &stream, quint8 tag = kUserTag) const;
    // False, stream status untouched, for another tag or version; a damaged
    // definition or mask marks the stream ReadCorruptData.
    [[nodiscard]] bool Read(QDataStream &stream, quint8 tag = kUserTag);

    friend bool operator==(const CCmnRegField &, const CCmnRegField &) = default;

    int m_Id = -1;
    CCmnRegFieldDef m_Def;
    CCmnRegFieldContextMask m_Mask;
};

// A user-defined field; its name is kept beside it in the user-field set.
class CCmnRegUserField : public CCmnRegField
{
public:
    using CCmnRegField::CCmnRegField;
    CCmnRegUserField() = default;
    CCmnRegUserField(const CCmnRegField &field) : CCmnRegField(field) {}
};
