#include "cmnfontctrl.h"

#include "cmnboxlayout.h"
#include "cmncombobox.h"
#include "cmndataexchange.h"
#include "cmnfontcombobox.h"
#include "cmnfontdescriptor.h"
#include "cmntabordialogorpanelorpagemixin.h"
#include "cmnwidgetsetup.h"

#include <QBoxLayout>
#include <QFontDatabase>
#include <QLabel>

CCmnFontCtrl::CCmnFontCtrl(QObject *parent, qint32 flags, const QString &word)
    : CCmnCtrl(parent)
    , m_Flags(flags)
{
    if (flags & CmnFontCtrlFace) {
        m_FaceComboBox = new CCmnFontComboBox;
        if (!word.isEmpty())
            m_FaceComboBox->setToolTip(QStringLiteral("The %1 face").arg(word));
        connect(m_FaceComboBox, &QFontComboBox::currentFontChanged, this, &CCmnFontCtrl::Slot_currentFontChanged);
    }
    if (flags & CmnFontCtrlSize) {
        m_SizeComboBox = new CCmnComboBox;
        m_PointsLabel = new QLabel(QStringLiteral(" pt "));
        if (!word.isEmpty())
            m_SizeComboBox->setToolTip(QStringLiteral("The %1 size (pts)").arg(word));
        connect(m_SizeComboBox, &QComboBox::currentIndexChanged, this, &CCmnFontCtrl::Slot_currentIndexChanged_Size);
    }
    if (flags & CmnFontCtrlStyle) {
        m_StyleComboBox = new CCmnComboBox;
        if (!word.isEmpty())
            m_StyleComboBox->setToolTip(QStringLiteral("The %1 style").arg(word));
        connect(m_StyleComboBox, &QComboBox::currentIndexChanged, this,
                &CCmnFontCtrl::Slot_currentIndexChanged_Style);
    }

    qint32 rowFlags = CmnBoxLayoutHorizontal;
    if (!(flags & CmnFontCtrlNoStretch))
        rowFlags |= CmnBoxLayoutStretch;
    if (flags & CmnFontCtrlNoMargins)
        rowFlags |= CmnBoxLayoutNoMargins;
    QBoxLayout *layout = nullptr;
    if (flags & CmnFontCtrlTwoRows) {
        QBoxLayout *faceRow = CmnBoxLayoutFromWidgets(rowFlags, {m_FaceComboBox});
        QBoxLayout *sizeRow = CmnBoxLayoutFromWidgets(rowFlags, {m_SizeComboBox, m_PointsLabel, m_StyleComboBox});
        layout = CmnBoxLayout(CmnBoxLayoutVertical | CmnBoxLayoutNoMargins, CCmnLayoutItem::Layout(faceRow),
                              CCmnLayoutItem::Layout(sizeRow));
    } else {
        layout = CmnBoxLayoutFromWidgets(rowFlags, {m_FaceComboBox, m_SizeComboBox, m_PointsLabel, m_StyleComboBox});
    }
    SetLayout(layout);
}

void CCmnFontCtrl::SetFont(const QString &text)
{
    CCmnFontDescriptor descriptor;
    const QFont font = CmnFontFromDescriptor(text, &descriptor);
    const CCmnSlotBlocker blocker(this);
    if (m_FaceComboBox)
        m_FaceComboBox->setCurrentFont(font);
    if (m_SizeComboBox) {
        if (m_FaceComboBox)
            CmnComboFillFontSizes(m_SizeComboBox, m_FaceComboBox->currentFont(), descriptor.m_PointSize);
        else
            CmnComboFillSizes(m_SizeComboBox, QFontDatabase::standardSizes(), true, descriptor.m_PointSize);
    }
    if (m_StyleComboBox) {
        // Without a face box to read them from, the styles are those of the
        // descriptor's own font.
        CmnComboFillFontStyles(m_StyleComboBox, m_FaceComboBox ? m_FaceComboBox->currentFont() : font,
                               descriptor.m_Style);
    }
}

bool CCmnFontCtrl::GetFont(QString *text) const
{
    CCmnFontDescriptor descriptor;
    if (m_FaceComboBox)
        descriptor.m_Family = m_FaceComboBox->currentFont().family();
    if (m_SizeComboBox)
        descriptor.m_PointSize = CmnParseFontPointSize(m_SizeComboBox->currentText());
    if (m_StyleComboBox)
        descriptor.m_Style = m_StyleComboBox->currentText();
    *text = descriptor.ToString();
    return true;
}

bool CCmnFontCtrl::ExchangeFont(const CCmnDataExchange *context, QString *text)
{
    if (context->m_Save)
        return GetFont(text);
    SetFont(*text);
    return true;
}

void CCmnFontCtrl::RegisterWhatsThis(CCmnTabOrDialogOrPanelOrPageMixin *mixin, const QString &name)
{
    SetWidgetHelpName(mixin, m_FaceComboBox, name);
    SetWidgetHelpName(mixin, m_SizeComboBox, name);
    SetWidgetHelpName(mixin, m_StyleComboBox, name);
}

void CCmnFontCtrl::Slot_currentFontChanged(const QFont &font)
{
    if (SlotsBlocked())
        return;
    const CCmnSlotBlocker blocker(this);
    // An empty wanted style and size keep the user's choices where the new face
    // offers them.
    if (m_StyleComboBox)
        CmnComboFillFontStyles(m_StyleComboBox, font, QString());
    if (m_SizeComboBox)
        CmnComboFillFontSizes(m_SizeComboBox, font, -1);
    emit SignalFontChanged();
}

void CCmnFontCtrl::Slot_currentIndexChanged_Size(int)
{
    if (SlotsBlocked())
        return;
    const CCmnSlotBlocker blocker(this);
    emit SignalFontChanged();
}

void CCmnFontCtrl::Slot_currentIndexChanged_Style(int)
{
    if (SlotsBlocked())
        return;
    const CCmnSlotBlocker blocker(this);
    emit SignalFontChanged();
}
