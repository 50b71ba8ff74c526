#include "bioregformrecordcommands.h"

#include "bioreg.h"
#include "bioregcheckdialog.h"
#include "bioregcheckrunner.h"
#include "bioregrecord.h"
#include "bioregrecordcommands.h"
#include "bioterminology.h"
#include "cmnmessageboxes.h"
#include "cmnmessagesdialog.h"

#include <QDialog>

#include <algorithm>

CBioRegFormRecordCommands::CBioRegFormRecordCommands(CBioReg *reg, QWidget *parent) : m_Reg(reg), m_Parent(parent)
{
}

int CBioRegFormRecordCommands::AddNew(const QPoint &position, int sex) const
{
    if (!m_Reg)
        return 0;
    return CBioRegRecordCommands(m_Reg).AddNewRecord(m_Parent, position, sex);
}

bool CBioRegFormRecordCommands::Delete(const QPoint &position, int recordId) const
{
    if (!m_Reg || recordId < 1)
        return false;
    return CBioRegRecordCommands(m_Reg).DeleteRecordWithConfirmation(
        m_Parent, position, recordId, QStringLiteral("Delete %1").arg(GetBioTerm(kBioTermAnimal)), 0,
        QStringLiteral("Are you sure you want to permanently delete the %1 named '%2' from your data file?"));
}

bool CBioRegFormRecordCommands::Edit(const QPoint &position, const QString &word, int recordId,
                                     const QString &tabName) const
{
    if (!m_Reg || recordId < 1)
        return false;
    return CBioRegRecordCommands(m_Reg).EditRecord(m_Parent, position, QStringLiteral("%1 Details").arg(word),
                                                   recordId, tabName);
}

void CBioRegFormRecordCommands::Check(const QString &scopeNoun, int recordId, int sireId, int damId) const
{
    recordId = std::max(recordId, 0);
    sireId = std::max(sireId, 0);
    damId = std::max(damId, 0);
    if (!m_Reg || (recordId == 0 && sireId == 0 && damId == 0))
        return;
    CBioRegCheckDialog choices(m_Parent, scopeNoun);
    if (choices.Exec() != QDialog::Accepted)
        return;
    // A record's checks reach its ancestry through its own parents.
    if (recordId > 0) {
        const CBioRegRecord *record = m_Reg->GetBioRecord(recordId);
        sireId = record ? record->m_Sire : 0;
        damId = record ? record->m_Dam : 0;
    }
    QStringList messages;
    if (!BioRunRecordChecks(*m_Reg, messages, choices.m_Options, recordId, sireId, damId, m_Parent))
        return;
    const QString title = QStringLiteral("Error Check");
    if (messages.isEmpty()) {
        ShowRememberedMessage(QMessageBox::Information, nullptr, title, QStringLiteral("No errors found."));
        return;
    }
    CCmnMessagesDialog findings(m_Parent);
    findings.setWindowTitle(title);
    findings.SetHeader(QStringLiteral("%1 issue(s) found:").arg(messages.size()));
    findings.SetMessages(messages);
    (void)findings.Exec();
}
