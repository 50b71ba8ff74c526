#pragma once

#include <QFont>
#include <QString>
#include <QStringList>
#include <QtGlobal>

// A font as one line of text, "family;size;style" (e.g. "Georgia;12;Bold" or
// ";10;" for the size alone), so that themes, box properties and forms can set
// parts of a font at different levels and merge them. Any part may be unset:
// an empty family or style, a size of 0. Fields after the third belong to
// whoever wrote them: the text functions below keep them, the parser ignores them.
class CCmnFontDescriptor
{
public:
    CCmnFontDescriptor() = default;
    // An empty descriptor filled by ParseFontDescriptor.
    explicit CCmnFontDescriptor(const QString &text);

    // Family, size in decimal (0 when unset) and style joined with ";".
    QString ToString() const;

    QString m_Family;       // empty: unset
    qint32 m_PointSize = 0; // 0: unset; never negative nor above CmnMaxFontPointSize
    QString m_Style;        // a style name as the font database gives it; empty: unset
};

// The largest point size a descriptor holds. A damaged text can carry any
// number, and a glyph of millions of points is more than any painter can draw.
constexpr qint32 CmnMaxFontPointSize = 1000;

// Fills the descriptor from the text: the first part is the family (the
// default family when missing or empty), the second the size (0 when missing or
// no whole number; a negative number is unset too, a larger one than
// CmnMaxFontPointSize is cut to it), the third the style (empty when missing).
// A null descriptor is ignored.
void ParseFontDescriptor(CCmnFontDescriptor *descriptor, const QString &text);

// A size part read as ParseFontDescriptor reads it: 0 to CmnMaxFontPointSize.
qint32 CmnParseFontPointSize(const QString &text);

// The family that stands for an unset one: the first of "Georgia", "Palatino
// Linotype" and "Book Antiqua" that the font database has, else "Times New
// Roman". Worked out on first use and kept for the run.
QString CmnDefaultFontFamily();
// The same choice made from a given list of families (compared case-sensitively).
QString CmnChooseDefaultFontFamily(const QStringList &families);

// The text with its size part emptied: "Georgia;12;Bold" gives "Georgia;;Bold".
// Missing parts up to the third are added empty.
QString CmnFontDescriptorWithoutSize(const QString &text);
// The text with its family and style parts emptied: "Georgia;12;Bold" gives ";12;".
QString CmnFontDescriptorSizeOnly(const QString &text);

// Each of the text's first three parts that is unset (empty, or "0" for the
// size) takes the fallback's part: ";0;Italic" with "Georgia;11;Bold" gives
// "Georgia;11;Italic". The text's further parts are kept.
QString CmnMergeFontDescriptors(const QString &text, const QString &fallback);

// The font the text describes, from the font database. When a completed
// descriptor is asked for, it receives the parsed family and, for an unset size
// or style, those of the font returned.
QFont CmnFontFromDescriptor(const QString &text, CCmnFontDescriptor *completed = nullptr);

// The style name of the face the font resolves to, as the family's style list
// has it ("Book", "Regular"). The font's own style name can be one its family
// lacks (a face box keeps it when the family changes), and for a font that names
// none the database's string is "Normal", which few families list: with either,
// a style list could not select it and the face's sizes could not be looked up.
QString CmnFontFaceStyleName(const QFont &font);
