#pragma once

#include "bioregthemedforminterface.h"

#include "../reg/bioregtesting.h"
#include "biodefaulttheme.h"
#include "bioreg.h"
#include "cmninterfacehostwidget.h"
#include "cmnthemeset.h"

#include <QSharedPointer>

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
    void Show(const QString &kind)
    {
        m_Host.SetInterfacesEnabled(true);
        m_Host.SelectKind(kind, false, true);
    }

    QSharedPointer<CBioReg> m_Reg;
    QSharedPointer<CCmnThemeSet> m_Themes;
    CBioFormViewTestHost m_Host;
};
