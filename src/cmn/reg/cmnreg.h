#pragma once

#include "cmnexportcellformat.h"
#include "cmnregfielddef.h"
#include "cmnregfieldssettings.h"
#include "cmnregidallocator.h"
#include "cmnreglookuplists.h"
#include "cmnregrecordtable.h"
#include "cmnregsubstitution.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QPair>
#include <QSharedPointer>

#include <functional>

class CCmnByteCursor;
class CCmnExportProgress;
class CCmnExportTableController;
class CCmnRegExportColumns;
class CCmnRegFieldContexts;
class CCmnRegIndexList;
class CCmnRegIndexListModel;
class CCmnRegRecord;
class CCmnStreamWindow;
class QDataStream;
class QWidget;

// The document's store of records: every record under a positive id, the fields
// settings that say which fields the records carry, and the identity fields that
// name a record. It knows nothing of animals; the breeding register derives from
// it, makes its records and answers the questions about built-in fields. No
// operation of the store emits a signal: the record commands that change it do.
class CCmnReg : public QObject
{
    Q_OBJECT
public:
    using CRecordPtr = QSharedPointer<CCmnRegRecord>;

    // Codes of RegRecordNotification.
    enum ENotification {
        RecordAdded = 1,
        RecordChanged = 2,
        RecordDeleted = 3,
        SireSet = 101,
        DamSet = 102,
    };

    CCmnReg();
    ~CCmnReg() override;

    // The record under the id; null for an id not in use.
    CCmnRegRecord *GetRecord(int id) const;
    CRecordPtr GetRecordPtr(int id) const;
    bool HasRecNo(int id) const { return m_Ids.IsUsed(id); }
    QVector<int> GetRecordIds() const { return m_Ids.GetUsedIds(); }
    int GetRecordCount() const { return m_Ids.Count(); }
    const CCmnRegIdAllocator &GetIdAllocator() const { return m_Ids; }

    // Stores the record under a new id. With `update` the record is also filed
    // where the register keeps its lists up to date; bulk fillers pass false and
    // rebuild once at the end. Virtual, like ReplaceRecord, so that a register
    // keeping indexes of its own stays in step when filled through the base.
    virtual int AddRecord(const CRecordPtr &record, bool update);
    // Stores a temporary record and nothing else; DiscardRecord takes it away again.
    int AddRecordQuietly(const CRecordPtr &record);
    // The id must be in use.
    virtual void ReplaceRecord(int id, const CRecordPtr &record, bool update);
    // Frees the id and clears every reference other records hold to it. False for
    // an id not in use. A register that indexes its references keeps that index
    // in step here.
    virtual bool DeleteRecord(int id, bool update);
    // Frees the id and touches nothing else. False for an id not in use.
    bool DiscardRecord(int id);
    // Stores the record quietly for the length of the call and discards it again:
    // the ids in use and the id offered next are as they were before, so that a
    // question asked of a record that does not exist changes nothing.
    void UseTemporaryRecord(const CRecordPtr &record, const std::function<void(int id)> &use);
    void RemoveAllRecords();
    // Also clears the fields settings and the identity fields.
    void Clear();

    void AddIdentityField(int fieldId, const CCmnRegFieldDef &def);
    // The record number, id -1.
    void AddIdField();
    QList<int> GetIdentityFieldIds() const;
    // Identity, then special, then system field ids.
    QList<int> GetInbuiltFieldIds() const;
    bool IsIdentityField(int fieldId) const;

    CCmnRegFieldContexts *GetFieldContexts() const { return m_FieldContexts; }
    void SetFieldContexts(CCmnRegFieldContexts *contexts) { m_FieldContexts = contexts; }

    const CCmnRegFieldsSettings &GetFieldsSettings() const { return m_FieldsSettings; }
    // With `clearValues`, records lose the values stored under the ids of fields
    // that the new settings create or remove: a new field starts empty, and a
    // deleted field's data really is deleted, as the user was warned.
    void SetFieldsSettings(const CCmnRegFieldsSettings &settings, bool clearValues);
    // The default values of the system fields, then of the user fields.
    void ApplyFieldDefaults(CCmnRegRecord &record) const;

    // Field access by group: identity, special, system, then user fields.
    QString GetFieldLabel(int fieldId, bool builtInWording) const;
    QString GetFieldInternalName(int fieldId) const;
    QString GetUserFieldLabel(int fieldId) const;
    bool GetSystemFieldColumnType(int fieldId, CCmnExportCellFormat &format) const;
    bool GetUserFieldColumnType(int fieldId, CCmnExportCellFormat &format) const;
    bool GetSystemFieldValueText(int recordId, int fieldId, const CCmnExportCellFormat &format, QString &valueText,
                                 QString &displayText) const;
    bool GetUserFieldValueText(int recordId, int fieldId, const CCmnExportCellFormat &format, QString &valueText,
                               QString &displayText) const;

    // The record table. The columns a table may have: the identity fields, then
    // the form field order.
    QList<int> GetExportColumnIds() const;
    // For each id, the format of the first group that knows the field; kind 10
    // for a field none knows.
    QList<CCmnExportCellFormat> GetColumnTypes(const QList<int> &fieldIds) const;
    // For each column, the value and display texts of the first group that knows
    // the field; two empty texts for a field none knows.
    QList<QPair<QString, QString>> GetRowTexts(int recordId, const QList<int> &fieldIds,
                                               const QList<CCmnExportCellFormat> &formats) const;
    // The two words of the form contexts that show the field by default; identity
    // fields are shown in 1 and 2, a field none knows in none.
    QPair<quint64, quint64> GetFieldContextMask(int fieldId) const;
    // Writes the whole table through the controller: the header, then one row per
    // record in ascending id while the controller has no error. A stop asked for
    // through the progress ends the table after the row being written, with the
    // error "Cancelled".
    void WriteDataRows(CCmnExportTableController &controller, const CCmnRegExportColumns &columns,
                       CCmnExportProgress *progress = nullptr) const;

    // The values a form text names: for each field, in order, the first group that
    // knows it (identity, special, system, user) adds its entries; a later field
    // replaces an entry of the same name. forms: CCmnRegSubstitution::EForm bits;
    // mode goes to CCmnRegFieldDef::FormatValue.
    CCmnRegSubstitutionTable GetSubstitutions(int recordId, const QList<int> &fieldIds, int forms, int mode) const;
    // The one field's value; empty when the field yields none.
    CCmnRegSubstitution GetFieldSubstitution(int recordId, int fieldId, int forms, int mode) const;
    bool AddSystemFieldSubstitutions(int recordId, int fieldId, int forms, int mode,
                                     CCmnRegSubstitutionTable &table) const;
    bool AddUserFieldSubstitutions(int recordId, int fieldId, int forms, int mode,
                                   CCmnRegSubstitutionTable &table) const;
    // The definition of an identity field; null for an id that is none.
    const CCmnRegFieldDef *FindIdentityFieldDef(int fieldId) const;
    bool IsSpecialField(int fieldId) const;
    bool IsSystemField(int fieldId) const;

    CCmnRegLookupLists &GetLookupLists() { return m_LookupLists; }
    void ClearLookupLists() { m_LookupLists.Clear(); }
    // From every record: bulk fillers call it once at the end.
    void RebuildLookupLists();

    // Whether index keys fold accented letters; set when the document is created.
    // The lists are rebuilt at once, so they are never searched another way than
    // they were filled.
    void SetIndexKeyFolding(bool foldAccents);
    bool FoldsIndexAccents() const { return m_FoldIndexAccents; }
    void InsertIntoIndexLists(int recordId, const CCmnRegRecord &record);
    void RemoveFromIndexLists(int recordId, const CCmnRegRecord &record);
    void ClearIndexLists();
    // Files every record afresh, sorting each list once.
    void RebuildIndexLists();
    // The lists of GetIndexLists whose bits the mask sets, in that order.
    QList<CCmnRegIndexList *> IndexListsInMask(quint32 mask);

    // The register block: the id allocator, then each record's id (ascending) and
    // body, then 0.
    void Write(QDataStream &stream) const;
    // Replaces the contents with the block read. A damaged block (ids that are not
    // the allocator's, a bad record, a stream that ends early) empties the register
    // and returns false: a half register is never loaded.
    [[nodiscard]] bool Read(QDataStream &stream);

    virtual CRecordPtr CreateRecord() = 0;
    virtual bool ClearReferencesToRecord(int recordId, int deletedId);
    // The record values block of the record stored under the id.
    virtual void WriteRecord(int recordId, QDataStream &stream) const;
    // The record must be in the store. False for another tag or version; damage
    // shows in the stream's status.
    virtual bool ReadRecord(int recordId, QDataStream &stream);
    // The same body decoded from memory into a record not yet stored, for a large
    // register read far faster than item by item from the stream. False leaves
    // the body to ReadRecord (the cursor's place then does not matter): bytes it
    // does not decode, damage included, since ReadRecord decides every error.
    // The base decodes none, so a register reading more than the values is
    // never read short.
    virtual bool ReadRecordFromMemory(CCmnRegRecord &record, CCmnByteCursor &cursor);
    virtual void TestRecordDetailsLayout(const CCmnRegFieldsSettings &settings, QWidget *parent);
    virtual void TestSelectRecordLayout(const CCmnRegFieldsSettings &settings, QWidget *parent);
    virtual bool IsInbuiltField(int fieldId) const;
    virtual QString GetIdentityFieldLabel(int fieldId, bool builtInWording) const;
    virtual QString GetIdentityFieldInternalName(int fieldId) const;
    virtual int FindIdentityField(const QString &label, bool builtInWording) const;
    virtual bool GetIdentityFieldColumnType(int fieldId, CCmnExportCellFormat &format) const;
    virtual bool GetIdentityFieldValueText(int recordId, int fieldId, const CCmnExportCellFormat &format,
                                           QString &valueText, QString &displayText) const;
    // A subclass adds the entries of its own identity or special field and
    // answers true; false, adding nothing, for a field that is not its own.
    virtual bool AddIdentityFieldSubstitutions(int recordId, int fieldId, int forms, int mode,
                                               CCmnRegSubstitutionTable &table) const;
    virtual QString GetSpecialFieldLabel(int fieldId, bool builtInWording) const;
    virtual QString GetSpecialFieldInternalName(int fieldId) const;
    virtual int FindSpecialField(const QString &label, bool builtInWording) const;
    virtual bool GetSpecialFieldColumnType(int fieldId, CCmnExportCellFormat &format) const;
    virtual bool GetSpecialFieldValueText(int recordId, int fieldId, const CCmnExportCellFormat &format,
                                          QString &valueText, QString &displayText) const;
    virtual bool AddSpecialFieldSubstitutions(int recordId, int fieldId, int forms, int mode,
                                              CCmnRegSubstitutionTable &table) const;
    virtual QString GetSystemFieldLabel(int fieldId, bool builtInWording) const;
    virtual QString GetSystemFieldInternalName(int fieldId) const;
    virtual int FindSystemField(const QString &label, bool builtInWording) const;
    virtual bool IndexKeyChanged(const CCmnRegRecord &oldRecord, const CCmnRegRecord &newRecord) const;
    // At most 32 lists: a rebuild marks each record's lists in one word.
    virtual QList<CCmnRegIndexList *> GetIndexLists();
    virtual QList<CCmnRegIndexList *> GetIndexListsForRecord(const CCmnRegRecord &record);
    // The same lists as bits of positions in GetIndexLists (bit n: the list at n),
    // which a rebuild asks of every record. By default it is worked out from the two
    // lists; a register of many records gives it directly and spares the lists.
    virtual quint32 GetIndexListMaskForRecord(const CCmnRegRecord &record);
    virtual CCmnRegIndexList *GetIndexListForModel(const CCmnRegIndexListModel *model);

Q_SIGNALS:
    void RegModified(CCmnReg *reg);
    void RegRecordNotification(CCmnReg *reg, int recordId, int code);

protected:
    // The records that may hold a reference to the deleted one, which deleting
    // asks to clear it (ascending). The store keeps no references between
    // records, so none; a register whose records point at each other answers from
    // its own index, so that a deletion never visits every record.
    virtual QVector<int> GetRecordsReferringTo(int deletedId) const;
    // Told of each record as soon as it is read whole, by either reader, while
    // its data is still in cache; the read may yet fail and empty the register.
    virtual void RecordRead(int recordId, CCmnRegRecord &record);
    // ReadRecord's values block from memory, for ReadRecordFromMemory.
    bool ReadValuesFromMemory(CCmnRegRecord &record, CCmnByteCursor &cursor) const;

private:
    // Where an export column's texts come from, found once per export: the
    // identity and special fields answer through the subclass, the system and
    // user fields through their definition.
    struct SExportSource
    {
        enum EKind { Identity, Special, Definition, Unknown };
        EKind m_Kind = Unknown;
        int m_FieldId = 0;
        const CCmnRegFieldDef *m_Def = nullptr;
    };
    SExportSource FindExportSource(int fieldId, CCmnExportCellFormat &format) const;
    QList<SExportSource> FindExportSources(const QList<int> &fieldIds) const;
    // Each source's field and the kind of its stored value, for a value finder.
    static QList<std::pair<int, int>> ExportValueFields(const QList<SExportSource> &sources);
    // The value is the record's stored value of a definition's field, invalid
    // when it has none or the register holds no record of that id.
    void MakeCellTexts(const SExportSource &source, int recordId, const QVariant &value,
                       const CCmnExportCellFormat &format, CCmnRegExportCellTexts &texts) const;
    const CCmnRegFieldDef *FindUserFieldDef(int fieldId) const;
    const CCmnRegFieldDef *FindSystemFieldDef(int fieldId) const;
    CCmnRegSubstitution FormatStoredValue(int recordId, int fieldId, const CCmnRegFieldDef &def, int forms,
                                          int mode) const;
    bool GetFieldValueText(int recordId, int fieldId, const CCmnRegFieldDef *def, const CCmnExportCellFormat &format,
                           QString &valueText, QString &displayText) const;
    void ApplyFieldsSettings(const CCmnRegFieldsSettings &settings, bool clearValues);
    // Reads records from the window for as long as it holds them whole and they
    // decode: true when it read the block's closing 0, false with the stream
    // where the next record begins; `decoded` counts the records read.
    bool ReadRecordsInWindow(CCmnStreamWindow &window, int &decoded);

    CCmnRegFieldContexts *m_FieldContexts = nullptr;
    CCmnRegIdAllocator m_Ids;
    CCmnRegRecordTable m_Records;
    CCmnRegFieldsSettings m_FieldsSettings;
    QList<QPair<int, CCmnRegFieldDef>> m_IdentityFields;
    bool m_FoldIndexAccents = true;
    CCmnRegLookupLists m_LookupLists;
};
