#include "cmnregexportcolspanel.h"

#include "cmncombobox.h"
#include "cmndataexchange.h"
#include "cmndate.h"
#include "cmndateformats.h"
#include "cmndatewidgets.h"
#include "cmnexchangeflags.h"
#include "cmnframework.h"
#include "cmnlabel.h"
#include "cmnlistwidget.h"
#include "cmnpushbutton.h"
#include "cmnreg.h"
#include "cmnregexportcolumns.h"

#include <QBoxLayout>
#include <QGridLayout>

CCmnRegExportColsPanel::CCmnRegExportColsPanel(const CCmnReg &reg, const QString &helpPage,
                                               CCmnRegExportColumns *choice, QBoxLayout *parentLayout,
                                               QObject *parent)
    : CCmnPanel(0, parent)
    , m_Reg(reg)
    , m_Choice(choice)
    , m_ColumnIds(reg.GetExportColumnIds())
{
    SetHelpPage(helpPage);
    auto *grid = new QGridLayout;
    grid->addWidget(new CCmnLabel(QStringLiteral("Select the columns to be included:")), 0, 0, 1, 2);

    m_List = new CCmnListWidget;
    for (const int id : std::as_const(m_ColumnIds)) {
        auto *item = new QListWidgetItem(m_Reg.GetFieldLabel(id, false), m_List);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    SetWidgetHelpName(this, m_List, QStringLiteral("ExportCols"));
    grid->addWidget(m_List, 1, 0, 1, 2);

    auto *setAll = new CCmnPushButton(QStringLiteral("Set All"));
    auto *clearAll = new CCmnPushButton(QStringLiteral("Clear All"));
    SetWidgetHelpName(this, setAll, QStringLiteral("SetAll"));
    SetWidgetHelpName(this, clearAll, QStringLiteral("ClearAll"));
    connect(setAll, &QPushButton::clicked, this, &CCmnRegExportColsPanel::Slot_clicked_SetAll);
    connect(clearAll, &QPushButton::clicked, this, &CCmnRegExportColsPanel::Slot_clicked_ClearAll);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(setAll);
    buttons->addWidget(clearAll);
    buttons->addStretch();
    grid->addLayout(buttons, 2, 0, 1, 2);

    m_DateFormat = CmnCreateDateFormatComboBox(CmnGetDateOutputFormats(), true, false, CCmnDate::Today(), nullptr);
    SetWidgetHelpName(this, m_DateFormat, QStringLiteral("DateFormat"));
    auto *dateLabel = new CCmnLabel(QStringLiteral("Date format:"));
    dateLabel->setBuddy(m_DateFormat);
    grid->addWidget(dateLabel, 3, 0);
    grid->addWidget(m_DateFormat, 3, 1);
    grid->setColumnStretch(1, 1);
    parentLayout->addLayout(grid);
    SetInitialFocusWidget(m_List);
}

bool CCmnRegExportColsPanel::DataExchange(CCmnDataExchange *context)
{
    if (!context->m_Save) {
        for (int row = 0; row < m_List->count(); ++row) {
            const bool chosen = m_Choice->m_FieldIds.contains(m_ColumnIds.at(row));
            m_List->item(row)->setCheckState(chosen ? Qt::Checked : Qt::Unchecked);
        }
        QString format = m_Choice->m_DateFormat.isEmpty() ? CmnDefaultDateInputFormat() : m_Choice->m_DateFormat;
        if (!context->ExchangeComboText(&format, m_DateFormat, CmnExchangeByItemData))
            return false;
    } else {
        QList<int> ids;
        for (int row = 0; row < m_List->count(); ++row) {
            if (m_List->item(row)->checkState() == Qt::Checked)
                ids.append(m_ColumnIds.at(row));
        }
        QString format = m_Choice->m_DateFormat;
        if (!context->ExchangeComboText(&format, m_DateFormat, CmnExchangeByItemData))
            return false;
        m_Choice->m_FieldIds = ids;
        // An empty format follows the default one; it stays empty unless changed.
        if (!(m_Choice->m_DateFormat.isEmpty() && format == CmnDefaultDateInputFormat()))
            m_Choice->m_DateFormat = format;
    }
    return CCmnPanel::DataExchange(context);
}

void CCmnRegExportColsPanel::Slot_clicked_SetAll()
{
    if (SlotsBlocked())
        return;
    CheckAll(true);
}

void CCmnRegExportColsPanel::Slot_clicked_ClearAll()
{
    if (SlotsBlocked())
        return;
    CheckAll(false);
}

void CCmnRegExportColsPanel::CheckAll(bool checked)
{
    for (int row = 0; row < m_List->count(); ++row)
        m_List->item(row)->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}
