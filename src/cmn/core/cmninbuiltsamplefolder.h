#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// One sample document of a folder of samples.
struct CCmnInbuiltSample
{
    QString m_SortKey;
    QString m_Name;
    // The document's file name within the folder.
    QString m_DataFileName;
    // An HTML fragment.
    QString m_Description;
};

// What a folder of sample documents says about itself: the chooser's title,
// label and size in "config.txt", and one sample per ".info" file. The folder
// knows nothing of what the samples are; a file that cannot be read or says too
// little is skipped, so the other samples still show.
class CCmnInbuiltSampleFolder
{
public:
    // Starts again from the defaults, then reads the folder (a resource folder or
    // one on disk) in the order its entries are listed; the samples end up sorted
    // by sort key, comparing character codes.
    void Read(const QString &folderPath);

    // The keys of "config.txt"; a later line overrides an earlier one.
    void ApplyConfigLines(const QStringList &lines);
    // The sample an ".info" file describes; false when it names no sample or no
    // document file.
    static bool ParseInfoLines(const QStringList &lines, CCmnInbuiltSample *sample);

    QString m_Title = QStringLiteral("Examples");
    QString m_Label = QStringLiteral("Select an example");
    // Of the available screen, 0.1 to 1.
    double m_WidthFraction = 0.5;
    double m_HeightFraction = 0.5;
    QList<CCmnInbuiltSample> m_Samples;
};
