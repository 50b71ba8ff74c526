#pragma once

#include "cmnmainwindowex.h"

#include <QSet>
#include <QStringList>

// A main window that records the document operations the framework calls, as
// texts such as "OpenDocument(/tmp/a.orv, 0)", "NewDocument()" or "SaveSettings()",
// and answers them as a test sets it up. Opening succeeds unless the path was
// made unopenable.
class CTestMainWindow : public CCmnMainWindowEx
{
    Q_OBJECT
public:
    explicit CTestMainWindow(QWidget *parent = nullptr);

    bool OpenDocument(const QString &path, qint32 flags) override;
    void NewDocument() override;
    void OpenDocumentWithDialog() override;
    bool HasNewCommand() const override { return m_HasNewCommand; }
    void SaveSettings() override;
    QString ParseUpdateInfo() override;

    // The calls so far, in order.
    const QStringList &Calls() const { return m_Calls; }

    void SetUnopenable(const QString &path) { m_UnopenablePaths.insert(path); }
    void SetHasNewCommand(bool has) { m_HasNewCommand = has; }
    void SetUpdateInfo(const QString &html) { m_UpdateInfo = html; }
    void AddWelcomeCommand(QAction *command, const QString &label);

private:
    QStringList m_Calls;
    QSet<QString> m_UnopenablePaths;
    bool m_HasNewCommand = true;
    QString m_UpdateInfo;
};
