#pragma once

#include "bioterminologysettings.h"
#include "cmntab.h"

#include <QList>
#include <utility>

class CCmnComboBox;
class CCmnDataExchange;
class CCmnGroupBox;
class CCmnLabel;
class CCmnLineEdit;

// The "Terminology" tab of the preferences: the species whose words the program
// uses, or Custom and the user's own words. A species shows its words in locked
// boxes; Custom unlocks them, starting from the words on show. It edits the
// preferences dialog's copy of the terminology, and says that a change takes full
// effect only after a restart.
class CBioTerminologySettingsTab : public CCmnTab
{
    Q_OBJECT
public:
    // The terminology is not owned and must outlive the tab.
    explicit CBioTerminologySettingsTab(CBioTerminologySettings *terminology, QWidget *parent = nullptr);

    void CreateControls() override;
    bool DataExchange(CCmnDataExchange *context) override;
    // The word boxes are open exactly while Custom is chosen.
    void EnableWordEdits();

    CCmnComboBox *SpeciesComboBox() const { return m_SpeciesCombo; }
    // In display order.
    const QList<int> &PairedTerms() const { return m_PairedTerms; }
    const QList<int> &SingleTerms() const { return m_SingleTerms; }
    // The singular (or plural) box of a listed term; null for another.
    CCmnLineEdit *WordEdit(int term, bool plural) const;
    // Null when no term is listed in it.
    CCmnGroupBox *PairedGroupBox() const { return m_PairedGroup; }
    CCmnGroupBox *SingleGroupBox() const { return m_SingleGroup; }

public Q_SLOTS:
    void Slot_currentIndexChanged_Select(int index);

private:
    // Every word box with its term and form, paired terms first, in display order.
    struct CWordBox
    {
        int m_Term;
        bool m_Plural;
        CCmnLineEdit *m_Edit;
    };
    QList<CWordBox> WordBoxes() const;
    CCmnGroupBox *NewTermsGroup(const QList<int> &terms, bool paired);

    CBioTerminologySettings *m_Terminology;
    CBioTerminologySettings m_Snapshot;
    CCmnLabel *m_SelectLabel = nullptr;
    CCmnComboBox *m_SpeciesCombo = nullptr;
    QList<int> m_PairedTerms;
    QList<std::pair<CCmnLineEdit *, CCmnLineEdit *>> m_PairedEdits;
    QList<int> m_SingleTerms;
    QList<CCmnLineEdit *> m_SingleEdits;
    CCmnGroupBox *m_PairedGroup = nullptr;
    CCmnGroupBox *m_SingleGroup = nullptr;
};
