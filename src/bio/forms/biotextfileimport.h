#pragma once

#include <QString>
#include <QStringList>

class CBioReg;
class CCmnProgress;
class CCmnRegFieldContextMask;
class CCmnRegFieldsSettings;
class QIODevice;
class QWidget;

// Opening a delimited text file as a new document: the import wizard with its
// "Columns" page asks how the file is to be read, then its rows fill the new
// document's register. The choices of the wizard (encoding, format, columns) are
// remembered for the file only once the import has completed, so that a wizard or
// an import that was cancelled leaves every memory as it was.
//
// The register is the new document's; the usage mask is the one user-field
// columns start from (the union of the default masks of the title boxes and of the
// trial-mating parent details). On success the settings to install take the
// register's fields settings. Empty on success, "!" when the wizard was not
// accepted, "Cancelled" when the import was, else the message to show; messages
// gets one line per row left out.
[[nodiscard]] QString BioImportTextFile(CBioReg &reg, CCmnRegFieldsSettings &settings, CCmnProgress *progress,
                                        QString &warning, QStringList &messages, const QString &path,
                                        QIODevice *file, const CCmnRegFieldContextMask &usageMask,
                                        QWidget *parent);

// The per-file setting that remembers a custom column set.
inline constexpr const char *kBioImportColumnsKey = "columns";
// The most user fields a register may hold after an import.
inline constexpr int kBioMaxUserFields = 200;
