#pragma once

#include <QString>
#include <QStringList>

class CBioReg;
class CCmnProgressDialog;
class QIODevice;
class QWidget;

// Brings an older program's data file (Halvane or Dunmarra, told by the path's
// extension) into the register of a new document: loads the open file, finds the
// fields it can offer, lets the user choose them in the options dialog and converts
// the animals; the choice is remembered for the path once the conversion is done. Returns "" when done, "Import cancelled" when the dialog was not
// accepted, "!" when the user cancelled the conversion, and otherwise the message to
// show. The register is touched only by a conversion that runs to its end; then its
// field settings carry the new fields, for the document to install.
[[nodiscard]] QString BioImportLegacyFile(CCmnProgressDialog *progress, QStringList *messages, const QString &path,
                                          QIODevice *file, CBioReg &reg, QWidget *parent);
