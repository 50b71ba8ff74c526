#include "cmncalendars.h"
#include "cmndatastream.h"
#include "cmndate.h"
#include "cmndateparser.h"
#include "cmndatetostring.h"
#include "cmndateprovider.h"
#include "cmndatetext.h"
#include "cmnframework.h"
#include "testdata.h"

#include <QDataStream>
#include <QFile>
#include <QTest>

#include <memory>
#include <random>

namespace {

const QString kMonthFirst = QStringLiteral("[mm/[dd/]]yyyy");
const QString kDayFirst = QStringLiteral("[[dd/]mm/]yyyy");

CCmnDate Ymd(int calendar, int day, int month, int year)
{
    CCmnDate date;
    if (!date.SetYmd(calendar, day, month, year))
        qWarning("test date %d-%d-%d in calendar %d cannot be set", year, month, day, calendar);
    return date;
}

// A run of days that no setter makes, through the stream form.
CCmnDate Range(quint32 first, quint32 last)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    CmnPrepareDataStream(out);
    out << quint8(0) << first << (last | quint32(CmnDateCalendarGregorian) << 28);
    QDataStream in(bytes);
    CmnPrepareDataStream(in);
    CCmnDate date;
    in >> date;
    return date;
}

// A single day (half the time), a run of days within a month, or a longer run.
CCmnDate RandomDate(std::mt19937 &random)
{
    const quint32 first = 1000000 + random() % 1700000;
    const quint32 kind = random() % 4;
    const quint32 width = random();
    return Range(first, first + (kind < 2 ? 0 : kind == 2 ? 1 + width % 99 : 100 + width % 300));
}

struct RandomFormatCase
{
    CCmnDate date;
    int calendar = 0;
    QString format;
};

// Formats strung together from field names in either case, unknown names, separators,
// digits, non-ASCII letters and stray brackets, over single days, months and years in
// every calendar code. mt19937's raw output is the same on every platform.
QList<RandomFormatCase> RandomFormatCases(int count)
{
    static const char16_t *const kNames[] = {u"d",    u"dd",   u"m",  u"mm",   u"mmm", u"mmmm", u"MMM", u"Mmmm",
                                             u"mMmM", u"yy",   u"yyyy", u"YYYY", u"Dd",  u"q",    u"ddd", u"\u00e9"};
    static const char16_t *const kOthers[] = {u"/", u"-", u" ", u"  ", u", ", u".", u"[", u"]", u"1", u"\u00df"};
    std::mt19937 random(20261211);
    QList<RandomFormatCase> cases;
    for (int i = 0; i < count; ++i) {
        RandomFormatCase c;
        c.date = RandomDate(random);
        c.calendar = int(random() % 6);
        const int pieces = 1 + int(random() % 9);
        for (int p = 0; p < pieces; ++p)
            c.format += QString::fromUtf16(random() % 2 ? kNames[random() % std::size(kNames)]
                                                        : kOthers[random() % std::size(kOthers)]);
        cases.append(c);
    }
    return cases;
}

// Typed texts for the random formats: what each writes, then that text changed as a
// typist might change it (letter case, blanks, a character lost or doubled, other
// digits), so that both readings that succeed and readings that fail are covered.
QStringList RandomTypedTexts(const RandomFormatCase &c, std::mt19937 &random)
{
    const QString written = c.date.Format(c.format, c.calendar);
    QStringList texts{written};
    for (int i = 0; i < 3; ++i) {
        QString text = written;
        const qsizetype at = text.isEmpty() ? 0 : qsizetype(random() % quint32(text.size()));
        switch (random() % 6) {
        case 0:
            text = text.toLower();
            break;
        case 1:
            text = QStringLiteral("  ") + text + QLatin1Char(' ');
            break;
        case 2:
            text.remove(at, 1);
            break;
        case 3:
            text.insert(at, text.isEmpty() ? QChar(u' ') : text.at(at));
            break;
        case 4:
            for (QChar &ch : text) {
                if (ch.isDigit())
                    ch = QChar(u'0' + int(random() % 10));
            }
            break;
        default:
            text.insert(at, QStringLiteral(" 7"));
            break;
        }
        texts.append(text);
    }
    return texts;
}

// Input formats as users write them: day, month and year in some order, optional
// groups, names or digits of either width, letter case and separators at random.
QList<RandomFormatCase> RandomInputFormatCases(int count)
{
    static const char16_t *const kDays[] = {u"d", u"dd", u"D", u"DD"};
    static const char16_t *const kMonths[] = {u"m", u"mm", u"mmm", u"mmmm", u"MMM", u"Mmmm"};
    static const char16_t *const kYears[] = {u"yy", u"yyyy", u"YYYY"};
    static const char16_t *const kSeparators[] = {u"/", u"-", u" ", u"  ", u". ", u".", u" / "};
    // %1 day, %2 month, %3 year, %4 separator.
    static const char16_t *const kShapes[] = {u"[%2%4[%1%4]]%3", u"[[%1%4]%2%4]%3", u"%3[%4%2[%4%1]]", u"%1%4%2%4%3",
                                              u" [%2%4]%3 "};
    std::mt19937 random(20261213);
    QList<RandomFormatCase> cases;
    for (int i = 0; i < count; ++i) {
        RandomFormatCase c;
        c.date = RandomDate(random);
        c.calendar = 1 + int(random() % 5);
        const QString day = QString::fromUtf16(kDays[random() % std::size(kDays)]);
        const QString month = QString::fromUtf16(kMonths[random() % std::size(kMonths)]);
        const QString year = QString::fromUtf16(kYears[random() % std::size(kYears)]);
        const QString sep = QString::fromUtf16(kSeparators[random() % std::size(kSeparators)]);
        c.format = QString::fromUtf16(kShapes[random() % std::size(kShapes)]).arg(day, month, year, sep);
        cases.append(c);
    }
    return cases;
}

// A date as its day numbers and calendar, "-" when empty.
QString DateLine(const CCmnDate &date)
{
    if (date.IsEmpty())
        return QStringLiteral("-");
    return QStringLiteral("%1 %2 %3").arg(date.FirstDay()).arg(date.LastDay()).arg(date.Calendar());
}

} // namespace

class TestCmnDateText : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void defaultInputFormatsFollowTheLocale_data();
    void defaultInputFormatsFollowTheLocale();
    void parse_data();
    void parse();
    void twoDigitYearsFollowTheClock_data();
    void twoDigitYearsFollowTheClock();
    void format_data();
    void format();
    void defaultText_data();
    void defaultText();
    void yearText_data();
    void yearText();
    void expandFormat_data();
    void expandFormat();
    void monthKeys_data();
    void monthKeys();
    void monthNames_data();
    void monthNames();
    void parseGedcom_data();
    void parseGedcom();
    void gedcomTokensReportWordsUsed_data();
    void gedcomTokensReportWordsUsed();
    void formattedTextReadsBack();
    void randomFormatsWriteTheirPinnedTexts();
    void parserReadsThePinnedDates();
    void oneParserReadsTextsInTurn_data();
    void oneParserReadsTextsInTurn();
    void parserReadsTheClockAtEachDate();

private:
    std::unique_ptr<CCmnDateProviderScope> m_Clock;
};

// Two-digit years are read against 2024 in every test.
void TestCmnDateText::init()
{
    m_Clock = std::make_unique<CCmnDateProviderScope>(
        CCmnDateProvider(QDate(2024, 6, 1), QLocale(QLocale::English, QLocale::UnitedStates)));
}

void TestCmnDateText::cleanup()
{
    m_Clock.reset();
}

void TestCmnDateText::defaultInputFormatsFollowTheLocale_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("format");
    QTest::newRow("United States") << QLocale(QLocale::English, QLocale::UnitedStates) << kMonthFirst;
    QTest::newRow("United Kingdom") << QLocale(QLocale::English, QLocale::UnitedKingdom) << kDayFirst;
    QTest::newRow("Germany") << QLocale(QLocale::German, QLocale::Germany) << kDayFirst;
}

void TestCmnDateText::defaultInputFormatsFollowTheLocale()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, format);
    const CCmnDateProviderScope scope(CCmnDateProvider(QDate(2024, 6, 1), locale));
    const QLocale pinned = CmnGetDateProvider().Locale();
    QCOMPARE(CmnDateInputFormatForShortDateFormat(pinned.dateFormat(QLocale::ShortFormat)), format);
}

void TestCmnDateText::parse_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("calendar");
    QTest::addColumn<CCmnDate>("date");
    const CCmnDate none;
    const CCmnDate may17 = Ymd(1, 17, 5, 2001);
    const CCmnDate may = Ymd(1, 0, 5, 2001);
    const CCmnDate year = Ymd(1, 0, 0, 2001);

    QTest::newRow("mdy full") << kMonthFirst << "05/17/2001" << 1 << may17;
    QTest::newRow("mdy short year") << kMonthFirst << "5/17/01" << 1 << may17;
    QTest::newRow("mdy month") << kMonthFirst << "5/2001" << 1 << may;
    QTest::newRow("mdy year") << kMonthFirst << "2001" << 1 << year;
    QTest::newRow("mdy day first refused") << kMonthFirst << "17/05/2001" << 1 << none;
    QTest::newRow("mdy 31 Feb refused") << kMonthFirst << "02/31/2001" << 1 << none;
    QTest::newRow("mdy month 0") << kMonthFirst << "0/2001" << 1 << none;
    QTest::newRow("mdy day 0") << kMonthFirst << "5/0/2001" << 1 << none;
    QTest::newRow("mdy one-digit year") << kMonthFirst << "5/17/1" << 1 << none;
    QTest::newRow("mdy three-digit year") << kMonthFirst << "5/17/201" << 1 << none;
    QTest::newRow("mdy trailing text") << kMonthFirst << "5/17/2001x" << 1 << none;
    QTest::newRow("mdy empty") << kMonthFirst << "" << 1 << none;
    QTest::newRow("dmy full") << kDayFirst << "17/5/2001" << 1 << may17;
    QTest::newRow("dmy month") << kDayFirst << "5/2001" << 1 << may;
    QTest::newRow("dmy year in blanks") << kDayFirst << "  2001  " << 1 << year;
    QTest::newRow("dmy 29 Feb 2000") << kDayFirst << "29/02/2000" << 1 << Ymd(1, 29, 2, 2000);
    QTest::newRow("dmy 29 Feb 1900 refused") << kDayFirst << "29/02/1900" << 1 << none;
    QTest::newRow("dmy 31 Feb refused") << kDayFirst << "31/02/2001" << 1 << none;
    QTest::newRow("dmy julian") << kDayFirst << "4/10/1582" << 5 << Ymd(5, 4, 10, 1582);
    QTest::newRow("dmy dual") << kDayFirst << "1751" << 2 << Ymd(2, 0, 0, 1751);
    QTest::newRow("dmy format in capitals") << "[[DD/]MM/]YYYY" << "17/5/2001" << 1 << may17;
    QTest::newRow("full month name") << "mmmm yyyy" << "May 2001" << 1 << may;
    QTest::newRow("abbreviated month name") << "mmm yyyy" << "May 2001" << 1 << may;
    QTest::newRow("full name under mmm") << "mmm yyyy" << "April 2001" << 1 << none;
    QTest::newRow("lower-case name") << "mmmm yyyy" << "april 2001" << 1 << Ymd(1, 0, 4, 2001);
    QTest::newRow("unknown name") << "mmm yyyy" << "Maj 2001" << 1 << none;
    QTest::newRow("white space run") << "dd mm yyyy" << "17   5 2001" << 1 << may17;
    QTest::newRow("separator mismatch") << "dd.mm.yyyy" << "17/05/2001" << 1 << none;
    QTest::newRow("blank needed") << "dd mm yyyy" << "175 2001" << 1 << none;
    QTest::newRow("day without month") << "dd yyyy" << "17 2001" << 1 << none;
    QTest::newRow("unknown field") << "dd/mm/yyy" << "17/05/200" << 1 << none;
    QTest::newRow("hebrew Adar Sheni") << "d mmm yyyy" << "15 Ads 5784" << 3 << Ymd(3, 15, 7, 5784);
    QTest::newRow("hebrew whole Adar I") << "mmmm yyyy" << "Adar 5784" << 3 << Ymd(3, 0, 6, 5784);
    QTest::newRow("hebrew 30 Adar common refused") << "d mmmm yyyy" << "30 Adar 5783" << 3 << none;
    QTest::newRow("french") << "d mmm yyyy" << "1 Vend 0001" << 4 << Ymd(4, 1, 1, 1);
    QTest::newRow("french comp") << "d mmmm yyyy" << "6 Jourcomplementairs 0003" << 4 << Ymd(4, 6, 13, 3);
    QTest::newRow("french comp as written") << "d mmmm yyyy" << "6 Jour Complementairs 0003" << 4
                                            << Ymd(4, 6, 13, 3);
    QTest::newRow("french year 15") << "yyyy" << "0015" << 4 << none;
    QTest::newRow("eight groups") << "[d/][d/][d/][d/][d/][d/][d/][d/]yyyy" << "2001" << 1 << year;
    QTest::newRow("nine groups refused") << "[d/][d/][d/][d/][d/][d/][d/][d/][d/]yyyy" << "2001" << 1 << none;
}

void TestCmnDateText::parse()
{
    QFETCH(QString, format);
    QFETCH(QString, text);
    QFETCH(int, calendar);
    QFETCH(CCmnDate, date);
    const CCmnDate parsed = CCmnDate::Parse(text, format, calendar);
    QCOMPARE(parsed, date);
    QCOMPARE(parsed.Calendar(), date.Calendar());
}

void TestCmnDateText::twoDigitYearsFollowTheClock_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("year");
    QTest::newRow("yy this year") << QDate(2024, 1, 1) << "yy" << "24" << 2024;
    QTest::newRow("yy next year is last century") << QDate(2024, 1, 1) << "yy" << "25" << 1925;
    QTest::newRow("yy 00") << QDate(2024, 1, 1) << "yy" << "00" << 2000;
    QTest::newRow("yy four digits") << QDate(2024, 1, 1) << "yy" << "1750" << 1750;
    QTest::newRow("yy three digits refused") << QDate(2024, 1, 1) << "yy" << "750" << 0;
    QTest::newRow("yyyy 00") << QDate(2024, 1, 1) << "yyyy" << "00" << 2000;
    QTest::newRow("yy in 2031") << QDate(2031, 1, 1) << "yy" << "30" << 2030;
    QTest::newRow("yy in 2099") << QDate(2099, 12, 31) << "yy" << "99" << 2099;
    QTest::newRow("yyyy 00 in 2000") << QDate(2000, 1, 1) << "yyyy" << "00" << 2000;
    QTest::newRow("yy 01 in 2000") << QDate(2000, 1, 1) << "yy" << "01" << 1901;
}

void TestCmnDateText::twoDigitYearsFollowTheClock()
{
    QFETCH(QDate, today);
    QFETCH(QString, format);
    QFETCH(QString, text);
    QFETCH(int, year);
    const CCmnDateProviderScope scope(CCmnDateProvider(today, QLocale::c()));
    QCOMPARE(CCmnDate::Parse(text, format, 1).Year(1), year);
}

void TestCmnDateText::format_data()
{
    QTest::addColumn<CCmnDate>("date");
    QTest::addColumn<QString>("format");
    QTest::addColumn<int>("calendar");
    QTest::addColumn<QString>("text");
    const CCmnDate may17 = Ymd(1, 17, 5, 2001);
    const CCmnDate may = Ymd(1, 0, 5, 2001);
    const CCmnDate year = Ymd(1, 0, 0, 2001);
    const quint32 jan1 = CmnGregorianToJdn(1, 1, 2001);

    QTest::newRow("mdy day") << may17 << kMonthFirst << 1 << "05/17/2001";
    QTest::newRow("mdy month") << may << kMonthFirst << 1 << "05/2001";
    QTest::newRow("mdy year") << year << kMonthFirst << 1 << "2001";
    QTest::newRow("dmy day") << may17 << kDayFirst << 1 << "17/05/2001";
    QTest::newRow("dmy month") << may << kDayFirst << 1 << "05/2001";
    QTest::newRow("dmy year") << year << kDayFirst << 1 << "2001";
    QTest::newRow("separator outside group") << may << "dd/mm/yyyy" << 1 << "/05/2001";
    QTest::newRow("DD writes nothing") << may17 << "DD/mm/yyyy" << 1 << "/05/2001";
    QTest::newRow("MMM upper") << may << "MMM yyyy" << 1 << "MAY 2001";
    QTest::newRow("Mmmm upper") << may17 << "Mmmm d, yyyy" << 1 << "MAY 17, 2001";
    QTest::newRow("mmmm as listed") << may17 << "mmmm d, yyyy" << 1 << "May 17, 2001";
    QTest::newRow("short fields") << Ymd(1, 5, 4, 2001) << "d/m/yy" << 1 << "5/4/01";
    QTest::newRow("99 days shows month") << Range(jan1, jan1 + 99) << kMonthFirst << 1 << "04/2001";
    QTest::newRow("100 days shows year") << Range(jan1, jan1 + 100) << kMonthFirst << 1 << "2001";
    QTest::newRow("hebrew") << Ymd(3, 15, 7, 5784) << "dd mmmm yyyy" << 3 << "15 AdarSheni 5784";
    QTest::newRow("hebrew day in gregorian") << Ymd(3, 15, 7, 5784) << "dd mmmm yyyy" << 1 << "25 March 2024";
    QTest::newRow("french comp") << Ymd(4, 3, 13, 3) << "d mmmm yyyy" << 4 << "3 Jour Complementairs 0003";
    QTest::newRow("french Ther") << Ymd(4, 9, 11, 2) << "d mmm yyyy" << 4 << "9 Ther 0002";
    QTest::newRow("outside french years") << Ymd(1, 1, 1, 2000) << kMonthFirst << 4 << "0000";
    QTest::newRow("julian day in gregorian") << Ymd(5, 4, 10, 1582) << "dd/mm/yyyy" << 1 << "14/10/1582";
    QTest::newRow("dual year") << Ymd(2, 0, 0, 1751) << "yyyy" << 2 << "1750/51";
    QTest::newRow("dual asked as plain") << Ymd(2, 0, 0, 1751) << "yyyy" << 1 << "1751";
    QTest::newRow("B.C.") << Ymd(5, 15, 3, -44) << "dd/mm/yyyy" << 5 << "15/03/0044B.C.";
    QTest::newRow("unclosed group dropped") << may17 << "yyyy[/mm" << 1 << "2001";
    QTest::newRow("empty date") << CCmnDate() << kMonthFirst << 1 << "";
    QTest::newRow("empty format") << may17 << "" << 1 << "";
    QTest::newRow("unclosed nesting") << may17 << QString(100000, QLatin1Char('[')) + "yyyy" << 1 << "";
    QTest::newRow("deep nesting") << may17
                                  << QString(100000, QLatin1Char('[')) + "yyyy" + QString(100000, QLatin1Char(']'))
                                  << 1 << "";
    QTest::newRow("nesting that real formats use") << may17 << "[[[[yyyy]]]]" << 1 << "2001";
}

void TestCmnDateText::format()
{
    QFETCH(CCmnDate, date);
    QFETCH(QString, format);
    QFETCH(int, calendar);
    QFETCH(QString, text);
    QCOMPARE(date.Format(format, calendar), text);
}

void TestCmnDateText::defaultText_data()
{
    QTest::addColumn<CCmnDate>("date");
    QTest::addColumn<int>("calendar");
    QTest::addColumn<QString>("text");
    QTest::newRow("day") << Ymd(1, 5, 4, 2001) << 1 << "5 Apr 2001";
    QTest::newRow("month") << Ymd(1, 0, 4, 2001) << 1 << "Apr 2001";
    QTest::newRow("year") << Ymd(1, 0, 0, 2001) << 1 << "2001";
    QTest::newRow("dual day") << Ymd(2, 5, 2, 1751) << 2 << "5 Feb 1750/51";
    QTest::newRow("hebrew") << Ymd(3, 15, 7, 5784) << 3 << "15 Ads 5784";
    QTest::newRow("french") << Ymd(4, 3, 13, 3) << 4 << "3 Comp 0003";
    QTest::newRow("julian B.C.") << Ymd(5, 15, 3, -44) << 5 << "15 Mar 0044B.C.";
    QTest::newRow("outside french years") << Ymd(1, 1, 1, 2000) << 4 << "0000";
    QTest::newRow("empty") << CCmnDate() << 1 << "";
}

void TestCmnDateText::defaultText()
{
    QFETCH(CCmnDate, date);
    QFETCH(int, calendar);
    QFETCH(QString, text);
    QCOMPARE(date.DefaultText(calendar), text);
}

void TestCmnDateText::yearText_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("width");
    QTest::addColumn<bool>("dual");
    QTest::addColumn<QString>("text");
    QTest::newRow("44 BC width 4") << -44 << 4 << false << "0044B.C.";
    QTest::newRow("44 BC width 2") << -44 << 2 << false << "44B.C.";
    QTest::newRow("44 width 4") << 44 << 4 << false << "0044";
    QTest::newRow("44 width 2") << 44 << 2 << false << "44";
    QTest::newRow("2001 width 2") << 2001 << 2 << false << "01";
    QTest::newRow("five digits") << 12345 << 4 << false << "12345";
    QTest::newRow("dual 1751") << 1751 << 4 << true << "1750/51";
    QTest::newRow("dual 1701") << 1701 << 4 << true << "1700/01";
    QTest::newRow("dual 1700") << 1700 << 4 << true << "1699/00";
    QTest::newRow("dual BC written plainly") << -5 << 4 << true << "0005B.C.";
}

void TestCmnDateText::yearText()
{
    QFETCH(int, year);
    QFETCH(int, width);
    QFETCH(bool, dual);
    QFETCH(QString, text);
    QCOMPARE(CmnDateYearText(year, width, dual), text);
}

void TestCmnDateText::expandFormat_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QStringList>("forms");
    QTest::newRow("month first") << kMonthFirst << QStringList{"mm/dd/yyyy", "mm/yyyy", "yyyy"};
    QTest::newRow("day first") << kDayFirst << QStringList{"dd/mm/yyyy", "mm/yyyy", "yyyy"};
    QTest::newRow("no group") << "yyyy" << QStringList{"yyyy"};
    QTest::newRow("unclosed group") << "dd[/mm" << QStringList{"dd/mm", "dd"};
    QTest::newRow("nine groups") << "[a][b][c][d][e][f][g][h][i]" << QStringList();
}

void TestCmnDateText::expandFormat()
{
    QFETCH(QString, format);
    QFETCH(QStringList, forms);
    QCOMPARE(CmnExpandDateFormat(format), forms);
    QCOMPARE(CmnStripDateFormatBrackets(kDayFirst), QStringLiteral("dd/mm/yyyy"));
}

void TestCmnDateText::monthKeys_data()
{
    QTest::addColumn<int>("calendar");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("wholeWord");
    QTest::addColumn<bool>("full");
    QTest::addColumn<int>("month");
    QTest::newRow("greg full") << 1 << "MAY" << true << true << 5;
    QTest::newRow("greg full name not abbreviated") << 1 << "APRIL" << true << false << 0;
    QTest::newRow("greg prefix") << 1 << "APRIL" << false << false << 4;
    QTest::newRow("greg short prefix") << 1 << "AP" << false << false << 0;
    QTest::newRow("greg must start with letter") << 1 << "4APR" << false << false << 0;
    QTest::newRow("fr prefix") << 4 << "VENDEMIAIRE" << false << false << 1;
    QTest::newRow("fr comp full") << 4 << "JOURCOMPLEMENTAIRS" << true << true << 13;
    QTest::newRow("fr typo kept") << 4 << "THERMINDOR" << true << true << 11;
    QTest::newRow("fr correct spelling is not a key") << 4 << "THERMIDOR" << true << true << 0;
    QTest::newRow("heb abbreviated") << 3 << "ADS" << true << false << 7;
    QTest::newRow("heb full") << 3 << "ADARSHENI" << true << true << 7;
    QTest::newRow("heb full in abbreviated set") << 3 << "ADARSHENI" << true << false << 0;
}

void TestCmnDateText::monthKeys()
{
    QFETCH(int, calendar);
    QFETCH(QString, text);
    QFETCH(bool, wholeWord);
    QFETCH(bool, full);
    QFETCH(int, month);
    switch (calendar) {
    case 3: QCOMPARE(CmnHebrewMonthFromName(text, full), month); break;
    case 4: QCOMPARE(CmnFrenchRepublicanMonthFromName(text, wholeWord, full), month); break;
    default: QCOMPARE(CmnGregorianMonthFromName(text, wholeWord, full), month); break;
    }
}

void TestCmnDateText::monthNames_data()
{
    QTest::addColumn<int>("calendar");
    QTest::addColumn<int>("month");
    QTest::addColumn<QString>("abbreviated");
    QTest::addColumn<QString>("full");
    QTest::newRow("gregorian") << 1 << 9 << "Sep" << "September";
    QTest::newRow("julian shares") << 5 << 5 << "May" << "May";
    QTest::newRow("hebrew Av") << 3 << 12 << "Aav" << "Av";
    QTest::newRow("french Thermindor") << 4 << 11 << "Ther" << "Thermindor";
    QTest::newRow("french comp") << 4 << 13 << "Comp" << "Jour Complementairs";
    QTest::newRow("month 0") << 1 << 0 << "" << "";
    QTest::newRow("gregorian month 13") << 1 << 13 << "?" << "?";
}

void TestCmnDateText::monthNames()
{
    QFETCH(int, calendar);
    QFETCH(int, month);
    QFETCH(QString, abbreviated);
    QFETCH(QString, full);
    const CCmnMonthNames names = CmnGetMonthNames(calendar, month);
    QCOMPARE(names.m_Abbreviated, abbreviated);
    QCOMPARE(names.m_Full, full);
}

void TestCmnDateText::parseGedcom_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<CCmnDate>("date");
    const CCmnDate none;
    QTest::newRow("julian reform eve") << "@#DJULIAN@ 4 OCT 1582" << Ymd(5, 4, 10, 1582);
    QTest::newRow("hebrew Adar I") << "@#DHEBREW@ ADR 5784" << Ymd(3, 0, 6, 5784);
    QTest::newRow("french") << "@#DFRENCH R@ 1 VEND 1" << Ymd(4, 1, 1, 1);
    QTest::newRow("french without R@") << "@#DFRENCH 1" << none;
    QTest::newRow("dual year") << "1750/51" << Ymd(2, 0, 0, 1751);
    QTest::newRow("dual day") << "11 FEB 1731/32" << Ymd(2, 11, 2, 1732);
    QTest::newRow("dual digits mismatch") << "1750/52" << none;
    QTest::newRow("dual with more digits") << "1750/5100" << none;
    QTest::newRow("month and small year") << "MAY 17" << Ymd(1, 0, 5, 17);
    QTest::newRow("day month year") << "17 MAY 2001" << Ymd(1, 17, 5, 2001);
    QTest::newRow("month day year") << "MAY 17 2001" << Ymd(1, 17, 5, 2001);
    QTest::newRow("lower case, blanks") << "  may   2001 " << Ymd(1, 0, 5, 2001);
    QTest::newRow("full month name") << "17 MARCH 2001" << Ymd(1, 17, 3, 2001);
    QTest::newRow("gregorian escape") << "@#DGREGORIAN@ 2001" << Ymd(1, 0, 0, 2001);
    QTest::newRow("B.C.") << "44B.C." << Ymd(1, 0, 0, -44);
    QTest::newRow("BC") << "@#DJULIAN@ 15 MAR 44BC" << Ymd(5, 15, 3, -44);
    QTest::newRow("B.C") << "@#DJULIAN@ 44B.C" << Ymd(5, 0, 0, -44);
    QTest::newRow("B.C. as a word refused") << "44 B.C." << none;
    QTest::newRow("bad B.C. mark") << "44BCE" << none;
    QTest::newRow("words left over") << "17 MAY 2001 EXTRA" << none;
    QTest::newRow("bad year after month day") << "MAY 17 2001X" << none;
    QTest::newRow("31 Feb refused") << "31 FEB 2001" << none;
    QTest::newRow("hebrew 30 Adar common refused") << "@#DHEBREW@ 30 ADR 5783" << none;
    QTest::newRow("month without year") << "MAY" << none;
    QTest::newRow("phrase") << "ABT 1850" << none;
    QTest::newRow("endless digits") << "99999999999999999999" << none;
    QTest::newRow("empty") << "" << none;
}

void TestCmnDateText::parseGedcom()
{
    QFETCH(QString, text);
    QFETCH(CCmnDate, date);
    const CCmnDate parsed = CCmnDate::ParseGedcom(text);
    QCOMPARE(parsed, date);
    QCOMPARE(parsed.Calendar(), date.Calendar());
}

void TestCmnDateText::gedcomTokensReportWordsUsed_data()
{
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<int>("start");
    QTest::addColumn<CCmnDate>("date");
    QTest::addColumn<int>("count");
    const QStringList between = {"BET", "17", "MAY", "2001", "AND", "1802"};
    QTest::newRow("date inside a phrase") << between << 1 << Ymd(1, 17, 5, 2001) << 3;
    QTest::newRow("second date") << between << 5 << Ymd(1, 0, 0, 1802) << 1;
    QTest::newRow("keyword is no date") << between << 0 << CCmnDate() << 0;
    QTest::newRow("start past end") << between << 6 << CCmnDate() << 0;
    QTest::newRow("negative start") << between << -1 << CCmnDate() << 0;
    QTest::newRow("julian escape counts") << QStringList{"@#DJULIAN@", "1582", "TO"} << 0
                                          << Ymd(5, 0, 0, 1582) << 2;
    QTest::newRow("french escape counts") << QStringList{"@#DFRENCH", "R@", "VEND", "3"} << 0
                                          << Ymd(4, 0, 1, 3) << 4;
    QTest::newRow("failed escape counts nothing") << QStringList{"@#DHEBREW@", "X"} << 0 << CCmnDate() << 0;
}

void TestCmnDateText::gedcomTokensReportWordsUsed()
{
    QFETCH(QStringList, words);
    QFETCH(int, start);
    QFETCH(CCmnDate, date);
    QFETCH(int, count);
    int used = -1;
    QCOMPARE(CCmnDate::ParseGedcomTokens(words, start, &used), date);
    QCOMPARE(used, count);
}

// What the program writes under either default input format, it must read back as the
// same date in every calendar.
void TestCmnDateText::formattedTextReadsBack()
{
    const QList<CCmnDate> dates = {Ymd(1, 17, 5, 2001), Ymd(1, 0, 2, 2000), Ymd(1, 0, 0, 1066),
                                   Ymd(2, 0, 0, 1751) /* written as 1750/51: not typeable */,
                                   Ymd(5, 29, 2, 1700), Ymd(3, 30, 6, 5784), Ymd(3, 0, 7, 5784),
                                   Ymd(4, 6, 13, 3), Ymd(4, 0, 13, 14)};
    for (const QString &format :
         {kMonthFirst, kDayFirst, QStringLiteral("[[d ]mmm ]yyyy"), QStringLiteral("[[d ]mmmm ]yyyy")}) {
        for (const CCmnDate &date : dates) {
            const int calendar = date.Calendar();
            const QString text = date.Format(format, calendar);
            const CCmnDate back = CCmnDate::Parse(text, format, calendar);
            if (calendar == CmnDateCalendarGregorianDual)
                QVERIFY2(back.IsEmpty(), qPrintable(text));
            else
                QVERIFY2(back == date, qPrintable(format + QStringLiteral(" wrote ") + text));
        }
    }
}

// The texts were written by an earlier formatter; any change to what a format writes
// shows here first.
void TestCmnDateText::randomFormatsWriteTheirPinnedTexts()
{
    QFile file(OrvTestDataFile(QStringLiteral("random-date-format-texts.txt")));
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.errorString()));
    const QStringList texts = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    const QList<RandomFormatCase> cases = RandomFormatCases(3000);
    QCOMPARE(texts.size(), cases.size() + 1);
    for (qsizetype i = 0; i < cases.size(); ++i) {
        const RandomFormatCase &c = cases.at(i);
        // The format leads each side so that a failure names it.
        const QString lead = c.format + QStringLiteral(" -> ");
        QCOMPARE(lead + c.date.Format(c.format, c.calendar), lead + texts.at(i));
    }
}

// The dates were read by the parser that read the format again for every text;
// one parser per format must read each text as that one did, in turn.
void TestCmnDateText::parserReadsThePinnedDates()
{
    QFile file(OrvTestDataFile(QStringLiteral("random-date-parses.txt")));
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.errorString()));
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    const QList<RandomFormatCase> cases = RandomFormatCases(3000) + RandomInputFormatCases(3000);
    QCOMPARE(lines.size(), cases.size() + 1);
    std::mt19937 random(20261212);
    for (qsizetype i = 0; i < cases.size(); ++i) {
        const RandomFormatCase &c = cases.at(i);
        const CCmnDateParser parser(c.format);
        QStringList dates;
        for (const QString &text : RandomTypedTexts(c, random))
            dates << DateLine(parser.Parse(text, c.calendar));
        const QString lead = c.format + QStringLiteral(" -> ");
        QCOMPARE(lead + dates.join(QLatin1Char(',')), lead + lines.at(i));
    }
}

// An import reads every row's date with one parser: what one text matched, or
// failed to, must not carry over to the next.
void TestCmnDateText::oneParserReadsTextsInTurn_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QList<CCmnDate>>("dates");
    const CCmnDate none;
    const CCmnDate may17 = Ymd(1, 17, 5, 2001);
    const CCmnDate may = Ymd(1, 0, 5, 2001);
    const CCmnDate year = Ymd(1, 0, 0, 2001);
    QTest::newRow("day, then less")
        << kDayFirst << QStringList{"17/5/2001", "5/2001", "2001", "17/5/2001"} << QList{may17, may, year, may17};
    QTest::newRow("failures between")
        << kDayFirst << QStringList{"17/5/2001", "31/2/2001", "", "x", "5/2001"} << QList{may17, none, none, none, may};
    QTest::newRow("names and blanks") << "[[d ]mmm ]yyyy" << QStringList{" 17  May 2001", "Maj 2001", "may 2001 "}
                                      << QList{may17, none, may};
    QTest::newRow("format read once, blank")
        << "   " << QStringList{"2001", ""} << QList{none, none};
}

void TestCmnDateText::oneParserReadsTextsInTurn()
{
    QFETCH(QString, format);
    QFETCH(QStringList, texts);
    QFETCH(QList<CCmnDate>, dates);
    const CCmnDateParser parser(format);
    QList<CCmnDate> read;
    for (const QString &text : texts)
        read << parser.Parse(text, CmnDateCalendarGregorian);
    QCOMPARE(read, dates);
}

// The century of a two-digit year follows the clock at each date read, not the
// clock when the parser was made, nor when a single reading last used the format.
void TestCmnDateText::parserReadsTheClockAtEachDate()
{
    const CCmnDateParser parser(QStringLiteral("yy"));
    QCOMPARE(parser.Parse(QStringLiteral("30"), CmnDateCalendarGregorian).Year(1), 1930);
    QCOMPARE(CCmnDate::Parse(QStringLiteral("30"), QStringLiteral("yy"), CmnDateCalendarGregorian).Year(1), 1930);
    const CCmnDateProviderScope later(CCmnDateProvider(QDate(2031, 1, 1), QLocale::c()));
    QCOMPARE(parser.Parse(QStringLiteral("30"), CmnDateCalendarGregorian).Year(1), 2030);
    QCOMPARE(CCmnDate::Parse(QStringLiteral("30"), QStringLiteral("yy"), CmnDateCalendarGregorian).Year(1), 2030);
}

QTEST_GUILESS_MAIN(TestCmnDateText)
#include "tst_cmndatetext.moc"
