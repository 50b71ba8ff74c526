#include "cmnappdescriptor.h"
#include "cmncheckbox.h"
#include "cmncombobox.h"
#include "cmndataexchange.h"
#include "cmnfilechooser.h"
#include "cmnfilenames.h"
#include "cmnframework.h"
#include "cmnhelplocator.h"
#include "cmnhtmlescape.h"
#include "cmnlabel.h"
#include "cmnmappedfoldersstore.h"
#include "cmnpicctrl.h"
#include "cmnpixmapwidget.h"
#include "cmnpushbutton.h"
#include "cmnshellvalues.h"
#include "cmnslider.h"
#include "cmnsystemsettings.h"
#include "cmntabordialogorpanelorpagemixin.h"
#include "cmnwhatsthistexts.h"
#include "testmessageboxscope.h"
#include "testsettingsscope.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>

#include <memory>

namespace {

const QString kProductName = QStringLiteral("Orvanta Test");
const QString kLastFolder = QStringLiteral("CmnLastPicFolder");

// A 4 x 2 photo, so that a quarter turn shows in the preview's size.
QByteArray PhotoBytes()
{
    QImage image(4, 2, QImage::Format_RGB32);
    image.fill(qRgb(200, 120, 40));
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return buffer.data();
}

bool WriteFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Answers every file chooser with one path and keeps what it was asked.
class CChooserScript
{
public:
    explicit CChooserScript(const QString &answer)
        : m_Previous(CmnSetFileChooser([this, answer](const CCmnFileChooserRequest &request) {
              m_Requests << request;
              return answer;
          }))
    {
    }
    ~CChooserScript() { CmnSetFileChooser(m_Previous); }
    CChooserScript(const CChooserScript &) = delete;
    CChooserScript &operator=(const CChooserScript &) = delete;

    QList<CCmnFileChooserRequest> m_Requests;

private:
    TCmnFileChooser m_Previous;
};

// The smallest host that attaches What's This texts.
class CHelpHost : public QWidget, public CCmnTabOrDialogOrPanelOrPageMixin
{
};

// The owner window with the control placed in it, as a tab would place it.
struct CControlWindow
{
    CControlWindow()
        : m_Control(&m_Window, QSize(45, 15))
    {
        auto *layout = new QVBoxLayout(&m_Window);
        layout->addLayout(m_Control.Layout());
    }

    QList<QWidget *> Adjusters() const
    {
        return {m_Control.BrightnessLabel(), m_Control.BrightnessSlider(), m_Control.ContrastLabel(),
                m_Control.ContrastSlider(),  m_Control.GammaLabel(),       m_Control.GammaSlider(),
                m_Control.FlipVerticalBox(), m_Control.FlipHorizontalBox(), m_Control.RotationBox()};
    }

    // The names of the adjusting widgets whose enabled state differs from the one wanted.
    QStringList AdjustersNotEnabled(bool enabled) const
    {
        QStringList wrong;
        for (QWidget *widget : Adjusters()) {
            if (widget->isEnabled() != enabled)
                wrong << QString::fromLatin1(widget->metaObject()->className());
        }
        return wrong;
    }

    QWidget m_Window;
    CCmnPicCtrl m_Control;
};

void Load(CCmnPicCtrl &control, CCmnPicture picture)
{
    const CCmnDataExchange load(false);
    QVERIFY(control.ExchangePicture(&load, &picture));
}

CCmnPicture Save(CCmnPicCtrl &control)
{
    CCmnPicture picture;
    const CCmnDataExchange save(true);
    [&] { QVERIFY(control.ExchangePicture(&save, &picture)); }();
    return picture;
}

} // namespace

class TestCmnPicCtrl : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void newControlShowsPromptAndNothingToAdjust();
    void promptNamesTheSelectText_data();
    void promptNamesTheSelectText();
    void choosingEmbedsOrLinks_data();
    void choosingEmbedsOrLinks();
    void choosingStartsInLastFolder();
    void choosingNothingUsableChangesNothing_data();
    void choosingNothingUsableChangesNothing();
    void undecodableFileWarnsAndKeepsPicture();
    void loadShowsAdjustmentsWithoutChangingThem();
    void adjustingChangesPictureAndPreview();
    void removeResetsAdjustments();
    void removeEnabledWhilePictureCannotShow_data();
    void removeEnabledWhilePictureCannotShow();
    void exchangeTellsWhetherPhotoWasNewlySet();
    void builtInHelpCoversEveryWidget();
    void cropWarningText_data();
    void cropWarningText();
    void cropWarningSuppressedOnceTicked();

private:
    QString PhotoPath() const { return m_Folder->filePath(QStringLiteral("photos/rex.png")); }

    std::unique_ptr<CTestSettingsScope> m_Settings;
    std::unique_ptr<QTemporaryDir> m_Folder;
    QByteArray m_PhotoBytes;
};

void TestCmnPicCtrl::initTestCase()
{
    CmnInitFramework(CCmnAppDescriptor());
    CmnGetAppDescriptor().SetProductName(kProductName);
    m_PhotoBytes = PhotoBytes();
}

void TestCmnPicCtrl::init()
{
    m_Settings = std::make_unique<CTestSettingsScope>();
    m_Folder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_Folder->isValid());
    QVERIFY(QDir(m_Folder->path()).mkdir(QStringLiteral("photos")));
    QVERIFY(WriteFile(PhotoPath(), m_PhotoBytes));
    CmnCreateSystemSettings();
    CmnEmbedPictures = false;
}

void TestCmnPicCtrl::cleanup()
{
    CmnEmbedPictures = false;
    CmnDestroyMappedFoldersStore();
    CmnDestroySystemSettings();
    m_Folder.reset();
    m_Settings.reset();
}

void TestCmnPicCtrl::newControlShowsPromptAndNothingToAdjust()
{
    CControlWindow window;
    CCmnPicCtrl &control = window.m_Control;

    QCOMPARE(control.Preview()->SecondLine(), QString("Click to select\na photo"));
    QCOMPARE(control.Preview()->FirstLine(), QString());
    QVERIFY(control.Preview()->Pixmap().isNull());
    QCOMPARE(control.SelectButton()->text(), QString("Add Photo"));
    QCOMPARE(control.RemoveButton()->text(), QString("Remove Photo"));
    QVERIFY(control.SelectButton()->isEnabled());
    QVERIFY(!control.RemoveButton()->isEnabled());
    QCOMPARE(window.AdjustersNotEnabled(false), QStringList());
    // The neutral values, not the ends of the ranges.
    QCOMPARE(control.BrightnessSlider()->value(), 0);
    QCOMPARE(control.ContrastSlider()->value(), 100);
    QCOMPARE(control.GammaSlider()->value(), 100);
    QCOMPARE(control.RotationBox()->currentText(), QString("No Rotation"));
    QVERIFY(control.Picture().IsEmpty());
    QCOMPARE(control.FirstWidget(), control.SelectButton());
}

void TestCmnPicCtrl::promptNamesTheSelectText_data()
{
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<QString>("shown");

    QTest::newRow("with %1") << "Click to choose\n%1" << "Click to choose\nAdd";
    QTest::newRow("without %1") << "Click here" << "Click here";
}

void TestCmnPicCtrl::promptNamesTheSelectText()
{
    QFETCH(QString, prompt);
    QFETCH(QString, shown);

    CControlWindow window;
    window.m_Control.SetSelectText(QStringLiteral("Add"));
    window.m_Control.SetPrompt(prompt);
    window.m_Control.UpdateTexts();
    QCOMPARE(window.m_Control.Preview()->SecondLine(), shown);
}

void TestCmnPicCtrl::choosingEmbedsOrLinks_data()
{
    QTest::addColumn<bool>("embed");
    QTest::addColumn<bool>("byPreview");
    QTest::addColumn<bool>("mapped");

    QTest::newRow("linked, Select button") << false << false << false;
    QTest::newRow("embedded, Select button") << true << false << false;
    QTest::newRow("linked, preview clicked") << false << true << false;
    QTest::newRow("embedded, preview clicked") << true << true << false;
    QTest::newRow("linked through a moved folder") << false << false << true;
    QTest::newRow("embedded through a moved folder") << true << false << true;
}

void TestCmnPicCtrl::choosingEmbedsOrLinks()
{
    QFETCH(bool, embed);
    QFETCH(bool, byPreview);
    QFETCH(bool, mapped);

    // Through a moved folder the user names the old place; the file is read from
    // the new one, but a link keeps the name the user chose.
    QString chosen = PhotoPath();
    if (mapped) {
        const QString oldFolder = m_Folder->filePath(QStringLiteral("old"));
        CmnCreateMappedFoldersStore();
        CmnGetMappedFoldersStore()->AddMapping(oldFolder, m_Folder->filePath(QStringLiteral("photos")));
        chosen = oldFolder + QStringLiteral("/rex.png");
    }
    CmnEmbedPictures = embed;
    CControlWindow window;
    CCmnPicCtrl &control = window.m_Control;
    CChooserScript chooser(chosen);
    CTestMessageBoxScope boxes;

    if (byPreview)
        QTest::mouseClick(control.Preview(), Qt::LeftButton);
    else
        control.SelectButton()->click();

    QCOMPARE(chooser.m_Requests.size(), 1);
    const CCmnFileChooserRequest &request = chooser.m_Requests.first();
    QCOMPARE(request.m_Kind, CCmnFileChooserRequest::OpenFile);
    QCOMPARE(request.m_Parent, &window.m_Window);
    QCOMPARE(request.m_Caption, QString("Select Photo"));
    QCOMPARE(request.m_Folder, CmnDefaultPictureFolder());
    QCOMPARE(request.m_Filter, CmnImageOpenFilter());
    QCOMPARE(boxes.Requests().size(), 0);

    const CCmnPicture &picture = control.Picture();
    QCOMPARE(picture.ImageBytes(), embed ? m_PhotoBytes : QByteArray());
    QCOMPARE(picture.FilePath(), embed ? QString() : chosen);
    QCOMPARE(control.Preview()->Pixmap().size(), QSize(4, 2));
    QCOMPARE(control.Preview()->Caption(), embed ? QString() : QString("rex.png"));
    QVERIFY(control.RemoveButton()->isEnabled());
    QCOMPARE(window.AdjustersNotEnabled(true), QStringList());
    QCOMPARE(CmnGetSystemSettings()->StringValue(kLastFolder), m_Folder->filePath(QStringLiteral("photos")));
}

void TestCmnPicCtrl::choosingStartsInLastFolder()
{
    CmnGetSystemSettings()->m_Strings.insert(kLastFolder, m_Folder->path());
    CControlWindow window;
    CChooserScript chooser(PhotoPath());

    window.m_Control.SelectButton()->click();
    window.m_Control.SelectButton()->click();

    QCOMPARE(chooser.m_Requests.size(), 2);
    QCOMPARE(chooser.m_Requests.at(0).m_Folder, m_Folder->path());
    QCOMPARE(chooser.m_Requests.at(1).m_Folder, m_Folder->filePath(QStringLiteral("photos")));
}

void TestCmnPicCtrl::choosingNothingUsableChangesNothing_data()
{
    QTest::addColumn<QString>("answer");   // relative to the temporary folder; "" cancels

    QTest::newRow("cancelled") << "";
    QTest::newRow("missing file") << "photos/gone.png";
    QTest::newRow("a folder") << "photos";
}

void TestCmnPicCtrl::choosingNothingUsableChangesNothing()
{
    QFETCH(QString, answer);

    CControlWindow window;
    CCmnPicture photo;
    photo.SetFilePath(PhotoPath());
    photo.SetBrightness(20);
    Load(window.m_Control, photo);
    CChooserScript chooser(answer.isEmpty() ? QString() : m_Folder->filePath(answer));
    CTestMessageBoxScope boxes;

    window.m_Control.SelectButton()->click();

    QCOMPARE(chooser.m_Requests.size(), 1);
    QCOMPARE(boxes.Requests().size(), 0);
    QVERIFY(window.m_Control.Picture() == photo);
    QCOMPARE(CmnGetSystemSettings()->StringValue(kLastFolder), QString());
}

void TestCmnPicCtrl::undecodableFileWarnsAndKeepsPicture()
{
    const QString broken = m_Folder->filePath(QStringLiteral("photos/Smith & Jones <UK>.png"));
    QVERIFY(WriteFile(broken, "not an image"));
    CmnEmbedPictures = true;
    CControlWindow window;
    CChooserScript chooser(broken);
    CTestMessageBoxScope boxes;

    window.m_Control.SelectButton()->click();

    QCOMPARE(boxes.Requests().size(), 1);
    const CCmnMessageBoxRequest &request = boxes.Requests().first();
    QCOMPARE(request.m_Icon, QMessageBox::Warning);
    QCOMPARE(request.m_Parent, &window.m_Window);
    QCOMPARE(request.m_Title, QString("Select Photo"));
    // The reason follows the file's name, which is shown as typed.
    QCOMPARE(request.m_Text, QStringLiteral("<p>Failed to load (%1), Unsupported image format</p>")
                                 .arg(CmnHtmlEscape(QDir::toNativeSeparators(broken))));
    QVERIFY(window.m_Control.Picture().IsEmpty());
    QVERIFY(!window.m_Control.RemoveButton()->isEnabled());
    // The folder is remembered all the same: the user will look there again.
    QCOMPARE(CmnGetSystemSettings()->StringValue(kLastFolder), m_Folder->filePath(QStringLiteral("photos")));
}

void TestCmnPicCtrl::loadShowsAdjustmentsWithoutChangingThem()
{
    CControlWindow window;
    CCmnPicCtrl &control = window.m_Control;
    CCmnPicture photo;
    photo.SetImageBytes(m_PhotoBytes);
    photo.SetBrightness(-30);
    photo.SetContrast(250);
    photo.SetGamma(40);
    photo.SetFlipVertical(true);
    photo.SetRotation(3);

    Load(control, photo);

    QCOMPARE(control.BrightnessSlider()->value(), -30);
    QCOMPARE(control.ContrastSlider()->value(), 250);
    QCOMPARE(control.GammaSlider()->value(), 40);
    QVERIFY(control.FlipVerticalBox()->isChecked());
    QVERIFY(!control.FlipHorizontalBox()->isChecked());
    QCOMPARE(control.RotationBox()->currentText(), QString("Rotate 270 Degrees"));
    QVERIFY(control.Picture() == photo);
    QVERIFY(Save(control) == photo);
}

void TestCmnPicCtrl::adjustingChangesPictureAndPreview()
{
    CControlWindow window;
    CCmnPicCtrl &control = window.m_Control;
    CCmnPicture photo;
    photo.SetFilePath(PhotoPath());
    Load(control, photo);

    control.BrightnessSlider()->setValue(40);
    control.ContrastSlider()->setValue(300);
    control.GammaSlider()->setValue(60);
    control.FlipVerticalBox()->setChecked(true);
    control.FlipHorizontalBox()->setChecked(true);
    control.RotationBox()->setCurrentIndex(1);

    CCmnPicture expected = photo;
    expected.SetBrightness(40);
    expected.SetContrast(300);
    expected.SetGamma(60);
    expected.SetFlipVertical(true);
    expected.SetFlipHorizontal(true);
    expected.SetRotation(1);
    QVERIFY(control.Picture() == expected);
    // The preview follows at once: the quarter turn stands the photo upright.
    QCOMPARE(control.Preview()->Pixmap().size(), QSize(2, 4));

    control.FlipVerticalBox()->setChecked(false);
    QVERIFY(!control.Picture().FlipVertical());
}

void TestCmnPicCtrl::removeResetsAdjustments()
{
    CControlWindow window;
    CCmnPicCtrl &control = window.m_Control;
    CCmnPicture photo;
    photo.SetFilePath(PhotoPath());
    photo.SetBrightness(50);
    photo.SetContrast(20);
    photo.SetGamma(300);
    photo.SetFlipVertical(true);
    photo.SetFlipHorizontal(true);
    photo.SetRotation(2);
    Load(control, photo);

    control.RemoveButton()->click();

    QCOMPARE(control.BrightnessSlider()->value(), 0);
    QCOMPARE(control.ContrastSlider()->value(), 100);
    QCOMPARE(control.GammaSlider()->value(), 100);
    QVERIFY(!control.FlipVerticalBox()->isChecked());
    QVERIFY(!control.FlipHorizontalBox()->isChecked());
    QCOMPARE(control.RotationBox()->currentText(), QString("No Rotation"));
    QCOMPARE(window.AdjustersNotEnabled(false), QStringList());
    QVERIFY(!control.RemoveButton()->isEnabled());
    QVERIFY(control.Picture() == CCmnPicture());
    QVERIFY(control.Preview()->Pixmap().isNull());
    QCOMPARE(control.Preview()->Caption(), QString());
    QVERIFY(Save(control) == CCmnPicture());
}

void TestCmnPicCtrl::removeEnabledWhilePictureCannotShow_data()
{
    QTest::addColumn<bool>("brokenLink");

    QTest::newRow("linked file gone") << true;
    QTest::newRow("embedded bytes undecodable") << false;
}

void TestCmnPicCtrl::removeEnabledWhilePictureCannotShow()
{
    QFETCH(bool, brokenLink);

    CControlWindow window;
    CCmnPicCtrl &control = window.m_Control;
    const QString gone = m_Folder->filePath(QStringLiteral("photos/gone.png"));
    CCmnPicture picture;
    if (brokenLink)
        picture.SetFilePath(gone);
    else
        picture.SetImageBytes("\x89PNG damaged");
    Load(control, picture);

    QVERIFY(control.Preview()->Pixmap().isNull());
    // In red: the user sees why nothing shows.
    QCOMPARE(control.Preview()->FirstLine(),
             brokenLink ? QStringLiteral("cannot load image (%1), File not found").arg(QDir::toNativeSeparators(gone))
                        : QStringLiteral("cannot load image, Unsupported image format"));
    QCOMPARE(window.AdjustersNotEnabled(false), QStringList());
    QVERIFY(control.RemoveButton()->isEnabled());

    control.RemoveButton()->click();

    QVERIFY(control.Picture().IsEmpty());
    QCOMPARE(control.Preview()->FirstLine(), QString());
    QVERIFY(!control.RemoveButton()->isEnabled());
    QVERIFY(Save(control).IsEmpty());
}

void TestCmnPicCtrl::exchangeTellsWhetherPhotoWasNewlySet()
{
    CControlWindow window;
    CCmnPicCtrl &control = window.m_Control;
    CChooserScript chooser(PhotoPath());

    Load(control, CCmnPicture());
    QVERIFY(control.EmptyAtLoad());
    control.SelectButton()->click();
    const CCmnPicture saved = Save(control);
    QVERIFY(control.PictureAtSave());
    QCOMPARE(saved.FilePath(), PhotoPath());
    QVERIFY(saved.HasPixmap());

    Load(control, saved);
    QVERIFY(!control.EmptyAtLoad());
    control.RemoveButton()->click();
    QVERIFY(Save(control).IsEmpty());
    QVERIFY(!control.PictureAtSave());

    // A save without a picture to fill still tells what the control holds.
    control.SelectButton()->click();
    const CCmnDataExchange save(true);
    QVERIFY(control.ExchangePicture(&save, nullptr));
    QVERIFY(control.PictureAtSave());
}

void TestCmnPicCtrl::builtInHelpCoversEveryWidget()
{
    CmnLoadWhatsThisTexts();
    CHelpHost host;
    host.SetHelpPage(QStringLiteral("CBioRegRecordPicTab.html"));
    CCmnPicCtrl control(&host, QSize(45, 15));

    control.RegisterWhatsThis(&host, QStringLiteral("PicCtrl"));

    QStringList withoutHelp;
    const QList<QWidget *> helped{control.SelectButton(),      control.RemoveButton(),
                                  control.BrightnessSlider(),  control.ContrastSlider(),
                                  control.GammaSlider(),       control.FlipVerticalBox(),
                                  control.FlipHorizontalBox(), control.RotationBox()};
    for (QWidget *widget : helped) {
        if (widget->whatsThis().isEmpty())
            withoutHelp << QString::fromLatin1(widget->metaObject()->className());
    }
    QCOMPARE(withoutHelp, QStringList());
    QVERIFY(host.HasWhatsThis());
    QVERIFY(control.SelectButton()->whatsThis() != control.RemoveButton()->whatsThis());
}

void TestCmnPicCtrl::cropWarningText_data()
{
    QTest::addColumn<QString>("helpPage");
    QTest::addColumn<QString>("whatWasSet");
    QTest::addColumn<QString>("firstParagraph");
    QTest::addColumn<QString>("lastParagraph");

    const QString noPage = "<p>Please refer to the program help for further information (use <b>Help Topics</b> "
                           "from the <b>Help</b> menu.</p>";
    QTest::newRow("no help page") << "" << "a photo for the dog" << "<p>You have set a photo for the dog.</p>"
                                  << noPage;
    QTest::newRow("help page")
        << "design_croppingpics.html" << "a photo for the dog" << "<p>You have set a photo for the dog.</p>"
        << QStringLiteral("<p>For details of how to fix this please <a href='%1'>click here</a>.</p>")
               .arg(CmnHelpPageUrl("design_croppingpics.html"));
    QTest::newRow("user's word is not markup")
        << "" << "a photo for the <b>sire</b> & dam" << "<p>You have set a photo for the &lt;b&gt;sire&lt;/b&gt; "
                                                       "&amp; dam.</p>"
        << noPage;
}

void TestCmnPicCtrl::cropWarningText()
{
    QFETCH(QString, helpPage);
    QFETCH(QString, whatWasSet);
    QFETCH(QString, firstParagraph);
    QFETCH(QString, lastParagraph);

    CTestMessageBoxScope boxes;
    QWidget parent;
    CmnShowPhotoCropWarning(&parent, QPoint(120, 80), helpPage, whatWasSet, "the box in which it is displayed");

    QCOMPARE(boxes.Requests().size(), 1);
    const CCmnMessageBoxRequest &request = boxes.Requests().first();
    QCOMPARE(request.m_Text,
             firstParagraph
                 + "<p>You may find that when the photo is displayed parts of it are cropped - i.e. the left+right "
                   "sides or top+bottom have been 'chopped off'.</p>"
                   "<p>This happens when the aspect ratio of the photo does not match that of the box in which it "
                   "is displayed.</p>"
                 + lastParagraph);
    QCOMPARE(request.m_Icon, QMessageBox::Information);
    QCOMPARE(request.m_Parent, &parent);
    QCOMPARE(request.m_Title, kProductName);
    QCOMPARE(request.m_Options.m_MessageId, 101);
    QCOMPARE(request.m_Options.m_Position, QPoint(120, 80));
    QCOMPARE(request.m_Options.m_CheckBoxText, QString("Don't display this message again"));
}

void TestCmnPicCtrl::cropWarningSuppressedOnceTicked()
{
    CTestMessageBoxScope boxes;
    const auto warn = [] {
        CmnShowPhotoCropWarning(nullptr, QPoint(-1, -1), QString(), "a pedigree photo",
                                "the box in which it is displayed");
    };

    warn();
    QCOMPARE(boxes.Requests().size(), 1);
    boxes.Answer(QMessageBox::Ok, true);
    warn();
    QCOMPARE(boxes.Requests().size(), 2);
    warn();
    QCOMPARE(boxes.Requests().size(), 2);
    QCOMPARE(CmnGetSystemSettings()->GetDontAskAgainResult(101), qint32(QMessageBox::Ok));
}

QTEST_MAIN(TestCmnPicCtrl)
#include "tst_cmnpicctrl.moc"
