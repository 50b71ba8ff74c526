#pragma once

#include "cmnhtmlescape.h"
#include "cmnmessageboxes.h"
#include "cmnnameditemsinternalnamestoavoidvalidator.h"
#include "cmnnameditemsterminology.h"
#include "cmnstringentry.h"
#include "cmnstringentrydialog.h"
#include "tcmnnameditemsvalidator.h"

#include <QMap>
#include <QString>

#include <memory>
#include <utility>

class QWidget;

// Flag bits of a named-items helper.
enum ECmnNamedItemsFlag : quint32 {
    // Set by the sorted and the ordered list controls.
    CmnNamedItemsListControl = 1,
    // Set by the ordered list control only.
    CmnNamedItemsOrderedListControl = 2,
    // Adding offers to start the new item from the current one.
    CmnNamedItemsOfferBaseOnCurrent = 4,
    // The new-name prompt is the name label.
    CmnNamedItemsNameLabelPrompt = 8,
};

// The dialogs of one named-items list: asking for a new name, a new name for an
// item, and an item's name (and value) to edit, each checked against the names in
// use and the reserved names before it is accepted. Its own words are the list's
// terminology. Subclasses may obtain new items by their own means (GetNewItem) or
// edit the value in a dialog of their own (CreateEditDialog).
//
// The plain name dialog comes from the string-entry factory: by default the string
// dialog, which tests replace with a scripted one. Without a factory, every dialog
// counts as cancelled.
template <typename T>
class TCmnNamedItemsHelperBase : public CCmnNamedItemsTerminology
{
public:
    using CValidator = TCmnNamedItemsValidator<T>;

    TCmnNamedItemsHelperBase() = default;
    virtual ~TCmnNamedItemsHelperBase() = default;

    // The accepted name, empty when cancelled. The value may be changed by the
    // subclass's own means or its edit dialog.
    QString AskForNewName(T &value, const CValidator &duplicates, QWidget *parent)
    {
        const QString caption = AddCaption();
        const QString prompt = NewNamePrompt((m_Flags & CmnNamedItemsNameLabelPrompt) != 0);
        QString name;
        if (GetNewItem(name, value, parent))
            return name;
        // The caption stands in the line edit, all selected, for the user to type over.
        name = caption;
        return RunEditDialog(value, duplicates, caption, prompt, name, true, parent);
    }

    // The new name, empty when cancelled or unchanged. Always a plain name dialog:
    // a rename changes the name only.
    QString PromptRename(const CValidator &duplicates, QWidget *parent)
    {
        const QString oldName = duplicates.OldName();
        const QString caption = RenameCaption();
        const QString prompt = RenamePrompt(oldName);
        const CCmnNamedItemsInternalNamesToAvoidValidator reserved(this, m_ReservedNames, oldName);
        for (;;) {
            const std::unique_ptr<CCmnStringEntry> dialog = CreatePlainStringEntry(parent);
            if (!dialog)
                return QString();
            dialog->SetTitle(caption);
            dialog->SetPrompt(prompt);
            dialog->SetValue(oldName);
            dialog->AddValidator(&duplicates);
            dialog->AddValidator(&reserved);
            if (!dialog->Exec())
                return QString();
            const QString name = dialog->Value();
            if (name == oldName)
                return QString();
            if (!name.isEmpty())
                return name;
        }
    }

    // The accepted name, which may be the unchanged old name; empty when cancelled.
    QString AskForEdit(T &value, const CValidator &duplicates, QWidget *parent)
    {
        return RunEditDialog(value, duplicates, EditCaption(), NameLabel(), duplicates.OldName(),
                             false, parent);
    }

    // Whether the user lets the named item go: asked once, and a second time with
    // the delete warning when there is one; No is the default each time.
    bool ConfirmDelete(const QString &name, QWidget *parent) const
    {
        const QString caption = DeleteCaption();
        // The question quotes the item's name, which the user typed.
        const QString question = CmnHtmlEscapedParagraph(ConfirmQuestion(name));
        if (AskYesNo(QMessageBox::Question, true, parent, caption, question) != QMessageBox::Yes)
            return false;
        if (m_DeleteWarning.isEmpty())
            return true;
        const QString warning = QStringLiteral("<p>WARNING!</p><p>%1</p>%2").arg(m_DeleteWarning, question);
        return AskYesNo(QMessageBox::Warning, true, parent, caption, warning) == QMessageBox::Yes;
    }

    // True when the subclass obtained the new item (name and value) by its own means.
    virtual bool GetNewItem(QString &name, T &value, QWidget *parent)
    {
        Q_UNUSED(name);
        Q_UNUSED(value);
        Q_UNUSED(parent);
        return false;
    }

    // The dialog that edits one item. The base asks for the name alone; a subclass
    // may return one that also edits the value, which then lives until the dialog
    // is gone.
    virtual std::unique_ptr<CCmnStringEntry> CreateEditDialog(T &value, QWidget *parent)
    {
        Q_UNUSED(value);
        return CreatePlainStringEntry(parent);
    }

    virtual void PrepareEditDialog(CCmnStringEntry &dialog, const QString &name,
                                   const QString &prompt, bool isNew)
    {
        Q_UNUSED(isNew);
        dialog.SetValue(name);
        dialog.SetPrompt(prompt);
    }

    void SetStringEntryFactory(TCmnStringEntryFactory factory)
    {
        m_StringEntryFactory = std::move(factory);
    }

    // A plain name dialog on the parent; null when there is no factory.
    std::unique_ptr<CCmnStringEntry> CreatePlainStringEntry(QWidget *parent) const
    {
        return m_StringEntryFactory ? m_StringEntryFactory(parent) : nullptr;
    }

    // Bits of ECmnNamedItemsFlag.
    quint32 m_Flags = 0;
    // Upper-case names the user may not give; see
    // CCmnNamedItemsInternalNamesToAvoidValidator for the explanations and notes.
    QMap<QString, QString> m_ReservedNames;

private:
    // Runs the edit dialog until the user accepts a non-empty name or cancels; an
    // accepted empty name asks again, starting from the empty text.
    QString RunEditDialog(T &value, const CValidator &duplicates, const QString &caption,
                          const QString &prompt, QString name, bool isNew, QWidget *parent)
    {
        // Reserved names are refused for new items too: a name the program keeps for
        // itself must not reach the list by any path. An item keeps a name that became
        // reserved after it was given, as long as it is left unchanged.
        const CCmnNamedItemsInternalNamesToAvoidValidator reserved(this, m_ReservedNames,
                                                                   duplicates.OldName());
        for (;;) {
            const std::unique_ptr<CCmnStringEntry> dialog = CreateEditDialog(value, parent);
            if (!dialog)
                return QString();
            dialog->SetTitle(caption);
            PrepareEditDialog(*dialog, name, prompt, isNew);
            dialog->AddValidator(&duplicates);
            dialog->AddValidator(&reserved);
            if (!dialog->Exec())
                return QString();
            name = dialog->Value();
            if (!name.isEmpty())
                return name;
        }
    }

    TCmnStringEntryFactory m_StringEntryFactory = CmnStringEntryDialogFactory();
};
