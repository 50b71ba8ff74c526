#pragma once

#include "cmndialogbuttonbox.h"
#include "cmnoptionsdialog.h"
#include "cmntabwidget.h"
#include "testmessageboxscope.h"

#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <QTest>

#include <functional>

// The preferences dialog as the shell builds it around one tab: the tab edits a
// copy of the settings, and the copy goes back only when the user confirms.
template <typename Settings, typename Tab>
class TOrvPreferencesDialog : public CCmnOptionsDialog
{
public:
    TOrvPreferencesDialog(const Settings &current, std::function<void(const Settings &)> assign,
                          const QString &tabLabel)
        : m_Copy(current)
        , m_Tab(new Tab(&m_Copy))
    {
        AddTab(m_Tab, tabLabel);
        connect(this, &QDialog::accepted, this, [this, assign] { assign(m_Copy); });
    }

    Settings m_Copy;
    Tab *m_Tab;

protected:
    void ResetAll() override {}
};

// The label whose buddy the widget is, searched among the container's children.
inline QLabel *OrvBuddyLabelOf(const QWidget *container, const QWidget *widget)
{
    for (QLabel *label : container->findChildren<QLabel *>()) {
        if (label->buddy() == widget)
            return label;
    }
    return nullptr;
}

// The labels of the dialog's tabs as the user reads them.
inline QStringList OrvTabLabels(const CCmnTabDialog &dialog)
{
    QStringList labels;
    for (int i = 0; i < dialog.TabWidget()->count(); ++i)
        labels << dialog.TabWidget()->tabText(i).remove(QLatin1Char('&'));
    return labels;
}

// The options dialog's reset button ("Reset All", "Use Defaults") by its text; null
// when the dialog shows none.
inline QPushButton *OrvResetButton(const CCmnTabDialog &dialog, const QString &text)
{
    for (QAbstractButton *button : dialog.ButtonBox()->buttons()) {
        if (button->text().remove(QLatin1Char('&')) == text)
            return qobject_cast<QPushButton *>(button);
    }
    return nullptr;
}

// The one question a reset button asked: the text, with the question icon, the
// product's name as title and No as the default answer.
inline void OrvCompareResetQuestion(const CTestMessageBoxScope &boxes, const QString &text)
{
    QCOMPARE(boxes.Texts(), QStringList{text});
    const CCmnMessageBoxRequest &question = boxes.Requests().first();
    QCOMPARE(question.m_Icon, QMessageBox::Question);
    QCOMPARE(question.m_Title, QStringLiteral("Orvanta"));
    QCOMPARE(question.m_Buttons.at(question.m_DefaultButton).m_StandardButton, int(QMessageBox::No));
}
