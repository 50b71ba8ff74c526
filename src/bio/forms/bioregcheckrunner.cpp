#include "bioregcheckrunner.h"

#include "bioreg.h"
#include "bioterminology.h"
#include "cmnprogressdialog.h"

#include <memory>

bool BioRunRecordChecks(const CBioReg &reg, QStringList &messages, const CBioRegCheckOptions &options,
                        int recordId, int sireId, int damId, QWidget *parent, int threshold)
{
    const bool everyRecord = options.m_AllRecords || (recordId == 0 && sireId == 0 && damId == 0);
    if (!everyRecord || reg.GetRecordCount() <= threshold) {
        reg.RunChecks(messages, options, recordId, sireId, damId);
        return true;
    }
    auto progress = std::make_unique<CCmnProgressDialog>(parent);
    progress->Setup(QStringLiteral("Checking %1").arg(GetBioTerm(0, BioTermPlural)));
    bool cancelled = false;
    reg.RunChecks(messages, options, recordId, sireId, damId, [&](int done, int total) {
        if (done == 0)
            progress->SetMaximum(total);
        progress->SetProgress(done);
        cancelled = progress->WasCanceled();
        return !cancelled;
    });
    return !cancelled;
}
