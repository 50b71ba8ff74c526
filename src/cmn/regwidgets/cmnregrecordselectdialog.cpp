#include "cmnregrecordselectdialog.h"

#include "cmndataexchange.h"
#include "cmndialogbuttonbox.h"
#include "cmngeometrykeeper.h"
#include "cmngridlayoutex.h"
#include "cmngroupbox.h"
#include "cmnlistview.h"
#include "cmnpushbutton.h"
#include "cmnreg.h"
#include "cmnregfieldgrid.h"
#include "cmnregindexlist.h"
#include "cmnregindexlistmodel.h"
#include "cmnregmoreinfobutton.h"
#include "cmnregrecord.h"
#include "cmnsplitter.h"
#include "cmnsplitterstate.h"
#include "cmnwidget.h"

#include <QItemSelectionModel>
#include <QVBoxLayout>

CCmnRegRecordSelectDialog::CCmnRegRecordSelectDialog(const CCmnGeometryKeeper &geometry, CCmnReg *reg,
                                                     QWidget *parent)
    : CCmnDialogEx(parent)
    , m_SelectReg(reg)
    , m_ListView(new CCmnListView)
    , m_ListLayout(new QVBoxLayout)
{
    SetGeometryKeeper(geometry);
    m_ListView->SetTypeAhead(true);
    m_ListLayout->addWidget(m_ListView);
}

CCmnRegRecordSelectDialog::~CCmnRegRecordSelectDialog()
{
    const QString key = SplitterKey();
    if (m_Splitter && !key.isEmpty())
        CmnSaveSplitterState(m_Splitter, key);
    m_ListView->setModel(nullptr);
    delete m_Model;
}

QString CCmnRegRecordSelectDialog::SplitterKey() const
{
    const QString &key = GeometryKeeper().SettingsKey();
    return key.isEmpty() ? QString() : key + QStringLiteral("/splitterstate");
}

void CCmnRegRecordSelectDialog::SetModel(CCmnRegIndexListModel *model)
{
    m_Model = model;
    m_ListView->setModel(model);
    connect(m_ListView->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &CCmnRegRecordSelectDialog::Slot_currentRowChanged_ListView);
    connect(m_ListView, &QAbstractItemView::doubleClicked, this,
            &CCmnRegRecordSelectDialog::Slot_doubleClicked_ListView);
}

QGroupBox *CCmnRegRecordSelectDialog::CreateKeyFieldsPanel()
{
    auto *box = new CCmnGroupBox;
    box->setTitle(QStringLiteral("Key Fields"));
    if (m_SelectReg) {
        CCmnRegFieldsSettings settings = m_SelectReg->GetFieldsSettings();
        QList<int> fieldIds;
        QHash<int, int> columnStarts;
        for (const CCmnRegSelectRecordLayoutItem &item : settings.GetSelectRecordLayout()) {
            fieldIds.append(item.m_FieldId);
            if (item.m_NewColumn)
                columnStarts.insert(item.m_FieldId, 1);
        }
        m_Editable = false;
        CreateFieldEditors(0, m_SelectReg, fieldIds, columnStarts, box);
        box->setLayout(CmnNewColumnsGridLayout(nullptr, {}, m_ColumnRows));
    }
    m_KeyFieldsWidget = box;
    return box;
}

void CCmnRegRecordSelectDialog::CreateSplitterLayout()
{
    if (!m_KeyFieldsWidget && !m_SecondWidget) {
        MainLayout()->addLayout(m_ListLayout);
        return;
    }
    m_Splitter = new CCmnSplitter;
    auto *left = new CCmnWidget;
    left->setLayout(m_ListLayout);
    m_Splitter->addWidget(left);
    if (m_KeyFieldsWidget && m_SecondWidget) {
        auto *right = new CCmnWidget;
        auto *stack = new QVBoxLayout(right);
        stack->setContentsMargins(0, 0, 0, 0);
        stack->addWidget(m_KeyFieldsWidget);
        stack->addWidget(m_SecondWidget);
        m_Splitter->addWidget(right);
    } else {
        m_Splitter->addWidget(m_KeyFieldsWidget ? m_KeyFieldsWidget : m_SecondWidget);
    }
    MainLayout()->addWidget(m_Splitter);
    const QString key = SplitterKey();
    if (!key.isEmpty())
        CmnRestoreSplitterState(m_Splitter, key);
}

void CCmnRegRecordSelectDialog::SetUnusableRecords(const QList<int> &recordIds, const QString &reason)
{
    m_UnusableIds = recordIds;
    m_UnusableReason = reason;
}

QString CCmnRegRecordSelectDialog::RefusalText(const QString &reason)
{
    return QStringLiteral("Sorry, this record cannot be used because %1.").arg(reason);
}

void CCmnRegRecordSelectDialog::SetMoreInformation(const QString &buttonText, const QString &helpText)
{
    m_MoreInfoButtonText = buttonText;
    m_MoreInfoText = helpText;
}

void CCmnRegRecordSelectDialog::SetCurrentRecord(int recordId)
{
    const int row = FindRowOfRecord(recordId);
    if (row < 0 || !m_Model)
        return;
    m_ListView->selectionModel()->setCurrentIndex(m_Model->index(row, 0), QItemSelectionModel::ClearAndSelect);
    m_ListView->scrollTo(m_Model->index(row, 0));
}

int CCmnRegRecordSelectDialog::FindRowOfRecord(int recordId) const
{
    if (!m_Model)
        return -1;
    const CCmnRegIndexList *list = m_Model->GetIndexList();
    const int rows = m_Model->rowCount();
    if (recordId >= 1 && list && m_SelectReg) {
        if (const CCmnRegRecord *record = m_SelectReg->GetRecord(recordId)) {
            const int row = list->FindRow(list->MakeEntry(record->GetName(), recordId));
            if (row >= 0 && row < rows)
                return row;
        }
    }
    return rows > 0 ? 0 : -1;
}

int CCmnRegRecordSelectDialog::GetRecordIdAt(int row) const
{
    return row < 0 || !m_Model ? 0 : m_Model->RecordIdAtRow(row);
}

void CCmnRegRecordSelectDialog::SelectRow(int row)
{
    m_ChosenId = GetRecordIdAt(row);
}

void CCmnRegRecordSelectDialog::ShowRecordDetails(int recordId)
{
    ShowRecordValues(recordId);
}

void CCmnRegRecordSelectDialog::Slot_currentRowChanged_ListView(const QModelIndex &current, const QModelIndex &)
{
    if (!current.isValid())
        return;
    ShowRecordDetails(GetRecordIdAt(current.row()));
}

void CCmnRegRecordSelectDialog::Slot_doubleClicked_ListView(const QModelIndex &index)
{
    if (!index.isValid())
        return;
    SelectRow(index.row());
    accept();
}

bool CCmnRegRecordSelectDialog::DataExchange(CCmnDataExchange *context)
{
    if (!context->m_Save) {
        SetCurrentRecord(m_ChosenId);
        return CCmnDialogEx::DataExchange(context);
    }
    const QModelIndex current = m_ListView->currentIndex();
    SelectRow(current.isValid() ? current.row() : -1);
    if (m_ChosenId > 0 && m_UnusableIds.contains(m_ChosenId)) {
        return context->ShowInvalidWidget(RefusalText(m_UnusableReason), QString(), QString(), QString(),
                                          m_ListView);
    }
    return CCmnDialogEx::DataExchange(context);
}

void CCmnRegRecordSelectDialog::AddControls(QBoxLayout *layout)
{
    SetWidgetHelpName(this, m_ListView, QStringLiteral("List"));
    CCmnDialogEx::AddControls(layout);
}

void CCmnRegRecordSelectDialog::AddControlsAfterButtonBox(QBoxLayout *layout)
{
    CCmnDialogEx::AddControlsAfterButtonBox(layout);
    if (ButtonBox())
        AddButtons(ButtonBox());
}

void CCmnRegRecordSelectDialog::AddButtons(CCmnDialogButtonBox *buttonBox)
{
    if (m_MoreInfoText.isEmpty())
        return;
    CCmnPushButton *button = CmnRegAddMoreInfoButton(buttonBox, m_MoreInfoButtonText);
    connect(button, &QAbstractButton::clicked, this, &CCmnRegRecordSelectDialog::Slot_clicked_ForMoreInfo);
}

void CCmnRegRecordSelectDialog::Slot_clicked_ForMoreInfo()
{
    if (SlotsBlocked())
        return;
    CmnRegShowMoreInfo(this, windowTitle(), m_MoreInfoText);
}
