#pragma once

#include "bioinbreedingsettings.h"
#include "bioregcheckoptions.h"
#include "bionamedisplaysettings.h"
#include "biopedigree.h"
#include "cmnreg.h"
#include "cmnregindexlist.h"

#include <QHash>
#include <QVector>

#include <functional>
#include <memory>
#include <vector>

class CBioImportCols;
class CBioInbreedingCalculator;
class CBioRegRecord;
class CCmnCsvFormat;
class CCmnProgress;
class CCmnRegFieldContextMask;
class CCmnTextEncoding;
class QIODevice;

// The document's animal register: every record is an animal. Besides the record
// store it keeps the name lists by sex, the parent index that ancestry walks
// follow instead of the records, and an index from each parent to its offspring,
// built when first asked for after a change of parent links.
class CBioReg : public CCmnReg
{
    Q_OBJECT
public:
    // Sex filters of the index lists.
    enum ESexFilter { AllSexes = 0, MaleSex = 1, FemaleSex = 2, UnknownSex = 3 };

    explicit CBioReg(const CCmnRegFieldsSettings &initialFieldsSettings);
    ~CBioReg() override;

    // Empties the register for a new document.
    void Reset();

    CRecordPtr CreateRecord() override;
    // The animal under the id; null for an id not in use.
    CBioRegRecord *GetBioRecord(int id) const;

    const CBioNameDisplaySettings &GetNameDisplaySettings() const { return m_NameDisplaySettings; }
    void SetNameDisplaySettings(const CBioNameDisplaySettings &settings) { m_NameDisplaySettings = settings; }
    const CBioInbreedingSettings &GetInbreedingSettings() const { return m_InbreedingSettings; }
    void SetInbreedingSettings(const CBioInbreedingSettings &settings) { m_InbreedingSettings = settings; }

    // The parent index: every filed record's sire and dam by record id.
    const CBioPedigree &GetParentIndex() const { return m_ParentIndex; }

    // With `update` the record is filed in the lists and gets an empty parent
    // index entry: a caller adding an animal that names parents enters them with
    // ReplaceRecord or RebuildParentIndex.
    int AddRecord(const CRecordPtr &record, bool update) override;
    int AddNamedRecord(const QString &name, bool update);
    void ReplaceRecord(int id, const CRecordPtr &record, bool update) override;
    // which: 1 sire, 2 dam. Emits the sire or dam notification, then RegModified;
    // false, and nothing emitted, when the parent is unchanged.
    bool SetParent(int recordId, int which, int parentId);
    bool ClearReferencesToRecord(int recordId, int removedId) override;
    // Also clears the children's links to it and its own parent index entry, and
    // keeps a valid offspring index valid, so that deleting many stays fast.
    bool DeleteRecord(int id, bool update) override;

    // The stores of the record commands. Each tells the listeners afterwards:
    // RegRecordNotification with its code, then RegModified.
    // The edited animal under a new id (code 1); returns the id.
    int StoreNewRecord(const CBioRegRecord &record);
    // The edited animal replaces the one under the id (code 2).
    void StoreChangedRecord(int id, const CBioRegRecord &record);
    // The animal goes, with every link to it (code 3); false for an id not in use.
    bool DeleteRecordAndNotify(int id);

    // The animals named like `name` (letter case and spacing aside), in index
    // order, without the animal under ownId: what the name check of an add or an
    // edit offers instead.
    QVector<int> FindNameMatches(const QString &name, int ownId);
    // The matches as the name check lists them, in HTML: a line per match for the
    // first four ("-" display name, sex, date of birth), then how many more.
    QString MatchingRecordsHtml(const QVector<int> &matches) const;

    // Shows the record window (details) or the select window of this register as
    // its fields settings stand, for a preview of a layout.
    using LayoutPreview = std::function<void(bool details, QWidget *parent)>;
    // The windows live above the register: their layer installs the preview under
    // an owner, replacing any other. An owner that goes takes away only a preview
    // it installed itself, so a later installer's stays in place.
    void SetLayoutPreview(const void *owner, LayoutPreview preview);
    void RemoveLayoutPreview(const void *owner);
    // Previews with trial fields settings; the register's own settings and lookup
    // lists are as they were afterwards.
    void TestRecordDetailsLayout(const CCmnRegFieldsSettings &settings, QWidget *parent) override;
    void TestSelectRecordLayout(const CCmnRegFieldsSettings &settings, QWidget *parent) override;

    // The coefficient of inbreeding of an offspring of the sire and the dam, over
    // the generations of the register's inbreeding settings; 0 when either parent is
    // unknown. False, with 0, when the ancestry holds a loop or memory runs out.
    [[nodiscard]] bool OffspringInbreeding(int sireId, int damId, double &coefficient) const;

    // The built-in fields, ids -101 to -109: labels from the terminology, internal
    // and "#" names from its built-in words. Other ids get the base's answers.
    bool IsInbuiltField(int fieldId) const override;
    QString GetIdentityFieldLabel(int fieldId, bool builtInWording) const override;
    QString GetIdentityFieldInternalName(int fieldId) const override;
    int FindIdentityField(const QString &label, bool builtInWording) const override;
    bool GetIdentityFieldColumnType(int fieldId, CCmnExportCellFormat &format) const override;
    bool GetIdentityFieldValueText(int recordId, int fieldId, const CCmnExportCellFormat &format, QString &valueText,
                                   QString &displayText) const override;
    QString GetSpecialFieldLabel(int fieldId, bool builtInWording) const override;
    QString GetSpecialFieldInternalName(int fieldId) const override;
    int FindSpecialField(const QString &label, bool builtInWording) const override;
    bool GetSpecialFieldColumnType(int fieldId, CCmnExportCellFormat &format) const override;
    bool GetSpecialFieldValueText(int recordId, int fieldId, const CCmnExportCellFormat &format, QString &valueText,
                                  QString &displayText) const override;
    QString GetSystemFieldLabel(int fieldId, bool builtInWording) const override;
    QString GetSystemFieldInternalName(int fieldId) const override;
    int FindSystemField(const QString &label, bool builtInWording) const override;
    // Labels that the terminology gives two built-in fields, user fields named like
    // a built-in field and parent or sex words that share a first letter keep some
    // forms from showing their fields or marks plainly. A warning in HTML naming
    // each such clash, with advice; empty when there is none. The built-in fields
    // are the register's own, the user fields those of the given settings.
    QString CheckTerminologyAndFieldNames(const CCmnRegFieldsSettings &settings) const;

    bool AddIdentityFieldSubstitutions(int recordId, int fieldId, int forms, int mode,
                                       CCmnRegSubstitutionTable &table) const override;
    bool AddSpecialFieldSubstitutions(int recordId, int fieldId, int forms, int mode,
                                      CCmnRegSubstitutionTable &table) const override;
    // The record's name with its title (also as HTML), and without its title under
    // the qualifier "UNTITLED", named after the term; "(%1 not set)" for no record.
    void AddRecordSubstitutions(int recordId, int term, int forms, int mode, CCmnRegSubstitutionTable &table) const;

    void RebuildParentIndex();
    void BuildOffspringHash() const;
    bool IsOffspringIndexValid() const { return m_OffspringValid; }
    // The records naming the parent as sire or dam, ascending; builds the index
    // when it is not valid.
    QVector<int> GetOffspring(int parentId) const;

    // The id must name a record of the register.
    QString RecordDisplayName(int id) const;
    QString RecordDisplayNameHtml(int id) const;
    QString RecordNameWithSuffix(int id) const;

    CCmnRegIndexList &IndexListForSex(int filter);
    // 1 male, 2 female, anything else all records; 0 for an empty list.
    int FirstRecordOfSex(int sex);
    QVector<int> FindMatchingRecords(int filter, const QString &name);

    // Told (records done, records in all) during a check of every record; false
    // cancels the check, which then returns the messages found so far.
    using CheckProgress = std::function<bool(int done, int total)>;

    // The record check: wrong-sex parents, animals born before a parent or after
    // their own death, and animals that are their own ancestors. Each message
    // begins with the name of the record it concerns. Reads the register only.
    // With no record, the subject record with its ancestry within the options'
    // generations; a trial mating is no record with the prospective pair.
    void CheckRecord(QStringList &messages, const CBioRegCheckOptions &options, int recordId,
                     const CheckProgress &progress = {}) const;
    void CheckTrialMating(QStringList &messages, const CBioRegCheckOptions &options, int sireId, int damId,
                          const CheckProgress &progress = {}) const;
    // Every record when the options ask for all or nothing is given.
    void RunChecks(QStringList &messages, const CBioRegCheckOptions &options, int recordId, int sireId, int damId,
                   const CheckProgress &progress = {}) const;
    // The checks of one record, appended; its parent links only with the flag.
    void CheckRecords(const CBioRegCheckOptions &options, QStringList &messages, int recordId,
                      bool checkParentLinks) const;
    // The ids along a loop in the joint ancestry of the pair (first and last the
    // same animal), within the inbreeding settings' generations; empty when there
    // is none or either parent is missing.
    QVector<int> CollectLoopRecords(int sireId, int damId) const;
    QString AncestorPathText(const QVector<int> &ids) const;
    // Every animal descended from the record, in no particular order; the record
    // itself too with `includeSelf`.
    QVector<int> GetDescendants(int recordId, bool includeSelf) const;

    // Fills the register, emptied first, from the rows of delimited text: one user
    // field per User Field column (new ones count towards the most user fields the
    // register may hold, the ID and line-number fields too; columns beyond it are
    // discarded with a message ending in the note), one animal per row with an ID
    // not seen before, placeholders for parents without a row, names for all.
    // Every row left out gets a message naming its line, the first physical line
    // of its record. Empty on success, "Cancelled", or the column set's or the
    // reader's message; before the reading nothing is changed. The warning text
    // is left untouched.
    [[nodiscard]] QString ImportDelimitedText(CCmnProgress *progress, QString &warning, QStringList &messages,
                                              const CCmnRegFieldContextMask &usageMask,
                                              const CCmnTextEncoding &encoding, const CCmnCsvFormat &format,
                                              const CBioImportCols &cols, QIODevice *device, int maxUserFields,
                                              const QString &limitNote);

    void WriteRecord(int recordId, QDataStream &stream) const override;
    bool ReadRecord(int recordId, QDataStream &stream) override;
    bool ReadRecordFromMemory(CCmnRegRecord &record, CCmnByteCursor &cursor) override;
    // The register block (tag 99). False for another tag or version, or when the
    // records do not read; the register is then left empty.
    [[nodiscard]] bool Read(QDataStream &stream);
    // What reading found and mended: one line per parent link that named no
    // animal of the file and was cleared. Empty after a clean read.
    const QStringList &GetReadRepairs() const { return m_ReadRepairs; }
    // The line that tells of a parent link (which: 1 sire, 2 dam) dropped because the
    // file it came from holds no such animal.
    static QString DroppedParentLinkMessage(const QString &name, int recordId, int parentId, int which);

    bool IndexKeyChanged(const CCmnRegRecord &oldRecord, const CCmnRegRecord &newRecord) const override;
    QList<CCmnRegIndexList *> GetIndexLists() override;
    QList<CCmnRegIndexList *> GetIndexListsForRecord(const CCmnRegRecord &record) override;
    quint32 GetIndexListMaskForRecord(const CCmnRegRecord &record) override;
    // The list for the model's "sexFilter" property, as IndexListForSex maps it.
    CCmnRegIndexList *GetIndexListForModel(const CCmnRegIndexListModel *model) override;

protected:
    QVector<int> GetRecordsReferringTo(int deletedId) const override;
    void RecordRead(int recordId, CCmnRegRecord &record) override;

private:
    void ApplyInitialFieldsSettings();
    void TestLayout(const CCmnRegFieldsSettings &settings, QWidget *parent, bool details);
    void InvalidateOffspring();
    void SetParentIndexEntry(int id, const CBioRegRecord &record);
    // Drops the record's links to ids the register does not hold, noting each.
    void ClearDanglingParents(int id, CBioRegRecord &record);
    void CheckAllRecords(QStringList &messages, const CBioRegCheckOptions &options,
                         const CheckProgress &progress) const;
    void CheckParentLink(QStringList &messages, const CBioRegRecord &record, int parentId, int parentTerm,
                         int wrongSex, int wrongSexTerm) const;
    CBioInbreedingCalculator &InbreedingCalculator() const;

    CCmnRegFieldsSettings m_InitialFieldsSettings;
    CCmnRegIndexList m_AllRecords;
    CCmnRegIndexList m_MaleRecords;
    CCmnRegIndexList m_FemaleRecords;
    CCmnRegIndexList m_UnknownSexRecords;
    CBioPedigree m_ParentIndex;
    CBioNameDisplaySettings m_NameDisplaySettings;
    CBioInbreedingSettings m_InbreedingSettings;
    // A cache of the parent links, built on demand even by const questions.
    mutable bool m_OffspringValid = false;
    mutable QHash<int, QVector<int>> m_Offspring;
    QStringList m_ReadRepairs;
    // While reading: the record of each repair, to tell them in id order.
    std::vector<int> m_ReadRepairIds;
    LayoutPreview m_LayoutPreview;
    const void *m_LayoutPreviewOwner = nullptr;
    // Kept between calls: its tables serve every coefficient asked of this register.
    mutable std::unique_ptr<CBioInbreedingCalculator> m_InbreedingCalculator;
};

QDataStream &operator<<(QDataStream &stream, const CBioReg &reg);
// Marks the stream ReadCorruptData when the register does not read.
QDataStream &operator>>(QDataStream &stream, CBioReg &reg);
