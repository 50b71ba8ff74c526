#include "cmnprintmarginsdialog.h"

#include "cmncheckbox.h"
#include "cmndataexchange.h"
#include "cmnlabel.h"
#include "cmnmetricwidget.h"

#include <QBoxLayout>
#include <QGridLayout>

CCmnPrintMarginsDialog::CCmnPrintMarginsDialog(const CCmnPrintMargins &margins, QWidget *parent)
    : CCmnDialogEx(parent)
    , m_Margins(margins)
    , m_UseDefaultCheckBox(new CCmnCheckBox(tr("Use printer default margins")))
    , m_UseFullPageCheckBox(new CCmnCheckBox(tr("Full page")))
{
    setWindowTitle(tr("Margins"));
    SetHelpPage(QStringLiteral("CCmnPrintMarginsDialog.html"));

    auto *grid = new QGridLayout;
    grid->addWidget(m_UseDefaultCheckBox, 0, 0, 1, 2);
    grid->addWidget(m_UseFullPageCheckBox, 1, 0, 1, 2);
    SetWidgetHelpName(this, m_UseDefaultCheckBox, QStringLiteral("UsePrinterDefaults"));
    SetWidgetHelpName(this, m_UseFullPageCheckBox, QStringLiteral("UseFullPage"));
    const QString labels[] = {tr("Left:"), tr("Right:"), tr("Top:"), tr("Bottom:")};
    for (int row = LeftRow; row <= BottomRow; ++row) {
        m_Labels[row] = new CCmnLabel(labels[row]);
        m_Widgets[row] = new CCmnMetricWidget;
        m_Labels[row]->setBuddy(m_Widgets[row]);
        grid->addWidget(m_Labels[row], row + 2, 0);
        grid->addWidget(m_Widgets[row], row + 2, 1);
        SetWidgetHelpName(this, m_Widgets[row], QStringLiteral("LeftRightTopBottom"));
    }
    MainLayout()->addLayout(grid);

    connect(m_UseDefaultCheckBox, &QCheckBox::stateChanged, this,
            &CCmnPrintMarginsDialog::Slot_stateChanged_CheckBox_UseDefault);
    connect(m_UseFullPageCheckBox, &QCheckBox::stateChanged, this,
            &CCmnPrintMarginsDialog::Slot_stateChanged_CheckBox_UseFullPage);
    EnableControls();
}

bool CCmnPrintMarginsDialog::DataExchange(CCmnDataExchange *context)
{
    {
        const CCmnSlotBlocker blocker(this);
        if (!context->ExchangeCheckBox(&m_Margins.m_UsePrinterDefaultMargins, m_UseDefaultCheckBox)
            || !context->ExchangeCheckBox(&m_Margins.m_FullPage, m_UseFullPageCheckBox))
            return false;
        // Stored left, top, right, bottom; shown left, right, top, bottom.
        const std::pair<CCmnMetric *, EMarginRow> margins[] = {
            {&m_Margins.m_Left, LeftRow}, {&m_Margins.m_Top, TopRow},
            {&m_Margins.m_Right, RightRow}, {&m_Margins.m_Bottom, BottomRow}};
        for (const auto &[margin, row] : margins) {
            if (!CmnExchangeMetric(m_Widgets.at(row), context, margin))
                return false;
        }
    }
    EnableControls();
    return CCmnDialogEx::DataExchange(context);
}

void CCmnPrintMarginsDialog::Slot_stateChanged_CheckBox_UseDefault(int)
{
    if (SlotsBlocked())
        return;
    EnableControls();
}

void CCmnPrintMarginsDialog::Slot_stateChanged_CheckBox_UseFullPage(int)
{
    if (SlotsBlocked())
        return;
    EnableControls();
}

void CCmnPrintMarginsDialog::EnableControls()
{
    const bool fullPage = m_UseFullPageCheckBox->isChecked();
    const bool lengths = !fullPage && !m_UseDefaultCheckBox->isChecked();
    m_UseDefaultCheckBox->setEnabled(!fullPage);
    for (int row = LeftRow; row <= BottomRow; ++row) {
        m_Labels[row]->setEnabled(lengths);
        m_Widgets[row]->setEnabled(lengths);
    }
}
