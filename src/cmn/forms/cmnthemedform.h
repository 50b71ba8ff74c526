#pragma once

#include "cmnform.h"
#include "cmnthemedformboxnames.h"
#include "cmnthemedformfooterornamentboxgrab.h"
#include "cmnthemedformheaderornamentboxgrab.h"
#include "cmnthemedformrootboxgrab.h"

#include <QPointer>
#include <QSharedPointer>
#include <QWidget>

class CCmnTheme;
class CCmnThemedFormAutoParams;
class CCmnThemedFormSettings;
class CCmnThemedFormStickyState;

// A form whose top is always the same skeleton: a root box filling the page,
// an optional header, the content and an optional footer inside it, and up to
// four ornaments (a left and a right one in the header and in the footer) that
// show a picture and a text from the theme. The root and the ornaments are
// filled through box grabs; the form kinds add their own boxes inside the
// header and the content.
class CCmnThemedForm : public CCmnForm
{
    Q_OBJECT
public:
    CCmnThemedForm(const QPointF &position, const QSizeF &size, const QSizeF &dpi,
                   const QSharedPointer<CCmnThemedFormSettings> &settings,
                   const QSharedPointer<CCmnThemedFormStickyState> &stickyState, QWidget *sidePage,
                   QObject *parent = nullptr);

    // Creates the skeleton under the page item with consecutive ids: root,
    // header (when it has parts), content, footer (when it has parts), then the
    // ornaments that are named and switched on.
    void BuildBoxes(CCmnTheme &theme, const CCmnTheme &defaultTheme, const CCmnThemedFormAutoParams *params,
                    QGraphicsItem *pageItem);

    // Lets the grabs of the boxes the element concerns (all of them for an empty
    // name or "CMN-DEFAULT") take it; nothing reaches the boxes before
    // ApplyGrabs. True when the form must be built again (never here).
    virtual bool ApplyTheme(const QString &name, CCmnTheme &theme, const CCmnTheme &defaultTheme,
                            const CCmnThemedFormAutoParams *params, qint32 source);
    // Moves what the grabs hold into their boxes.
    virtual void ApplyGrabs();
    // Change 0 re-applies the grabs; the form kinds refresh their own boxes.
    virtual void RefreshBoxes(qint32 changeId);
    // Keeps the dragged proportions of the root, header or footer box in the
    // settings, under the current arrangement.
    virtual void StoreSplitSettings(qint32 boxId);

    // The next id for a box of this form or of a form kind built on it.
    qint32 TakeNextBoxId() { return m_NextBoxId++; }

    CCmnThemedFormBoxNames &BoxNames() { return m_BoxNames; }
    const QSharedPointer<CCmnThemedFormSettings> &Settings() const { return m_Settings; }
    const QSharedPointer<CCmnThemedFormStickyState> &StickyState() const { return m_StickyState; }
    QWidget *SidePage() const { return m_SidePage; }

    qint32 RootId() const { return m_RootId; }
    qint32 HeaderId() const { return m_HeaderId; }
    qint32 ContentId() const { return m_ContentId; }
    qint32 FooterId() const { return m_FooterId; }
    qint32 LeftHeaderOrnamentId() const { return m_LeftHeaderOrnamentId; }
    qint32 RightHeaderOrnamentId() const { return m_RightHeaderOrnamentId; }
    qint32 LeftFooterOrnamentId() const { return m_LeftFooterOrnamentId; }
    qint32 RightFooterOrnamentId() const { return m_RightFooterOrnamentId; }

private:
    // One ornament of the skeleton with where it lives.
    struct COrnament
    {
        const CCmnThemedFormBoxName &m_Name;
        bool m_Shown;
        bool m_InHeader;
        bool m_Left;
        qint32 &m_Id;
        CCmnThemedFormBoxGrab &m_Grab;
    };
    QList<COrnament> Ornaments();

    QSharedPointer<CCmnThemedFormSettings> m_Settings;
    QSharedPointer<CCmnThemedFormStickyState> m_StickyState;
    QPointer<QWidget> m_SidePage;
    CCmnThemedFormBoxNames m_BoxNames;
    qint32 m_NextBoxId = 1;
    qint32 m_RootId = 0;
    qint32 m_HeaderId = 0;
    qint32 m_ContentId = 0;
    qint32 m_FooterId = 0;
    qint32 m_LeftHeaderOrnamentId = 0;
    qint32 m_RightHeaderOrnamentId = 0;
    qint32 m_LeftFooterOrnamentId = 0;
    qint32 m_RightFooterOrnamentId = 0;
    CCmnThemedFormRootBoxGrab m_RootGrab;
    CCmnThemedFormHeaderOrnamentBoxGrab m_LeftHeaderOrnamentGrab;
    CCmnThemedFormHeaderOrnamentBoxGrab m_RightHeaderOrnamentGrab;
    CCmnThemedFormFooterOrnamentBoxGrab m_LeftFooterOrnamentGrab;
    CCmnThemedFormFooterOrnamentBoxGrab m_RightFooterOrnamentGrab;
};
