#pragma once

#include "cmnregfield.h"
#include "cmnreglayoutitems.h"
#include "cmnreguserfieldset.h"

#include <QByteArray>
#include <QList>
#include <QSet>

class QDataStream;

// Which fields a register's records carry and how they are laid out: the user
// fields, the definitions of the built-in system and special fields, the order in
// which forms list fields and the layouts of the record and select-record windows.
// A value type: the document stores one, the register applies a copy, the
// settings tabs edit another. Derived parts (the normalised order, the layouts)
// are brought up to date lazily, as the changed bits ask.
class CCmnRegFieldsSettings
{
public:
    // Parts that must be brought up to date before they are read.
    enum EChanged {
        ChangedFormFieldOrder = 1,
        ChangedSelectRecordManual = 2,
        ChangedSelectRecordAuto = 4,
        ChangedRecordDetailsManual = 8,
        ChangedRecordDetailsAuto = 16,
        ChangedAll = 31,
    };

    CCmnRegFieldsSettings() = default;

    void Clear();
    void AddSystemField(const CCmnRegField &field);
    void AddSpecialField(const CCmnRegField &field);
    void SetUserFields(const CCmnRegUserFieldSet &fields);
    void SetUserFieldPrototype(const CCmnRegField &field);
    void SetFormFieldOrder(const QList<int> &ids);
    // The definition and usage mask of the special (or system) field with the
    // field's id; both automatic layouts are then recomputed, as the definition may
    // change a field's size or key-field flag. False, changing nothing, for an id
    // not in that list.
    bool UpdateBuiltInField(bool special, const CCmnRegField &field);
    // Marks derived parts (EChanged bits) to be brought up to date.
    void MarkChanged(int bits) { m_Changed |= bits & ChangedAll; }
    // Takes the built-in definitions of another value (a newer program's): special
    // fields follow it wholly; a system field takes its definition only when the
    // kind of value it stores changed, keeping the user's choices otherwise.
    void SyncSpecialFields(const CCmnRegFieldsSettings &other);

    int IndexOfUserField(int fieldId) const;
    int GetMaxUserFieldId() const;
    // The wanted name, or it with " B" ... " Z", " AA" ... " ZZ", whichever first
    // matches no user field ignoring case; empty when all are taken.
    QString MakeUniqueUserFieldName(const QString &wanted) const;

    // Ids of a group whose mask has the context bit; all of them for a context of 0
    // or less, none for 128 or more.
    QList<int> GetSystemFieldIds(int context) const;
    QList<int> GetSpecialFieldIds(int context) const;
    QList<int> GetUserFieldIds(int context) const;
    // The form field order, limited to the fields with the context bit when the
    // context is above 0.
    QList<int> GetFieldsForContext(int context);

    // Drops ids of fields that no longer exist and repeats, and appends missing
    // fields in ascending id order; does nothing unless its changed bit is set.
    void NormaliseFormFieldOrder();

    // The definition of a system, user or special field (searched in that order).
    const CCmnRegFieldDef *FindFieldDef(int fieldId) const;
    // (rows per column, columns per tab) of the automatic record-details layout.
    QPair<int, int> GetAutoRecordDetailsMetrics();
    int GetAutoSelectRecordColumnLength();
    void ComputeAutoRecordDetailsLayout();
    void NormaliseRecordDetailsLayout();
    void ComputeAutoSelectRecordLayout();
    void NormaliseSelectRecordLayout();
    // The layouts as their windows show them: computed when automatic, the user's
    // own brought up to date otherwise.
    const QList<CCmnRegSelectRecordLayoutItem> &GetSelectRecordLayout();
    const QList<CCmnRegRecordDetailsLayoutItem> &GetRecordDetailsLayout();
    // Moves the new user fields to the end of the form field order and rewrites
    // both layouts around them (both become manual).
    void PlaceNewFields(QList<CCmnRegNewFieldPlacement> placements);
    void MoveNewFieldsToEnd(const QList<CCmnRegNewFieldPlacement> &sorted);
    void PlaceNewFieldsInSelectRecordLayout(const QList<CCmnRegNewFieldPlacement> &sorted);
    void PlaceNewFieldsInRecordDetailsLayout(const QList<CCmnRegNewFieldPlacement> &sorted);

    const CCmnRegUserFieldSet &GetUserFields() const { return m_UserFields; }
    const QList<CCmnRegField> &GetSystemFields() const { return m_SystemFields; }
    const QList<CCmnRegField> &GetSpecialFields() const { return m_SpecialFields; }
    const QList<int> &GetFormFieldOrder() const { return m_FormFieldOrder; }
    int GetChanged() const { return m_Changed; }
    bool IsSelectRecordLayoutAutomatic() const { return m_SelectRecordAuto; }
    bool IsRecordDetailsLayoutAutomatic() const { return m_RecordDetailsAuto; }
    const QList<CCmnRegSelectRecordLayoutItem> &GetSelectRecordManualItems() const { return m_SelectRecordManual; }
    const QList<CCmnRegRecordDetailsLayoutItem> &GetRecordDetailsManualItems() const { return m_RecordDetailsManual; }
    void SetSelectRecordLayout(bool automatic, const QList<CCmnRegSelectRecordLayoutItem> &manual);
    void SetRecordDetailsLayout(bool automatic, const QList<CCmnRegRecordDetailsLayoutItem> &manual);

    // Compares what the user sees: fields, the normalised order and the layouts as
    // their readers get them. Brings both values up to date first.
    bool operator==(CCmnRegFieldsSettings &other);

    // Block tag 0x38, version 1.
    void Write(QDataStream &stream) const;
    // False, stream untouched, for another tag or a newer version; damage inside
    // marks the stream ReadCorruptData.
    [[nodiscard]] bool Read(QDataStream &stream);
    QByteArray ToByteArray() const;
    // False, and this value unchanged, for a block that is not whole and sound: a
    // half-read value must never pass for the stored one.
    [[nodiscard]] bool FromByteArray(const QByteArray &bytes);

private:
    bool IsSystemOrUserField(int fieldId) const;
    bool IsKeyField(int fieldId) const;
    int LayoutRows(int fieldId) const;
    QList<int> RecordDetailsFieldsInOrder();
    QList<int> KeyFieldsInOrder();
    void ReadFieldList(QDataStream &stream, quint8 sectionTag, quint8 itemTag, QList<CCmnRegField> &list);
    QList<int> ExistingFieldIdsInOrder() const;

    CCmnRegUserFieldSet m_UserFields;
    QList<CCmnRegField> m_SystemFields;
    QList<CCmnRegField> m_SpecialFields;
    int m_Changed = ChangedAll;
    QList<int> m_FormFieldOrder;
    QSet<int> m_ExistingFieldIds;   // a cache for the normalisation, never stored
    bool m_SelectRecordAuto = true;
    QList<CCmnRegSelectRecordLayoutItem> m_SelectRecordManual;
    QList<CCmnRegSelectRecordLayoutItem> m_SelectRecordComputed;
    bool m_RecordDetailsAuto = true;
    QList<CCmnRegRecordDetailsLayoutItem> m_RecordDetailsManual;
    QList<CCmnRegRecordDetailsLayoutItem> m_RecordDetailsComputed;
};
