#pragma once

class CBioLegacyDataImport_Archive;

// A saved search of the older program; read past and dropped.
class CBioLegacyDataImport_SavedSearch
{
public:
    virtual ~CBioLegacyDataImport_SavedSearch() = default;
    virtual bool Read(CBioLegacyDataImport_Archive &archive);
};

// A saved view of a register (its sort, search, columns and marks); read and dropped.
bool ReadLegacyView(CBioLegacyDataImport_Archive &archive);
