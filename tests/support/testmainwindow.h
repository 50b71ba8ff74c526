#pragma once

#include "cmnmainwindowex.h"

#include <QSet>
#include <QStringList>

// A main window that records the document operations the framework calls, as
// texts such as "OpenDocument(/tmp/a.orv, 0)", "NewDocument()", "SaveSettings()"
// or "WriteDocument(/tmp/a.orv)", and answers them as a test sets it up. Opening
// and writing succeed unless made to fail; it has no document until given one.
class CTestMainWindow : public CCmnMainWindowEx
{
    Q_OBJECT
public:
    // What QuerySaveChanges answers.
    enum EQuerySave { QueryCancel, QuerySave, QueryDiscard };

    CTestMainWindow();

    bool OpenDocument(const QString &path, qint32 flags) override;
    bool NewDocument() override;
    void OpenDocumentWithDialog() override;
    bool HasNewCommand() const override { return m_HasNewCommand; }
    void SaveSettings() override;
    QString ParseUpdateInfo() override;
    bool HasDocument() const override { return m_HasDocument; }
    bool WriteDocument(const QString &path) override;
    void ForgetDocumentChanges(const QString &path) override;
    bool QuerySaveChanges(bool *save) override;

    // The calls so far, in order.
    const QStringList &Calls() const { return m_Calls; }

    void SetUnopenable(const QString &path) { m_UnopenablePaths.insert(path); }
    void SetHasNewCommand(bool has) { m_HasNewCommand = has; }
    void SetUpdateInfo(const QString &html) { m_UpdateInfo = html; }
    void AddWelcomeCommand(QAction *command, const QString &label);
    void SetHasDocument(bool has) { m_HasDocument = has; }
    void SetWriteFails(bool fails) { m_WriteFails = fails; }
    void SetQuerySaveAnswer(EQuerySave answer) { m_QuerySaveAnswer = answer; }

    // The document commands with a document application's texts (Save As offers
    // the main document type), the File and Help menus and the messages panel, as
    // an application window builds them.
    void BuildFrame();

private:
    QStringList m_Calls;
    QSet<QString> m_UnopenablePaths;
    bool m_HasNewCommand = true;
    QString m_UpdateInfo;
    bool m_HasDocument = false;
    bool m_WriteFails = false;
    EQuerySave m_QuerySaveAnswer = QueryDiscard;
};
