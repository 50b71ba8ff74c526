#include "cmnappdescriptor.h"
#include "cmndateprovider.h"
#include "cmndockwidget.h"
#include "cmnframework.h"
#include "cmnhtmlescape.h"
#include "cmnlistwidget.h"
#include "cmnpreparedmessagebox.h"
#include "cmnrunapplication.h"
#include "cmnscreen.h"
#include "cmnsystemsettings.h"
#include "cmnupdateinfo.h"
#include "cmnwhatsthistexts.h"
#include "testfilechooserscope.h"
#include "testhttpserver.h"
#include "testmainwindow.h"
#include "rendertesting.h"
#include "testmessageboxscope.h"
#include "testsettingsscope.h"
#include "testurlopenerscope.h"

#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QMenu>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSettings>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTest>

#include <memory>

namespace {

const QString kMru = QStringLiteral("mainwindow/mru");
const QString kExtensionMessage = QStringLiteral("<p>You must use the file extension 'orv' when saving.</p>");

QString Write(const QString &path)
{
    return QStringLiteral("WriteDocument(%1)").arg(path);
}

QStringList StoredRecentFiles()
{
    return QSettings().value(kMru).toStringList();
}

// The entries of a menu as the user sees them: texts, "-" for a separator.
QStringList MenuEntries(const QMenu *menu)
{
    QStringList entries;
    for (const QAction *action : menu->actions()) {
        if (action->isVisible())
            entries << (action->isSeparator() ? QStringLiteral("-") : action->text());
    }
    return entries;
}

const QByteArray kUpdateFile =
    "MORVELUPDATEFORMAT 1\nBEGIN BUILDMOR LINUX 0.2.0 20270101\nFEATURE Faster charts\nEND\n";

QString StoredUpdateReminder()
{
    return CmnGetSystemSettings()->StringValue(QLatin1String(CmnUpdateReminderKey));
}

QStringList VisibleRecentTexts(const CCmnMainWindowEx &window)
{
    QStringList texts;
    for (const QAction *action : window.RecentFileActions()) {
        if (action->isVisible())
            texts << action->text();
    }
    return texts;
}

} // namespace

class TestCmnMainWindowEx : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void mostRecentFileIsTheFirstStored_data();
    void mostRecentFileIsTheFirstStored();
    void recentFilesKeepFiveDistinctPaths_data();
    void recentFilesKeepFiveDistinctPaths();
    void recentFileCommandsShowTheStoredList();
    void fileMenuOrder();
    void helpMenuLeavesOutMissingPages();
    void titleNamesTheDocument_data();
    void titleNamesTheDocument();
    void saveFollowsTheDocumentExtension_data();
    void saveFollowsTheDocumentExtension();
    void saveDocumentNeedsTheDocumentExtension_data();
    void saveDocumentNeedsTheDocumentExtension();
    void saveAsAddsTheExtension_data();
    void saveAsAddsTheExtension();
    void saveAsNeverReplacesAFileUnasked_data();
    void saveAsNeverReplacesAFileUnasked();
    void saveAsWarnsWhileSaveIsOffered();
    void closingAsksAboutTheDocument_data();
    void closingAsksAboutTheDocument();
    void windowStateIsRestoredOrMaximised_data();
    void windowStateIsRestoredOrMaximised();
    void messagesPanelCollectsLines();
    void savedMessagesAreTheLines();
    void unwritableMessagesFileIsNamed();
    void aboutNamesVersionAndToolkit();
    void helpCommandsOpenTheirPages();
    void updateCheckFollowsTheStoredDate_data();
    void updateCheckFollowsTheStoredDate();
    void untrustedUpdateRepliesShowNothing_data();
    void untrustedUpdateRepliesShowNothing();
    void updateRedirectsOnlyToHttps();
    void pendingUpdateReplyGoesWithTheWindow();
    void updateNoticeFollowsTheRun();

private:
    std::unique_ptr<CTestSettingsScope> m_Settings;
    std::unique_ptr<QTemporaryDir> m_Folder;
};

void TestCmnMainWindowEx::initTestCase()
{
    CCmnAppDescriptor descriptor;
    descriptor.SetProductName(QStringLiteral("Orvanta"));
    descriptor.m_FullVersion = QStringLiteral("0.1.0");
    descriptor.m_ReleaseDate = QStringLiteral("2026/06/01");
    descriptor.AddDocumentType(QStringLiteral("orv"), QStringLiteral("Orvanta files"));
    descriptor.SetDocumentType(QStringLiteral("orv"), QStringLiteral("Orvanta files"));
    descriptor.m_DocumentNoun = QStringLiteral("file");
    CmnInitFramework(descriptor);
}

void TestCmnMainWindowEx::init()
{
    m_Settings = std::make_unique<CTestSettingsScope>();
    m_Folder = std::make_unique<QTemporaryDir>();
    CmnCreateSystemSettings();
}

void TestCmnMainWindowEx::cleanup()
{
    CmnGetAppDescriptor().m_UpdateInfoAddress.clear();
    CmnDestroySystemSettings();
    m_Folder.reset();
    m_Settings.reset();
}

void TestCmnMainWindowEx::mostRecentFileIsTheFirstStored_data()
{
    QTest::addColumn<bool>("stored");
    QTest::addColumn<QVariant>("files");
    QTest::addColumn<QString>("expected");

    QTest::newRow("nothing stored") << false << QVariant() << QString();
    QTest::newRow("empty list") << true << QVariant(QStringList()) << QString();
    QTest::newRow("one file") << true << QVariant(QStringList{"/data/herd.orv"}) << "/data/herd.orv";
    QTest::newRow("several files")
        << true << QVariant(QStringList{"/data/b.orv", "/data/a.orv", "/data/c.orv"}) << "/data/b.orv";
    QTest::newRow("damaged: empty entries skipped")
        << true << QVariant(QStringList{"", "/data/a.orv"}) << "/data/a.orv";
    QTest::newRow("damaged: bytes") << true << QVariant(QByteArray("\x01\xff", 2)) << QString();
    QTest::newRow("damaged: a number") << true << QVariant(42) << QString();
}

void TestCmnMainWindowEx::mostRecentFileIsTheFirstStored()
{
    QFETCH(bool, stored);
    QFETCH(QVariant, files);
    QFETCH(QString, expected);

    if (stored)
        QSettings().setValue(kMru, files);
    const CTestMainWindow window;
    QCOMPARE(window.MostRecentFile(), expected);
    QVERIFY(window.Calls().isEmpty());
}

void TestCmnMainWindowEx::recentFilesKeepFiveDistinctPaths_data()
{
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<QStringList>("added");
    QTest::addColumn<QStringList>("expected");

    const QStringList five{"/a/5.orv", "/a/4.orv", "/a/3.orv", "/a/2.orv", "/a/1.orv"};
    QTest::newRow("a sixth path drops the oldest")
        << five << QStringList{"/a/6.orv"}
        << QStringList{"/a/6.orv", "/a/5.orv", "/a/4.orv", "/a/3.orv", "/a/2.orv"};
    QTest::newRow("a path added again moves to the front")
        << five << QStringList{"/a/3.orv"}
        << QStringList{"/a/3.orv", "/a/5.orv", "/a/4.orv", "/a/2.orv", "/a/1.orv"};
    QTest::newRow("names differing by case are two files")
        << QStringList() << QStringList{"/a/Dog.orv", "/a/dog.orv"} << QStringList{"/a/dog.orv", "/a/Dog.orv"};
    QTest::newRow("a file that is gone stays listed")
        << QStringList() << QStringList{"/no/such/folder/gone.orv"} << QStringList{"/no/such/folder/gone.orv"};
    QTest::newRow("damaged: an overlong list is cut")
        << QStringList{"/a/1", "/a/2", "/a/3", "/a/4", "/a/5", "/a/6", "/a/7"} << QStringList{"/a/0"}
        << QStringList{"/a/0", "/a/1", "/a/2", "/a/3", "/a/4"};
}

void TestCmnMainWindowEx::recentFilesKeepFiveDistinctPaths()
{
    QFETCH(QStringList, stored);
    QFETCH(QStringList, added);
    QFETCH(QStringList, expected);

    QSettings().setValue(kMru, stored);
    CTestMainWindow window;
    window.BuildFrame();
    for (const QString &path : std::as_const(added))
        window.AddRecentFile(path);
    QCOMPARE(StoredRecentFiles(), expected);
    QCOMPARE(window.MostRecentFile(), expected.first());
    QCOMPARE(VisibleRecentTexts(window).size(), expected.size());
}

void TestCmnMainWindowEx::recentFileCommandsShowTheStoredList()
{
    CTestMainWindow window;
    window.BuildFrame();
    QVERIFY(window.RecentFilesSeparator());
    QVERIFY(!window.RecentFilesSeparator()->isVisible());
    QVERIFY(VisibleRecentTexts(window).isEmpty());

    window.AddRecentFile(QStringLiteral("/data/Smith & Jones <UK>.orv"));
    window.AddRecentFile(QStringLiteral("/data/dog.orv"));
    QVERIFY(window.RecentFilesSeparator()->isVisible());
    // The user's "&" shows as typed and marks nothing.
    QCOMPARE(VisibleRecentTexts(window),
             (QStringList{"&1 dog.orv", "&2 Smith && Jones <UK>.orv"}));

    window.RecentFileActions().at(1)->trigger();
    QCOMPARE(window.Calls(), QStringList{"OpenDocument(/data/Smith & Jones <UK>.orv, 0)"});
}

void TestCmnMainWindowEx::fileMenuOrder()
{
    CTestMainWindow window;
    QAction sample(QStringLiteral("Open Sample..."));
    window.AddWelcomeCommand(&sample, QStringLiteral("Open a sample"));
    window.BuildFrame();
    window.AddRecentFile(QStringLiteral("/data/dog.orv"));

    QMenu *fileMenu = window.FileMenu();
    QCOMPARE(MenuEntries(fileMenu), (QStringList{"New", "Open...", "Open Sample...", "-", "Save", "Save As...", "-",
                                                 "Close", "-", "&1 dog.orv", "-", "Exit"}));
    QCOMPARE(window.FileMenu(), fileMenu);
}

void TestCmnMainWindowEx::helpMenuLeavesOutMissingPages()
{
    // Every help page but the questions and answers.
    const TCmnWhatsThisTable previous = CmnSetWhatsThisTexts({
        {"index.html:Start", "<p>Start.</p>"},
        {"support.html:Mail", "<p>Mail.</p>"},
        {"releasenotes.html:New", "<p>New.</p>"},
        {"revisionhistory.html:Old", "<p>Old.</p>"},
    });
    CTestMainWindow window;
    window.BuildFrame();
    CmnSetWhatsThisTexts(previous);

    QVERIFY(!window.FaqAction());
    QCOMPARE(MenuEntries(window.HelpMenu()),
             (QStringList{"Help Index...", "Display User Guide (PDF)...", "-", "Product Support...", "-",
                          "About Orvanta...", "Release Notes...", "Revision History..."}));

    // Without any help texts only the index and About remain, the separators kept.
    CTestMainWindow bare;
    bare.BuildFrame();
    QCOMPARE(MenuEntries(bare.HelpMenu()), (QStringList{"Help Index...", "-", "-", "About Orvanta..."}));
}

void TestCmnMainWindowEx::titleNamesTheDocument_data()
{
    QTest::addColumn<bool>("hasDocument");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("displayName");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("filePath");

    QTest::newRow("display name") << true << "" << "New File" << "Orvanta - New File" << "";
    QTest::newRow("untitled open document") << true << "" << "" << "untitled.orv[*]" << "untitled.orv";
    QTest::newRow("opened file") << true << "/data/Kennel.orv" << "" << "Kennel.orv[*]" << "/data/Kennel.orv";
    QTest::newRow("no document") << false << "" << "" << "Orvanta" << "";
}

void TestCmnMainWindowEx::titleNamesTheDocument()
{
    QFETCH(bool, hasDocument);
    QFETCH(QString, path);
    QFETCH(QString, displayName);
    QFETCH(QString, title);
    QFETCH(QString, filePath);

    CTestMainWindow window;
    window.SetHasDocument(hasDocument);
    window.SetTitle(QStringLiteral("/data/earlier.orv"), QString());
    window.SetTitle(path, displayName);
    QCOMPARE(window.windowTitle(), title);
    QCOMPARE(window.windowFilePath(), filePath);
    QCOMPARE(window.CurrentPath(), path);
}

void TestCmnMainWindowEx::saveFollowsTheDocumentExtension_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QStringList>("calls");

    QTest::newRow("document") << "/data/Kennel.orv" << true
                              << QStringList{Write("/data/Kennel.orv"), "ForgetDocumentChanges(/data/Kennel.orv)"};
    QTest::newRow("extension in capitals")
        << "/data/Kennel.ORV" << true
        << QStringList{Write("/data/Kennel.ORV"), "ForgetDocumentChanges(/data/Kennel.ORV)"};
    QTest::newRow("imported text file") << "/data/dogs.csv" << false << QStringList();
    QTest::newRow("untitled") << "" << false << QStringList();
}

void TestCmnMainWindowEx::saveFollowsTheDocumentExtension()
{
    QFETCH(QString, path);
    QFETCH(bool, enabled);
    QFETCH(QStringList, calls);

    CTestFileChooserScope chooser{QString()};
    CTestMessageBoxScope boxes;
    CTestMainWindow window;
    window.BuildFrame();
    QVERIFY(!window.SaveAction()->isEnabled());
    window.SetHasDocument(true);
    window.SetTitle(path, QString());
    window.UpdateActions();
    QCOMPARE(window.SaveAction()->isEnabled(), enabled);
    QVERIFY(window.SaveAsAction()->isEnabled());
    QVERIFY(window.CloseAction()->isEnabled());

    // A shortcut reaches the command even while the menu entry is disabled.
    window.Action_App_SaveFile_Triggered();
    QCOMPARE(window.Calls(), calls);
    QVERIFY(chooser.Requests().isEmpty());
    QVERIFY(boxes.Requests().isEmpty());
}

void TestCmnMainWindowEx::saveDocumentNeedsTheDocumentExtension_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("flags");
    QTest::addColumn<QStringList>("messages");

    QTest::newRow("another extension") << "/d/pedigree.txt" << 0 << QStringList{kExtensionMessage};
    QTest::newRow("another extension, told not to say") << "/d/pedigree.txt" << 1 << QStringList();
    QTest::newRow("no extension") << "/d/pedigree" << 0 << QStringList();
}

void TestCmnMainWindowEx::saveDocumentNeedsTheDocumentExtension()
{
    QFETCH(QString, path);
    QFETCH(int, flags);
    QFETCH(QStringList, messages);

    CTestFileChooserScope chooser{QString()};
    CTestMessageBoxScope boxes;
    CTestMainWindow window;
    window.BuildFrame();
    window.SetHasDocument(true);

    // Nothing written; Save As asked instead, and cancelled.
    QVERIFY(!window.SaveDocument(path, flags));
    QVERIFY(window.Calls().isEmpty());
    QCOMPARE(boxes.Texts(), messages);
    if (!messages.isEmpty())
        QCOMPARE(boxes.Requests().first().m_Icon, QMessageBox::Information);
    QCOMPARE(chooser.Requests().size(), 1);
}

void TestCmnMainWindowEx::saveAsAddsTheExtension_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QStringList>("calls");
    QTest::addColumn<QStringList>("messages");

    QTest::newRow("no extension") << "pedigree" << QStringList{Write("pedigree.orv"), "ForgetDocumentChanges(pedigree.orv)"}
                                  << QStringList();
    QTest::newRow("document extension")
        << "pedigree.orv" << QStringList{Write("pedigree.orv"), "ForgetDocumentChanges(pedigree.orv)"}
        << QStringList();
    QTest::newRow("another extension")
        << "pedigree.txt" << QStringList()
        << QStringList{"The filename does not have a valid extension. Please choose a filename with extension "
                       "'orv'."};
    QTest::newRow("cancelled") << "" << QStringList() << QStringList();
}

void TestCmnMainWindowEx::saveAsAddsTheExtension()
{
    QFETCH(QString, chosen);
    QFETCH(QStringList, calls);
    QFETCH(QStringList, messages);

    const QString folder = m_Folder->path() + QLatin1Char('/');
    CTestFileChooserScope chooser(chosen.isEmpty() ? QString() : folder + chosen);
    CTestMessageBoxScope boxes;
    CTestMainWindow window;
    window.BuildFrame();
    window.SetHasDocument(true);

    QCOMPARE(window.SaveDocumentAs(), !calls.isEmpty());
    QCOMPARE(window.Calls().join('\n').remove(folder), calls.join('\n'));
    QCOMPARE(chooser.Requests().size(), 1);
    // The chooser adds the extension to a typed name, and asks before replacing.
    QCOMPARE(chooser.Requests().first().m_DefaultSuffix, QStringLiteral("orv"));
    QCOMPARE(chooser.Requests().first().m_Caption, QStringLiteral("Save As File"));
    QCOMPARE(chooser.Requests().first().m_Filter, QStringLiteral("Orvanta files (*.orv)"));
    QCOMPARE(boxes.Texts(), messages);
}

void TestCmnMainWindowEx::saveAsNeverReplacesAFileUnasked_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("written");

    QTest::newRow("No keeps the file") << int(QMessageBox::No) << false;
    QTest::newRow("Yes replaces it") << int(QMessageBox::Yes) << true;
}

void TestCmnMainWindowEx::saveAsNeverReplacesAFileUnasked()
{
    QFETCH(int, answer);
    QFETCH(bool, written);

    QFile existing(m_Folder->filePath(QStringLiteral("Smith & Jones <UK>.orv")));
    QVERIFY(existing.open(QIODevice::WriteOnly));
    existing.close();
    // A chooser that confirmed the name as typed, without the extension.
    CTestFileChooserScope chooser(m_Folder->filePath(QStringLiteral("Smith & Jones <UK>")));
    CTestMessageBoxScope boxes;
    boxes.Answer(answer);
    CTestMainWindow window;
    window.BuildFrame();
    window.SetHasDocument(true);

    QCOMPARE(window.SaveDocumentAs(), written);
    QCOMPARE(boxes.Requests().size(), 1);
    const CCmnMessageBoxRequest &question = boxes.Requests().first();
    QCOMPARE(question.m_Text, QStringLiteral("<p>The file '%1' already exists.</p><p>Do you want to replace it?</p>")
                                  .arg(CmnHtmlEscape(QDir::toNativeSeparators(existing.fileName()))));
    QCOMPARE(question.m_Buttons.at(question.m_DefaultButton).m_StandardButton, int(QMessageBox::No));
    QCOMPARE(window.Calls().contains(Write(existing.fileName())), written);
}

void TestCmnMainWindowEx::saveAsWarnsWhileSaveIsOffered()
{
    const QString warning = QStringLiteral("<p>Use Save.</p>");
    const QString question = warning + "<p>Only click OK if you sure you wish to proceed with 'Save As'.</p>";
    CTestFileChooserScope chooser{QString()};
    CTestMessageBoxScope boxes;
    boxes.Answer(QMessageBox::Cancel);
    boxes.Answer(QMessageBox::Ok, true);
    CTestMainWindow window;
    window.BuildFrame();
    window.SetSaveAsWarning(warning, 7);
    window.SetHasDocument(true);
    window.SetTitle(QStringLiteral("/data/Kennel.orv"), QString());
    window.UpdateActions();

    window.Action_App_SaveAsFile_Triggered();
    QCOMPARE(chooser.Requests().size(), 0);
    window.Action_App_SaveAsFile_Triggered();
    QCOMPARE(chooser.Requests().size(), 1);
    // Remembered: asked no more.
    window.Action_App_SaveAsFile_Triggered();
    QCOMPARE(chooser.Requests().size(), 2);
    QCOMPARE(boxes.Requests().size(), 2);
    QCOMPARE(boxes.Requests().first().m_Text, question);
    QCOMPARE(boxes.Requests().first().m_Options.m_MessageId, 7);
    QCOMPARE(boxes.Requests().first().m_Buttons.at(boxes.Requests().first().m_DefaultButton).m_StandardButton,
             int(QMessageBox::Cancel));

    // An imported file, which Save does not take, goes to Save As unasked.
    window.SetTitle(QStringLiteral("/data/dogs.csv"), QString());
    window.UpdateActions();
    CmnGetSystemSettings()->SetDontAskAgainResult(7, 0);
    window.Action_App_SaveAsFile_Triggered();
    QCOMPARE(boxes.Requests().size(), 2);
    QCOMPARE(chooser.Requests().size(), 3);
}

void TestCmnMainWindowEx::closingAsksAboutTheDocument_data()
{
    QTest::addColumn<bool>("hasDocument");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("writeFails");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<QStringList>("calls");

    const int cancel = CTestMainWindow::QueryCancel;
    const int save = CTestMainWindow::QuerySave;
    const int discard = CTestMainWindow::QueryDiscard;
    QTest::newRow("no document") << false << cancel << "" << false << "" << true << QStringList();
    QTest::newRow("Cancel") << true << cancel << "/d/a.orv" << false << "" << false << QStringList{"QuerySaveChanges()"};
    QTest::newRow("No") << true << discard << "/d/a.orv" << false << "" << true
                        << QStringList{"QuerySaveChanges()", "ForgetDocumentChanges(/d/a.orv)"};
    QTest::newRow("Yes") << true << save << "/d/a.orv" << false << "" << true
                         << QStringList{"QuerySaveChanges()", Write("/d/a.orv"), "ForgetDocumentChanges(/d/a.orv)"};
    QTest::newRow("Yes, the write fails") << true << save << "/d/a.orv" << true << "" << false
                                          << QStringList{"QuerySaveChanges()", Write("/d/a.orv")};
    // An imported file goes to Save As without the extension message.
    QTest::newRow("Yes, imported, Save As cancelled")
        << true << save << "/d/dogs.csv" << false << "" << false << QStringList{"QuerySaveChanges()"};
    QTest::newRow("Yes, imported, saved as")
        << true << save << "/d/dogs.csv" << false << "/d/dogs.orv" << true
        << QStringList{"QuerySaveChanges()", Write("/d/dogs.orv"), "ForgetDocumentChanges(/d/dogs.orv)"};
}

void TestCmnMainWindowEx::closingAsksAboutTheDocument()
{
    QFETCH(bool, hasDocument);
    QFETCH(int, answer);
    QFETCH(QString, path);
    QFETCH(bool, writeFails);
    QFETCH(QString, chosen);
    QFETCH(bool, closes);
    QFETCH(QStringList, calls);

    CTestFileChooserScope chooser(chosen);
    CTestMessageBoxScope boxes;
    CTestMainWindow window;
    window.BuildFrame();
    window.SetHasDocument(hasDocument);
    window.SetQuerySaveAnswer(CTestMainWindow::EQuerySave(answer));
    window.SetWriteFails(writeFails);
    window.SetTitle(path, QString());
    window.show();

    QCOMPARE(window.close(), closes);
    QCOMPARE(window.isVisible(), !closes);
    QCOMPARE(window.Calls(), calls);
    QVERIFY(boxes.Requests().isEmpty());
    // Only a window that closes stores where it was.
    QCOMPARE(QSettings().contains(QStringLiteral("mainwindow/windowstate")), closes);
    QCOMPARE(QSettings().contains(QStringLiteral("mainwindow/geometry")), closes);
}

void TestCmnMainWindowEx::windowStateIsRestoredOrMaximised_data()
{
    QTest::addColumn<QVariant>("geometry");
    QTest::addColumn<QVariant>("state");
    QTest::addColumn<bool>("maximised");

    QTest::newRow("nothing stored") << QVariant() << QVariant() << true;
    QTest::newRow("geometry without state") << QVariant(QByteArray("geometry")) << QVariant() << true;
    QTest::newRow("damaged geometry") << QVariant(QByteArray("\x01\xd9\xd0\xcb")) << QVariant(QByteArray("\x00"))
                                      << true;
    QTest::newRow("damaged value types") << QVariant(42) << QVariant(QStringLiteral("x")) << true;
    QTest::newRow("stored by a closing window") << QVariant(true) << QVariant(true) << false;
}

void TestCmnMainWindowEx::windowStateIsRestoredOrMaximised()
{
    QFETCH(QVariant, geometry);
    QFETCH(QVariant, state);
    QFETCH(bool, maximised);

    if (geometry == QVariant(true)) {
        CTestMainWindow earlier;
        earlier.setGeometry(40, 30, 500, 400);
        earlier.show();
        QVERIFY(earlier.close());
    } else {
        QSettings settings;
        if (geometry.isValid())
            settings.setValue(QStringLiteral("mainwindow/geometry"), geometry);
        if (state.isValid())
            settings.setValue(QStringLiteral("mainwindow/windowstate"), state);
    }
    CTestMainWindow window;
    window.RestoreWindowState();
    QCOMPARE(window.windowState().testFlag(Qt::WindowMaximized), maximised);
    // Out of the maximised state a window without a stored size is no empty speck.
    QCOMPARE(window.size(), maximised ? CmnAvailableScreenSize() * 2 / 3 : QSize(500, 400));
}

void TestCmnMainWindowEx::messagesPanelCollectsLines()
{
    QGuiApplication::clipboard()->clear();
    CTestMainWindow window;
    window.BuildFrame();
    window.show();
    CCmnDockWidget *dock = window.MessagesDock();
    QCOMPARE(dock->objectName(), QStringLiteral("dw-messages"));
    QCOMPARE(dock->windowTitle(), QStringLiteral("Messages"));
    QCOMPARE(dock->allowedAreas(), Qt::RightDockWidgetArea | Qt::BottomDockWidgetArea);
    QCOMPARE(window.dockWidgetArea(dock), Qt::BottomDockWidgetArea);
    QVERIFY(!dock->isVisible());
    QVERIFY(!window.CopyMessagesAction()->isEnabled());
    QVERIFY(!window.SaveMessagesAction()->isEnabled());
    const QList<CCmnMenuEntry> view = window.NamedActionGroups().value(QStringLiteral("View"));
    QCOMPARE(view.size(), 3);
    QCOMPARE(view.at(0).m_Action, dock->toggleViewAction());
    QCOMPARE(view.at(1).m_Action, window.CopyMessagesAction());
    QCOMPARE(view.at(2).m_Action, window.SaveMessagesAction());

    window.AddMessages({}, true);
    QVERIFY(!dock->isVisible());
    window.AddMessages({QStringLiteral("Smith & Jones <UK>: no sire")}, false);
    QVERIFY(!dock->isVisible());
    QVERIFY(window.CopyMessagesAction()->isEnabled());
    window.AddMessages({QStringLiteral("second")}, true);
    QVERIFY(dock->isVisible());
    QCOMPARE(window.Messages(), (QStringList{"Smith & Jones <UK>: no sire", "second"}));
    window.CopyMessagesAction()->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("Smith & Jones <UK>: no sire\nsecond"));

    window.ClearMessages();
    QCOMPARE(window.MessagesList()->count(), 0);
    QVERIFY(!window.CopyMessagesAction()->isEnabled());
    QVERIFY(!window.SaveMessagesAction()->isEnabled());
}

void TestCmnMainWindowEx::savedMessagesAreTheLines()
{
    // Confirmed without the extension, which the window adds.
    CTestFileChooserScope chooser(m_Folder->filePath(QStringLiteral("issues")));
    CTestMessageBoxScope boxes;
    CTestMainWindow window;
    window.BuildFrame();
    window.AddMessages({QStringLiteral("Smith & Jones <UK>"), QStringLiteral("two")}, false);
    window.SaveMessagesAction()->trigger();

    QCOMPARE(chooser.Requests().size(), 1);
    QCOMPARE(chooser.Requests().first().m_Filter, QStringLiteral("Text files (*.txt)"));
    QCOMPARE(chooser.Requests().first().m_DefaultSuffix, QStringLiteral("txt"));
    QFile file(m_Folder->filePath(QStringLiteral("issues.txt")));
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.errorString()));
    QCOMPARE(file.readAll(), QByteArray("Smith & Jones <UK>\ntwo\n"));
    QVERIFY(boxes.Requests().isEmpty());
}

void TestCmnMainWindowEx::unwritableMessagesFileIsNamed()
{
    const QString path = m_Folder->filePath(QStringLiteral("gone/Smith & Jones <UK>.txt"));
    CTestFileChooserScope chooser(path);
    CTestMessageBoxScope boxes;
    CTestMainWindow window;
    window.BuildFrame();
    window.AddMessages({QStringLiteral("one")}, false);
    window.SaveMessagesAction()->trigger();

    QCOMPARE(boxes.Requests().size(), 1);
    const CCmnMessageBoxRequest &request = boxes.Requests().first();
    QCOMPARE(request.m_Icon, QMessageBox::Warning);
    QCOMPARE(request.m_Title, QStringLiteral("Orvanta"));
    const QString prefix = QStringLiteral("<p>Failed to write '%1', ").arg(CmnHtmlEscape(path));
    QVERIFY2(request.m_Text.startsWith(prefix) && request.m_Text.endsWith(QStringLiteral(")</p>")),
             qPrintable(request.m_Text));
    QCOMPARE(window.Messages(), QStringList{"one"});
}

void TestCmnMainWindowEx::aboutNamesVersionAndToolkit()
{
    CTestMessageBoxScope boxes;
    CTestMainWindow window;
    window.AboutAction()->trigger();

    QCOMPARE(boxes.Requests().size(), 1);
    const CCmnMessageBoxRequest &about = boxes.Requests().first();
    QCOMPARE(about.m_Title, QStringLiteral("About Orvanta"));
    QVERIFY2(about.m_Text.startsWith(QStringLiteral("<p>Orvanta, v0.1.0</p>")), qPrintable(about.m_Text));
    QVERIFY2(about.m_Text.contains(QStringLiteral("<p>Released 01 June 2026</p>")), qPrintable(about.m_Text));
    QString toolkit = QStringLiteral(QT_VERSION_STR);
    if (toolkit != QLatin1String(qVersion()))
        toolkit += QLatin1Char('/') + QLatin1String(qVersion());
    QVERIFY2(about.m_Text.endsWith(QStringLiteral("<p>(Qt %1)</p>").arg(toolkit)), qPrintable(about.m_Text));
}

void TestCmnMainWindowEx::helpCommandsOpenTheirPages()
{
    // The pages are written into the opener's cache folder, which test mode would
    // replace by one in the home folder.
    QStandardPaths::setTestModeEnabled(false);
    CTestUrlOpenerScope opener;
    CTestMessageBoxScope boxes;
    const TCmnWhatsThisTable previous = CmnSetWhatsThisTexts({{"faq.html:Question", "<p>Answer.</p>"}});
    CTestMainWindow window;
    window.BuildFrame();
    window.HelpIndexAction()->trigger();
    window.FaqAction()->trigger();
    window.UserGuideAction()->trigger();
    CmnSetWhatsThisTexts(previous);
    QStandardPaths::setTestModeEnabled(true);

    QCOMPARE(opener.m_Urls.size(), 3);
    QCOMPARE(opener.m_Urls.at(0).fileName(), QStringLiteral("index.html"));
    QCOMPARE(opener.m_Urls.at(1).fileName(), QStringLiteral("faq.html"));
    QCOMPARE(opener.m_Urls.at(2).fileName(), QStringLiteral("userguide.pdf"));
    QVERIFY(boxes.Requests().isEmpty());
}

void TestCmnMainWindowEx::updateCheckFollowsTheStoredDate_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<qint32>("remembered");
    QTest::addColumn<bool>("asks");
    QTest::addColumn<QString>("storedAfter");

    // Today is 11 December 2026.
    QTest::newRow("first start records today") << QString() << 0 << false << "20261211";
    QTest::newRow("check due tomorrow") << "20261212" << 0 << false << "20261212";
    QTest::newRow("check due today") << "20261211" << 0 << true << "20261225";
    QTest::newRow("check long overdue") << "20250101" << 0 << true << "20261225";
    QTest::newRow("notices switched off") << "20250101" << 1 << false << "20250101";
}

void TestCmnMainWindowEx::updateCheckFollowsTheStoredDate()
{
    QFETCH(QString, stored);
    QFETCH(qint32, remembered);
    QFETCH(bool, asks);
    QFETCH(QString, storedAfter);

    const CCmnDateProviderScope today(CCmnDateProvider(QDate(2026, 12, 11), QLocale::c()));
    CTestHttpServer server(CTestHttpServer::OkAnswer(kUpdateFile));
    CmnGetAppDescriptor().m_UpdateInfoAddress = server.Address();
    if (!stored.isNull())
        CmnGetSystemSettings()->m_Strings.insert(QLatin1String(CmnUpdateReminderKey), stored);
    CmnGetSystemSettings()->SetDontAskAgainResult(CmnUpdateNoticeMessageId, remembered);

    CCmnMainWindowEx window;
    QCOMPARE(StoredUpdateReminder(), storedAfter);
    if (!asks) {
        // Nothing was sent: the window never made its network access.
        QVERIFY(window.findChildren<QNetworkAccessManager *>().isEmpty());
        QCOMPARE(window.ParseUpdateInfo(), QString());
        return;
    }
    QTRY_COMPARE(server.RequestLines(), QStringList{"GET /orvanta/updateinfo.txt HTTP/1.1"});
    QTRY_VERIFY(window.ParseUpdateInfo().contains(QLatin1String("<li>Faster charts</li>")));
    QCOMPARE(server.RequestLines().size(), 1);
}

void TestCmnMainWindowEx::untrustedUpdateRepliesShowNothing_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<QByteArray>("endlessPadding");
    QTest::addColumn<bool>("notice");

    QTest::newRow("good file") << CTestHttpServer::OkAnswer(kUpdateFile) << QByteArray() << true;
    QTest::newRow("good file with an error status")
        << QByteArray("HTTP/1.1 404 Not Found\r\nContent-Length: " + QByteArray::number(kUpdateFile.size())
                      + "\r\n\r\n" + kUpdateFile)
        << QByteArray() << false;
    QTest::newRow("endless binary") << CTestHttpServer::OkAnswer(QByteArray(), true)
                                    << QByteArray("\x00\xff\x80\x7f", 4).repeated(1024) << false;
    // Read as far as the limit, which a real file never reaches.
    QTest::newRow("good file, then endless comments")
        << CTestHttpServer::OkAnswer(kUpdateFile, true) << QByteArray(";").repeated(4095) + '\n' << true;
    QTest::newRow("empty") << CTestHttpServer::OkAnswer(QByteArray()) << QByteArray() << false;
}

// Whatever the server sends, the reply ends, and shows a notice only when the
// first 64 KiB hold a good file.
void TestCmnMainWindowEx::untrustedUpdateRepliesShowNothing()
{
    QFETCH(QByteArray, answer);
    QFETCH(QByteArray, endlessPadding);
    QFETCH(bool, notice);

    const CCmnDateProviderScope today(CCmnDateProvider(QDate(2026, 12, 11), QLocale::c()));
    CTestHttpServer server(answer, endlessPadding);
    CmnGetAppDescriptor().m_UpdateInfoAddress = server.Address();
    CmnGetSystemSettings()->m_Strings.insert(QLatin1String(CmnUpdateReminderKey), QStringLiteral("20261211"));

    CCmnMainWindowEx window;
    QTRY_COMPARE(server.RequestLines().size(), 1);
    QTRY_COMPARE(window.findChildren<QNetworkReply *>().size(), 0);
    QCOMPARE(window.ParseUpdateInfo().isEmpty(), !notice);
    QCOMPARE(server.RequestLines().size(), 1);
}

// A server that sends the program elsewhere in clear text is not followed, even to a
// good file.
void TestCmnMainWindowEx::updateRedirectsOnlyToHttps()
{
    const CCmnDateProviderScope today(CCmnDateProvider(QDate(2026, 12, 11), QLocale::c()));
    CTestHttpServer elsewhere(CTestHttpServer::OkAnswer(kUpdateFile));
    CTestHttpServer server("HTTP/1.1 302 Found\r\nLocation: " + elsewhere.Address().toLatin1()
                           + "/updateinfo.txt\r\nContent-Length: 0\r\n\r\n");
    CmnGetAppDescriptor().m_UpdateInfoAddress = server.Address();
    CmnGetSystemSettings()->m_Strings.insert(QLatin1String(CmnUpdateReminderKey), QStringLiteral("20261211"));

    CCmnMainWindowEx window;
    QTRY_COMPARE(window.findChildren<QNetworkReply *>().size(), 0);
    QCOMPARE(server.RequestLines().size(), 1);
    QCOMPARE(elsewhere.RequestLines(), QStringList());
    QCOMPARE(window.ParseUpdateInfo(), QString());
}

// A server that never answers leaves no text, and the window closes over the
// pending reply.
void TestCmnMainWindowEx::pendingUpdateReplyGoesWithTheWindow()
{
    const CCmnDateProviderScope today(CCmnDateProvider(QDate(2026, 12, 11), QLocale::c()));
    QTcpServer silent;
    QVERIFY(silent.listen(QHostAddress::LocalHost));
    CmnGetAppDescriptor().m_UpdateInfoAddress = QStringLiteral("http://127.0.0.1:%1").arg(silent.serverPort());
    CmnGetSystemSettings()->m_Strings.insert(QLatin1String(CmnUpdateReminderKey), QStringLiteral("20261211"));

    auto window = std::make_unique<CCmnMainWindowEx>();
    QTRY_VERIFY(silent.hasPendingConnections());
    QCOMPARE(window->findChildren<QNetworkReply *>().size(), 1);
    QCOMPARE(window->ParseUpdateInfo(), QString());
    window.reset();
}

// From the server to the box after the event loop: the received file becomes the
// notice that the run shows under its remembered message id.
void TestCmnMainWindowEx::updateNoticeFollowsTheRun()
{
    const QByteArray file = "MORVELUPDATEFORMAT 1\nBEGIN BUILDMOR WIN+LINUX 0.2.0 2027/01/15\n"
                            "MSG1 <p>Thank you for breeding with us.</p>\nHEADING Charts\n"
                            "FEATURE Pedigree charts print up to seven generations on one page\n"
                            "FEATURE Names such as Smith &amp; Jones &lt;UK&gt; keep their marks\n"
                            "HEADING Import\nFEATURE Faster import of delimited text\n"
                            "LINK https://orvanta.example/orvanta/whatsnew.html\nEND\n";
    const CCmnDateProviderScope today(CCmnDateProvider(QDate(2026, 12, 11), QLocale::c()));
    CTestHttpServer server(CTestHttpServer::OkAnswer(file));
    CmnGetAppDescriptor().m_UpdateInfoAddress = server.Address();
    CmnGetSystemSettings()->m_Strings.insert(QLatin1String(CmnUpdateReminderKey), QStringLiteral("20261130"));
    CTestMessageBoxScope boxes;
    CCmnMainWindowEx window;
    CCmnRunApplicationHooks hooks;
    hooks.m_Arguments = QStringList{QStringLiteral("orvanta")};
    hooks.m_EventLoop = [&window] {
        return QTest::qWaitFor([&window] { return window.findChildren<QNetworkReply *>().isEmpty(); }) ? 0 : 1;
    };

    QCOMPARE(CmnRunApplication(&window, hooks), 0);
    QCOMPARE(boxes.Requests().size(), qsizetype(1));
    const CCmnMessageBoxRequest &notice = boxes.Requests().first();
    QCOMPARE(notice.m_Title, QStringLiteral("Orvanta Update"));
    QCOMPARE(notice.m_Options.m_MessageId, CmnUpdateNoticeMessageId);
    QVERIFY(notice.m_Text.contains(QLatin1String("<p><b>Import</b></p>\n<ul>\n<li>Faster import of delimited text")));
    QCOMPARE(StoredUpdateReminder(), QStringLiteral("20261225"));

    const CCmnPreparedMessageBox prepared(notice);
    QVERIFY(OrvRenderForReview(*prepared.Box(), QSize(), QStringLiteral("updatenotice.png")));
}

QTEST_MAIN(TestCmnMainWindowEx)
#include "tst_cmnmainwindowex.moc"
