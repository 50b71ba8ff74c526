#include "bioregrecordtabdialog.h"

#include "bioreg.h"
#include "bioregrecordgeneraltab.h"
#include "bioregrecordpictab.h"
#include "cmnappdescriptor.h"
#include "cmngeometrykeeper.h"
#include "cmnhelplocator.h"

namespace {

const QString kGeneral = QStringLiteral("General");

CCmnGeometryKeeper RecordGeometry(const QPoint &position)
{
    CCmnGeometryKeeper geometry;
    geometry.SetAnchor(CCmnGeometryKeeper::AnchorCentre, position)
        .SetKeyRememberSize(QStringLiteral("bioregrecorddialog"));
    return geometry;
}

} // namespace

CBioRegRecordTabDialog::CBioRegRecordTabDialog(const QPoint &position, bool sexEditable, CBioReg *reg,
                                               QWidget *parent)
    : CCmnRegRecordEditTabDialog(RecordGeometry(position), reg, parent)
    , m_RecordCopy(reg)
    , m_BioReg(reg)
    , m_SexEditable(sexEditable)
{
    // Fields placed on a page named like the photo page show on "General".
    CreatePages(kGeneral, {QStringLiteral("Photo")}, &m_RecordCopy);
    const CCmnAppDescriptor &app = CmnGetAppDescriptor();
    SetMoreInformation(
        QStringLiteral("How To Customize This Window"),
        QStringLiteral("<p>To add extra fields, choose <b>%1</b> from the <b>File</b> menu, select the <b>%2</b> tab "
                       "and then click the <b>Add</b> button.</p>")
                .arg(app.DocumentSettingsTitle(true), QStringLiteral("User Fields"))
            + QStringLiteral("<p>You can also customize the layout of this window e.g. positioning and size of "
                             "fields, column breaks and multiple tabs etc. This is set up using the <b>%1</b> tab in "
                             "the %2 window.</p><p>For further information <a href='%3'>click here</a>.</p>")
                  .arg(QStringLiteral("Details Window Layout"), app.DocumentSettingsTitle(false),
                       CmnHelpPageUrl(QStringLiteral("customization_recorddetailswindow.html"))));
}

CCmnTab *CBioRegRecordTabDialog::CreateFieldsTab(const QString &tabName, const QList<int> &fieldIds,
                                                 const QHash<int, int> &columnStarts, QWidget *parent)
{
    if (tabName == kGeneral) {
        m_GeneralTab = new CBioRegRecordGeneralTab(m_BioReg, fieldIds, columnStarts, &m_RecordId, &m_RecordCopy,
                                                   parent);
        m_GeneralTab->m_SexEditable = m_SexEditable;
        return m_GeneralTab;
    }
    auto *tab = new CCmnRegRecordEditableFieldsTab(m_BioReg, fieldIds, columnStarts, &m_RecordId, &m_RecordCopy,
                                                   parent);
    tab->SetHelpPage(QStringLiteral("CBioRegRecordGeneralTab.html"));
    return tab;
}

void CBioRegRecordTabDialog::TabAdded(CCmnTab *, const QString &tabName)
{
    if (tabName != kGeneral || m_PhotoTab)
        return;
    m_PhotoTab = new CBioRegRecordPicTab(m_BioReg, &m_RecordId, &m_RecordCopy);
    AddTab(m_PhotoTab, QStringLiteral("Photo"));
}
