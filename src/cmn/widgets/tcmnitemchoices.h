#pragma once

#include <QList>
#include <QString>

// The name a picker shows for the custom value at the given 0-based index:
// "Custom 1" for the first.
QString CmnCustomItemName(int index);

// One entry of a picker's palette: a value and the name shown beside it.
template <typename T>
struct TCmnNamedChoice
{
    T m_Value;
    QString m_Name;
};

// What a picker offers: a palette of named values plus the values met during the
// run that are in no palette. One instance exists per palette for the whole
// process; every button built on it holds a pointer to it and never owns it, so
// a value one button meets is offered by all the others too.
template <typename T>
class TCmnItemChoices
{
public:
    // itemsPerRow <= 0 lets the popup choose from the number of cells.
    TCmnItemChoices(bool noCustom, int itemsPerRow, const T &defaultValue)
        : m_NoCustom(noCustom), m_ItemsPerRow(itemsPerRow), m_DefaultValue(defaultValue)
    {
    }

    const QList<TCmnNamedChoice<T>> &NamedChoices() const { return m_NamedChoices; }
    void AddNamedChoice(const T &value, const QString &name) { m_NamedChoices.append({value, name}); }

    // Appended, never removed; they last until the process ends.
    const QList<T> &CustomValues() const { return m_CustomValues; }
    void AddCustomValue(const T &value) { m_CustomValues.append(value); }

    // Set: the popup has no "More" cell and buttons never append custom values.
    bool NoCustom() const { return m_NoCustom; }
    void SetNoCustom(bool noCustom) { m_NoCustom = noCustom; }

    int ItemsPerRow() const { return m_ItemsPerRow; }
    void SetItemsPerRow(int itemsPerRow) { m_ItemsPerRow = itemsPerRow; }

    // What a button without a default entry starts with.
    const T &DefaultValue() const { return m_DefaultValue; }

    int IndexOfNamed(const T &value) const
    {
        for (qsizetype i = 0; i < m_NamedChoices.size(); ++i) {
            if (m_NamedChoices.at(i).m_Value == value)
                return int(i);
        }
        return -1;
    }

    int IndexOfCustom(const T &value) const { return int(m_CustomValues.indexOf(value)); }

    // The name of a named value, "Custom n" for a custom one, else empty.
    QString ItemText(const T &value) const
    {
        const int named = IndexOfNamed(value);
        if (named >= 0)
            return m_NamedChoices.at(named).m_Name;
        const int custom = IndexOfCustom(value);
        if (custom >= 0)
            return CmnCustomItemName(custom);
        return QString();
    }

private:
    QList<TCmnNamedChoice<T>> m_NamedChoices;
    QList<T> m_CustomValues;
    bool m_NoCustom;
    int m_ItemsPerRow;
    T m_DefaultValue;
};
