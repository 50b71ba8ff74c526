#pragma once

#include "cmndialogex.h"

#include <QSharedPointer>

class CCmnFormBoxPropertiesPanel;

// A dialog holding one box properties panel. The owner adds the controls to the
// panel, runs Exec and, when accepted, reads the panel.
class CCmnFormBoxPropertiesDialog : public CCmnDialogEx
{
    Q_OBJECT
public:
    explicit CCmnFormBoxPropertiesDialog(QWidget *parent = nullptr);
    ~CCmnFormBoxPropertiesDialog() override;

    // Marks the controls shown and prepares the dialog (layout, help, load): what
    // Exec does before the modal run, for tests that drive the dialog.
    void PrepareRun();
    // PrepareRun, then the modal run; its result.
    int Exec();
    bool DataExchange(CCmnDataExchange *context) override;

    const QSharedPointer<CCmnFormBoxPropertiesPanel> &Panel() const { return m_Panel; }

private:
    QSharedPointer<CCmnFormBoxPropertiesPanel> m_Panel;
};
