#pragma once

#include "cmntab.h"

class CBioReg;
class CBioRegRecord;
class CCmnPicCtrl;

// The record window's "Photo" page: the animal's photo and how it is shown.
class CBioRegRecordPicTab : public CCmnTab
{
    Q_OBJECT
public:
    CBioRegRecordPicTab(CBioReg *reg, const int *recordId, CBioRegRecord *record, QWidget *parent = nullptr);

    void CreateControls() override;
    bool DataExchange(CCmnDataExchange *context) override;

    // Null before the controls are made.
    CCmnPicCtrl *PicCtrl() const { return m_PicCtrl; }
    // The animal had no photo when the window opened and has one now.
    bool PhotoAdded() const;

private:
    CBioReg *m_Reg;
    const int *m_RecordId;
    CBioRegRecord *m_Record;
    CCmnPicCtrl *m_PicCtrl = nullptr;
};
