#pragma once

#include "cmncombobox.h"
#include "cmnwidgetsetup.h"
#include "tcmnnameditemssethelper.h"

#include <QPointer>
#include <QStringList>

// A combo box listing the items of a set of named items (see
// TCmnNamedItemsSetHelper) with the commands on them below: one entry per
// name, sorted by character code, then the add command and, while a named item
// is current, the delete and rename commands. What each entry stands for is in
// its item data: "!" and the name, "NEW", "DELETE", "RENAME".
//
// It is not a widget: it keeps the combo box, which its owner lays out.
template <typename T, typename TSet>
class TCmnNamedItemsNamesComboBox : public TCmnNamedItemsSetHelper<T, TSet>
{
public:
    explicit TCmnNamedItemsNamesComboBox(QWidget *parent = nullptr)
        : m_ComboBox(new CCmnComboBox(parent))
    {
    }
    ~TCmnNamedItemsNamesComboBox() override
    {
        if (m_ComboBox && !m_ComboBox->parent())
            delete m_ComboBox;
    }
    TCmnNamedItemsNamesComboBox(const TCmnNamedItemsNamesComboBox &) = delete;
    TCmnNamedItemsNamesComboBox &operator=(const TCmnNamedItemsNamesComboBox &) = delete;

    // Lists the set's names and the commands, and selects the current item's entry
    // (the base item's when no named item is current).
    CCmnComboBox *Fill(const TSet &set)
    {
        CmnComboRemoveAllItems(m_ComboBox);
        QStringList names = set.m_NamedThemes.keys();
        names << this->BaseItemName();
        names.sort();
        const QString current = this->CurrentNamedItem(set);
        int currentIndex = -1;
        int baseIndex = -1;
        for (const QString &name : std::as_const(names)) {
            // A named item of the base item's name (from an older file) is the
            // current one: both entries then choose it.
            if (!current.isEmpty() && name == current)
                currentIndex = m_ComboBox->count();
            if (name == this->BaseItemName())
                baseIndex = m_ComboBox->count();
            m_ComboBox->addItem(name, QString(QLatin1Char('!') + name));
        }
        CmnComboAddSeparator(m_ComboBox);
        m_ComboBox->addItem(this->AddCaption() + QStringLiteral("..."), QStringLiteral("NEW"));
        if (!current.isEmpty()) {
            const QString entry = QStringLiteral("%1 '%2'...");
            m_ComboBox->addItem(entry.arg(this->DeleteCaption(), current), QStringLiteral("DELETE"));
            m_ComboBox->addItem(entry.arg(this->RenameCaption(), current), QStringLiteral("RENAME"));
        }
        m_RememberedIndex = currentIndex >= 0 ? currentIndex : baseIndex;
        RestoreIndex();
        return m_ComboBox;
    }

    // Acts on the chosen entry: makes an item current or runs a command, and
    // lists the set again; a cancelled or refused command selects the current
    // item's entry again, so a command never stays selected.
    void HandleIndexChanged(int index, TSet &set, QWidget *parent)
    {
        if (index < 0 || index >= m_ComboBox->count())
            return;
        const QString data = m_ComboBox->itemData(index).toString();
        bool changed = false;
        if (data.startsWith(QLatin1Char('!'))) {
            set.SelectTheme(data.mid(1));
            changed = true;
        } else if (data == QStringLiteral("NEW")) {
            changed = !this->AddNew(set, parent).isEmpty();
        } else if (data == QStringLiteral("DELETE")) {
            changed = !this->DeleteCurrent(set, parent).isEmpty();
        } else if (data == QStringLiteral("RENAME")) {
            const auto [oldName, newName] = this->RenameCurrent(set, parent);
            changed = oldName != newName;
        }
        if (changed)
            Fill(set);
        else
            RestoreIndex();
    }

    // Selects the entry of the current item again; entry 0 before any filling.
    void RestoreIndex() { m_ComboBox->setCurrentIndex(m_RememberedIndex < 0 ? 0 : m_RememberedIndex); }

    CCmnComboBox *ComboBox() const { return m_ComboBox; }
    int RememberedIndex() const { return m_RememberedIndex; }

private:
    // Laid out in its owner's panel, whose Qt parenthood then owns it; freed here
    // only while nothing has taken it.
    QPointer<CCmnComboBox> m_ComboBox;
    int m_RememberedIndex = -1;
};
