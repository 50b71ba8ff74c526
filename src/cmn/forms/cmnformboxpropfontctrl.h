#pragma once

#include "tcmnformboxpropctrl.h"

#include <QString>

class CCmnFontCtrl;

// The common part of the face and the size controls of a box: a font control
// showing some parts of a font descriptor text. The parts it does not show come
// back unset, to be merged from another level.
class CCmnFormBoxPropFontCtrl : public TCmnFormBoxPropCtrl<QString>
{
    Q_OBJECT
public:
    CCmnFormBoxPropFontCtrl(QObject *parent, qint32 fontFlags, const QString &helpName);

    CCmnLayoutItem CreateWidgets(const QString &label, qint32 flags, QString *value, const QString &defaultValue);

    void RegisterWhatsThis(CCmnTabOrDialogOrPanelOrPageMixin *mixin, const QString &prefix) override;
    bool DataExchange(CCmnDataExchange *context) override;

    CCmnFontCtrl *FontCtrl() const { return m_FontCtrl; }

private:
    qint32 m_FontFlags;
    QString m_HelpName;
    CCmnFontCtrl *m_FontCtrl = nullptr;
};
