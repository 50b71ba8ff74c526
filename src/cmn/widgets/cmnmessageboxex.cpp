#include "cmnmessageboxex.h"

#include "cmnappdescriptor.h"
#include "cmngeometrykeeper.h"

CCmnMessageBoxEx::CCmnMessageBoxEx(Icon icon, const QString &title, const QString &text,
                                   const CCmnMessageBoxOptions *options, StandardButtons buttons,
                                   QWidget *parent, Qt::WindowFlags flags)
    : CCmnMessageBox(icon, CmnMessageBoxTitle(title), text, buttons, parent, flags,
                     options ? options->m_CheckBoxText : QString())
    , m_Options(options ? options : &m_OwnOptions)
{
    // A box without a parent keeps the modality that running it modally gives it.
    if (parentWidget()) {
        const bool positioned = m_Options->m_Position.x() >= 0 && m_Options->m_Position.y() >= 0;
        const bool applicationModal =
            positioned || (m_Options->m_Flags & CCmnMessageBoxOptions::ApplicationModal);
        setWindowModality(applicationModal ? Qt::ApplicationModal : Qt::WindowModal);
    }
    if (!m_Options->m_IconPixmap.isNull())
        setIconPixmap(m_Options->m_IconPixmap);
}

void CCmnMessageBoxEx::showEvent(QShowEvent *event)
{
    // The box takes its final size only as it is shown, so it is placed here.
    CCmnMessageBox::showEvent(event);
    CCmnGeometryKeeper keeper;
    keeper.SetAnchor(CCmnGeometryKeeper::AnchorCentre, m_Options->m_Position);
    keeper.Restore(this);
}

QString CmnMessageBoxTitle(const QString &title)
{
    return title.isEmpty() ? CmnGetAppDescriptor().m_ProductDisplayName : title;
}
