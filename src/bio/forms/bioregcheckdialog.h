#pragma once

#include "bioregcheckoptions.h"
#include "cmndialogex.h"

class CCmnCheckBox;
class CCmnRadioButton;

// The choices of an error check: the records within the form or all of them, and
// which checks to run. Starts from the default choices every time.
class CBioRegCheckDialog : public CCmnDialogEx
{
    Q_OBJECT
public:
    // The scope noun names the form: "pedigree" or "trial mating".
    CBioRegCheckDialog(QWidget *parent, const QString &scopeNoun);

    bool DataExchange(CCmnDataExchange *context) override;

    CBioRegCheckOptions m_Options;

    CCmnRadioButton *WithinFormRadio() const { return m_WithinForm; }
    CCmnRadioButton *AllRecordsRadio() const { return m_AllRecords; }
    CCmnCheckBox *ParentLinksCheckBox() const { return m_ParentLinks; }
    CCmnCheckBox *DatesCheckBox() const { return m_Dates; }
    CCmnCheckBox *LoopsCheckBox() const { return m_Loops; }

private:
    CCmnRadioButton *m_WithinForm;
    CCmnRadioButton *m_AllRecords;
    CCmnCheckBox *m_ParentLinks;
    CCmnCheckBox *m_Dates;
    CCmnCheckBox *m_Loops;
};
