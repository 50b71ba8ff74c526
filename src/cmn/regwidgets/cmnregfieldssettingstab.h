#pragma once

#include "cmnregfieldcontexts.h"
#include "cmntab.h"
#include "tcmnnameditemssortedlist.h"

#include <QList>
#include <QSharedPointer>
#include <QString>

class CCmnReg;
class CCmnRegFieldsSettings;

// What the tabs of the document settings that edit the fields share: the host's
// word for its printed output ("Forms"), the word for one record and for several,
// the host's copy of the fields settings and the document's register, from which
// the built-in fields take their current labels and the field configuration
// dialog its catalogue of form boxes.
class CCmnRegFieldsSettingsTab : public CCmnTab
{
    Q_OBJECT
public:
    // The settings are the host's copy, not owned, and must outlive the tab.
    CCmnRegFieldsSettingsTab(const QString &text, const QString &recordWord, const QString &recordWordPlural,
                             CCmnRegFieldsSettings *settings, const QSharedPointer<CCmnReg> &reg,
                             QWidget *parent = nullptr);
    ~CCmnRegFieldsSettingsTab() override;

protected:
    // The register's catalogue; an empty one when the register has none.
    const CCmnRegFieldContexts *Catalogue() const;
    // A built-in field by the register's current wording, a user field by its name in
    // the edited settings; empty for an id that names neither.
    QString FieldLabel(int fieldId) const;
    // (label, id) of the fields in the given order. A field without a label, or one
    // whose label is already listed, is left out: the lists tell fields apart by
    // label, so the later field would be unreachable anyway.
    TCmnNamedItemsSortedList<int> FieldList(const QList<int> &fieldIds) const;
    // A word-wrapped rich-text label at the top of the tab, saying what the tab
    // controls and what it does not.
    void AddHeading(const QString &html);

    QString m_Text;
    QString m_RecordWord;
    QString m_RecordWordPlural;
    CCmnRegFieldsSettings *m_Settings;
    QSharedPointer<CCmnReg> m_Reg;

private:
    CCmnRegFieldContexts m_NoContexts;
};
