#pragma once

#include <QString>
#include <QStringList>

// One field value made ready for a form text, in the forms that were asked for.
struct CCmnRegSubstitution
{
    enum EForm {
        FormText = 1,
        FormHtml = 2,
        FormLines = 4,
    };

    int m_Forms = 0;   // EForm bits of the members that are set
    QString m_Text;
    QString m_Html;
    QStringList m_Lines;

    friend bool operator==(const CCmnRegSubstitution &, const CCmnRegSubstitution &) = default;
};
