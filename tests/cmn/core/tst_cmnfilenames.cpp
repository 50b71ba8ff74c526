#include "cmnfilenames.h"

#include <QDir>
#include <QFileDevice>
#include <QTemporaryDir>
#include <QTest>

class TestCmnFileNames : public QObject
{
    Q_OBJECT
private slots:
    void extensionDot_data();
    void extensionDot();
    void htmlExtension_data();
    void htmlExtension();
    void dialogFilter_data();
    void dialogFilter();
    void textFilesFilter();
    void filterExtensions_data();
    void filterExtensions();
    void extensionMismatch_data();
    void extensionMismatch();
    void imageFileTypes_data();
    void imageFileTypes();
    void imageOpenFilterListsReaderFormats();
    void pdfFileTypes();
    void fileErrorText_data();
    void fileErrorText();
    void defaultPictureFolder_data();
    void defaultPictureFolder();
};

void TestCmnFileNames::extensionDot_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("dot");
    QTest::addColumn<QString>("extension");
    QTest::addColumn<QString>("withoutExtension");

    QTest::newRow("plain") << "report.txt" << 6 << "txt" << "report";
    QTest::newRow("last dot counts") << "archive.tar.gz" << 11 << "gz" << "archive.tar";
    QTest::newRow("final dot") << "notes." << -1 << "" << "notes.";
    QTest::newRow("dot in a folder") << "my.folder/file" << -1 << "" << "my.folder/file";
    QTest::newRow("dot in a folder, absolute") << "/data.dir/file" << -1 << "" << "/data.dir/file";
    QTest::newRow("dot in a folder, backslash") << "C:\\my.folder\\file" << -1 << "" << "C:\\my.folder\\file";
    QTest::newRow("not a letter or digit after dot") << "backup.~1" << -1 << "" << "backup.~1";
    QTest::newRow("digit after dot") << "scan.7z" << 4 << "7z" << "scan";
    QTest::newRow("leading dot") << ".profile" << 0 << "profile" << "";
    QTest::newRow("in a path") << "/home/u/dogs.orv" << 12 << "orv" << "/home/u/dogs";
    QTest::newRow("no dot") << "README" << -1 << "" << "README";
    QTest::newRow("empty") << "" << -1 << "" << "";
}

void TestCmnFileNames::extensionDot()
{
    QFETCH(QString, name);
    QFETCH(int, dot);
    QFETCH(QString, extension);
    QFETCH(QString, withoutExtension);
    QCOMPARE(CmnFindExtensionDot(name), qsizetype(dot));
    QCOMPARE(CmnFileExtension(name), extension);
    QCOMPARE(CmnFileNameWithoutExtension(name), withoutExtension);
}

void TestCmnFileNames::htmlExtension_data()
{
    QTest::addColumn<QString>("extension");
    QTest::addColumn<bool>("html");
    QTest::newRow("htm") << "htm" << true;
    QTest::newRow("HTML") << "HTML" << true;
    QTest::newRow("Html") << "Html" << true;
    QTest::newRow("xhtml") << "xhtml" << false;
    QTest::newRow("empty") << "" << false;
}

void TestCmnFileNames::htmlExtension()
{
    QFETCH(QString, extension);
    QFETCH(bool, html);
    QCOMPARE(CmnIsHtmlExtension(extension), html);
}

void TestCmnFileNames::dialogFilter_data()
{
    QTest::addColumn<QStringList>("extensions");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("filter");
    QTest::newRow("two, lowered") << QStringList{"TXT", "csv"} << "Text files" << "Text files (*.txt *.csv)";
    QTest::newRow("one") << QStringList{"Orv"} << "Orvanta files" << "Orvanta files (*.orv)";
    QTest::newRow("three") << QStringList{"htm", "html", "XML"} << "Pages" << "Pages (*.htm *.html *.xml)";
}

void TestCmnFileNames::dialogFilter()
{
    QFETCH(QStringList, extensions);
    QFETCH(QString, description);
    QFETCH(QString, filter);
    QCOMPARE(CmnFileDialogFilter(extensions, description), filter);
    if (extensions.size() == 1)
        QCOMPARE(CmnFileDialogFilterOne(extensions.first(), description), filter);
}

void TestCmnFileNames::textFilesFilter()
{
    QCOMPARE(CmnTextFilesFilter(), QStringLiteral("Text files (*.txt *.csv)"));
}

void TestCmnFileNames::filterExtensions_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("extensions");

    QTest::newRow("two entries")
        << "Text files (*.txt);;CSV files (*.csv)" << QStringList{"txt", "csv"};
    QTest::newRow("several in one entry, order kept")
        << "Images (*.png *.jpg *.bmp)" << QStringList{"png", "jpg", "bmp"};
    QTest::newRow("star names none") << "All files (*)" << QStringList();
    QTest::newRow("star beside extensions")
        << "Images (*.png);;All files (*)" << QStringList{"png"};
    QTest::newRow("no parentheses") << "*.orv *.bak" << QStringList{"orv", "bak"};
    QTest::newRow("last parenthesis counts")
        << "Dogs (old format) (*.dog)" << QStringList{"dog"};
    QTest::newRow("text after the closing one")
        << "Dogs (*.dog) and more *.x" << QStringList{"dog"};
    QTest::newRow("unclosed") << "Dogs (*.dog *.cat" << QStringList{"dog", "cat"};
    QTest::newRow("double blanks") << "Dogs (*.dog  *.cat)" << QStringList{"dog", "cat"};
    QTest::newRow("bare star dot names none") << "Odd (*.)" << QStringList();
    QTest::newRow("no star") << "Dogs (dog .cat)" << QStringList();
    QTest::newRow("empty") << "" << QStringList();
}

void TestCmnFileNames::filterExtensions()
{
    QFETCH(QString, filter);
    QFETCH(QStringList, extensions);
    QCOMPARE(CmnFileDialogFilterExtensions(filter), extensions);
}

void TestCmnFileNames::extensionMismatch_data()
{
    QTest::addColumn<QString>("extension");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("message");

    const QString invalid = QStringLiteral("The filename does not have a valid extension. ");
    const QString pdf = QStringLiteral("PDF files (*.pdf)");
    const QString text = QStringLiteral("Text files (*.txt);;CSV files (*.csv)");

    QTest::newRow("offered") << "csv" << text << "";
    QTest::newRow("offered, other case") << "PDF" << pdf << "";
    QTest::newRow("star, any extension") << "doc" << "All files (*)" << "";
    QTest::newRow("star, no extension") << "" << "All files (*)" << "";
    QTest::newRow("one offered")
        << "pdf2" << pdf << invalid + "Please choose a filename with extension 'pdf'.";
    QTest::newRow("none given")
        << "" << pdf
        << "The filename has no extension. Please choose a filename with extension 'pdf'.";
    QTest::newRow("two offered")
        << "doc" << text << invalid + "Please choose a filename with extension 'txt' or 'csv'.";
    QTest::newRow("three offered")
        << "gif" << "Images (*.png *.jpg *.bmp)"
        << invalid
            + "Please choose a filename with one of the following extensions: 'png', 'jpg' or 'bmp'.";
    QTest::newRow("four offered")
        << "e" << "(*.a *.b);;(*.c *.d)"
        << invalid
            + "Please choose a filename with one of the following extensions: 'a', 'b', 'c' or 'd'.";
    QTest::newRow("placeholder in an extension")
        << "x" << "(*.%2 *.%1)" << invalid + "Please choose a filename with extension '%2' or '%1'.";
}

void TestCmnFileNames::extensionMismatch()
{
    QFETCH(QString, extension);
    QFETCH(QString, filter);
    QFETCH(QString, message);
    QCOMPARE(CmnFileExtensionMismatch(extension, filter), message);
}

void TestCmnFileNames::imageFileTypes_data()
{
    QTest::addColumn<QList<QByteArray>>("formats");
    // Each expected type as filter, description, extension.
    QTest::addColumn<QStringList>("types");

    const QString jpeg = QStringLiteral("JPEG files");
    const QString tiff = QStringLiteral("Tagged Image files");
    const QString png = QStringLiteral("Portable Network Graphics files");
    const QString other = QStringLiteral("Other image files");

    QTest::newRow("jpeg only") << QList<QByteArray>{"jpeg"}
                               << QStringList{"JPEG files (*.jpeg)", jpeg, "jpeg"};
    QTest::newRow("jpg only") << QList<QByteArray>{"jpg"} << QStringList{"JPEG files (*.jpg)", jpeg, "jpg"};
    QTest::newRow("typical writer")
        << QList<QByteArray>{"bmp", "jpeg", "jpg", "png", "ppm", "tif", "tiff", "webp"}
        << QStringList{"JPEG files (*.jpg *.jpeg)", jpeg, "jpg",
                       "Tagged Image files (*.tif *.tiff)", tiff, "tif",
                       "Portable Network Graphics files (*.png)", png, "png",
                       "Other image files (*.bmp *.ppm *.webp)", other, "bmp"};
    QTest::newRow("tiff only, names in capitals")
        << QList<QByteArray>{"TIFF", "PNG"}
        << QStringList{"Tagged Image files (*.tiff)", tiff, "tiff",
                       "Portable Network Graphics files (*.png)", png, "png"};
    QTest::newRow("others keep their case") << QList<QByteArray>{"XBM", "gif"}
                                            << QStringList{"Other image files (*.XBM *.gif)", other, "XBM"};
    QTest::newRow("nothing") << QList<QByteArray>{} << QStringList{};
}

void TestCmnFileNames::imageFileTypes()
{
    QFETCH(QList<QByteArray>, formats);
    QFETCH(QStringList, types);
    QList<CCmnFileType> expected;
    for (qsizetype i = 0; i + 2 < types.size(); i += 3)
        expected << CCmnFileType{types.at(i), types.at(i + 1), types.at(i + 2)};
    const QList<CCmnFileType> actual = CmnImageFileTypes(formats);
    QCOMPARE(actual.size(), expected.size());
    for (qsizetype i = 0; i < actual.size(); ++i) {
        QCOMPARE(actual.at(i).m_Filter, expected.at(i).m_Filter);
        QCOMPARE(actual.at(i).m_Description, expected.at(i).m_Description);
        QCOMPARE(actual.at(i).m_Extension, expected.at(i).m_Extension);
    }
}

void TestCmnFileNames::imageOpenFilterListsReaderFormats()
{
    QCOMPARE(CmnImageOpenFilter({"bmp", "jpg", "png"}), QStringLiteral("Images (*.bmp *.jpg *.png)"));
    const QString filter = CmnImageOpenFilter();
    QVERIFY2(filter.startsWith(QStringLiteral("Images (*.")) && filter.contains(QStringLiteral(" *.png"))
                 && filter.endsWith(QLatin1Char(')')),
             qPrintable(filter));
}

void TestCmnFileNames::pdfFileTypes()
{
    const QList<CCmnFileType> types = CmnPdfFileTypes();
    QCOMPARE(types.size(), 1);
    QCOMPARE(types.first().m_Filter, QStringLiteral("PDF files (*.pdf)"));
    QCOMPARE(types.first().m_Description, QStringLiteral("PDF files"));
    QCOMPARE(types.first().m_Extension, QStringLiteral("pdf"));
}

void TestCmnFileNames::fileErrorText_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");
    QTest::newRow("no error") << int(QFileDevice::NoError) << "";
    QTest::newRow("read") << int(QFileDevice::ReadError) << "read error";
    QTest::newRow("write") << int(QFileDevice::WriteError) << "write error";
    QTest::newRow("fatal") << int(QFileDevice::FatalError) << "fatal file error";
    QTest::newRow("resource") << int(QFileDevice::ResourceError) << "resource error";
    QTest::newRow("open") << int(QFileDevice::OpenError) << "open error (possibly the file does not exist)";
    QTest::newRow("abort") << int(QFileDevice::AbortError) << "aborted";
    QTest::newRow("time-out") << int(QFileDevice::TimeOutError) << "timeout";
    QTest::newRow("unspecified") << int(QFileDevice::UnspecifiedError) << "unspecified error";
    QTest::newRow("remove") << int(QFileDevice::RemoveError) << "failed to delete";
    QTest::newRow("rename") << int(QFileDevice::RenameError) << "failed to rename";
    QTest::newRow("position") << int(QFileDevice::PositionError) << "file position error";
    QTest::newRow("resize") << int(QFileDevice::ResizeError) << "failed to resize";
    QTest::newRow("permissions") << int(QFileDevice::PermissionsError) << "file access error";
    QTest::newRow("copy") << int(QFileDevice::CopyError) << "copy error";
    QTest::newRow("beyond the table") << 15 << "unknown error";
    QTest::newRow("negative") << -1 << "unknown error";
}

void TestCmnFileNames::fileErrorText()
{
    QFETCH(int, code);
    QFETCH(QString, text);
    QCOMPARE(CmnFileErrorText(code), text);
}

void TestCmnFileNames::defaultPictureFolder_data()
{
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QString>("chosen");
    QTest::newRow("both: pictures") << QStringList{"Pictures", "Documents"} << "Pictures";
    QTest::newRow("documents only") << QStringList{"Documents"} << "Documents";
    QTest::newRow("neither: home") << QStringList{} << "";
}

void TestCmnFileNames::defaultPictureFolder()
{
    QFETCH(QStringList, present);
    QFETCH(QString, chosen);
    QTemporaryDir home;
    QVERIFY(home.isValid());
    // With no user-dirs file in the configuration folder, the standard folders
    // are the usual names inside the home folder.
    const QByteArray oldHome = qgetenv("HOME");
    const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path() + QStringLiteral("/.config")));
    for (const QString &folder : present)
        QVERIFY(QDir(home.path()).mkdir(folder));
    const QString folder = CmnDefaultPictureFolder();
    qputenv("HOME", oldHome);
    qputenv("XDG_CONFIG_HOME", oldConfig);
    QCOMPARE(folder, chosen.isEmpty() ? home.path() : home.path() + QLatin1Char('/') + chosen);
}

QTEST_GUILESS_MAIN(TestCmnFileNames)
#include "tst_cmnfilenames.moc"
