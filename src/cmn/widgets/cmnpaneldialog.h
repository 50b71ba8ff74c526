#pragma once

#include "cmndialogex.h"

#include <QSharedPointer>

class CCmnPanel;

// A dialog that shows one panel: the panel's exchange, help and initial focus are
// the dialog's. The derived dialog builds the panel into MainLayout() in its
// constructor and hands it over with SetPanel.
class CCmnPanelDialog : public CCmnDialogEx
{
    Q_OBJECT
public:
    // With the default dialog flags.
    explicit CCmnPanelDialog(QWidget *parent = nullptr);

    // Shares the panel (never null), letting go of any previous one; the dialog gets
    // a Help button when the panel has help and a What's This button when any of the
    // panel's widgets has a text.
    void SetPanel(const QSharedPointer<CCmnPanel> &panel);
    QSharedPointer<CCmnPanel> Panel() const { return m_Panel; }

    // The panel's exchange first, then the dialog's own base.
    bool DataExchange(CCmnDataExchange *context) override;
    bool HasHelp() const override;
    void ShowHelp(QWidget *parent) override;
    void SetInitialFocus() override;

private:
    QSharedPointer<CCmnPanel> m_Panel;
};
