#include "app/TfrmMain.h"

#include "app/DocumentMenus.h"
#include "app/ProgramPicture.h"
#include "app/UserPrompts.h"
#include "core/AnswerFile.h"
#include "core/FileError.h"
#include "core/SettingsFile.h"
#include "core/TAnswer.h"
#include "dialogs/TfrmAboutDlg.h"
#include "dialogs/TfrmGlobalsDlg.h"
#include "dialogs/TfrmProgress.h"
#include "dialogs/TfrmSelectedForms.h"
#include "dialogs/TfrmWindowScale.h"
#include "platform/DocumentLauncher.h"
#include "platform/WordProcessor.h"
#include "rules/DocumentPages.h"
#include "rules/TransferGlobals.h"
#include "screens/DialogDispatch.h"
#include "screens/ScreenBinding.h"
#include "screens/ScreenControl.h"
#include "screens/ScreenControls.h"
#include "screens/ScreenEventFilter.h"
#include "screens/ScreenLoader.h"
#include "template/DocumentAssembly.h"
#include "template/DocumentWriter.h"
#include "template/TemplateFile.h"
#include "template/TemplateRepair.h"
#include "text/EditFormats.h"
#include "text/Messages.h"
#include "text/ShortDate.h"
#include "text/Wording.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGraphicsOpacityEffect>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPauseAnimation>
#include <QPlainTextEdit>
#include <QPropertyAnimation>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSequentialAnimationGroup>
#include <QStyle>
#include <QToolBar>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

#include <exception>

namespace scrivix {

namespace {

const QString kUntitled = QStringLiteral("Untitled.scx");
constexpr int kMaxRecentFiles = 9;
constexpr int kPageRole = Qt::UserRole;
constexpr int kNoPage = -1;
constexpr int kPreviewPrint = -2;

// How the window fits the screen, by the screen's width.
struct ScreenFit
{
    int minWidth;
    int treeWidth; // -1: as designed
    bool scaleTree;
    int windowWidth;
    double zoom;
};
constexpr ScreenFit kScreenFits[] = {
    {10000, -1, false, 800, 1.0},
    {1920, 400, false, 1435, 1.0},
    {1400, 376, false, 1400, 1.0},
    {1366, 330, false, 1366, 1.0},
    {1280, 244, true, 1280, 1.0},
    {1176, 140, true, 1100, 1.0},
    {1152, 116, true, 1100, 1.0},
    {1024, 0, true, 1024, 1.0},
    {0, 0, false, 800, 0.9},
};
constexpr int kDesignedTreeWidth = 300;

QIcon themeIcon(const char* name, QStyle::StandardPixmap fallback)
{
    return QIcon::fromTheme(QLatin1String(name), QApplication::style()->standardIcon(fallback));
}

} // namespace

TfrmMain::TfrmMain(const Folders& folders, UserPrompts* prompts, DocumentLauncher* launcher, QWidget* parent)
    : QMainWindow(parent), m_folders(folders), m_prompts(prompts), m_launcher(launcher),
      m_wordSearchRoots(WordProcessor::searchRoots())
{
    if (!m_prompts) {
        m_ownPrompts = std::make_unique<DialogPrompts>();
        m_prompts = m_ownPrompts.get();
    }
    if (!m_launcher) {
        m_ownLauncher = std::make_unique<DesktopLauncher>();
        m_launcher = m_ownLauncher.get();
    }
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Scrivix"));
    resize(800, 636);
    buildWindow();
    qApp->installEventFilter(this);
    FormCreate();
}

TfrmMain::~TfrmMain()
{
    qApp->removeEventFilter(this);
    if (m_screenEvents)
        m_screenEvents->setEnabled(false);
    if (m_store)
        m_store->setScreen(nullptr);
}

// ---------------------------------------------------------------------------
// Building the window

void TfrmMain::buildWindow()
{
    buildMenus();
    buildToolBars();
    buildPopup();

    auto* central = new QWidget(this);
    auto* layout = new QHBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_treePanel = new QWidget(central);
    m_treePanel->setObjectName(QStringLiteral("pnlTreeView"));
    auto* treeLayout = new QVBoxLayout(m_treePanel);
    treeLayout->setContentsMargins(0, 0, 0, 0);
    m_tree = new QTreeWidget(m_treePanel);
    m_tree->setObjectName(QStringLiteral("TreeView1"));
    treeLayout->addWidget(m_tree);
    m_treePanel->setFixedWidth(kDesignedTreeWidth);
    buildTree();

    m_scroll = new QScrollArea(central);
    m_scroll->setObjectName(QStringLiteral("VertScrollBox1"));
    m_scroll->setWidgetResizable(true);
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_panel = new QWidget;
    m_panel->setObjectName(QStringLiteral("pnlMainForm"));
    m_panel->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_panel, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        m_popup->popup(m_panel->mapToGlobal(pos));
    });
    auto* panelLayout = new QVBoxLayout(m_panel);
    panelLayout->setContentsMargins(16, 12, 16, 12);
    m_picture = new QLabel(m_panel);
    m_picture->setObjectName(QStringLiteral("Image1"));
    m_picture->setAlignment(Qt::AlignCenter);
    panelLayout->addWidget(m_picture, 1, Qt::AlignCenter);
    m_scroll->setWidget(m_panel);

    layout->addWidget(m_treePanel);
    layout->addWidget(m_scroll, 1);
    setCentralWidget(central);

    auto* effect = new QGraphicsOpacityEffect(m_panel);
    effect->setOpacity(1.0);
    effect->setEnabled(false);
    m_panel->setGraphicsEffect(effect);
    m_fadeIn = new QSequentialAnimationGroup(this);
    m_fadeIn->addPause(250);
    auto* fade = new QPropertyAnimation(effect, "opacity", m_fadeIn);
    fade->setStartValue(0.0);
    fade->setEndValue(1.0);
    fade->setDuration(1750);
    m_fadeIn->addAnimation(fade);
    connect(m_fadeIn, &QAbstractAnimation::finished, effect, [effect] { effect->setEnabled(false); });

    m_screenEvents = new ScreenEventFilter(*this, this);
}

QAction*
TfrmMain::addAction(QMenu* menu, const QString& text, const QKeySequence& shortcut, void (TfrmMain::*slot)())
{
    QAction* action = menu->addAction(text);
    action->setShortcut(shortcut);
    if (slot)
        connect(
            action, &QAction::triggered, this, [this, slot] { guarded([this, slot] { (this->*slot)(); }); });
    else
        action->setEnabled(false); // the command comes with its own dialogs
    return action;
}

void TfrmMain::buildMenus()
{
    m_fileMenu = menuBar()->addMenu(QStringLiteral("&File"));
    addAction(m_fileMenu, QStringLiteral("New"), QKeySequence(Qt::CTRL | Qt::Key_N), &TfrmMain::NewClick)
        ->setObjectName(QStringLiteral("actNew"));
    addAction(m_fileMenu, QStringLiteral("Open"), QKeySequence(Qt::CTRL | Qt::Key_O), &TfrmMain::OpenClick)
        ->setObjectName(QStringLiteral("actOpen"));
    m_fileMenu->addSeparator();
    addAction(m_fileMenu, QStringLiteral("Save"), QKeySequence(Qt::CTRL | Qt::Key_S), &TfrmMain::SaveFile)
        ->setObjectName(QStringLiteral("actSave"));
    addAction(m_fileMenu, QStringLiteral("Save As"), {}, &TfrmMain::SaveAsClick)
        ->setObjectName(QStringLiteral("actSaveAs"));
    m_fileMenu->addSeparator();
    addAction(
        m_fileMenu, QStringLiteral("Print"), QKeySequence(Qt::CTRL | Qt::Key_P), &TfrmMain::PreviewPrint)
        ->setObjectName(QStringLiteral("actPrint"));
    m_fileMenu->addSeparator();
    QAction* exit = m_fileMenu->addAction(QStringLiteral("E&xit"), this, &QWidget::close);
    exit->setObjectName(QStringLiteral("actExit"));
    m_recentSeparator = m_fileMenu->addSeparator();
    for (int i = 0; i < kMaxRecentFiles; ++i) {
        QAction* entry = m_fileMenu->addAction(QString());
        entry->setObjectName(QStringLiteral("mnuRecent%1").arg(i));
        entry->setData(i);
        entry->setVisible(false);
        connect(entry, &QAction::triggered, this, [this, i] { guarded([this, i] { ReOpenClick(i); }); });
        m_recentEntries.append(entry);
    }

    QMenu* display = menuBar()->addMenu(QStringLiteral("&Display"));
    display->setObjectName(QStringLiteral("mnuDisplay"));
    for (const DocumentCategory& category : DocumentMenus::displayMenu()) {
        QMenu* submenu = display->addMenu(QString::fromUtf8(category.text));
        for (const DocumentEntry& entry : category.entries) {
            QAction* action = submenu->addAction(QString::fromUtf8(entry.text));
            action->setData(entry.page);
            const int page = entry.page;
            connect(action, &QAction::triggered, this, [this, page] { DisplayAPage(page); });
        }
    }

    QMenu* options = menuBar()->addMenu(QStringLiteral("&Options"));
    options->setObjectName(QStringLiteral("mnuOptions"));
    m_mnuInsertUnderline = addAction(options,
                                     QStringLiteral("Insert Underline"),
                                     QKeySequence(Qt::CTRL | Qt::Key_L),
                                     &TfrmMain::InsertUnderlineClick);
    addAction(options,
              QStringLiteral("Insert Today"),
              QKeySequence(Qt::CTRL | Qt::Key_T),
              &TfrmMain::InsertTodayClick);
    options->addSeparator();
    m_mnuOverride = addAction(options,
                              QStringLiteral("&Override"),
                              QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_V),
                              &TfrmMain::OverrideCurrentField);
    m_mnuCancelOverride = addAction(options,
                                    QStringLiteral("&Cancel Override"),
                                    QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_U),
                                    &TfrmMain::OverrideCurrentField);
    m_mnuOverrideSeparator = options->addSeparator();
    addAction(options,
              QStringLiteral("Transfer Global Defaults"),
              QKeySequence(Qt::CTRL | Qt::Key_G),
              &TfrmMain::TransferGlobalsClick);
    addAction(options, QStringLiteral("Set Global Defaults"), {}, &TfrmMain::SetGlobalDefaults)
        ->setObjectName(QStringLiteral("mnuSetGlobalDefaults"));
    options->addSeparator();
    addAction(options, QStringLiteral("Modify Templates"), {}, &TfrmMain::ModifyTemplates)
        ->setObjectName(QStringLiteral("mnuModifyTemplates"));
    addAction(options, QStringLiteral("Check/Fix Template"), {}, &TfrmMain::mnuCheckTemplateClick);
    options->addSeparator();
    QMenu* locations = options->addMenu(QStringLiteral("Default File Locations"));
    const struct
    {
        const char* text;
        QKeySequence shortcut;
    } locationEntries[] = {
        {"&SCX File Location", QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_F1)},
        {"&Template File Location", QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_F2)},
        {"Temporary RTF", {}},
    };
    for (int which = 0; which < 3; ++which) {
        QAction* action = locations->addAction(QString::fromUtf8(locationEntries[which].text));
        action->setShortcut(locationEntries[which].shortcut);
        connect(action, &QAction::triggered, this, [this, which] {
            guarded([this, which] { DefaultFileLocation(which); });
        });
    }
    m_mnuGhostPrompts =
        addAction(options, QStringLiteral("Ghost Prompts"), {}, &TfrmMain::mnuGhostPromptsClick);
    m_mnuGhostPrompts->setCheckable(true);
    m_mnuShrinkFonts = addAction(options, QStringLiteral("Shrink Fonts"), {}, &TfrmMain::mnuShrinkFontsClick);
    m_mnuShrinkFonts->setCheckable(true);
    options->addSeparator();
    m_mnuForceWord = options->addAction(QStringLiteral("Force Word"));
    m_mnuForceWord->setCheckable(true);
    connect(m_mnuForceWord, &QAction::triggered, this, [this] {
        m_settings.forceWord = !m_settings.forceWord;
        UpdateMenuItems();
    });
    m_mnuForceWordPad = options->addAction(QStringLiteral("Force WordPad"));
    m_mnuForceWordPad->setCheckable(true);
    connect(m_mnuForceWordPad, &QAction::triggered, this, [this] {
        m_settings.forceWordPad = !m_settings.forceWordPad;
        UpdateMenuItems();
    });
    m_mnuFindWord = addAction(options, QStringLiteral("Find Word"), {}, &TfrmMain::FindWordClick);

    QMenu* window = menuBar()->addMenu(QStringLiteral("&Window"));
    QAction* minimize = window->addAction(QStringLiteral("Minimize"), this, &QWidget::showMinimized);
    minimize->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
    minimize->setObjectName(QStringLiteral("actMinimize"));
    window->addSeparator();
    addAction(window, QStringLiteral("Zoom"), {}, &TfrmMain::ZoomClick)
        ->setObjectName(QStringLiteral("actZoom"));

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    addAction(
        help, QStringLiteral("&Table of Contents"), QKeySequence(Qt::Key_F1), &TfrmMain::TableofContentsClick)
        ->setShortcutContext(Qt::ApplicationShortcut);
    addAction(help, QStringLiteral("&Manual"), {}, &TfrmMain::ManualClick);
    addAction(help, QStringLiteral("&About"), {}, &TfrmMain::AboutBoxClick);

    // Used as the sender when the program shows a page itself; never visible.
    auto* invisible = new QAction(QStringLiteral("mnuInvisible"), this);
    invisible->setObjectName(QStringLiteral("mnuInvisible"));
    invisible->setVisible(false);
}

void TfrmMain::buildToolBars()
{
    m_iconBar = addToolBar(QStringLiteral("Icons"));
    m_iconBar->setObjectName(QStringLiteral("pnlToolBar"));
    m_iconBar->setIconSize(QSize(28, 28));
    m_iconBar->setMovable(false);
    addToolBarBreak();
    m_labelBar = addToolBar(QStringLiteral("Commands"));
    m_labelBar->setObjectName(QStringLiteral("pnlCaptionButtonBar"));
    m_labelBar->setMovable(false);
    m_labelBar->setToolButtonStyle(Qt::ToolButtonTextOnly);

    const auto actionNamed = [this](const char* name) { return findChild<QAction*>(QLatin1String(name)); };
    struct Command
    {
        QString label;
        QIcon icon;
        std::function<void()> run;
        QAction* menuAction;
    };
    const QList<Command> commands = {
        {QStringLiteral("New"),
         themeIcon("document-new", QStyle::SP_FileIcon),
         nullptr,
         actionNamed("actNew")},
        {QStringLiteral("Open"),
         themeIcon("document-open", QStyle::SP_DialogOpenButton),
         nullptr,
         actionNamed("actOpen")},
        {QStringLiteral("Save"),
         themeIcon("document-save", QStyle::SP_DialogSaveButton),
         nullptr,
         actionNamed("actSave")},
        {QStringLiteral("Print"),
         themeIcon("document-print", QStyle::SP_FileDialogDetailedView),
         nullptr,
         actionNamed("actPrint")},
        {QStringLiteral("Modify Templates"),
         themeIcon("accessories-text-editor", QStyle::SP_FileDialogContentsView),
         nullptr,
         actionNamed("mnuModifyTemplates")},
        {QStringLiteral("Paste Globals"),
         themeIcon("edit-paste", QStyle::SP_ArrowDown),
         [this] { TransferGlobalsClick(); },
         nullptr},
    };
    for (const Command& command : commands) {
        for (QToolBar* bar : {m_iconBar, m_labelBar}) {
            QAction* action = bar->addAction(command.icon, command.label);
            action->setToolTip(command.label);
            if (command.menuAction) {
                action->setEnabled(command.menuAction->isEnabled());
                connect(action, &QAction::triggered, command.menuAction, &QAction::trigger);
            } else if (command.run) {
                const auto run = command.run;
                connect(action, &QAction::triggered, this, [this, run] { guarded(run); });
            } else {
                action->setEnabled(false);
            }
        }
    }
    const auto addOverrideButton = [this](QToolBar* bar, const QString& label, const QIcon& icon) {
        QAction* action = bar->addAction(icon, label);
        action->setVisible(false);
        connect(action, &QAction::triggered, this, [this] { guarded([this] { OverrideCurrentField(); }); });
        return action;
    };
    m_toolOverride = addOverrideButton(
        m_iconBar, QStringLiteral("Override"), themeIcon("document-edit", QStyle::SP_DialogApplyButton));
    m_toolCancelOverride = addOverrideButton(
        m_iconBar, QStringLiteral("Cancel Override"), themeIcon("edit-undo", QStyle::SP_DialogCancelButton));
    m_labelOverride = addOverrideButton(m_labelBar, QStringLiteral("Override"), {});
    m_labelCancelOverride = addOverrideButton(m_labelBar, QStringLiteral("Cancel Override"), {});
    // The override pictures pulse, so the preparer notices that the field in
    // focus can be overridden.
    for (QAction* action : {m_toolOverride, m_toolCancelOverride}) {
        QWidget* button = m_iconBar->widgetForAction(action);
        auto* opacity = new QGraphicsOpacityEffect(button);
        button->setGraphicsEffect(opacity);
        auto* pulse = new QPropertyAnimation(opacity, "opacity", button);
        pulse->setStartValue(0.0);
        pulse->setEndValue(1.0);
        pulse->setDuration(2000);
        pulse->setLoopCount(-1);
        connect(action, &QAction::visibleChanged, pulse, [pulse, action] {
            if (action->isVisible())
                pulse->start();
            else
                pulse->stop();
        });
    }
    for (QToolBar* bar : {m_iconBar, m_labelBar}) {
        QAction* refresh =
            bar->addAction(themeIcon("view-refresh", QStyle::SP_BrowserReload), QStringLiteral("Refresh"));
        connect(refresh, &QAction::triggered, this, [this] { guarded([this] { RefreshClick(); }); });
        QAction* exit = bar->addAction(themeIcon("application-exit", QStyle::SP_DialogCloseButton),
                                       QStringLiteral("Exit"));
        connect(exit, &QAction::triggered, this, &QWidget::close);
    }
    // Tool-bar buttons leave the current field its focus, as menus do.
    for (QToolBar* bar : {m_iconBar, m_labelBar}) {
        bar->setFocusPolicy(Qt::NoFocus);
        for (QWidget* button : bar->findChildren<QWidget*>())
            button->setFocusPolicy(Qt::NoFocus);
    }
}

void TfrmMain::buildPopup()
{
    m_popup = new QMenu(this);
    m_popup->setObjectName(QStringLiteral("popMain"));
    m_popInsertUnderline = m_popup->addAction(
        QStringLiteral("Insert Underline"), this, [this] { guarded([this] { InsertUnderlineClick(); }); });
    m_popInsertUnderlineSeparator = m_popup->addSeparator();
    m_popOverride = m_popup->addAction(
        QStringLiteral("Override"), this, [this] { guarded([this] { OverrideCurrentField(); }); });
    m_popOverride->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    m_popCancelOverride = m_popup->addAction(
        QStringLiteral("Cancel Override"), this, [this] { guarded([this] { OverrideCurrentField(); }); });
    m_popCancelOverride->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_U));
    m_popOverrideSeparator = m_popup->addSeparator();
    m_popup->addAction(QStringLiteral("Expand Tree View"), this, &TfrmMain::ExpandTreeViewClick);
    m_popup->addAction(QStringLiteral("Collapse Tree View"), this, &TfrmMain::CollapseTreeViewClick);
    m_popup->addSeparator();
    for (const char* name : {"actNew", "actOpen", "actSave", "actSaveAs"})
        m_popup->addAction(findChild<QAction*>(QLatin1String(name)));
    m_popup->addSeparator();
    m_popup->addAction(
        QStringLiteral("Preview/Print"), this, [this] { guarded([this] { PreviewPrint(); }); });
}

void TfrmMain::buildTree()
{
    m_tree->setHeaderHidden(true);
    m_tree->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_tree, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        m_popup->popup(m_tree->viewport()->mapToGlobal(pos));
    });
    QFont font = m_tree->font();
    font.setPixelSize(17);
    m_tree->setFont(font);

    m_treeRoot = new QTreeWidgetItem(m_tree, {QStringLiteral("Choose A Document")});
    m_treeRoot->setData(0, kPageRole, kNoPage);
    for (const DocumentCategory& category : DocumentMenus::tree()) {
        auto* categoryItem = new QTreeWidgetItem(m_treeRoot, {QString::fromUtf8(category.text)});
        categoryItem->setData(0, kPageRole, kNoPage);
        for (const DocumentEntry& entry : category.entries) {
            auto* item = new QTreeWidgetItem(categoryItem, {QString::fromUtf8(entry.text)});
            item->setData(0, kPageRole, entry.page);
        }
    }
    auto* preview = new QTreeWidgetItem(m_treeRoot, {QStringLiteral("Preview & Print")});
    preview->setData(0, kPageRole, kPreviewPrint);
    connect(
        m_tree, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) { treeItemClicked(item); });
    connect(
        m_tree, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) { treeItemClicked(item); });
}

// ---------------------------------------------------------------------------
// Start-up and shut-down

void TfrmMain::FormCreate()
{
    try {
        m_store = std::make_unique<TAnswer>();
        m_store->setScreen(this);
        m_settings.clientFilesFolder = m_folders.clientFiles;
        m_settings.tempFolder = m_folders.temp;
        m_settings.templatesFolder = m_folders.templates;
        m_wordPresent = WordProcessor::WordInstalled();
        SettingsFile::readOrCreate(m_folders.settingsFile(), m_settings);
        // From here on the settings hold the user's folders.
        Folders prepared = m_folders;
        prepared.clientFiles = m_settings.clientFilesFolder;
        prepared.temp = m_settings.tempFolder;
        Folders::prepare(prepared);
        m_currentPageNo = kNoPage;
        m_zoom = 1.0;
        m_currentFile = kUntitled;
        readDefaultAnswers();
    } catch (const std::exception&) {
        ShowNumberedMessage(16040);
    }
    setWindowTitle(QFileInfo(m_currentFile).fileName());
}

void TfrmMain::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        FormShow();
    }
}

void TfrmMain::FormShow()
{
    try {
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        const int width = screen.width();
        const int height = screen.height() - int(screen.height() * 0.075);
        const ScreenFit* fit = &kScreenFits[std::size(kScreenFits) - 1];
        for (const ScreenFit& candidate : kScreenFits) {
            if (width >= candidate.minWidth) {
                fit = &candidate;
                break;
            }
        }
        if (fit->treeWidth >= 0)
            m_treePanel->setFixedWidth(fit->treeWidth);
        m_treePanel->setVisible(fit->treeWidth != 0);
        if (fit->scaleTree) {
            QFont font = m_tree->font();
            font.setPixelSize(12);
            m_tree->setFont(font);
        }
        resize(fit->windowWidth, height);
        move(screen.left() + (width - fit->windowWidth) / 2, screen.top());
        m_zoom = fit->zoom;
        if (width < 1024) {
            ShowNumberedMessage(11080);
            showMinimized();
        }
        m_tree->expandItem(m_treeRoot);
        m_treeRoot->setSelected(true);
        fillRecentFiles();
        const int pictureWidth = std::max(300, m_scroll->viewport()->width() - 50);
        m_picture->setPixmap(programPicture(QSize(pictureWidth, pictureWidth / 2)));
        applyZoom();
        UpdateMenuItems();
    } catch (const std::exception&) {
        ShowNumberedMessage(16050);
    }
}

void TfrmMain::closeEvent(QCloseEvent* event)
{
    leaveCurrentField();
    if (m_modified) {
        switch (m_prompts->askSaveChanges(this)) {
        case QMessageBox::Cancel:
            event->ignore();
            return;
        case QMessageBox::Yes:
            SaveFile();
            if (m_modified) { // the save failed or was cancelled: nothing is lost
                event->ignore();
                return;
            }
            break;
        default:
            break;
        }
    }
    guarded([this] { SettingsFile::save(m_folders.settingsFile(), m_settings); });
    event->accept();
}

void TfrmMain::guarded(const std::function<void()>& command)
{
    try {
        command();
    } catch (const FileError& e) {
        ShowError(e.message());
    } catch (const std::exception& e) {
        ShowError(QString::fromLocal8Bit(e.what()));
    }
}

// ---------------------------------------------------------------------------
// Showing a page

void TfrmMain::treeItemClicked(QTreeWidgetItem* item)
{
    const int page = item->data(0, kPageRole).toInt();
    if (page >= 0)
        DisplayAPage(page);
    else if (page == kPreviewPrint)
        guarded([this] { PreviewPrint(); });
    else if (page == kNoPage)
        item->setExpanded(!item->isExpanded());
}

void TfrmMain::DisplayAPage(int pageNo)
{
    if (m_currentPageNo != kNoPage)
        Components2Answers();
    m_picture->hide();
    DisplayPage(pageNo);
    UpdateMenuItems();
}

void TfrmMain::DisplayPage(int pageNo)
{
    showWaitCursor();
    auto* effect = static_cast<QGraphicsOpacityEffect*>(m_panel->graphicsEffect());
    m_fadeIn->stop();
    effect->setEnabled(true);
    effect->setOpacity(0.0);
    m_currentPageNo = pageNo;
    const bool modified = m_modified;
    try {
        m_iconBar->setVisible(true);
        const int firstTag = ScreenControls::firstFocusTag(pageNo);
        ClearPage();
        m_scroll->verticalScrollBar()->setValue(0);
        m_scroll->horizontalScrollBar()->setValue(0);
        m_screen = ScreenLoader::load(ScreenLoader::path(m_folders.screens, pageNo), m_panel);
        m_panel->layout()->addWidget(m_screen);
        ScreenControls::DisplayControls(
            m_screen, *this, *m_screenEvents, {m_settings.ghostPrompts, m_settings.shrinkFonts}, *m_store);
        applyZoom();
        m_store->Calculate(m_currentPageNo, false);
        if (firstTag != 0)
            ScreenControls::FocusControlByTag(m_screen, firstTag);
    } catch (const std::exception&) {
        ShowNumberedMessage(16020);
    }
    setWindowTitle(QFileInfo(m_currentFile).fileName());
    m_tree->clearSelection();
    SelectPageTreeItem(pageNo);
    m_modified = modified;
    m_fadeIn->start();
    showDefaultCursor();
}

void TfrmMain::finishFadeIn()
{
    if (m_fadeIn->state() == QAbstractAnimation::Running)
        m_fadeIn->setCurrentTime(m_fadeIn->totalDuration());
    m_panel->graphicsEffect()->setEnabled(false);
}

void TfrmMain::ClearPage()
{
    m_screenEvents->setEnabled(false);
    m_currentField = nullptr;
    if (m_screen) {
        if (m_screen->isAncestorOf(QApplication::focusWidget()))
            m_panel->setFocus(Qt::OtherFocusReason);
        delete m_screen;
    }
    m_screenEvents->setEnabled(true);
}

void TfrmMain::SelectPageTreeItem(int pageNo)
{
    if (!DocumentMenus::selectsTreeItem(pageNo))
        return;
    for (QTreeWidgetItemIterator it(m_tree); *it; ++it) {
        if ((*it)->data(0, kPageRole).toInt() == pageNo) {
            m_tree->setCurrentItem(*it);
            (*it)->setSelected(true);
            return;
        }
    }
}

void TfrmMain::RefreshClick()
{
    if (m_currentPageNo == kNoPage)
        return;
    m_store->Calculate(m_currentPageNo, true);
    DisplayAPage(m_currentPageNo);
}

void TfrmMain::applyZoom()
{
    QFont font = QApplication::font();
    font.setPointSizeF(font.pointSizeF() * m_zoom);
    m_panel->setFont(font);
}

// ---------------------------------------------------------------------------
// The calculation cycle's view of the screen

void TfrmMain::Components2Answers()
{
    if (m_screen && m_currentPageNo != kNoPage)
        ScreenBinding::Components2Answers(m_screen, *m_store, m_currentPageNo);
}

void TfrmMain::Answer2Components()
{
    if (!m_screen || m_currentPageNo == kNoPage)
        return;
    const bool modified = m_modified;
    ScreenBinding::Answer2Components(m_screen, *m_store, m_currentPageNo);
    m_modified = modified;
}

void TfrmMain::showWaitCursor()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void TfrmMain::showDefaultCursor()
{
    QApplication::restoreOverrideCursor();
}

void TfrmMain::UpdateMenuItems()
{
    UpdateMenuItems(nullptr);
}

// The sender is the field whose override commands are offered; any other
// sender (a command, the calculation) offers none in the menus.
void TfrmMain::UpdateMenuItems(QObject* sender)
{
    SetOverride(sender);
    const bool pageShown = m_currentPageNo != kNoPage;
    m_mnuInsertUnderline->setVisible(pageShown);
    m_popInsertUnderline->setVisible(pageShown);
    m_popInsertUnderlineSeparator->setVisible(pageShown);
    m_mnuGhostPrompts->setChecked(m_settings.ghostPrompts);
    m_mnuShrinkFonts->setChecked(m_settings.shrinkFonts);
    m_mnuForceWord->setChecked(m_settings.forceWord);
    m_mnuForceWordPad->setChecked(m_settings.forceWordPad);
    m_mnuFindWord->setText(m_settings.wordPath.isEmpty() ? QStringLiteral("Find Word")
                                                         : QStringLiteral("Find Word: FOUND"));
    setWindowTitle(QFileInfo(m_currentFile).fileName());
}

// ---------------------------------------------------------------------------
// Field behaviours

void TfrmMain::SetOverride(QObject* sender)
{
    const auto showMenus = [this](bool override, bool cancel) {
        m_mnuOverride->setVisible(override);
        m_popOverride->setVisible(override);
        m_mnuCancelOverride->setVisible(cancel);
        m_popCancelOverride->setVisible(cancel);
    };
    const auto showButtons = [this](bool override, bool cancel) {
        m_toolOverride->setVisible(override);
        m_labelOverride->setVisible(override);
        m_toolCancelOverride->setVisible(cancel);
        m_labelCancelOverride->setVisible(cancel);
    };
    const ScreenControl::Kind kind = sender ? ScreenControl::kindOf(sender) : ScreenControl::Kind::Other;
    if (kind == ScreenControl::Kind::Edit) {
        if (ScreenControl::isCalculatedEdit(sender)) {
            const bool overridden = !static_cast<QLineEdit*>(sender)->isReadOnly();
            showMenus(!overridden, overridden);
            showButtons(!overridden, overridden);
        } else {
            showButtons(false, false);
        }
    } else if (kind == ScreenControl::Kind::CheckBox) {
        showButtons(false, false);
        if (ScreenControl::isCalculatedCheckBox(sender)) {
            const bool overridden =
                ScreenControl::style(sender) == QLatin1String(ScreenControl::CheckBoxOverridden);
            showMenus(!overridden, overridden);
            showButtons(!overridden, overridden);
        }
    } else {
        showMenus(false, false);
    }
    const bool offered = m_mnuOverride->isVisible() || m_mnuCancelOverride->isVisible();
    m_mnuOverrideSeparator->setVisible(offered);
    m_popOverrideSeparator->setVisible(offered);
}

void TfrmMain::CalcOnExit(QWidget* field)
{
    if (!m_store || m_calcGuard || m_currentPageNo == kNoPage)
        return;
    m_calcGuard = true;
    try {
        if (auto* edit = qobject_cast<QLineEdit*>(field)) {
            const QString text = EditFormats::onExit(ScreenControl::tag(edit) / 1000, edit->text());
            if (text != edit->text())
                edit->setText(text);
        }
        m_store->Calculate(m_currentPageNo, true);
        Components2Answers();
    } catch (const std::exception&) {
        ShowNumberedMessage(16030);
    }
    m_calcGuard = false;
}

void TfrmMain::ScrollOnEnter(QWidget* field)
{
    if (m_screen && m_screen->isAncestorOf(field)) {
        const int top = field->mapTo(m_panel, QPoint(0, 0)).y();
        const int offset = m_scroll->verticalScrollBar()->value();
        const int height = m_scroll->viewport()->height();
        if (top > offset + height || top < offset) {
            m_scroll->horizontalScrollBar()->setValue(0);
            scrollTo(top - height / 2);
        }
    }
    const ScreenControl::Kind kind = ScreenControl::kindOf(field);
    if (kind == ScreenControl::Kind::Edit || kind == ScreenControl::Kind::CheckBox)
        m_currentField = field;
    UpdateMenuItems(field);
}

void TfrmMain::scrollTo(int y)
{
    m_scroll->verticalScrollBar()->setValue(y);
}

void TfrmMain::ControlChange(QWidget*)
{
    if (!m_calcGuard)
        m_modified = true;
}

void TfrmMain::OverrideCurrentField()
{
    OverrideClick(m_currentField);
}

void TfrmMain::OverrideClick(QWidget* field)
{
    if (!field)
        return;
    int answerNo = 0;
    if (ScreenControl::isCalculatedEdit(field)) {
        auto* edit = static_cast<QLineEdit*>(field);
        const bool override = ScreenControl::style(edit) != QLatin1String(ScreenControl::EditOverridden);
        ScreenControl::setStyle(
            edit, QLatin1String(override ? ScreenControl::EditOverridden : ScreenControl::EditOverrideable));
        edit->setReadOnly(!override);
        answerNo = ScreenControl::tag(edit) % 1000;
    } else if (ScreenControl::isCalculatedCheckBox(field)) {
        const bool override = ScreenControl::style(field) != QLatin1String(ScreenControl::CheckBoxOverridden);
        ScreenControl::setStyle(field,
                                QLatin1String(override ? ScreenControl::CheckBoxOverridden
                                                       : ScreenControl::CheckBoxOverrideable));
        answerNo = ScreenControl::tag(field);
    } else {
        return;
    }
    const bool overridden = !m_store->ovRide(m_currentPageNo, answerNo);
    m_store->setOvRide(m_currentPageNo, answerNo, overridden);
    m_calcGuard = true;
    m_store->Calculate(m_currentPageNo, true);
    m_calcGuard = false;
    m_modified = true;
    UpdateMenuItems(field);
    field->setFocus(Qt::OtherFocusReason);
}

void TfrmMain::InsertTodayClick()
{
    if (auto* edit = qobject_cast<QLineEdit*>(m_currentField.data())) {
        edit->setText(ConvertDate(ShortDate::format(QDate::currentDate())));
        ControlChange(edit);
    }
}

void TfrmMain::InsertUnderlineClick()
{
    auto* edit = qobject_cast<QLineEdit*>(m_currentField.data());
    if (!edit)
        return;
    const QString text = edit->text();
    if (text.count(QLatin1Char('_')) == text.size()) {
        edit->setText(text + QStringLiteral("_____"));
        ControlChange(edit);
    }
}

void TfrmMain::mnuGhostPromptsClick()
{
    m_settings.ghostPrompts = !m_settings.ghostPrompts;
    RefreshClick();
    UpdateMenuItems();
}

void TfrmMain::mnuShrinkFontsClick()
{
    m_settings.shrinkFonts = !m_settings.shrinkFonts;
    UpdateMenuItems();
}

void TfrmMain::CalloutDispatch(QWidget* helpButton)
{
    auto* callout = helpButton->property("callout").value<QWidget*>();
    if (!callout) {
        const QString text = helpButton->property("HelpText").toString();
        if (text.isEmpty() || !m_screen)
            return;
        auto* frame = new QFrame(m_screen);
        frame->setObjectName(QStringLiteral("CalloutPanel"));
        frame->setProperty("StyleLookup", QStringLiteral("CALLOUTPANELSTYLE"));
        auto* layout = new QVBoxLayout(frame);
        auto* label = new QLabel(text, frame);
        label->setObjectName(QStringLiteral("CalloutLabel"));
        label->setWordWrap(true);
        layout->addWidget(label);
        frame->setFixedWidth(320);
        frame->adjustSize();
        frame->hide();
        callout = frame;
        helpButton->setProperty("callout", QVariant::fromValue<QWidget*>(frame));
    }
    const bool show = !callout->isVisible();
    if (show) {
        const QPoint below = helpButton->mapTo(m_screen, QPoint(helpButton->width(), helpButton->height()));
        callout->move(
            std::max(0, std::min(below.x() - callout->width(), m_screen->width() - callout->width())),
            below.y());
        callout->raise();
    }
    callout->setVisible(show);
}

void TfrmMain::DialogDispatch(QWidget* button)
{
    guarded([this, button] {
        const bool confirmed = scrivix::DialogDispatch::run(
            qobject_cast<QAbstractButton*>(button), *m_store, m_currentPageNo, this);
        // The page's rules see the new list, and the screen shows it.
        m_store->Calculate(m_currentPageNo, false);
        if (confirmed)
            m_modified = true;
    });
}

void TfrmMain::showPopup(QWidget* field, const QPoint& globalPos)
{
    SetOverride(field);
    m_popup->popup(globalPos);
}

bool TfrmMain::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        if (widget->window() == this && widget->hasFocus())
            return KeyDown(widget, static_cast<QKeyEvent*>(event));
    }
    return QMainWindow::eventFilter(watched, event);
}

bool TfrmMain::KeyDown(QWidget* target, QKeyEvent* event)
{
    const bool inMemo = qobject_cast<QPlainTextEdit*>(target) != nullptr;
    const int half = m_scroll->viewport()->height() / 2;
    QScrollBar* bar = m_scroll->verticalScrollBar();
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        // Enter moves to the next field, as Tab does; in a memo it starts a new line.
        if (inMemo || !m_panel->isAncestorOf(target))
            return false;
        QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
        QApplication::sendEvent(target, &tab);
        return true;
    }
    case Qt::Key_Home:
        if (!(event->modifiers() & Qt::ControlModifier) || inMemo)
            return false;
        bar->setValue(0);
        return true;
    case Qt::Key_End:
        if (!(event->modifiers() & Qt::ControlModifier) || inMemo)
            return false;
        bar->setValue(m_panel->height());
        return true;
    case Qt::Key_PageUp:
        if (inMemo)
            return false;
        bar->setValue(bar->value() - half);
        return true;
    case Qt::Key_PageDown:
        if (inMemo)
            return false;
        bar->setValue(bar->value() + half);
        return true;
    default:
        return false;
    }
}

// ---------------------------------------------------------------------------
// Commands

void TfrmMain::TransferGlobalsClick()
{
    TransferGlobals(*m_store, m_currentPageNo, m_settings.globals);
    Answer2Components();
    RefreshClick();
}

void TfrmMain::fillRecentFiles()
{
    while (m_settings.recentFiles.size() > kMaxRecentFiles)
        m_settings.recentFiles.removeLast();
    m_recentSeparator->setVisible(!m_settings.recentFiles.isEmpty());
    for (int i = 0; i < kMaxRecentFiles; ++i) {
        QAction* entry = m_recentEntries.at(i);
        entry->setVisible(i < m_settings.recentFiles.size());
        if (entry->isVisible())
            entry->setText(QFileInfo(m_settings.recentFiles.at(i)).fileName());
    }
}

void TfrmMain::DefaultFileLocation(int which)
{
    static const char* const titles[] = {"Select client answer file folder",
                                         "Select Template file folder",
                                         "Select temporary send to word processor folder"};
    QString* folders[] = {&m_settings.clientFilesFolder, &m_settings.templatesFolder, &m_settings.tempFolder};
    const QString chosen = m_prompts->chooseFolder(this, QString::fromUtf8(titles[which]), *folders[which]);
    if (chosen.isEmpty())
        return;
    *folders[which] = QDir::cleanPath(chosen);
}

void TfrmMain::ExpandTreeViewClick()
{
    m_tree->expandAll();
}

void TfrmMain::CollapseTreeViewClick()
{
    m_tree->collapseAll();
}

// ---------------------------------------------------------------------------
// Client files

// Leaves the field in focus, so what it holds is stored and calculated.
void TfrmMain::leaveCurrentField()
{
    QWidget* focused = QApplication::focusWidget();
    if (focused && m_screen && m_screen->isAncestorOf(focused))
        CalcOnExit(focused);
}

bool TfrmMain::askToSave()
{
    if (!m_modified)
        return true;
    switch (m_prompts->askSaveChanges(this)) {
    case QMessageBox::Cancel:
        return false;
    case QMessageBox::Yes:
        SaveFile();
        return !m_modified; // a failed or cancelled save keeps the client open
    default:
        return true;
    }
}

void TfrmMain::showStartPicture()
{
    m_currentPageNo = kNoPage;
    ClearPage();
    m_picture->show();
}

// A fresh client from the default answer file. Open and Re-open keep the
// screen cleared for the page they show next.
void TfrmMain::readDefaultAnswers()
{
    const QString defaultFile = QDir(m_settings.clientFilesFolder).filePath(QStringLiteral("default.scx"));
    if (QFileInfo::exists(defaultFile))
        AnswerFile::load(defaultFile, *m_store);
}

void TfrmMain::newClient(bool fromOpen)
{
    m_store = std::make_unique<TAnswer>();
    m_store->setScreen(this);
    readDefaultAnswers();
    m_currentFile = kUntitled;
    m_modified = false;
    if (fromOpen) {
        ClearPage();
        return;
    }
    showStartPicture();
    UpdateMenuItems();
}

void TfrmMain::NewClick()
{
    leaveCurrentField();
    if (!askToSave())
        return;
    newClient(false);
}

void TfrmMain::OpenClick()
{
    leaveCurrentField();
    if (!askToSave())
        return;
    const QString folder =
        m_settings.clientFilesFolder.isEmpty() ? m_folders.maker : m_settings.clientFilesFolder;
    const QString path = m_prompts->chooseOpenFile(this, folder);
    if (path.isEmpty())
        return;
    openClient(path);
}

void TfrmMain::ReOpenClick(int position)
{
    leaveCurrentField();
    if (position < 0 || position >= m_settings.recentFiles.size())
        return;
    const QString path = m_settings.recentFiles.at(position);
    if (m_modified) {
        Components2Answers();
        if (!askToSave())
            return;
    }
    openClient(path);
}

// Reads a client into a fresh store and shows the page that was on screen
// when it was saved. A file that cannot be read leaves a new, empty client.
void TfrmMain::openClient(const QString& path)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    newClient(true);
    m_currentFile = path;
    try {
        AnswerFile::load(path, *m_store);
    } catch (const FileError&) {
        QApplication::restoreOverrideCursor();
        newClient(false);
        throw;
    }
    m_modified = false;
    if (!updateRecentFiles(path))
        m_settings.recentFiles.prepend(path);
    fillRecentFiles();
    if (QFileInfo(path).fileName().toUpper() == QLatin1String("DEFAULT.SCX")) {
        showStartPicture();
    } else {
        m_currentPageNo = m_store->LastDocNo;
        if (m_currentPageNo != kNoPage)
            DisplayAPage(m_currentPageNo);
        else
            showStartPicture();
    }
    m_store->Calculate(m_currentPageNo, false);
    UpdateMenuItems();
    QApplication::restoreOverrideCursor();
}

// Moves a path already in the list to the front; false when it is not there.
bool TfrmMain::updateRecentFiles(const QString& path)
{
    if (QFileInfo(path).fileName().toUpper() == QLatin1String("UNTITLED.SCX"))
        return true;
    for (int i = 0; i < m_settings.recentFiles.size(); ++i) {
        if (m_settings.recentFiles.at(i).compare(path, Qt::CaseInsensitive) == 0) {
            m_settings.recentFiles.move(i, 0);
            return true;
        }
    }
    return false;
}

void TfrmMain::SaveFile()
{
    Components2Answers();
    if (QFileInfo(m_currentFile).fileName().toUpper() == QLatin1String("UNTITLED.SCX")) {
        SaveAsClick();
        return;
    }
    // Characters the answer file cannot hold would be saved as "?": say which first.
    const QList<AnswerFile::Position> lossy = AnswerFile::unencodableAnswers(*m_store);
    if (!lossy.isEmpty()) {
        QStringList details;
        for (const AnswerFile::Position& at : lossy) {
            const DocumentPage* page = documentPage(at.pageNo);
            details.append(
                QStringLiteral("%1, answer %2: %3")
                    .arg(page ? QString::fromUtf8(page->name) : QStringLiteral("Page %1").arg(at.pageNo))
                    .arg(at.answerNo)
                    .arg(m_store->text(at.pageNo, at.answerNo)));
        }
        if (!m_prompts->confirmLossySave(this, details.join(QLatin1Char('\n'))))
            return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        AnswerFile::save(m_currentFile, *m_store, m_currentPageNo);
    } catch (const FileError& e) {
        QApplication::restoreOverrideCursor();
        ShowError(e.message());
        return;
    }
    QApplication::restoreOverrideCursor();
    m_modified = false;
    UpdateMenuItems();
}

void TfrmMain::SaveAsClick()
{
    leaveCurrentField();
    const bool untitled = QFileInfo(m_currentFile).fileName().toUpper() == QLatin1String("UNTITLED.SCX");
    const QString suggestion =
        untitled && !m_store->text(1, 9).isEmpty() ? m_store->text(1, 9) + QStringLiteral(".scx") : QString();
    QString path = m_prompts->chooseSaveFile(this, m_settings.clientFilesFolder, suggestion);
    if (!path.isEmpty()) {
        if (!path.right(3).toUpper().endsWith(QLatin1String("SCX"))) {
            ShowNumberedMessage(11010);
            // "Smith.doc" becomes "Smith.scx"; a name with a full stop of its
            // own ("Smith, Robert A. estate") keeps all its words.
            const QString name = QFileInfo(path).fileName();
            const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
            const QString extension = dot >= 0 ? name.mid(dot + 1) : QString();
            static const QRegularExpression looksLikeExtension(QStringLiteral("^[A-Za-z0-9]{1,4}$"));
            const QString stem = looksLikeExtension.match(extension).hasMatch() ? name.left(dot) : name;
            path = QFileInfo(path).dir().filePath(stem + QStringLiteral(".scx"));
        }
        if (!updateRecentFiles(path)) {
            m_settings.recentFiles.prepend(path);
            fillRecentFiles();
        }
        m_currentFile = path;
        SaveFile();
    }
    UpdateMenuItems();
}

void TfrmMain::DuplicateClick()
{
    m_currentFile = kUntitled;
    if (m_currentPageNo != kNoPage)
        DisplayPage(m_currentPageNo);
    UpdateMenuItems();
}

// ---------------------------------------------------------------------------
// Documents and templates

std::optional<int> TfrmMain::selectForm(int mode)
{
    if (m_settings.forceWord && !m_wordPresent)
        ShowNumberedMessage(11500);
    TfrmSelectedForms dialog(TfrmSelectedForms::Mode(mode), m_currentPageNo, m_selectedForm, this);
    if (m_prompts->exec(dialog) != QDialog::Accepted)
        return std::nullopt;
    m_selectedForm = dialog.selectedPage();
    return m_selectedForm;
}

bool TfrmMain::launch(const QString& folder, const QString& file)
{
    if (WordProcessor::LaunchWordProcessor(*m_launcher, m_settings, m_wordPresent, folder, file))
        return true;
    ShowNumberedMessage(11500);
    return false;
}

void TfrmMain::PreviewPrint()
{
    if (m_currentPageNo == kNoPage) {
        const std::optional<int> page = selectForm(TfrmSelectedForms::PreviewPrint);
        if (!page)
            return;
        m_currentPageNo = *page;
    }
    m_documentBuffer = assembleDocument(*m_store, m_currentPageNo, m_settings.templatesFolder, m_merge);
    const QString output = DocumentWriter::write(m_settings.tempFolder, m_documentBuffer);
    launch(m_settings.tempFolder, output);
}

void TfrmMain::ModifyTemplates()
{
    const std::optional<int> page = selectForm(TfrmSelectedForms::ModifyTemplate);
    if (page)
        launch(m_settings.templatesFolder, TemplateFile::path(m_settings.templatesFolder, *page));
}

void TfrmMain::mnuCheckTemplateClick()
{
    const std::optional<int> page = selectForm(TfrmSelectedForms::CheckTemplate);
    if (!page)
        return;
    TemplateRepair::repairFile(TemplateFile::path(m_settings.templatesFolder, *page));
    m_prompts->inform(this, QStringLiteral("Check and fix complete."));
}

void TfrmMain::FindWordClick()
{
    if (!m_settings.wordPath.isEmpty()) {
        m_settings.wordPath.clear();
        UpdateMenuItems();
        return;
    }
    TfrmProgress progress(QStringLiteral("Please Wait. Searching for MS Word."), this);
    progress.show();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QApplication::processEvents();
    m_settings.wordPath =
        WordProcessor::searchForOffice(m_wordSearchRoots, [] { QApplication::processEvents(); });
    progress.close();
    QApplication::restoreOverrideCursor();
    m_prompts->inform(this,
                      m_settings.wordPath.isEmpty() ? QStringLiteral("Did not find Word installation.")
                                                    : QStringLiteral("Found Word installation."));
    UpdateMenuItems();
}

// ---------------------------------------------------------------------------
// Window, help and global defaults

void TfrmMain::ZoomClick()
{
    TfrmWindowScale dialog(m_zoom, this);
    if (m_prompts->exec(dialog) == QDialog::Accepted)
        applyWindowScale(dialog.value());
}

// The screen panel takes the factor; the tree panel and the window grow or
// shrink by it each time, as the user asks.
void TfrmMain::applyWindowScale(double factor)
{
    m_zoom = factor;
    applyZoom();
    m_treePanel->setFixedWidth(int(m_treePanel->width() * factor));
    resize(int(width() * factor), height());
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    move(screen.left() + (screen.width() - width()) / 2, y());
}

void TfrmMain::AboutBoxClick()
{
    TfrmAboutDlg dialog(this);
    m_prompts->exec(dialog);
}

void TfrmMain::TableofContentsClick()
{
    m_launcher->openUrl(
        QUrl::fromLocalFile(QDir(m_folders.program).filePath(QStringLiteral("help/scrivix/default.htm"))));
}

void TfrmMain::ManualClick()
{
    const QString manual = QDir(m_folders.program).filePath(QStringLiteral("scrivix.pdf"));
    if (!QFileInfo::exists(manual))
        ShowError(QStringLiteral("The specified file was not found."));
    else if (!m_launcher->openUrl(QUrl::fromLocalFile(manual)))
        ShowError(QStringLiteral("There is no application associated with the given filename extension."));
}

void TfrmMain::SetGlobalDefaults()
{
    TfrmGlobalsDlg dialog(m_settings.globals, this);
    if (m_prompts->exec(dialog) == QDialog::Accepted)
        m_settings.globals = dialog.globals();
}

} // namespace scrivix
