#include "documentstickystates.h"

#include "bioregcoversheetstickystate.h"
#include "bioregpedigreestickystate.h"
#include "bioregtrialmatingstickystate.h"
#include "cmnrememberedvalues.h"

#include <QTest>

namespace {

void SetStates(CDocumentStickyStates &states)
{
    states.m_SelectedKind = QStringLiteral("COVERSHEET");
    states.m_CoverSheet->m_SubjectRecNo = 7;
    states.m_Pedigree->m_SubjectRecNo = 8;
    states.m_Pedigree->m_HighlightMode = 2;
    states.m_TrialMating->m_SireRecNo = 9;
    states.m_TrialMating->m_DamRecNo = 10;
    states.m_TrialMating->m_HighlightMode = 1;
}

QList<qint32> Numbers(const CDocumentStickyStates &states)
{
    return {states.m_CoverSheet->m_SubjectRecNo, states.m_Pedigree->m_SubjectRecNo,
            states.m_Pedigree->m_HighlightMode,  states.m_TrialMating->m_SireRecNo,
            states.m_TrialMating->m_DamRecNo,    states.m_TrialMating->m_HighlightMode};
}

} // namespace

class TestDocumentStickyStates : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { CmnCreateRememberedValues(); }
    void copiesShareNoState();
    void remembersStatesUnderTheFileName();
    void resetsAndSetsSampleDefaults();
};

void TestDocumentStickyStates::copiesShareNoState()
{
    CDocumentStickyStates source;
    SetStates(source);
    CDocumentStickyStates copy(source);
    CDocumentStickyStates assigned;
    assigned = source;
    const CDocumentStickyStates &alias = assigned;
    assigned = alias;
    for (CDocumentStickyStates *states : {&copy, &assigned}) {
        QCOMPARE(states->m_SelectedKind, QStringLiteral("COVERSHEET"));
        QCOMPARE(Numbers(*states), Numbers(source));
        QVERIFY(states->m_CoverSheet != source.m_CoverSheet);
        QVERIFY(states->m_Pedigree != source.m_Pedigree);
        QVERIFY(states->m_TrialMating != source.m_TrialMating);
    }
    // A form holding the states it was given keeps them when its holder is assigned.
    const auto heldByForm = assigned.m_Pedigree;
    assigned = CDocumentStickyStates();
    QCOMPARE(heldByForm->m_SubjectRecNo, 8);
    copy.m_Pedigree->m_SubjectRecNo = 99;
    QCOMPARE(source.m_Pedigree->m_SubjectRecNo, 8);
}

void TestDocumentStickyStates::remembersStatesUnderTheFileName()
{
    CDocumentStickyStates stored;
    SetStates(stored);
    stored.Exchange(false, QStringLiteral("Smith & Jones <UK>"));
    CCmnRememberedValues &values = *CmnGetRememberedValues();
    QCOMPARE(values.Value(QStringLiteral("Smith & Jones <UK>_formselect")).toString(), QStringLiteral("COVERSHEET"));
    QCOMPARE(values.Value(QStringLiteral("Smith & Jones <UK>_anicoversheet_subjectrecno")).toInt(), 7);
    QCOMPARE(values.Value(QStringLiteral("Smith & Jones <UK>_aniped_subjectrecno")).toInt(), 8);
    QCOMPARE(values.Value(QStringLiteral("Smith & Jones <UK>_trialmating_damrecno")).toInt(), 10);

    CDocumentStickyStates loaded;
    loaded.Exchange(true, QStringLiteral("Smith & Jones <UK>"));
    QCOMPARE(loaded.m_SelectedKind, QStringLiteral("COVERSHEET"));
    QCOMPARE(Numbers(loaded), Numbers(stored));

    CDocumentStickyStates unknown;
    SetStates(unknown);
    unknown.Exchange(true, QStringLiteral("never-opened"));
    QCOMPARE(unknown.m_SelectedKind, QString());
    QCOMPARE(Numbers(unknown), (QList<qint32>{-1, -1, 0, -1, -1, 0}));
}

void TestDocumentStickyStates::resetsAndSetsSampleDefaults()
{
    CDocumentStickyStates states;
    SetStates(states);
    states.SetSampleDefaults();
    QCOMPARE(states.m_SelectedKind, QString());
    QCOMPARE(Numbers(states), (QList<qint32>{1, 1, 2, 1, 2, 1}));
    states.Reset();
    QCOMPARE(Numbers(states), (QList<qint32>{-1, -1, 0, -1, -1, 0}));
}

QTEST_MAIN(TestDocumentStickyStates)
#include "tst_documentstickystates.moc"
