#include "bioregrecordselectdialog.h"

#include "bioreg.h"
#include "bioregrecord.h"
#include "bioregrecordselectdialogmodel.h"
#include "biotermcomboboxes.h"
#include "cmnappdescriptor.h"
#include "cmncombobox.h"
#include "cmndataexchange.h"
#include "cmngeometrykeeper.h"
#include "cmngroupbox.h"
#include "cmnhelplocator.h"
#include "cmnlistview.h"
#include "cmnpixmapwidget.h"
#include "cmnslotblocker.h"

#include <QGuiApplication>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

namespace {

CCmnGeometryKeeper SelectGeometry(const QPoint &position)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const int width = screen ? screen->availableGeometry().width() : 0;
    CCmnGeometryKeeper geometry;
    geometry.SetAnchor(CCmnGeometryKeeper::AnchorCentre, position)
        .SetKeyRememberSize(QStringLiteral("cmnregrecordselectdialog"))
        .SetScreenFraction(width <= 1280 ? 0.5 : 0.3);
    return geometry;
}

} // namespace

CBioRegRecordSelectDialog::CBioRegRecordSelectDialog(const QPoint &position, CBioReg *reg, QWidget *parent)
    : CCmnRegRecordSelectDialog(SelectGeometry(position), reg, parent)
    , m_BioReg(reg)
    , m_SexSelect(BioNewSexFilterComboBox(std::nullopt, 0, QString(), nullptr))
    , m_Photo(new CCmnPixmapWidget(QSize(30, 10)))
{
    SetHelpPage(QStringLiteral("CBioRegRecordSelectDialog.html"));
    SetWidgetHelpName(this, m_SexSelect, QStringLiteral("SexSelect"));
    connect(m_SexSelect, &QComboBox::activated, this, &CBioRegRecordSelectDialog::Slot_activated_SexSelect);
    ListLayout()->addWidget(m_SexSelect);

    CreateKeyFieldsPanel();
    auto *photoBox = new CCmnGroupBox;
    photoBox->setTitle(QStringLiteral("Photo"));
    (new QVBoxLayout(photoBox))->addWidget(m_Photo);
    m_SecondWidget = photoBox;

    const CCmnAppDescriptor &app = CmnGetAppDescriptor();
    SetMoreInformation(
        QStringLiteral("How To Customize This Window"),
        QStringLiteral("<p>To add extra fields, choose <b>%1</b> from the <b>File</b> menu, select the <b>%2</b> tab "
                       "and then click the <b>Add</b> button. Be sure to check the 'Show as a Key Field' option for "
                       "any field you would like to see displayed in this window.</p>")
                .arg(app.DocumentSettingsTitle(true), QStringLiteral("User Fields"))
            + QStringLiteral("<p>You can also customize the layout of the 'Key Fields' as shown in this window - by "
                             "choosing the order and columns in which they are shown. This is set up using the "
                             "<b>%1</b> tab in the %2 window.</p><p>For further information <a href='%3'>click "
                             "here</a>.</p>")
                  .arg(QStringLiteral("Select Window Layout"), app.DocumentSettingsTitle(false),
                       CmnHelpPageUrl(QStringLiteral("customization_selectrecordwindow.html"))));
    CreateSplitterLayout();
}

CBioRegRecordSelectDialogModel *CBioRegRecordSelectDialog::BioModel() const
{
    return static_cast<CBioRegRecordSelectDialogModel *>(Model());
}

bool CBioRegRecordSelectDialog::DataExchange(CCmnDataExchange *context)
{
    if (context->m_Save)
        return CCmnRegRecordSelectDialog::DataExchange(context);
    const CCmnSlotBlocker blocker(this);
    if (!Model())
        SetModel(new CBioRegRecordSelectDialogModel(m_BioReg, m_SexFilter));
    if (!CmnExchangeComboByData(context, &m_SexFilter, m_SexSelect))
        return false;
    return CCmnRegRecordSelectDialog::DataExchange(context);
}

void CBioRegRecordSelectDialog::ShowRecordDetails(int recordId)
{
    CBioRegRecord *record = m_BioReg ? m_BioReg->GetBioRecord(recordId) : nullptr;
    if (record) {
        record->m_Photo.EnsureLoaded();
        m_Photo->SetPixmap(record->m_Photo.Pixmap());
    } else {
        m_Photo->SetPixmap(QPixmap());
    }
    m_Photo->update();
    CCmnRegRecordSelectDialog::ShowRecordDetails(recordId);
}

void CBioRegRecordSelectDialog::SelectRow(int row)
{
    CCmnRegRecordSelectDialog::SelectRow(row);
    if (BioModel())
        m_SexFilter = BioModel()->SexFilter();
}

void CBioRegRecordSelectDialog::Slot_activated_SexSelect(int)
{
    if (SlotsBlocked() || !BioModel())
        return;
    const int filter = std::clamp(m_SexSelect->currentData().toInt(), 0, 3);
    if (filter == BioModel()->SexFilter())
        return;
    const QModelIndex current = ListView()->currentIndex();
    const int recordId = current.isValid() ? GetRecordIdAt(current.row()) : 0;
    BioModel()->SetSexFilter(filter);
    SetCurrentRecord(recordId);
}
