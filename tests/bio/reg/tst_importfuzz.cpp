#include "fuzzmutations.h"
#include "importfuzzharness.h"

#include <QRandomGenerator>
#include <QTest>
#include <QTextCodec>

namespace {

using THarness = int (*)(const QByteArray &);

QByteArray InUtf16WithMark(const QString &text)
{
    QByteArray bytes("\xFF\xFE");
    for (const QChar c : text) {
        bytes.append(char(c.unicode() & 0xFF));
        bytes.append(char(c.unicode() >> 8));
    }
    return bytes;
}

// A herd of a club's export, up to the sample size: quoted names, empty parents,
// dates and a decimal column.
QByteArray HerdSample()
{
    QByteArray herd("ID,Name,Sire,Dam,Born,Weight,Owner\r\n");
    for (int id = 1000; herd.size() < kImportFuzzSampleBytes; ++id)
        herd += QStringLiteral("%1,\"Rex %1, Jr\",%2,%3,%4/3/2001,%5.5,\"Smith & Jones <UK>\"\r\n")
                    .arg(id)
                    .arg(id > 1001 ? QString::number(id - 2) : QString())
                    .arg(id > 1002 ? QString::number(id - 1) : QString())
                    .arg(1 + id % 28)
                    .arg(id % 40)
                    .toLatin1();
    return herd.left(kImportFuzzSampleBytes);
}

QByteArray RandomBytes(qsizetype size)
{
    QRandomGenerator random(0xB1A5);
    QByteArray bytes(size, '\0');
    for (char &byte : bytes)
        byte = char(random.bounded(256));
    return bytes;
}

} // namespace

// Replays the import's fuzz harnesses over seeds, their cuts, single-byte changes
// and a fixed run of random mutations: none may crash, hang or break the column
// set's text form.
class TestImportFuzz : public QObject
{
    Q_OBJECT
private slots:
    void seedsAndMutationsHold_data();
    void seedsAndMutationsHold();
};

void TestImportFuzz::seedsAndMutationsHold_data()
{
    QTest::addColumn<void *>("harness");
    QTest::addColumn<QByteArray>("seed");
    QTest::addColumn<int>("expected");  // the seed's own answer; -2 for any answer that holds

    const auto add = [](const char *name, THarness harness, const QByteArray &seed, int expected) {
        QTest::newRow(name) << reinterpret_cast<void *>(harness) << seed << expected;
    };
    add("column set", ImportFuzzColumnSet,
        "0;1:1,3,ID;2:12,1,Owner;cs:0;addidfield:0;addlinenumberfield:0;nullid:0;male:M,MALE;female:F,FEMALE;"
        "dateformat:[[dd/]mm/]yyyy",
        2);
    add("column set with gaps and junk", ImportFuzzColumnSet,
        "0;3:1,1,ID;1:12,1,a:b, c ; x ;2:;255:13,4, y ;CS:1;nullid: 0 ;female:F;256:1,1,z", 255);
    QByteArray wide("0");
    for (int column = 1; column <= 300; ++column)
        wide += QByteArray(";") + QByteArray::number(column) + ":12,4,Weight " + QByteArray::number(column);
    add("300 columns", ImportFuzzColumnSet, wide, 255);
    add("parameter file", ImportFuzzParameterFile,
        "# scripted import\r\nshowwizard:0\r\ntextencoding:Windows-1252,CRLF\r\n+,0\r\n"
        "csvformat:\",0,;,#,1,1\r\ncolumns:0;1:1,3,ID;2:12,1,Owner\r\n",
        4);
    add("parameter file in UTF-16", ImportFuzzParameterFile,
        InUtf16WithMark("textencoding:UTF-16,LF,1\ncsvformat:none,1,tab,#,0,1\n"), 2);
    // Nothing deduces the semicolon: one column of names.
    add("Windows-1252 sample", ImportFuzzSample,
        QByteArrayLiteral("\x00Name;Owner\r\nM\xFCller;Brandt\r\nRex;Smith & Jones <UK>\r\n"), 1);
    add("Windows-1252 sample customised", ImportFuzzSample,
        QByteArrayLiteral("\x01Name;Owner\r\nM\xFCller;Brandt\r\nRex;Smith & Jones <UK>\r\n"), 1);
    add("quoted line breaks", ImportFuzzSample,
        QByteArrayLiteral("\x40ID,Name,Sire,Dam,DOB\n1,\"Rex, Jr\",0,0,12/03/2001\n2,\"Max\nII\",1,0,\"5/6/2004\"\n"), 5);
    add("UTF-16 sample", ImportFuzzSample, '\x00' + InUtf16WithMark("ID\tName\tSire\r\n1\tRex\t0\r\n"), 3);
    add("herd of the sample size", ImportFuzzSample, '\x00' + HerdSample(), 7);
    add("binary", ImportFuzzSample, '\x00' + RandomBytes(kImportFuzzSampleBytes), -2);
    add("whole file, numeric IDs", ImportFuzzDelimitedText,
        QByteArrayLiteral("\x30ID,Sire,Dam,Name,Sex,Born,SireName,Litter,Owner\n1,,,\"Rex, Jr\",M,12/03/2001,,3,A\n"
                          "2,1,9,\"Max\nII\",F,,Odin,x,\"Smith & Jones <UK>\"\n2,x,,Again\n"),
        3);
    add("whole file, text IDs in UTF-16", ImportFuzzDelimitedText,
        '\x03' + InUtf16WithMark("a,b,c,Rex,M\nb,a,,Max,F\nc,,,\"Bella\",\n"), 3);
    add("whole file of the sample size", ImportFuzzDelimitedText, '\x22' + HerdSample(), -2);
    add("whole file, binary", ImportFuzzDelimitedText, '\x10' + RandomBytes(4000), -2);
}

void TestImportFuzz::seedsAndMutationsHold()
{
    QFETCH(void *, harness);
    QFETCH(QByteArray, seed);
    QFETCH(int, expected);
    const auto run = reinterpret_cast<THarness>(harness);
    const int answer = run(seed);
    if (expected == -2)
        QVERIFY(answer >= 0);
    else
        QCOMPARE(answer, expected);

    QList<QByteArray> broken;
    const auto check = [&](const QByteArray &input) {
        if (run(input) < 0 && broken.size() < 3)
            broken.append(input);
    };
    const bool small = seed.size() <= 512;
    if (small) {
        OrvFuzzCutsAndByteChanges(seed, 0, check, QByteArray("\x00\xFF;,\":\n", 7));
    } else {
        for (qsizetype length = 0; length < seed.size(); length += seed.size() / 64)
            check(seed.left(length));
    }
    OrvFuzzMutations(seed, 0x1A9027, small ? 1500 : 60, 0, check);
    QVERIFY2(broken.isEmpty(), broken.isEmpty() ? "" : broken.first().toPercentEncoding().constData());
}

QTEST_GUILESS_MAIN(TestImportFuzz)
#include "tst_importfuzz.moc"
