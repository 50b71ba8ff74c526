#include "cmnbytecursor.h"
#include "cmndatastream.h"
#include "cmndate.h"
#include "cmnhighlight.h"
#include "cmnregfieldvalue.h"

#include <QDataStream>
#include <QTest>

namespace {

QByteArray Hex(const char *hex)
{
    return QByteArray::fromHex(hex);
}

// Lists inside lists, each holding one item, around an int: the toolkit's own
// reader recurses once per level.
QByteArray NestedLists(int depth)
{
    QByteArray bytes = Hex("0003");
    for (int level = 0; level < depth; ++level)
        bytes += Hex("00000009" "00" "00000001");
    return bytes + Hex("00000002" "00" "00000007");
}

} // namespace

class TestCmnRegFieldValue : public QObject
{
    Q_OBJECT
private slots:
    void writesVersionKindAndVariant_data();
    void writesVersionKindAndVariant();
    void rejectsBadValue_data();
    void rejectsBadValue();
    // Last: it registers the date type, which rejectsBadValue needs unknown.
    void decodesFromMemoryAsTheStreamReads_data();
    void decodesFromMemoryAsTheStreamReads();
};

void TestCmnRegFieldValue::writesVersionKindAndVariant_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("readKind");
    QTest::newRow("int 7 of kind 3") << 3 << QVariant(7) << Hex("0003" "00000002" "00" "00000007") << 3;
    QTest::newRow("kind above 255 keeps its low byte")
        << 0x1a5 << QVariant(7) << Hex("00a5" "00000002" "00" "00000007") << 0xa5;
    QTest::newRow("text") << 0 << QVariant(QStringLiteral("ab"))
                          << Hex("0000" "0000000a" "00" "00000004" "00610062") << 0;
    QTest::newRow("boolean") << 1 << QVariant(true) << Hex("0001" "00000001" "00" "01") << 1;
    QTest::newRow("64-bit integer") << 5 << QVariant(qlonglong(-2))
                                    << Hex("0005" "00000004" "00" "fffffffffffffffe") << 5;
    // Floats travel as doubles in a double-precision stream, under the old float id.
    QTest::newRow("float fraction") << 6 << QVariant(0.5f)
                                    << Hex("0006" "00000087" "00" "3fe0000000000000") << 6;
    QTest::newRow("number") << 7 << QVariant(1.5) << Hex("0007" "00000006" "00" "3ff8000000000000") << 7;
    QTest::newRow("no value") << 0 << QVariant() << Hex("0000" "00000000" "01" "ffffffff") << 0;
    CCmnHighlight bold;
    bold.m_Bold = true;
    QTest::newRow("framework value type")
        << 9 << QVariant::fromValue(bold)
        << Hex("0009" "0000007f" "00" "0000000e" "43436d6e486967686c6967687400" "010001") << 9;
}

void TestCmnRegFieldValue::writesVersionKindAndVariant()
{
    QFETCH(int, kind);
    QFETCH(QVariant, value);
    QFETCH(QByteArray, bytes);
    QFETCH(int, readKind);

    QByteArray written;
    QDataStream out(&written, QIODevice::WriteOnly);
    CmnPrepareDataStream(out);
    out << CCmnRegFieldValue{kind, value};
    QCOMPARE(written.toHex(), bytes.toHex());

    QDataStream in(bytes);
    CmnPrepareDataStream(in);
    CCmnRegFieldValue read{4, QVariant(QStringLiteral("old"))};
    in >> read;
    QCOMPARE(in.status(), QDataStream::Ok);
    QVERIFY(in.atEnd());
    QCOMPARE(read.m_Kind, readKind);
    QCOMPARE(read.m_Value, value);
}

void TestCmnRegFieldValue::rejectsBadValue_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QDataStream::Status>("status");
    QTest::newRow("leading byte 1") << Hex("0103" "00000002" "00" "00000007")
                                    << QDataStream::ReadCorruptData;
    QTest::newRow("empty") << QByteArray() << QDataStream::ReadPastEnd;
    QTest::newRow("no kind") << Hex("00") << QDataStream::ReadPastEnd;
    QTest::newRow("short variant") << Hex("0003" "00000002" "00" "0000") << QDataStream::ReadPastEnd;
    // The toolkit would reserve room for the count it reads, or recurse until
    // the stack runs out; a field never holds a container.
    QTest::newRow("list claiming 4 billion items") << Hex("0003" "00000009" "00" "fffffff0")
                                                   << QDataStream::ReadCorruptData;
    QTest::newRow("string list") << Hex("0003" "0000000b" "00" "00000000")
                                 << QDataStream::ReadCorruptData;
    QTest::newRow("lists nested 200000 deep") << NestedLists(200000) << QDataStream::ReadCorruptData;
    QTest::newRow("other user type") << Hex("0003" "0000007f" "00" "00000004" "466f6f00")
                                     << QDataStream::ReadCorruptData;
    QTest::newRow("user type with a long name")
        << Hex("0003" "0000007f" "00" "0000000b" "514c6973743c696e743e00") << QDataStream::ReadCorruptData;
    QTest::newRow("unregistered framework type")
        << Hex("0003" "0000007f" "00" "00000009" "43436d6e4461746500") << QDataStream::ReadCorruptData;
}

void TestCmnRegFieldValue::rejectsBadValue()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QDataStream::Status, status);
    QDataStream in(bytes);
    CmnPrepareDataStream(in);
    CCmnRegFieldValue read{4, QVariant(9)};
    in >> read;
    QCOMPARE(in.status(), status);
    QCOMPARE(read.m_Kind, 4);
    QCOMPARE(read.m_Value, QVariant(9));
}

void TestCmnRegFieldValue::decodesFromMemoryAsTheStreamReads_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("decodes");
    // 1: the date type registered first; -1: the row needs it unknown.
    QTest::addColumn<int>("dateType");
    const QByteArray date = Hex("0000007f" "00" "00000009" "43436d6e4461746500");
    QTest::newRow("date not registered") << Hex("0009") + date + Hex("02" "10012345") << false << -1;
    QTest::newRow("int") << Hex("0003" "00000002" "00" "80000000") << true << 0;
    QTest::newRow("unsigned int") << Hex("0003" "00000003" "00" "ffffffff") << true << 0;
    QTest::newRow("64-bit integer") << Hex("0005" "00000004" "00" "8000000000000000") << true << 0;
    QTest::newRow("unsigned 64-bit") << Hex("0005" "00000005" "00" "ffffffffffffffff") << true << 0;
    QTest::newRow("largest number") << Hex("0007" "00000006" "00" "7fefffffffffffff") << true << 0;
    QTest::newRow("negative zero") << Hex("0007" "00000006" "00" "8000000000000000") << true << 0;
    QTest::newRow("boolean byte 2") << Hex("0001" "00000001" "00" "02") << true << 0;
    QTest::newRow("text") << Hex("0000" "0000000a" "00" "00000004" "00610062") << true << 0;
    QTest::newRow("null text") << Hex("0000" "0000000a" "00" "ffffffff") << true << 0;
    QTest::newRow("empty text") << Hex("0000" "0000000a" "00" "00000000") << true << 0;
    QTest::newRow("text beyond the basic plane")
        << Hex("0000" "0000000a" "00" "00000006" "d83dde0000e9") << true << 0;
    QTest::newRow("date") << Hex("0009") + date + Hex("02" "10012345") << true << 1;
    QTest::newRow("date range") << Hex("0009") + date + Hex("00" "00012345" "10012346") << true << 1;
    QTest::newRow("empty date") << Hex("0009") + date + Hex("03") << true << 1;
    QTest::newRow("date of an unknown calendar") << Hex("0009") + date + Hex("02" "f0012345") << true << 1;
    // Everything else goes to the stream's reader, which decides.
    QTest::newRow("date on day 0") << Hex("0009") + date + Hex("02" "10000000") << false << 1;
    QTest::newRow("date of an unknown form") << Hex("0009") + date + Hex("07") << false << 1;
    QTest::newRow("cut date") << Hex("0009") + date + Hex("00" "0001") << false << 1;
    QTest::newRow("name without its NUL") << Hex("0009" "0000007f" "00" "00000008" "43436d6e44617465" "03")
                                          << false << 1;
    QTest::newRow("highlight") << Hex("0009" "0000007f" "00" "0000000e" "43436d6e486967686c6967687400" "010001")
                               << false << 1;
    QTest::newRow("null flag set") << Hex("0000" "0000000a" "01" "ffffffff") << false << 0;
    QTest::newRow("no value") << Hex("0000" "00000000" "01" "ffffffff") << false << 0;
    QTest::newRow("float") << Hex("0006" "00000087" "00" "3fe0000000000000") << false << 0;
    QTest::newRow("odd text length") << Hex("0000" "0000000a" "00" "00000003" "006100") << false << 0;
    QTest::newRow("cut text") << Hex("0000" "0000000a" "00" "00000004" "0061") << false << 0;
    QTest::newRow("cut number") << Hex("0007" "00000006" "00" "3ff8") << false << 0;
    QTest::newRow("cut type") << Hex("0007" "0000") << false << 0;
    QTest::newRow("leading byte 1") << Hex("0103" "00000002" "00" "00000007") << false << 0;
    QTest::newRow("list") << Hex("0003" "00000009" "00" "00000000") << false << 0;
}

void TestCmnRegFieldValue::decodesFromMemoryAsTheStreamReads()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, decodes);
    QFETCH(int, dateType);
    if (dateType > 0)
        qRegisterMetaType<CCmnDate>("CCmnDate");
    else if (dateType < 0 && QMetaType::fromName("CCmnDate").isValid())
        QSKIP("the date type is registered already");

    QDataStream in(bytes);
    CmnPrepareDataStream(in);
    CCmnRegFieldValue streamed{4, QVariant(9)};
    in >> streamed;
    CCmnByteCursor cursor(bytes.constData(), bytes.size());
    CCmnRegFieldValue decoded{4, QVariant(9)};
    QCOMPARE(CmnDecodeRegFieldValue(cursor, decoded), decodes);
    if (!decodes) {
        QCOMPARE(decoded.m_Kind, 4);
        QCOMPARE(decoded.m_Value, QVariant(9));
        return;
    }
    QCOMPARE(in.status(), QDataStream::Ok);
    QCOMPARE(cursor.Data() - bytes.constData(), in.device()->pos());
    QCOMPARE(decoded.m_Kind, streamed.m_Kind);
    QCOMPARE(decoded.m_Value.metaType(), streamed.m_Value.metaType());
    QCOMPARE(decoded.m_Value, streamed.m_Value);
    // Written again, both give the same bytes: null texts and null flags included.
    const auto write = [](const CCmnRegFieldValue &value) {
        return CmnStreamBytes([&](QDataStream &out) { out << value; });
    };
    QCOMPARE(write(decoded).toHex(), write(streamed).toHex());
}

QTEST_GUILESS_MAIN(TestCmnRegFieldValue)
#include "tst_cmnregfieldvalue.moc"
