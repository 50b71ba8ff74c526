// The import of delimited text into the animal register.
#include "bioreg.h"

#include "bioimportcols.h"
#include "bioregrecord.h"
#include "bioterminology.h"
#include "bioterminologysettings.h"
#include "cmnappdescriptor.h"
#include "cmncsvformat.h"
#include "cmncsvrecordreader.h"
#include "cmndate.h"
#include "cmndateparser.h"
#include "cmnprogress.h"
#include "cmnreglayoutitems.h"
#include "cmnreglookuplists.h"
#include "cmnregfieldssettings.h"
#include "cmnreguserfieldset.h"
#include "cmnregvaluekind.h"
#include "cmntextnumbering.h"
#include "cmntextreader.h"

#include <QBitArray>
#include <QIODevice>
#include <QSet>

#include <algorithm>
#include <climits>
#include <numeric>
#include <optional>
#include <utility>
#include <vector>

namespace {

// Over a range of IDs up to this wide the seen IDs are bits; wider, a hash set.
constexpr quint64 kBitArrayRange = 99999999;
constexpr qsizetype kScanLines = 500;
constexpr qsizetype kPassRows = 2000;
constexpr int kPerMille = 1000;

const QString &Cancelled()
{
    static const QString text = QStringLiteral("Cancelled");
    return text;
}

QString AnimalWord()
{
    return GetBioTerm(BioTermAnimal, BioTermLowerCase);
}

// IDs as whole numbers: the null ID is the null-ID text's number, 0 when it has none.
struct CNumericIds
{
    using TKey = qint64;
    // Whole numbers are sorted into the ID list; texts are numbered as met.
    static constexpr bool kNumbered = false;

    explicit CNumericIds(const CBioImportCols &cols)
    {
        bool ok = false;
        m_Null = cols.m_NullId.toLongLong(&ok, 10);
        if (!ok)
            m_Null = 0;
    }

    // An empty cell or one that is no whole number is no ID: taking it for 0 would
    // make one record of every such cell, the parent of all their rows.
    qint64 Key(const QString &cell, bool *bad)
    {
        if (cell.isEmpty())
            return m_Null;
        bool ok = false;
        const qint64 id = cell.toLongLong(&ok, 10);
        if (!ok) {
            *bad = true;
            return m_Null;
        }
        return id;
    }
    bool IsNull(qint64 key) const { return key == m_Null; }
    QString Text(qint64 key) const { return QString::number(key); }
    static bool Less(qint64 a, qint64 b) { return a < b; }
    void Reserve(size_t) {}
    void StoreInputId(CBioRegRecord &record, int fieldId, const QString &, qint64 key) const
    {
        record.SetValue(fieldId, CmnRegValueInteger64, key);
    }

    qint64 m_Null = 0;
};

// IDs as texts: the trimmed cell, upper-cased unless letter case counts. Each
// distinct text gets a number as it is first met, and that number is its place
// in the ID list. Rows then hold and check small integers, and the list needs no
// sort: sorting three string copies per row misses the caches in large files.
// Only the parents that end up unnamed are put in text order, for their names.
struct CTextIds
{
    using TKey = int;
    static constexpr bool kNumbered = true;
    static constexpr int kNone = -1;

    explicit CTextIds(const CBioImportCols &cols)
        : m_Numbers(cols.m_CaseSensitiveIds),
          m_Null(m_Numbers.Folded(cols.m_NullId))
    {
    }

    // An empty cell is no ID whatever the null-ID text, as with numbers: otherwise
    // one record with an empty ID would become the parent of every row whose
    // parent cell is empty.
    int Key(const QString &cell, bool *)
    {
        const QString text = m_Numbers.Folded(cell);
        if (text.isEmpty() || text == m_Null)
            return kNone;
        return m_Numbers.Number(text);
    }
    bool IsNull(int key) const { return key == kNone; }
    const QString &Text(int key) const { return m_Numbers.Text(key); }
    bool Less(int a, int b) const { return Text(a) < Text(b); }
    void Reserve(size_t texts) { m_Numbers.Reserve(qsizetype(std::min<size_t>(texts, INT_MAX))); }
    size_t Count() const { return size_t(m_Numbers.Count()); }
    void StoreInputId(CBioRegRecord &record, int fieldId, const QString &cell, int) const
    {
        record.SetValue(fieldId, CmnRegValueText, cell);
    }

    CCmnTextNumbering m_Numbers;
    QString m_Null;
};

// The IDs already met in one pass: bits over a narrow range of whole numbers,
// otherwise a hash set sized for the rows.
class CSeenIds
{
public:
    CSeenIds(qint64 lowest, qint64 highest, qsizetype rows)
        : m_Lowest(lowest)
    {
        m_Bits = quint64(highest) - quint64(lowest) <= kBitArrayRange;
        if (m_Bits)
            m_Array.resize(qsizetype(quint64(highest) - quint64(lowest) + 1));
        else
            m_Hash.reserve(rows);
    }
    // True when the ID was not there yet.
    bool Insert(qint64 id)
    {
        if (!m_Bits) {
            const qsizetype before = m_Hash.size();
            m_Hash.insert(id);
            return m_Hash.size() != before;
        }
        const qsizetype bit = qsizetype(quint64(id) - quint64(m_Lowest));
        if (m_Array.testBit(bit))
            return false;
        m_Array.setBit(bit);
        return true;
    }

private:
    qint64 m_Lowest;
    bool m_Bits;
    QBitArray m_Array;
    QSet<qint64> m_Hash;
};

template <class TKey>
struct TImportRow
{
    int m_Line = 0;
    QSharedPointer<CBioRegRecord> m_Record;
    TKey m_Id{};
    TKey m_Sire{};
    TKey m_Dam{};
    QString m_Name;
};

// The roles in which a row names an ID: each row has one slot per role for
// where that ID is in the ID list.
enum EImportRole { ImportOwnId, ImportSire, ImportDam, ImportRoles };

// One ID a row names, and in which slot: while the ID list is sorted together,
// each row learns where its IDs ended up, instead of searching the list for
// them in every later pass (a search that misses the caches in large files).
template <class TKey>
struct TImportIdRef
{
    TKey m_Key;
    qsizetype m_Slot;
};

// Sorts the references by key. Over keys no wider apart than a few times their
// number, as IDs numbered from 1 are, a count of each key places every reference
// in two linear passes, where a comparison sort grows as n log n.
template <class TKey>
void SortByKey(std::vector<TImportIdRef<TKey>> &refs)
{
    using TRef = TImportIdRef<TKey>;
    constexpr quint64 kMostKeysPerRef = 4;
    if (refs.empty())
        return;
    const auto [lowest, highest] = std::minmax_element(
        refs.cbegin(), refs.cend(), [](const TRef &a, const TRef &b) { return a.m_Key < b.m_Key; });
    const TKey low = lowest->m_Key;
    const quint64 range = quint64(highest->m_Key) - quint64(low);
    if (range >= quint64(refs.size()) * kMostKeysPerRef) {
        std::sort(refs.begin(), refs.end(), [](const TRef &a, const TRef &b) { return a.m_Key < b.m_Key; });
        return;
    }
    // starts[k + 1] counts key k's references, then starts[k] is where they go.
    std::vector<size_t> starts(size_t(range) + 2, 0);
    for (const TRef &ref : refs)
        ++starts[size_t(quint64(ref.m_Key) - quint64(low)) + 1];
    std::partial_sum(starts.begin(), starts.end(), starts.begin());
    std::vector<TRef> sorted(refs.size());
    for (const TRef &ref : refs)
        sorted[starts[size_t(quint64(ref.m_Key) - quint64(low))]++] = ref;
    refs = std::move(sorted);
}

template <class TKey>
struct TImportIdEntry
{
    TKey m_Key;
    int m_RecordId = 0;
    QString m_Name;
};

// The fields the import made, by column, and the two extra fields; 0 for none.
struct CImportFields
{
    QList<int> m_ColumnFields;
    QList<int> m_ColumnTypes;
    int m_InputIdField = 0;
    int m_LineNumberField = 0;
};

// The comparison words of a sex: upper-cased, split at commas. Empty words never
// match, so a trailing comma does not make empty cells male.
QStringList SexWords(const QString &text)
{
    return text.toUpper().split(QLatin1Char(','), Qt::SkipEmptyParts);
}

// Reads the rows, checks their IDs and fills the register: one import in one ID mode.
template <class TIds>
class TDelimitedTextImport
{
public:
    using TKey = typename TIds::TKey;
    using TRow = TImportRow<TKey>;
    using TEntry = TImportIdEntry<TKey>;
    using TRef = TImportIdRef<TKey>;

    TDelimitedTextImport(CBioReg &reg, CCmnProgress *progress, QStringList &messages, const CBioImportCols &cols,
                         const CImportFields &fields)
        : m_Reg(reg), m_Progress(progress), m_Messages(messages), m_Cols(cols), m_Fields(fields), m_Ids(cols),
          m_MaleWords(SexWords(cols.m_MaleWords)), m_FemaleWords(SexWords(cols.m_FemaleWords)),
          m_DateParser(cols.m_DateFormat),
          m_LastTexts(size_t(cols.m_Cols.size())), m_ValuesPerRow(ValuesPerRow(cols, fields))
    {
    }

    // Also fills the lookup lists, or leaves them empty when it fails.
    QString Run(const CCmnCsvFormat &format, CCmnTextReader &reader, QIODevice *device)
    {
        // Each row's values go into the lookup lists as it is read, while its
        // record is in the caches: a pass over a large register afterwards would
        // miss them at every record. Rows dropped later, and every row when none
        // becomes a record, make the lists start again from the register.
        m_Reg.RebuildLookupLists();
        QString result = Import(format, reader, device);
        if (!result.isEmpty() || m_ListedDroppedRows)
            m_Reg.RebuildLookupLists();
        return result;
    }

private:
    QString Import(const CCmnCsvFormat &format, CCmnTextReader &reader, QIODevice *device)
    {
        if (!Scan(format, reader, device))
            return Cancelled();
        if (reader.HasFailed())
            return reader.ErrorText();
        DropRowsWithoutId();
        if (!DropDuplicates() || !BuildIdList())
            return Cancelled();
        AddAndLink();
        return QString();
    }

    bool Cancel() const { return m_Progress && m_Progress->WasCanceled(); }

    // The most values a row stores besides the fields' defaults.
    static qsizetype ValuesPerRow(const CBioImportCols &cols, const CImportFields &fields)
    {
        qsizetype count = (fields.m_InputIdField ? 1 : 0) + (fields.m_LineNumberField ? 1 : 0);
        for (qsizetype i = 0; i < cols.m_Cols.size(); ++i) {
            switch (cols.m_Cols.at(i).m_Field) {
            case BioImportFieldDateOfBirth:
            case BioImportFieldDateOfDeath:
            case BioImportFieldTitle:
            case BioImportFieldSuffix:
                ++count;
                break;
            case BioImportFieldUser:
                count += fields.m_ColumnFields.at(i) ? 1 : 0;
                break;
            default:
                break;
            }
        }
        return count;
    }

    bool Scan(const CCmnCsvFormat &format, CCmnTextReader &reader, QIODevice *device)
    {
        // The bar counts per mille of the file, so that files above 2 GiB fit an int.
        const qint64 size = device->size();
        const auto show = [&] {
            if (size > 0)
                m_Progress->SetProgress(int(std::min<qint64>(kPerMille, device->pos() * kPerMille / size)));
        };
        if (m_Progress) {
            m_Progress->NextPhase(QStringLiteral("Scanning file..."));
            m_Progress->SetMaximum(size > 0 ? kPerMille : 0);
        }
        CCmnCsvRecordReader records(format, &reader);
        bool header = format.HeaderFlag();
        qsizetype shownAt = 0;
        while (!records.AtEnd()) {
            const int line = int(std::min<qsizetype>(records.LineIndex() + 1, INT_MAX));
            const QStringList cells = records.Next();
            if (cells.isEmpty() || (cells.size() == 1 && cells.front().isEmpty()))
                continue;
            if (header) {
                header = false;
                continue;
            }
            if (m_Rows.size() == m_Rows.capacity())
                ReserveRows(device->pos(), size);
            ReadRow(line, cells);
            if (m_Progress && records.LineIndex() / kScanLines != shownAt) {
                shownAt = records.LineIndex() / kScanLines;
                show();
                if (Cancel())
                    return false;
            }
        }
        return true;
    }

    // Once some rows are read, room for as many as the rest of the file holds at
    // that rate, so that the rows are not copied into fresh memory at every
    // doubling. The reader is ahead of the rows read, so the guess errs low. A
    // step grows the rows at most eightfold: short rows before one huge field
    // must not make the guess ask for far more memory than the file needs.
    void ReserveRows(qint64 pos, qint64 size)
    {
        constexpr size_t kRowsBeforeGuessing = 4096;
        constexpr double kMostGrowth = 8;
        size_t wanted = std::max<size_t>(m_Rows.size() * 2, 64);
        if (m_Rows.size() >= kRowsBeforeGuessing && pos > 0 && size > pos) {
            const double rows = double(m_Rows.size());
            const double guess = std::min(rows * double(size) / double(pos) * 1.05, rows * kMostGrowth);
            wanted = std::max(wanted, size_t(guess));
        }
        m_Rows.reserve(wanted);
        m_Ids.Reserve(wanted);
    }

    void ReadRow(int line, const QStringList &cells)
    {
        TRow row;
        row.m_Line = line;
        // One allocation for the record and its count instead of two.
        row.m_Record = QSharedPointer<CBioRegRecord>::create(&m_Reg);
        CBioRegRecord &record = *row.m_Record;
        record.ReserveValues(record.GetValues().size() + m_ValuesPerRow);
        if (m_Fields.m_LineNumberField)
            record.SetValue(m_Fields.m_LineNumberField, CmnRegValueInteger, line);
        row.m_Id = row.m_Sire = row.m_Dam = m_Ids.Key(QString(), nullptr);
        QString badIds;
        const qsizetype count = std::min(cells.size(), m_Cols.m_Cols.size());
        for (qsizetype i = 0; i < count; ++i) {
            const QString cell = cells.at(i).trimmed();
            bool bad = false;
            switch (m_Cols.m_Cols.at(i).m_Field) {
            case BioImportFieldId:
                row.m_Id = m_Ids.Key(cell, &bad);
                if (m_Fields.m_InputIdField && !bad && !m_Ids.IsNull(row.m_Id))
                    m_Ids.StoreInputId(record, m_Fields.m_InputIdField, cell, row.m_Id);
                break;
            case BioImportFieldSireId:
                row.m_Sire = m_Ids.Key(cell, &bad);
                break;
            case BioImportFieldDamId:
                row.m_Dam = m_Ids.Key(cell, &bad);
                break;
            case BioImportFieldSex: {
                const QString upper = cell.toUpper();
                if (m_MaleWords.contains(upper))
                    record.m_Sex = 1;
                else if (m_FemaleWords.contains(upper))
                    record.m_Sex = 2;
                break;
            }
            case BioImportFieldDateOfBirth:
                StoreDate(record, CBioRegRecord::kDateOfBirthField, cell);
                break;
            case BioImportFieldDateOfDeath:
                StoreDate(record, CBioRegRecord::kDateOfDeathField, cell);
                break;
            case BioImportFieldName:
                row.m_Name = cell;
                break;
            case BioImportFieldSireName:
                if (!cell.isEmpty())
                    m_ParentNames[ImportSire].emplace_back(m_Rows.size(), cell);
                break;
            case BioImportFieldDamName:
                if (!cell.isEmpty())
                    m_ParentNames[ImportDam].emplace_back(m_Rows.size(), cell);
                break;
            case BioImportFieldUser:
                StoreUserValue(record, i, cell);
                break;
            case BioImportFieldTitle:
                if (!cell.isEmpty())
                    record.SetValue(CBioRegRecord::kTitleField, CmnRegValueText, Repeated(i, cell));
                break;
            case BioImportFieldSuffix:
                if (!cell.isEmpty())
                    record.SetValue(CBioRegRecord::kNameSuffixField, CmnRegValueText, Repeated(i, cell));
                break;
            default:
                break;
            }
            if (bad)
                badIds += (badIds.isEmpty() ? QString() : QStringLiteral(", ")) + cell;
        }
        if (!badIds.isEmpty())
            m_BadIds.emplace_back(m_Rows.size(), std::move(badIds));
        if (!m_Ids.IsNull(row.m_Id))
            m_Reg.GetLookupLists().Update(&record, nullptr, CCmnRegLookupLists::RecordAdded);
        m_Rows.push_back(std::move(row));
    }

    // The cell's text, shared with the same column's text of the row before when
    // the two are equal: owners, colours and titles repeat from row to row, and
    // one shared text is one allocation fewer to keep and to free.
    const QString &Repeated(qsizetype column, const QString &cell)
    {
        QString &last = m_LastTexts[size_t(column)];
        if (last != cell)
            last = cell;
        return last;
    }

    void StoreDate(CBioRegRecord &record, int fieldId, const QString &cell) const
    {
        const CCmnDate date = m_DateParser.Parse(cell, CmnDateCalendarGregorian);
        if (!date.IsEmpty())
            record.SetValue(fieldId, CmnRegValueDate, QVariant::fromValue(date));
    }

    void StoreUserValue(CBioRegRecord &record, qsizetype column, const QString &cell)
    {
        const int fieldId = m_Fields.m_ColumnFields.at(column);
        if (!fieldId)
            return;
        bool ok = false;
        switch (m_Fields.m_ColumnTypes.at(column)) {
        case BioImportTypeDate:
            StoreDate(record, fieldId, cell);
            break;
        case BioImportTypeInteger:
            if (const int value = cell.toInt(&ok, 10); ok)
                record.SetValue(fieldId, CmnRegValueInteger, value);
            break;
        case BioImportTypeNumber:
            if (const double value = cell.toDouble(&ok); ok)
                record.SetValue(fieldId, CmnRegValueNumber, value);
            break;
        default:
            if (!cell.isEmpty())
                record.SetValue(fieldId, CmnRegValueText, Repeated(column, cell));
            break;
        }
    }

    void DropRowsWithoutId()
    {
        const QString animal = AnimalWord();
        auto bad = m_BadIds.cbegin();
        for (size_t i = 0; i < m_Rows.size(); ++i) {
            TRow &row = m_Rows[i];
            const bool badIds = bad != m_BadIds.cend() && bad->first == i;
            if (m_Ids.IsNull(row.m_Id)) {
                m_Messages.append(QStringLiteral("Line %1, %2 with no ID, ignored").arg(row.m_Line).arg(animal));
                row.m_Record.reset();
            } else {
                if (badIds)
                    m_Messages.append(QStringLiteral("Line %1, IDs that are not whole numbers were taken as no ID: %2")
                                          .arg(row.m_Line)
                                          .arg(bad->second));
                if (m_KeptRows++ == 0)
                    m_Lowest = m_Highest = row.m_Id;
                m_Lowest = std::min(m_Lowest, row.m_Id);
                m_Highest = std::max(m_Highest, row.m_Id);
            }
            if (badIds)
                ++bad;
        }
        m_BadIds = {};
    }

    // Every so many rows of a pass: the progress, and whether to go on.
    bool Pass(qsizetype index)
    {
        if (!m_Progress || index % kPassRows != 0)
            return true;
        m_Progress->SetProgress(int(std::min<qsizetype>(index, INT_MAX)));
        return !Cancel();
    }

    void StartPass(const QString &phase)
    {
        if (!m_Progress)
            return;
        m_Progress->NextPhase(phase);
        m_Progress->SetMaximum(int(std::min<size_t>(m_Rows.size(), INT_MAX)));
    }

    bool DropDuplicates()
    {
        StartPass(QStringLiteral("Detecting duplicate IDs..."));
        // Files are often in ID order: while every ID is above the one before,
        // none can be a duplicate and the IDs need no set, which in a large file
        // of wide IDs misses the caches at every row. The set is made, holding
        // the IDs before, at the first ID out of order.
        std::optional<CSeenIds> seen;
        std::optional<TKey> last;
        const QString animal = AnimalWord();
        for (size_t i = 0; i < m_Rows.size(); ++i) {
            TRow &row = m_Rows[i];
            if (!row.m_Record)
                continue;
            if (!seen && (!last || *last < row.m_Id)) {
                last = row.m_Id;
            } else if (!seen) {
                seen.emplace(m_Lowest, m_Highest, m_KeptRows);
                for (size_t before = 0; before < i; ++before) {
                    if (m_Rows[before].m_Record)
                        seen->Insert(m_Rows[before].m_Id);
                }
            }
            if (seen && !seen->Insert(row.m_Id)) {
                m_Messages.append(QStringLiteral("Line %1, %2 with duplicate ID (%3), ignored")
                                      .arg(row.m_Line)
                                      .arg(animal, m_Ids.Text(row.m_Id)));
                row.m_Record.reset();
                m_ListedDroppedRows = true;
            } else if (!Pass(qsizetype(i))) {
                return false;
            }
        }
        return true;
    }

    // Every ID a kept row names, its own and its parents', once, sorted; each
    // row learns where its IDs are in the list.
    bool BuildIdList()
    {
        StartPass(QStringLiteral("Building ID list..."));
        if constexpr (TIds::kNumbered) {
            // The numbers are the places already; texts met only in dropped rows
            // get no record, as no kept row asks for them.
            if (!Pass(0))
                return false;
            if (m_Progress)
                m_Progress->NextPhase(QStringLiteral("Sorting IDs..."));
            m_Entries.resize(m_Ids.Count());
            for (size_t i = 0; i < m_Entries.size(); ++i)
                m_Entries[i].m_Key = TKey(i);
            return true;
        }
        std::vector<TRef> refs;
        refs.reserve(size_t(m_KeptRows) * ImportRoles);
        for (size_t i = 0; i < m_Rows.size(); ++i) {
            const TRow &row = m_Rows[i];
            if (!row.m_Record)
                continue;
            const qsizetype slot = qsizetype(i) * ImportRoles;
            refs.push_back(TRef{row.m_Id, slot + ImportOwnId});
            if (!m_Ids.IsNull(row.m_Sire))
                refs.push_back(TRef{row.m_Sire, slot + ImportSire});
            if (!m_Ids.IsNull(row.m_Dam))
                refs.push_back(TRef{row.m_Dam, slot + ImportDam});
            if (!Pass(qsizetype(i)))
                return false;
        }
        if (m_Progress)
            m_Progress->NextPhase(QStringLiteral("Sorting IDs..."));
        SortByKey(refs);
        size_t distinct = 0;
        for (size_t i = 0; i < refs.size(); ++i)
            distinct += i == 0 || refs[i].m_Key != refs[i - 1].m_Key ? 1 : 0;
        m_Entries.reserve(distinct);
        // The slots are apart from the rows: written in key order they land all
        // over, and a small array of them stays in the caches where the rows do not.
        m_EntryOf.assign(m_Rows.size() * ImportRoles, -1);
        for (const TRef &ref : refs) {
            if (m_Entries.empty() || m_Entries.back().m_Key != ref.m_Key)
                m_Entries.push_back(TEntry{ref.m_Key, 0, QString()});
            m_EntryOf[size_t(ref.m_Slot)] = int(m_Entries.size() - 1);
        }
        return true;
    }

    int EntryOf(size_t row, EImportRole role) const
    {
        if constexpr (TIds::kNumbered) {
            const TRow &r = m_Rows[row];
            const TKey key = role == ImportOwnId ? r.m_Id : role == ImportSire ? r.m_Sire : r.m_Dam;
            return m_Ids.IsNull(key) ? -1 : int(key);
        }
        return m_EntryOf[row * ImportRoles + role];
    }

    void AddAndLink()
    {
        for (size_t i = 0; i < m_Rows.size(); ++i) {
            if (m_Rows[i].m_Record)
                m_Entries[size_t(EntryOf(i, ImportOwnId))].m_RecordId = m_Reg.AddRecord(m_Rows[i].m_Record, false);
        }
        // A parent without a row of its own takes the sex of the role it is first met in.
        std::vector<std::pair<int, CBioRegRecord *>> placeholders;
        for (size_t i = 0; i < m_Rows.size(); ++i) {
            if (!m_Rows[i].m_Record)
                continue;
            AddPlaceholder(EntryOf(i, ImportSire), 1, placeholders);
            AddPlaceholder(EntryOf(i, ImportDam), 2, placeholders);
        }
        NameEntries();
        // Each entry names one record: its row's or its placeholder. Walking those
        // in the order they were made touches the records in memory order, where
        // the ID list's order would jump around a large register.
        for (size_t i = 0; i < m_Rows.size(); ++i) {
            TRow &row = m_Rows[i];
            if (!row.m_Record)
                continue;
            if (const int sire = EntryOf(i, ImportSire); sire >= 0)
                row.m_Record->m_Sire = m_Entries[size_t(sire)].m_RecordId;
            if (const int dam = EntryOf(i, ImportDam); dam >= 0)
                row.m_Record->m_Dam = m_Entries[size_t(dam)].m_RecordId;
            row.m_Record->m_Name = std::move(m_Entries[size_t(EntryOf(i, ImportOwnId))].m_Name);
            // The row lets go of the record while it is in the caches: left to the
            // rows' destructor, that would be one more visit to every record.
            row.m_Record.reset();
        }
        for (const auto &[entry, record] : placeholders)
            record->m_Name = std::move(m_Entries[size_t(entry)].m_Name);
    }

    void AddPlaceholder(int entryIndex, int sex, std::vector<std::pair<int, CBioRegRecord *>> &placeholders)
    {
        if (entryIndex < 0)
            return;
        TEntry &entry = m_Entries[size_t(entryIndex)];
        if (entry.m_RecordId)
            return;
        auto placeholder = QSharedPointer<CBioRegRecord>::create(&m_Reg);
        placeholder->m_Sex = sex;
        entry.m_RecordId = m_Reg.AddRecord(placeholder, false);
        m_Reg.GetLookupLists().Update(placeholder.data(), nullptr, CCmnRegLookupLists::RecordAdded);
        placeholders.emplace_back(entryIndex, placeholder.data());
    }

    void NameEntries()
    {
        if (m_Cols.IndexOfField(BioImportFieldName) < 0) {
            for (TEntry &entry : m_Entries)
                entry.m_Name = m_Ids.Text(entry.m_Key);
            return;
        }
        // Moved, not copied: the rows' destructor then leaves the names alone
        // instead of visiting every one of them again.
        for (size_t i = 0; i < m_Rows.size(); ++i) {
            TRow &row = m_Rows[i];
            if (row.m_Record && !row.m_Name.isEmpty())
                m_Entries[size_t(EntryOf(i, ImportOwnId))].m_Name = std::move(row.m_Name);
        }
        for (const EImportRole role : {ImportSire, ImportDam}) {
            for (const auto &[i, name] : m_ParentNames[role]) {
                const int parent = EntryOf(i, role);
                if (!m_Rows[i].m_Record || parent < 0)
                    continue;
                TEntry &entry = m_Entries[size_t(parent)];
                if (entry.m_Name.isEmpty())
                    entry.m_Name = name;
            }
        }
        // Entries without a record are texts that only dropped rows named.
        std::vector<size_t> unnamed;
        for (size_t i = 0; i < m_Entries.size(); ++i) {
            if (m_Entries[i].m_RecordId && m_Entries[i].m_Name.isEmpty())
                unnamed.push_back(i);
        }
        std::sort(unnamed.begin(), unnamed.end(),
                  [this](size_t a, size_t b) { return m_Ids.Less(m_Entries[a].m_Key, m_Entries[b].m_Key); });
        int unknown = 0;
        for (const size_t i : unnamed)
            m_Entries[i].m_Name = QStringLiteral("Unknown-%1").arg(++unknown);
    }

    CBioReg &m_Reg;
    CCmnProgress *m_Progress;
    QStringList &m_Messages;
    const CBioImportCols &m_Cols;
    const CImportFields &m_Fields;
    TIds m_Ids;
    const QStringList m_MaleWords;
    const QStringList m_FemaleWords;
    // The date format taken apart once for every date of the import.
    const CCmnDateParser m_DateParser;
    std::vector<QString> m_LastTexts;
    const qsizetype m_ValuesPerRow;
    std::vector<TRow> m_Rows;
    // Rows whose ID cells were no whole numbers, by row, with those cells: few,
    // so kept apart from the rows.
    std::vector<std::pair<size_t, QString>> m_BadIds;
    // The sire and dam names given, by row; most files have none.
    std::vector<std::pair<size_t, QString>> m_ParentNames[ImportRoles];
    std::vector<int> m_EntryOf;
    std::vector<TEntry> m_Entries;
    qsizetype m_KeptRows = 0;
    // Whether the lookup lists were given rows that were then dropped.
    bool m_ListedDroppedRows = false;
    TKey m_Lowest{};
    TKey m_Highest{};
};

CCmnRegFieldDef ImportFieldDef(int type)
{
    return CCmnRegFieldDef(type, CCmnRegFieldDef::kDefaultFlags);
}

int FieldTypeOf(qint32 importType)
{
    switch (importType) {
    case BioImportTypeDate:
        return CmnRegFieldDate;
    case BioImportTypeInteger:
        return CmnRegFieldInteger;
    case BioImportTypeNumber:
        return CmnRegFieldNumber;
    default:
        return CmnRegFieldText;
    }
}

// Adds a user field under the name made unique; its id, or 0 when no unique name
// was left.
int AddUserField(CCmnRegFieldsSettings &settings, CCmnRegUserFieldSet &set, int &nextId, const QString &wanted,
                 int type, const CCmnRegFieldContextMask &mask)
{
    const QString name = settings.MakeUniqueUserFieldName(wanted);
    if (name.isEmpty() || set.AddField(name, CCmnRegUserField(nextId, ImportFieldDef(type), mask)) < 0)
        return 0;
    // Later names must be unique against this one too.
    settings.SetUserFields(set);
    return nextId++;
}

// The user fields of the import: one per User Field column while the register
// has room, then the ID and line-number fields. All of them count towards the
// limit, so the register never holds more user fields than it may.
CImportFields CreateImportFields(CBioReg &reg, QStringList &messages, const CCmnRegFieldContextMask &usageMask,
                                 const CBioImportCols &cols, bool numeric, int maxUserFields,
                                 const QString &limitNote)
{
    CImportFields fields;
    CCmnRegFieldsSettings settings = reg.GetFieldsSettings();
    CCmnRegUserFieldSet set = settings.GetUserFields();
    int nextId = settings.GetMaxUserFieldId() + 1;
    const int extra = (cols.m_CreateIdField ? 1 : 0) + (cols.m_CreateLineNumberField ? 1 : 0);
    CCmnRegFieldContextMask columnMask = usageMask;
    columnMask.SetWord(0, columnMask.Word(0) | 6);
    CCmnRegFieldContextMask extraMask;
    extraMask.SetWord(0, 2);

    int discarded = 0;
    int unnamed = 0;
    QList<CCmnRegNewFieldPlacement> placements;
    for (const CBioImportCol &col : cols.m_Cols) {
        int fieldId = 0;
        if (col.m_Field == BioImportFieldUser) {
            if (set.m_Items.size() < maxUserFields - extra) {
                const QString label =
                    col.m_Label.isEmpty() ? QStringLiteral("User%1").arg(++unnamed) : col.m_Label;
                fieldId = AddUserField(settings, set, nextId, label, FieldTypeOf(col.m_Type), columnMask);
            } else {
                ++discarded;
            }
        }
        fields.m_ColumnFields.append(fieldId);
        fields.m_ColumnTypes.append(col.m_Type);
    }
    const QString limitText = QStringLiteral("The number of user defined fields exceeded the maximum allowed with %1;  %2.")
                                  .arg(CmnGetAppDescriptor().m_ProductDisplayName);
    const auto report = [&](const QString &what) {
        QString message = limitText.arg(what);
        if (!limitNote.isEmpty())
            message += QLatin1Char(' ') + limitNote;
        messages.append(message);
    };
    if (discarded > 0)
        report(discarded == 1 ? QStringLiteral("1 input column was discarded")
                              : QStringLiteral("%1 input columns were discarded").arg(discarded));
    const auto addExtra = [&](bool asked, const QString &name, int type) {
        if (!asked)
            return 0;
        if (set.m_Items.size() >= maxUserFields) {
            report(QStringLiteral("the \"%1\" field was not created").arg(name));
            return 0;
        }
        return AddUserField(settings, set, nextId, name, type, extraMask);
    };
    fields.m_InputIdField = addExtra(cols.m_CreateIdField, QStringLiteral("Input ID"),
                                     numeric ? CmnRegFieldInteger : CmnRegFieldText);
    fields.m_LineNumberField =
        addExtra(cols.m_CreateLineNumberField, QStringLiteral("Input Line Number"), CmnRegFieldInteger);

    settings.SetUserFields(set);
    for (const int id : fields.m_ColumnFields + QList<int>{fields.m_InputIdField, fields.m_LineNumberField}) {
        if (id)
            placements.append(CCmnRegNewFieldPlacement{0, 0, id, 0});
    }
    settings.PlaceNewFields(placements);
    reg.SetFieldsSettings(settings, false);
    return fields;
}

} // namespace

QString CBioReg::ImportDelimitedText(CCmnProgress *progress, QString &warning, QStringList &messages,
                                     const CCmnRegFieldContextMask &usageMask, const CCmnTextEncoding &encoding,
                                     const CCmnCsvFormat &format, const CBioImportCols &cols, QIODevice *device,
                                     int maxUserFields, const QString &limitNote)
{
    Q_UNUSED(warning);
    if (QString message = BioValidateImportCols(cols.m_Cols); !message.isEmpty())
        return message;
    CCmnTextReader reader;
    if (QString error = reader.Open(encoding, device); !error.isEmpty())
        return error;

    RemoveAllRecords();
    ClearIndexLists();
    ClearLookupLists();
    m_ParentIndex.Clear();
    InvalidateOffspring();

    const bool numeric = cols.m_Cols.at(cols.IndexOfField(BioImportFieldId)).m_Type == BioImportTypeInteger;
    const CImportFields fields =
        CreateImportFields(*this, messages, usageMask, cols, numeric, maxUserFields, limitNote);

    QString result;
    if (numeric)
        result = TDelimitedTextImport<CNumericIds>(*this, progress, messages, cols, fields).Run(format, reader, device);
    else
        result = TDelimitedTextImport<CTextIds>(*this, progress, messages, cols, fields).Run(format, reader, device);
    if (!result.isEmpty())
        return result;

    InvalidateOffspring();
    RebuildIndexLists();
    RebuildParentIndex();
    return QString();
}
