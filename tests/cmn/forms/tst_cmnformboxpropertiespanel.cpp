#include "cmnformboxpropertiesdialog.h"
#include "cmnformboxpropertiespanel.h"
#include "cmnformboxpropertiestab.h"

#include "cmndialogbuttonbox.h"
#include "cmnpushbutton.h"
#include "cmnsystemsettings.h"
#include "cmntabdialog.h"
#include "cmntext.h"
#include "testfilechooserscope.h"

#include <QBuffer>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

QStringList GroupBoxTitles(const QWidget &window)
{
    QStringList titles;
    for (const QGroupBox *box : window.findChildren<QGroupBox *>())
        titles << box->title();
    return titles;
}

void ClickOk(CCmnDialogEx &dialog)
{
    dialog.ButtonBox()->button(QDialogButtonBox::Ok)->click();
}

} // namespace

class TestCmnFormBoxPropertiesPanel : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void onlyAddedControlsReportAutomatic();
    void automaticQueriesOfLengthAndScale();
    void textComesBackTrimmed();
    void hasPictureOnlyWhenAddedToAnEmptyBox_data();
    void hasPictureOnlyWhenAddedToAnEmptyBox();
    void builtInLabelsSpellByLocale_data();
    void builtInLabelsSpellByLocale();
    void lengthWithoutLabelNeverShowsAnInternalName();
    void tabLaysOutItsPanelWhenShown();
    void panelOutlivesItsDialog();
    void untouchedControlsGiveBackTheirValues();
};

void TestCmnFormBoxPropertiesPanel::init()
{
    CmnCreateSystemSettings();
}

void TestCmnFormBoxPropertiesPanel::cleanup()
{
    CmnDestroySystemSettings();
}

void TestCmnFormBoxPropertiesPanel::onlyAddedControlsReportAutomatic()
{
    CCmnFormBoxPropertiesDialog dialog;
    CCmnFormBoxPropertiesPanel &panel = *dialog.Panel();
    panel.AddFillColorCtrl(true, Qt::red, Qt::transparent);
    dialog.PrepareRun();
    QVERIFY(panel.IsFillColorAutomatic());

    panel.FillColorCtrl()->AutomaticButton()->click();
    ClickOk(dialog);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(!panel.IsFillColorAutomatic());
    QCOMPARE(panel.m_FillColor, QColor(Qt::red));
    QVERIFY(!panel.IsBorderColorAutomatic());
    QVERIFY(!panel.IsBorderStyleAutomatic());
    QVERIFY(!panel.IsFillStyleAutomatic());
    QVERIFY(!panel.IsPaddingAutomatic());
    QVERIFY(!panel.IsPicturePosAutomatic());
    QVERIFY(!panel.IsTextAlignAutomatic());
    QVERIFY(!panel.IsTextColorAutomatic());
    QVERIFY(!panel.IsTextFaceAutomatic());
    QVERIFY(!panel.IsTextSizeAutomatic());
    QVERIFY(!panel.IsTextScaleAutomatic());
    QVERIFY(!panel.IsSingleExtentAutomatic());
    QVERIFY(!panel.HasPicture());
    QCOMPARE(panel.m_Text, QString());
}

void TestCmnFormBoxPropertiesPanel::automaticQueriesOfLengthAndScale()
{
    CCmnFormBoxPropertiesDialog dialog;
    CCmnFormBoxPropertiesPanel &panel = *dialog.Panel();
    panel.AddSingleExtentCtrl(true, CCmnMetric(0, 0.2), CCmnMetric(0, 0.15), "Box Gap");
    panel.AddTextScaleCtrl(false, 0.5, 0.0);
    dialog.PrepareRun();
    QVERIFY(panel.IsSingleExtentAutomatic());
    QVERIFY(!panel.IsTextScaleAutomatic());

    panel.SingleExtentCtrl()->AutomaticButton()->click();
    panel.TextScaleCtrl()->AutomaticButton()->click();
    ClickOk(dialog);
    QVERIFY(!panel.IsSingleExtentAutomatic());
    QVERIFY(panel.IsTextScaleAutomatic());
    QCOMPARE(panel.m_SingleExtent, CCmnMetric(0, 0.2));
}

void TestCmnFormBoxPropertiesPanel::textComesBackTrimmed()
{
    CCmnFormBoxPropertiesDialog dialog;
    CCmnFormBoxPropertiesPanel &panel = *dialog.Panel();
    panel.AddTextCtrl("Title", 3, true, {});
    dialog.PrepareRun();
    panel.TextEdit()->setPlainText("  Smith & Jones <UK>\n ");
    panel.HtmlCheckBox()->setChecked(true);
    ClickOk(dialog);
    QCOMPARE(panel.m_Text, QString("Smith & Jones <UK>"));
    QVERIFY(panel.m_Html);
}

void TestCmnFormBoxPropertiesPanel::hasPictureOnlyWhenAddedToAnEmptyBox_data()
{
    QTest::addColumn<bool>("photoAtStart");
    QTest::addColumn<bool>("choosePhoto");
    QTest::addColumn<bool>("hasPicture");

    QTest::newRow("added to an empty box") << false << true << true;
    QTest::newRow("replaced") << true << true << false;
    QTest::newRow("kept") << true << false << false;
    QTest::newRow("left empty") << false << false << false;
}

void TestCmnFormBoxPropertiesPanel::hasPictureOnlyWhenAddedToAnEmptyBox()
{
    QFETCH(bool, photoAtStart);
    QFETCH(bool, choosePhoto);
    QFETCH(bool, hasPicture);
    QImage image(4, 2, QImage::Format_RGB32);
    image.fill(qRgb(200, 120, 40));
    QTemporaryDir folder;
    const QString path = folder.filePath("Smith & Jones <UK>.png");
    QVERIFY(image.save(path, "PNG"));

    CCmnFormBoxPropertiesDialog dialog;
    CCmnFormBoxPropertiesPanel &panel = *dialog.Panel();
    if (photoAtStart) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        panel.m_Picture.SetImageBytes(buffer.data());
    }
    panel.AddPictureCtrl("Photo", {});
    dialog.PrepareRun();
    if (choosePhoto) {
        const CTestFileChooserScope chooser(path);
        panel.PicCtrl()->SelectButton()->click();
    }
    ClickOk(dialog);
    QCOMPARE(panel.HasPicture(), hasPicture);
}

void TestCmnFormBoxPropertiesPanel::builtInLabelsSpellByLocale_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QStringList>("titles");

    QTest::newRow("United States") << QLocale(QLocale::English, QLocale::UnitedStates)
                                   << QStringList{"Border Color", "Fill Color", "Text Color"};
    QTest::newRow("Canada") << QLocale(QLocale::French, QLocale::Canada)
                            << QStringList{"Border Color", "Fill Color", "Text Color"};
    QTest::newRow("United Kingdom") << QLocale(QLocale::English, QLocale::UnitedKingdom)
                                    << QStringList{"Border Colour", "Fill Colour", "Text Colour"};
}

void TestCmnFormBoxPropertiesPanel::builtInLabelsSpellByLocale()
{
    QFETCH(QLocale, locale);
    QFETCH(QStringList, titles);
    CCmnFormBoxPropertiesDialog dialog;
    CCmnFormBoxPropertiesPanel &panel = *dialog.Panel();
    panel.SetLocale(locale);
    panel.AddBorderColorCtrl(true, Qt::black, Qt::black);
    panel.AddFillColorCtrl(true, Qt::black, Qt::black);
    panel.AddTextColorCtrl(true, Qt::black, Qt::black, QString(), CCmnGridCell(3, 0));
    dialog.PrepareRun();
    QCOMPARE(GroupBoxTitles(dialog), titles);
}

void TestCmnFormBoxPropertiesPanel::lengthWithoutLabelNeverShowsAnInternalName()
{
    CCmnFormBoxPropertiesDialog dialog;
    QTest::ignoreMessage(QtWarningMsg, "CCmnFormBoxPropertiesPanel: a single length was added without a label");
    dialog.Panel()->AddSingleExtentCtrl(true, {}, {}, QString());
    dialog.PrepareRun();
    QCOMPARE(GroupBoxTitles(dialog), QStringList{"Spacing"});
}

void TestCmnFormBoxPropertiesPanel::tabLaysOutItsPanelWhenShown()
{
    CCmnTabDialog dialog;
    auto *tab = new CCmnFormBoxPropertiesTab;
    dialog.AddTab(tab, "Layout");
    tab->Panel()->AddBorderStyleCtrl(false, {}, {});
    tab->AddTextCtrl(QString(), 0, false, CCmnGridCell(1, 0));
    tab->Panel()->m_Text = "Champion line";
    dialog.Prepare();
    QCOMPARE(tab->Panel()->TextEdit()->toPlainText(), QString("Champion line"));
    QVERIFY(tab->Panel()->BorderStyleCtrl()->IsLoaded());
    QCOMPARE(GroupBoxTitles(*tab), QStringList{"Border Style"});
    QVERIFY(tab->isAncestorOf(tab->Panel()->TextEdit()));
}

// The owner may keep the panel after the dialog has gone with its widgets.
void TestCmnFormBoxPropertiesPanel::panelOutlivesItsDialog()
{
    QSharedPointer<CCmnFormBoxPropertiesPanel> panel;
    {
        CCmnFormBoxPropertiesDialog dialog;
        panel = dialog.Panel();
        panel->AddTextCtrl("Title", 0, false, {});
        panel->AddFillColorCtrl(false, Qt::red, Qt::transparent);
        dialog.PrepareRun();
        panel->TextEdit()->setPlainText("Smith & Jones <UK>");
        ClickOk(dialog);
    }
    QCOMPARE(panel->m_Text, QString("Smith & Jones <UK>"));
    QCOMPARE(panel->m_FillColor, QColor(Qt::red));
    QCOMPARE(panel->Grid(), nullptr);
}

// Every control set by hand to values the widgets cannot show exactly (other
// units, finer lengths and scales, a font not installed here): a plain OK gives
// them back unchanged. Set ORV_RENDER_DIR to keep a picture of the dialog.
void TestCmnFormBoxPropertiesPanel::untouchedControlsGiveBackTheirValues()
{
    CmnGetSystemSettings()->m_MeasurementUnits = CmnLengthUnitMillimeters;
    CCmnFormBoxBorderStyle border;
    border.m_Thickness = CCmnMetric(CmnLengthUnitCentimeters, 0.0333);
    border.m_CornerStyle = 3;
    border.m_LineStyle = Qt::DashDotLine;
    CCmnFormBoxFillStyle fill;
    fill.m_Style = Qt::Dense4Pattern;
    fill.m_Opacity = 35;
    const CCmnFormBoxRectExtents padding{CCmnMetric(CmnLengthUnitMillimeters, 1.234), CCmnMetric(CmnLengthUnitInches, 0.1),
                                         CCmnMetric(CmnLengthUnitCentimeters, 0.5), CCmnMetric()};
    CCmnFormBoxPicturePos picturePos;
    picturePos.m_Gap = CCmnMetric(CmnLengthUnitCentimeters, 0.21);
    picturePos.m_Mode = 2;
    picturePos.m_Alignment = 3;
    picturePos.m_Scaling = 45;
    CCmnFormBoxTextAlign align;
    align.m_Vertical = 2;
    align.m_Horizontal = 1;
    const QString face = QStringLiteral("Smith & Jones Serif;;Bold");
    const CCmnMetric gap(CmnLengthUnitInches, 0.15);

    CCmnFormBoxPropertiesDialog dialog;
    CCmnFormBoxPropertiesPanel &panel = *dialog.Panel();
    panel.m_Text = QStringLiteral("Smith & Jones <UK>");
    panel.AddTextCtrl(QStringLiteral("Text"), 3, true, {});
    panel.AddBorderColorCtrl(false, QColor(10, 20, 30), Qt::black);
    panel.AddBorderStyleCtrl(false, border, {});
    panel.AddFillColorCtrl(false, QColor(Qt::darkCyan), Qt::transparent);
    panel.AddFillStyleCtrl(false, fill, {});
    panel.AddPaddingCtrl(false, padding, {});
    panel.AddPicturePosCtrl(false, picturePos, {});
    panel.AddTextAlignCtrl(false, align, {});
    panel.AddTextColorCtrl(false, QColor(Qt::darkGreen), Qt::black);
    panel.AddTextFaceCtrl(false, face, {});
    panel.AddTextSizeCtrl(false, QStringLiteral(";13;"), QStringLiteral(";11;"));
    panel.AddTextScaleCtrl(false, 0.123456, 0.0);
    panel.AddSingleExtentCtrl(false, gap, {}, QStringLiteral("Box Gap"));
    dialog.PrepareRun();
    const QString folder = qEnvironmentVariable("ORV_RENDER_DIR");
    if (!folder.isEmpty()) {
        dialog.resize(dialog.sizeHint());
        QVERIFY(dialog.grab().save(folder + QStringLiteral("/box-properties.png")));
    }
    ClickOk(dialog);

    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(panel.m_Text, QString("Smith & Jones <UK>"));
    QCOMPARE(panel.m_BorderColor, QColor(10, 20, 30));
    QCOMPARE(panel.m_BorderStyle, border);
    QCOMPARE(panel.m_FillColor, QColor(Qt::darkCyan));
    QCOMPARE(panel.m_FillStyle, fill);
    QCOMPARE(panel.m_Padding, padding);
    QCOMPARE(panel.m_PicturePos, picturePos);
    QCOMPARE(panel.m_TextAlign, align);
    QCOMPARE(panel.m_TextColor, QColor(Qt::darkGreen));
    QCOMPARE(panel.m_TextFace, face);
    QCOMPARE(panel.m_TextSize, QString(";13;"));
    QCOMPARE(panel.m_TextScale, 0.123456);
    QCOMPARE(panel.m_SingleExtent, gap);
}

QTEST_MAIN(TestCmnFormBoxPropertiesPanel)
#include "tst_cmnformboxpropertiespanel.moc"
