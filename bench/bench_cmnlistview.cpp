// Type-ahead on a list of 100,000 rows: every key searches the model from its
// first row, so a key costs in proportion to how far down the first hit lies.
// Each benchmark iteration presses one letter and then Backspace, two searches
// for prefixes whose first hit is at the same depth, with the view shown and its
// repaint done after each key.
#include "cmnlistview.h"

#include <QApplication>
#include <QKeyEvent>
#include <QStringListModel>

#include <benchmark/benchmark.h>

namespace {

constexpr int kRows = 100000;
constexpr int kMiss = -1;

// Four letters counting up from "aaaa" in row order, so the rows are sorted and
// each row's code is the shortest prefix that finds it.
QString RowCode(int row)
{
    QString code(4, u'a');
    for (int i = 3; i >= 0; --i, row /= 26)
        code[i] = QChar(u'a' + row % 26);
    return code;
}

QStringList RowTexts()
{
    QStringList rows;
    rows.reserve(kRows);
    for (int row = 0; row < kRows; ++row)
        rows << RowCode(row) + QStringLiteral(" of Orvanta, kennel %1").arg(row);
    return rows;
}

void PressKey(QWidget *view, Qt::Key key, const QString &text)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(view, &press);
    QApplication::processEvents();
}

void PressLetter(QWidget *view, QChar letter)
{
    PressKey(view, Qt::Key(Qt::Key_A + (letter.unicode() - u'a')), QString(letter));
}

// Argument: the row the typed text finds, or kMiss for a text no row starts with
// (a search of every row, then the beep).
void BM_TypeAheadKey(benchmark::State &state)
{
    QStringListModel model(RowTexts());
    CCmnListView view;
    view.setUniformItemSizes(true);
    view.setModel(&model);
    view.SetTypeAhead(true);
    view.resize(400, 600);
    view.show();
    QApplication::processEvents();

    const int target = static_cast<int>(state.range(0));
    const QString code = target == kMiss ? QStringLiteral("zzzz") : RowCode(target);
    for (QChar letter : QStringView(code).left(3))
        PressLetter(&view, letter);
    // A miss leaves the current row where it was.
    const int before = view.currentIndex().row();
    PressLetter(&view, code.at(3));
    const int found = view.currentIndex().row();
    PressKey(&view, Qt::Key_Backspace, QStringLiteral("\b"));
    if (found != (target == kMiss ? before : target)) {
        state.SkipWithError("the typed text found the wrong row");
        return;
    }

    for (auto _ : state) {
        PressLetter(&view, code.at(3));
        PressKey(&view, Qt::Key_Backspace, QStringLiteral("\b"));
    }
    state.counters["per_key"] =
        benchmark::Counter(2.0 * double(state.iterations()), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

} // namespace

BENCHMARK(BM_TypeAheadKey)
    ->ArgName("row")
    ->Arg(0)
    ->Arg(kRows / 2)
    ->Arg(kRows - 1)
    ->Arg(kMiss)
    ->Unit(benchmark::kMillisecond);
