#include "cmnboxlayout.h"
#include "cmncheckbox.h"
#include "cmncombobox.h"
#include "cmndoublespinbox.h"
#include "cmnelidedlabel.h"
#include "cmngridlayoutex.h"
#include "cmnlabel.h"
#include "cmnlineedit.h"
#include "cmnradiobutton.h"
#include "cmnregfieldgrid.h"
#include "cmnregfieldwidgets.h"
#include "cmnspinbox.h"
#include "cmntabordialogorpanelorpagemixin.h"
#include "cmntextedit.h"
#include "cmnwhatsthistexts.h"

#include <QBoxLayout>
#include <QLabel>
#include <QTest>

#include <climits>
#include <memory>

namespace {

const QString kHelpPage = QStringLiteral("CBreedRecordTab.html");

// One field row of a grid case: label text (empty for none), label above, row
// span, column start, and a multi-line text edit instead of a line edit.
struct TRowShape
{
    QString label;
    bool above = false;
    qint32 span = 1;
    bool start = false;
    bool textEdit = false;
};

TRowShape Beside(const QString &label = QStringLiteral("Sire"), bool start = false)
{
    return {label, false, 1, start, false};
}

class CHost : public CCmnTabOrDialogOrPanelOrPageMixin
{
};

// Whether the layout ends in a stretch, which pushes what it holds to the top.
bool EndsInStretch(QLayout *layout)
{
    return layout && layout->count() > 0 && layout->itemAt(layout->count() - 1)->spacerItem();
}

// "row column rowSpan columnSpan" of the grid cell that holds the widget, directly
// or inside a layout, then "T" when that cell ends in a stretch and "-" otherwise.
QString CellOf(const QGridLayout *grid, const QWidget *widget)
{
    for (int i = 0; i < grid->count(); ++i) {
        QLayoutItem *item = grid->itemAt(i);
        if (item->widget() != widget && !CmnLayoutWidgets(item->layout()).contains(widget))
            continue;
        int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
        grid->getItemPosition(i, &row, &column, &rowSpan, &columnSpan);
        return QStringLiteral("%1 %2 %3 %4 %5")
            .arg(row)
            .arg(column)
            .arg(rowSpan)
            .arg(columnSpan)
            .arg(EndsInStretch(item->layout()) ? 'T' : '-');
    }
    return QStringLiteral("missing");
}

QList<int> StretchedColumns(const QGridLayout *grid)
{
    QList<int> columns;
    for (int c = 0; c < grid->columnCount(); ++c) {
        if (grid->columnStretch(c) > 0)
            columns.append(c);
    }
    return columns;
}

} // namespace

Q_DECLARE_METATYPE(TRowShape)

class TestCmnRegFieldWidgets : public QObject
{
    Q_OBJECT
private slots:
    void newAndReset();
    void columnsGrid_data();
    void columnsGrid();
    void labelBesideTopOfRow();
    void labelAboveLayout_data();
    void labelAboveLayout();
    void rowWithoutLabelKeepsLabelCell();
    void fieldLabel_data();
    void fieldLabel();
    void labelBuddy_data();
    void labelBuddy();
    void editorItem_data();
    void editorItem();
    void helpNames_data();
    void helpNames();
    void showSubstitution_data();
    void showSubstitution();
};

void TestCmnRegFieldWidgets::newAndReset()
{
    CCmnRegFieldWidgets row(QStringLiteral("Dam"), QStringLiteral("Dam"));
    QVERIFY(row.m_HasLabel);
    QCOMPARE(row.m_RowSpan, 1);
    QCOMPARE(CCmnRegFieldWidgets(QString()).m_HasLabel, false);

    auto edit = std::make_unique<CCmnLineEdit>();
    row.m_ReadOnly = row.m_BoldLabel = row.m_ColumnStart = row.m_LabelAbove = true;
    row.m_LineEdit = edit.get();
    row.m_EditorLayout = new QVBoxLayout;
    row.m_RadioButtons.append(nullptr);
    row.m_RowSpan = 4;
    row.m_HasLabel = false;
    std::unique_ptr<QLayout> layout(row.m_EditorLayout);

    row.Reset();
    QCOMPARE(row.m_Label, QStringLiteral("Dam"));
    QCOMPARE(row.m_HelpName, QStringLiteral("Dam"));
    QVERIFY(row.m_HasLabel);
    QCOMPARE(row.EditorItem(), (std::pair<QWidget *, QLayout *>(nullptr, nullptr)));
    QVERIFY(row.m_RadioButtons.isEmpty());
    QCOMPARE(row.m_RowSpan, 1);
    QCOMPARE(row.m_ReadOnly || row.m_BoldLabel || row.m_ColumnStart || row.m_LabelAbove, false);
}

void TestCmnRegFieldWidgets::columnsGrid_data()
{
    QTest::addColumn<QList<TRowShape>>("fullWidth");
    QTest::addColumn<QList<TRowShape>>("columnRows");
    QTest::addColumn<QStringList>("cells");   // editor cell of each row, full-width rows first
    QTest::addColumn<QList<int>>("stretched");

    const TRowShape above{QStringLiteral("Notes"), true, 1, false, false};
    const TRowShape aboveNoLabel{QString(), true, 1, false, false};

    QTest::newRow("five rows, third starts a column")
        << QList<TRowShape>{}
        << QList<TRowShape>{Beside(), Beside(), Beside("Breeder", true), Beside(), Beside()}
        << QStringList{"0 1 1 1 -", "1 1 2 1 T", "0 3 1 1 -", "1 3 1 1 -", "2 3 1 1 T"} << QList<int>{1, 3};
    QTest::newRow("label above takes two rows")
        << QList<TRowShape>{} << QList<TRowShape>{above, Beside(), Beside("Owner", true)}
        << QStringList{"0 0 2 2 -", "2 1 1 1 T", "0 3 3 1 T"} << QList<int>{1, 3};
    QTest::newRow("label above without label takes its span")
        << QList<TRowShape>{} << QList<TRowShape>{aboveNoLabel, Beside()} << QStringList{"0 0 1 2 -", "1 1 1 1 T"}
        << QList<int>{1};
    QTest::newRow("column start on the first row opens no column")
        << QList<TRowShape>{} << QList<TRowShape>{Beside("Sire", true), Beside()}
        << QStringList{"0 1 1 1 -", "1 1 1 1 T"} << QList<int>{1};
    QTest::newRow("full-width rows alone, all top-aligned")
        << QList<TRowShape>{Beside("Name"), Beside("Call name")} << QList<TRowShape>{}
        << QStringList{"0 1 1 1 T", "1 1 1 1 T"} << QList<int>{1};
    QTest::newRow("full-width row above two columns")
        << QList<TRowShape>{Beside("Name")} << QList<TRowShape>{Beside(), Beside("Dam", true)}
        << QStringList{"0 1 1 3 -", "1 1 1 1 T", "1 3 1 1 T"} << QList<int>{1, 3};
    QTest::newRow("full-width label above spans every column")
        << QList<TRowShape>{above} << QList<TRowShape>{Beside(), Beside("Dam", true)}
        << QStringList{"0 0 2 4 -", "2 1 1 1 T", "2 3 1 1 T"} << QList<int>{1, 3};
    QTest::newRow("text edit grows with a stretched row")
        << QList<TRowShape>{}
        << QList<TRowShape>{Beside(), Beside(), Beside("Notes", true), TRowShape{"Remarks", false, 1, false, true}}
        << QStringList{"0 1 1 1 -", "1 1 1 1 T", "0 3 1 1 -", "1 3 1 1 -"} << QList<int>{1, 3};
    QTest::newRow("spans held to 1 .. the maximum")
        << QList<TRowShape>{}
        << QList<TRowShape>{TRowShape{"Sire", false, 0, false, false}, TRowShape{"Notes", false, INT_MAX, false, false}}
        << QStringList{"0 1 1 1 -", QStringLiteral("1 1 %1 1 T").arg(CCmnRegFieldWidgets::kMaxRowSpan)}
        << QList<int>{1};
}

void TestCmnRegFieldWidgets::columnsGrid()
{
    QFETCH(QList<TRowShape>, fullWidth);
    QFETCH(QList<TRowShape>, columnRows);
    QFETCH(QStringList, cells);
    QFETCH(QList<int>, stretched);

    QWidget window;
    QList<QWidget *> editors;
    const auto makeRows = [&editors](const QList<TRowShape> &shapes) {
        QList<CCmnRegFieldWidgets> rows;
        for (const TRowShape &shape : shapes) {
            CCmnRegFieldWidgets row(shape.label);
            row.m_LabelAbove = shape.above;
            row.m_RowSpan = shape.span;
            row.m_ColumnStart = shape.start;
            if (shape.textEdit)
                editors.append(row.m_TextEdit = new CCmnTextEdit);
            else
                editors.append(row.m_LineEdit = new CCmnLineEdit);
            rows.append(row);
        }
        return rows;
    };
    const QList<CCmnRegFieldWidgets> fullRows = makeRows(fullWidth);
    const QList<CCmnRegFieldWidgets> columns = makeRows(columnRows);

    CCmnGridLayoutEx *grid = CmnNewColumnsGridLayout(nullptr, fullRows, columns);
    window.setLayout(grid);

    QStringList actual;
    for (const QWidget *editor : std::as_const(editors))
        actual.append(CellOf(grid, editor));
    QCOMPARE(actual, cells);
    QCOMPARE(StretchedColumns(grid), stretched);
}

void TestCmnRegFieldWidgets::labelBesideTopOfRow()
{
    QWidget window;
    CCmnRegFieldWidgets row(QStringLiteral("Sire"));
    row.m_LineEdit = new CCmnLineEdit;
    auto *grid = new CCmnGridLayoutEx(&window);
    row.AddToGrid(grid, nullptr, 3, 2, 2, 2, false);

    QLayoutItem *labelItem = grid->itemAtPosition(3, 2);
    QVERIFY(labelItem);
    auto *label = qobject_cast<CCmnLabel *>(labelItem->widget());
    QVERIFY(label);
    QCOMPARE(label->text(), QStringLiteral("Sire:"));
    QCOMPARE(labelItem->alignment(), Qt::AlignTop);
    QCOMPARE(CellOf(grid, label), QStringLiteral("3 2 1 1 -"));
    QCOMPARE(CellOf(grid, row.m_LineEdit), QStringLiteral("3 3 2 1 -"));
    QCOMPARE(label->buddy(), row.m_LineEdit);
}

void TestCmnRegFieldWidgets::labelAboveLayout_data()
{
    QTest::addColumn<bool>("hasLabel");
    QTest::addColumn<bool>("topAlign");
    QTest::addColumn<bool>("textEdit");
    QTest::addColumn<QString>("shape");   // L label, E editor, S stretch

    QTest::newRow("label, editor") << true << false << false << "LE";
    QTest::newRow("top-aligned ends in a stretch") << true << true << false << "LES";
    QTest::newRow("text edit never stretched") << true << true << true << "LE";
    QTest::newRow("no label, editor only") << false << true << false << "ES";
}

void TestCmnRegFieldWidgets::labelAboveLayout()
{
    QFETCH(bool, hasLabel);
    QFETCH(bool, topAlign);
    QFETCH(bool, textEdit);
    QFETCH(QString, shape);

    QWidget window;
    CCmnRegFieldWidgets row(hasLabel ? QStringLiteral("Notes") : QString());
    row.m_LabelAbove = true;
    QWidget *editor = textEdit ? static_cast<QWidget *>(row.m_TextEdit = new CCmnTextEdit)
                               : static_cast<QWidget *>(row.m_LineEdit = new CCmnLineEdit);
    auto *grid = new CCmnGridLayoutEx(&window);
    row.AddToGrid(grid, nullptr, 0, 0, 3, 2, topAlign);

    QCOMPARE(grid->count(), 1);
    QLayout *box = grid->itemAt(0)->layout();
    QVERIFY(box);
    QCOMPARE(box->contentsMargins(), QMargins());
    QString actual;
    for (int i = 0; i < box->count(); ++i) {
        QWidget *widget = box->itemAt(i)->widget();
        actual += widget == editor ? QLatin1Char('E') : qobject_cast<CCmnLabel *>(widget) ? QLatin1Char('L')
                                                                                          : QLatin1Char('S');
    }
    QCOMPARE(actual, shape);
    QCOMPARE(CellOf(grid, editor).left(7), QStringLiteral("0 0 3 2"));
}

void TestCmnRegFieldWidgets::rowWithoutLabelKeepsLabelCell()
{
    QWidget window;
    CCmnRegFieldWidgets row;
    row.m_CheckBox = new CCmnCheckBox(QStringLiteral("Champion"));
    auto *grid = new CCmnGridLayoutEx(&window);
    row.AddToGrid(grid, nullptr, 0, 0, 1, 2, false);

    QCOMPARE(grid->count(), 1);
    QCOMPARE(grid->itemAtPosition(0, 0), nullptr);
    QCOMPARE(CellOf(grid, row.m_CheckBox), QStringLiteral("0 1 1 1 -"));
}

void TestCmnRegFieldWidgets::fieldLabel_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("withBuddy");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("format");

    const int rich = Qt::RichText;
    const int plain = Qt::PlainText;
    QTest::newRow("plain") << "Breeder" << false << false << "Breeder:" << rich;
    QTest::newRow("ampersand escaped") << "Sire & Dam" << false << false << "Sire &amp; Dam:" << rich;
    QTest::newRow("bold ampersand") << "Sire & Dam" << true << false << "<b>Sire &amp; Dam:</b>" << rich;
    QTest::newRow("bold never buddies") << "Sire & Dam" << true << true << "<b>Sire &amp; Dam:</b>" << rich;
    QTest::newRow("angle brackets") << "Height <cm>" << false << false << "Height &lt;cm&gt;:" << rich;
    QTest::newRow("quote alone kept") << "\"Pet\" name" << false << false << "\"Pet\" name:" << rich;
    QTest::newRow("buddy ampersand doubled") << "Sire & Dam" << false << true << "Sire && Dam:" << plain;
    QTest::newRow("buddy angle brackets kept") << "Height <cm>" << false << true << "Height <cm>:" << plain;
}

void TestCmnRegFieldWidgets::fieldLabel()
{
    QFETCH(QString, text);
    QFETCH(bool, bold);
    QFETCH(bool, withBuddy);
    QFETCH(QString, shown);
    QFETCH(int, format);

    CCmnLineEdit editor;
    std::unique_ptr<CCmnLabel> label(CmnNewFieldLabel(text, bold, withBuddy ? &editor : nullptr));
    QCOMPARE(label->parent(), nullptr);
    QCOMPARE(label->text(), shown);
    QCOMPARE(int(label->textFormat()), format);
}

void TestCmnRegFieldWidgets::labelBuddy_data()
{
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("radioLayout");
    QTest::addColumn<bool>("above");
    QTest::addColumn<int>("buddy");   // -1 none, else the index of the editor

    QTest::newRow("plain label, line edit") << false << false << false << 0;
    QTest::newRow("bold label has no buddy") << true << false << false << -1;
    QTest::newRow("first radio button of the layout") << false << true << false << 0;
    QTest::newRow("label above still buddies") << false << false << true << 0;
}

void TestCmnRegFieldWidgets::labelBuddy()
{
    QFETCH(bool, bold);
    QFETCH(bool, radioLayout);
    QFETCH(bool, above);
    QFETCH(int, buddy);

    QWidget window;
    CCmnRegFieldWidgets row(QStringLiteral("Sex"));
    row.m_BoldLabel = bold;
    row.m_LabelAbove = above;
    QList<QWidget *> editors;
    if (radioLayout) {
        for (const char *text : {"Male", "Female"}) {
            auto *button = new CCmnRadioButton(QString::fromLatin1(text));
            row.m_RadioButtons.append(button);
            editors.append(button);
        }
        row.m_EditorLayout = CmnBoxLayout(CmnBoxLayoutStretch, editors[0], editors[1]);
    } else {
        editors.append(row.m_LineEdit = new CCmnLineEdit);
    }
    auto *grid = new CCmnGridLayoutEx(&window);
    row.AddToGrid(grid, nullptr, 0, 0, 1, 2, false);

    const QList<CCmnLabel *> labels = window.findChildren<CCmnLabel *>();
    QCOMPARE(labels.size(), 1);
    QCOMPARE(labels.first()->buddy(), buddy < 0 ? nullptr : editors[buddy]);
    for (QWidget *editor : std::as_const(editors))
        QCOMPARE(editor->parentWidget(), &window);
}

void TestCmnRegFieldWidgets::editorItem_data()
{
    QTest::addColumn<QString>("filled");  // the slots set, one letter each
    QTest::addColumn<QChar>("item");      // the letter of the item; '0' for none
    QTest::addColumn<QChar>("first");     // the letter of the first editor widget

    // Y layout holding one radio button (first widget R), E line edit, C combo box,
    // K check box, I spin box, D decimal spin box, V value label, T text edit,
    // O other editor, R read-only label, Z empty layout.
    QTest::newRow("nothing") << "" << QChar('0') << QChar('0');
    QTest::newRow("layout before a line edit") << "YE" << QChar('Y') << QChar('B');
    QTest::newRow("check box before a read-only label") << "KR" << QChar('K') << QChar('K');
    QTest::newRow("decimal spin box before value label") << "DV" << QChar('D') << QChar('D');
    QTest::newRow("value label before text edit") << "VT" << QChar('V') << QChar('V');
    QTest::newRow("text edit before other editor") << "TO" << QChar('T') << QChar('T');
    QTest::newRow("other editor before read-only label") << "OR" << QChar('O') << QChar('O');
    QTest::newRow("read-only label alone") << "R" << QChar('R') << QChar('R');
    QTest::newRow("line edit before every widget") << "EKCIDVTOR" << QChar('E') << QChar('E');
    QTest::newRow("combo before spin box") << "IC" << QChar('C') << QChar('C');
    QTest::newRow("empty layout") << "Z" << QChar('Z') << QChar('0');
}

void TestCmnRegFieldWidgets::editorItem()
{
    QFETCH(QString, filled);
    QFETCH(QChar, item);
    QFETCH(QChar, first);

    QWidget owner;
    CCmnRegFieldWidgets row;
    QHash<QChar, QObject *> made;
    const auto keep = [&](QChar letter, QWidget *widget) {
        widget->setParent(&owner);
        made.insert(letter, widget);
    };
    auto *ownerLayout = new QVBoxLayout(&owner);
    for (const QChar letter : filled) {
        switch (letter.toLatin1()) {
        case 'Y': {
            auto *button = new CCmnRadioButton(QStringLiteral("Male"));
            keep('B', button);
            row.m_EditorLayout = CmnBoxLayout(0, button);
            ownerLayout->addLayout(row.m_EditorLayout);
            made.insert('Y', row.m_EditorLayout);
            break;
        }
        case 'Z':
            row.m_EditorLayout = new QHBoxLayout;
            ownerLayout->addLayout(row.m_EditorLayout);
            made.insert('Z', row.m_EditorLayout);
            break;
        case 'E': keep('E', row.m_LineEdit = new CCmnLineEdit); break;
        case 'C': keep('C', row.m_ComboBox = new CCmnComboBox); break;
        case 'K': keep('K', row.m_CheckBox = new CCmnCheckBox(QString())); break;
        case 'I': keep('I', row.m_SpinBox = new CCmnSpinBox); break;
        case 'D': keep('D', row.m_DoubleSpinBox = new CCmnDoubleSpinBox); break;
        case 'V': keep('V', row.m_ValueLabel = new QLabel); break;
        case 'T': keep('T', row.m_TextEdit = new CCmnTextEdit); break;
        case 'O': keep('O', row.m_OtherEditor = new QWidget); break;
        case 'R': keep('R', row.m_ReadOnlyLabel = new CCmnElidedLabel); break;
        }
    }

    const auto [widget, layout] = row.EditorItem();
    QObject *const expected = made.value(item);
    QCOMPARE(widget ? static_cast<QObject *>(widget) : static_cast<QObject *>(layout), expected);
    QVERIFY(!widget || !layout);
    QCOMPARE(static_cast<QObject *>(row.FirstEditorWidget()), made.value(first));
}

void TestCmnRegFieldWidgets::helpNames_data()
{
    QTest::addColumn<bool>("withHost");
    QTest::addColumn<QString>("helpPage");
    QTest::addColumn<QString>("helpName");
    QTest::addColumn<bool>("radioLayout");
    QTest::addColumn<bool>("helped");

    QTest::newRow("line edit") << true << kHelpPage << "Sire" << false << true;
    QTest::newRow("every radio button of the layout") << true << kHelpPage << "Sex" << true << true;
    QTest::newRow("no host") << false << kHelpPage << "Sire" << false << false;
    QTest::newRow("host without help page") << true << "" << "Sire" << false << false;
    QTest::newRow("no help name") << true << kHelpPage << "" << false << false;
    QTest::newRow("name without a text") << true << kHelpPage << "Breeder" << false << false;
}

void TestCmnRegFieldWidgets::helpNames()
{
    QFETCH(bool, withHost);
    QFETCH(QString, helpPage);
    QFETCH(QString, helpName);
    QFETCH(bool, radioLayout);
    QFETCH(bool, helped);

    const TCmnWhatsThisTable previous = CmnSetWhatsThisTexts({
        {kHelpPage + ":Sire", "The father of the animal."},
        {kHelpPage + ":Sex", "Whether the animal is male or female."},
    });

    QWidget window;
    CCmnRegFieldWidgets row(QStringLiteral("Field"), helpName);
    QList<QWidget *> editors;
    if (radioLayout) {
        for (const char *text : {"Male", "Female", "Not Given"}) {
            auto *button = new CCmnRadioButton(QString::fromLatin1(text));
            row.m_RadioButtons.append(button);
            editors.append(button);
        }
        row.m_EditorLayout = CmnBoxLayout(CmnBoxLayoutHorizontal, editors[0], editors[1], editors[2]);
    } else {
        editors.append(row.m_LineEdit = new CCmnLineEdit);
    }
    CHost host;
    host.SetHelpPage(helpPage);
    auto *grid = new CCmnGridLayoutEx(&window);
    row.AddToGrid(grid, withHost ? &host : nullptr, 0, 0, 1, 2, true);
    CmnSetWhatsThisTexts(previous);

    for (const QWidget *editor : std::as_const(editors))
        QCOMPARE(!editor->whatsThis().isEmpty(), helped);
    QCOMPARE(host.HasWhatsThis(), helped);
    if (helped)
        QVERIFY2(editors.first()->whatsThis().contains(radioLayout ? "male or female" : "The father"),
                 qPrintable(editors.first()->whatsThis()));
}

void TestCmnRegFieldWidgets::showSubstitution_data()
{
    QTest::addColumn<bool>("hasText");
    QTest::addColumn<bool>("hasHtml");
    QTest::addColumn<QString>("elided");
    QTest::addColumn<QString>("valueLabel");

    QTest::newRow("both forms") << true << true << "Ch. Rex" << "<b>Ch.</b> Rex";
    QTest::newRow("text only") << true << false << "Ch. Rex" << "Ch. Rex";
    QTest::newRow("HTML only") << false << true << "" << "<b>Ch.</b> Rex";
    QTest::newRow("neither") << false << false << "" << "";
}

void TestCmnRegFieldWidgets::showSubstitution()
{
    QFETCH(bool, hasText);
    QFETCH(bool, hasHtml);
    QFETCH(QString, elided);
    QFETCH(QString, valueLabel);

    CCmnElidedLabel readOnly;
    QLabel value;
    readOnly.SetText(QStringLiteral("old"));
    value.setText(QStringLiteral("old"));
    CCmnRegFieldWidgets row;
    row.m_ReadOnlyLabel = &readOnly;
    row.m_ValueLabel = &value;

    row.ShowSubstitution(hasText ? std::optional<QString>(QStringLiteral("Ch. Rex")) : std::nullopt,
                         hasHtml ? std::optional<QString>(QStringLiteral("<b>Ch.</b> Rex")) : std::nullopt);
    QCOMPARE(readOnly.Text(), elided);
    QCOMPARE(value.text(), valueLabel);
}

QTEST_MAIN(TestCmnRegFieldWidgets)
#include "tst_cmnregfieldwidgets.moc"
