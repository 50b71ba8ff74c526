#pragma once

// The choices of one run of the record check.
struct CBioRegCheckOptions
{
    // The sex and birth-order checks of each record's sire and dam links.
    bool m_CheckParentLinks = true;
    // The born-after-death check of each record.
    bool m_CheckDates = true;
    // The search for an animal that is its own ancestor.
    bool m_CheckLoops = true;
    // Every record of the register rather than those within the form.
    bool m_AllRecords = false;
    // Generations of ancestors above the subject that count as within the form.
    int m_Generations = 4;
};
