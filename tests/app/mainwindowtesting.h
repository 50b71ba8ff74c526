#pragma once

#include "mainwindow.h"
#include "testdialogrunnerscope.h"
#include "testmessageboxscope.h"

#include <QMessageBox>

// New as the user runs it, answering the field choice that follows: with
// `takeFields` the offered fields are taken; without, the choice is cancelled
// and its second offer refused, so the document keeps the basic fields. Questions
// on the way are answered No (a changed document is not saved). False when New
// failed or did not offer the choice.
inline bool OrvNewDocument(CMainWindow &window, bool takeFields = false)
{
    CTestMessageBoxScope boxes;
    boxes.Answer(QMessageBox::No);
    const CTestDialogRunnerScope runner([takeFields](QDialog &dialog) {
        if (takeFields)
            return OrvAcceptDialog(dialog);
        dialog.reject();
        return dialog.result();
    });
    return window.NewDocument() && runner.Titles().value(0) == QLatin1String("Customize New Data File");
}
