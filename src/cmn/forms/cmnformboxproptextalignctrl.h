#pragma once

#include "cmnformboxtextalign.h"
#include "tcmnformboxpropctrl.h"

class CCmnComboBox;

// Edits where a box's text sits: across (centred or left) and down (middle, top
// or bottom).
class CCmnFormBoxPropTextalignCtrl : public TCmnFormBoxPropCtrl<CCmnFormBoxTextAlign>
{
    Q_OBJECT
public:
    explicit CCmnFormBoxPropTextalignCtrl(QObject *parent = nullptr);

    CCmnLayoutItem CreateWidgets(const QString &label, qint32 flags, CCmnFormBoxTextAlign *value,
                                 const CCmnFormBoxTextAlign &defaultValue);

    void RegisterWhatsThis(CCmnTabOrDialogOrPanelOrPageMixin *mixin, const QString &prefix) override;
    bool DataExchange(CCmnDataExchange *context) override;

    CCmnComboBox *HorizontalComboBox() const { return m_Horizontal; }
    CCmnComboBox *VerticalComboBox() const { return m_Vertical; }

private:
    CCmnComboBox *m_Horizontal = nullptr;
    CCmnComboBox *m_Vertical = nullptr;
};
