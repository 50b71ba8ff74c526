#include "cmnformboxproppicposctrl.h"

#include "cmncombobox.h"
#include "cmncontrolfactory.h"
#include "cmnformboxenumcombos.h"
#include "cmnlabel.h"
#include "cmnmetricwidget.h"
#include "cmnspinbox.h"
#include "cmntabordialogorpanelorpagemixin.h"

CCmnFormBoxPropPicposCtrl::CCmnFormBoxPropPicposCtrl(QObject *parent)
    : TCmnFormBoxPropCtrl<CCmnFormBoxPicturePos>(parent)
{
}

CCmnLayoutItem CCmnFormBoxPropPicposCtrl::CreateWidgets(const QString &label, qint32 flags,
                                                       CCmnFormBoxPicturePos *value,
                                                       const CCmnFormBoxPicturePos &defaultValue,
                                                       const QLocale &locale)
{
    SetValue(value, defaultValue);
    m_Mode = CmnNewFormBoxEnumComboBox(CmnPictureModeNames(), nullptr, QString(), nullptr);
    m_Alignment = CmnNewFormBoxEnumComboBox(CmnPicturePosNames(locale), nullptr, QString(), nullptr);
    m_Scaling = CmnNewSpinBox(0, 100);
    m_Scaling->setSingleStep(5);
    m_Scaling->setSuffix(QStringLiteral("%"));
    m_Gap = new CCmnMetricWidget;

    const QList<QPair<QString, QWidget *>> rows{{QStringLiteral("Mode:"), m_Mode},
                                                {QStringLiteral("Alignment:"), m_Alignment},
                                                {QStringLiteral("Scaling:"), m_Scaling},
                                                {QStringLiteral("Gap:"), m_Gap}};
    QList<CCmnGridItem> items;
    for (int row = 0; row < rows.size(); ++row) {
        auto *rowLabel = new CCmnLabel(rows.at(row).first);
        rowLabel->setBuddy(rows.at(row).second);
        items << CCmnGridItem::Widget(rowLabel, row, 0) << CCmnGridItem::Widget(rows.at(row).second, row, 1);
    }
    return CreateControls(label, flags, {}, items);
}

void CCmnFormBoxPropPicposCtrl::RegisterWhatsThis(CCmnTabOrDialogOrPanelOrPageMixin *mixin, const QString &prefix)
{
    TCmnFormBoxPropCtrl<CCmnFormBoxPicturePos>::RegisterWhatsThis(mixin, prefix);
    SetWidgetHelpName(mixin, m_Mode, prefix + QStringLiteral("PicposMode"));
    SetWidgetHelpName(mixin, m_Alignment, prefix + QStringLiteral("PicposAlign"));
    SetWidgetHelpName(mixin, m_Scaling, prefix + QStringLiteral("PicposScaling"));
    SetWidgetHelpName(mixin, m_Gap, prefix + QStringLiteral("PicposGap"));
}

bool CCmnFormBoxPropPicposCtrl::DataExchange(CCmnDataExchange *context)
{
    CCmnFormBoxPicturePos *pos = ExchangedValue(context);
    if (!CmnExchangeComboByData(context, &pos->m_Mode, m_Mode)
        || !CmnExchangeComboByData(context, &pos->m_Alignment, m_Alignment)
        || !context->ExchangeSpinBox(&pos->m_Scaling, m_Scaling) || !CmnExchangeMetric(m_Gap, context, &pos->m_Gap))
        return false;
    return TCmnFormBoxPropCtrl<CCmnFormBoxPicturePos>::DataExchange(context);
}
