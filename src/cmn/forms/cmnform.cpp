#include "cmnform.h"

#include "cmnformboxevent.h"
#include "cmngraphicsrectitemex.h"

#include <QCursor>
#include <QGraphicsItem>

#include <algorithm>

namespace {

constexpr double kDividerZ = 20.0;
constexpr double kDividerOpacity = 0.5;
// A divider is a twentieth of an inch thick, whatever the resolution.
constexpr double kDividerInches = 0.05;

} // namespace

CCmnForm::CCmnForm(const QPointF &position, const QSizeF &size, const QSizeF &resolution, QObject *parent)
    : QObject(parent)
    , m_Position(position)
    , m_Size(size)
    , m_Resolution(resolution)
{
}

CCmnForm::~CCmnForm() = default;

void CCmnForm::Register(const QSharedPointer<CCmnFormBox> &box, qint32 id)
{
    box->SetId(id);
    box->TopItem()->SetPressReceiver(this, "Slot_box_mousePressEvent");
    box->TopItem()->SetContextReceiver(this, "Slot_box_contextMenuEvent");
    m_Boxes.insert(id, box);
}

QSharedPointer<CCmnFormBox> CCmnForm::AddRootBox(qint32 id, QGraphicsItem *graphicsParent, double widthFraction,
                                                 double heightFraction, double z)
{
    auto box = QSharedPointer<CCmnFormBox>::create(this, graphicsParent, widthFraction, heightFraction, z);
    Register(box, id);
    return box;
}

QSharedPointer<CCmnFormBox> CCmnForm::AddChildBox(const QSharedPointer<CCmnFormBox> &parent, qint32 id,
                                                  qint32 order, qint32 options, double z)
{
    auto box = QSharedPointer<CCmnFormBox>::create(this, parent.data(), z);
    Register(box, id);
    if (options & ChildClickable) {
        box->SetClickable(true);
        box->SetContextMenu(true);
    }
    if (options & ChildFilledWithContent)
        box->SetActiveMode(CmnFormBoxFilledWithContent);
    else if (options & ChildNeverFilled)
        box->SetActiveMode(CmnFormBoxNeverFilled);
    parent->Children().append({box, order});
    return box;
}

void CCmnForm::SetDesignMode(bool on)
{
    m_DesignMode = on;
    for (const QSharedPointer<CCmnFormBox> &box : std::as_const(m_Boxes)) {
        QList<CCmnFormBoxChild> &children = box->Children();
        std::stable_sort(children.begin(), children.end(),
                         [](const CCmnFormBoxChild &a, const CCmnFormBoxChild &b) { return a.m_Order < b.m_Order; });
        if (!on)
            continue;
        const CCmnFormBoxSplitSettings &split = box->GetSplitSettings();
        if (!split.m_Dividers || children.size() < 2)
            continue;
        for (qint32 i = 0; i + 1 < children.size(); ++i) {
            auto *item = new CCmnGraphicsRectItemEx(box->GraphicsParent());
            item->setZValue(box->Z() + kDividerZ);
            item->setOpacity(kDividerOpacity);
            item->setBrush(QBrush(split.m_DividerColor, Qt::SolidPattern));
            item->setPen(Qt::NoPen);
            item->setVisible(false);
            item->SetLive(split.m_LiveDividers);
            item->SetDividerReceiver(this, "Slot_divider_moved");
            m_Dividers.append({box->Id(), i, item});
        }
    }
    UpdateBoxCursors();
}

void CCmnForm::SetMouseMode(qint32 mode)
{
    m_MouseMode = mode;
    UpdateBoxCursors();
}

void CCmnForm::SetOnScreen(bool on)
{
    m_OnScreen = on;
    for (const QSharedPointer<CCmnFormBox> &box : std::as_const(m_Boxes))
        box->SetDirty(true);
}

void CCmnForm::UpdateBoxCursors()
{
    for (const QSharedPointer<CCmnFormBox> &box : std::as_const(m_Boxes))
        UpdateBoxCursor(box.data());
}

void CCmnForm::UpdateBoxCursor(CCmnFormBox *box)
{
    const bool pointing = box->IsClickable() && m_MouseMode == 0;
    CCmnGraphicsRectItemEx *top = box->TopItem();
    top->SetFilled(box->IsFilled());
    if (pointing || box->HasContextMenu())
        top->setCursor(Qt::ArrowCursor);
    else
        top->unsetCursor();
    top->SetPressForwarding(pointing);
    top->SetContextForwarding(box->HasContextMenu());
    top->setAcceptHoverEvents(pointing || box->HasContextMenu());
}

void CCmnForm::LayoutFormBoxes()
{
    QList<CCmnFormBox *> processed;
    bool anotherPass = true;
    while (anotherPass) {
        anotherPass = false;
        const qsizetype processedBefore = processed.size();
        for (const QSharedPointer<CCmnFormBox> &box : std::as_const(m_Boxes)) {
            if (!box->IsDirty())
                continue;
            anotherPass = true;
            if (box->Parent() && box->Parent()->IsDirty())
                continue;
            ProcessBox(box.data());
            processed.append(box.data());
        }
        // A box whose parent left the table (replaced under its id) would wait
        // for it for ever.
        if (processed.size() == processedBefore)
            break;
    }
    if (!m_DesignMode)
        return;
    for (CCmnFormBox *box : std::as_const(processed))
        PlaceDividers(box);
}

void CCmnForm::ProcessBox(CCmnFormBox *box)
{
    box->SetDirty(false);
    QPointF position = box->Position();
    QSizeF size = box->Size();
    if (!box->Parent()) {
        position = QPointF(m_Position.x() + m_Size.width() * (1 - box->WidthFraction()) * 0.5,
                           m_Position.y() + m_Size.height() * (1 - box->HeightFraction()) * 0.5);
        size = QSizeF(m_Size.width() * box->WidthFraction(), m_Size.height() * box->HeightFraction());
    }
    box->LayoutAndPaintBox(position, size, m_Resolution, m_OnScreen);
    PlaceChildren(box);
    UpdateBoxCursor(box);
}

void CCmnForm::PlaceChildren(CCmnFormBox *box)
{
    const QList<CCmnFormBoxChild> &children = box->Children();
    const qint32 n = qint32(children.size());
    if (n == 0)
        return;
    const CCmnFormBoxSplitSettings &split = box->GetSplitSettings();
    const double left = box->GetLeftInset(m_Resolution.width());
    const double top = box->GetTopInset(m_Resolution.height());
    const double right = box->GetRightInset(m_Resolution.width());
    const double bottom = box->GetBottomInset(m_Resolution.height());
    QPointF origin(box->Position().x() + left, box->Position().y() + top);
    const QSizeF inner(box->Size().width() - left - right, box->Size().height() - top - bottom);
    const QList<double> shares = split.Shares(n);
    if (split.m_Horizontal) {
        const double gap = split.m_Gap.ToDevice(m_Resolution.width());
        const double available = inner.width() - (n - 1) * gap;
        for (qint32 i = 0; i < n; ++i) {
            const QSizeF childSize(available * shares.at(i), inner.height());
            children.at(i).m_Box->SetGeometry(origin, childSize);
            origin.rx() += childSize.width() + gap;
        }
    } else {
        const double gap = split.m_Gap.ToDevice(m_Resolution.height());
        const double available = inner.height() - (n - 1) * gap;
        for (qint32 i = 0; i < n; ++i) {
            const QSizeF childSize(inner.width(), available * shares.at(i));
            children.at(i).m_Box->SetGeometry(origin, childSize);
            origin.ry() += childSize.height() + gap;
        }
    }
    for (const CCmnFormBoxChild &child : children)
        child.m_Box->SetDirty(true);
}

void CCmnForm::PlaceDividers(CCmnFormBox *box)
{
    const CCmnFormBoxSplitSettings &split = box->GetSplitSettings();
    const QList<CCmnFormBoxChild> &children = box->Children();
    if (!split.m_Dividers || children.size() < 2)
        return;
    const bool horizontal = split.m_Horizontal;
    const double r = horizontal ? m_Resolution.width() : m_Resolution.height();
    const double thickness = r * kDividerInches;
    const double halfGap = split.m_Gap.ToDevice(r * 0.5);
    const double minimum = split.m_MinimumFraction * (horizontal ? box->Size().width() : box->Size().height());
    for (const CCmnFormDivider &divider : std::as_const(m_Dividers)) {
        if (divider.m_BoxId != box->Id() || divider.m_Index + 1 >= children.size())
            continue;
        const CCmnFormBox *a = children.at(divider.m_Index).m_Box.data();
        const CCmnFormBox *b = children.at(divider.m_Index + 1).m_Box.data();
        CCmnGraphicsRectItemEx *item = divider.m_Item;
        // Placing a divider is not a drag: a live divider must not report it as one.
        const bool live = item->IsLive();
        item->SetLive(false);
        if (horizontal) {
            item->SetDividerRange(Qt::Horizontal, a->Position().x() + minimum + halfGap,
                                  b->Position().x() + b->Size().width() - minimum - halfGap, a->Position().y());
            item->setRect(-thickness / 2, 0, thickness, b->Size().height());
            item->setPos(b->Position().x() - halfGap, a->Position().y());
        } else {
            item->SetDividerRange(Qt::Vertical, a->Position().y() + minimum + halfGap,
                                  b->Position().y() + b->Size().height() - minimum - halfGap, a->Position().x());
            item->setRect(0, -thickness / 2, b->Size().width(), thickness);
            item->setPos(a->Position().x(), b->Position().y() - halfGap);
        }
        item->SetLive(live);
        item->setVisible(true);
    }
}

void CCmnForm::Slot_divider_moved(QGraphicsItem *item, QPointF position)
{
    if (!m_DesignMode)
        return;
    const auto found = std::find_if(m_Dividers.cbegin(), m_Dividers.cend(),
                                    [item](const CCmnFormDivider &divider) { return divider.m_Item == item; });
    if (found == m_Dividers.cend() || found->m_BoxId == 0)
        return;
    const qint32 boxId = found->m_BoxId;
    const qint32 index = found->m_Index;
    const QSharedPointer<CCmnFormBox> box = GetBox(boxId);
    if (!box)
        return;
    // The built-in default is never changed: only settings some box owns.
    CCmnFormBoxSplitSettings *split = box->FindSplitSettings();
    const QList<CCmnFormBoxChild> &children = box->Children();
    const qint32 n = qint32(children.size());
    if (!split || index + 1 >= n)
        return;
    const QSizeF inner = box->Size() - box->GetInsetSize(m_Resolution);
    const bool horizontal = split->m_Horizontal;
    const double gap = split->m_Gap.ToDevice(horizontal ? m_Resolution.width() : m_Resolution.height());
    const double available = (horizontal ? inner.width() : inner.height()) - (n - 1) * gap;
    if (available <= 0)
        return;
    const QPointF childPosition = children.at(index).m_Box->Position();
    const double offset = horizontal ? position.x() - childPosition.x() : position.y() - childPosition.y();
    // The shares must describe the children before one can be moved against its
    // neighbour; settings that do not yet do so are brought in line first.
    if (split->Shares(n) != split->m_Proportions)
        split->m_Proportions = split->Shares(n);
    const double share = (offset - gap * 0.5) / available;
    const double delta = share - split->m_Proportions.at(index);
    split->SetProportion(index, share);
    split->SetProportion(index + 1, split->m_Proportions.at(index + 1) - delta);
    box->SetDirty(true);
    LayoutFormBoxes();
    Q_EMIT SignalDividerMoved(boxId, index);
}

CCmnFormBox *CCmnForm::BoxOfTopItem(QGraphicsItem *item) const
{
    for (const QSharedPointer<CCmnFormBox> &box : m_Boxes) {
        if (box->TopItem() == item)
            return box.data();
    }
    return nullptr;
}

void CCmnForm::EmitBoxEvent(CCmnFormBox *box, CCmnFormBoxEvent &event)
{
    event.m_BoxId = box->Id();
    event.m_Box = m_Boxes.value(box->Id());
    Q_EMIT SignalBoxEvent(&event);
}

void CCmnForm::Slot_box_mousePressEvent(QGraphicsItem *item, QGraphicsSceneMouseEvent *mouseEvent)
{
    CCmnFormBox *box = BoxOfTopItem(item);
    if (!box)
        return;
    CCmnFormBoxEvent event;
    event.m_Kind = CCmnFormBoxEvent::MousePress;
    event.m_MouseEvent = mouseEvent;
    EmitBoxEvent(box, event);
}

void CCmnForm::Slot_box_contextMenuEvent(QGraphicsItem *item, QGraphicsSceneContextMenuEvent *contextEvent)
{
    CCmnFormBox *box = BoxOfTopItem(item);
    if (!box)
        return;
    CCmnFormBoxEvent event;
    event.m_Kind = CCmnFormBoxEvent::ContextMenu;
    event.m_ContextEvent = contextEvent;
    EmitBoxEvent(box, event);
}
