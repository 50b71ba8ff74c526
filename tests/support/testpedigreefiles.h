#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVector>

// A pedigree of the shared reference data (`id,sire,dam,...` with a header line),
// numbered 1..n in file order; parents named only as parents are added after the
// rows as founders. Entry 0 of the parent tables is unused; 0 means unknown.
struct CTestPedigreeFile
{
    QStringList ids;             // by number - 1
    QVector<int> sires{0};
    QVector<int> dams{0};
    // 0 unknown, 1 male, 2 female, from the `sex` column when the file has one.
    QVector<int> sexes{0};
    // Year of birth from the `birth` column; 0 when there is none.
    QVector<int> births{0};
    // The animals that have a row of their own: numbers 1 to rows. Those after
    // them are named only as parents.
    int rows = 0;
    QHash<QString, int> numbers;
    QString error;

    int Count() const { return int(ids.size()); }
};

struct CTestMating
{
    int sire;
    int dam;
    double coefficient;
};

// The folder of the shared pedigree files, given by the build; empty when it is not there.
QString TestPedigreeDir();
CTestPedigreeFile ReadTestPedigree(const QString &path);
// `id,F` by number (entry 0 unused); empty with a message in `error` on failure.
QVector<double> ReadTestCoefficients(const QString &path, const CTestPedigreeFile &pedigree, QString &error);
QList<CTestMating> ReadTestMatings(const QString &path, const CTestPedigreeFile &pedigree, QString &error);
