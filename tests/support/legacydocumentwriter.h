#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QPair>

// One register of a test legacy file: its records' bytes by id (see the record writer),
// its user-field pairs and the dictionaries of its coded text fields.
struct CTestLegacyRegister
{
    QMap<int, QByteArray> records;
    QList<QPair<QByteArray, QByteArray>> pairs;
    QList<int> dictionaryIds;                 // stored ids, in the stored order
    QList<QList<QByteArray>> dictionaries;    // the tokens of each
    bool animal = false;
};

// Writes a whole Halvane or Dunmarra data file from the format's description: the
// document header with the species code, the register document and its registers (map,
// tags, clusters of 32 records with their data blocks, no views or saved searches, token
// stores, working state).
QByteArray WriteTestLegacyFile(const QByteArray &species, bool halvane, const QList<CTestLegacyRegister> &registers,
                               quint16 documentVersion = 12);
