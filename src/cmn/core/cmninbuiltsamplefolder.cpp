#include "cmninbuiltsamplefolder.h"

#include "cmntextfile.h"

#include <QDir>

#include <algorithm>

namespace {

// Description files are a few paragraphs; a larger one is not a sample's.
constexpr qint64 kMaxSampleFileBytes = 1024 * 1024;

double PercentFraction(const QString &value)
{
    bool ok = false;
    const int percent = value.toInt(&ok, 10);
    return std::clamp(ok ? percent : 0, 10, 100) / 100.0;
}

// The rest of the line after a five-character key ("NAME "), matched in any case.
bool TakeSampleKey(const QString &line, QLatin1StringView key, QString *value)
{
    if (!value->isEmpty() || line.left(5).toUpper() != key)
        return false;
    *value = line.mid(5).trimmed();
    return true;
}

} // namespace

void CCmnInbuiltSampleFolder::Read(const QString &folderPath)
{
    *this = CCmnInbuiltSampleFolder();
    const QDir folder(folderPath);
    const QStringList names = folder.entryList(QDir::Files | QDir::Hidden, QDir::NoSort);
    for (const QString &name : names) {
        const QString path = folderPath + QLatin1Char('/') + name;
        if (name.compare(QLatin1String("config.txt"), Qt::CaseInsensitive) == 0) {
            ApplyConfigLines(CmnReadTextFileLines(path, nullptr, nullptr, kMaxSampleFileBytes));
        } else if (name.endsWith(QLatin1String(".info"), Qt::CaseInsensitive)) {
            CCmnInbuiltSample sample;
            if (ParseInfoLines(CmnReadTextFileLines(path, nullptr, nullptr, kMaxSampleFileBytes), &sample))
                m_Samples.append(sample);
        }
    }
    std::stable_sort(m_Samples.begin(), m_Samples.end(), [](const CCmnInbuiltSample &a, const CCmnInbuiltSample &b) {
        return a.m_SortKey < b.m_SortKey;
    });
}

void CCmnInbuiltSampleFolder::ApplyConfigLines(const QStringList &lines)
{
    for (const QString &line : lines) {
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals < 0)
            continue;
        const QString key = line.left(equals).trimmed().toUpper();
        const QString value = line.mid(equals + 1).trimmed();
        if (key == QLatin1String("TITLE"))
            m_Title = value;
        else if (key == QLatin1String("LABEL"))
            m_Label = value;
        else if (key == QLatin1String("WIDTHPERCENT"))
            m_WidthFraction = PercentFraction(value);
        else if (key == QLatin1String("HEIGHTPERCENT"))
            m_HeightFraction = PercentFraction(value);
    }
}

bool CCmnInbuiltSampleFolder::ParseInfoLines(const QStringList &lines, CCmnInbuiltSample *sample)
{
    CCmnInbuiltSample read;
    for (const QString &line : lines) {
        if (TakeSampleKey(line, QLatin1StringView("NAME "), &read.m_Name)
            || TakeSampleKey(line, QLatin1StringView("DATA "), &read.m_DataFileName)
            || TakeSampleKey(line, QLatin1StringView("SORT "), &read.m_SortKey))
            continue;
        // Blank lines before the first text vanish; later ones stay.
        if (!read.m_Description.isEmpty())
            read.m_Description += QLatin1Char('\n');
        read.m_Description += line;
    }
    if (read.m_Name.isEmpty() || read.m_DataFileName.isEmpty())
        return false;
    if (read.m_SortKey.isEmpty())
        read.m_SortKey = read.m_Name;
    *sample = read;
    return true;
}
