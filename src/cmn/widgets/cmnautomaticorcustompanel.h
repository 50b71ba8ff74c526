#pragma once

#include "cmnpanel.h"

#include <QList>
#include <QString>
#include <QtGlobal>

class CCmnCheckBox;
class CCmnGroupBox;
class CCmnLabel;
class CCmnRadioButton;
class QBoxLayout;
class QButtonGroup;
class QLayout;
class QWidget;

// How the custom choice of a CCmnAutomaticOrCustomPanel is offered. The group box
// wins over the radio pair; any other value, such as CmnAutomaticOrCustomCheckBox
// that the program's panels pass, gives the check box "Customize".
enum ECmnAutomaticOrCustomPanelFlag : qint32 {
    CmnAutomaticOrCustomGroupBox = 0x01,  // a checkable group box "Customize" around the custom widgets
    CmnAutomaticOrCustomCheckBox = 0x02,  // a check box "Customize" above them
    CmnAutomaticOrCustomRadioPair = 0x04, // radios "Automatic" and "Custom" above them
};

// A panel that lets the user accept what the program works out (automatic) or set
// it by hand (custom): an optional explanation, the choice, and a group box that
// holds the derived panel's custom widgets, enabled only while custom is chosen.
// The panel is bound to its owner's automatic flag, which it reads on load and
// writes only on save; switching in between calls OnCustomChanged. A derived
// panel's constructor builds its custom layout, may set the explanation and then
// calls CreateControls once.
class CCmnAutomaticOrCustomPanel : public CCmnPanel
{
    Q_OBJECT
public:
    // The automatic flag belongs to the owner and must outlive the panel; the
    // panel's widgets go into the main layout.
    CCmnAutomaticOrCustomPanel(qint32 flags, bool *automatic, QBoxLayout *mainLayout, QObject *parent = nullptr);

    // Save: the owner's flag becomes the negation of the custom state. Load: the
    // choice shows the owner's flag and the custom widgets follow it. Then the
    // panel's base exchange.
    bool DataExchange(CCmnDataExchange *context) override;
    // Enables or disables every widget of the custom layout.
    virtual void EnableCustomWidgets(bool on);
    // Called after the user switched and the custom widgets followed; does nothing here.
    virtual void OnCustomChanged(bool custom);

    // What the choice shows now.
    [[nodiscard]] bool IsCustom() const;
    // The state the panel works with: the choice as last loaded or switched.
    [[nodiscard]] bool CustomState() const { return m_Custom; }

    QString AutomaticText() const { return m_AutomaticText; }
    QString CustomText() const { return m_CustomText; }
    // The widgets of the chosen form; null for the others and until built. The
    // group box always exists once built.
    CCmnLabel *ExplanationLabel() const { return m_ExplanationLabel; }
    CCmnCheckBox *CheckBox() const { return m_CheckBox; }
    CCmnGroupBox *GroupBox() const { return m_GroupBox; }
    CCmnRadioButton *AutomaticRadio() const { return m_AutomaticRadio; }
    CCmnRadioButton *CustomRadio() const { return m_CustomRadio; }
    QLayout *CustomLayout() const { return m_CustomLayout; }

protected:
    // Shown above the choice; plain text is made one paragraph. Set it before
    // CreateControls.
    void SetExplanation(const QString &text) { m_Explanation = text; }
    // Builds the explanation, the choice and the group box around the custom
    // layout. Set the help page first: the choice is registered under "Custom".
    void CreateControls(QLayout *customLayout);
    // Shows the state without calling OnCustomChanged: the choice, the state the
    // panel works with and the custom widgets all follow it.
    void ShowCustom(bool custom);

private Q_SLOTS:
    void Slot_toggled_CustomOrAutomatic(bool checked);

private:
    bool *m_Automatic;
    QBoxLayout *m_MainLayout;
    QString m_AutomaticText;
    QString m_CustomText;
    QString m_Explanation;
    bool m_Custom = false;
    CCmnLabel *m_ExplanationLabel = nullptr;
    CCmnCheckBox *m_CheckBox = nullptr;
    CCmnGroupBox *m_GroupBox = nullptr;
    QButtonGroup *m_ButtonGroup = nullptr;
    CCmnRadioButton *m_AutomaticRadio = nullptr;
    CCmnRadioButton *m_CustomRadio = nullptr;
    QLayout *m_CustomLayout = nullptr;
};

// Enables or disables each widget; null pointers are skipped.
void CmnSetWidgetsEnabled(const QList<QWidget *> &widgets, bool enabled);
