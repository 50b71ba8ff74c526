#include "cmnthemesnamescombobox.h"

#include "cmncombobox.h"
#include "cmnthemeset.h"
#include "cmnwidgetsetup.h"

#include <QStringList>

CCmnThemesNamesComboBox::CCmnThemesNamesComboBox(QWidget *parent)
    : m_ComboBox(new CCmnComboBox(parent))
{
    Set(QStringLiteral("Theme"), QStringLiteral("Theme"), QStringLiteral("Name"));
}

CCmnThemesNamesComboBox::~CCmnThemesNamesComboBox()
{
    if (m_ComboBox && !m_ComboBox->parent())
        delete m_ComboBox;
}

CCmnComboBox *CCmnThemesNamesComboBox::Fill(const CCmnThemeSet &themes)
{
    CmnComboRemoveAllItems(m_ComboBox);
    QStringList names = themes.m_NamedThemes.keys();
    names << BaseThemeName();
    names.sort();
    // A saved theme named like the base theme wins: it is the one drawn.
    const bool namedCurrent = themes.m_NamedThemes.contains(themes.m_CurrentThemeName);
    int currentIndex = -1;
    int baseIndex = -1;
    for (const QString &name : std::as_const(names)) {
        if (name == themes.m_CurrentThemeName)
            currentIndex = m_ComboBox->count();
        if (name == BaseThemeName())
            baseIndex = m_ComboBox->count();
        m_ComboBox->addItem(name, QString(QLatin1Char('!') + name));
    }
    CmnComboAddSeparator(m_ComboBox);
    m_ComboBox->addItem(AddCaption() + QStringLiteral("..."), QStringLiteral("NEW"));
    // The base theme can be neither deleted nor renamed.
    if (namedCurrent) {
        const QString entry = QStringLiteral("%1 '%2'...");
        m_ComboBox->addItem(entry.arg(DeleteCaption(), themes.m_CurrentThemeName), QStringLiteral("DELETE"));
        m_ComboBox->addItem(entry.arg(RenameCaption(), themes.m_CurrentThemeName), QStringLiteral("RENAME"));
    }
    m_RememberedIndex = namedCurrent && currentIndex >= 0 ? currentIndex : baseIndex;
    RestoreIndex();
    return m_ComboBox;
}

void CCmnThemesNamesComboBox::RestoreIndex()
{
    m_ComboBox->setCurrentIndex(m_RememberedIndex < 0 ? 0 : m_RememberedIndex);
}
