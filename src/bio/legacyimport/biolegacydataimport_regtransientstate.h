#pragma once

class CBioLegacyDataImport_Archive;
class CBioLegacyDataImport_Reg;

// The older program's working state of a register, stored with it; read past and dropped.
class CBioLegacyDataImport_RegTransientState
{
public:
    explicit CBioLegacyDataImport_RegTransientState(CBioLegacyDataImport_Reg *reg)
        : m_Register(reg)
    {
    }
    virtual ~CBioLegacyDataImport_RegTransientState() = default;
    virtual bool Read(CBioLegacyDataImport_Archive &archive);
    CBioLegacyDataImport_Reg *Register() const { return m_Register; }

private:
    CBioLegacyDataImport_Reg *m_Register;
};

// The animal register's state adds the stored inbreeding values.
class CBioLegacyDataImport_AnimalRegTransientState : public CBioLegacyDataImport_RegTransientState
{
public:
    using CBioLegacyDataImport_RegTransientState::CBioLegacyDataImport_RegTransientState;
    bool Read(CBioLegacyDataImport_Archive &archive) override;
};
