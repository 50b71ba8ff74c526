#pragma once

#include <QString>
#include <QStringView>

#include <vector>

// Numbers distinct texts 0, 1, 2 ... in the order they are first met, and gives
// each number's text back. Where letter case does not count, texts are told
// apart by their upper-case form, and that form is the one kept.
//
// The table holds small slots (part of the text's hash and its number) and
// compares texts only where those hashes match: a million texts fit in 16 MB of
// slots, so a look-up misses the caches about once, where a general hash of
// string views missed them at every step.
class CCmnTextNumbering
{
public:
    explicit CCmnTextNumbering(bool caseSensitive);

    // The form under which texts are told apart: the text itself, or its upper
    // case when letter case does not count.
    QString Folded(const QString &text) const { return m_CaseSensitive ? text : text.toUpper(); }

    // Room for this many texts without growing the table.
    void Reserve(qsizetype texts);

    // The number of a text in its folded form; a text not met before gets the next.
    int Number(const QString &folded);

    const QString &Text(int number) const { return m_Texts[size_t(number)]; }
    qsizetype Count() const { return qsizetype(m_Texts.size()); }

private:
    struct TSlot
    {
        quint32 m_Hash;
        qint32 m_Number; // kEmpty when the slot is free
    };
    static constexpr qint32 kEmpty = -1;

    void Resize(size_t size);

    bool m_CaseSensitive;
    // Seeded as Qt's own hashes are, so a hostile file cannot aim its IDs at one slot.
    size_t m_Seed;
    std::vector<QString> m_Texts;
    std::vector<TSlot> m_Slots;
    size_t m_Mask = 0;
};
