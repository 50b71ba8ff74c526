#include "bioregcoversheet.h"
#include "bioregcoversheetsettings.h"
#include "bioregcoversheetstickystate.h"
#include "biofoldstylecombobox.h"

#include "../reg/bioregtesting.h"
#include "biodefaulttheme.h"
#include "cmncombobox.h"
#include "cmndatastream.h"
#include "cmnformbox.h"
#include "cmngraphicsrectitemex.h"
#include "cmnrememberedvalues.h"
#include "cmntheme.h"
#include "cmnthemedformautoparams.h"
#include "cmnthemedformboxgenericdataelt.h"
#include "cmnthemedformboxgenericlayoutelt.h"
#include "cmnwidgetsetup.h"
#include "../../cmn/forms/formtesting.h"
#include "rendertesting.h"
#include "streamtesting.h"

#include <QDir>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

using CSettings = CBioRegCoverSheetSettings;

QByteArray WriteSettings(const CSettings &settings)
{
    return CmnTestStreamBytes([&](QDataStream &out) { settings.Write(out); });
}

QByteArray BreedingBlock(const CSettings &settings)
{
    return CmnTestStreamBytes([&](QDataStream &out) { settings.CBioRegThemedFormSettings::Write(out); });
}

QByteArray SplitBytes(const CCmnFormBoxSplitSettings &split)
{
    return CmnTestStreamBytes([&](QDataStream &out) { split.Write(out); });
}

// A landscape page of 1100 x 850 at 100 dots per inch with a cover sheet on it,
// over a register of a sire, a dam and their foal (the subject).
class CCoverFixture
{
public:
    CCoverFixture()
        : m_Reg(QSharedPointer<CBioReg>::create(BioTestDefaultFieldsSettings()))
    {
        BioCreateTerminology();
        m_Sire = AddAnimal(*m_Reg, QStringLiteral("Smith & Jones <UK>"), 1);
        m_Dam = AddAnimal(*m_Reg, QStringLiteral("Lady Gwendolyn of the Long Meadow Beyond the Hill"), 2);
        m_Foal = AddAnimal(*m_Reg, QStringLiteral("Brackenfield Foal"), 0, m_Sire, m_Dam);
        m_Sticky->m_SubjectRecNo = m_Foal;
        m_Scene.setSceneRect(0, 0, 1100, 850);
        m_Scene.addItem(m_Page);
    }

    CBioRegCoverSheet &Build(bool designMode = false)
    {
        m_Form = std::make_unique<CBioRegCoverSheet>(QPointF(0, 0), QSizeF(1100, 850), QSizeF(100, 100), m_Reg,
                                                     m_Settings, m_Sticky, nullptr);
        m_Form->BuildBoxes(m_Theme, m_Default, &m_Params, m_Page);
        m_Form->ApplyTheme(QString(), m_Theme, m_Default, &m_Params, 0);
        m_Form->ApplyGrabs();
        m_Form->RefreshBoxes(0);
        m_Form->SetOnScreen(true);
        m_Form->SetDesignMode(designMode);
        m_Form->LayoutFormBoxes();
        return *m_Form;
    }

    QSharedPointer<CCmnFormBox> Box(qint32 id) const { return id > 0 ? m_Form->GetBox(id) : nullptr; }

    QImage Render() const
    {
        QImage image(1100, 850, QImage::Format_ARGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        m_Scene.render(&painter);
        return image;
    }

    QSharedPointer<CBioReg> m_Reg;
    QSharedPointer<CSettings> m_Settings = QSharedPointer<CSettings>::create();
    QSharedPointer<CBioRegCoverSheetStickyState> m_Sticky = QSharedPointer<CBioRegCoverSheetStickyState>::create();
    mutable QGraphicsScene m_Scene;
    QGraphicsRectItem *m_Page = new QGraphicsRectItem(0, 0, 1100, 850);
    CCmnTheme m_Theme;
    const CCmnTheme &m_Default = BioGetDefaultTheme();
    CCmnThemedFormAutoParams m_Params;
    std::unique_ptr<CBioRegCoverSheet> m_Form;
    int m_Sire = 0;
    int m_Dam = 0;
    int m_Foal = 0;
};

} // namespace

class TestBioRegCoverSheet : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { CmnCreateRememberedValues(); }

    void defaultSettings()
    {
        const CSettings settings;
        QCOMPARE(settings.m_FoldStyle, 1);
        QVERIFY(settings.m_ShowPicture);
        QCOMPARE(settings.m_Orientation, 1u);
        QVERIFY(!settings.m_ShowLeftHeaderOrnament);
        QCOMPARE(settings.m_OneFoldSplit.m_Proportions, (QList<double>{0.5, 0.5}));
        QVERIFY(settings.m_OneFoldSplit.m_Horizontal);
        // The stored constant, not a third.
        QCOMPARE(settings.m_TwoFoldSplit.m_Proportions, (QList<double>{0.3333, 0.3333, 0.3333}));
        QCOMPARE(settings.m_FrontSplit.m_Proportions, (QList<double>{0.6, 0.4}));
        QVERIFY(!settings.m_FrontSplit.m_Horizontal);
        for (const CCmnFormBoxSplitSettings *split :
             {&settings.m_OneFoldSplit, &settings.m_TwoFoldSplit, &settings.m_FrontSplit}) {
            QVERIFY(split->m_Dividers);
            QVERIFY(!split->m_EqualSplit);
            QCOMPARE(split->m_DividerColor, QColor(0xB7, 0xB9, 0xFF));
            QCOMPARE(split->m_Gap, CCmnMetric());
        }
    }

    void streamFollowsTheBreedingBlock()
    {
        CSettings settings;
        const QByteArray head = BreedingBlock(settings);
        const QByteArray splits = SplitBytes(settings.m_OneFoldSplit) + SplitBytes(settings.m_TwoFoldSplit)
                                + SplitBytes(settings.m_FrontSplit);
        QCOMPARE(WriteSettings(settings), head + QByteArray::fromHex("6000010101") + splits);
        QCOMPARE(SplitBytes(settings.m_OneFoldSplit).left(1), QByteArray::fromHex("21"));

        settings.m_FoldStyle = 2;
        settings.m_ShowPicture = false;
        settings.m_FrontSplit.m_Proportions = {0.7, 0.3};
        CSettings read;
        QVERIFY(read.FromByteArray(settings.ToByteArray()));
        QVERIFY(read == settings);
        QCOMPARE(settings.ToByteArray(), WriteSettings(settings));
    }

    void readsOlderAndDamagedBlocks_data()
    {
        QTest::addColumn<QByteArray>("middle");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("foldStyle");
        QTest::addColumn<bool>("showPicture");
        QTest::newRow("no picture flag") << QByteArray::fromHex("60000200") << true << 2 << true;
        QTest::newRow("picture off") << QByteArray::fromHex("6000000100") << true << 0 << false;
        QTest::newRow("fold style out of range") << QByteArray::fromHex("6000070101") << true << 2 << true;
        QTest::newRow("another tag") << QByteArray::fromHex("6100010101") << false << 1 << true;
        QTest::newRow("another version") << QByteArray::fromHex("6001010101") << false << 1 << true;
    }
    void readsOlderAndDamagedBlocks()
    {
        QFETCH(QByteArray, middle);
        QFETCH(bool, ok);
        QFETCH(int, foldStyle);
        QFETCH(bool, showPicture);
        const CSettings defaults;
        const QByteArray bytes = BreedingBlock(defaults) + middle + SplitBytes(defaults.m_OneFoldSplit)
                               + SplitBytes(defaults.m_TwoFoldSplit) + SplitBytes(defaults.m_FrontSplit);
        CSettings read;
        read.m_FoldStyle = 1;
        QCOMPARE(read.FromByteArray(bytes), ok);
        QCOMPARE(read.m_FoldStyle, foldStyle);
        QCOMPARE(read.m_ShowPicture, showPicture);
    }

    void everyCutIsRefused()
    {
        CSettings settings;
        settings.m_FoldStyle = 0;
        const QByteArray bytes = settings.ToByteArray();
        for (qsizetype length = 0; length < bytes.size(); ++length) {
            CSettings read;
            QVERIFY2(!read.FromByteArray(bytes.left(length)), qPrintable(QString::number(length)));
            QCOMPARE(read.m_FoldStyle, 1);
        }
    }

    void buildsBoxesPerFoldStyle_data()
    {
        QTest::addColumn<int>("foldStyle");
        QTest::addColumn<bool>("showPicture");
        QTest::addColumn<QList<double>>("contentShares");
        QTest::newRow("unfolded, title alone") << 0 << false << QList<double>();
        QTest::newRow("unfolded") << 0 << true << QList<double>();
        QTest::newRow("one fold") << 1 << true << QList<double>{0.5, 0.5};
        QTest::newRow("two folds") << 2 << true << QList<double>{0.3333, 0.3333, 0.3333};
        QTest::newRow("two folds, title alone") << 2 << false << QList<double>{0.3333, 0.3333, 0.3333};
    }
    void buildsBoxesPerFoldStyle()
    {
        QFETCH(int, foldStyle);
        QFETCH(bool, showPicture);
        QFETCH(QList<double>, contentShares);
        CCoverFixture fixture;
        fixture.m_Settings->m_FoldStyle = foldStyle;
        fixture.m_Settings->m_ShowPicture = showPicture;
        CBioRegCoverSheet &form = fixture.Build();

        // Ids follow the skeleton (root 1, content 2) in the order flap, reverse,
        // front, picture, title.
        QList<qint32> expected;
        qint32 next = 3;
        const auto take = [&next, &expected](bool exists) {
            if (!exists)
                return 0;
            expected.append(next);
            return next++;
        };
        QCOMPARE(form.FlapId(), take(foldStyle == 2));
        QCOMPARE(form.ReverseId(), take(foldStyle != 0));
        QCOMPARE(form.FrontId(), take(true));
        QCOMPARE(form.PictureId(), take(showPicture));
        QCOMPARE(form.TitleId(), take(true));
        QCOMPARE(form.Boxes().keys(), (QList<qint32>{1, 2} + expected));

        const QSharedPointer<CCmnFormBox> content = fixture.Box(form.ContentId());
        QCOMPARE(content->Children().size(), foldStyle + 1);
        QCOMPARE(content->Children().last().m_Box, fixture.Box(form.FrontId()));
        QCOMPARE(content->ActiveMode(), qint32(CmnFormBoxNeverFilled));
        QCOMPARE(content->PropertyMode(CmnFormBoxSplitSettings) == CmnFormBoxPropertyOwn, foldStyle != 0);
        if (foldStyle != 0) {
            QCOMPARE(content->GetSplitSettings().m_Proportions, contentShares);
            QVERIFY(content->GetSplitSettings().m_Horizontal);
            QCOMPARE(content->GetSplitSettings().m_Gap, CCmnMetric(0, 0.15));
        }

        const QSharedPointer<CCmnFormBox> front = fixture.Box(form.FrontId());
        QVERIFY(front->IsClickable());
        QCOMPARE(front->ActiveMode(), qint32(CmnFormBoxNeverFilled));
        QCOMPARE(front->Children().size(), showPicture ? 2 : 1);
        QCOMPARE(front->Children().last().m_Box, fixture.Box(form.TitleId()));
        QCOMPARE(front->PropertyMode(CmnFormBoxSplitSettings) == CmnFormBoxPropertyOwn, showPicture);
        if (showPicture)
            QCOMPARE(front->GetSplitSettings().m_Proportions, (QList<double>{0.6, 0.4}));
        for (qint32 id : {form.FlapId(), form.ReverseId(), form.PictureId(), form.TitleId()}) {
            if (id == 0)
                continue;
            QVERIFY(fixture.Box(id)->IsClickable());
            QCOMPARE(fixture.Box(id)->ActiveMode(), qint32(CmnFormBoxFilledWithContent));
        }
    }

    void dividerMovesAreKeptForTheFoldStyleShown_data()
    {
        QTest::addColumn<int>("foldStyle");
        QTest::newRow("unfolded") << 0;
        QTest::newRow("one fold") << 1;
        QTest::newRow("two folds") << 2;
    }
    void dividerMovesAreKeptForTheFoldStyleShown()
    {
        QFETCH(int, foldStyle);
        CCoverFixture fixture;
        fixture.m_Settings->m_FoldStyle = foldStyle;
        CBioRegCoverSheet &form = fixture.Build();
        const CSettings before;

        // Unfolded, the content has no division of its own to drag.
        if (CCmnFormBoxSplitSettings *content = fixture.Box(form.ContentId())->FindSplitSettings();
            content && foldStyle != 0) {
            content->m_Proportions.first() = 0.2;
            content->m_Proportions.last() = 0.8 - (content->m_Proportions.size() - 2) * 0.3333;
        }
        form.StoreSplitSettings(form.ContentId());
        QCOMPARE(fixture.m_Settings->m_OneFoldSplit == before.m_OneFoldSplit, foldStyle != 1);
        QCOMPARE(fixture.m_Settings->m_TwoFoldSplit == before.m_TwoFoldSplit, foldStyle != 2);
        if (foldStyle != 0)
            QCOMPARE((foldStyle == 1 ? fixture.m_Settings->m_OneFoldSplit : fixture.m_Settings->m_TwoFoldSplit)
                         .m_Proportions.first(),
                     0.2);

        fixture.Box(form.FrontId())->FindSplitSettings()->m_Proportions = {0.75, 0.25};
        form.StoreSplitSettings(form.FrontId());
        QCOMPARE(fixture.m_Settings->m_FrontSplit.m_Proportions, (QList<double>{0.75, 0.25}));
        form.StoreSplitSettings(form.TitleId());
        QCOMPARE(fixture.m_Settings->m_FrontSplit.m_Proportions, (QList<double>{0.75, 0.25}));
    }

    // The front without the photo resolves to the content's division: that
    // never replaces the front's own.
    void frontWithoutPhotoStoresNoDivision()
    {
        CCoverFixture fixture;
        fixture.m_Settings->m_FoldStyle = 2;
        fixture.m_Settings->m_ShowPicture = false;
        CBioRegCoverSheet &form = fixture.Build();
        form.StoreSplitSettings(form.FrontId());
        QCOMPARE(fixture.m_Settings->m_FrontSplit, CSettings().m_FrontSplit);
    }

    void dragInDesignModeReachesTheSettings()
    {
        CCoverFixture fixture;
        CBioRegCoverSheet &form = fixture.Build(true);
        connect(&form, &CCmnForm::SignalDividerMoved, &form, [&form](int boxId, int) { form.StoreSplitSettings(boxId); });
        const auto divider = std::find_if(form.Dividers().cbegin(), form.Dividers().cend(),
                                          [&](const CCmnFormDivider &d) { return d.m_BoxId == form.ContentId(); });
        QVERIFY(divider != form.Dividers().cend());
        const QPointF at = divider->m_Item->pos() + QPointF(0, 400);
        OrvDragInScene(fixture.m_Scene, at, at - QPointF(200, 0));
        QVERIFY(fixture.m_Settings->m_OneFoldSplit.m_Proportions.first() < 0.45);
    }

    void titleAndPlaceholdersFollowTheSubject_data()
    {
        QTest::addColumn<int>("subject");
        QTest::addColumn<bool>("placeholders");
        QTest::newRow("remembered none yet") << -1 << false;
        QTest::newRow("none") << 0 << false;
        QTest::newRow("no such record") << 99 << true;
        QTest::newRow("foal") << 3 << true;
    }
    void titleAndPlaceholdersFollowTheSubject()
    {
        QFETCH(int, subject);
        QFETCH(bool, placeholders);
        CCoverFixture fixture;
        fixture.m_Settings->m_FoldStyle = 2;
        fixture.m_Sticky->m_SubjectRecNo = subject;
        CBioRegCoverSheet &form = fixture.Build();
        form.SetTitleToolTip(QStringLiteral("Click to start a new cover sheet & more"));

        QCOMPARE(fixture.Box(form.ReverseId())->ToolTip(),
                 placeholders ? QStringLiteral("Click to set reverse (back page) text") : QString());
        QCOMPARE(fixture.Box(form.FlapId())->ToolTip(),
                 placeholders ? QStringLiteral("Click to set inside flap text") : QString());
        QCOMPARE(fixture.Box(form.PictureId())->ToolTip(),
                 placeholders ? QStringLiteral("Click to set %1's photo").arg(GetBioTerm(0, BioTermLowerCase))
                              : QString());
        form.RefreshBoxes(0);
        QCOMPARE(fixture.Box(form.TitleId())->ToolTip(),
                 QStringLiteral("Click to start a new cover sheet &amp; more"));
        QCOMPARE(fixture.Box(form.TitleId())->Text().contains(QStringLiteral("Brackenfield Foal")),
                 subject == fixture.m_Foal);
    }

    void notificationsRefreshOnlyWhatConcernsTheSheet_data()
    {
        QTest::addColumn<int>("about");
        QTest::addColumn<int>("code");
        QTest::addColumn<bool>("refreshed");
        QTest::newRow("subject changed") << 3 << 2 << true;
        QTest::newRow("another record changed") << 1 << 2 << false;
        QTest::newRow("sire set on another record") << 1 << 101 << true;
        QTest::newRow("dam set on another record") << 2 << 102 << true;
        QTest::newRow("subject added") << 3 << 1 << false;
        QTest::newRow("subject deleted") << 3 << 3 << false;
    }
    void notificationsRefreshOnlyWhatConcernsTheSheet()
    {
        QFETCH(int, about);
        QFETCH(int, code);
        QFETCH(bool, refreshed);
        CCoverFixture fixture;
        CBioRegCoverSheet &form = fixture.Build();
        // Renamed without telling the form: only a refresh shows the new name.
        ReplaceWith(*fixture.m_Reg, fixture.m_Foal,
                    [](CBioRegRecord &record) { record.m_Name = QStringLiteral("Renamed & Co"); });
        const QSharedPointer<CCmnFormBox> reverse = fixture.Box(form.ReverseId());
        reverse->SetToolTip(QString());
        form.HandleRegRecordNotification(about, code);
        QCOMPARE(fixture.Box(form.TitleId())->Text().contains(QStringLiteral("Renamed &amp; Co")), refreshed);
        QCOMPARE(reverse->ToolTip().isEmpty(), !refreshed);
    }

    void defaultCoverElementChangeRebuilds()
    {
        CCoverFixture fixture;
        CBioRegCoverSheet &form = fixture.Build();
        QVERIFY(form.ApplyTheme(QStringLiteral("CMN-DEFAULT"), fixture.m_Theme, fixture.m_Default,
                                &fixture.m_Params, 0));
        auto *title = static_cast<CCmnThemedFormBoxGenericLayoutElt *>(
            fixture.m_Theme.GetEltForWrite(QStringLiteral("COVERSHEET-TITLE-LAYOUT"), fixture.m_Default));
        title->m_Payload.m_FillColor = {false, QColor(Qt::yellow)};
        auto *reverse = static_cast<CCmnThemedFormBoxGenericLayoutElt *>(
            fixture.m_Theme.GetEltForWrite(QStringLiteral("COVERSHEET-REVERSE-LAYOUT"), fixture.m_Default));
        reverse->m_Payload.m_FillColor = {false, QColor(Qt::cyan)};
        QVERIFY(!form.ApplyTheme(QStringLiteral("COVERSHEET-TITLE-LAYOUT"), fixture.m_Theme, fixture.m_Default,
                                 &fixture.m_Params, 0));
        QCOMPARE(fixture.Box(form.TitleId())->GetFillColor(), QColor(Qt::yellow));
        QVERIFY(fixture.Box(form.ReverseId())->GetFillColor() != QColor(Qt::cyan));
    }

    // Title 160 percent of the form default's size, reverse and flap at it,
    // border the built-in one whatever the form default says.
    void textBoxesFallBackOnTheFormDefault()
    {
        CCoverFixture fixture;
        auto *formDefault = static_cast<CCmnThemedFormBoxGenericLayoutElt *>(
            fixture.m_Theme.GetEltForWrite(QStringLiteral("CMN-DEFAULT"), fixture.m_Default));
        formDefault->m_Payload.m_TextSize = {false, QStringLiteral(";10;")};
        formDefault->m_Payload.m_BorderStyle = {false, {CCmnMetric(0, 0.5), 0, Qt::DotLine}};
        formDefault->m_Payload.m_FillColor = {false, QColor(Qt::cyan)};
        auto *header = static_cast<CCmnThemedFormBoxGenericLayoutElt *>(
            fixture.m_Theme.GetEltForWrite(QStringLiteral("CMN-HEADER"), fixture.m_Default));
        header->m_Payload.m_TextSize = {false, QStringLiteral(";30;")};
        fixture.m_Settings->m_FoldStyle = 2;
        CBioRegCoverSheet &form = fixture.Build();
        QCOMPARE(fixture.Box(form.TitleId())->GetTextSize(), QStringLiteral(";16;"));
        for (qint32 id : {form.ReverseId(), form.FlapId()}) {
            QCOMPARE(fixture.Box(id)->GetTextSize(), QStringLiteral(";10;"));
            QCOMPARE(fixture.Box(id)->GetFillColor(), QColor(Qt::cyan));
            QCOMPARE(fixture.Box(id)->GetBorderStyle().m_Thickness, CCmnMetric(0, 0.01));
        }
    }

    void subjectIsRemembered()
    {
        const QString prefix = QStringLiteral("doc7_anicoversheet");
        CBioRegCoverSheetStickyState state;
        state.m_SubjectRecNo = 5;
        state.ExchangeRememberedValues(true, prefix);
        QCOMPARE(state.m_SubjectRecNo, -1);
        state.m_SubjectRecNo = 12;
        state.ExchangeRememberedValues(false, prefix);
        QCOMPARE(CmnGetRememberedValues()->Value(prefix + QStringLiteral("_subjectrecno")).toInt(), 12);
        CBioRegCoverSheetStickyState loaded;
        loaded.ExchangeRememberedValues(true, prefix);
        QCOMPARE(loaded.m_SubjectRecNo, 12);
        loaded.m_SubjectRecNo = -4;
        QCOMPARE(loaded.SubjectRecNo(), 0);
    }

    void foldStyleComboBox_data()
    {
        QTest::addColumn<QList<int>>("codes");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("all") << QList<int>() << QStringList{"Fold: Unfolded", "Fold: 1 Fold", "Fold: 2 Folds"};
        QTest::newRow("listed") << QList<int>{2, 7} << QStringList{"Fold: 2 Folds", "Fold: ??"};
    }
    void foldStyleComboBox()
    {
        QFETCH(QList<int>, codes);
        QFETCH(QStringList, texts);
        std::unique_ptr<CCmnComboBox> combo(BioCreateFoldStyleComboBox(
            codes.isEmpty() ? std::nullopt : std::optional<QList<int>>(codes), QStringLiteral("Fold: "), nullptr));
        QStringList shown;
        for (int i = 0; i < combo->count(); ++i)
            shown.append(combo->itemText(i));
        QCOMPARE(shown, texts);
        QCOMPARE(combo->maxVisibleItems(), int(texts.size()));
        QCOMPARE(combo->itemData(0).toInt(), codes.isEmpty() ? 0 : codes.first());

        combo->setCurrentIndex(1);
        for (int index : {-1, int(texts.size())}) {
            CmnSetComboCurrentIndex(combo.get(), index);
            QCOMPARE(combo->currentIndex(), 1);
        }
        CmnSetComboCurrentIndex(combo.get(), 0);
        QCOMPARE(combo->currentIndex(), 0);
    }

    // For a look: unfolded, one fold and two folds with the foal's photo.
    void rendersEachFoldStyle()
    {
        QTemporaryDir folder;
        QImage photo(320, 240, QImage::Format_RGB32);
        photo.fill(QColor(0x8B, 0x5A, 0x2B));
        {
            QPainter painter(&photo);
            painter.setBrush(QColor(0xF0, 0xE0, 0xC0));
            painter.drawEllipse(QRect(90, 40, 140, 160));
        }
        const QString photoPath = folder.filePath(QStringLiteral("foal.png"));
        QVERIFY(photo.save(photoPath));
        for (int foldStyle : {0, 1, 2}) {
            CCoverFixture fixture;
            ReplaceWith(*fixture.m_Reg, fixture.m_Foal,
                        [&](CBioRegRecord &record) {
                            record.m_Photo.SetFilePath(photoPath);
                            record.m_Name = QStringLiteral("Smith & Jones <UK> Lady Gwendolyn of the Long Meadow");
                        });
            auto *reverse = static_cast<CCmnThemedFormBoxGenericDataElt *>(
                fixture.m_Theme.GetEltForWrite(QStringLiteral("COVERSHEET-REVERSE-DATA"), fixture.m_Default));
            reverse->m_Payload.SetText(QStringLiteral("Bred by Smith & Jones <UK>\nBrackenfield Kennels"), false);
            fixture.m_Settings->m_FoldStyle = foldStyle;
            CBioRegCoverSheet &form = fixture.Build();
            const QImage image = fixture.Render();
            const QSharedPointer<CCmnFormBox> picture = fixture.Box(form.PictureId());
            QVERIFY(picture->IsFilled());
            QVERIFY(fixture.Box(form.TitleId())->Text().contains(QStringLiteral("Smith &amp; Jones &lt;UK&gt; Lady")));
            const QString file = QStringLiteral("orvanta-coversheet-fold%1.png").arg(foldStyle);
            QVERIFY(OrvKeepForReview(image, file));
        }
    }
};

QTEST_MAIN(TestBioRegCoverSheet)
#include "tst_bioregcoversheet.moc"
