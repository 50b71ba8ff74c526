#include "cmnwidgetaccelerators.h"

#include "cmnacceleratorassigner.h"
#include "cmntext.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QTextDocumentFragment>
#include <QToolButton>

namespace {

bool ShowsRichText(const QLabel *label)
{
    return label->textFormat() == Qt::RichText
        || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
}

// A label marks its mnemonic with "&" only in plain text; in rich text an "&" starts
// an entity ("&amp;", "&lt;"), which must never be taken for a mark. So a rich-text
// label with a buddy is assigned through the text it shows, its "&"s literal.
QString MnemonicTextOfLabel(const QLabel *label)
{
    if (!ShowsRichText(label))
        return label->text();
    return CmnMnemonicSafe(QTextDocumentFragment::fromHtml(label->text()).toPlainText());
}

void AssignActions(const QList<QAction *> &actions, QList<const QWidget *> &open);

// The menus being handled further up the call chain. A menu can hold the action of a
// menu that holds its own (or itself), and following such a loop would never end.
void AssignMenus(QWidget *widget, QList<const QWidget *> &open)
{
    if (open.contains(widget))
        return;
    open.append(widget);
    const QList<QMenu *> menus = widget->findChildren<QMenu *>();
    for (QMenu *menu : menus)
        AssignActions(menu->actions(), open);
    AssignActions(widget->actions(), open);
    open.removeLast();
}

void AssignActions(const QList<QAction *> &actions, QList<const QWidget *> &open)
{
    QList<QAction *> group;
    QStringList texts;
    for (QAction *action : actions) {
        if (action->isSeparator())
            continue;
        if (!action->text().isEmpty()) {
            group.append(action);
            texts.append(action->text());
        }
        if (QMenu *submenu = action->menu())
            AssignMenus(submenu, open);
    }
    if (group.isEmpty())
        return;
    const QStringList assigned = AssignTextAccelerators(texts);
    for (qsizetype i = 0; i < group.size(); ++i) {
        if (assigned.at(i) != texts.at(i))
            group.at(i)->setText(assigned.at(i));
    }
}

} // namespace

void AssignDialogAccelerators(QObject *window)
{
    if (!window)
        return;
    QList<QWidget *> widgets;
    QStringList texts;
    const QList<QLabel *> labels = window->findChildren<QLabel *>();
    QList<QLabel *> richLabels;
    for (QLabel *label : labels) {
        if (label->buddy() && !label->text().isEmpty()) {
            widgets.append(label);
            texts.append(MnemonicTextOfLabel(label));
            if (ShowsRichText(label))
                richLabels.append(label);
        }
    }
    const QList<QGroupBox *> groupBoxes = window->findChildren<QGroupBox *>();
    for (QGroupBox *groupBox : groupBoxes) {
        if (groupBox->isCheckable() && !groupBox->title().isEmpty()) {
            widgets.append(groupBox);
            texts.append(groupBox->title());
        }
    }
    const QList<QAbstractButton *> buttons = window->findChildren<QAbstractButton *>();
    for (QAbstractButton *button : buttons) {
        if (!qobject_cast<QToolButton *>(button) && !button->text().isEmpty()) {
            widgets.append(button);
            texts.append(button->text());
        }
    }
    if (widgets.isEmpty())
        return;

    const QStringList assigned = AssignTextAccelerators(texts);
    for (qsizetype i = 0; i < widgets.size(); ++i) {
        QWidget *widget = widgets.at(i);
        auto *label = qobject_cast<QLabel *>(widget);
        // A rich-text label becomes plain even without a mark of its own: QLabel reads
        // the mnemonic of a buddy label from the raw text, entities included.
        if (label && richLabels.contains(label)) {
            label->setTextFormat(Qt::PlainText);
            label->setText(assigned.at(i));
            continue;
        }
        if (assigned.at(i) == texts.at(i))
            continue;
        if (label)
            label->setText(assigned.at(i));
        else if (auto *groupBox = qobject_cast<QGroupBox *>(widget))
            groupBox->setTitle(assigned.at(i));
        else if (auto *button = qobject_cast<QAbstractButton *>(widget))
            button->setText(assigned.at(i));
    }
}

void AssignMenuAccelerators(QWidget *widget)
{
    if (!widget)
        return;
    QList<const QWidget *> open;
    AssignMenus(widget, open);
}

void AssignActionAccelerators(const QList<QAction *> &actions)
{
    QList<const QWidget *> open;
    AssignActions(actions, open);
}
