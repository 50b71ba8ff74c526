#include "cmnacceleratorassigner.h"

#include "cmnassignmentsolver.h"
#include "cmntext.h"

#include <algorithm>

namespace {

// Upper case one code unit at a time. Full upper-casing can lengthen a text ("ß"
// gives "SS"), and every position taken from the upper-case form must also be a
// position in the original text.
QString UpperCaseInPlace(const QString &text)
{
    QString upper = text;
    for (QChar &ch : upper)
        ch = ch.toUpper();
    return upper;
}

// Where the mark goes for character c in the upper-case text: before the first
// character, before a word start, or before its first occurrence.
qsizetype MarkPosition(const QString &upper, QChar c)
{
    if (upper.startsWith(c))
        return 0;
    const qsizetype space = CmnIndexOfCharPair(upper, u' ', c);
    if (space >= 0)
        return space + 1;
    return upper.indexOf(c);
}

} // namespace

QStringList AssignTextAccelerators(const QStringList &texts)
{
    QSet<QChar> available;
    for (const char *c = kCmnAcceleratorCandidates; *c; ++c)
        available.insert(QChar::fromLatin1(*c).toUpper());

    QStringList toAssign;
    QList<qsizetype> positions;
    QStringList result;
    result.reserve(texts.size());
    for (const QString &text : texts) {
        const QString withoutLiterals = QString(text).remove(QStringLiteral("&&"));
        const qsizetype mark = withoutLiterals.indexOf(u'&');
        if (mark >= 0 && mark + 1 < withoutLiterals.size()) {
            available.remove(withoutLiterals.at(mark + 1).toUpper());
        } else {
            positions.append(result.size());
            toAssign.append(text);
        }
        result.append(text);
    }
    if (toAssign.isEmpty())
        return texts;

    const QStringList assigned = AssignAccelerators(toAssign, available);
    for (qsizetype i = 0; i < positions.size() && i < assigned.size(); ++i) {
        if (!assigned.at(i).isEmpty())
            result[positions.at(i)] = assigned.at(i);
    }
    return result;
}

QStringList AssignAccelerators(const QStringList &texts, const QSet<QChar> &available)
{
    QStringList uppers;
    QList<QSet<QChar>> usable;
    QSet<QChar> allUsable;
    for (const QString &text : texts) {
        const QString upper = UpperCaseInPlace(text);
        QSet<QChar> characters;
        for (QChar ch : upper) {
            if (available.contains(ch))
                characters.insert(ch);
        }
        allUsable.unite(characters);
        uppers.append(upper);
        usable.append(characters);
    }
    if (allUsable.isEmpty())
        return texts;

    QList<QChar> columns(allUsable.cbegin(), allUsable.cend());
    std::sort(columns.begin(), columns.end());
    const double columnCount = double(columns.size());

    QList<QList<double>> costs;
    costs.reserve(texts.size());
    for (qsizetype row = 0; row < texts.size(); ++row) {
        const QString &text = texts.at(row);
        const QString &upper = uppers.at(row);
        const double base = double(usable.at(row).size()) / columnCount;
        QList<double> rowCosts;
        rowCosts.reserve(columns.size());
        for (QChar c : std::as_const(columns)) {
            if (!usable.at(row).contains(c)) {
                rowCosts.append(CCmnAssignmentSolver::kImpossibleCost);
            } else if (upper.startsWith(c)) {
                rowCosts.append(base);
            } else if (const qsizetype space = CmnIndexOfCharPair(upper, u' ', c); space >= 0) {
                const qsizetype capitalSpace = CmnIndexOfCharPair(text, u' ', c);
                rowCosts.append(capitalSpace >= 0 ? base * 50 + double(capitalSpace)
                                                  : base * 2500 + double(space));
            } else {
                rowCosts.append(base * 125000 + double(upper.indexOf(c)));
            }
        }
        costs.append(rowCosts);
    }

    CCmnAssignmentSolver solver;
    const QList<QPair<int, int>> pairs = solver.Solve(costs);

    QStringList result = texts;
    for (const auto &[row, column] : pairs) {
        if (!(costs.at(row).at(column) < CCmnAssignmentSolver::kImpossibleCost))
            continue;
        const qsizetype position = MarkPosition(uppers.at(row), columns.at(column));
        result[row].insert(position, u'&');
    }
    return result;
}
