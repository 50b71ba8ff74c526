#include "bioboxkindcatalogue.h"

#include "bioboxkind.h"
#include "bioterminology.h"
#include "bioterminologysettings.h"
#include "cmnregfieldcontexts.h"

void BioFillBoxKindCatalogue(CCmnRegFieldContexts &catalogue, const CBioBoxKindWords &words)
{
    const int pedigree = catalogue.AddGroup(0, QStringLiteral("Pedigree"));
    const int coverSheet = catalogue.AddGroup(0, QStringLiteral("Cover Sheet"));
    const int trialMating = catalogue.AddGroup(0, QStringLiteral("Trial Mating"));
    const int ancestors = catalogue.AddGroup(1, QStringLiteral("Ancestors"));
    const QString photo = QStringLiteral("Photo");
    const QString details = QStringLiteral("%1 Details");

    catalogue.AddItem(BioBoxPedigreeTitle, pedigree, 0, 0, 1, QStringLiteral("Title"),
                      QStringLiteral("PedigreeTitle"));
    // The details box shares the title's help.
    catalogue.AddItem(BioBoxPedigreeDetails, pedigree, 0, 1, 1, QStringLiteral("Details"),
                      QStringLiteral("PedigreeTitle"));
    catalogue.AddItem(BioBoxPedigreePic, pedigree, 0, 2, 1, photo, QStringLiteral("PedigreePic"));

    catalogue.AddItem(BioBoxCoverSheetTitle, coverSheet, 0, 0, 1, QStringLiteral("Title"),
                      QStringLiteral("CoverSheetTitle"));
    catalogue.AddItem(BioBoxCoverSheetReverse, coverSheet, 0, 1, 1, QStringLiteral("Reverse"),
                      QStringLiteral("CoverSheetReverse"));
    catalogue.AddItem(BioBoxCoverSheetInsideFlap, coverSheet, 0, 2, 1, QStringLiteral("Inside Flap"),
                      QStringLiteral("CoverSheetInsideFlap"));
    catalogue.AddItem(BioBoxCoverSheetPic, coverSheet, 0, 3, 1, photo, QStringLiteral("CoverSheetPic"));

    catalogue.AddItem(BioBoxTrialMatingTitle, trialMating, 0, 0, 1, QStringLiteral("Title"),
                      QStringLiteral("TrialMatingTitle"));
    catalogue.AddItem(BioBoxTrialMatingSirePic, trialMating, 0, 1, 1,
                      QStringLiteral("%1 %2").arg(words.m_Sire, photo),
                      QStringLiteral("TrialMatingSirePic"));
    catalogue.AddItem(BioBoxTrialMatingDamPic, trialMating, 0, 2, 1,
                      QStringLiteral("%1 %2").arg(words.m_Dam, photo),
                      QStringLiteral("TrialMatingDamPic"));
    catalogue.AddItem(BioBoxTrialMatingSireDetails, trialMating, 0, 3, 1, details.arg(words.m_Sire),
                      QStringLiteral("TrialMatingSireDetails"));
    catalogue.AddItem(BioBoxTrialMatingDamDetails, trialMating, 0, 4, 1, details.arg(words.m_Dam),
                      QStringLiteral("TrialMatingDamDetails"));

    // Three rows and two columns: G1 to G3 down the first, G4 to G6 down the second.
    for (int g = 0; g < kBioAncestorGenerations; ++g) {
        catalogue.AddItem(BioAncestorGenBoxKind(g), ancestors, g % 3, g / 3, 1,
                          QStringLiteral("G%1 (%2)").arg(QString::number(g + 1), words.m_Generations.value(g)),
                          QStringLiteral("AncestorsGen"));
    }
}

CCmnRegFieldContexts *BoxKindCatalogue()
{
    static CCmnRegFieldContexts catalogue;
    if (catalogue.m_Groups.isEmpty()) {
        CBioBoxKindWords words{GetBioTerm(BioTermSire), GetBioTerm(BioTermDam), {}};
        for (int g = 0; g < kBioAncestorGenerations; ++g)
            words.m_Generations.append(GetBioGenerationWord(g, 0, BioTermPlural));
        BioFillBoxKindCatalogue(catalogue, words);
    }
    return &catalogue;
}

CCmnRegFieldContextMask BioDefaultFieldContextMask(int group)
{
    QList<int> bits;
    switch (group) {
    case 0: bits = {BioBoxPedigreeTitle, BioBoxCoverSheetTitle}; break;
    case 1: bits = {BioBoxCoverSheetReverse, BioBoxPedigreeDetails}; break;
    case 2: bits = {BioBoxTrialMatingTitle}; break;
    case 3: bits = {BioBoxTrialMatingSireDetails, BioBoxTrialMatingDamDetails}; break;
    case 4: bits = {BioAncestorGenBoxKind(0), BioAncestorGenBoxKind(1), BioAncestorGenBoxKind(2)}; break;
    default: break;
    }
    CCmnRegFieldContextMask mask;
    for (const int bit : bits)
        mask.SetContext(bit, true);
    return mask;
}
