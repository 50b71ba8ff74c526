// The record check of the animal register: reads the register, changes nothing.
#include "bioinbreedingcalculator.h"
#include "bioreg.h"
#include "bioregrecord.h"
#include "bioterminology.h"

#include <QHash>
#include <QSet>

#include <algorithm>

namespace {

constexpr int kMale = 1;
constexpr int kFemale = 2;

struct CScopeEntry
{
    QString name;
    int id = 0;
    bool expand = false;
    // The most generations left above the record on any path walked so far.
    int generationsLeft = 0;
};

QString LoopMessage(const QString &name, const QString &path)
{
    return QStringLiteral("%1: self-parenting loop: %2").arg(name, path);
}

} // namespace

void CBioReg::CheckRecord(QStringList &messages, const CBioRegCheckOptions &options, int recordId,
                          const CheckProgress &progress) const
{
    if (recordId < 1) {
        messages.clear();
        return;
    }
    const CBioRegRecord *record = GetBioRecord(recordId);
    if (!record) {
        messages.clear();
        return;
    }
    RunChecks(messages, options, recordId, record->m_Sire, record->m_Dam, progress);
}

void CBioReg::CheckTrialMating(QStringList &messages, const CBioRegCheckOptions &options, int sireId, int damId,
                               const CheckProgress &progress) const
{
    RunChecks(messages, options, 0, sireId, damId, progress);
}

void CBioReg::RunChecks(QStringList &messages, const CBioRegCheckOptions &options, int recordId, int sireId,
                        int damId, const CheckProgress &progress) const
{
    messages.clear();
    if (options.m_AllRecords || (recordId == 0 && sireId == 0 && damId == 0)) {
        CheckAllRecords(messages, options, progress);
        return;
    }

    // The records within the form: the subject and its ancestry up to the options'
    // generations; only those below the top generation have their links checked.
    QHash<int, CScopeEntry> scope;
    if (recordId >= 1 && GetBioRecord(recordId))
        scope.insert(recordId, CScopeEntry{GetBioRecord(recordId)->GetName(), recordId, true});
    struct Step
    {
        int id;
        int generationsLeft;
    };
    for (const int start : {sireId, damId}) {
        if (start < 1 || options.m_Generations <= 0)
            continue;
        QVector<Step> stack{Step{start, options.m_Generations - 1}};
        while (!stack.isEmpty()) {
            const Step step = stack.takeLast();
            const CBioRegRecord *record = GetBioRecord(step.id);
            if (!record)
                continue;
            const bool expand = step.generationsLeft > 0;
            auto found = scope.find(step.id);
            if (found == scope.end()) {
                scope.insert(step.id, CScopeEntry{record->GetName(), step.id, expand, step.generationsLeft});
            } else {
                // Reached again: only a nearer path, with more generations left,
                // reaches further up. The walk may meet the farther path first.
                if (step.generationsLeft <= found->generationsLeft)
                    continue;
                found->generationsLeft = step.generationsLeft;
                found->expand = true;
            }
            if (!expand)
                continue;
            if (record->m_Dam >= 1)
                stack.append(Step{record->m_Dam, step.generationsLeft - 1});
            if (record->m_Sire >= 1)
                stack.append(Step{record->m_Sire, step.generationsLeft - 1});
        }
    }

    QList<CScopeEntry> ordered = scope.values();
    std::sort(ordered.begin(), ordered.end(), [](const CScopeEntry &a, const CScopeEntry &b) {
        if (a.name != b.name)
            return a.name < b.name;
        if (a.id != b.id)
            return a.id < b.id;
        return a.expand < b.expand;
    });
    for (const CScopeEntry &entry : std::as_const(ordered))
        CheckRecords(options, messages, entry.id, entry.expand);

    if (!options.m_CheckLoops)
        return;
    const QVector<int> loop = CollectLoopRecords(sireId, damId);
    if (loop.isEmpty())
        return;
    const QString path = AncestorPathText(loop);
    if (recordId >= 1 && GetBioRecord(recordId))
        messages.append(LoopMessage(GetBioRecord(recordId)->GetName(), path));
    else
        messages.append(QStringLiteral("self-parenting loop: %1").arg(path));
}

void CBioReg::CheckAllRecords(QStringList &messages, const CBioRegCheckOptions &options,
                              const CheckProgress &progress) const
{
    const QList<CCmnRegIndexEntry> &entries = m_AllRecords.Entries();
    const int total = int(entries.size());
    for (int done = 0; done < total; ++done) {
        if (progress && !progress(done, total))
            return;
        const int id = entries.at(done).m_Id;
        const CBioRegRecord *record = GetBioRecord(id);
        if (!record)
            continue;
        CheckRecords(options, messages, id, true);
        if (!options.m_CheckLoops)
            continue;
        const QVector<int> loop = CollectLoopRecords(record->m_Sire, record->m_Dam);
        if (!loop.isEmpty())
            messages.append(LoopMessage(record->GetName(), AncestorPathText(loop)));
    }
    if (progress)
        progress(total, total);
}

void CBioReg::CheckRecords(const CBioRegCheckOptions &options, QStringList &messages, int recordId,
                           bool checkParentLinks) const
{
    const CBioRegRecord *record = GetBioRecord(recordId);
    if (!record)
        return;
    if (options.m_CheckDates) {
        const CCmnDate birth = record->DateOfBirth();
        const CCmnDate death = record->DateOfDeath();
        if (!birth.IsEmpty() && !death.IsEmpty() && death < birth) {
            messages.append(QStringLiteral("%1: recorded as born after date of death (born '%2' died '%3')")
                                .arg(record->GetName(), CBioRegRecord::DateText(birth),
                                     CBioRegRecord::DateText(death)));
        }
    }
    if (!checkParentLinks || !options.m_CheckParentLinks)
        return;
    CheckParentLink(messages, *record, record->m_Sire, kBioTermSire, kFemale, kBioTermFemale);
    CheckParentLink(messages, *record, record->m_Dam, kBioTermDam, kMale, kBioTermMale);
}

void CBioReg::CheckParentLink(QStringList &messages, const CBioRegRecord &record, int parentId, int parentTerm,
                              int wrongSex, int wrongSexTerm) const
{
    if (parentId < 1)
        return;
    const CBioRegRecord *parent = GetBioRecord(parentId);
    if (!parent)
        return;
    const QString parentWord = GetBioTerm(parentTerm, BioTermLowerCase);
    if (parent->m_Sex == wrongSex) {
        messages.append(QStringLiteral("%1: %2 '%3' is %4")
                            .arg(record.GetName(), parentWord, parent->GetName(),
                                 GetBioTerm(wrongSexTerm, BioTermLowerCase)));
    }
    const CCmnDate birth = record.DateOfBirth();
    const CCmnDate parentBirth = parent->DateOfBirth();
    // Born on the parent's own birthday counts as born before it.
    if (!birth.IsEmpty() && !parentBirth.IsEmpty() && !(parentBirth < birth)) {
        messages.append(QStringLiteral("%1: born before %2 '%3' ('%4', %2 born '%5')")
                            .arg(record.GetName(), parentWord, parent->GetName(), CBioRegRecord::DateText(birth),
                                 CBioRegRecord::DateText(parentBirth)));
    }
}

QVector<int> CBioReg::CollectLoopRecords(int sireId, int damId) const
{
    QVector<int> loop;
    if (sireId < 1 || damId < 1)
        return loop;
    if (!InbreedingCalculator().FindLoop(sireId, damId, m_InbreedingSettings.m_Generations, loop))
        loop.clear();
    return loop;
}

QString CBioReg::AncestorPathText(const QVector<int> &ids) const
{
    QStringList names;
    names.reserve(ids.size());
    for (const int id : ids) {
        const CBioRegRecord *record = GetBioRecord(id);
        names.append(record ? record->GetName() : QString());
    }
    return names.join(QStringLiteral(" -> "));
}

QVector<int> CBioReg::GetDescendants(int recordId, bool includeSelf) const
{
    if (recordId < 1)
        return {};
    if (!m_OffspringValid)
        BuildOffspringHash();
    QSet<int> found;
    QVector<int> stack{recordId};
    while (!stack.isEmpty()) {
        const int id = stack.takeLast();
        for (const int child : m_Offspring.value(id)) {
            if (!found.contains(child)) {
                found.insert(child);
                stack.append(child);
            }
        }
    }
    if (includeSelf)
        found.insert(recordId);
    return QVector<int>(found.begin(), found.end());
}
