#pragma once

#include "cmnformbox.h"

#include <QMap>
#include <QObject>
#include <QPointF>
#include <QSharedPointer>
#include <QSizeF>
#include <QVector>

class CCmnFormBoxEvent;
class CCmnGraphicsRectItemEx;
class QGraphicsItem;
class QGraphicsSceneContextMenuEvent;
class QGraphicsSceneMouseEvent;

// A draggable divider of design mode: divider i lies between child i and child
// i + 1 of the box.
struct CCmnFormDivider
{
    qint32 m_BoxId = 0;
    qint32 m_Index = 0;
    CCmnGraphicsRectItemEx *m_Item = nullptr;
};

// The boxes of one printable form on a graphics scene, by id. One layout pass
// places every box that changed (each container divides its inner area among its
// children along one axis) and paints it. In design mode the form shows dividers
// between the children of boxes that ask for them; dragging one changes the
// proportions. Presses and context-menu requests on boxes come out as
// SignalBoxEvent, divider drags as SignalDividerMoved.
class CCmnForm : public QObject
{
    Q_OBJECT
public:
    // The form rectangle in scene units and the resolution in dots per inch
    // (horizontal as the width, vertical as the height).
    CCmnForm(const QPointF &position, const QSizeF &size, const QSizeF &resolution, QObject *parent = nullptr);
    ~CCmnForm() override;

    // Option bits of AddChildBox.
    enum EChildOption : qint32 {
        ChildClickable = 1,        // clickable, with a context menu
        ChildFilledWithContent = 2,
        ChildNeverFilled = 4,      // only without ChildFilledWithContent
    };

    QSharedPointer<CCmnFormBox> AddRootBox(qint32 id, QGraphicsItem *graphicsParent, double widthFraction,
                                           double heightFraction, double z);
    // A z below -0.5 puts the box one above its parent.
    QSharedPointer<CCmnFormBox> AddChildBox(const QSharedPointer<CCmnFormBox> &parent, qint32 id, qint32 order,
                                            qint32 options, double z = -1.0);
    QSharedPointer<CCmnFormBox> GetBox(qint32 id) const { return m_Boxes.value(id); }
    const QMap<qint32, QSharedPointer<CCmnFormBox>> &Boxes() const { return m_Boxes; }

    QPointF Position() const { return m_Position; }
    QSizeF Size() const { return m_Size; }
    QSizeF Resolution() const { return m_Resolution; }

    // Sorts every box's children by order number and, when on, makes the dividers
    // of boxes that ask for them. Called once, after the boxes are built and
    // before the first layout; it never removes dividers.
    void SetDesignMode(bool on);
    bool DesignMode() const { return m_DesignMode; }
    // 0 point, 1 pan.
    void SetMouseMode(qint32 mode);
    qint32 MouseMode() const { return m_MouseMode; }
    // On screen, empty boxes show their placeholder text.
    void SetOnScreen(bool on);
    bool OnScreen() const { return m_OnScreen; }
    const QVector<CCmnFormDivider> &Dividers() const { return m_Dividers; }

    void UpdateBoxCursors();
    void UpdateBoxCursor(CCmnFormBox *box);

    // Lays out and paints every dirty box, parents before children.
    void LayoutFormBoxes();

public Q_SLOTS:
    void Slot_box_mousePressEvent(QGraphicsItem *item, QGraphicsSceneMouseEvent *event);
    void Slot_box_contextMenuEvent(QGraphicsItem *item, QGraphicsSceneContextMenuEvent *event);
    void Slot_divider_moved(QGraphicsItem *item, QPointF position);

Q_SIGNALS:
    void SignalBoxEvent(CCmnFormBoxEvent *event);
    void SignalDividerMoved(int boxId, int dividerIndex);

private:
    void Register(const QSharedPointer<CCmnFormBox> &box, qint32 id);
    void ProcessBox(CCmnFormBox *box);
    void PlaceChildren(CCmnFormBox *box);
    void PlaceDividers(CCmnFormBox *box);
    CCmnFormBox *BoxOfTopItem(QGraphicsItem *item) const;
    void EmitBoxEvent(CCmnFormBox *box, CCmnFormBoxEvent &event);

    QPointF m_Position;
    QSizeF m_Size;
    QSizeF m_Resolution;
    bool m_DesignMode = false;
    qint32 m_MouseMode = 0;
    bool m_OnScreen = false;
    QMap<qint32, QSharedPointer<CCmnFormBox>> m_Boxes;
    QVector<CCmnFormDivider> m_Dividers;
};
