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

namespace {

enum EPart { kFamilyPart = 0, kSizePart = 1, kStylePart = 2 };

// Selects the text in the combo box, adding it first when the list lacks it: a value
// the list does not offer (a style of a font not installed here) is still the value.
void ShowComboText(QComboBox *comboBox, const QString &text)
{
    if (comboBox->currentText() == text)
        return;
    const int index = comboBox->findText(text, Qt::MatchExactly);
    if (index >= 0) {
        comboBox->setCurrentIndex(index);
    } else if (comboBox->isEditable()) {
        comboBox->setEditText(text);
    } else {
        comboBox->insertItem(0, text);
        comboBox->setCurrentIndex(0);
    }
}

// Shows an empty box for a part the descriptor leaves unset.
void ShowUnset(QComboBox *comboBox)
{
    comboBox->setCurrentIndex(-1);
    if (comboBox->isEditable())
        comboBox->setEditText(QString());
}

} // namespace

void CCmnFontCtrl::SetFont(const QString &text)
{
    // Every part is shown afresh from the text alone: nothing of an earlier load
    // may stand in for a part this one leaves unset or the font database lacks.
    m_LoadedText = text;
    m_Loaded = text.split(QLatin1Char(';'), Qt::KeepEmptyParts);
    while (m_Loaded.size() < 3)
        m_Loaded.append(QString());
    CCmnFontDescriptor descriptor;
    const QFont font = CmnFontFromDescriptor(text, &descriptor);
    const qint32 size = CmnParseFontPointSize(m_Loaded.at(kSizePart));
    const QString &style = m_Loaded.at(kStylePart);
    const CCmnSlotBlocker blocker(this);
    if (m_FaceComboBox) {
        m_FaceComboBox->setCurrentFont(font);
        // A family not installed here stays as it was typed; the list would show
        // its substitute.
        if (m_FaceComboBox->currentText() != m_Loaded.at(kFamilyPart))
            m_FaceComboBox->setEditText(m_Loaded.at(kFamilyPart));
    }
    if (m_SizeComboBox) {
        if (m_FaceComboBox)
            CmnComboFillFontSizes(m_SizeComboBox, font, size);
        else
            CmnComboFillSizes(m_SizeComboBox, QFontDatabase::standardSizes(), true, size);
        if (size > 0)
            ShowComboText(m_SizeComboBox, QString::number(size));
        else
            ShowUnset(m_SizeComboBox);
    }
    if (m_StyleComboBox) {
        CmnComboFillFontStyles(m_StyleComboBox, font, style);
        if (!style.isEmpty())
            ShowComboText(m_StyleComboBox, style);
        else
            ShowUnset(m_StyleComboBox);
    }
    m_Shown = ShownTexts();
}

QStringList CCmnFontCtrl::ShownTexts() const
{
    return {m_FaceComboBox ? m_FaceComboBox->currentText() : QString(),
            m_SizeComboBox ? m_SizeComboBox->currentText() : QString(),
            m_StyleComboBox ? m_StyleComboBox->currentText() : QString()};
}

bool CCmnFontCtrl::GetFont(QString *text) const
{
    // A box the user left as loaded gives back the loaded part byte for byte; only
    // the parts the user changed are read from the boxes.
    QStringList parts = m_Loaded;
    while (parts.size() < 3)
        parts.append(QString());
    const QStringList shown = ShownTexts();
    const auto changed = [&](EPart part) { return shown.at(part) != m_Shown.value(part); };
    if (!m_FaceComboBox)
        parts[kFamilyPart].clear();
    else if (changed(kFamilyPart))
        parts[kFamilyPart] = shown.at(kFamilyPart);
    if (!m_SizeComboBox) {
        // A size left unset stays as it was written (";;" is not ";0;"), so that a
        // face control saved untouched gives back the text it was given.
        if (CmnParseFontPointSize(parts.at(kSizePart)) > 0)
            parts[kSizePart] = QStringLiteral("0");
    } else if (changed(kSizePart)) {
        parts[kSizePart] = QString::number(CmnParseFontPointSize(shown.at(kSizePart)));
    }
    if (!m_StyleComboBox)
        parts[kStylePart].clear();
    else if (changed(kStylePart))
        parts[kStylePart] = shown.at(kStylePart);
    // The parts were padded to three: an unchanged empty text stays empty.
    *text = parts == m_Loaded ? m_LoadedText : parts.join(QLatin1Char(';'));
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
