#include "cmncombobox.h"
#include "cmncontrolfactory.h"
#include "cmndoublespinbox.h"
#include "cmnspinbox.h"
#include "cmntextencoding.h"
#include "cmntoolbutton.h"

#include <QImage>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCodec>

#include <memory>

static QStringList Texts(const QComboBox *combo)
{
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i)
        texts.append(combo->itemText(i));
    return texts;
}

static QVariantList Data(const QComboBox *combo)
{
    QVariantList data;
    for (int i = 0; i < combo->count(); ++i)
        data.append(combo->itemData(i));
    return data;
}

static QVariantList Ints(const QList<int> &values)
{
    QVariantList list;
    for (const int value : values)
        list.append(value);
    return list;
}

// Puts the system codec back even when a check fails half-way.
class CLocaleCodecScope
{
public:
    explicit CLocaleCodecScope(const char *name) { QTextCodec::setCodecForLocale(QTextCodec::codecForName(name)); }
    ~CLocaleCodecScope() { QTextCodec::setCodecForLocale(nullptr); }
};

// 0 for the UTF-8 and UTF-16 forms, 1 for the ISO family, 2 for the rest.
static int CodecGroup(const QString &name)
{
    const QString upper = name.toUpper();
    if (upper.startsWith(QLatin1String("UTF-8")) || upper.startsWith(QLatin1String("UTF-16")))
        return 0;
    return upper.startsWith(QLatin1String("ISO-")) ? 1 : 2;
}

class TestCmnControlFactory : public QObject
{
    Q_OBJECT
private slots:
    void letterCaseCombo_data();
    void letterCaseCombo();
    void lengthUnitCombo_data();
    void lengthUnitCombo();
    void fixedCombos_data();
    void fixedCombos();
    void textEncodingComboOrder();
    void textEncodingComboKeepsUtf8ForUtf8Locale();
    void textEncodingComboOtherLocale();
    void spinBox();
    void percentSpinBox_data();
    void percentSpinBox();
    void toolButton();
    void toolButtonIconImages();
};

void TestCmnControlFactory::letterCaseCombo_data()
{
    QTest::addColumn<bool>("useList");
    QTest::addColumn<QList<int>>("modes");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QList<int>>("data");
    QTest::addColumn<int>("maxVisible");

    QTest::newRow("no list gives all five") << false << QList<int>() << ""
                                            << QStringList{"None", "Upper Case", "Lower Case", "Title", "Sentence"}
                                            << QList<int>{0, 1, 2, 3, 4} << 5;
    QTest::newRow("list order and prefix") << true << QList<int>{3, 1} << "Names: "
                                           << QStringList{"Names: Title", "Names: Upper Case"} << QList<int>{3, 1}
                                           << 2;
    QTest::newRow("empty list") << true << QList<int>() << "" << QStringList() << QList<int>() << 0;
}

void TestCmnControlFactory::letterCaseCombo()
{
    QFETCH(bool, useList);
    QFETCH(QList<int>, modes);
    QFETCH(QString, prefix);
    QFETCH(QList<int>, data);

    QWidget parent;
    const QList<qint32> list(modes.cbegin(), modes.cend());
    CCmnComboBox *combo = CmnNewLetterCaseComboBox(useList ? &list : nullptr, prefix, &parent);
    QCOMPARE(combo->parentWidget(), &parent);
    QCOMPARE(combo->SlotBlockCount(), 0);
    QTEST(Texts(combo), "texts");
    QCOMPARE(Data(combo), Ints(data));
    QTEST(combo->maxVisibleItems(), "maxVisible");
}

void TestCmnControlFactory::lengthUnitCombo_data()
{
    QTest::addColumn<bool>("useList");
    QTest::addColumn<QList<int>>("units");
    QTest::addColumn<int>("style");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QList<int>>("data");

    QTest::newRow("no list, long names") << false << QList<int>() << 0 << ""
                                         << QStringList{"Inches", "Centimeters", "Millimeters"}
                                         << QList<int>{0, 1, 2};
    QTest::newRow("no list, short names, prefix") << false << QList<int>() << 1 << "Unit: "
                                                  << QStringList{"Unit: in", "Unit: cm", "Unit: mm"}
                                                  << QList<int>{0, 1, 2};
    QTest::newRow("list") << true << QList<int>{2, 0} << 0 << "" << QStringList{"Millimeters", "Inches"}
                          << QList<int>{2, 0};
}

void TestCmnControlFactory::lengthUnitCombo()
{
    QFETCH(bool, useList);
    QFETCH(QList<int>, units);
    QFETCH(int, style);
    QFETCH(QString, prefix);
    QFETCH(QList<int>, data);

    QWidget parent;
    const QList<qint32> list(units.cbegin(), units.cend());
    CCmnComboBox *combo = CmnNewLengthUnitComboBox(useList ? &list : nullptr, style, prefix, &parent);
    QCOMPARE(combo->parentWidget(), &parent);
    QTEST(Texts(combo), "texts");
    QCOMPARE(Data(combo), Ints(data));
    QCOMPARE(combo->maxVisibleItems(), data.size());
}

void TestCmnControlFactory::fixedCombos_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QVariantList>("data");
    QTest::addColumn<int>("maxVisible");   // -1: not set by the factory

    QTest::newRow("line ending")
        << 0
        << QStringList{"Linefeed (LF)", "Carriage Return (CR)", "Carriage Return, Linefeed (CR+LF)", "Default"}
        << QVariantList{"LF", "CR", "CRLF", "LOCALE"} << -1;
    QTest::newRow("brush style")
        << 1
        << QStringList{"None", "Solid", "Extremely Dense", "Very Dense", "Somewhat Dense", "Half Dense",
                       "Somewhat Sparse", "Very Sparse", "Extremely Sparse", "Horizontal Lines", "Vertical Lines",
                       "Crossing Horizontal and Vertical Lines", "Backward Diagonal Lines",
                       "Forward Diagonal Lines", "Crossing Diagonal Lines"}
        << Ints({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}) << 15;
    QTest::newRow("pen style")
        << 2
        << QStringList{"None", "Solid Line", "Dashed Line", "Dotted Line", "Dash-Dot Line", "Dash-Dot-Dot Line"}
        << Ints({0, 1, 2, 3, 4, 5}) << 6;
}

void TestCmnControlFactory::fixedCombos()
{
    QFETCH(int, kind);

    QWidget parent;
    CCmnComboBox *combo = kind == 0   ? CmnNewLineEndingComboBox(&parent)
                          : kind == 1 ? CmnNewBrushStyleComboBox(&parent)
                                      : CmnNewPenStyleComboBox(&parent);
    QCOMPARE(combo->parentWidget(), &parent);
    QCOMPARE(combo->SlotBlockCount(), 0);
    QTEST(Texts(combo), "texts");
    QTEST(Data(combo), "data");
    QFETCH(int, maxVisible);
    if (maxVisible >= 0)
        QCOMPARE(combo->maxVisibleItems(), maxVisible);
}

void TestCmnControlFactory::textEncodingComboOrder()
{
    QWidget parent;
    const CCmnComboBox *combo = CmnNewTextEncodingComboBox(&parent);
    QCOMPARE(combo->parentWidget(), &parent);
    QVERIFY(combo->count() > 3);

    // Several MIB numbers name one codec; each name is listed once, apart from
    // the locale entry beside UTF-8.
    QStringList named;
    for (int i = 0; i < combo->count(); ++i) {
        const QString text = combo->itemText(i);
        const QString data = combo->itemData(i).toString();
        if (data == QLatin1String("LOCALE")) {
            QCOMPARE(text, QStringLiteral("System (%1)").arg(CmnCodecDisplayName(QStringLiteral("LOCALE"))));
            continue;
        }
        QCOMPARE(data, text);
        QVERIFY2(CmnCodecForName(data), qPrintable(data));   // the text layer can open every choice
        named.append(text);
    }
    QCOMPARE(named.removeDuplicates(), 0);

    // The UTF-8 and UTF-16 forms, the ISO family, the rest; each group sorted.
    QStringList texts = Texts(combo);
    texts.removeAt(combo->findData(QStringLiteral("LOCALE")));
    for (int i = 1; i < texts.size(); ++i) {
        const int previous = CodecGroup(texts.at(i - 1));
        const int group = CodecGroup(texts.at(i));
        QVERIFY2(previous < group || (previous == group && texts.at(i - 1) <= texts.at(i)),
                 qPrintable(texts.at(i - 1) + QLatin1String(" before ") + texts.at(i)));
    }
    QCOMPARE(texts.mid(0, 3), (QStringList{"UTF-16", "UTF-16BE", "UTF-16LE"}));
    QCOMPARE(CodecGroup(QStringLiteral("ISO-8859-1")), 1);
    QVERIFY(texts.contains(QStringLiteral("ISO-8859-1")));
    QVERIFY(texts.contains(QStringLiteral("UTF-32")));   // not a UTF-8 or UTF-16 form
    QCOMPARE(CodecGroup(QStringLiteral("UTF-32")), 2);
}

void TestCmnControlFactory::textEncodingComboKeepsUtf8ForUtf8Locale()
{
    const CLocaleCodecScope scope("UTF-8");
    const std::unique_ptr<CCmnComboBox> combo(CmnNewTextEncodingComboBox(nullptr));
    const int locale = combo->findData(QStringLiteral("LOCALE"));
    const int utf8 = combo->findData(QStringLiteral("UTF-8"));
    QVERIFY(locale >= 0);
    QCOMPARE(utf8, locale + 1);
    QCOMPARE(combo->itemText(locale), QStringLiteral("System (UTF-8)"));
    QCOMPARE(combo->itemText(utf8), QStringLiteral("UTF-8"));
    QCOMPARE(Texts(combo.get()).count(QStringLiteral("UTF-8")), 1);
}

void TestCmnControlFactory::textEncodingComboOtherLocale()
{
    const CLocaleCodecScope scope("ISO-8859-15");
    const std::unique_ptr<CCmnComboBox> combo(CmnNewTextEncodingComboBox(nullptr));
    const int locale = combo->findData(QStringLiteral("LOCALE"));
    QVERIFY(locale >= 0);
    QCOMPARE(combo->itemText(locale), QStringLiteral("System (ISO-8859-15)"));
    QCOMPARE(combo->findText(QStringLiteral("ISO-8859-15")), -1);   // one entry for the locale codec
    QCOMPARE(combo->itemText(combo->findData(QStringLiteral("UTF-8"))), QStringLiteral("UTF-8"));
    QCOMPARE(Texts(combo.get()).count(QStringLiteral("UTF-8")), 1);
}

void TestCmnControlFactory::spinBox()
{
    const std::unique_ptr<CCmnSpinBox> spinBox(CmnNewSpinBox(-5, 40));
    QCOMPARE(spinBox->parent(), nullptr);
    QCOMPARE(spinBox->minimum(), -5);
    QCOMPARE(spinBox->maximum(), 40);
    QCOMPARE(spinBox->singleStep(), 1);
    QCOMPARE(spinBox->SlotBlockCount(), 0);
}

void TestCmnControlFactory::percentSpinBox_data()
{
    QTest::addColumn<double>("step");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<double>("minimum");
    QTest::addColumn<double>("maximum");
    QTest::addColumn<double>("percentMinimum");
    QTest::addColumn<double>("percentMaximum");
    QTest::addColumn<double>("percentStep");

    QTest::newRow("whole percent") << 0.01 << 0 << 0.0 << 1.0 << 0.0 << 100.0 << 1.0;
    QTest::newRow("half percent") << 0.005 << 1 << 0.25 << 0.75 << 25.0 << 75.0 << 0.5;
    // Finer than the spin box's initial two decimals: nothing may be rounded away.
    QTest::newRow("three decimals") << 0.00025 << 3 << 0.00125 << 0.5 << 0.125 << 50.0 << 0.025;
    QTest::newRow("above one") << 0.1 << 0 << -1.0 << 2.0 << -100.0 << 200.0 << 10.0;
}

void TestCmnControlFactory::percentSpinBox()
{
    QFETCH(double, step);
    QFETCH(int, decimals);
    QFETCH(double, minimum);
    QFETCH(double, maximum);

    QWidget parent;
    CCmnDoubleSpinBox *spinBox = CmnNewPercentSpinBox(step, decimals, minimum, maximum, &parent);
    QCOMPARE(spinBox->parentWidget(), &parent);
    QTEST(spinBox->minimum(), "percentMinimum");
    QTEST(spinBox->maximum(), "percentMaximum");
    QTEST(spinBox->singleStep(), "percentStep");
    QCOMPARE(spinBox->decimals(), decimals);
    QCOMPARE(spinBox->suffix(), QStringLiteral("%"));
    spinBox->setValue(spinBox->maximum());
    QCOMPARE(spinBox->text(), QLocale().toString(spinBox->maximum(), 'f', decimals) + QLatin1Char('%'));
}

// Writes base-24.png in red and base-32.png in blue, so each size shows its file.
static void WriteIconImages(const QString &base)
{
    QImage small(24, 24, QImage::Format_ARGB32);
    small.fill(Qt::red);
    QVERIFY(small.save(base + QStringLiteral("-24.png")));
    QImage large(32, 32, QImage::Format_ARGB32);
    large.fill(Qt::blue);
    QVERIFY(large.save(base + QStringLiteral("-32.png")));
}

void TestCmnControlFactory::toolButton()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString base = dir.filePath(QStringLiteral("floppydisk"));
    WriteIconImages(base);

    QWidget parent;
    CCmnToolButton *button = CmnNewToolButton(base, QSize(32, 32), QStringLiteral("Save"), true, true, &parent);
    QCOMPARE(button->parentWidget(), &parent);
    QCOMPARE(button->SlotBlockCount(), 0);
    QCOMPARE(button->toolTip(), QStringLiteral("Save"));
    QVERIFY(button->isCheckable());
    QCOMPARE(button->iconSize(), QSize(32, 32));
    QCOMPARE(button->icon().availableSizes(), (QList<QSize>{QSize(24, 24), QSize(32, 32)}));
    QVERIFY(button->autoRepeat());
    QCOMPARE(button->autoRepeatDelay(), 200);
    QCOMPARE(button->autoRepeatInterval(), 200);

    CCmnToolButton *plain = CmnNewToolButton(base, QSize(24, 24), QString(), false, false, &parent);
    QVERIFY(!plain->isCheckable());
    QVERIFY(!plain->autoRepeat());
    QCOMPARE(plain->iconSize(), QSize(24, 24));

    // A resource that is not there leaves the button without an icon, not broken.
    CCmnToolButton *missing = CmnNewToolButton(QStringLiteral(":/cmn/toolbuttons/no-such-icon"), QSize(24, 24),
                                               QStringLiteral("Print"), false, false, &parent);
    QVERIFY(missing->icon().isNull());
    QCOMPARE(missing->toolTip(), QStringLiteral("Print"));
}

void TestCmnControlFactory::toolButtonIconImages()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString base = dir.filePath(QStringLiteral("zoom-in"));
    WriteIconImages(base);

    const QIcon icon = CmnToolButtonIcon(base);
    QCOMPARE(icon.pixmap(QSize(24, 24)).toImage().pixelColor(5, 5), QColor(Qt::red));
    QCOMPARE(icon.pixmap(QSize(32, 32)).toImage().pixelColor(5, 5), QColor(Qt::blue));

    // Only one size present: the icon holds that one.
    QVERIFY(QFile::remove(base + QStringLiteral("-32.png")));
    QCOMPARE(CmnToolButtonIcon(base).availableSizes(), QList<QSize>{QSize(24, 24)});
}

QTEST_MAIN(TestCmnControlFactory)
#include "tst_cmncontrolfactory.moc"
