#pragma once

#include <QPointer>
#include <QString>

class CCmnDataExchange;
class QEvent;
class QWidget;

// The protocol that dialogs, tabs of a tab dialog, panels and wizard pages share:
// a help page, the widget that gets the focus when the host is first shown, the end
// of every two-way data exchange, and the What's This texts attached to the host's
// widgets by help name. Each host has virtual operations of the same names that end
// in (or forward to) the ones here.
class CCmnTabOrDialogOrPanelOrPageMixin
{
public:
    CCmnTabOrDialogOrPanelOrPageMixin(const CCmnTabOrDialogOrPanelOrPageMixin &) = delete;
    CCmnTabOrDialogOrPanelOrPageMixin &operator=(const CCmnTabOrDialogOrPanelOrPageMixin &) = delete;

    // Whether a What's This text was attached to one of the host's widgets.
    virtual bool HasWhatsThis() const { return m_HasWhatsThis; }

    // The page's file name with ".html"; empty for a host without help.
    QString HelpPage() const { return m_HelpPage; }
    void SetHelpPage(const QString &page) { m_HelpPage = page; }
    QWidget *InitialFocusWidget() const;
    void SetInitialFocusWidget(QWidget *widget);

    // The base exchange with which every host's exchange ends: a load marks the host
    // as loaded. Always true.
    bool DataExchange(const CCmnDataExchange *context);
    // A load before any load has ended: for what a host does only once.
    bool IsFirstLoad(const CCmnDataExchange *context) const;
    // The first call focuses the initial-focus widget, when there is one; later calls
    // do nothing, even when the first found no widget.
    void SetInitialFocus();
    // Opens the help page, when there is one, written from the help texts.
    void ShowHelp(QWidget *parent) const;
    // Wraps the help text in the help style sheet, takes its images from the built-in
    // pixmaps and attaches it to the widget.
    void SetWhatsThisHtml(QWidget *widget, const QString &text);

protected:
    CCmnTabOrDialogOrPanelOrPageMixin() = default;
    virtual ~CCmnTabOrDialogOrPanelOrPageMixin() = default;

private:
    QString m_HelpPage;
    QPointer<QWidget> m_InitialFocusWidget;
    bool m_FocusGiven = false;
    bool m_Loaded = false;
    bool m_HasWhatsThis = false;
};

// Attaches the What's This text registered under the host's help page, ":" and the
// name. Nothing happens for a null widget, an empty name, a name holding "!", a host
// without a help page, or a key without a text.
void SetWidgetHelpName(CCmnTabOrDialogOrPanelOrPageMixin *mixin, QWidget *widget, const QString &name);

// A click on a link inside a What's This text arrives at the window as an event;
// this opens the linked help page. True when the event was such a click (handled,
// whether or not it named a page); hosts pass every other event to their base.
bool CmnOpenWhatsThisLink(QEvent *event, QWidget *parent);

// Opens the help page (nothing for an empty name); a page that cannot be written
// is reported in a message.
void CmnShowHelpPageOrWarn(QWidget *parent, const QString &page);
