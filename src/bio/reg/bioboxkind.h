#pragma once

// The kinds of the breeding forms' record-bound boxes. Each is also the field
// usage context of its boxes: the bit of a field's mask that says the field
// shows there by default.
enum EBioBoxKind {
    BioBoxPedigreeTitle = 33,
    BioBoxPedigreePic = 34,
    BioBoxCoverSheetTitle = 35,
    BioBoxCoverSheetReverse = 36,
    BioBoxCoverSheetInsideFlap = 37,
    BioBoxCoverSheetPic = 38,
    BioBoxTrialMatingTitle = 39,
    BioBoxTrialMatingSirePic = 40,
    BioBoxTrialMatingDamPic = 41,
    // Generation g of the ancestry cells is kind 50 + g.
    BioBoxAncestorGen0 = 50,
    BioBoxPedigreeDetails = 60,
    BioBoxTrialMatingSireDetails = 61,
    BioBoxTrialMatingDamDetails = 62,
};

// Generations 0 (the parents of the subject or of the pairing) to 5 of the
// ancestry charts.
constexpr int kBioAncestorGenerations = 6;

constexpr int BioAncestorGenBoxKind(int generation)
{
    return BioBoxAncestorGen0 + generation;
}
