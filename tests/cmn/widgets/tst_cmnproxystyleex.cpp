#include "cmnproxystyleex.h"

#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QPushButton>
#include <QStyleFactory>
#include <QTest>

// The widget drawn with the given style, into an image of its own.
static QImage Render(QWidget *widget, QStyle *style)
{
    widget->setStyle(style);
    widget->resize(160, 32);
    QImage image(widget->size(), QImage::Format_ARGB32);
    image.fill(Qt::white);
    widget->render(&image);
    return image;
}

class TestCmnProxyStyleEx : public QObject
{
    Q_OBJECT
private slots:
    void wrapsPlatformStyleByDefault();
    void drawsLikeTheWrappedStyle();
};

void TestCmnProxyStyleEx::wrapsPlatformStyleByDefault()
{
    const QString platform = QApplication::style()->name();
    QApplication::setStyle(new CCmnProxyStyleEx);

    auto *installed = qobject_cast<CCmnProxyStyleEx *>(QApplication::style());
    QVERIFY(installed);
    QCOMPARE(installed->baseStyle()->name(), platform);
}

void TestCmnProxyStyleEx::drawsLikeTheWrappedStyle()
{
    std::unique_ptr<QStyle> fusion(QStyleFactory::create("Fusion"));
    QVERIFY(fusion);
    CCmnProxyStyleEx proxy(QStyleFactory::create("Fusion"));

    QPushButton button("&Open");
    const QImage plainButton = Render(&button, fusion.get());
    QCOMPARE(Render(&button, &proxy), plainButton);

    QCheckBox check("Embed photos");
    check.setChecked(true);
    const QImage plainCheck = Render(&check, fusion.get());
    QCOMPARE(Render(&check, &proxy), plainCheck);
    check.setStyle(nullptr);
    button.setStyle(nullptr);
}

QTEST_MAIN(TestCmnProxyStyleEx)
#include "tst_cmnproxystyleex.moc"
