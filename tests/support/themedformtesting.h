#pragma once

#include "cmnform.h"
#include "cmnpicture.h"
#include "cmnformbox.h"
#include "cmntheme.h"
#include "cmnthemedformboxgenericdataelt.h"
#include "cmnthemedformboxgenericlayoutelt.h"
#include "cmnthemedformboxnames.h"

#include <QBuffer>
#include <QGraphicsRectItem>
#include <QImage>
#include <QGraphicsScene>
#include <QStringList>

// For tests of themed forms (they link the forms library): box names, a
// fallback theme that holds every element such a form asks for, and a form
// with one box to style.

inline CCmnThemedFormBoxName OrvTestBoxName(const QString &display, const QString &stem)
{
    return {display, stem + QStringLiteral("-LAYOUT"), stem + QStringLiteral("-DATA")};
}

// A picture that loads: the image held as PNG bytes.
inline CCmnPicture OrvTestPicture(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    CCmnPicture picture;
    picture.SetImageBytes(bytes);
    return picture;
}

// A layout and a data element, all inheriting and empty, for each stem, and
// the three elements of the skeleton.
inline CCmnTheme OrvTestSkeletonTheme(const QStringList &stems)
{
    CCmnTheme theme;
    for (const QString &stem : stems) {
        theme.AddElt(new CCmnThemedFormBoxGenericLayoutElt(stem + QStringLiteral("-LAYOUT")));
        theme.AddElt(new CCmnThemedFormBoxGenericDataElt(stem + QStringLiteral("-DATA")));
    }
    for (const char *name : {"CMN-DEFAULT", "CMN-HEADER", "CMN-FOOTER"})
        theme.AddElt(new CCmnThemedFormBoxGenericLayoutElt(QLatin1String(name)));
    return theme;
}

// A form on a page with a root box (id 1) and one child box (id 2), for the
// layout steps of box grabs to style.
struct COrvTestBoxForm
{
    COrvTestBoxForm()
        : m_Form(QPointF(0, 0), QSizeF(400, 200), QSizeF(72, 72))
    {
        m_Scene.addItem(m_Page);
        m_Root = m_Form.AddRootBox(1, m_Page, 1, 1, 0);
        m_Box = m_Form.AddChildBox(m_Root, 2, 0, 3);
    }

    QGraphicsScene m_Scene;
    QGraphicsRectItem *m_Page = new QGraphicsRectItem;
    CCmnForm m_Form;
    QSharedPointer<CCmnFormBox> m_Root;
    QSharedPointer<CCmnFormBox> m_Box;
};
