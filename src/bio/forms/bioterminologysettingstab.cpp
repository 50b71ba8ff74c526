#include "bioterminologysettingstab.h"

#include "biotermcomboboxes.h"
#include "cmnappdescriptor.h"
#include "cmncombobox.h"
#include "cmndataexchange.h"
#include "cmnexchangeflags.h"
#include "cmngroupbox.h"
#include "cmnlabel.h"
#include "cmnlineedit.h"
#include "cmnmessageboxes.h"
#include "cmnslotblocker.h"

#include <QBoxLayout>
#include <QGridLayout>

namespace {

// The order in which the terms are offered; those not in use are left out.
constexpr int kDisplayOrder[] = {BioTermName,      BioTermTitle,       BioTermSuffix,      BioTermAnimal,
                                 BioTermOffspring, BioTermSex,         BioTermDateOfBirth, BioTermDateOfDeath,
                                 BioTermMale,      BioTermFemale,      BioTermUnknownSex,  BioTermSire,
                                 BioTermDam,       BioTermParent,      BioTermGrand,       BioTermLitter,
                                 BioTermFamily,    BioTermInbreeding};

constexpr int kSingularChars = 15;
constexpr int kPluralChars = 10;

CCmnLineEdit *NewWordEdit(int chars, QWidget *parent)
{
    auto *edit = new CCmnLineEdit(parent);
    edit->SetMinimumWidthInChars(chars);
    edit->SetMaximumWidthInChars(chars);
    return edit;
}

CCmnLabel *NewHeader(const QString &text, QWidget *parent)
{
    auto *label = new CCmnLabel(QStringLiteral("<b>%1</b>").arg(text), parent);
    label->setTextFormat(Qt::RichText);
    return label;
}

} // namespace

CBioTerminologySettingsTab::CBioTerminologySettingsTab(CBioTerminologySettings *terminology, QWidget *parent)
    : CCmnTab(parent, Qt::Vertical)
    , m_Terminology(terminology)
{
    SetHelpPage(QStringLiteral("CBioTerminologySettingsTab.html"));
}

void CBioTerminologySettingsTab::CreateControls()
{
    m_SelectLabel = new CCmnLabel(tr("Select:"), this);
    m_SpeciesCombo = BioNewSpeciesComboBox(std::nullopt, QString(), this);
    m_SelectLabel->setBuddy(m_SpeciesCombo);
    SetWidgetHelpName(this, m_SpeciesCombo, QStringLiteral("Select"));
    connect(m_SpeciesCombo, &QComboBox::currentIndexChanged, this,
            &CBioTerminologySettingsTab::Slot_currentIndexChanged_Select);
    auto *selectRow = new QHBoxLayout;
    selectRow->addWidget(m_SelectLabel);
    selectRow->addWidget(m_SpeciesCombo);
    selectRow->addStretch(1);
    TopLayout()->addLayout(selectRow);

    for (const int term : kDisplayOrder) {
        if (!BioIsTermEditable(term, false))
            continue;
        (BioIsTermEditable(term, true) ? m_PairedTerms : m_SingleTerms) << term;
    }
    auto *groups = new QHBoxLayout;
    if (!m_PairedTerms.isEmpty())
        groups->addWidget(m_PairedGroup = NewTermsGroup(m_PairedTerms, true), 0, Qt::AlignTop);
    if (!m_SingleTerms.isEmpty())
        groups->addWidget(m_SingleGroup = NewTermsGroup(m_SingleTerms, false), 0, Qt::AlignTop);
    groups->addStretch(1);
    TopLayout()->addLayout(groups);
    TopLayout()->addStretch(1);
    FinishLayout();
}

CCmnGroupBox *CBioTerminologySettingsTab::NewTermsGroup(const QList<int> &terms, bool paired)
{
    auto *group = new CCmnGroupBox(this);
    auto *grid = new QGridLayout(group);
    grid->addWidget(NewHeader(tr("Term"), group), 0, 0);
    grid->addWidget(NewHeader(paired ? tr("Singular:") : tr("Use:"), group), 0, 1);
    if (paired)
        grid->addWidget(NewHeader(tr("Plural:"), group), 0, 2);
    int row = 1;
    for (const int term : terms) {
        // Row labels are the built-in words, whatever the words are now.
        grid->addWidget(new CCmnLabel(QStringLiteral("'%1'").arg(GetBuiltInTermWord(term, false, true)), group), row,
                        0);
        CCmnLineEdit *singular = NewWordEdit(kSingularChars, group);
        grid->addWidget(singular, row, 1);
        if (paired) {
            CCmnLineEdit *plural = NewWordEdit(kPluralChars, group);
            grid->addWidget(plural, row, 2);
            m_PairedEdits.append(std::pair(singular, plural));
        } else {
            m_SingleEdits.append(singular);
        }
        ++row;
    }
    return group;
}

QList<CBioTerminologySettingsTab::CWordBox> CBioTerminologySettingsTab::WordBoxes() const
{
    QList<CWordBox> boxes;
    for (qsizetype i = 0; i < m_PairedTerms.size(); ++i) {
        boxes.append({m_PairedTerms.at(i), false, m_PairedEdits.at(i).first});
        boxes.append({m_PairedTerms.at(i), true, m_PairedEdits.at(i).second});
    }
    for (qsizetype i = 0; i < m_SingleTerms.size(); ++i)
        boxes.append({m_SingleTerms.at(i), false, m_SingleEdits.at(i)});
    return boxes;
}

CCmnLineEdit *CBioTerminologySettingsTab::WordEdit(int term, bool plural) const
{
    for (const CWordBox &box : WordBoxes()) {
        if (box.m_Term == term && box.m_Plural == plural)
            return box.m_Edit;
    }
    return nullptr;
}

bool CBioTerminologySettingsTab::DataExchange(CCmnDataExchange *context)
{
    const CCmnSlotBlocker blocker(this);
    const bool save = context->m_Save;
    if (!save) {
        if (m_Terminology->RefreshFlag() && m_Terminology->Species() != BioSpeciesCustom)
            m_Terminology->ApplySpeciesDefaults(m_Terminology->Species());
        m_Snapshot = *m_Terminology;
    }
    int species = m_Terminology->Species();
    if (!CmnExchangeComboByData(context, &species, m_SpeciesCombo))
        return false;
    if (save) {
        m_Terminology->SetSpecies(species);
        // A species' words follow from it; the boxes are not read.
        if (species != BioSpeciesCustom)
            m_Terminology->SetRefreshFlag(true);
    } else {
        EnableWordEdits();
    }
    if (!save || species == BioSpeciesCustom) {
        for (const CWordBox &box : WordBoxes()) {
            QString word = m_Terminology->GetWord(box.m_Term, box.m_Plural, false);
            if (!context->ExchangePathLineEdit(&word, box.m_Edit, CmnExchangeTrim | CmnExchangeRequired))
                return false;
            if (save)
                m_Terminology->SetWord(box.m_Term, box.m_Plural, word, false);
        }
    }
    if (save && *m_Terminology != m_Snapshot) {
        const QString product = CmnGetAppDescriptor().m_ProductDisplayName;
        ShowRememberedMessage(QMessageBox::Warning, this, product,
                              tr("Please restart %1 for terminology changes to properly take effect.").arg(product));
    }
    return CCmnTab::DataExchange(context);
}

void CBioTerminologySettingsTab::EnableWordEdits()
{
    const bool custom = BioGetSpeciesFromComboBox(m_SpeciesCombo) == BioSpeciesCustom;
    for (CCmnGroupBox *group : {m_PairedGroup, m_SingleGroup}) {
        if (group)
            group->setEnabled(custom);
    }
}

void CBioTerminologySettingsTab::Slot_currentIndexChanged_Select(int index)
{
    Q_UNUSED(index);
    if (SlotsBlocked())
        return;
    const int species = BioGetSpeciesFromComboBox(m_SpeciesCombo);
    if (species != BioSpeciesCustom) {
        CBioTerminologySettings words;
        words.ApplySpeciesDefaults(species);
        for (const CWordBox &box : WordBoxes())
            box.m_Edit->setText(words.GetWord(box.m_Term, box.m_Plural, false));
    }
    EnableWordEdits();
}
