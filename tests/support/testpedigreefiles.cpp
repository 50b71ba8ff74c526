#include "testpedigreefiles.h"

#include <QDir>
#include <QFile>

namespace {

// The data lines split at commas; the header is dropped.
QList<QStringList> ReadRows(const QString &path, int columns, QString &error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        error = QStringLiteral("cannot open %1").arg(path);
        return {};
    }
    QList<QStringList> rows;
    file.readLine();
    while (!file.atEnd()) {
        const QString line = QString::fromLatin1(file.readLine()).trimmed();
        if (line.isEmpty())
            continue;
        QStringList fields = line.split(QLatin1Char(','));
        if (fields.size() < columns) {
            error = QStringLiteral("%1: short line %2").arg(path, line);
            return {};
        }
        rows.append(fields);
    }
    return rows;
}

int NumberOf(const CTestPedigreeFile &pedigree, const QString &id, QString &error)
{
    const int number = pedigree.numbers.value(id);
    if (number == 0)
        error = QStringLiteral("unknown id %1").arg(id);
    return number;
}

} // namespace

QString TestPedigreeDir()
{
#ifdef ORV_PEDIGREE_DIR
    const QString dir = QStringLiteral(ORV_PEDIGREE_DIR);
#else
    const QString dir;
#endif
    const QString fromEnvironment = qEnvironmentVariable("ORV_PEDIGREE_DIR");
    const QString chosen = fromEnvironment.isEmpty() ? dir : fromEnvironment;
    return !chosen.isEmpty() && QDir(chosen).exists() ? chosen : QString();
}

CTestPedigreeFile ReadTestPedigree(const QString &path)
{
    CTestPedigreeFile pedigree;
    const QList<QStringList> rows = ReadRows(path, 3, pedigree.error);
    const auto number = [&pedigree](const QString &id) {
        if (id.isEmpty())
            return 0;
        int &n = pedigree.numbers[id];
        if (n == 0) {
            pedigree.ids.append(id);
            pedigree.sires.append(0);
            pedigree.dams.append(0);
            pedigree.sexes.append(0);
            pedigree.births.append(0);
            n = int(pedigree.ids.size());
        }
        return n;
    };
    for (const QStringList &row : rows)
        number(row.at(0));
    pedigree.rows = pedigree.Count();
    for (const QStringList &row : rows) {
        const int n = number(row.at(0));
        const int sire = number(row.at(1));
        const int dam = number(row.at(2));
        pedigree.sires[n] = sire;
        pedigree.dams[n] = dam;
        const QString sex = row.value(3);
        pedigree.sexes[n] = sex == QLatin1String("M") ? 1 : sex == QLatin1String("F") ? 2 : 0;
        pedigree.births[n] = row.value(4).toInt();
    }
    return pedigree;
}

QVector<double> ReadTestCoefficients(const QString &path, const CTestPedigreeFile &pedigree, QString &error)
{
    QVector<double> coefficients(pedigree.Count() + 1);
    for (const QStringList &row : ReadRows(path, 2, error)) {
        const int n = NumberOf(pedigree, row.at(0), error);
        if (n == 0)
            return {};
        coefficients[n] = row.at(1).toDouble();
    }
    return error.isEmpty() ? coefficients : QVector<double>();
}

QList<CTestMating> ReadTestMatings(const QString &path, const CTestPedigreeFile &pedigree, QString &error)
{
    QList<CTestMating> matings;
    for (const QStringList &row : ReadRows(path, 3, error))
        matings.append(CTestMating{NumberOf(pedigree, row.at(0), error), NumberOf(pedigree, row.at(1), error),
                                   row.at(2).toDouble()});
    return error.isEmpty() ? matings : QList<CTestMating>();
}
