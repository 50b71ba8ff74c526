#pragma once

#include <QHash>
#include <QMap>
#include <QString>
#include <QStringList>

#include <array>

// One field value made ready for a form text, in the forms that were asked for.
struct CCmnRegSubstitution
{
    enum EForm {
        FormText = 1,
        FormHtml = 2,
        FormLines = 4,
        FormAll = 7,
    };

    CCmnRegSubstitution() = default;
    // An empty value, then Set.
    CCmnRegSubstitution(int forms, const QString &text);

    // Plain text in, each form asked for made from it (the HTML ones escaped);
    // the forms become exactly those asked for.
    void Set(int forms, const QString &text);
    // The text with its escaped HTML and one escaped line; adds every form.
    void SetText(const QString &text);
    // HTML that is already markup, not escaped again; the plain text stays.
    void SetHtml(const QString &html);

    int m_Forms = 0;   // EForm bits of the members that are set
    QString m_Text;
    QString m_Html;
    QStringList m_Lines;

    friend bool operator==(const CCmnRegSubstitution &, const CCmnRegSubstitution &) = default;
};

// Upper-case names to the values a form text may name.
using CCmnRegSubstitutionTable = QHash<QString, CCmnRegSubstitution>;
// The same names with the line form only, as the box text renderer takes them.
using CCmnRegSubstitutionLinesTable = QMap<QString, QStringList>;
using CCmnRegSubstitutionNames = std::array<QString, 3>;

// (label[-qualifier], #builtIn[-qualifier], empty); a name is empty when its label
// is. The "#" name keeps a form text working after the user renames the field.
CCmnRegSubstitutionNames CmnRegMakeSubstitutionNames(const QString &label, const QString &builtInLabel,
                                                     const QString &qualifier = {});
// Puts the value under each non-empty name, replacing what was there; true when
// at least one was put.
bool CmnRegAddSubstitution(const CCmnRegSubstitutionNames &names, CCmnRegSubstitutionTable &table,
                           const CCmnRegSubstitution &value);
// Each name's lines; an empty list for a value without the line form.
CCmnRegSubstitutionLinesTable CmnRegSubstitutionLines(const CCmnRegSubstitutionTable &table);
