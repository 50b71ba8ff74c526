#include "cmnlistview.h"

#include <QApplication>
#include <QKeyEvent>

CCmnListView::CCmnListView(QWidget *parent)
    : QListView(parent)
{
}

void CCmnListView::Beep()
{
    QApplication::beep();
}

void CCmnListView::keyPressEvent(QKeyEvent *event)
{
    if (!m_TypeAhead) {
        QListView::keyPressEvent(event);
        return;
    }
    if (event->key() == Qt::Key_Escape) {
        // Left for the dialog, which closes on it.
        event->ignore();
        return;
    }
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        QListView::keyPressEvent(event);
        return;
    }
    if (event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete) {
        if (!m_TypedText.isEmpty()) {
            m_TypedText.chop(m_TypedText.size() >= 2 && m_TypedText.back().isLowSurrogate()
                                     && m_TypedText.at(m_TypedText.size() - 2).isHighSurrogate()
                                 ? 2
                                 : 1);
            SearchTypedText();
        }
        event->accept();
        return;
    }
    // Return, Enter and Tab carry control characters as their text; they must
    // keep reaching the view and the dialog (activation, default button, focus).
    const QString text = event->text();
    const QList<uint> codePoints = text.toUcs4();
    if (codePoints.isEmpty() || !QChar::isPrint(char32_t(codePoints.front()))) {
        QListView::keyPressEvent(event);
        return;
    }
    m_TypedText += text;
    SearchTypedText();
    event->accept();
}

void CCmnListView::SearchTypedText()
{
    QAbstractItemModel *itemModel = model();
    if (!itemModel || itemModel->rowCount(rootIndex()) == 0)
        return;
    const QModelIndex first = itemModel->index(0, modelColumn(), rootIndex());
    if (m_TypedText.isEmpty()) {
        setCurrentIndex(first);
        return;
    }
    const QModelIndexList hits = itemModel->match(first, Qt::DisplayRole, m_TypedText, 1,
                                                  Qt::MatchStartsWith | Qt::MatchWrap);
    if (hits.isEmpty())
        Beep();
    else
        setCurrentIndex(hits.front());
}
