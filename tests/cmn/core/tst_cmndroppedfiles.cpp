#include "cmnappdescriptor.h"
#include "cmndroppedfiles.h"

#include <QDropEvent>
#include <QMimeData>
#include <QTest>
#include <QUrl>

namespace {

QMimeData *UrlData(const QStringList &urls)
{
    auto *data = new QMimeData;
    QList<QUrl> list;
    for (const QString &url : urls)
        list << QUrl(url);
    data->setUrls(list);
    return data;
}

} // namespace

class TestCmnDroppedFiles : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void documentDrop_data();
    void documentDrop();
    void fileWithExtensionWritesPathOnlyWhenAsked();
    void textIsNotAFile();
    void dragMoveAcceptsAnyCopyDrag();
};

void TestCmnDroppedFiles::initTestCase()
{
    CmnGetAppDescriptor().m_DocumentExtensions = {QStringLiteral("orv"), QStringLiteral("orvt")};
}

void TestCmnDroppedFiles::documentDrop_data()
{
    QTest::addColumn<QStringList>("urls");
    QTest::addColumn<int>("actions");
    QTest::addColumn<QString>("path"); // empty when the drop is refused

    const int copyOrMove = int(Qt::CopyAction | Qt::MoveAction);
    QTest::newRow("one document") << QStringList{"file:///home/u/dogs.orv"} << copyOrMove << "/home/u/dogs.orv";
    QTest::newRow("second document type") << QStringList{"file:///t/a.orvt"} << int(Qt::CopyAction) << "/t/a.orvt";
    QTest::newRow("extension in capitals") << QStringList{"file:///home/u/DOGS.ORV"} << copyOrMove
                                           << "/home/u/DOGS.ORV";
    QTest::newRow("two documents") << QStringList{"file:///a.orv", "file:///b.orv"} << copyOrMove << "";
    QTest::newRow("web address") << QStringList{"https://orvanta.example/dogs.orv"} << copyOrMove << "";
    QTest::newRow("not a document") << QStringList{"file:///home/u/dogs.txt"} << copyOrMove << "";
    QTest::newRow("no extension") << QStringList{"file:///home/u/orv"} << copyOrMove << "";
    QTest::newRow("copy not offered") << QStringList{"file:///home/u/dogs.orv"} << int(Qt::MoveAction) << "";
}

void TestCmnDroppedFiles::documentDrop()
{
    QFETCH(QStringList, urls);
    QFETCH(int, actions);
    QFETCH(QString, path);
    const bool accepted = !path.isEmpty();
    const std::unique_ptr<QMimeData> data(UrlData(urls));
    const Qt::DropActions possible(actions);

    QDragEnterEvent enter(QPoint(1, 1), possible, data.get(), Qt::LeftButton, Qt::NoModifier);
    const Qt::DropAction enterAction = enter.dropAction();
    CmnDragEnterAcceptDocument(&enter);
    QCOMPARE(enter.isAccepted(), accepted);
    QCOMPARE(enter.dropAction(), accepted ? Qt::CopyAction : enterAction);

    QDropEvent drop(QPointF(1, 1), possible, data.get(), Qt::LeftButton, Qt::NoModifier);
    const Qt::DropAction dropAction = drop.dropAction();
    QCOMPARE(CmnDroppedDocumentPath(&drop), path);
    QCOMPARE(drop.isAccepted(), accepted);
    QCOMPARE(drop.dropAction(), accepted ? Qt::CopyAction : dropAction);
}

void TestCmnDroppedFiles::fileWithExtensionWritesPathOnlyWhenAsked()
{
    const std::unique_ptr<QMimeData> data(UrlData({QStringLiteral("file:///x/photo.JPG")}));
    QString path = QStringLiteral("unchanged");
    QVERIFY(!CmnDroppedFileWithExtension(data.get(), {QStringLiteral("png")}, &path));
    QCOMPARE(path, QStringLiteral("unchanged"));
    QVERIFY(CmnDroppedFileWithExtension(data.get(), {QStringLiteral("png"), QStringLiteral("jpg")}, &path));
    QCOMPARE(path, QStringLiteral("/x/photo.JPG"));
    QVERIFY(CmnDroppedFileWithExtension(data.get(), {QStringLiteral("jpg")}));
    QVERIFY(!CmnDroppedFileWithExtension(nullptr, {QStringLiteral("jpg")}, &path));
}

void TestCmnDroppedFiles::textIsNotAFile()
{
    QMimeData data;
    data.setText(QStringLiteral("file:///home/u/dogs.orv"));
    QVERIFY(!CmnDroppedFileWithExtension(&data, {QStringLiteral("orv")}));
}

void TestCmnDroppedFiles::dragMoveAcceptsAnyCopyDrag()
{
    const std::unique_ptr<QMimeData> data(UrlData({QStringLiteral("https://orvanta.example/a.txt")}));
    QDragMoveEvent copy(QPoint(1, 1), Qt::CopyAction | Qt::MoveAction, data.get(), Qt::LeftButton,
                        Qt::NoModifier);
    CmnDragMoveAcceptCopy(&copy);
    QVERIFY(copy.isAccepted());
    QCOMPARE(copy.dropAction(), Qt::CopyAction);

    QDragMoveEvent move(QPoint(1, 1), Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    move.ignore();
    CmnDragMoveAcceptCopy(&move);
    QVERIFY(!move.isAccepted());

    move.ignore();
    CmnAcceptEvent(&move);
    QVERIFY(move.isAccepted());
}

QTEST_MAIN(TestCmnDroppedFiles)
#include "tst_cmndroppedfiles.moc"
