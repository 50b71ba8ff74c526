#include "cmnappdescriptor.h"
#include "cmncheckbox.h"
#include "cmncombobox.h"
#include "cmnframework.h"
#include "cmnlabel.h"
#include "cmnlineedit.h"
#include "cmnsaveimageparamsdialog.h"
#include "cmnslider.h"
#include "cmnsystemsettings.h"
#include "rendertesting.h"
#include "testdialogrunnerscope.h"
#include "testmessageboxscope.h"
#include "testsettingsscope.h"

#include <QTest>
#include <QValidator>

#include <functional>
#include <memory>

namespace {

using Dialog = CCmnSaveImageParamsDialog;

// What the dialog shows when it opens.
struct CShown
{
    QString m_Width;
    QString m_Height;
    QString m_Unit;
    QString m_Resolution;
    bool m_Locked = false;
};

// Runs the dialog with the caller's proposal; the user's part acts on the open
// dialog and gives its result (Cancel when there is none).
int Run(Dialog &dialog, const std::function<int(Dialog &)> &user = {})
{
    CTestDialogRunnerScope runner([&user](QDialog &shown) {
        return user ? user(static_cast<Dialog &>(shown)) : int(QDialog::Rejected);
    });
    return dialog.Exec();
}

CShown Shown(const Dialog &dialog)
{
    return {dialog.WidthEdit()->text(), dialog.HeightEdit()->text(), dialog.WidthUnitBox()->currentText(),
            dialog.ResolutionLabel()->text(), dialog.LockCheckBox()->isChecked()};
}

// A 1024-pixel wide landscape page, as the export proposes it.
std::unique_ptr<Dialog> Landscape()
{
    auto dialog = std::make_unique<Dialog>(Dialog::QualityRow);
    dialog->m_AspectRatio = 1.5;
    dialog->m_Width = 1024;
    return dialog;
}

void ChooseUnit(CCmnComboBox *box, const QString &unit)
{
    box->setCurrentIndex(box->findText(unit));
}

} // namespace

class TestCmnSaveImageParamsDialog : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void opensWithTheProposedSize_data();
    void opensWithTheProposedSize();
    void switchesUnitsAndBack();
    void acceptsALengthAtTheResolution();
    void unlockedSidesMoveAlone();
    void qualityTexts_data();
    void qualityTexts();
    void refusesSizesOutOfRange_data();
    void refusesSizesOutOfRange();
    void rendersOffscreen();

private:
    std::unique_ptr<CTestSettingsScope> m_Settings;
};

void TestCmnSaveImageParamsDialog::initTestCase()
{
    CCmnAppDescriptor descriptor;
    descriptor.SetProductName(QStringLiteral("Orvanta"));
    CmnInitFramework(descriptor);
}

void TestCmnSaveImageParamsDialog::init()
{
    m_Settings = std::make_unique<CTestSettingsScope>();
    CmnCreateSystemSettings();
}

void TestCmnSaveImageParamsDialog::cleanup()
{
    CmnDestroySystemSettings();
    m_Settings.reset();
}

void TestCmnSaveImageParamsDialog::opensWithTheProposedSize_data()
{
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("height");
    QTest::addColumn<double>("aspectRatio");
    QTest::addColumn<QString>("shownWidth");
    QTest::addColumn<QString>("shownHeight");
    QTest::addColumn<double>("expectedRatio");
    QTest::newRow("landscape: 1024 wide") << 1024.0 << -1.0 << 1.5 << "1024" << "683" << 1.5;
    QTest::newRow("portrait: 1024 high") << -1.0 << 1024.0 << 0.75 << "768" << "1024" << 0.75;
    QTest::newRow("nothing proposed") << -1.0 << -1.0 << 1.5 << "1024" << "768" << 1024.0 / 768.0;
}

void TestCmnSaveImageParamsDialog::opensWithTheProposedSize()
{
    QFETCH(double, width);
    QFETCH(double, height);
    QFETCH(double, aspectRatio);
    QFETCH(QString, shownWidth);
    QFETCH(QString, shownHeight);
    QFETCH(double, expectedRatio);
    Dialog dialog(Dialog::QualityRow);
    dialog.m_Width = width;
    dialog.m_Height = height;
    dialog.m_AspectRatio = aspectRatio;
    CShown shown;
    QCOMPARE(Run(dialog, [&shown](Dialog &open) {
                 shown = Shown(open);
                 return int(QDialog::Rejected);
             }),
             int(QDialog::Rejected));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Image File Parameters"));
    QCOMPARE(shown.m_Width, shownWidth);
    QCOMPARE(shown.m_Height, shownHeight);
    QCOMPARE(shown.m_Unit, QStringLiteral("Pixels"));
    QCOMPARE(shown.m_Resolution, QStringLiteral("dpi"));
    QVERIFY(shown.m_Locked);
    QCOMPARE(dialog.m_AspectRatio, expectedRatio);
    QCOMPARE(dialog.ResolutionEdit()->text(), QStringLiteral("300"));
}

void TestCmnSaveImageParamsDialog::switchesUnitsAndBack()
{
    const std::unique_ptr<Dialog> dialog = Landscape();
    QList<CShown> shown;
    Run(*dialog, [&shown](Dialog &open) {
        ChooseUnit(open.WidthUnitBox(), QStringLiteral("Inches"));
        shown << Shown(open);
        // The other box follows, and takes the sizes back.
        ChooseUnit(open.HeightUnitBox(), QStringLiteral("Pixels"));
        shown << Shown(open);
        return int(QDialog::Rejected);
    });
    QCOMPARE(shown.size(), 2);
    QCOMPARE(shown.at(0).m_Width, QStringLiteral("3.413"));
    QCOMPARE(shown.at(0).m_Height, QStringLiteral("2.276"));
    QCOMPARE(dialog->HeightUnitBox()->currentText(), QStringLiteral("Pixels"));
    QCOMPARE(shown.at(0).m_Resolution, QStringLiteral("dpi (1024 x 683 pixels)"));
    QCOMPARE(shown.at(1).m_Unit, QStringLiteral("Pixels"));
    QCOMPARE(shown.at(1).m_Width, QStringLiteral("1024"));
    QCOMPARE(shown.at(1).m_Height, QStringLiteral("683"));
    QCOMPARE(shown.at(1).m_Resolution, QStringLiteral("dpi"));
}

void TestCmnSaveImageParamsDialog::acceptsALengthAtTheResolution()
{
    const std::unique_ptr<Dialog> dialog = Landscape();
    QString label;
    const int result = Run(*dialog, [&label](Dialog &open) {
        ChooseUnit(open.WidthUnitBox(), QStringLiteral("Inches"));
        open.ResolutionEdit()->setText(QStringLiteral("600"));
        open.WidthEdit()->setText(QStringLiteral("3.413"));
        label = open.ResolutionLabel()->text();
        return OrvAcceptDialog(open);
    });
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(label, QStringLiteral("dpi (2048 x 1366 pixels)"));
    QCOMPARE(dialog->m_Unit, qint32(CmnImageUnitInches));
    QCOMPARE(dialog->m_Resolution, 600);
    QCOMPARE(dialog->PixelWidth(), 2048);
    QCOMPARE(dialog->PixelHeight(), 1366);
    QCOMPARE(dialog->m_Quality, 75);

    // At 300 dots per inch the same width is the proposed 1024 pixels.
    dialog->m_Resolution = 300;
    QCOMPARE(dialog->PixelWidth(), 1024);
}

void TestCmnSaveImageParamsDialog::unlockedSidesMoveAlone()
{
    const std::unique_ptr<Dialog> dialog = Landscape();
    QList<CShown> shown;
    const int result = Run(*dialog, [&shown](Dialog &open) {
        open.LockCheckBox()->setChecked(false);
        open.WidthEdit()->setText(QStringLiteral("2000"));
        shown << Shown(open);
        ChooseUnit(open.WidthUnitBox(), QStringLiteral("Millimeters"));
        shown << Shown(open);
        // Locking again takes the height from the width.
        open.LockCheckBox()->setChecked(true);
        shown << Shown(open);
        return OrvAcceptDialog(open);
    });
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(shown.at(0).m_Height, QStringLiteral("683"));
    QCOMPARE(shown.at(1).m_Width, QStringLiteral("169.333"));
    QCOMPARE(shown.at(1).m_Height, QStringLiteral("57.827"));
    QCOMPARE(shown.at(1).m_Resolution, QStringLiteral("dpi (2000 x 683 pixels)"));
    QCOMPARE(shown.at(2).m_Height, QStringLiteral("112.889"));
    QVERIFY(dialog->m_LockAspectRatio);
    QCOMPARE(dialog->PixelWidth(), 2000);
    QCOMPARE(dialog->PixelHeight(), 1333);
}

void TestCmnSaveImageParamsDialog::qualityTexts_data()
{
    QTest::addColumn<int>("quality");
    QTest::addColumn<QString>("text");
    QTest::newRow("default") << 75 << "Default image quality";
    QTest::newRow("half") << 50 << "50% image quality";
    QTest::newRow("lowest") << 0 << "Minimum image quality (smallest file size)";
    QTest::newRow("highest") << 100 << "Maximum image quality (largest file size)";
}

void TestCmnSaveImageParamsDialog::qualityTexts()
{
    QFETCH(int, quality);
    QFETCH(QString, text);
    const std::unique_ptr<Dialog> dialog = Landscape();
    QString shown;
    QCOMPARE(Run(*dialog, [&](Dialog &open) {
                 open.QualitySlider()->setValue(quality);
                 shown = open.QualityLabel()->text();
                 return OrvAcceptDialog(open);
             }),
             int(QDialog::Accepted));
    QCOMPARE(shown, text);
    QCOMPARE(dialog->m_Quality, quality);
}

void TestCmnSaveImageParamsDialog::refusesSizesOutOfRange_data()
{
    QTest::addColumn<QString>("width");
    QTest::addColumn<QString>("resolution");
    QTest::addColumn<QString>("message");
    QTest::newRow("below the validator's old 10, accepted") << "5" << "300" << "";
    QTest::newRow("empty width") << "" << "300" << "<p>A value is required in the 'Width' box</p>";
    QTest::newRow("width below 1") << "0.5" << "300" << "<p>Please enter at least 1.000 in the 'Width' box</p>";
    QTest::newRow("resolution below 72") << "1024" << "50" << "<p>Minimum value 72 expected in the 'Resolution' box</p>";
}

void TestCmnSaveImageParamsDialog::refusesSizesOutOfRange()
{
    QFETCH(QString, width);
    QFETCH(QString, resolution);
    QFETCH(QString, message);
    const std::unique_ptr<Dialog> dialog = Landscape();
    CTestMessageBoxScope boxes;
    bool openAfterOk = false;
    const int result = Run(*dialog, [&](Dialog &open) {
        open.LockCheckBox()->setChecked(false);
        open.WidthEdit()->setText(width);
        open.ResolutionEdit()->setText(resolution);
        open.accept();
        openAfterOk = open.result() != QDialog::Accepted;
        return open.result();
    });
    QCOMPARE(openAfterOk, !message.isEmpty());
    QCOMPARE(boxes.Requests().size(), message.isEmpty() ? 0 : 1);
    if (message.isEmpty()) {
        QCOMPARE(result, int(QDialog::Accepted));
        QCOMPARE(dialog->PixelWidth(), 5);
        return;
    }
    QCOMPARE(boxes.Requests().constFirst().m_Text, message);
}

void TestCmnSaveImageParamsDialog::rendersOffscreen()
{
    const std::unique_ptr<Dialog> dialog = Landscape();
    QImage image;
    Run(*dialog, [&image](Dialog &open) {
        ChooseUnit(open.WidthUnitBox(), QStringLiteral("Inches"));
        // The edits take what the exchange takes, three decimals at the most.
        const QValidator *validator = open.WidthEdit()->validator();
        QString text = QStringLiteral("3.413");
        int position = 0;
        [&] { QCOMPARE(validator->validate(text, position), QValidator::Acceptable); }();
        text = QStringLiteral("5");
        [&] { QCOMPARE(validator->validate(text, position), QValidator::Acceptable); }();
        text = QStringLiteral("3.4134");
        [&] { QVERIFY(validator->validate(text, position) != QValidator::Acceptable); }();
        open.adjustSize();
        image = open.grab().toImage();
        return int(QDialog::Rejected);
    });
    QVERIFY(OrvKeepForReview(image, QStringLiteral("image-parameters.png")));
}

QTEST_MAIN(TestCmnSaveImageParamsDialog)
#include "tst_cmnsaveimageparamsdialog.moc"
