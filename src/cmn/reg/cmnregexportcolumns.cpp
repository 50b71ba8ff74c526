#include "cmnregexportcolumns.h"

#include "cmnreg.h"
#include "cmnrememberedvalues.h"

namespace {

QString FieldsKey(const QString &key)
{
    return key + QStringLiteral("_fields");
}

QString DateFormatKey(const QString &key)
{
    return key + QStringLiteral("_dateformat");
}

} // namespace

void CCmnRegExportColumns::Load(const QString &key, const CCmnReg &reg)
{
    const QList<int> available = reg.GetExportColumnIds();
    m_FieldIds.clear();
    CCmnRememberedValues *remembered = CmnGetRememberedValues();
    if (!key.isEmpty() && remembered) {
        m_DateFormat = remembered->Value(DateFormatKey(key)).toString();
        const QStringList ids = remembered->Value(FieldsKey(key)).toString().split(QLatin1Char(','), Qt::SkipEmptyParts);
        for (const QString &text : ids) {
            bool ok = false;
            const int id = text.trimmed().toInt(&ok);
            if (ok && available.contains(id) && !m_FieldIds.contains(id))
                m_FieldIds.append(id);
        }
    }
    if (!m_FieldIds.isEmpty())
        return;
    for (const int id : available) {
        const auto mask = reg.GetFieldContextMask(id);
        if (mask.first != 0 || mask.second != 0)
            m_FieldIds.append(id);
    }
}

void CCmnRegExportColumns::Save(const QString &key) const
{
    CCmnRememberedValues *remembered = CmnGetRememberedValues();
    if (!remembered)
        return;
    QStringList ids;
    for (const int id : m_FieldIds)
        ids << QString::number(id);
    remembered->SetValue(DateFormatKey(key), m_DateFormat);
    remembered->SetValue(FieldsKey(key), ids.join(QLatin1Char(',')));
}
