#pragma once

#include <QList>
#include <QString>

class CCmnReg;

// The columns of a record table export or printout: the chosen field ids in
// order and the date format of date columns (empty: the default date-input
// format). Remembered between runs under a key.
class CCmnRegExportColumns
{
public:
    // The choice remembered under the key, keeping only the ids the register
    // still offers; when none is left, every offered column that some form
    // context uses.
    void Load(const QString &key, const CCmnReg &reg);
    void Save(const QString &key) const;

    friend bool operator==(const CCmnRegExportColumns &, const CCmnRegExportColumns &) = default;

    QList<int> m_FieldIds;
    QString m_DateFormat;
};
