#pragma once

#include "cmnslotblocker.h"

#include <QList>
#include <QMainWindow>
#include <QPair>
#include <QString>

class QAction;

// The main window as the framework sees it: the few document operations that the
// start-up flow and the framework's dialogs call, which the application's own
// window provides.
class CCmnMainWindowEx : public QMainWindow, public CCmnSlotBlockingMixin
{
    Q_OBJECT
public:
    // A command a new user may want to start with, and the label that offers it.
    using TWelcomeCommand = QPair<QAction *, QString>;

    explicit CCmnMainWindowEx(QWidget *parent = nullptr);
    ~CCmnMainWindowEx() override;

    // Opens the document at the path; flag bit 0 marks a built-in sample, bit 1
    // skips asking whether the current document may be closed. On failure the
    // window shows the message itself and keeps the current document.
    virtual bool OpenDocument(const QString &path, qint32 flags) = 0;
    // Replaces the current document by a new, empty one, after asking whether the
    // current one may be closed.
    virtual void NewDocument() = 0;
    // The window's Open command: the open-file dialog, then OpenDocument with the
    // chosen path; nothing when cancelled or when the window has no Open command.
    virtual void OpenDocumentWithDialog() = 0;
    // Whether the window offers a New command.
    virtual bool HasNewCommand() const = 0;
    // Writes the window's own settings (geometry, window state) to the settings store.
    virtual void SaveSettings() = 0;
    // The update notice as HTML, from the update information fetched during the
    // run; empty when there is nothing to tell.
    virtual QString ParseUpdateInfo() = 0;

    // The first entry of the most-recently-used list in the settings store; empty
    // when there is none.
    QString MostRecentFile() const;

    // Filled while the window builds its actions.
    const QList<TWelcomeCommand> &WelcomeCommands() const { return m_WelcomeCommands; }

protected:
    QList<TWelcomeCommand> m_WelcomeCommands;
};
