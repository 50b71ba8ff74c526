#pragma once

#include <QString>
#include <QStringList>

class CBioLegacyDataImport_HvDoc;
class CBioLegacyImportParams;
class CBioReg;

// What the conversion tells the window while it runs, and how it learns that the user
// cancelled; the window's progress dialog stands behind it.
class CBioLegacyImportProgress
{
public:
    virtual ~CBioLegacyImportProgress() = default;
    virtual void NextPhase(const QString &text, int maximum) = 0;
    virtual void SetProgress(int value) = 0;
    // Asked every 1000 records.
    virtual bool WasCanceled() = 0;
};

// Turns the animals of a loaded Halvane or Dunmarra file into the records of the
// register, with one new user field per chosen candidate, and links sires and dams.
// The register keeps its field settings, extended by the new fields. Returns "" when
// done and "!" when the user cancelled; a cancelled conversion leaves the register as
// it was. A parent link to a record that is no animal of the file is dropped, with one
// line in the messages.
[[nodiscard]] QString BioRegImportLegacyData(CBioReg &reg, CBioLegacyImportProgress *progress,
                                             QStringList *messages, CBioLegacyDataImport_HvDoc &document,
                                             const CBioLegacyImportParams &params);
