#pragma once

#include "cmndialogex.h"

#include <QStringList>

class CCmnLabel;
class CCmnListWidget;
class CCmnPushButton;

// Shows a list of messages (the problems a check found, for example) under a
// header line, with buttons that copy the whole list to the clipboard or save it
// as a text file. The caller sets the header, the messages and the window title,
// then runs it with Exec; a very long list shows only its first rows, but Copy and
// Save always take every message.
class CCmnMessagesDialog : public CCmnDialogEx
{
    Q_OBJECT
public:
    // With the default dialog flags, sized to part of the screen and centred on it;
    // nothing is remembered in the settings.
    explicit CCmnMessagesDialog(QWidget *parent = nullptr);

    void SetHeader(const QString &header) { m_Header = header; }
    QString Header() const { return m_Header; }
    void SetMessages(const QStringList &messages) { m_Messages = messages; }
    QStringList Messages() const { return m_Messages; }

    // Accepted at once, showing nothing, when there are no messages; otherwise the
    // result of the modal run.
    int Exec();

    CCmnLabel *HeaderLabel() const { return m_HeaderLabel; }
    CCmnListWidget *ListWidget() const { return m_ListWidget; }
    // Null before the dialog is laid out.
    CCmnPushButton *SaveButton() const { return m_SaveButton; }
    CCmnPushButton *CopyButton() const { return m_CopyButton; }

public Q_SLOTS:
    void Slot_clicked_Copy();
    void Slot_clicked_Save();

protected:
    // Fills the header and the rows; runs once, as the dialog is laid out.
    void AddControls(QBoxLayout *layout) override;
    void AddControlsAfterButtonBox(QBoxLayout *layout) override;

private:
    QString m_Header;
    QStringList m_Messages;
    // The most messages shown as rows.
    qint32 m_Limit = 1000;
    CCmnLabel *m_HeaderLabel;
    CCmnListWidget *m_ListWidget;
    CCmnPushButton *m_SaveButton = nullptr;
    CCmnPushButton *m_CopyButton = nullptr;
};
