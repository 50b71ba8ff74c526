#pragma once

#include "tcmnformboxpropctrl.h"

#include <QColor>

class CCmnColorButton;
template <typename T>
class TCmnItemChoices;

// The common part of the three colour controls of a box (border, fill, text): a
// colour button offering a palette, optionally followed by a note.
class CCmnFormBoxPropColorCtrl : public TCmnFormBoxPropCtrl<QColor>
{
    Q_OBJECT
public:
    CCmnFormBoxPropColorCtrl(QObject *parent, const QString &helpName);

    void RegisterWhatsThis(CCmnTabOrDialogOrPanelOrPageMixin *mixin, const QString &prefix) override;
    bool DataExchange(CCmnDataExchange *context) override;

    CCmnColorButton *ColorButton() const { return m_ColorButton; }

protected:
    // The button, then the note when there is one, below it.
    CCmnLayoutItem CreateColorWidgets(const QString &label, qint32 flags, QColor *value, const QColor &defaultValue,
                                      TCmnItemChoices<QColor> *choices, QWidget *note);

private:
    QString m_HelpName;
    CCmnColorButton *m_ColorButton = nullptr;
};
