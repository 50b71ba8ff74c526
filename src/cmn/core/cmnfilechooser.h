#pragma once

#include <QString>

#include <functional>

class QWidget;

// Every file and folder the program asks the user to choose goes through these
// functions, so that tests can answer in place of the toolkit's file dialogs and
// never wait on one. Each returns the chosen path, or an empty text on cancel.
QString CmnGetOpenFileName(QWidget *parent, const QString &caption, const QString &folder,
                           const QString &filter);
// A default suffix (without the dot) is added by the chooser to a name typed
// without one, before it asks whether to replace an existing file.
QString CmnGetSaveFileName(QWidget *parent, const QString &caption, const QString &folder,
                           const QString &filter, const QString &defaultSuffix = QString());
// Offers folders only.
QString CmnGetExistingDirectory(QWidget *parent, const QString &caption, const QString &folder);

// What a chooser is asked; the filter is empty for a folder.
struct CCmnFileChooserRequest
{
    enum EKind { OpenFile, SaveFile, Folder };

    EKind m_Kind;
    QWidget *m_Parent;
    QString m_Caption;
    QString m_Folder;
    QString m_Filter;
    QString m_DefaultSuffix = QString(); // save choosers only
};

using TCmnFileChooser = std::function<QString(const CCmnFileChooserRequest &)>;

// Replaces the chooser and returns the one it replaces; an empty chooser restores
// the toolkit's file dialogs.
TCmnFileChooser CmnSetFileChooser(TCmnFileChooser chooser);
