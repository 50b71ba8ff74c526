#include "biotextfileimport.h"

#include "bioautomaticorcustomimportcols.h"
#include "bioautomaticorcustomimportcolspage.h"
#include "bioreg.h"
#include "cmnappdescriptor.h"
#include "cmnfilehiddensettings.h"
#include "cmnimportcsvwizard.h"
#include "cmnregfieldssettings.h"

#include <QDialog>
#include <QIODevice>

namespace {

constexpr qint64 kSampleBytes = 10000;
constexpr qint32 kFormatPageFlags = 0x1C;

// A column set's text that reads becomes the custom set, which then stops
// following the deduction.
void FixColumns(CBioAutomaticOrCustomImportCols &choice, const QString &text)
{
    CBioImportCols cols;
    cols.SetDefaults();
    if (!text.isEmpty() && cols.FromString(text))
        choice.FixCustom(cols);
}

} // namespace

QString BioImportTextFile(CBioReg &reg, CCmnRegFieldsSettings &settings, CCmnProgress *progress, QString &warning,
                          QStringList &messages, const QString &path, QIODevice *file,
                          const CCmnRegFieldContextMask &usageMask, QWidget *parent)
{
    CCmnImportCSVWizard wizard(path, 0, kFormatPageFlags, parent);
    CBioAutomaticOrCustomImportCols columns;
    columns.m_Deduced.SetDefaults();
    columns.m_Custom = columns.m_Deduced;
    wizard.AddOwnPage(new CBioAutomaticOrCustomImportColsPage(&columns, &wizard.HeaderNames(), &wizard.PreviewRows()));

    const QString columnsKey = QString::fromLatin1(kBioImportColumnsKey);
    CCmnFileHiddenSettings *memory = CmnGetFileHiddenSettings();
    if (memory && columns.m_Follow)
        FixColumns(columns, memory->Value(path, columnsKey).toString());

    wizard.SetSampleBytes(file->read(kSampleBytes));
    file->seek(0);
    wizard.LoadTextFile(path);
    FixColumns(columns, wizard.GetParameter(columnsKey));

    // The memory is stored only after the import has completed.
    wizard.LoadFileSettings();
    if (wizard.ShowWizard() && wizard.Exec() != QDialog::Accepted)
        return QStringLiteral("!");

    const QString limitNote = QStringLiteral("%1 has a maximum of %2 user fields.")
                                  .arg(CmnGetAppDescriptor().m_ProductName)
                                  .arg(kBioMaxUserFields);
    const QString result = reg.ImportDelimitedText(
        progress, warning, messages, usageMask, wizard.TextEncoding().Effective(), wizard.CsvFormat().Effective(),
        columns.Effective(), file, kBioMaxUserFields, limitNote);
    if (!result.isEmpty())
        return result;

    wizard.StoreFileSettings();
    if (memory && !columns.m_Automatic)
        memory->SetValue(path, columnsKey, columns.m_Custom.ToString());
    settings = reg.GetFieldsSettings();
    return QString();
}
