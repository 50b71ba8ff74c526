#pragma once

#include "cmnctrl.h"
#include "cmngriditem.h"
#include "cmnlayoutitem.h"

#include <QList>
#include <QString>
#include <QtGlobal>

class CCmnDataExchange;
class CCmnGroupBox;
class CCmnRadioButton;
class QAbstractButton;
class QButtonGroup;

// How the automatic choice of a CCmnAutoOrManualCtrl is offered. Without
// CmnAutoOrManualRadioPair or CmnAutoOrManualCheckBox the control offers no choice:
// its check box is still built, but clicking it changes nothing. The box property
// panels use CmnAutoOrManualCheckBox | CmnAutoOrManualGroupBox.
enum ECmnAutoOrManualFlag : qint32 {
    CmnAutoOrManualRadioPair = 0x01,  // "Automatic ..." above "Custom ...:"
    CmnAutoOrManualCheckBox = 0x02,   // "Automatic ..." in front of the row items
    CmnAutoOrManualGroupBox = 0x04,   // texts without the name; a group box titled with it around all
};

// The base of controls whose value is either worked out by the program
// (automatic) or set by hand (manual): an "Automatic" choice in front of the
// widgets that edit the manual value. The derived control owns the value and its
// widgets; this base builds the choice, lays the widgets out, disables them while
// automatic, and, once the host has loaded it, moves the values through the
// widgets when the user switches. A derived control:
//
//     CCmnLayoutItem CBorderColorCtrl::Create(const QString &name, qint32 flags, QColor *value)
//     {
//         m_Value = value;
//         m_Button = new CCmnColorButton;
//         return CreateControls(name, flags, {m_Button});
//     }
//     bool CBorderColorCtrl::DataExchange(CCmnDataExchange *context)
//     {
//         QColor *shown = !context->m_Save && ShowsAutomaticValue() ? &m_AutomaticValue : m_Value;
//         if (!context->ExchangeColorButton(shown, m_Button))
//             return false;
//         return CCmnAutoOrManualCtrl::DataExchange(context);
//     }
//
// The host then calls RegisterWhatsThis, SetAutomatic with the initial state,
// MarkLoaded, and runs its first load exchange.
class CCmnAutoOrManualCtrl : public CCmnCtrl
{
    Q_OBJECT
public:
    explicit CCmnAutoOrManualCtrl(QObject *parent = nullptr);
    ~CCmnAutoOrManualCtrl() override;

    // Builds the choice and lays it out on a grid with the manual widgets: the row
    // items in one row beside the check box (or below the radio pair), the grid
    // items below, each at its own cell counted from the first row under the
    // choice. Returns the group box (CmnAutoOrManualGroupBox) or the grid, for the
    // host to place. Call once.
    CCmnLayoutItem CreateControls(const QString &name, qint32 flags, const QList<CCmnLayoutItem> &rowItems,
                                  const QList<CCmnGridItem> &gridItems = {});

    // Switches between automatic and manual. Before MarkLoaded it only stores the
    // state; afterwards leaving manual first saves the widgets into the manual
    // value, and every switch reloads the widgets and updates the enabling.
    // Nothing happens without a choice.
    void SetAutomatic(bool automatic);

    // Registers the automatic choice under the name followed by "Automatic".
    void RegisterWhatsThis(CCmnTabOrDialogOrPanelOrPageMixin *mixin, const QString &name) override;
    // A derived control exchanges its own value first and ends with this one: a
    // load sets the choice from the state and updates the enabling. Always true.
    virtual bool DataExchange(CCmnDataExchange *context);
    // The host calls it once, before its first load exchange.
    virtual void MarkLoaded();
    // Disables every manual widget while the choice is offered and automatic;
    // otherwise each widget follows IsManualWidgetEnabled.
    virtual void UpdateEnabling();
    // For widgets that depend on another manual widget; true here.
    virtual bool IsManualWidgetEnabled(QWidget *widget) const;

    // Whether a load should show the automatic value (automatic with the choice
    // offered) rather than the manual value.
    [[nodiscard]] bool ShowsAutomaticValue() const { return HasChoice() && m_Automatic; }
    [[nodiscard]] bool IsAutomatic() const { return m_Automatic; }
    [[nodiscard]] bool IsLoaded() const { return m_Loaded; }
    [[nodiscard]] bool HasChoice() const;
    [[nodiscard]] qint32 Flags() const { return m_Flags; }
    const QList<QWidget *> &ManualWidgets() const { return m_ManualWidgets; }
    // The check box, or the Automatic radio of the pair; null until built.
    QAbstractButton *AutomaticButton() const { return m_AutomaticButton; }
    // Null without the radio pair.
    CCmnRadioButton *CustomRadio() const { return m_CustomRadio; }

protected:
    // A checkable group box whose clicks switch the control: checked means manual.
    void SetCheckableGroupBox(CCmnGroupBox *groupBox);

private Q_SLOTS:
    void Slot_Automatic_Clicked(bool checked);
    void Slot_GroupBox_Clicked(bool checked);

private:
    bool m_Automatic = true;
    bool m_Loaded = false;
    QList<QWidget *> m_ManualWidgets;
    qint32 m_Flags = 0;
    CCmnGroupBox *m_GroupBox = nullptr;
    QAbstractButton *m_AutomaticButton = nullptr;
    CCmnRadioButton *m_CustomRadio = nullptr;
    QButtonGroup *m_ButtonGroup = nullptr;
};
