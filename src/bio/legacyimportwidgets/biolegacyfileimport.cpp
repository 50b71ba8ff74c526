#include "biolegacyfileimport.h"

#include "bioboxkindcatalogue.h"
#include "biolegacydatafiles.h"
#include "biolegacydataimport_hvdoc.h"
#include "biolegacydataimportparamsdialog.h"
#include "biolegacyimportparams.h"
#include "biolegacyregimport.h"
#include "cmnprogressdialog.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <memory>

namespace {

// The conversion's progress on the window's progress dialog.
class CProgressOnDialog : public CBioLegacyImportProgress
{
public:
    explicit CProgressOnDialog(CCmnProgressDialog &dialog) : m_Dialog(dialog) {}

    void NextPhase(const QString &text, int maximum) override
    {
        m_Dialog.NextPhase(text);
        QCoreApplication::processEvents();
        m_Dialog.SetMaximum(maximum);
        QCoreApplication::processEvents();
    }
    void SetProgress(int value) override
    {
        m_Dialog.SetProgress(value);
        QCoreApplication::processEvents();
    }
    bool WasCanceled() override { return m_Dialog.WasCanceled(); }

private:
    CCmnProgressDialog &m_Dialog;
};

} // namespace

QString BioImportLegacyFile(CCmnProgressDialog *progress, QStringList *messages, const QString &path,
                            QIODevice *file, CBioReg &reg, QWidget *parent)
{
    CBioLegacyDataImport_HvDoc document;
    const QString error = document.Load(file);
    if (!error.isEmpty()) {
        const bool halvane = BioIsHvDataFileExtension(QFileInfo(path).suffix());
        return halvane ? QObject::tr("Unable to load file - %1. Please check that the file is a valid pedigree "
                                     "database created using Halvane (any version between 3.23c and 5.20).")
                             .arg(error)
                       : QObject::tr("Unable to load file - %1. Please check that the file is a valid pedigree "
                                     "database created using Dunmarra (any version between 2.07a and 3.20).")
                             .arg(error);
    }

    CBioLegacyImportParams params;
    params.DiscoverFields(document, BioDefaultFieldContextMask(0), BioDefaultFieldContextMask(1),
                          BioDefaultFieldContextMask(2), BioDefaultFieldContextMask(3), BioDefaultFieldContextMask(4));
    params.ExchangeSettings(false, path);
    {
        // Exec shows the normal cursor while the dialog waits for the user.
        CBioLegacyDataImportParamsDialog dialog(params, parent);
        if (dialog.Exec() != 1)
            return QObject::tr("Import cancelled");
        params = dialog.Params();
    }

    std::unique_ptr<CProgressOnDialog> onDialog;
    if (progress)
        onDialog = std::make_unique<CProgressOnDialog>(*progress);
    const QString result = BioRegImportLegacyData(reg, onDialog.get(), messages, document, params);
    // A cancelled import leaves everything as it was, the remembered choice too.
    if (result.isEmpty())
        params.ExchangeSettings(true, path);
    return result;
}
