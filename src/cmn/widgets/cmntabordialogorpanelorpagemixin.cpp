#include "cmntabordialogorpanelorpagemixin.h"

#include "cmndataexchange.h"
#include "cmnhelplocator.h"
#include "cmnhtmlescape.h"
#include "cmnmessageboxes.h"
#include "cmnwhatsthistexts.h"

#include <QWhatsThisClickedEvent>
#include <QWidget>

namespace {

const char kHelpStyleSheet[] =
    "body { color: #4C2626; }"
    "div.example { background-color: #E5F3E5; }"
    "span.example { background-color: #E5F3E5; }"
    "table.flushbullet { border-top:0px; border-right:0px; border-bottom:0px; border-left:0px; }"
    "span.e1, span.e7, span.e9, span.e11 { font-weight: bold; font-style: italic; }"
    "span.e2 { color: red; font-weight: bold; }"
    "span.e3, span.e4, span.e5, span.e6, span.e8, span.e10 { font-weight: bold; }";

} // namespace

QWidget *CCmnTabOrDialogOrPanelOrPageMixin::InitialFocusWidget() const
{
    return m_InitialFocusWidget;
}

void CCmnTabOrDialogOrPanelOrPageMixin::SetInitialFocusWidget(QWidget *widget)
{
    m_InitialFocusWidget = widget;
}

bool CCmnTabOrDialogOrPanelOrPageMixin::DataExchange(const CCmnDataExchange *context)
{
    if (!context->m_Save)
        m_Loaded = true;
    return true;
}

bool CCmnTabOrDialogOrPanelOrPageMixin::IsFirstLoad(const CCmnDataExchange *context) const
{
    return !context->m_Save && !m_Loaded;
}

void CCmnTabOrDialogOrPanelOrPageMixin::SetInitialFocus()
{
    if (m_FocusGiven)
        return;
    m_FocusGiven = true;
    if (m_InitialFocusWidget)
        m_InitialFocusWidget->setFocus(Qt::OtherFocusReason);
}

void CCmnTabOrDialogOrPanelOrPageMixin::ShowHelp(QWidget *parent) const
{
    CmnShowHelpPageOrWarn(parent, m_HelpPage);
}

void CCmnTabOrDialogOrPanelOrPageMixin::SetWhatsThisHtml(QWidget *widget, const QString &text)
{
    // The help texts name their images as the help pages do; the same images are
    // built into the program.
    const QString html = QString(text).replace(QLatin1String("src='images/"), QLatin1String("src=':/cmn/pixmaps/"));
    widget->setWhatsThis(QStringLiteral("<html><style type=\"text/css\">%1</style><body>%2</body></html>")
                             .arg(QLatin1String(kHelpStyleSheet), html));
    m_HasWhatsThis = true;
}

void SetWidgetHelpName(CCmnTabOrDialogOrPanelOrPageMixin *mixin, QWidget *widget, const QString &name)
{
    // Names holding "!" mark controls whose help is deliberately left out.
    if (!mixin || !widget || name.isEmpty() || name.contains(QLatin1Char('!')) || mixin->HelpPage().isEmpty())
        return;
    const QString text = CmnWhatsThisTexts().value(mixin->HelpPage() + QLatin1Char(':') + name);
    if (!text.isEmpty())
        mixin->SetWhatsThisHtml(widget, text);
}

bool CmnOpenWhatsThisLink(QEvent *event, QWidget *parent)
{
    if (event->type() != QEvent::WhatsThisClicked)
        return false;
    CmnShowHelpPageOrWarn(parent, static_cast<QWhatsThisClickedEvent *>(event)->href());
    return true;
}

void CmnShowHelpPageOrWarn(QWidget *parent, const QString &page)
{
    const QString error = CmnShowHelpPage(parent, page);
    if (!error.isEmpty())
        ShowRememberedMessage(QMessageBox::Warning, parent, QString(), CmnHtmlEscapedParagraph(error));
}
