#include "testdata.h"

#include <QDir>

QString OrvTestDataDir()
{
    return qEnvironmentVariable("ORV_TEST_DATA_DIR");
}

QString OrvTestDataFile(const QString &name)
{
    return QDir(OrvTestDataDir()).filePath(name);
}
