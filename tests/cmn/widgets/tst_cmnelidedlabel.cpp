#include "cmnelidedlabel.h"

#include "paintrecorder.h"

#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

namespace {

const QChar kEllipsis(0x2026);
const QString kText = QStringLiteral(
    "Bred from a line of sound working dogs, this bitch has placed at three shows "
    "and produced two litters, both registered with complete health records.");

QStringList Render(CCmnElidedLabel &label)
{
    CPaintRecorder recorder(label.size());
    label.render(&recorder);
    QStringList texts;
    for (const CPaintRecorder::SText &text : recorder.Texts())
        texts.append(QString(text.m_Text).remove(QChar::LineSeparator).trimmed());
    return texts;
}

int LineSpacing(const CCmnElidedLabel &label)
{
    return QFontMetrics(label.font()).lineSpacing();
}

} // namespace

class TestCmnElidedLabel : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void elidesTheLastLineThatFits();
    void showsTheFullTextWhenLargeEnough();
    void breaksAtNewlines();
    void keepsOneLineInACrowdedLayout();

private:
    QFont m_Font;
};

void TestCmnElidedLabel::init()
{
    m_Font = QFont(QStringLiteral("DejaVu Sans"));
    m_Font.setPixelSize(12);
}

void TestCmnElidedLabel::elidesTheLastLineThatFits()
{
    CCmnElidedLabel label;
    label.setFont(m_Font);
    label.SetText(kText);
    QCOMPARE(label.Text(), kText);
    QCOMPARE(label.sizePolicy().horizontalPolicy(), QSizePolicy::Expanding);
    QCOMPARE(label.sizePolicy().verticalPolicy(), QSizePolicy::Preferred);
    label.resize(160, LineSpacing(label) * 5 / 2);
    QSignalSpy elisionChanged(&label, &CCmnElidedLabel::elisionChanged);

    const QStringList lines = Render(label);
    QCOMPARE(lines.size(), 2);
    QVERIFY2(!lines.at(0).endsWith(kEllipsis), qPrintable(lines.at(0)));
    QVERIFY2(kText.startsWith(lines.at(0)), qPrintable(lines.at(0)));
    QVERIFY2(lines.at(1).endsWith(kEllipsis), qPrintable(lines.at(1)));
    QCOMPARE(elisionChanged.count(), 1);
    QCOMPARE(elisionChanged.at(0).at(0).toBool(), true);
    QVERIFY(label.IsElided());

    // Painting again changes nothing, so nothing is reported.
    Render(label);
    QCOMPARE(elisionChanged.count(), 1);

    label.resize(160, LineSpacing(label) * 20);
    const QStringList all = Render(label);
    QCOMPARE(elisionChanged.count(), 2);
    QCOMPARE(elisionChanged.at(1).at(0).toBool(), false);
    QVERIFY(!label.IsElided());
    QCOMPARE(all.join(QLatin1Char(' ')), kText);
}

void TestCmnElidedLabel::showsTheFullTextWhenLargeEnough()
{
    CCmnElidedLabel label;
    label.setFont(m_Font);
    label.SetText(kText);
    QSignalSpy elisionChanged(&label, &CCmnElidedLabel::elisionChanged);

    // One line high and wide enough: the whole text, nothing cut.
    label.resize(QFontMetrics(m_Font).horizontalAdvance(kText) + 20, LineSpacing(label));
    QCOMPARE(Render(label), QStringList{kText});
    QCOMPARE(elisionChanged.count(), 0);

    // One line high and too narrow: that line is the last and ends the text.
    label.resize(200, LineSpacing(label));
    const QStringList lines = Render(label);
    QCOMPARE(lines.size(), 1);
    QVERIFY2(lines.front().endsWith(kEllipsis), qPrintable(lines.front()));
    QCOMPARE(elisionChanged.count(), 1);
}

void TestCmnElidedLabel::breaksAtNewlines()
{
    CCmnElidedLabel label;
    label.setFont(m_Font);
    label.SetText(QStringLiteral("Sire: Ardent\nDam: Bramble"));
    label.resize(300, LineSpacing(label) * 10);
    QCOMPARE(Render(label), (QStringList{QStringLiteral("Sire: Ardent"), QStringLiteral("Dam: Bramble")}));
    QVERIFY(!label.IsElided());
}

void TestCmnElidedLabel::keepsOneLineInACrowdedLayout()
{
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    auto *label = new CCmnElidedLabel;
    label->setFont(m_Font);
    label->SetText(kText);
    auto *greedy = new QWidget;
    greedy->setMinimumHeight(40);
    greedy->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    layout->addWidget(label);
    layout->addWidget(greedy);
    window.resize(200, 10);
    layout->activate();
    QVERIFY2(label->height() >= LineSpacing(*label), qPrintable(QString::number(label->height())));
    QCOMPARE(Render(*label).size(), 1);
}

QTEST_MAIN(TestCmnElidedLabel)
#include "tst_cmnelidedlabel.moc"
