#include "documentgeneralsettingstab.h"

#include "cmncheckbox.h"
#include "cmndataexchange.h"
#include "cmnhighlightctrl.h"
#include "cmnlabel.h"
#include "documentgeneralsettings.h"

#include <QBoxLayout>
#include <QGridLayout>

namespace {

// Presets and custom dialog as the name highlight offers them, the sample after the list.
constexpr qint32 kTitleHighlightFlags = 6;
constexpr qint32 kTitleHighlightLayout = 3;

} // namespace

CDocumentGeneralSettingsTab::CDocumentGeneralSettingsTab(CDocumentGeneralSettings *settings, QWidget *parent)
    : CCmnTab(parent)
    , m_Settings(settings)
{
    SetHelpPage(QStringLiteral("CDocumentGeneralSettingsTab.html"));
}

void CDocumentGeneralSettingsTab::CreateControls()
{
    auto *grid = new QGridLayout;
    grid->addWidget(new CCmnLabel(tr("Title highlighting:"), this), 0, 0);
    m_HighlightCtrl = new CCmnHighlightCtrl(this, kTitleHighlightFlags, QStringLiteral("CH. Bonzo"),
                                            kTitleHighlightLayout, tr("E.g."));
    m_HighlightCtrl->RegisterWhatsThis(this, QStringLiteral("TitleHighlighting"));
    auto *highlightRow = new QHBoxLayout;
    highlightRow->addLayout(m_HighlightCtrl->Layout());
    highlightRow->addStretch(1);
    grid->addLayout(highlightRow, 1, 0);
    m_IncludeSuffixCheckBox = new CCmnCheckBox(tr("Include suffix in names"), this);
    SetWidgetHelpName(this, m_IncludeSuffixCheckBox, QStringLiteral("IncludeSuffixInNames"));
    grid->addWidget(m_IncludeSuffixCheckBox, 2, 0);
    m_EmbedPicsCheckBox = new CCmnCheckBox(tr("Embed photos in data file"), this);
    SetWidgetHelpName(this, m_EmbedPicsCheckBox, QStringLiteral("EmbedPics"));
    grid->addWidget(m_EmbedPicsCheckBox, 3, 0);
    TopLayout()->addLayout(grid);
    TopLayout()->addStretch(1);
    FinishLayout();
}

bool CDocumentGeneralSettingsTab::DataExchange(CCmnDataExchange *context)
{
    CCmnHighlight highlight = m_Settings->m_NameDisplay.m_TitleHighlight;
    if (!m_HighlightCtrl->ExchangeHighlight(context, &highlight))
        return false;
    if (context->m_Save)
        m_Settings->m_NameDisplay.m_TitleHighlight = highlight;
    if (!context->ExchangeCheckBox(&m_Settings->m_NameDisplay.m_IncludeSuffix, m_IncludeSuffixCheckBox)
        || !context->ExchangeCheckBox(&m_Settings->m_EmbedPhotos, m_EmbedPicsCheckBox))
        return false;
    return CCmnTab::DataExchange(context);
}
