#pragma once

#include "cmnregrecordselectdialog.h"

#include <QPoint>

class CBioReg;
class CBioRegRecordSelectDialogModel;
class CCmnComboBox;
class CCmnPixmapWidget;

// The animal select window: the record select window with a sex filter under the
// list and the photo of the animal under the cursor beside its key fields. The
// caller sets m_ChosenId and m_SexFilter before running it.
class CBioRegRecordSelectDialog : public CCmnRegRecordSelectDialog
{
    Q_OBJECT
public:
    CBioRegRecordSelectDialog(const QPoint &position, CBioReg *reg, QWidget *parent = nullptr);

    int m_SexFilter = 0;

    CCmnComboBox *SexFilterComboBox() const { return m_SexSelect; }
    CCmnPixmapWidget *PhotoWidget() const { return m_Photo; }
    CBioRegRecordSelectDialogModel *BioModel() const;

public Q_SLOTS:
    void Slot_activated_SexSelect(int index);

protected:
    bool DataExchange(CCmnDataExchange *context) override;
    void ShowRecordDetails(int recordId) override;
    void SelectRow(int row) override;

private:
    CBioReg *m_BioReg;
    CCmnComboBox *m_SexSelect;
    CCmnPixmapWidget *m_Photo;
};
