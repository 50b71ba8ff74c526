#pragma once

#include <QString>

// The folder of a test's fixture files, given by the test runner in the
// environment; empty when the test has no fixtures.
QString OrvTestDataDir();

// A fixture file's full path.
QString OrvTestDataFile(const QString &name);
