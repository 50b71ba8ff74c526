#pragma once

#include "cmnpicture.h"
#include "cmnregrecord.h"

#include <QPair>
#include <QString>

class CBioNameDisplaySettings;
class CCmnDate;

// An animal: its name, sex, sire, dam and photo, besides the field values every
// record stores. Title, name suffix and the dates are such stored values.
class CBioRegRecord : public CCmnRegRecord
{
public:
    // The built-in fields whose values the record stores.
    static constexpr int kDateOfBirthField = -103;
    static constexpr int kDateOfDeathField = -104;
    static constexpr int kTitleField = -107;
    static constexpr int kNameSuffixField = -108;

    explicit CBioRegRecord(CCmnReg *reg);
    CBioRegRecord(const QString &name, CCmnReg *reg);
    CBioRegRecord(const CBioRegRecord &) = default;
    CBioRegRecord &operator=(const CBioRegRecord &) = default;

    QString GetName() const override { return m_Name; }

    QString Title() const;
    QString NameSuffix() const;
    CCmnDate DateOfBirth() const;
    CCmnDate DateOfDeath() const;
    // In the date format of the system settings.
    QString DateOfBirthText() const;
    QString DateOfDeathText() const;
    // Any date as the two above show theirs.
    static QString DateText(const CCmnDate &date);

    // "Rex II", "Ch Rex II", and the same as HTML with the title highlighted.
    QString NameWithSuffix(const CBioNameDisplaySettings &settings) const;
    QString DisplayName(const CBioNameDisplaySettings &settings) const;
    QString DisplayNameHtml(const CBioNameDisplaySettings &settings) const;

    // (display text, sort text).
    QPair<QString, QString> NameTexts() const { return {m_Name, m_Name}; }
    // A sex other than male or female counts as unknown.
    QString SexText(int flags) const;
    QPair<QString, QString> SexTexts() const;

    // Record ids; below 1 means none.
    int m_Sire = 0;
    int m_Dam = 0;
    // 0 unknown, 1 male, 2 female; a file may hold any other value.
    int m_Sex = 0;
    CCmnPicture m_Photo;
    QString m_Name;
};
