#pragma once

#include "cmnfilechooser.h"

#include <QList>
#include <QString>

// Answers every file and folder chooser with a fixed path (empty: cancelled) for
// the scope's lifetime and records what each one asked; the previous chooser comes
// back at the end of the scope.
class CTestFileChooserScope
{
public:
    explicit CTestFileChooserScope(const QString &answer);
    ~CTestFileChooserScope();
    CTestFileChooserScope(const CTestFileChooserScope &) = delete;
    CTestFileChooserScope &operator=(const CTestFileChooserScope &) = delete;

    // Every chooser asked during the scope, in order.
    const QList<CCmnFileChooserRequest> &Requests() const { return m_Requests; }

private:
    TCmnFileChooser m_Previous;
    QList<CCmnFileChooserRequest> m_Requests;
};
