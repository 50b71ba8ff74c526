#pragma once

#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>

// The markup of form-box texts: field placeholders in square brackets, replaced by
// the values of the record that the box shows, and format tags in braces, which
// become HTML. Neither construct nests, and a malformed one shows as "!" in the
// output; nothing fails.
//
// Placeholders: [key] prints the key's lines joined by ", "; [$opts fields style
// size] prints labels and values of a list of fields, [@...] values only. Tags:
// {B} {/B} {I} {/I} {U} {/U}, {S n} (n percent of the box's font size) and {/S}.

// The names a box text refers to, so that the register knows which values to
// supply: upper case, each cut before its first "-". allFields is set when a list
// placeholder selects "*" or an exclusion list.
struct CCmnFieldReferences
{
    QSet<QString> names;
    bool allFields = false;

    friend bool operator==(const CCmnFieldReferences &, const CCmnFieldReferences &) = default;
};

// One line of box text, already HTML, to an HTML fragment. baseSize is the box's
// font size in pixels; substitutions maps upper-case names to their values' lines,
// already HTML-escaped; defaultFields is what "*" and exclusion lists select from.
QString CmnBoxMarkupToHtml(const QString &line, qint32 baseSize,
                           const QMap<QString, QStringList> &substitutions,
                           const QStringList &defaultFields);

CCmnFieldReferences CmnParseFieldReferences(const QString &text);
