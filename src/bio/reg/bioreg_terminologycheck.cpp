#include "bioreg.h"

#include "bioterminology.h"
#include "bioterminologysettings.h"
#include "cmnhtmlescape.h"
#include "cmnhtmltags.h"
#include "cmnstringlist.h"

#include <QCoreApplication>
#include <QHash>

#include <algorithm>

namespace {

// Marks built from the first letter of the two words cannot be told apart.
QString FirstLetterClash(int first, int second)
{
    const QString a = GetBioTerm(first, 0).left(1).toUpper();
    const QString b = GetBioTerm(second, 0).left(1).toUpper();
    if (a != b)
        return QString();
    return QCoreApplication::translate("CBioReg", "The terms for '%1' and '%2' should start with a different letter")
        .arg(GetBioTerm(first, BioTermBuiltIn), GetBioTerm(second, BioTermBuiltIn));
}

} // namespace

QString CBioReg::CheckTerminologyAndFieldNames(const CCmnRegFieldsSettings &settings) const
{
    QStringList labels;
    QHash<QString, QList<int>> idsByLabel;
    for (const int id : GetInbuiltFieldIds()) {
        const QString label = GetFieldLabel(id, false).toUpper();
        labels << label;
        idsByLabel[label] << id;
    }
    CmnRemoveDuplicateStrings(labels);

    QStringList messages;
    for (const QString &label : labels) {
        QList<int> ids = idsByLabel.value(label);
        if (ids.size() < 2)
            continue;
        std::sort(ids.begin(), ids.end());
        QStringList quoted;
        for (const int id : ids)
            quoted << QStringLiteral("'%1'").arg(GetFieldLabel(id, true));
        const QString last = quoted.takeLast();
        messages << tr("The inbuilt fields %1 and %2 have the same name '%3'")
                        .arg(quoted.join(QStringLiteral(", ")), last, GetFieldLabel(ids.first(), false));
    }

    bool userFieldClash = false;
    for (const auto &item : settings.GetUserFields().m_Items) {
        if (idsByLabel.contains(item.first.toUpper())) {
            messages << tr("User defined field '%1' has the same name as an inbuilt field.").arg(item.first);
            userFieldClash = true;
        }
    }

    for (const auto &[first, second] : {std::pair{BioTermSire, BioTermDam}, std::pair{BioTermMale, BioTermFemale}}) {
        const QString clash = FirstLetterClash(first, second);
        if (!clash.isEmpty())
            messages << clash;
    }

    if (messages.isEmpty())
        return QString();
    QString items;
    for (const QString &message : messages)
        items += CmnHtmlListItem(CmnHtmlEscape(message));
    const QString advice = userFieldClash
        ? tr("Please adjust your terminology settings and/or user defined field names to avoid these problems.")
        : tr("Please adjust your terminology settings to avoid these problems.");
    return CmnHtmlParagraph(CmnHtmlEscape(tr("Your chosen terminology settings are not ideal:")))
        + CmnHtmlBulletList(items)
        + CmnHtmlParagraph(CmnHtmlEscape(
            tr("This may result in some fields not being correctly displayed in some of the forms.")))
        + CmnHtmlParagraph(CmnHtmlEscape(advice));
}
