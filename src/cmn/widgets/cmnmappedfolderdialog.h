#pragma once

#include "cmngetstringdialog.h"

#include <QString>

class CCmnPushButton;

// The dialog that edits one folder mapping: the source folder is the dialog's
// string value (the name of the mapping in its list) and the destination folder is
// edited in place. A source must be given and must not be another mapping's; the
// destination must be given, and one that is not an existing folder stays only when
// the user says so. A backslash typed in either folder reads as "/".
//
// The folder-mapping list drives it through the name-dialog adapter
// (CCmnStringEntryDialog), like any other string dialog.
class CCmnMappedFolderDialog : public CCmnGetStringDialog
{
    Q_OBJECT
public:
    // The destination is edited in place and must outlive the dialog; the caller
    // hands a copy when a cancel must leave its own value alone.
    explicit CCmnMappedFolderDialog(QString &destination, QWidget *parent = nullptr);

    bool DataExchange(CCmnDataExchange *context) override;

    CCmnLineEdit *SourceLineEdit() const { return LineEdit(); }
    CCmnLineEdit *DestinationLineEdit() const { return m_DestinationEdit; }
    CCmnPushButton *SelectButton() const { return m_SelectButton; }

public Q_SLOTS:
    // Offers the folder chooser, starting at the folder in the destination box.
    void Slot_clicked_DestDir();

private:
    QString &m_Destination;
    CCmnLineEdit *m_DestinationEdit;
    CCmnPushButton *m_SelectButton;
};
