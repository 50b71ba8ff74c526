#include "cmnappdescriptor.h"
#include "cmncheckbox.h"
#include "cmncolorbutton.h"
#include "cmncombobox.h"
#include "cmndataexchange.h"
#include "cmndialogbuttonbox.h"
#include "cmnframework.h"
#include "cmnhighlightctrl.h"
#include "cmnhighlightdialog.h"
#include "cmnhighlighteditorflags.h"
#include "cmnhighlightsamplewidget.h"
#include "cmnlabel.h"
#include "cmnpixmapbutton.h"
#include "cmnsystemlocale.h"
#include "cmntabordialogorpanelorpagemixin.h"
#include "cmnwhatsthistexts.h"
#include "paintrecorder.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

const QString kDecoration = QStringLiteral(":/cmn/pixmaps/blue-block-16x16.png");

class CHelpHost : public QWidget, public CCmnTabOrDialogOrPanelOrPageMixin
{
};

// The control placed in a window, as a settings tab places it.
struct CControlWindow
{
    CControlWindow(qint32 flags, qint32 layoutForm, const QString &label = QStringLiteral("E.g."))
        : m_Control(&m_Window, flags, QStringLiteral("CH. Bonzo"), layoutForm, label)
    {
        m_Window.setLayout(m_Control.Layout());
    }

    // Chooses a row of the combo box as the user does.
    void Choose(int row)
    {
        QComboBox *combo = m_Control.ComboBox();
        combo->setCurrentIndex(row);
        emit combo->activated(row);
    }

    QString Shown() const { return m_Control.ComboBox()->lineEdit()->text(); }

    QWidget m_Window;
    CCmnHighlightCtrl m_Control;
};

CCmnHighlight BoldRed()
{
    CCmnHighlight highlight;
    highlight.m_Bold = true;
    highlight.m_TextColor = Qt::red;
    return highlight;
}

bool Click(CCmnHighlightDialog &dialog, QDialogButtonBox::StandardButton which)
{
    dialog.ButtonBox()->button(which)->click();
    return dialog.result() == QDialog::Accepted;
}

// The grid row of a widget in the dialog's grid; -1 when it is not there.
int GridRow(const CCmnHighlightDialog &dialog, QWidget *widget)
{
    auto *grid = qobject_cast<QGridLayout *>(dialog.MainLayout()->itemAt(0)->layout());
    if (!grid || !widget)
        return -1;
    for (int index = 0; index < grid->count(); ++index) {
        QLayoutItem *item = grid->itemAt(index);
        const bool holds = item->widget() == widget
                           || (item->layout() && item->layout()->indexOf(widget) >= 0);
        if (holds) {
            int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
            grid->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
            return row;
        }
    }
    return -1;
}

} // namespace

class TestCmnHighlightEditors : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();

    void presetRowSetsPreset_data();
    void presetRowSetsPreset();
    void customAnswersThroughDialog_data();
    void customAnswersThroughDialog();
    void exchangeMovesHighlight();
    void layoutForms_data();
    void layoutForms();

    void flagsLeaveOutRows_data();
    void flagsLeaveOutRows();
    void dialogLoadsAndSavesOnlyOnOk();
    void hiddenRowsKeepTheirValues();
    void foreignDecorationSurvivesOk();
    void hatchColourOnlyWithHatchStyle();

    void samplePaintsInsideContents_data();
    void samplePaintsInsideContents();
    void sampleHatchesOnlyPatterns_data();
    void sampleHatchesOnlyPatterns();
    void sampleOfTheControlPaintsInNormalColours();

    void builtInHelpCoversEditors();
};

void TestCmnHighlightEditors::initTestCase()
{
    CmnInitFramework(CCmnAppDescriptor());
    CmnGetAppDescriptor().m_ProductDisplayName = "Orvanta";
}

void TestCmnHighlightEditors::presetRowSetsPreset_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("name");
    const QStringList names = CCmnHighlight::PresetNames();
    for (int row = 0; row < names.size(); ++row)
        QTest::newRow(qPrintable(names.at(row))) << row << names.at(row);
}

void TestCmnHighlightEditors::presetRowSetsPreset()
{
    QFETCH(int, row);
    QFETCH(QString, name);
    CControlWindow window(0, 3);
    window.m_Control.SetHighlight(BoldRed());
    window.m_Control.SetDialogRunner([](CCmnHighlightDialog &) {
        QTest::qFail("a preset opened the dialog", __FILE__, __LINE__);
        return int(QDialog::Rejected);
    });

    window.Choose(row);

    QCOMPARE(window.m_Control.Highlight(), CCmnHighlight::Preset(row));
    QCOMPARE(window.Shown(), name);
    QCOMPARE(window.m_Control.SampleWidget()->Highlight(), CCmnHighlight::Preset(row));
}

void TestCmnHighlightEditors::customAnswersThroughDialog_data()
{
    QTest::addColumn<bool>("ok");
    QTest::addColumn<bool>("italic");
    QTest::addColumn<CCmnHighlight>("expected");
    QTest::addColumn<QString>("shown");

    CCmnHighlight boldItalicRed = BoldRed();
    boldItalicRed.m_Italic = true;
    CCmnHighlight red = BoldRed();
    red.m_Bold = false;
    QTest::newRow("cancel keeps the old value") << false << true << BoldRed() << "Custom";
    QTest::newRow("OK takes the dialog's value") << true << true << boldItalicRed << "Custom";
    QTest::newRow("OK on a preset shows its name") << true << false << red << "Red";
}

void TestCmnHighlightEditors::customAnswersThroughDialog()
{
    QFETCH(bool, ok);
    QFETCH(bool, italic);
    QFETCH(CCmnHighlight, expected);
    QFETCH(QString, shown);
    CControlWindow window(CmnHighlightNoHatch | CmnHighlightNoDecoration, 3);
    window.m_Control.SetHighlight(BoldRed());

    int runs = 0;
    QString title;
    qint32 flags = 0;
    QString sampleText;
    bool loadedBold = false;
    window.m_Control.SetDialogRunner([&](CCmnHighlightDialog &dialog) {
        ++runs;
        dialog.Prepare();
        title = dialog.windowTitle();
        flags = dialog.Flags();
        sampleText = dialog.SampleText();
        loadedBold = dialog.BoldCheckBox()->isChecked();
        dialog.ItalicCheckBox()->setChecked(italic);
        if (!italic)
            dialog.BoldCheckBox()->setChecked(false);
        const bool accepted = Click(dialog, ok ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel);
        return int(accepted ? QDialog::Accepted : QDialog::Rejected);
    });

    window.Choose(window.m_Control.ComboBox()->count() - 1);

    // The dialog opened on the control's flags, sample text and highlight.
    QCOMPARE(runs, 1);
    QCOMPARE(title, QString("Highlighting"));
    QCOMPARE(flags, CmnHighlightNoHatch | CmnHighlightNoDecoration);
    QCOMPARE(sampleText, QString("CH. Bonzo"));
    QVERIFY(loadedBold);
    QCOMPARE(window.m_Control.Highlight(), expected);
    QCOMPARE(window.Shown(), shown);
    QCOMPARE(window.m_Control.SampleWidget()->Highlight(), expected);
}

void TestCmnHighlightEditors::exchangeMovesHighlight()
{
    CControlWindow window(0, 0);
    QCOMPARE(window.m_Control.ComboBox()->count(), 8);
    QCOMPARE(window.m_Control.ComboBox()->itemText(7), QString("Custom..."));
    QVERIFY(window.m_Control.ComboBox()->lineEdit()->isReadOnly());

    CCmnHighlight loaded = BoldRed();
    const CCmnDataExchange load(false);
    QVERIFY(window.m_Control.ExchangeHighlight(&load, &loaded));
    QCOMPARE(window.Shown(), QString("Custom"));

    window.Choose(4);
    CCmnHighlight saved;
    const CCmnDataExchange save(true);
    QVERIFY(window.m_Control.ExchangeHighlight(&save, &saved));
    QCOMPARE(saved, CCmnHighlight::Preset(4));
    QVERIFY(window.m_Control.ExchangeHighlight(&save, nullptr));
}

void TestCmnHighlightEditors::layoutForms_data()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("vertical");
    QTest::addColumn<bool>("comboFirst");

    QTest::newRow("0: combo box alone") << 0 << "E.g." << "" << false << true;
    QTest::newRow("1: sample above") << 1 << "E.g." << "E.g.:" << true << false;
    QTest::newRow("2: sample below") << 2 << "E.g." << "E.g.:" << true << true;
    QTest::newRow("3: sample after") << 3 << "E.g." << " E.g.:" << false << true;
    QTest::newRow("7: sample before") << 7 << "E.g." << "E.g.:" << false << false;
    QTest::newRow("3 without a label") << 3 << "" << "" << false << true;
}

void TestCmnHighlightEditors::layoutForms()
{
    QFETCH(int, form);
    QFETCH(QString, label);
    QFETCH(QString, caption);
    QFETCH(bool, vertical);
    QFETCH(bool, comboFirst);
    CControlWindow window(0, form, label);
    const CCmnHighlightCtrl &control = window.m_Control;

    QCOMPARE(control.SampleWidget() != nullptr, form != 0);
    QCOMPARE(control.Label() ? control.Label()->text() : QString(), caption);
    if (control.SampleWidget())
        QVERIFY(!control.SampleWidget()->isEnabled());
    auto *layout = qobject_cast<QBoxLayout *>(control.Layout());
    QVERIFY(layout);
    QCOMPARE(layout->direction() == QBoxLayout::TopToBottom, vertical);
    QCOMPARE(control.Widgets().first() == control.ComboBox(), comboFirst);
    // The caption always comes right before the sample.
    if (control.Label()) {
        const qsizetype at = control.Widgets().indexOf(control.Label());
        QCOMPARE(control.Widgets().value(at + 1), control.SampleWidget());
    }
}

void TestCmnHighlightEditors::flagsLeaveOutRows_data()
{
    QTest::addColumn<int>("flags");
    QTest::addColumn<bool>("style");
    QTest::addColumn<bool>("textColour");
    QTest::addColumn<bool>("hatch");
    QTest::addColumn<bool>("decoration");
    QTest::addColumn<bool>("sample");

    QTest::newRow("every row") << 0 << true << true << true << true << true;
    QTest::newRow("no decoration") << 0x02 << true << true << true << false << true;
    QTest::newRow("no hatch") << 0x04 << true << true << false << true << true;
    QTest::newRow("no text colour") << 0x08 << true << false << true << true << true;
    QTest::newRow("no text style") << 0x10 << false << true << true << true << true;
    QTest::newRow("no sample") << 0x20 << true << true << true << true << false;
    QTest::newRow("title highlighting") << 0x06 << true << true << false << false << true;
    QTest::newRow("decoration and sample only") << 0x1C << false << false << false << true << true;
}

void TestCmnHighlightEditors::flagsLeaveOutRows()
{
    QFETCH(int, flags);
    QFETCH(bool, style);
    QFETCH(bool, textColour);
    QFETCH(bool, hatch);
    QFETCH(bool, decoration);
    QFETCH(bool, sample);
    CCmnHighlightDialog dialog(flags, QString());
    dialog.Prepare();

    QCOMPARE(dialog.BoldCheckBox() != nullptr, style);
    QCOMPARE(dialog.UnderlineCheckBox() != nullptr, style);
    QCOMPARE(dialog.TextColorButton() != nullptr, textColour);
    QCOMPARE(dialog.HatchStyleComboBox() != nullptr, hatch);
    QCOMPARE(dialog.HatchColorButton() != nullptr, hatch);
    QCOMPARE(dialog.DecorationButton() != nullptr, decoration);
    QCOMPARE(dialog.SampleWidget() != nullptr, sample);
    if (sample)
        QCOMPARE(dialog.SampleWidget()->SampleText(), QString("Sample"));

    // The rows present follow each other from row 0, each label beside its editor
    // and naming it as its buddy; the sample takes the next row.
    const QString colour = CmnColourWord().toLower();
    const QList<std::pair<CCmnLabel *, QString>> labels{{dialog.TextStyleLabel(), "Text style:"},
                                                        {dialog.TextColorLabel(), "Text " + colour + ":"},
                                                        {dialog.HatchStyleLabel(), "Hatch style:"},
                                                        {dialog.HatchColorLabel(), "Hatch " + colour + ":"},
                                                        {dialog.DecorationLabel(), "Decoration:"}};
    int row = 0;
    for (const auto &[label, text] : labels) {
        if (!label)
            continue;
        QCOMPARE(label->text().remove(QLatin1Char('&')), text);
        QCOMPARE(GridRow(dialog, label), row);
        QCOMPARE(GridRow(dialog, label->buddy()), row);
        ++row;
    }
    QCOMPARE(GridRow(dialog, dialog.SampleWidget()), sample ? row : -1);
}

void TestCmnHighlightEditors::dialogLoadsAndSavesOnlyOnOk()
{
    CCmnHighlight start = BoldRed();
    start.m_HatchStyle = Qt::BDiagPattern;
    start.m_HatchColor = Qt::blue;
    start.m_Decoration = kDecoration;
    CCmnHighlightDialog dialog(CmnHighlightDecorationFirst, QStringLiteral("CH. Bonzo"));
    dialog.SetHighlight(start);
    dialog.Prepare();

    QVERIFY(dialog.BoldCheckBox()->isChecked());
    QVERIFY(!dialog.ItalicCheckBox()->isChecked());
    QCOMPARE(dialog.TextColorButton()->Value(), QColor(Qt::red));
    QCOMPARE(dialog.HatchStyleComboBox()->currentData().toInt(), int(Qt::BDiagPattern));
    QCOMPARE(dialog.HatchColorButton()->Value(), QColor(Qt::blue));
    QCOMPARE(dialog.DecorationButton()->Value(), kDecoration);
    QCOMPARE(dialog.SampleWidget()->Highlight(), start);
    QVERIFY(dialog.SampleWidget()->DecorationFirst());

    // Every change shows on the sample at once, but the highlight waits for OK.
    dialog.UnderlineCheckBox()->setChecked(true);
    dialog.HatchStyleComboBox()->setCurrentIndex(dialog.HatchStyleComboBox()->findData(int(Qt::CrossPattern)));
    CCmnHighlight edited = start;
    edited.m_Underline = true;
    edited.m_HatchStyle = Qt::CrossPattern;
    QCOMPARE(dialog.SampleWidget()->Highlight(), edited);
    QCOMPARE(dialog.Highlight(), start);

    QVERIFY(Click(dialog, QDialogButtonBox::Ok));
    QCOMPARE(dialog.Highlight(), edited);
}

void TestCmnHighlightEditors::hiddenRowsKeepTheirValues()
{
    CCmnHighlight start;
    start.m_Italic = true;
    start.m_HatchStyle = Qt::Dense4Pattern;
    start.m_HatchColor = Qt::yellow;
    start.m_Decoration = kDecoration;
    CCmnHighlightDialog dialog(CmnHighlightNoHatch | CmnHighlightNoDecoration, QString());
    dialog.SetHighlight(start);
    dialog.Prepare();

    dialog.BoldCheckBox()->setChecked(true);
    CCmnHighlight expected = start;
    expected.m_Bold = true;
    // The sample shows what OK saves, hatching and decoration included.
    QCOMPARE(dialog.SampleWidget()->Highlight(), expected);
    QVERIFY(Click(dialog, QDialogButtonBox::Ok));
    QCOMPARE(dialog.Highlight(), expected);
}

void TestCmnHighlightEditors::foreignDecorationSurvivesOk()
{
    // A decoration a document names that is none of the built-in images.
    CCmnHighlight start = BoldRed();
    start.m_Decoration = QStringLiteral("/photos/rosette.png");
    CCmnHighlightDialog dialog(0, QString());
    dialog.SetHighlight(start);
    dialog.Prepare();
    QCOMPARE(dialog.DecorationButton()->Value(), start.m_Decoration);
    QVERIFY(Click(dialog, QDialogButtonBox::Ok));
    QCOMPARE(dialog.Highlight(), start);
}

void TestCmnHighlightEditors::hatchColourOnlyWithHatchStyle()
{
    CCmnHighlightDialog dialog(0, QString());
    dialog.Prepare();
    QVERIFY(!dialog.HatchColorButton()->isEnabled());
    QVERIFY(!dialog.HatchColorLabel()->isEnabled());

    QComboBox *styles = dialog.HatchStyleComboBox();
    styles->setCurrentIndex(styles->findData(int(Qt::HorPattern)));
    QVERIFY(dialog.HatchColorButton()->isEnabled());
    QVERIFY(dialog.HatchColorLabel()->isEnabled());
    QCOMPARE(dialog.SampleWidget()->Highlight().m_HatchStyle, int(Qt::HorPattern));

    styles->setCurrentIndex(styles->findData(int(Qt::NoBrush)));
    QVERIFY(!dialog.HatchColorButton()->isEnabled());
}

void TestCmnHighlightEditors::samplePaintsInsideContents_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("width");
    QTest::addColumn<bool>("decorated");
    QTest::addColumn<bool>("decorationFirst");

    QTest::newRow("short text") << "CH. Bonzo" << 300 << false << false;
    QTest::newRow("short text, decoration after") << "CH. Bonzo" << 300 << true << false;
    QTest::newRow("short text, decoration first") << "CH. Bonzo" << 300 << true << true;
    const QString wide = "Int. CH. Multi CH. Bonzo of the Long Kennel Name";
    QTest::newRow("wider than the widget") << wide << 60 << false << false;
    QTest::newRow("wider, decoration first") << wide << 60 << true << true;
    QTest::newRow("wider, decoration after") << wide << 60 << true << false;
}

void TestCmnHighlightEditors::samplePaintsInsideContents()
{
    QFETCH(QString, text);
    QFETCH(int, width);
    QFETCH(bool, decorated);
    QFETCH(bool, decorationFirst);
    CCmnHighlightSampleWidget sample(decorationFirst, text);
    CCmnHighlight highlight = BoldRed();
    if (decorated)
        highlight.m_Decoration = kDecoration;
    sample.SetHighlight(highlight);
    sample.resize(width, sample.sizeHint().height());
    const QRect r = sample.contentsRect();

    CPaintRecorder recorder(sample.size());
    sample.render(&recorder);

    QCOMPARE(recorder.Texts().size(), 1);
    const CPaintRecorder::SText &painted = recorder.Texts().first();
    QCOMPARE(painted.m_Color, QColor(Qt::red));
    QVERIFY2(painted.m_Origin.x() >= r.left(), qPrintable(QString::number(painted.m_Origin.x())));
    QCOMPARE(recorder.Pixmaps().size(), decorated ? 1 : 0);
    if (decorated) {
        const QRectF image = recorder.Pixmaps().first().m_Target;
        QVERIFY2(image.left() >= r.left(), qPrintable(QString::number(image.left())));
        QVERIFY(image.top() >= r.top());
        // Before the text, or after it with the gap.
        if (decorationFirst)
            QVERIFY(image.right() < painted.m_Origin.x());
        else
            QVERIFY(image.left() >= painted.Right());
    }
    // A text that fits is centred with what goes with it; one that does not starts
    // at the left edge.
    const qreal used = painted.m_Width + (decorated ? recorder.Pixmaps().first().m_Target.width() + 5 : 0);
    if (used <= r.width()) {
        const qreal left = decorated && decorationFirst ? recorder.Pixmaps().first().m_Target.left()
                                                        : painted.m_Origin.x();
        QVERIFY(qAbs(left - (r.left() + (r.width() - used) / 2)) <= 1.5);
    } else {
        const qreal left = decorated && decorationFirst ? recorder.Pixmaps().first().m_Target.left()
                                                        : painted.m_Origin.x();
        QVERIFY(left - r.left() <= 1);
    }
}

void TestCmnHighlightEditors::sampleHatchesOnlyPatterns_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<bool>("hatched");

    QTest::newRow("none") << 0 << QColor(Qt::blue) << false;
    QTest::newRow("diagonal cross") << int(Qt::DiagCrossPattern) << QColor(Qt::blue) << true;
    QTest::newRow("dense, default colour") << int(Qt::Dense3Pattern) << QColor() << true;
    QTest::newRow("gradient from a damaged file") << int(Qt::LinearGradientPattern) << QColor(Qt::blue) << false;
    QTest::newRow("negative from a damaged file") << -3 << QColor(Qt::blue) << false;
}

void TestCmnHighlightEditors::sampleHatchesOnlyPatterns()
{
    QFETCH(int, style);
    QFETCH(QColor, colour);
    QFETCH(bool, hatched);
    CCmnHighlightSampleWidget sample(false, QStringLiteral("CH. Bonzo"));
    CCmnHighlight highlight;
    highlight.m_HatchStyle = style;
    highlight.m_HatchColor = colour;
    sample.SetHighlight(highlight);
    sample.resize(sample.sizeHint());

    CPaintRecorder recorder(sample.size());
    sample.render(&recorder);

    QList<CPaintRecorder::SFill> hatches;
    for (const CPaintRecorder::SFill &fill : recorder.Fills()) {
        if (fill.m_Brush.style() != Qt::NoBrush && fill.m_Rect == QRectF(sample.contentsRect()))
            hatches << fill;
    }
    QCOMPARE(hatches.size(), hatched ? 1 : 0);
    if (hatched) {
        QCOMPARE(hatches.first().m_Brush.style(), Qt::BrushStyle(style));
        const QColor expected = colour.isValid() ? colour : sample.palette().color(QPalette::WindowText);
        QCOMPARE(hatches.first().m_Brush.color(), expected);
    }
}

void TestCmnHighlightEditors::builtInHelpCoversEditors()
{
    CmnLoadWhatsThisTexts();

    CHelpHost host;
    host.SetHelpPage(QStringLiteral("CDocumentGeneralSettingsTab.html"));
    CCmnHighlightCtrl control(&host, 6, QStringLiteral("CH. Bonzo"), 3, QStringLiteral("E.g."));
    control.RegisterWhatsThis(&host, QStringLiteral("TitleHighlighting"));
    QVERIFY(!control.ComboBox()->whatsThis().isEmpty());
    QCOMPARE(control.SampleWidget()->whatsThis(), control.ComboBox()->whatsThis());
    host.setLayout(control.Layout());

    CCmnHighlightDialog dialog(0, QString());
    dialog.Prepare();
    QStringList withoutHelp;
    const QList<QWidget *> helped{dialog.BoldCheckBox(),       dialog.ItalicCheckBox(),
                                  dialog.UnderlineCheckBox(),  dialog.TextColorButton(),
                                  dialog.HatchStyleComboBox(), dialog.HatchColorButton(),
                                  dialog.DecorationButton(),   dialog.SampleWidget()};
    for (QWidget *widget : helped) {
        if (widget->whatsThis().isEmpty())
            withoutHelp << QString::fromLatin1(widget->metaObject()->className());
    }
    QCOMPARE(withoutHelp, QStringList());
    QVERIFY(dialog.HasWhatsThis());
}

// The control's sample takes no clicks, yet the Bold preset must not look greyed.
void TestCmnHighlightEditors::sampleOfTheControlPaintsInNormalColours()
{
    CControlWindow window(0, 3);
    window.m_Control.SetHighlight(CCmnHighlight::Preset(CCmnHighlight::PresetNames().indexOf("Bold")));
    CCmnHighlightSampleWidget *sample = window.m_Control.SampleWidget();
    QVERIFY(!sample->isEnabled());
    sample->resize(sample->sizeHint());
    const QImage image = sample->grab().toImage();
    int dark = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            dark += qGray(image.pixel(x, y)) < 80 ? 1 : 0;
    }
    QVERIFY2(dark > 20, qPrintable(QString::number(dark)));
}

QTEST_MAIN(TestCmnHighlightEditors)
#include "tst_cmnhighlighteditors.moc"
