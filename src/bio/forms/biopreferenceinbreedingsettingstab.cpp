#include "biopreferenceinbreedingsettingstab.h"

#include "bioinbreedingsettings.h"
#include "cmncombobox.h"
#include "cmncontrolfactory.h"
#include "cmndataexchange.h"
#include "cmnlabel.h"
#include "cmnspinbox.h"

#include <QBoxLayout>
#include <QGridLayout>

namespace {

constexpr int kGenerationChoices[] = {2, 3, 4, 6, 8, 10, 12, 14, 16, 20, 24};

} // namespace

CBioPreferenceInbreedingSettingsTab::CBioPreferenceInbreedingSettingsTab(CBioInbreedingSettings *settings,
                                                                         QWidget *parent)
    : CCmnTab(parent, Qt::Vertical)
    , m_Settings(settings)
{
    SetHelpPage(QStringLiteral("CBioPreferenceInbreedingSettingsTab.html"));
}

void CBioPreferenceInbreedingSettingsTab::CreateControls()
{
    auto *grid = new QGridLayout;

    m_GenerationsComboBox = new CCmnComboBox(this);
    SetWidgetHelpName(this, m_GenerationsComboBox, QStringLiteral("Generations"));
    m_GenerationsComboBox->setSizeAdjustPolicy(QComboBox::AdjustToContentsOnFirstShow);
    for (int generations : kGenerationChoices)
        m_GenerationsComboBox->addItem(tr("%1 G").arg(generations), generations);
    auto *generationsLabel = new CCmnLabel(tr("Inbreeding #generations:"), this);
    generationsLabel->setBuddy(m_GenerationsComboBox);
    auto *generationsRow = new QHBoxLayout;
    generationsRow->addWidget(m_GenerationsComboBox);
    generationsRow->addStretch(1);
    grid->addWidget(generationsLabel, 0, 0);
    grid->addLayout(generationsRow, 0, 1);

    m_PrecisionSpinBox = CmnNewSpinBox(CBioInbreedingSettings::kMinDecimals, CBioInbreedingSettings::kMaxDecimals);
    m_PrecisionSpinBox->setParent(this);
    SetWidgetHelpName(this, m_PrecisionSpinBox, QStringLiteral("Precision"));
    auto *precisionLabel = new CCmnLabel(tr("Inbreeding precision:"), this);
    precisionLabel->setBuddy(m_PrecisionSpinBox);
    auto *precisionRow = new QHBoxLayout;
    precisionRow->addWidget(m_PrecisionSpinBox);
    precisionRow->addWidget(new CCmnLabel(tr("decimal places"), this));
    precisionRow->addStretch(1);
    grid->addWidget(precisionLabel, 1, 0);
    grid->addLayout(precisionRow, 1, 1);

    TopLayout()->addLayout(grid);
    TopLayout()->addStretch(1);
    FinishLayout();
}

bool CBioPreferenceInbreedingSettingsTab::DataExchange(CCmnDataExchange *context)
{
    // A stored count that is none of the choices (an older or hand-edited store)
    // shows no choice and is kept unless the user picks one: saving the first
    // choice instead would change the settings behind the user's back.
    const bool offered = m_GenerationsComboBox->findData(m_Settings->m_Generations) >= 0;
    if (!context->m_Save && !offered) {
        m_GenerationsComboBox->setCurrentIndex(-1);
    } else if (!context->m_Save || m_GenerationsComboBox->currentIndex() >= 0) {
        if (!CmnExchangeComboByData(context, &m_Settings->m_Generations, m_GenerationsComboBox))
            return false;
    }
    if (!context->ExchangeSpinBox(&m_Settings->m_Decimals, m_PrecisionSpinBox))
        return false;
    return CCmnTab::DataExchange(context);
}
