#pragma once

#include <QSharedPointer>
#include <QString>

class CBioRegCoverSheetStickyState;
class CBioRegPedigreeStickyState;
class CBioRegTrialMatingStickyState;

// What the three breeding forms remember for one document file: the form last
// shown and each form's animals and highlighting. Copies hold states of their
// own, so a form changing its state never reaches another holder's.
class CDocumentStickyStates
{
public:
    CDocumentStickyStates();
    CDocumentStickyStates(const CDocumentStickyStates &other);
    CDocumentStickyStates &operator=(const CDocumentStickyStates &other);
    ~CDocumentStickyStates();

    void Assign(const CDocumentStickyStates &other);

    // Through the remembered values under the prefix (the file's base name)
    // followed by "_formselect", "_anicoversheet", "_aniped" and "_trialmating".
    void Exchange(bool load, const QString &prefix);
    // Nothing remembered: every form picks its own animals.
    void Reset();
    // The built-in samples open on their first animals.
    void SetSampleDefaults();

    // "PEDIGREE", "COVERSHEET" or "TRIALMATING"; empty before a form was shown.
    QString m_SelectedKind;
    QSharedPointer<CBioRegCoverSheetStickyState> m_CoverSheet;
    QSharedPointer<CBioRegPedigreeStickyState> m_Pedigree;
    QSharedPointer<CBioRegTrialMatingStickyState> m_TrialMating;
};
