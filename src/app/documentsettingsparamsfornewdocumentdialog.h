#pragma once

#include "bionewregparams.h"
#include "cmndialogex.h"

#include <QList>

class CCmnCheckBox;
class CDocumentSettings;
class QHBoxLayout;

// "Customize New Data File": the optional standard fields a new document may start
// with, as check boxes in titled boxes laid out in columns. It edits its own copy
// of the catalogue; the caller loads the remembered choice into Params() before
// running it and takes the ticks back after OK.
class CDocumentSettingsParamsForNewDocumentDialog : public CCmnDialogEx
{
    Q_OBJECT
public:
    // The locale spells the colour fields.
    explicit CDocumentSettingsParamsForNewDocumentDialog(QWidget *parent = nullptr,
                                                         const QLocale &locale = CmnSystemLocale());

    bool DataExchange(CCmnDataExchange *context) override;

    CBioNewRegParams &Params() { return m_Params; }
    // One per catalogue entry, in catalogue order.
    const QList<CCmnCheckBox *> &CheckBoxes() const { return m_CheckBoxes; }
    // The side-by-side columns of group boxes.
    QHBoxLayout *Columns() const { return m_Columns; }

private:
    CBioNewRegParams m_Params;
    QList<CCmnCheckBox *> m_CheckBoxes;
    QHBoxLayout *m_Columns = nullptr;
};

// The built-in fields every new document has, as the terminology names them.
QString NewDocumentBasicFieldsText();
// "a dog", "an animal": the terminology's word for one record with its article.
QString NewDocumentRecordWithArticle();

// The new-document command's field choice: offers the catalogue and, when the user
// takes it, turns the ticked fields into the settings' user fields and remembers
// the ticks. A user who declines is asked once more; false when no fields were
// added, and then neither the settings nor the remembered choice change.
bool ChooseNewDocumentFields(CDocumentSettings &settings);
