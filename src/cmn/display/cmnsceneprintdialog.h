#pragma once

#include "cmndialogex.h"

class CCmnLabel;
class CCmnSpinBox;
class QPrinter;

// The page scene's own print dialog: it names the printer and the paper and
// asks only for the number of copies, which it gives the printer on OK.
class CCmnScenePrintDialog : public CCmnDialogEx
{
    Q_OBJECT
public:
    // The printer is not owned.
    explicit CCmnScenePrintDialog(QPrinter *printer, QWidget *parent = nullptr);

    bool DataExchange(CCmnDataExchange *context) override;
    // Runs the dialog; accepted, the printer makes the copies asked for.
    int Exec();

    qint32 CopyCount() const { return m_CopyCount; }
    CCmnLabel *PrinterNameLabel() const { return m_PrinterNameLabel; }
    CCmnLabel *PaperSizeLabel() const { return m_PaperSizeLabel; }
    CCmnSpinBox *CopiesBox() const { return m_CopiesBox; }

private:
    qint32 m_CopyCount = 1;
    QPrinter *m_Printer;
    CCmnLabel *m_PrinterNameLabel;
    CCmnLabel *m_PaperSizeLabel;
    CCmnSpinBox *m_CopiesBox;
};
