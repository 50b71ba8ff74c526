#pragma once

#include "bioregthemedforminterface.h"

#include "../reg/bioregtesting.h"
#include "biodefaulttheme.h"
#include "bioreg.h"
#include "bioregtrialmatingsettings.h"
#include "bioregrecordgeneraltab.h"
#include "bioregrecordselectdialog.h"
#include "bioregrecordtabdialog.h"
#include "cmncombobox.h"
#include "cmnformboxevent.h"
#include "cmninterfacehostwidget.h"
#include "cmnlineedit.h"
#include "cmnmessageboxbutton.h"
#include "cmnmessageboxpresenter.h"
#include "cmnlistview.h"
#include "cmntabwidget.h"
#include "cmnthemeset.h"
#include "testdialogrunnerscope.h"

#include <QGraphicsSceneContextMenuEvent>
#include <QGraphicsSceneMouseEvent>
#include <QList>
#include <QMessageBox>
#include <QSharedPointer>
#include <QTabWidget>

#include <memory>

// For the tests of the breeding forms' view: the document window's part (the
// three kinds under their labels and the view made for their interface type),
// a register of animals and the built-in theme.

inline const QString kBioFormViewInterfaceType = QStringLiteral("BIOREGTHEMEDFORMINTERFACE");
inline const QString kBioFormViewCoverSheet = QStringLiteral("COVERSHEET");
inline const QString kBioFormViewPedigree = QStringLiteral("PEDIGREE");
inline const QString kBioFormViewTrialMating = QStringLiteral("TRIALMATING");

class CBioFormViewTestHost : public CCmnInterfaceHostWidget
{
public:
    CBioFormViewTestHost()
    {
        RegisterKind(QStringLiteral("Pedigree"), kBioFormViewInterfaceType, kBioFormViewPedigree);
        RegisterKind(QStringLiteral("Cover Sheet"), kBioFormViewInterfaceType, kBioFormViewCoverSheet);
        RegisterKind(QStringLiteral("Trial Mating"), kBioFormViewInterfaceType, kBioFormViewTrialMating);
        CreateInterfaces({});
    }

    CBioRegThemedFormInterface *View() const { return m_View.data(); }

protected:
    QSharedPointer<CCmnInterface> CreateInterface(const QString &interfaceName, QWidget *parent) override
    {
        if (interfaceName != kBioFormViewInterfaceType)
            return {};
        auto view = QSharedPointer<CBioRegThemedFormInterface>::create(QStringLiteral("biothemedforminterface"),
                                                                       parent);
        m_View = view;
        return view;
    }

private:
    QSharedPointer<CBioRegThemedFormInterface> m_View;
};

// "Animal 01", "Animal 02" ... alternately male and female, the host with its
// view, the built-in theme; the register's notifications reach the host.
struct CBioFormViewFixture
{
    explicit CBioFormViewFixture(int animals = 0)
        : m_Reg(QSharedPointer<CBioReg>::create(BioTestDefaultFieldsSettings()))
    {
        for (int i = 1; i <= animals; ++i)
            AddAnimal(*m_Reg, QStringLiteral("Animal %1").arg(i, 2, 10, QLatin1Char('0')), i % 2 ? 1 : 2);
        m_Themes = QSharedPointer<CCmnThemeSet>::create();
        m_Themes->m_BaseTheme = BioGetDefaultTheme();
        // As a document is installed: the words first.
        m_Host.UpdateTexts();
        View()->SetThemes(m_Themes);
        View()->SetRegister(m_Reg);
        QObject::connect(m_Reg.data(), &CCmnReg::RegRecordNotification, &m_Host,
                         [this](CCmnReg *reg, int id, int code) { m_Host.HandleRegRecordNotification(reg, id, code); });
    }

    CBioRegThemedFormInterface *View() const { return m_Host.View(); }
    // Every box of the trial mating, not only its defaults', so that each can be pressed.
    void ShowEveryTrialMatingBox()
    {
        for (bool *shown : {&View()->TrialMatingSettings()->m_ShowSirePictureBox,
                            &View()->TrialMatingSettings()->m_ShowDamPictureBox,
                            &View()->TrialMatingSettings()->m_ShowSireDetailsBox,
                            &View()->TrialMatingSettings()->m_ShowDamDetailsBox})
            *shown = true;
    }
    void Show(const QString &kind)
    {
        m_Host.SetInterfacesEnabled(true);
        m_Host.SelectKind(kind, false, true);
    }

    QSharedPointer<CBioReg> m_Reg;
    QSharedPointer<CCmnThemeSet> m_Themes;
    CBioFormViewTestHost m_Host;
};

// A left-button press or a context-menu request on a box, at a screen point.
class CBioFormViewBoxEvent
{
public:
    CBioFormViewBoxEvent(qint32 kind, qint32 boxId, const QPoint &screenPos = QPoint(300, 200))
    {
        m_Event.m_Kind = kind;
        m_Event.m_BoxId = boxId;
        if (kind == CCmnFormBoxEvent::MousePress) {
            m_Press.setButton(Qt::LeftButton);
            m_Press.setScreenPos(screenPos);
            m_Event.m_MouseEvent = &m_Press;
        } else {
            m_Context.setScreenPos(screenPos);
            m_Event.m_ContextEvent = &m_Context;
        }
    }
    CCmnFormBoxEvent *Get() { return &m_Event; }

private:
    QGraphicsSceneMouseEvent m_Press{QEvent::GraphicsSceneMousePress};
    QGraphicsSceneContextMenuEvent m_Context{QEvent::GraphicsSceneContextMenu};
    CCmnFormBoxEvent m_Event;
};

// Answers the animal windows in order, for its lifetime, and records what each
// showed: a record window gets a name typed and OK (an empty name: Cancel), a
// select window gets the animal chosen and OK (0: Cancel; a refused animal leaves
// the window open, which is then cancelled). Any other window is cancelled.
class CBioFormViewWindows
{
public:
    struct CShown
    {
        QString m_Title;
        // The record window's tab and the sex it starts with.
        QString m_Tab;
        int m_Sex = 0;
        // The select window's current animal and sex filter as it opens.
        int m_Current = 0;
        int m_SexFilter = 0;
    };

    CBioFormViewWindows()
        : m_Scope(std::make_unique<CTestDialogRunnerScope>([this](QDialog &dialog) { return Answer(dialog); }))
    {
    }

    // The sex too, so that the window does not ask about a missing one.
    void Type(const QString &name, int sex = 0)
    {
        m_Answers.append(name);
        m_Sexes.append(sex);
    }
    void Choose(int recordId)
    {
        m_Answers.append(QString::number(recordId));
        m_Sexes.append(0);
    }

    QList<CShown> m_Shown;

private:
    int Answer(QDialog &dialog)
    {
        CShown shown;
        shown.m_Title = dialog.windowTitle();
        const QString answer = m_Answers.isEmpty() ? QString() : m_Answers.takeFirst();
        const int sex = m_Sexes.isEmpty() ? 0 : m_Sexes.takeFirst();
        int result = QDialog::Rejected;
        if (auto *window = qobject_cast<CBioRegRecordTabDialog *>(&dialog)) {
            shown.m_Tab = window->TabWidget()->tabText(window->TabWidget()->currentIndex()).remove(QLatin1Char('&'));
            shown.m_Sex = window->GeneralTab()->SexComboBox()->currentData().toInt();
            if (!answer.isEmpty()) {
                window->GeneralTab()->NameEdit()->setText(answer);
                if (sex > 0) {
                    CCmnComboBox *sexes = window->GeneralTab()->SexComboBox();
                    sexes->setCurrentIndex(sexes->findData(sex));
                }
                window->accept();
                result = window->result();
            }
        } else if (auto *select = qobject_cast<CBioRegRecordSelectDialog *>(&dialog)) {
            const QModelIndex current = select->ListView()->currentIndex();
            shown.m_Current = current.isValid() ? select->GetRecordIdAt(current.row()) : 0;
            shown.m_SexFilter = select->m_SexFilter;
            if (answer.toInt() > 0) {
                select->SetCurrentRecord(answer.toInt());
                result = OrvAcceptDialog(*select);
            }
        }
        m_Shown.append(shown);
        return result;
    }

    QStringList m_Answers;
    QList<int> m_Sexes;
    std::unique_ptr<CTestDialogRunnerScope> m_Scope;
};

// The buttons of a question as they read; "Cancel" for the standard one.
inline QStringList BioFormViewButtonTexts(const CCmnMessageBoxRequest &request)
{
    QStringList texts;
    for (const CCmnMessageBoxButton &button : request.m_Buttons)
        texts.append(button.m_Text.isEmpty() && button.m_StandardButton == QMessageBox::Cancel
                         ? QStringLiteral("Cancel")
                         : button.m_Text);
    return texts;
}
