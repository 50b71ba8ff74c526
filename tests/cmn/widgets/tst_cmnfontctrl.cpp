#include "cmnfontctrl.h"

#include "cmncombobox.h"
#include "cmndataexchange.h"
#include "cmndialogex.h"
#include "cmnfontcombobox.h"
#include "cmnfontdescriptor.h"
#include "cmnwhatsthistexts.h"
#include "testbitmapfont.h"

#include <QBoxLayout>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

namespace {

const QString kHelpPage = QStringLiteral("CBoxFontDialog.html");

QStringList ItemTexts(const QComboBox *combo)
{
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i)
        texts.append(combo->itemText(i));
    return texts;
}

QStringList SizeTexts(const QList<int> &sizes)
{
    QStringList texts;
    for (const int size : sizes)
        texts.append(QString::number(size));
    return texts;
}

// Two installed, scalable families that both have a "Bold" face, or fewer.
QStringList FamiliesWithBold()
{
    QStringList families;
    for (const QString &family : QFontDatabase::families()) {
        if (QFontDatabase::isSmoothlyScalable(family) && QFontDatabase::styles(family).contains("Bold"))
            families.append(family);
        if (families.size() == 2)
            break;
    }
    return families;
}

// A host that keeps one font control and exchanges a descriptor with it, as the
// box property dialogs do.
class CFontDialog : public CCmnDialogEx
{
public:
    explicit CFontDialog(qint32 flags)
        : m_Flags(flags)
    {
        SetHelpPage(kHelpPage);
    }

    bool DataExchange(CCmnDataExchange *context) override
    {
        if (!m_FontCtrl->ExchangeFont(context, &m_Font))
            return false;
        return CCmnDialogEx::DataExchange(context);
    }

    QString m_Font;
    CCmnFontCtrl *m_FontCtrl = nullptr;

protected:
    void AddControls(QBoxLayout *layout) override
    {
        m_FontCtrl = new CCmnFontCtrl(this, m_Flags, "font");
        layout->addLayout(m_FontCtrl->Layout());
        m_FontCtrl->RegisterWhatsThis(this, "Font");
        SetInitialFocusWidget(m_FontCtrl->FirstWidget());
    }

private:
    qint32 m_Flags;
};

} // namespace

class TestCmnFontCtrl : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void createsWidgetsForFlags_data();
    void createsWidgetsForFlags();
    void twoRowsStackFaceAboveSizeAndStyle();
    void sizeOnlyOffersStandardSizes();
    void showsAndGivesBackDescriptors_data();
    void showsAndGivesBackDescriptors();
    void stylesWithoutFaceComeFromTheDescriptor();
    void partsNotShownComeBackUnset_data();
    void partsNotShownComeBackUnset();
    void exchangesThroughDialog();
    void newFaceKeepsStyleAndSize();
    void bitmapFaceOffersItsOwnSizes();
    void registersWhatsThisOnEachBox();

private:
    TCmnWhatsThisTable m_PreviousTexts;
};

void TestCmnFontCtrl::initTestCase()
{
    m_PreviousTexts = CmnSetWhatsThisTexts({{kHelpPage + ":Font", "The font of the box."}});
}

void TestCmnFontCtrl::cleanupTestCase()
{
    CmnSetWhatsThisTexts(m_PreviousTexts);
}

void TestCmnFontCtrl::createsWidgetsForFlags_data()
{
    QTest::addColumn<qint32>("flags");
    QTest::addColumn<bool>("face");
    QTest::addColumn<bool>("size");
    QTest::addColumn<bool>("style");
    QTest::addColumn<bool>("stretch");
    QTest::addColumn<bool>("zeroMargins");

    QTest::newRow("faceAndStyle") << 27 << true << false << true << false << true;
    QTest::newRow("sizeOnly") << 28 << false << true << false << false << true;
    QTest::newRow("allThree") << 31 << true << true << true << false << true;
    QTest::newRow("withStretchAndMargins") << 7 << true << true << true << true << false;
    QTest::newRow("faceOnly") << 1 << true << false << false << true << false;
}

void TestCmnFontCtrl::createsWidgetsForFlags()
{
    QFETCH(qint32, flags);
    QFETCH(bool, face);
    QFETCH(bool, size);
    QFETCH(bool, style);
    QFETCH(bool, stretch);
    QFETCH(bool, zeroMargins);

    QWidget host;
    CCmnFontCtrl control(&host, flags, "base form font");
    host.setLayout(control.Layout());

    QCOMPARE(control.FaceComboBox() != nullptr, face);
    QCOMPARE(control.SizeComboBox() != nullptr, size);
    QCOMPARE(control.PointsLabel() != nullptr, size);
    QCOMPARE(control.StyleComboBox() != nullptr, style);

    QList<QWidget *> expected;
    if (face)
        expected << control.FaceComboBox();
    if (size)
        expected << control.SizeComboBox() << control.PointsLabel();
    if (style)
        expected << control.StyleComboBox();
    QCOMPARE(control.Widgets(), expected);
    QCOMPARE(control.FirstWidget(), expected.first());
    if (face)
        QCOMPARE(control.FaceComboBox()->toolTip(), QStringLiteral("The base form font face"));
    if (size) {
        QCOMPARE(control.SizeComboBox()->toolTip(), QStringLiteral("The base form font size (pts)"));
        QCOMPARE(control.PointsLabel()->text(), QStringLiteral(" pt "));
    }
    if (style)
        QCOMPARE(control.StyleComboBox()->toolTip(), QStringLiteral("The base form font style"));

    QLayout *row = control.Layout();
    QCOMPARE(row->count(), expected.size() + (stretch ? 1 : 0));
    QCOMPARE(row->itemAt(row->count() - 1)->spacerItem() != nullptr, stretch);
    QCOMPARE(row->contentsMargins().isNull(), zeroMargins);
}

void TestCmnFontCtrl::twoRowsStackFaceAboveSizeAndStyle()
{
    QWidget host;
    CCmnFontCtrl control(&host, 31 | CmnFontCtrlTwoRows, QString());
    host.setLayout(control.Layout());

    auto *column = qobject_cast<QBoxLayout *>(control.Layout());
    QVERIFY(column);
    QCOMPARE(column->direction(), QBoxLayout::TopToBottom);
    QVERIFY(column->contentsMargins().isNull());
    QCOMPARE(column->count(), 2);
    QLayout *faceRow = column->itemAt(0)->layout();
    QLayout *sizeRow = column->itemAt(1)->layout();
    QVERIFY(faceRow && sizeRow);
    QCOMPARE(faceRow->itemAt(0)->widget(), control.FaceComboBox());
    QCOMPARE(sizeRow->itemAt(0)->widget(), control.SizeComboBox());
    QCOMPARE(sizeRow->itemAt(1)->widget(), control.PointsLabel());
    QCOMPARE(sizeRow->itemAt(2)->widget(), control.StyleComboBox());
    QVERIFY(control.FaceComboBox()->toolTip().isEmpty());
}

void TestCmnFontCtrl::sizeOnlyOffersStandardSizes()
{
    QWidget host;
    CCmnFontCtrl control(&host, 28, "font");
    host.setLayout(control.Layout());
    const QSignalSpy spy(&control, &CCmnFontCtrl::SignalFontChanged);

    control.SetFont(";12;");
    QCOMPARE(ItemTexts(control.SizeComboBox()), SizeTexts(QFontDatabase::standardSizes()));
    QVERIFY(control.SizeComboBox()->isEditable());
    QString text;
    QVERIFY(control.GetFont(&text));
    QCOMPARE(text, QStringLiteral(";12;"));

    // A size typed by the user comes back as typed, within the sizes a
    // descriptor can hold.
    control.SizeComboBox()->setEditText("13");
    QVERIFY(control.GetFont(&text));
    QCOMPARE(text, QStringLiteral(";13;"));
    control.SizeComboBox()->setEditText("abc");
    QVERIFY(control.GetFont(&text));
    QCOMPARE(text, QStringLiteral(";0;"));
    control.SizeComboBox()->setEditText("99999");
    QVERIFY(control.GetFont(&text));
    QCOMPARE(text, QStringLiteral(";1000;"));
    QCOMPARE(spy.count(), 0);
}

void TestCmnFontCtrl::showsAndGivesBackDescriptors_data()
{
    QTest::addColumn<QString>("text");

    const QStringList families = FamiliesWithBold();
    if (families.isEmpty())
        QSKIP("No installed scalable family has a Bold face");
    const QString family = families.first();

    QTest::newRow("complete") << family + ";12;Bold";
    QTest::newRow("unset size and style") << family + ";0;";
    QTest::newRow("size not offered") << family + ";13;Bold";
    QTest::newRow("huge size") << family + ";5000000;Bold";
    QTest::newRow("size not a number") << family + ";abc;Bold";
    QTest::newRow("style the face lacks") << family + ";14;Wobbly";
    QTest::newRow("empty") << "";
    QTest::newRow("everything inherited") << ";;";
    QTest::newRow("extra fields") << family + ";16;Bold;x;y";
    // Families not installed here, with style names of their own.
    QTest::newRow("family not installed") << "Georgia;11;Italic";
    QTest::newRow("style of a substituted family") << "Arial;10;Italic";
    QTest::newRow("family alone") << "Times New Roman;;";
}

// Loaded after an unrelated font, saved untouched: the very text comes back. A
// changed size then changes the size part alone.
void TestCmnFontCtrl::showsAndGivesBackDescriptors()
{
    QFETCH(QString, text);

    QWidget host;
    CCmnFontCtrl control(&host, 31, "font");
    host.setLayout(control.Layout());
    control.SetFont(FamiliesWithBold().first() + ";12;Bold");
    const QSignalSpy spy(&control, &CCmnFontCtrl::SignalFontChanged);

    control.SetFont(text);
    QString saved;
    QVERIFY(control.GetFont(&saved));
    QCOMPARE(saved, text);
    QCOMPARE(spy.count(), 0);

    QComboBox *size = control.SizeComboBox();
    const int other = size->findText(size->currentText() == QLatin1String("20") ? "22" : "20");
    QVERIFY(other >= 0);
    size->setCurrentIndex(other);
    QStringList parts = text.split(QLatin1Char(';'));
    while (parts.size() < 3)
        parts.append(QString());
    parts[1] = size->currentText();
    QVERIFY(control.GetFont(&saved));
    QCOMPARE(saved, parts.join(QLatin1Char(';')));
}

void TestCmnFontCtrl::stylesWithoutFaceComeFromTheDescriptor()
{
    const QStringList families = FamiliesWithBold();
    if (families.isEmpty())
        QSKIP("No installed scalable family has a Bold face");
    QWidget host;
    CCmnFontCtrl control(&host, CmnFontCtrlStyle | CmnFontCtrlSize, QString());
    host.setLayout(control.Layout());

    control.SetFont(families.first() + ";10;Bold");
    QCOMPARE(ItemTexts(control.StyleComboBox()), QFontDatabase::styles(families.first()));
    QString text;
    QVERIFY(control.GetFont(&text));
    QCOMPARE(text, QStringLiteral(";10;Bold"));
}

void TestCmnFontCtrl::partsNotShownComeBackUnset_data()
{
    QTest::addColumn<int>("flags");
    QTest::addColumn<QString>("loaded");
    QTest::addColumn<QString>("saved");

    QTest::newRow("face and style, size set") << 27 << "Georgia;12;Italic" << "Georgia;0;Italic";
    QTest::newRow("face and style, size inherited") << 27 << "Georgia;;Italic" << "Georgia;;Italic";
    QTest::newRow("size alone, family and style set") << 28 << "Georgia;12;Italic" << ";12;";
    QTest::newRow("size alone, the rest inherited") << 28 << ";11;" << ";11;";
}

// Saved untouched, a control unsets the parts it does not show; a part that was
// already unset comes back as it was written.
void TestCmnFontCtrl::partsNotShownComeBackUnset()
{
    QFETCH(int, flags);
    QFETCH(QString, loaded);
    QFETCH(QString, saved);
    QWidget host;
    CCmnFontCtrl control(&host, flags, "font");
    host.setLayout(control.Layout());
    control.SetFont(loaded);
    QString text;
    QVERIFY(control.GetFont(&text));
    QCOMPARE(text, saved);
}

void TestCmnFontCtrl::exchangesThroughDialog()
{
    const QStringList families = FamiliesWithBold();
    if (families.isEmpty())
        QSKIP("No installed scalable family has a Bold face");
    const QString family = families.first();

    CFontDialog dialog(31);
    dialog.m_Font = family + ";10;Bold";
    dialog.Prepare();
    CCmnFontCtrl *control = dialog.m_FontCtrl;
    QCOMPARE(control->FaceComboBox()->currentFont().family(), family);
    QCOMPARE(control->SizeComboBox()->currentText(), QStringLiteral("10"));
    QCOMPARE(control->StyleComboBox()->currentText(), QStringLiteral("Bold"));

    const QSignalSpy spy(control, &CCmnFontCtrl::SignalFontChanged);
    control->SizeComboBox()->setCurrentIndex(control->SizeComboBox()->findText("14"));
    QCOMPARE(spy.count(), 1);

    dialog.accept();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.m_Font, family + ";14;Bold");
}

void TestCmnFontCtrl::newFaceKeepsStyleAndSize()
{
    const QStringList families = FamiliesWithBold();
    if (families.size() < 2)
        QSKIP("Fewer than two installed scalable families have a Bold face");

    QWidget host;
    CCmnFontCtrl control(&host, 31, "font");
    host.setLayout(control.Layout());
    control.SetFont(families.at(0) + ";18;Bold");
    const QSignalSpy spy(&control, &CCmnFontCtrl::SignalFontChanged);

    CCmnFontComboBox *face = control.FaceComboBox();
    face->setCurrentIndex(face->findText(families.at(1)));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(ItemTexts(control.StyleComboBox()), QFontDatabase::styles(families.at(1)));
    QString text;
    QVERIFY(control.GetFont(&text));
    QCOMPARE(text, families.at(1) + ";18;Bold");

    // A change made by the program is not the user's.
    control.SetFont(families.at(0) + ";12;Bold");
    QCOMPARE(spy.count(), 1);
}

void TestCmnFontCtrl::bitmapFaceOffersItsOwnSizes()
{
    const QStringList families = FamiliesWithBold();
    const QString bitmapFamily = OrvAddTestBitmapFont();
    if (families.isEmpty() || bitmapFamily.isEmpty())
        QSKIP("Needs a scalable family with a Bold face and the bitmap test font");
    const QList<int> bitmapSizes = QFontDatabase::smoothSizes(bitmapFamily, QString());
    QVERIFY(!bitmapSizes.contains(12));

    QWidget host;
    CCmnFontCtrl control(&host, 31, "font");
    host.setLayout(control.Layout());
    control.SetFont(families.first() + ";12;Bold");
    QVERIFY(control.SizeComboBox()->isEditable());

    CCmnFontComboBox *face = control.FaceComboBox();
    const int bitmapIndex = face->findText(bitmapFamily);
    QVERIFY(bitmapIndex >= 0);
    face->setCurrentIndex(bitmapIndex);

    QCOMPARE(ItemTexts(control.SizeComboBox()), SizeTexts(bitmapSizes));
    QVERIFY(!control.SizeComboBox()->isEditable());
    // 12 is not offered: the size a third of the way down takes its place.
    QCOMPARE(control.SizeComboBox()->currentIndex(), bitmapSizes.size() / 3);
    QCOMPARE(ItemTexts(control.StyleComboBox()), QFontDatabase::styles(bitmapFamily));

    // Loaded from a descriptor, the face's own size is selected.
    control.SetFont(bitmapFamily + ";" + QString::number(bitmapSizes.last()) + ";");
    QCOMPARE(control.SizeComboBox()->currentText(), QString::number(bitmapSizes.last()));
    QVERIFY(!control.SizeComboBox()->isEditable());
}

void TestCmnFontCtrl::registersWhatsThisOnEachBox()
{
    CFontDialog full(31);
    full.Prepare();
    const CCmnFontCtrl *control = full.m_FontCtrl;
    for (QWidget *box : QList<QWidget *>{control->FaceComboBox(), control->SizeComboBox(),
                                         control->StyleComboBox()})
        QVERIFY2(box->whatsThis().contains("The font of the box."), qPrintable(box->objectName()));
    QVERIFY(control->PointsLabel()->whatsThis().isEmpty());
    QVERIFY(full.HasWhatsThis());

    // Absent boxes are skipped.
    CFontDialog sizeOnly(28);
    sizeOnly.Prepare();
    QVERIFY(sizeOnly.m_FontCtrl->SizeComboBox()->whatsThis().contains("The font of the box."));
}

QTEST_MAIN(TestCmnFontCtrl)
#include "tst_cmnfontctrl.moc"
