#pragma once

#include "../../bio/reg/bioregtesting.h"
#include "cmndialogbuttonbox.h"
#include "cmnlineedit.h"
#include "cmnregfieldconfdialog.h"
#include "cmnregfieldssettings.h"
#include "cmntabdialog.h"
#include "testdialogrunnerscope.h"

#include <QPushButton>
#include <QSharedPointer>

#include <functional>

// The settings with every derived part brought up to date, so that a save shows
// what it marks changed.
inline CCmnRegFieldsSettings OrvSettled(CCmnRegFieldsSettings settings)
{
    settings.GetFieldsForContext(0);
    settings.GetSelectRecordLayout();
    settings.GetRecordDetailsLayout();
    settings.NormaliseSelectRecordLayout();
    settings.NormaliseRecordDetailsLayout();
    settings.ComputeAutoSelectRecordLayout();
    settings.ComputeAutoRecordDetailsLayout();
    return settings;
}

inline QSharedPointer<CBioReg> OrvNewBioReg()
{
    return QSharedPointer<CBioReg>::create(BioTestDefaultFieldsSettings());
}

// The document settings dialog as the shell will build it around one fields tab:
// the tab edits the dialog's copy of the settings.
template <typename Tab>
class TOrvFieldsSettingsDialog : public CCmnTabDialog
{
public:
    template <typename... Extra>
    TOrvFieldsSettingsDialog(const CCmnRegFieldsSettings &settings, const QSharedPointer<CCmnReg> &reg,
                             const QString &label, Extra... extra)
        : m_Copy(settings)
        , m_Tab(new Tab(QStringLiteral("Forms"), QStringLiteral("Animal"), QStringLiteral("Animals"), &m_Copy, reg,
                        extra...))
    {
        AddTab(m_Tab, label);
    }

    // True when the dialog closed as accepted.
    bool Ok()
    {
        ButtonBox()->button(QDialogButtonBox::Ok)->click();
        return result() == QDialog::Accepted;
    }

    CCmnRegFieldsSettings m_Copy;
    Tab *m_Tab;
};

// Plays the user of the field configuration dialog: each step may type a name
// and change controls, then presses OK; the dialog is cancelled once the steps
// run out while it is open. Records how each dialog opened. Any other dialog is
// cancelled unseen.
struct COrvFieldDialogUser
{
    struct CStep
    {
        QString m_Name;   // null: the name is left as shown
        std::function<void(CCmnRegFieldConfDialog &)> m_Change;
    };
    struct CShown
    {
        QString m_Title;
        int m_Mode = -1;
        QString m_Prompt;
        QString m_Name;
        bool m_NameReadOnly = false;
    };

    void Ok(const QString &name = QString(), std::function<void(CCmnRegFieldConfDialog &)> change = {})
    {
        m_Steps.append({name, std::move(change)});
    }

    TCmnDialogRunner Runner()
    {
        return [this](QDialog &shown) {
            auto *fieldDialog = qobject_cast<CCmnRegFieldConfDialog *>(&shown);
            if (!fieldDialog)
                return int(QDialog::Rejected);
            CCmnRegFieldConfDialog &dialog = *fieldDialog;
            dialog.Prepare();
            m_Shown.append({dialog.windowTitle(), dialog.Mode(), dialog.m_Prompt, dialog.LineEdit()->text(),
                            dialog.LineEdit()->isReadOnly()});
            while (!m_Steps.isEmpty()) {
                const CStep step = m_Steps.takeFirst();
                if (!step.m_Name.isNull())
                    dialog.LineEdit()->setText(step.m_Name);
                if (step.m_Change)
                    step.m_Change(dialog);
                dialog.ButtonBox()->button(QDialogButtonBox::Ok)->click();
                if (dialog.result() == QDialog::Accepted)
                    return int(QDialog::Accepted);
            }
            dialog.ButtonBox()->button(QDialogButtonBox::Cancel)->click();
            return dialog.result();
        };
    }

    QList<CStep> m_Steps;
    QList<CShown> m_Shown;
};
