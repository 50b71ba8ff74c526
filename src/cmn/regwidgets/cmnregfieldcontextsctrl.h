#pragma once

#include "cmnctrl.h"

#include <QList>
#include <utility>

class CCmnCheckBox;
class CCmnDataExchange;
class CCmnRegFieldContextMask;
class CCmnRegFieldContexts;

// The "Default Field Usage" grid: one check box per form context of the catalogue,
// grouped by form, exchanged with the context bits of a field's mask. Bits that no
// box shows are left as they are.
class CCmnRegFieldContextsCtrl : public CCmnCtrl
{
    Q_OBJECT
public:
    // The catalogue is not owned and must outlive the control.
    CCmnRegFieldContextsCtrl(QObject *owner, const CCmnRegFieldContexts *catalogue);
    ~CCmnRegFieldContextsCtrl() override;

    // Help names: the prefix followed by each item's internal name.
    void RegisterWhatsThis(CCmnTabOrDialogOrPanelOrPageMixin *mixin, const QString &prefix) override;

    [[nodiscard]] bool DataExchange(CCmnDataExchange *context, CCmnRegFieldContextMask *mask);

    // (catalogue item index, its check box), in the order the boxes were built.
    const QList<std::pair<int, CCmnCheckBox *>> &Boxes() const { return m_Boxes; }

private:
    const CCmnRegFieldContexts *m_Catalogue;
    QList<std::pair<int, CCmnCheckBox *>> m_Boxes;
};
