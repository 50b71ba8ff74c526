#include "cmnfontdescriptor.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QTest>

// Needs the font database, so it runs with a GUI application (offscreen).
class TestCmnFontDescriptor : public QObject
{
    Q_OBJECT
private slots:
    void parsesText_data();
    void parsesText();
    void printsParsedText_data();
    void printsParsedText();
    void choosesDefaultFamily_data();
    void choosesDefaultFamily();
    void defaultFamilyComesFromTheFontDatabase();
    void splitsSizeFromTheRest_data();
    void splitsSizeFromTheRest();
    void mergesWithFallback_data();
    void mergesWithFallback();
    void givesTheDatabaseFaceOfAStyle();
    void completesUnsetSizeAndStyle();
    void unsetStyleIsTheRegularFace();
    void missingFamilyKeepsSizeAndStyle();

private:
    // An installed family with a "Bold" face, or empty.
    static QString FamilyWithBold();
};

QString TestCmnFontDescriptor::FamilyWithBold()
{
    for (const QString &family : QFontDatabase::families()) {
        if (QFontDatabase::styles(family).contains(QStringLiteral("Bold")))
            return family;
    }
    return QString();
}

void TestCmnFontDescriptor::parsesText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("family");
    QTest::addColumn<qint32>("size");
    QTest::addColumn<QString>("style");

    const QString defaultFamily = CmnDefaultFontFamily();
    QTest::newRow("complete") << "Georgia;12;Bold" << "Georgia" << 12 << "Bold";
    QTest::newRow("empty") << "" << defaultFamily << 0 << "";
    QTest::newRow("sizeOnly") << ";10;" << defaultFamily << 10 << "";
    QTest::newRow("familyOnly") << "Arial" << "Arial" << 0 << "";
    QTest::newRow("noStyle") << "Arial;9" << "Arial" << 9 << "";
    QTest::newRow("sizeNotANumber") << "Arial;abc;Bold" << "Arial" << 0 << "Bold";
    QTest::newRow("sizeFraction") << "Arial;12.5;Bold" << "Arial" << 0 << "Bold";
    QTest::newRow("sizeNegative") << "Arial;-5;Italic" << "Arial" << 0 << "Italic";
    QTest::newRow("sizeHuge") << "Arial;2147483648;" << "Arial" << CmnMaxFontPointSize << "";
    QTest::newRow("sizeAtMaximum") << "Arial;1000;" << "Arial" << 1000 << "";
    QTest::newRow("sizeBeyondAnyNumber") << "Arial;99999999999999999999999;" << "Arial" << 0 << "";
    QTest::newRow("extraFieldsIgnored") << "Arial;12;Bold;x;y" << "Arial" << 12 << "Bold";
    QTest::newRow("onlySeparators") << ";;;;" << defaultFamily << 0 << "";
    QTest::newRow("unknownStyleKept") << "Arial;8;Wobbly" << "Arial" << 8 << "Wobbly";
}

void TestCmnFontDescriptor::parsesText()
{
    QFETCH(QString, text);
    const CCmnFontDescriptor descriptor(text);
    QTEST(descriptor.m_Family, "family");
    QTEST(descriptor.m_PointSize, "size");
    QTEST(descriptor.m_Style, "style");
}

void TestCmnFontDescriptor::printsParsedText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("printed");

    const QString defaultFamily = CmnDefaultFontFamily();
    QTest::newRow("complete") << "Georgia;12;Bold" << "Georgia;12;Bold";
    QTest::newRow("empty") << "" << defaultFamily + ";0;";
    QTest::newRow("sizeOnly") << ";10;" << defaultFamily + ";10;";
    QTest::newRow("sizeNotANumber") << "Arial;abc;Bold" << "Arial;0;Bold";
    QTest::newRow("sizeHuge") << "Arial;50000;Bold" << "Arial;1000;Bold";
    QTest::newRow("extraFieldsDropped") << "Arial;12;Bold;x" << "Arial;12;Bold";
}

void TestCmnFontDescriptor::printsParsedText()
{
    QFETCH(QString, text);
    const QString printed = CCmnFontDescriptor(text).ToString();
    QTEST(printed, "printed");
    // What was printed reads back as the same descriptor.
    QCOMPARE(CCmnFontDescriptor(printed).ToString(), printed);
}

void TestCmnFontDescriptor::choosesDefaultFamily_data()
{
    QTest::addColumn<QStringList>("families");
    QTest::addColumn<QString>("chosen");

    QTest::newRow("georgiaFirst") << QStringList{"Book Antiqua", "Palatino Linotype", "Georgia"} << "Georgia";
    QTest::newRow("palatinoWithoutGeorgia") << QStringList{"Arial", "Book Antiqua", "Palatino Linotype"}
                                            << "Palatino Linotype";
    QTest::newRow("bookAntiquaLast") << QStringList{"Arial", "Book Antiqua"} << "Book Antiqua";
    QTest::newRow("noneOfThem") << QStringList{"Arial", "DejaVu Serif"} << "Times New Roman";
    QTest::newRow("caseMatters") << QStringList{"georgia", "PALATINO LINOTYPE"} << "Times New Roman";
    QTest::newRow("noFamilies") << QStringList() << "Times New Roman";
}

void TestCmnFontDescriptor::choosesDefaultFamily()
{
    QFETCH(QStringList, families);
    QTEST(CmnChooseDefaultFontFamily(families), "chosen");
}

void TestCmnFontDescriptor::defaultFamilyComesFromTheFontDatabase()
{
    QCOMPARE(CmnDefaultFontFamily(), CmnChooseDefaultFontFamily(QFontDatabase::families()));
}

void TestCmnFontDescriptor::splitsSizeFromTheRest_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("withoutSize");
    QTest::addColumn<QString>("sizeOnly");

    QTest::newRow("complete") << "Georgia;12;Bold" << "Georgia;;Bold" << ";12;";
    QTest::newRow("bareFamily") << "Georgia" << "Georgia;;" << ";;";
    QTest::newRow("empty") << "" << ";;" << ";;";
    QTest::newRow("extraFieldsKept") << "Georgia;12;Bold;x" << "Georgia;;Bold;x" << ";12;;x";
}

void TestCmnFontDescriptor::splitsSizeFromTheRest()
{
    QFETCH(QString, text);
    QTEST(CmnFontDescriptorWithoutSize(text), "withoutSize");
    QTEST(CmnFontDescriptorSizeOnly(text), "sizeOnly");
}

void TestCmnFontDescriptor::mergesWithFallback_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("fallback");
    QTest::addColumn<QString>("merged");

    QTest::newRow("styleOverSizeAndFamily") << ";0;Italic" << "Georgia;11;Bold" << "Georgia;11;Italic";
    QTest::newRow("sizeOnly") << ";12;" << "Georgia;10;Bold" << "Georgia;12;Bold";
    QTest::newRow("familyWithZeroSize") << "Georgia;0;" << ";14;Italic" << "Georgia;14;Italic";
    QTest::newRow("emptyTakesAll") << "" << "Arial;9;Bold" << "Arial;9;Bold";
    QTest::newRow("completeKeepsAll") << "Arial;9;Bold" << "Georgia;11;Italic" << "Arial;9;Bold";
    QTest::newRow("shortFallback") << ";0;" << "Georgia" << "Georgia;;";
    QTest::newRow("extraFieldsOfText") << ";;;x" << "Arial;9;Bold;y" << "Arial;9;Bold;x";
    QTest::newRow("unreadableSizeIsKept") << "Arial;abc;" << ";12;" << "Arial;abc;";
}

void TestCmnFontDescriptor::mergesWithFallback()
{
    QFETCH(QString, text);
    QFETCH(QString, fallback);
    QTEST(CmnMergeFontDescriptors(text, fallback), "merged");
}

void TestCmnFontDescriptor::givesTheDatabaseFaceOfAStyle()
{
    const QString family = FamilyWithBold();
    if (family.isEmpty())
        QSKIP("No installed family has a Bold face");
    CCmnFontDescriptor completed;
    const QFont font = CmnFontFromDescriptor(family + ";14;Bold", &completed);
    QCOMPARE(font, QFontDatabase::font(family, "Bold", 14));
    QCOMPARE(font.pointSize(), 14);
    QCOMPARE(completed.ToString(), family + ";14;Bold");
}

void TestCmnFontDescriptor::completesUnsetSizeAndStyle()
{
    const QString family = FamilyWithBold();
    if (family.isEmpty())
        QSKIP("No installed family has a Bold face");
    CCmnFontDescriptor completed;
    const QFont font = CmnFontFromDescriptor(family + ";0;", &completed);
    QCOMPARE(completed.m_Family, family);
    QCOMPARE(font.pointSize(), 12);
    QCOMPARE(completed.m_PointSize, 12);
    // A style the family lists, so that a style list can select it.
    QVERIFY2(QFontDatabase::styles(family).contains(completed.m_Style), qPrintable(completed.m_Style));

    // An empty text completes the default family the same way.
    const QFont defaultFont = CmnFontFromDescriptor(QString(), &completed);
    QCOMPARE(completed.m_Family, CmnDefaultFontFamily());
    QCOMPARE(completed.m_PointSize, defaultFont.pointSize());
    QVERIFY(!completed.m_Style.isEmpty());
}

void TestCmnFontDescriptor::unsetStyleIsTheRegularFace()
{
    // Some families keep condensed faces under the same name; asked for no
    // particular style, the database would hand out the first face it meets.
    QString family;
    for (const QString &candidate : QFontDatabase::families()) {
        const QStringList styles = QFontDatabase::styles(candidate);
        if (styles.contains("Condensed") && (styles.contains("Book") || styles.contains("Regular")))
            family = candidate;
    }
    if (family.isEmpty())
        QSKIP("No installed family has condensed and regular faces");
    CCmnFontDescriptor completed;
    const QFont font = CmnFontFromDescriptor(family + ";12;", &completed);
    QVERIFY2(!QFontInfo(font).styleName().contains("Condensed"), qPrintable(QFontInfo(font).styleName()));
    QVERIFY2(!completed.m_Style.contains("Condensed"), qPrintable(completed.m_Style));
}

void TestCmnFontDescriptor::missingFamilyKeepsSizeAndStyle()
{
    // The database answers an unknown family with the application font; the
    // descriptor's size and style must survive the substitution all the same.
    const QString family = QStringLiteral("No Such Family Orvanta");
    QVERIFY(!QFontDatabase::hasFamily(family));
    CCmnFontDescriptor completed;
    const QFont font = CmnFontFromDescriptor(family + ";17;Bold", &completed);
    QCOMPARE(font.pointSize(), 17);
    QCOMPARE(font.styleName(), QStringLiteral("Bold"));
    QCOMPARE(completed.ToString(), family + ";17;Bold");
    QCOMPARE(QFontInfo(font).pointSize(), 17);
}

QTEST_MAIN(TestCmnFontDescriptor)
#include "tst_cmnfontdescriptor.moc"
