#include "cmnkeyeventeater.h"

#include <QKeyEvent>

CCmnKeyEventEater::CCmnKeyEventEater(qint32 key, QObject *parent)
    : QObject(parent)
    , m_Key(key)
{
}

CCmnKeyEventEater::~CCmnKeyEventEater() = default;

bool CCmnKeyEventEater::eventFilter(QObject *watched, QEvent *event)
{
    if (m_Enabled && event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == m_Key)
        return true;
    return QObject::eventFilter(watched, event);
}
