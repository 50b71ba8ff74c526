#include "cmnsystemsettingstab.h"

#include "cmncombobox.h"
#include "cmncontrolfactory.h"
#include "cmndataexchange.h"
#include "cmndate.h"
#include "cmndateformats.h"
#include "cmndatewidgets.h"
#include "cmnexchangeflags.h"
#include "cmnlabel.h"
#include "cmnmessageboxes.h"
#include "cmnpushbutton.h"
#include "cmnsystemsettings.h"

#include <QBoxLayout>
#include <QGridLayout>

CCmnSystemSettingsTab::CCmnSystemSettingsTab(CCmnSystemSettings *settings, QWidget *parent)
    : CCmnTab(parent, Qt::Vertical)
    , m_Settings(settings)
{
    SetHelpPage(QStringLiteral("CCmnSystemSettingsTab.html"));
}

void CCmnSystemSettingsTab::CreateControls()
{
    auto *grid = new QGridLayout;
    int row = 0;
    AddControls(grid, row);
    TopLayout()->addLayout(grid);
    TopLayout()->addStretch(1);
    FinishLayout();
}

void CCmnSystemSettingsTab::AddControls(QGridLayout *grid, int &row)
{
    m_DateFormatComboBox =
        CmnCreateDateFormatComboBox(CmnGetDateInputFormats(), true, false, CCmnDate::Today(), this);
    auto *dateLabel = new CCmnLabel(tr("Date format:"), this);
    dateLabel->setBuddy(m_DateFormatComboBox);
    SetWidgetHelpName(this, m_DateFormatComboBox, QStringLiteral("DateFormat"));
    grid->addWidget(dateLabel, row, 0);
    grid->addWidget(m_DateFormatComboBox, row, 1);
    ++row;

    m_MeasurementUnitComboBox = CmnNewLengthUnitComboBox(nullptr, 0, QString(), this);
    auto *unitLabel = new CCmnLabel(tr("Measurement units:"), this);
    unitLabel->setBuddy(m_MeasurementUnitComboBox);
    SetWidgetHelpName(this, m_MeasurementUnitComboBox, QStringLiteral("MeasurementUnit"));
    grid->addWidget(unitLabel, row, 0);
    grid->addWidget(m_MeasurementUnitComboBox, row, 1);
    ++row;

    m_ResetMessagePromptsButton = new CCmnPushButton(tr("Reset \"Don't Ask Again\" Prompts"), this);
    SetWidgetHelpName(this, m_ResetMessagePromptsButton, QStringLiteral("ResetMessagePrompts"));
    connect(m_ResetMessagePromptsButton, &QPushButton::clicked, this,
            &CCmnSystemSettingsTab::Slot_clicked_ResetMessagePrompts);
    grid->addWidget(m_ResetMessagePromptsButton, row, 1, Qt::AlignLeft);
    ++row;
}

bool CCmnSystemSettingsTab::DataExchange(CCmnDataExchange *context)
{
    // A stored format that no item offers (a damaged or foreign settings file)
    // leaves no item current, and saving that would make the format empty: every
    // date box would then lose its format. Such a format stays as it was.
    QString format = m_Settings->m_DateInputFormat;
    if (!context->ExchangeComboText(&format, m_DateFormatComboBox, CmnExchangeByItemData))
        return false;
    if (context->m_Save && !format.isEmpty())
        m_Settings->m_DateInputFormat = format;
    if (!CmnExchangeComboByData(context, &m_Settings->m_MeasurementUnits, m_MeasurementUnitComboBox))
        return false;
    return CCmnTab::DataExchange(context);
}

void CCmnSystemSettingsTab::Slot_clicked_ResetMessagePrompts()
{
    if (SlotsBlocked())
        return;
    m_Settings->m_DontAskAgainResults.clear();
    ShowRememberedMessage(QMessageBox::Information, this, QString(),
                          tr("The \"Don't Ask Again\" preferences will now be reset to their defaults."));
}
