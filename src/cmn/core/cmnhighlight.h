#pragma once

#include <QColor>
#include <QMetaType>
#include <QString>
#include <QStringList>

class QDataStream;
class QFont;

// How a piece of text is emphasised: bold, italic, underlined, in a text colour,
// on a hatched background and with a decoration image beside it. The default
// value means no emphasis at all. It travels in variants and settings blobs
// under the meta-type name "CCmnHighlight", which stored files carry.
class CCmnHighlight
{
public:
    // Equal when every field matches, except that the hatch colour counts only
    // when there is a background to paint it with (hatch style not 0).
    bool operator==(const CCmnHighlight &other) const;

    // Tag 1, version 0, a flags byte, then only the values the flags announce.
    void Write(QDataStream &out) const;
    // False, with the value unchanged, on another tag or version, a damaged
    // value or a short stream; the value changes only when the whole block reads.
    bool Read(QDataStream &in);

    // The name of the first preset equal to this value, else "Custom".
    QString PresetName() const;
    // A copy of the font with bold, italic and underline switched on where this
    // highlight asks for them; nothing is switched off.
    QFont StyledFont(const QFont &font) const;

    // The presets in the order a preset chooser lists them; an index outside
    // the list gives the default value.
    static QStringList PresetNames();
    static CCmnHighlight Preset(int index);

    bool m_Bold = false;
    bool m_Italic = false;
    bool m_Underline = false;
    QColor m_TextColor;     // invalid: the normal text colour
    QColor m_HatchColor;    // invalid: the current pen colour
    int m_HatchStyle = 0;   // a Qt::BrushStyle for the background; 0: none
    QString m_Decoration;   // resource path of a decoration image; empty: none
};

// The meta-type system finds these and uses them for variants and settings.
// Reading marks the stream ReadCorruptData when the block is bad; a stream that
// already failed (a short read) keeps its own status.
QDataStream &operator<<(QDataStream &out, const CCmnHighlight &highlight);
QDataStream &operator>>(QDataStream &in, CCmnHighlight &highlight);

Q_DECLARE_METATYPE(CCmnHighlight)
