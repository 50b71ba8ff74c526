#include "documentstickystates.h"

#include "bioregcoversheetstickystate.h"
#include "bioregpedigreestickystate.h"
#include "bioregtrialmatingstickystate.h"
#include "cmnrememberedvalues.h"

CDocumentStickyStates::CDocumentStickyStates()
    : m_CoverSheet(QSharedPointer<CBioRegCoverSheetStickyState>::create())
    , m_Pedigree(QSharedPointer<CBioRegPedigreeStickyState>::create())
    , m_TrialMating(QSharedPointer<CBioRegTrialMatingStickyState>::create())
{
}

CDocumentStickyStates::CDocumentStickyStates(const CDocumentStickyStates &other)
    : CDocumentStickyStates()
{
    Assign(other);
}

CDocumentStickyStates &CDocumentStickyStates::operator=(const CDocumentStickyStates &other)
{
    if (&other != this)
        Assign(other);
    return *this;
}

CDocumentStickyStates::~CDocumentStickyStates() = default;

void CDocumentStickyStates::Assign(const CDocumentStickyStates &other)
{
    m_SelectedKind = other.m_SelectedKind;
    // New states rather than copies into the old ones: a form may still hold
    // the old ones and must not see this holder's values change under it.
    auto coverSheet = QSharedPointer<CBioRegCoverSheetStickyState>::create();
    coverSheet->m_SubjectRecNo = other.m_CoverSheet->m_SubjectRecNo;
    auto pedigree = QSharedPointer<CBioRegPedigreeStickyState>::create();
    *pedigree = *other.m_Pedigree;
    auto trialMating = QSharedPointer<CBioRegTrialMatingStickyState>::create();
    *trialMating = *other.m_TrialMating;
    m_CoverSheet = coverSheet;
    m_Pedigree = pedigree;
    m_TrialMating = trialMating;
}

void CDocumentStickyStates::Exchange(bool load, const QString &prefix)
{
    CCmnRememberedValues *values = CmnGetRememberedValues();
    if (!values)
        return;
    values->ExchangeString(load, prefix + QStringLiteral("_formselect"), m_SelectedKind, QString());
    m_CoverSheet->ExchangeRememberedValues(load, prefix + QStringLiteral("_anicoversheet"));
    m_Pedigree->ExchangeRememberedValues(load, prefix + QStringLiteral("_aniped"));
    m_TrialMating->ExchangeRememberedValues(load, prefix + QStringLiteral("_trialmating"));
}

void CDocumentStickyStates::Reset()
{
    m_SelectedKind.clear();
    m_CoverSheet->Reset();
    m_Pedigree->Reset();
    m_TrialMating->Reset();
}

void CDocumentStickyStates::SetSampleDefaults()
{
    m_SelectedKind.clear();
    m_CoverSheet->SetDefaults(0);
    m_Pedigree->SetDefaults();
    m_TrialMating->SetDefaults(0);
}
