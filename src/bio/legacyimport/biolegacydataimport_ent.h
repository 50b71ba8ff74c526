#pragma once

#include "biolegacydataimport_entschema.h"
#include "biolegacydataimport_fieldvalarray.h"
#include "biolegacydataimport_regtransientstate.h"

class CBioLegacyDataImport_Cluster;
class CBioLegacyDataImport_Reg;

// Entity kinds, as numbered by the registers of a legacy file.
enum EBioLegacyEntKind {
    BioLegacyKindContact = 0,
    BioLegacyKindAnimal,
    BioLegacyKindMating,
    BioLegacyKindJabRec,
    BioLegacyKindTrialMating,
    BioLegacyKindVetRec,
    BioLegacyKindAppt,
    BioLegacyKindAcct,
    BioLegacyKindShowing,
    BioLegacyKindCount
};

// One record of a legacy file decoded into typed values, one slot per stored field of
// its kind's schema. Values are made on demand: a field the record did not store has
// no value until GetValue makes a null one.
class CBioLegacyDataImport_Ent
{
public:
    explicit CBioLegacyDataImport_Ent(int kind);
    virtual ~CBioLegacyDataImport_Ent();
    CBioLegacyDataImport_Ent(const CBioLegacyDataImport_Ent &) = delete;
    CBioLegacyDataImport_Ent &operator=(const CBioLegacyDataImport_Ent &) = delete;

    // The register's working state that a register of this kind keeps.
    virtual std::unique_ptr<CBioLegacyDataImport_RegTransientState> CreateTransientState(
        CBioLegacyDataImport_Reg *reg) const
    {
        return std::make_unique<CBioLegacyDataImport_RegTransientState>(reg);
    }
    // The fields a record of an older version holds in one group; empty here.
    virtual const CBioLegacyDataImport_FieldIdSet &RecordVersionFields(EBioLegacyGroup group, quint8 version) const;
    // Gives missing or null booleans the defaults of the schema.
    bool ApplyDefaults();

    void ResetValues();
    CBioLegacyDataImport_FieldVal *FindValue(int id) const;
    CBioLegacyDataImport_FieldVal *GetValue(int id);
    // The value the record holds for the field when it holds one of that kind that
    // is not null; none otherwise. Makes no value.
    const CBioLegacyDataImport_FieldVal *PresentValue(int id, EBioLegacyValueKind kind) const;

    // Typed readers for the import: the value is made when missing, and a field of
    // another kind reads as empty.
    bool BoolValue(int id);
    QByteArray TextValue(int id);
    bool CurrencyValue(int id, qint32 &amount);
    CBioLegacyDate DateValue(int id);

    int Kind() const { return m_Kind; }
    const CBioLegacyDataImport_EntSchema *Schema() const { return m_Schema; }
    int RecordId() const { return m_RecordId; }
    void SetRecordId(int id) { m_RecordId = id; }
    CBioLegacyDataImport_Cluster *Cluster() const { return m_Cluster; }
    CBioLegacyDataImport_Reg *Register() const { return m_Register; }
    void Link(CBioLegacyDataImport_Reg *reg, CBioLegacyDataImport_Cluster *cluster)
    {
        m_Register = reg;
        m_Cluster = cluster;
    }
    int ValueSlotCount() const { return m_Values.Size(); }

private:
    CBioLegacyDataImport_Cluster *m_Cluster = nullptr;
    CBioLegacyDataImport_Reg *m_Register = nullptr;
    int m_RecordId = -1;
    const CBioLegacyDataImport_EntSchema *m_Schema;
    CBioLegacyDataImport_FieldValArray m_Values;
    int m_Kind;
};
