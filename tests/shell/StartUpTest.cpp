// The application's start-up and shutdown, run through the real start-up order on a private
// profile: first-run defaults, the store's write-back, the window placement across two runs,
// disabled commands, the registration switches, the hand-over to a running instance, the own open
// dialog and the printer paper.
#include "foundation/CommandIds.h"
#include "foundation/ColorItemList.h"
#include "model/FileComp.h"
#include "objects/ObjectServices.h"
#include "platform/profile/Profile.h"
#include "platform/sheet/Workbook.h"
#include "platform/ui/CmdUI.h"
#include "platform/ui/FileDialog.h"
#include "document/ZivraDoc.h"
#include "shell/ChildFrame.h"
#include "shell/MainFrame.h"
#include "shell/ShellRegistration.h"
#include "shell/SingleInstance.h"
#include "shell/SplashWnd.h"
#include "shell/ZivraApp.h"
#include "tests/support/MessageScript.h"
#include "view/BaseView.h"
#include "view/FrameServices.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPointer>
#include <QPageLayout>
#include <QPrinter>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace StartUpTestImpl {

// The application with the arguments and the printer the test gives it.
class TestZivraApp : public CZivraApp
{
public:
    // The printer writes PDF, into pdfFile when one is given.
    explicit TestZivraApp(std::vector<CString> args = {}, bool hasPrinter = true, QString pdfFile = {})
        : m_args(std::move(args)), m_hasPrinter(hasPrinter), m_pdfFile(std::move(pdfFile))
    {
    }

protected:
    void ParseStartCommandLine(CCommandLineInfo& info) override { info.ParseArguments(m_args); }
    std::unique_ptr<QPrinter> CreateDefaultPrinter() override
    {
        if (!m_hasPrinter)
            return nullptr;
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setPageSize(QPageSize(QPageSize::Letter));
        printer->setOutputFileName(m_pdfFile);
        return printer;
    }

private:
    std::vector<CString> m_args;
    bool m_hasPrinter;
    QString m_pdfFile;
};

// An environment variable set for the test's life.
class ScopedEnv
{
public:
    ScopedEnv(const char* name, const QString& value)
        : m_name(name), m_old(qgetenv(name)), m_had(qEnvironmentVariableIsSet(name))
    {
        qputenv(name, value.toUtf8());
    }
    ~ScopedEnv() { m_had ? qputenv(m_name, m_old) : qunsetenv(m_name); }

private:
    const char* m_name;
    QByteArray m_old;
    bool m_had;
};

QStringList FilesUnder(const QString& folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next().mid(folder.size());
    files.sort();
    return files;
}

} // namespace StartUpTestImpl

using StartUpTestImpl::TestZivraApp;

class StartUp : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_profile.isValid() && m_runtime.isValid() && m_data.isValid());
        m_previousProfile = QFileInfo(QFileInfo(Profile::FilePath()).absolutePath()).absolutePath();
        Profile::SetDirectory(m_profile.path()); // an empty profile
    }
    void TearDown() override
    {
        Profile::SetDirectory(m_previousProfile);
        CSplashWnd::EnableSplashScreen(FALSE); // start-up enabled it for the whole process
    }

    // Closes the main window as the user would, then shuts the application down.
    static void CloseAndExit(CZivraApp& app)
    {
        if (CMainFrame* frame = app.GetMainFrame())
            frame->SendMessage(WM_CLOSE);
        app.ExitInstance();
    }
    static BOOL IsEnabled(CMainFrame* frame, UINT id)
    {
        CCmdUI state;
        state.m_nID = id;
        state.DoUpdate(frame, TRUE);
        return state.IsEnabled();
    }

    QTemporaryDir m_profile;
    QTemporaryDir m_runtime;
    QTemporaryDir m_data;
    StartUpTestImpl::ScopedEnv m_runtimeEnv{"XDG_RUNTIME_DIR", m_runtime.path()};
    StartUpTestImpl::ScopedEnv m_dataEnv{"XDG_DATA_HOME", m_data.path()};
    QString m_previousProfile;
};

TEST_F(StartUp, FirstRunWritesTheDefaultsAndShutdownWritesOnlyWhatChanged)
{
    {
        TestZivraApp app;
        ASSERT_TRUE(app.InitInstance());
        CMainFrame* frame = app.GetMainFrame();
        ASSERT_NE(frame, nullptr);
        EXPECT_TRUE(frame->IsWindowVisible());
        EXPECT_EQ(frame->MDIGetActive(), nullptr); // a plain start opens no document

        const std::pair<const char*, int> page[] = {{"PaperID", 1},     {"PrintScale", 100},  {"MarginLeft", 150},
                                                    {"MarginTop", 150}, {"MarginRight", 150}, {"MarginBottom", 150}};
        for (const auto& [entry, value] : page)
            EXPECT_EQ(Profile::GetProfileInt("Document Page", entry, -1), value) << entry;
        EXPECT_EQ(Profile::GetProfileInt(COLORITEM_SECTION, "NumColorItem", 0), 16);
        EXPECT_EQ(app.GetColorItemList()->GetCount(), 16);
        // The 21 default data types are held, not written: the profile gets them when the user saves.
        EXPECT_EQ(app.GetDataTypeList()->GetCount(), 21);
        EXPECT_FALSE(Profile::HasProfileEntry("DataType", "NumDataType"));
        // The printer follows the stored PaperID 1: A4 portrait.
        const QPageLayout layout = app.GetPrinter()->pageLayout();
        EXPECT_EQ(layout.pageSize().id(), QPageSize::A4);
        EXPECT_EQ(layout.orientation(), QPageLayout::Portrait);

        // The frame holds the marks and prototypes and answers the lower layers.
        EXPECT_EQ(app.GetBoxStyleList()->GetCount(), 25);
        EXPECT_NE(frame->FindPrototypeByKind(5, 0), nullptr);
        EXPECT_EQ(GetObjectServices(), frame);
        EXPECT_EQ(GetFrameServices(), frame);
        EXPECT_EQ(app.GetLastObjectCommand(), 22009u);

        frame->SetExcelExportOpt(0x12);                                      // changed through the store
        EXPECT_EQ(Profile::GetProfileInt("ExcelExport", "ExportOpt", 0), 0); // not yet
        CloseAndExit(app);
        EXPECT_EQ(GetObjectServices(), nullptr);
        EXPECT_EQ(app.GetRegManList(), nullptr);
    }
    EXPECT_EQ(Profile::GetProfileInt("ExcelExport", "ExportOpt", 0), 0x12);
    // Read at start-up but never changed: not written.
    EXPECT_FALSE(Profile::HasProfileEntry("InitialViewState", "ZoomScaleUpDown"));
    EXPECT_FALSE(Profile::HasProfileEntry("Document Page", "ViewScale"));
    EXPECT_TRUE(Profile::HasProfileEntry("Settings", "MainFramePos"));
}

TEST_F(StartUp, TheNextRunRestoresTheMaximisedWindowAndKeepsTheStoredSettings)
{
    {
        TestZivraApp first;
        ASSERT_TRUE(first.InitInstance());
        CMainFrame* frame = first.GetMainFrame();
        frame->ShowWindow(SW_SHOWNORMAL);
        frame->MoveWindow(30, 40, 640, 480);
        frame->ShowWindow(SW_SHOWMAXIMIZED);
        CloseAndExit(first);
    }
    EXPECT_EQ(Profile::GetProfileString("Settings", "MainFramePos").Left(4), "2,3,");
    Profile::WriteProfileInt("Document Page", "PaperID", 6);
    Profile::WriteProfileString(COLORITEM_SECTION, "1", "255,Red,0");

    TestZivraApp second;
    ASSERT_TRUE(second.InitInstance());
    CMainFrame* frame = second.GetMainFrame();
    EXPECT_TRUE(frame->IsZoomed());
    WINDOWPLACEMENT placement;
    ASSERT_TRUE(frame->GetWindowPlacement(&placement));
    EXPECT_EQ(placement.rcNormalPosition.right - placement.rcNormalPosition.left, 640);
    EXPECT_EQ(Profile::GetProfileInt("Document Page", "PaperID", 0), 6); // not reset to the defaults
    const QPageLayout layout = second.GetPrinter()->pageLayout();
    EXPECT_EQ(layout.pageSize().id(), QPageSize::JisB5);
    EXPECT_EQ(layout.orientation(), QPageLayout::Landscape);
    EXPECT_EQ(Profile::GetProfileString(COLORITEM_SECTION, "1"), "255,Red,0"); // read, not recreated
    CloseAndExit(second);
}

TEST_F(StartUp, DisabledCommandsNeverReachTheirHandlers)
{
    TestZivraApp app;
    ASSERT_TRUE(app.InitInstance());
    CMainFrame* frame = app.GetMainFrame();
    // Without a drawing view the arrow kinds and tools are disabled, and sending them changes nothing.
    EXPECT_FALSE(IsEnabled(frame, ID_ARROW_KIND_SUBTYPE));
    frame->SendMessage(WM_COMMAND, ID_ARROW_KIND_SUBTYPE);
    EXPECT_EQ(frame->GetArrowKind(), 1);
    EXPECT_FALSE(IsEnabled(frame, ID_TOOL_LINE));
    frame->SendMessage(WM_COMMAND, ID_TOOL_LINE);
    EXPECT_EQ(frame->GetCurrentTool(), 32810u);
    // The import into a new document needs no open one.
    EXPECT_TRUE(IsEnabled(frame, ID_IMPORT_EXCEL_DB_INTERFACE));
    // The data types are set while no document is open.
    EXPECT_TRUE(IsEnabled(frame, ID_DATA_TYPE_SETTINGS));
    EXPECT_TRUE(IsEnabled(frame, ID_FILE_KIND_SETTINGS));
    EXPECT_TRUE(IsEnabled(frame, ID_FILE_NEW));
    EXPECT_TRUE(IsEnabled(frame, ID_APP_ABOUT));
    EXPECT_TRUE(IsEnabled(frame, ID_COLOR_MENU_SETTINGS));
    CloseAndExit(app);
}

TEST_F(StartUp, PrintSetupWithoutAPrinterSaysSo)
{
    TestZivraApp app({}, false);
    ASSERT_TRUE(app.InitInstance());
    MessageScript script;
    app.GetMainFrame()->SendMessage(WM_COMMAND, ID_FILE_PRINT_SETUP);
    EXPECT_EQ(script.Texts(), (std::vector<std::string>{"印刷できるプリンタがありません。"}));
    CloseAndExit(app);
}

TEST_F(StartUp, FileNewOpensAnEditableDrawingInAChildFrame)
{
    TestZivraApp app;
    ASSERT_TRUE(app.InitInstance());
    CMainFrame* frame = app.GetMainFrame();
    frame->SendMessage(WM_COMMAND, ID_FILE_NEW);
    CView* view = app.GetActiveBaseView();
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(view->GetDocument()->IsKindOf(RUNTIME_CLASS(CZivraDoc)));
    EXPECT_TRUE(view->GetParentFrame()->IsKindOf(RUNTIME_CLASS(CChildFrame)));
    frame->UpdateControlBarsCmdUI();
    EXPECT_EQ(Utf8(frame->GetStatusBar().GetPaneText(3)), "書可");
    CloseAndExit(app);
}

TEST_F(StartUp, TheWorkbookIsChosenBeforeTheImportMakesItsNewDocument)
{
    TestZivraApp app;
    ASSERT_TRUE(app.InitInstance());
    CMainFrame* frame = app.GetMainFrame();
    QTemporaryDir dir;
    const QString path = dir.filePath("model.xlsx");
    {
        SheetWorkbook book(2);
        book.Sheet(1).Range("A2:B2").SetValue(std::vector<CString>{"1", "customer"});
        book.Sheet(2).Range("A2:E2").SetValue(std::vector<CString>{"1", "", "", "D1", "id"});
        book.SaveAs(path);
    }
    QFile notWorkbook(dir.filePath("notes.xlsx"));
    ASSERT_TRUE(notWorkbook.open(QIODevice::WriteOnly));
    notWorkbook.write("notes");
    notWorkbook.close();

    QString chosen;
    CFileDialog::SetHook([&](CFileDialog& files) {
        if (chosen.isEmpty())
            return IDCANCEL;
        files.m_strFileName = FromQString(chosen);
        return IDOK;
    });
    MessageScript script;
    script.Answer(IDCANCEL); // at the question
    script.Answer(IDOK);     // then at the file dialog
    script.Answer(IDOK);
    frame->SendMessage(WM_COMMAND, ID_IMPORT_EXCEL_DB_INTERFACE);
    frame->SendMessage(WM_COMMAND, ID_IMPORT_EXCEL_DB_INTERFACE);
    chosen = notWorkbook.fileName(); // refused with its name: still no document
    frame->SendMessage(WM_COMMAND, ID_IMPORT_EXCEL_DB_INTERFACE);
    EXPECT_EQ(app.GetActiveBaseView(), nullptr);
    ASSERT_EQ(script.Texts().size(), 4u);
    EXPECT_NE(script.Texts()[3].find("notes.xlsx"), std::string::npos);

    chosen = path;
    script.Answer(IDOK);
    frame->SendMessage(WM_COMMAND, ID_IMPORT_EXCEL_DB_INTERFACE);
    CFileDialog::SetHook(nullptr);
    CBaseView* view = app.GetActiveBaseView();
    ASSERT_NE(view, nullptr);
    CObList* objects = view->GetDocument()->GetObjectList();
    ASSERT_EQ(objects->GetCount(), 1);
    const auto* file = dynamic_cast<CFileComp*>(objects->GetHead());
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(file->GetFileName(), CString("customer"));
    EXPECT_EQ(file->GetDataCount(), 1);
    EXPECT_EQ(script.Texts().back(), "ｲﾝﾎﾟｰﾄが完了しました。");
    // The update imports now have a drawing with a conceptual file to work on.
    EXPECT_TRUE(IsEnabled(frame, ID_IMPORT_EXCEL_CONCEPT_UPDATE));
    EXPECT_TRUE(IsEnabled(frame, ID_IMPORT_EXCEL_PHYSICAL_UPDATE));
    view->GetDocument()->SetModifiedFlag(FALSE);
    CloseAndExit(app);
}

TEST_F(StartUp, ClosingTheLastDocumentFromItsOwnMenuKeepsThatMenuAlive)
{
    // Closing the last document swaps the menu bar while the file menu is still inside the key
    // press that chose the item, and a command may run the event loop before it returns (an
    // import's progress does): the menu it runs in must outlive all of that.
    TestZivraApp app;
    ASSERT_TRUE(app.InitInstance());
    CMainFrame* frame = app.GetMainFrame();
    frame->SendMessage(WM_COMMAND, ID_FILE_NEW);
    ASSERT_NE(frame->GetActiveDocument(), nullptr);
    QMenu* fileMenu = frame->GetMainWindowWidget()->menuBar()->actions().front()->menu();
    ASSERT_NE(fileMenu, nullptr);
    QAction* close = nullptr;
    for (QAction* action : fileMenu->actions())
        if (action->data().toUInt() == ID_FILE_CLOSE)
            close = action;
    ASSERT_NE(close, nullptr);
    fileMenu->popup(QPoint(10, 10));
    const QPointer<QMenu> alive(fileMenu);
    QKeyEvent mnemonic(QEvent::KeyPress, Qt::Key_C, Qt::NoModifier, "c"); // 閉じる(&C)
    QCoreApplication::sendEvent(fileMenu, &mnemonic);
    EXPECT_EQ(frame->GetActiveDocument(), nullptr);
    EXPECT_FALSE(alive.isNull());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(alive.isNull());
    EXPECT_EQ(frame->GetMainWindowWidget()->menuBar()->actions().size(), 4); // the main window's menu again
    // A new document brings the same menus back, with their labels.
    frame->SendMessage(WM_COMMAND, ID_FILE_NEW);
    EXPECT_EQ(frame->GetMainWindowWidget()->menuBar()->actions().front()->menu(), fileMenu);
    EXPECT_EQ(close->text(), QStringLiteral(u"閉じる(&C)"));
    frame->GetActiveDocument()->SetModifiedFlag(FALSE);
    CloseAndExit(app);
}

TEST_F(StartUp, DocumentWindowsStayInsideTheAreaAtAUsefulSizeAndAreListedInTheWindowMenu)
{
    TestZivraApp app;
    ASSERT_TRUE(app.InitInstance());
    CMainFrame* frame = app.GetMainFrame();
    for (int i = 0; i < 12; ++i)
        frame->SendMessage(WM_COMMAND, ID_FILE_NEW);
    QMdiArea* area = frame->GetMdiArea();
    const QRect inside = area->viewport()->rect();
    const auto checkAll = [&](const char* when) {
        for (QMdiSubWindow* sub : area->subWindowList()) {
            EXPECT_TRUE(inside.contains(sub->geometry())) << when;
            EXPECT_GE(sub->width(), inside.width() / 2) << when;
            EXPECT_GE(sub->height(), inside.height() / 2) << when;
        }
    };
    checkAll("opened");
    area->subWindowList().front()->setGeometry(5, 5, 60, 40);
    frame->SendMessage(WM_COMMAND, ID_WINDOW_CASCADE);
    checkAll("cascaded");

    // The window menu lists nine of the twelve, numbered, and choosing one activates it.
    QMenu* windowMenu = nullptr;
    for (QAction* menu : frame->GetMainWindowWidget()->menuBar()->actions())
        if (menu->text() == QStringLiteral(u"ｳｨﾝﾄﾞｳ(&W)"))
            windowMenu = menu->menu();
    ASSERT_NE(windowMenu, nullptr);
    for (int shown = 0; shown < 2; ++shown) { // the list is rebuilt, never doubled
        emit windowMenu->aboutToShow();
        QStringList listed;
        for (QAction* action : windowMenu->actions())
            if (action->data().toUInt() >= AFX_IDM_FIRST_MDICHILD)
                listed << action->text() + (action->isChecked() ? QStringLiteral(" *") : QString());
        ASSERT_EQ(listed.size(), 9);
        EXPECT_EQ(listed.front(), QStringLiteral(u"&1 Zivra1"));
        EXPECT_EQ(listed.back(), QStringLiteral(u"&9 Zivra9"));
    }
    frame->SendMessage(WM_COMMAND, AFX_IDM_FIRST_MDICHILD + 1);
    EXPECT_EQ(Utf8(frame->GetActiveDocument()->GetTitle()), "Zivra2");
    emit windowMenu->aboutToShow();
    for (QAction* action : windowMenu->actions()) {
        if (action->data().toUInt() >= AFX_IDM_FIRST_MDICHILD) {
            EXPECT_EQ(action->isChecked(), action->data().toUInt() == AFX_IDM_FIRST_MDICHILD + 1);
        }
    }
    app.CloseAllDocuments(FALSE);
    CloseAndExit(app);
}

TEST_F(StartUp, ToolCommandsOfANewDrawingCheckOneToolAtATime)
{
    TestZivraApp app;
    ASSERT_TRUE(app.InitInstance());
    CMainFrame* frame = app.GetMainFrame();
    frame->SendMessage(WM_COMMAND, ID_FILE_NEW);
    ASSERT_NE(app.GetActiveBaseView(), nullptr);
    // Whichever tools the drawing allows, choosing one checks it and no other.
    std::vector<UINT> allowed;
    for (UINT id = CMainFrame::kFirstTool; id <= CMainFrame::kLastTool; ++id)
        if (IsEnabled(frame, id))
            allowed.push_back(id);
    ASSERT_GE(allowed.size(), 2u);
    for (UINT tool : {allowed.back(), allowed.front()}) {
        frame->SendMessage(WM_COMMAND, tool);
        EXPECT_EQ(frame->GetCurrentTool(), tool);
        for (UINT id = CMainFrame::kFirstTool; id <= CMainFrame::kLastTool; ++id) {
            CCmdUI state;
            state.m_nID = id;
            state.DoUpdate(frame, TRUE);
            EXPECT_EQ(state.GetCheck(), id == tool ? 1 : 0) << tool << " " << id;
        }
    }
    CloseAndExit(app);
}

TEST_F(StartUp, ServerAndDdeSwitchesStartAPlainEditorWithoutSplash)
{
    for (const char* serverSwitch : {"-Embedding", "/Automation", "/dde"}) {
        TestZivraApp app({serverSwitch});
        ASSERT_TRUE(app.InitInstance()) << serverSwitch;
        EXPECT_TRUE(app.GetMainFrame()->IsWindowVisible()) << serverSwitch;
        EXPECT_EQ(CSplashWnd::GetShown(), nullptr) << serverSwitch;
        CloseAndExit(app);
    }
}

TEST_F(StartUp, AFileThatCannotBeOpenedIsReportedInFrontOfTheEditorWhichStays)
{
    QFile empty(m_data.filePath("empty.zvr"));
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    empty.close();
    QFile garbage(m_data.filePath("garbage.zvr"));
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
    garbage.write(QByteArray(600, 'x'));
    garbage.close();
    for (const char* name : {"missing.zvr", "", "empty.zvr", "garbage.zvr"}) {
        MessageScript script;
        TestZivraApp app({CString(QFile::encodeName(m_data.filePath(name)).constData())});
        ASSERT_TRUE(app.InitInstance()) << name;
        EXPECT_FALSE(script.Messages().empty()) << name;
        ASSERT_NE(app.GetMainFrame(), nullptr) << name;
        EXPECT_TRUE(app.GetMainFrame()->IsWindowVisible()) << name;
        EXPECT_EQ(app.GetMainFrame()->GetActiveDocument(), nullptr) << name;
        CloseAndExit(app);
    }
}

TEST_F(StartUp, PrintSwitchesPrintTheFileWithoutAWindowAndTellThroughTheExitCode)
{
    const QString file = m_data.filePath("print.zvr");
    {
        TestZivraApp app;
        ASSERT_TRUE(app.InitInstance());
        app.GetMainFrame()->SendMessage(WM_COMMAND, ID_FILE_NEW);
        CDocument* doc = app.GetMainFrame()->GetActiveDocument();
        ASSERT_NE(doc, nullptr);
        ASSERT_TRUE(doc->OnSaveDocument(QFile::encodeName(file).constData()));
        CloseAndExit(app);
    }
    Profile::WriteProfileString("Settings", nullptr, nullptr);
    const CString path(QFile::encodeName(file).constData());
    const QString toDefault = m_data.filePath("default.pdf");
    const QString toNamed = m_data.filePath("named.pdf");
    struct Case
    {
        std::vector<CString> args;
        bool hasPrinter;
        int exitCode;
        const char* message; // null: none
        QString output;      // the PDF the job writes, if any
    };
    const Case cases[] = {
        {{"/p", path}, true, 0, nullptr, toDefault},
        {{"/pt", path, CString(QFile::encodeName(toNamed).constData())}, false, 0, nullptr, toNamed},
        {{"/p", path}, false, 1, "印刷できるプリンタがありません。", {}},
        {{"/pt", path, "no-such-printer"}, true, 1, "印刷できるプリンタがありません。", {}},
    };
    for (const Case& c : cases) {
        const std::string name = c.args[0].GetString();
        MessageScript script;
        TestZivraApp app(c.args, c.hasPrinter, toDefault);
        EXPECT_EQ(app.Run(), c.exitCode) << name;
        EXPECT_EQ(script.Texts(), c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{}) << name;
        if (!c.output.isEmpty()) {
            EXPECT_TRUE(QFile::exists(c.output)) << name;
            QFile::remove(c.output);
        }
        EXPECT_FALSE(Profile::HasProfileEntry("Settings", "MainFramePos")) << name; // never shown
    }
}

TEST_F(StartUp, RegisterAndUnregisterAddAndRemoveTheDesktopEntryTheIconAndTheMimeType)
{
    {
        TestZivraApp app({"--register"});
        EXPECT_EQ(app.Run(), 0);
    }
    const QStringList ours{"/applications/zivra.desktop", "/icons/hicolor/64x64/apps/zivra.png",
                           "/mime/packages/zivra.xml"};
    const QStringList registered = StartUpTestImpl::FilesUnder(m_data.path());
    for (const QString& file : ours)
        EXPECT_TRUE(registered.contains(file)) << file.toStdString();
    if (!QStandardPaths::findExecutable("update-mime-database").isEmpty()) {
        EXPECT_TRUE(registered.contains("/mime/mime.cache")); // the desktop's cache was refreshed
    }
    QFile desktop(ShellRegistration::DesktopEntryPath());
    ASSERT_TRUE(desktop.open(QIODevice::ReadOnly));
    const QByteArray entry = desktop.readAll();
    EXPECT_TRUE(entry.contains("MimeType=application/x-zivra;"));
    EXPECT_TRUE(entry.contains("Exec=\"" + QFile::encodeName(QCoreApplication::applicationFilePath()) + "\" %f"));
    EXPECT_TRUE(entry.contains("Icon=zivra\n"));
    EXPECT_TRUE(entry.contains(QStringLiteral("Comment[ja]=構造図エディタ\n").toUtf8()));
    EXPECT_FALSE(QImage(ShellRegistration::IconPath()).isNull());
    QFile mime(ShellRegistration::MimeTypePath());
    ASSERT_TRUE(mime.open(QIODevice::ReadOnly));
    const QByteArray info = mime.readAll();
    EXPECT_TRUE(info.contains("<glob pattern=\"*.zvr\"/>"));
    EXPECT_FALSE(info.contains("<magic")); // the compound-file signature is every OLE2 file's

    {
        TestZivraApp app({"/Unregserver"});
        EXPECT_EQ(app.Run(), 0);
    }
    for (const QString& file : StartUpTestImpl::FilesUnder(m_data.path()))
        EXPECT_FALSE(ours.contains(file)) << file.toStdString();
}

TEST_F(StartUp, TheRunningInstanceTakesCommandsUpToTheLengthLimit)
{
    TestZivraApp app;
    ASSERT_TRUE(app.InitInstance());
    MessageScript script; // an accepted request goes on to open its (missing) file
    std::atomic<int> done{0};
    bool shortAcked = false, longAcked = true;
    std::thread client([&] {
        const SingleInstance channel;
        shortAcked = channel.Send(QStringLiteral("[open(\"%1\")]").arg(QString(500, 'a')));
        longAcked = channel.Send(QStringLiteral("[open(\"%1\")]").arg(QString(510, 'a'))); // 520 characters
        done = 1;
    });
    while (!done)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    client.join();
    EXPECT_TRUE(shortAcked);
    EXPECT_FALSE(longAcked);
    QCoreApplication::processEvents();
    CloseAndExit(app);
}

TEST_F(StartUp, ASecondStartWithAFileHandsItToTheRunningInstance)
{
    std::atomic<bool> listening{false};
    std::atomic<bool> stop{false};
    QString received;
    // The running instance listens in a thread of its own, with an event loop.
    std::unique_ptr<QThread> running(QThread::create([&] {
        SingleInstance instance;
        listening = instance.Listen([&](const QString& command) {
            received = command;
            stop = true;
            return true;
        });
        QEventLoop loop;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
            if (stop)
                loop.quit();
        });
        poll.start(5);
        if (listening)
            loop.exec();
        else
            stop = true;
    }));
    running->start();
    while (!listening && !stop)
        std::this_thread::yield();

    const QString file = m_data.filePath("diagram.zvr");
    TestZivraApp second({CString(QFile::encodeName(file).constData())});
    EXPECT_EQ(second.Run(), 0);
    EXPECT_EQ(second.GetMainFrame(), nullptr);
    stop = true;
    running->wait();
    EXPECT_EQ(received, QStringLiteral("[open(\"%1\")]").arg(file));
}

TEST_F(StartUp, TheOwnOpenDialogStartsInTheRecentFolderUntilItFirstEndsWithOk)
{
    Profile::WriteProfileString("Recent File List", "File1", "/srv/diagrams/a.zvr");
    TestZivraApp app;
    ASSERT_TRUE(app.InitInstance());
    std::vector<CString> folders;
    int answer = IDCANCEL;
    CFileDialog::SetHook([&](CFileDialog& dialog) {
        folders.push_back(dialog.m_strInitialDir);
        EXPECT_EQ(dialog.m_dwFlags, OFN_FILEMUSTEXIST); // the read-only box shows
        EXPECT_EQ(Utf8(dialog.m_strTitle), "開く");
        EXPECT_EQ(dialog.m_nFilterIndex, 1);
        EXPECT_EQ(dialog.m_strDefExt, "zvr");
        EXPECT_EQ(dialog.m_filters.size(), 2u);
        if (dialog.m_filters.size() == 2) {
            EXPECT_EQ(Utf8(dialog.m_filters[0].first), "Zivra ﾌｧｲﾙ (*.zvr)");
            EXPECT_EQ(dialog.m_filters[0].second, "*.zvr");
            EXPECT_EQ(Utf8(dialog.m_filters[1].first), "すべてのファイル (*.*)");
        }
        dialog.m_strFileName = "/nowhere/b.zvr";
        dialog.m_dwFlags |= OFN_READONLY;
        return answer;
    });
    MessageScript script;
    app.GetMainFrame()->SendMessage(WM_COMMAND, ID_FILE_OPEN);
    answer = IDOK;
    app.GetMainFrame()->SendMessage(WM_COMMAND,
                                    ID_FILE_OPEN); // the open fails with a message; the dialog counts as used
    EXPECT_FALSE(app.GetOpenReadOnlyRequest());    // never left for a later open
    app.GetMainFrame()->SendMessage(WM_COMMAND, ID_FILE_OPEN);
    CFileDialog::SetHook(nullptr);
    EXPECT_EQ(folders, (std::vector<CString>{"/srv/diagrams", "/srv/diagrams", ""}));

    CString name;
    BOOL readOnly = FALSE;
    CFileDialog::SetHook([](CFileDialog& dialog) {
        dialog.m_dwFlags |= OFN_READONLY;
        return IDOK;
    });
    EXPECT_TRUE(app.PromptFileName(name, AFX_IDS_OPENFILE, OFN_FILEMUSTEXIST, TRUE, nullptr, &readOnly));
    EXPECT_TRUE(readOnly);
    CFileDialog::SetHook(nullptr);
    CloseAndExit(app);
}

TEST(PaperSetting, PaperIdsSetSizeAndOrientation)
{
    const struct
    {
        WORD id;
        QPageSize::PageSizeId size;
        QPageLayout::Orientation orientation;
    } cases[] = {
        // clang-format off
        {1, QPageSize::A4, QPageLayout::Portrait},     {2, QPageSize::A4, QPageLayout::Landscape},
        {3, QPageSize::A3, QPageLayout::Portrait},     {4, QPageSize::A3, QPageLayout::Landscape},
        {5, QPageSize::JisB5, QPageLayout::Portrait},  {6, QPageSize::JisB5, QPageLayout::Landscape},
        {7, QPageSize::JisB4, QPageLayout::Portrait},  {8, QPageSize::JisB4, QPageLayout::Landscape},
        {0, QPageSize::Letter, QPageLayout::Portrait}, {9, QPageSize::Letter, QPageLayout::Portrait},
        // clang-format on
    };
    for (const auto& c : cases) {
        TestZivraApp app; // a fresh Letter portrait printer each time
        EXPECT_TRUE(app.ApplyPaperSetting(c.id));
        const QPageLayout layout = app.GetPrinter()->pageLayout();
        EXPECT_EQ(layout.pageSize().id(), c.size) << c.id;
        EXPECT_EQ(layout.orientation(), c.orientation) << c.id;
    }
    TestZivraApp noPrinter({}, false);
    EXPECT_FALSE(noPrinter.ApplyPaperSetting(1));
}
