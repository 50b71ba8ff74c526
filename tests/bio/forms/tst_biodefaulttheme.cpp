#include "biodefaulttheme.h"

#include "biothemedformwithancestrypanelscelldata.h"
#include "biothemedformwithancestrypanelscelllayout.h"
#include "bioterminology.h"
#include "bioterminologysettings.h"
#include "cmndatastream.h"
#include "cmntheme.h"
#include "cmnthemedformboxgenericdataelt.h"
#include "cmnthemedformboxgenericlayoutelt.h"

#include <QTest>

namespace {

QString Text(CCmnTheme &theme, const QString &name)
{
    const auto *element =
        dynamic_cast<const CCmnThemedFormBoxGenericDataElt *>(theme.GetElt(name, BioGetDefaultTheme()));
    return element ? element->m_Payload.m_Text.m_Text : QStringLiteral("(missing)");
}

} // namespace

class TestBioDefaultTheme : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        // The user's own words must not reach the built-in texts.
        BioCreateTerminology();
        CBioTerminologySettings words;
        words.ApplySpeciesDefaults(BioSpeciesOther);
        words.ApplySpeciesDefaults(BioSpeciesCustom);
        words.SetWord(BioTermSire, false, QStringLiteral("Stallion"), false);
        BioSetTerminology(words);
    }

    void holdsEveryElementOnce()
    {
        QCOMPARE(&BioGetDefaultTheme(), &BioGetDefaultTheme());
        QCOMPARE(BioGetDefaultTheme().Elements().size(), 45);
        QVERIFY(BioGetDefaultTheme().Stored().isEmpty());
    }

    // Every name the forms ask for, with the class its stored bytes are read into.
    void namesEveryElementWithItsClass()
    {
        enum EClass { Layout, Data, CellLayout, CellData };
        const QList<QPair<const char *, EClass>> expected{
            {"CMN-DEFAULT", Layout},
            {"CMN-HEADER", Layout},
            {"CMN-FOOTER", Layout},
            {"CMN-RIGHTHEADERORNAMENT-LAYOUT", Layout},
            {"CMN-RIGHTHEADERORNAMENT-DATA", Data},
            {"CMN-LEFTHEADERORNAMENT-LAYOUT", Layout},
            {"CMN-LEFTHEADERORNAMENT-DATA", Data},
            {"COVERSHEET-TITLE-LAYOUT", Layout},
            {"COVERSHEET-TITLE-DATA", Data},
            {"COVERSHEET-REVERSE-LAYOUT", Layout},
            {"COVERSHEET-REVERSE-DATA", Data},
            {"COVERSHEET-FLAP-LAYOUT", Layout},
            {"COVERSHEET-FLAP-DATA", Data},
            {"COVERSHEET-PIC-LAYOUT", Layout},
            {"COVERSHEET-PIC-DATA", Data},
            {"PEDIGREE-ROOT-LAYOUT", Layout},
            {"PEDIGREE-ROOT-DATA", Data},
            {"PEDIGREE-TITLE-LAYOUT", Layout},
            {"PEDIGREE-TITLE-DATA", Data},
            {"PEDIGREE-DETAILS-LAYOUT", Layout},
            {"PEDIGREE-DETAILS-DATA", Data},
            {"PEDIGREE-ANCESTORSPANEL0-LAYOUT", Layout},
            {"PEDIGREE-ANCESTORSPANEL0-DATA", Data},
            {"PEDIGREE-ANCESTORSPANEL0-CELLLAYOUT", CellLayout},
            {"PEDIGREE-ANCESTORSPANEL0-CELLDATA", CellData},
            {"PEDIGREE-PIC-LAYOUT", Layout},
            {"PEDIGREE-PIC-DATA", Data},
            {"PEDIGREE-LEFTFOOTERORNAMENT-LAYOUT", Layout},
            {"PEDIGREE-LEFTFOOTERORNAMENT-DATA", Data},
            {"TRIALMATING-ROOT-LAYOUT", Layout},
            {"TRIALMATING-ROOT-DATA", Data},
            {"TRIALMATING-TITLE-LAYOUT", Layout},
            {"TRIALMATING-TITLE-DATA", Data},
            {"TRIALMATING-ANCESTORSPANEL0-LAYOUT", Layout},
            {"TRIALMATING-ANCESTORSPANEL0-DATA", Data},
            {"TRIALMATING-ANCESTORSPANEL0-CELLLAYOUT", CellLayout},
            {"TRIALMATING-ANCESTORSPANEL0-CELLDATA", CellData},
            {"TRIALMATING-SIREPIC-LAYOUT", Layout},
            {"TRIALMATING-SIREPIC-DATA", Data},
            {"TRIALMATING-SIREDETAILS-LAYOUT", Layout},
            {"TRIALMATING-SIREDETAILS-DATA", Data},
            {"TRIALMATING-DAMPIC-LAYOUT", Layout},
            {"TRIALMATING-DAMPIC-DATA", Data},
            {"TRIALMATING-DAMDETAILS-LAYOUT", Layout},
            {"TRIALMATING-DAMDETAILS-DATA", Data},
        };
        const auto &elements = BioGetDefaultTheme().Elements();
        QCOMPARE(elements.size(), expected.size());
        int texts = 0;
        for (const auto &[name, kind] : expected) {
            const CCmnThemeElt *element = elements.value(QLatin1String(name)).data();
            QVERIFY2(element, name);
            QCOMPARE(element->Name(), QLatin1String(name));
            bool ofClass = false;
            switch (kind) {
            case Layout: ofClass = dynamic_cast<const CCmnThemedFormBoxGenericLayoutElt *>(element); break;
            case Data: ofClass = dynamic_cast<const CCmnThemedFormBoxGenericDataElt *>(element); break;
            case CellLayout:
                ofClass = dynamic_cast<const CBioThemedFormWithAncestryPanelsCellLayoutElt *>(element);
                break;
            case CellData: ofClass = dynamic_cast<const CBioThemedFormWithAncestryPanelsCellDataElt *>(element); break;
            }
            QVERIFY2(ofClass, name);
            // Every layout but the left logo's leaves all to the theme's fallbacks.
            if (kind == Layout && qstrcmp(name, "CMN-LEFTHEADERORNAMENT-LAYOUT") != 0) {
                QCOMPARE(static_cast<const CCmnThemedFormBoxGenericLayoutElt *>(element)->m_Payload,
                         CCmnThemedFormBoxGenericLayout());
            }
            if (kind == Data) {
                const CCmnThemedFormBoxGenericData &data =
                    static_cast<const CCmnThemedFormBoxGenericDataElt *>(element)->m_Payload;
                QVERIFY2(data.m_Picture.IsEmpty() && !data.m_Text.m_Html, name);
                texts += data.m_Text.m_Text.isEmpty() ? 0 : 1;
            }
        }
        // The nine texts of textsOfAnEmptyTheme; every other data element is empty.
        QCOMPARE(texts, 9);
    }

    void textsOfAnEmptyTheme_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::newRow("cover title") << QStringLiteral("COVERSHEET-TITLE-DATA")
                                     << QStringLiteral("{S 120}Pedigree Of{/S}\n{S 150}[#Name]{/S}\n{S 50}[$b * L]{/S}");
        QTest::newRow("pedigree title") << QStringLiteral("PEDIGREE-TITLE-DATA")
                                        << QStringLiteral("Pedigree Of\n{S 120}[#Name]{/S}\n{S 40}[$b * L]{/S}");
        QTest::newRow("trial title")
            << QStringLiteral("TRIALMATING-TITLE-DATA")
            << QStringLiteral("{S 120}Trial Mating Of{/S}\n{S 150}[#Sire]{/S}\nx\n{S 150}[#Dam]{/S}\n{S 50}[$b * L]{/S}");
        QTest::newRow("signature") << QStringLiteral("PEDIGREE-LEFTFOOTERORNAMENT-DATA")
                                   << QStringLiteral("I certify this pedigree to be true.  Signed: ")
                                          + QString(22, QLatin1Char('.'));
        QTest::newRow("reverse") << QStringLiteral("COVERSHEET-REVERSE-DATA")
                                 << QStringLiteral("Click to edit reverse (back page) text");
        QTest::newRow("flap") << QStringLiteral("COVERSHEET-FLAP-DATA")
                              << QStringLiteral("Click to edit inside flap text");
        QTest::newRow("details") << QStringLiteral("PEDIGREE-DETAILS-DATA") << QStringLiteral("[$b * T]");
        QTest::newRow("sire details") << QStringLiteral("TRIALMATING-SIREDETAILS-DATA")
                                      << QStringLiteral("[#Name]:\n[$b * T]");
        QTest::newRow("dam details") << QStringLiteral("TRIALMATING-DAMDETAILS-DATA")
                                     << QStringLiteral("[#Name]:\n[$b * T]");
        QTest::newRow("picture") << QStringLiteral("COVERSHEET-PIC-DATA") << QString();
    }
    void textsOfAnEmptyTheme()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        CCmnTheme theme;
        QCOMPARE(Text(theme, name), text);
    }

    void leftLogoSetsOnlyItsSize()
    {
        CCmnTheme theme;
        const auto *logo = dynamic_cast<const CCmnThemedFormBoxGenericLayoutElt *>(
            theme.GetElt(QStringLiteral("CMN-LEFTHEADERORNAMENT-LAYOUT"), BioGetDefaultTheme()));
        QVERIFY(logo);
        CCmnThemedFormBoxGenericLayout expected;
        expected.m_TextSize = {false, QStringLiteral(";24;")};
        QCOMPARE(logo->m_Payload, expected);
        const auto *formDefault = dynamic_cast<const CCmnThemedFormBoxGenericLayoutElt *>(
            theme.GetElt(QStringLiteral("CMN-DEFAULT"), BioGetDefaultTheme()));
        QCOMPARE(formDefault->m_Payload, CCmnThemedFormBoxGenericLayout());
    }

    void cellElementsHoldTheDefaultTexts()
    {
        CCmnTheme theme;
        for (const QString &panel : {QStringLiteral("PEDIGREE"), QStringLiteral("TRIALMATING")}) {
            const QString stem = panel + QStringLiteral("-ANCESTORSPANEL0");
            const auto *data = dynamic_cast<const CBioThemedFormWithAncestryPanelsCellDataElt *>(
                theme.GetElt(stem + QStringLiteral("-CELLDATA"), BioGetDefaultTheme()));
            QVERIFY(data);
            QCOMPARE(data->m_Payload.Entry(4, 0)->m_Text.m_Text, QStringLiteral("[#Name]\n[@ * L 70]"));
            QCOMPARE(data->m_Payload.Entry(4, 3)->m_Text.m_Text, QStringLiteral("[#Name] [@ * , 70]"));
            const auto *layout = dynamic_cast<const CBioThemedFormWithAncestryPanelsCellLayoutElt *>(
                theme.GetElt(stem + QStringLiteral("-CELLLAYOUT"), BioGetDefaultTheme()));
            QVERIFY(layout);
            QCOMPARE(layout->m_Payload, CBioThemedFormWithAncestryPanelsCellLayout());
        }
    }

    // Stored bytes are read through the default theme's element of that name:
    // a name it does not know never becomes an element.
    void onlyKnownNamesMaterialise()
    {
        CCmnTheme edited;
        auto *known = new CCmnThemedFormBoxGenericDataElt(QStringLiteral("COVERSHEET-FLAP-DATA"));
        known->m_Payload.SetText(QStringLiteral("Smith & Jones <UK>"), false);
        edited.AddElt(known);
        auto *unknown = new CCmnThemedFormBoxGenericDataElt(QStringLiteral("COVERSHEET-BACKFLAP-DATA"));
        unknown->m_Payload.SetText(QStringLiteral("lost"), false);
        edited.AddElt(unknown);
        QByteArray bytes;
        {
            QDataStream out(&bytes, QIODevice::WriteOnly);
            CmnPrepareDataStream(out);
            edited.Write(out);
        }
        CCmnTheme stored;
        QDataStream in(bytes);
        CmnPrepareDataStream(in);
        QVERIFY(stored.Read(in));
        QCOMPARE(Text(stored, QStringLiteral("COVERSHEET-FLAP-DATA")), QStringLiteral("Smith & Jones <UK>"));
        QVERIFY(!stored.GetElt(QStringLiteral("COVERSHEET-BACKFLAP-DATA"), BioGetDefaultTheme()));
    }
};

QTEST_GUILESS_MAIN(TestBioDefaultTheme)
#include "tst_biodefaulttheme.moc"
