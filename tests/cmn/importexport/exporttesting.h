#pragma once

#include "../../bio/reg/bioregtesting.h"

#include "cmndate.h"
#include "cmnregexportcolumns.h"
#include "cmnregvaluekind.h"

#include <QFile>

// An animal register to export: names with the characters that delimited text,
// markup and comments give a meaning of their own, a multi-line note, numbers,
// dates and the coefficient of inbreeding.
namespace OrvExport {

constexpr int kName = -101;
constexpr int kBorn = -103;
constexpr int kCoefficient = -109;
constexpr int kNotes = 1;
constexpr int kLitters = 2;
constexpr int kWeight = 3;
constexpr int kShows = 4;

inline CCmnRegFieldsSettings FieldsSettings()
{
    CCmnRegFieldsSettings settings = BioTestDefaultFieldsSettings();
    CCmnRegFieldContextMask shown;
    shown.SetContext(1, true);
    CCmnRegUserFieldSet user;
    user.AddField(QStringLiteral("Notes"), CCmnRegUserField(kNotes, CCmnRegFieldDef(CmnRegFieldMultilineText, 0), shown));
    user.AddField(QStringLiteral("Litters"), CCmnRegUserField(kLitters, CCmnRegFieldDef(CmnRegFieldInteger, 0), shown));
    user.AddField(QStringLiteral("Weight"), CCmnRegUserField(kWeight, CCmnRegFieldDef(CmnRegFieldNumber, 0), shown));
    user.AddField(QStringLiteral("Shows"), CCmnRegUserField(kShows, CCmnRegFieldDef(CmnRegFieldInteger, 0), shown));
    settings.SetUserFields(user);
    return settings;
}

inline CCmnDate Date(const QString &dayMonthYear)
{
    return CCmnDate::Parse(dayMonthYear, QStringLiteral("dd/mm/yyyy"), CmnDateCalendarGregorian);
}

// An animal with a note, a litter count and a date of birth (each left out when empty).
inline int AddExportAnimal(CBioReg &reg, const QString &name, const QString &notes = QString(), int litters = -1,
                           const QString &born = QString())
{
    const int id = AddAnimal(reg, name, 0);
    ReplaceWith(reg, id, [&](CBioRegRecord &record) {
        if (!notes.isEmpty())
            record.SetValue(kNotes, CmnRegValueText, notes);
        if (litters >= 0)
            record.SetValue(kLitters, CmnRegValueInteger, litters);
        if (!born.isEmpty())
            record.SetValue(kBorn, CmnRegValueDate, QVariant::fromValue(Date(born)));
    });
    return id;
}

inline QSharedPointer<CBioReg> NewRegister()
{
    auto reg = QSharedPointer<CBioReg>::create(FieldsSettings());
    AddExportAnimal(*reg, QStringLiteral("Smith, \"Bo\""), QStringLiteral("First line\nsecond line"), 3,
                    QStringLiteral("15/03/2020"));
    AddExportAnimal(*reg, QStringLiteral("#1"));
    AddExportAnimal(*reg, QStringLiteral("Smith & Jones <UK>"), QStringLiteral("  padded  "), 0);
    return reg;
}

inline CCmnRegExportColumns Columns(const QList<int> &ids)
{
    CCmnRegExportColumns columns;
    columns.m_FieldIds = ids;
    return columns;
}

inline QByteArray FileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool WriteFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace OrvExport
