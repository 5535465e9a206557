#pragma once

#include "core/CalcScreen.h"
#include "core/Settings.h"
#include "platform/Folders.h"
#include "screens/ScreenHandlers.h"
#include "template/TemplateMerge.h"

#include <QMainWindow>
#include <QPointer>

#include <memory>
#include <optional>

class QAction;
class QLabel;
class QMenu;
class QScrollArea;
class QToolBar;
class QTreeWidget;
class QTreeWidgetItem;
class QSequentialAnimationGroup;

namespace scrivix {

class DocumentLauncher;
class ScreenEventFilter;
class TAnswer;
class UserPrompts;

// The main window: the document tree on the left, the input screen of the
// page on display on the right, menus and two tool bars above. It owns the
// client's answers and everything the user sees.
class TfrmMain : public QMainWindow, public CalcScreen, public ScreenHandlers
{
    Q_OBJECT

public:
    // prompts and launcher may be null: dialogs ask, the desktop opens
    // documents. The window does not own them.
    explicit TfrmMain(const Folders& folders,
                      UserPrompts* prompts = nullptr,
                      DocumentLauncher* launcher = nullptr,
                      QWidget* parent = nullptr);
    ~TfrmMain() override;

    TAnswer& answers() { return *m_store; }
    int currentPageNo() const { return m_currentPageNo; }
    bool isModified() const { return m_modified; }
    void setModified(bool modified) { m_modified = modified; }
    const QString& currentFile() const { return m_currentFile; }
    // The user's client files, temporary and templates folders are those of the settings.
    const Settings& settings() const { return m_settings; }
    const Folders& folders() const { return m_folders; }
    double zoomFactor() const { return m_zoom; }
    QWidget* currentField() const { return m_currentField; }
    const QString& documentBuffer() const { return m_documentBuffer; }
    // The folders Find Word searches.
    void setWordSearchRoots(const QStringList& roots) { m_wordSearchRoots = roots; }

    // Shows a document page as the tree and the Display menu do.
    void DisplayAPage(int pageNo);
    // Lets the fade-in of the screen finish at once.
    void finishFadeIn();

    // The calculation cycle's view of the screen.
    void Components2Answers() override;
    void Answer2Components() override;
    void UpdateMenuItems() override;
    void showWaitCursor() override;
    void showDefaultCursor() override;

    // The field handlers.
    void CalcOnExit(QWidget* field) override;
    void ScrollOnEnter(QWidget* field) override;
    void ControlChange(QWidget* field) override;
    void OverrideClick(QWidget* field) override;
    void CalloutDispatch(QWidget* helpButton) override;
    void DialogDispatch(QWidget* button) override;
    void showPopup(QWidget* field, const QPoint& globalPos) override;

public Q_SLOTS:
    void RefreshClick();
    void InsertTodayClick();
    void InsertUnderlineClick();
    void mnuGhostPromptsClick();
    void mnuShrinkFontsClick();
    void TransferGlobalsClick();
    void NewClick();
    void OpenClick();
    void ReOpenClick(int position);
    void SaveFile();
    void SaveAsClick();
    void DuplicateClick();
    void PreviewPrint();
    void ModifyTemplates();
    void mnuCheckTemplateClick();
    void FindWordClick();
    void ZoomClick();
    void AboutBoxClick();
    void TableofContentsClick();
    void ManualClick();
    void SetGlobalDefaults();
    void ExpandTreeViewClick();
    void CollapseTreeViewClick();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    void FormShow();
    void buildWindow();
    void buildMenus();
    void buildToolBars();
    void buildTree();
    void buildPopup();
    QAction*
    addAction(QMenu* menu, const QString& text, const QKeySequence& shortcut, void (TfrmMain::*slot)());

    void DisplayPage(int pageNo);
    void ClearPage();
    void SelectPageTreeItem(int pageNo);
    void SetOverride(QObject* sender);
    void OverrideCurrentField();
    void fillRecentFiles();
    void treeItemClicked(QTreeWidgetItem* item);
    void DefaultFileLocation(int which);
    void applyZoom();
    bool KeyDown(QWidget* target, QKeyEvent* event);
    void newClient(bool fromOpen);
    void readDefaultAnswers();
    void UpdateMenuItems(QObject* sender);
    bool askToSave();
    void leaveCurrentField();
    void openClient(const QString& path);
    void showStartPicture();
    bool updateRecentFiles(const QString& path);
    std::optional<int> selectForm(int mode);
    bool launch(const QString& folder, const QString& file);
    void applyWindowScale(double factor);
    void scrollTo(int y);
    // Runs a command; what escapes it is shown, never passed to the event loop.
    void guarded(const std::function<void()>& command);

    std::unique_ptr<TAnswer> m_store;
    Folders m_folders;
    Settings m_settings;
    std::unique_ptr<UserPrompts> m_ownPrompts;
    UserPrompts* m_prompts;
    std::unique_ptr<DocumentLauncher> m_ownLauncher;
    DocumentLauncher* m_launcher;
    TemplateMerge m_merge;
    QString m_documentBuffer;
    int m_selectedForm = 0;
    QStringList m_wordSearchRoots;

    int m_currentPageNo = -1;
    bool m_modified = false;
    QString m_currentFile = QStringLiteral("Untitled.scx");
    double m_zoom = 1.0;
    bool m_wordPresent = false;
    bool m_calcGuard = false;
    bool m_shown = false;
    QPointer<QWidget> m_currentField;

    QToolBar* m_iconBar = nullptr;
    QToolBar* m_labelBar = nullptr;
    QWidget* m_treePanel = nullptr;
    QTreeWidget* m_tree = nullptr;
    QTreeWidgetItem* m_treeRoot = nullptr;
    QScrollArea* m_scroll = nullptr;
    QWidget* m_panel = nullptr;
    QLabel* m_picture = nullptr;
    QPointer<QWidget> m_screen;
    ScreenEventFilter* m_screenEvents = nullptr;
    QSequentialAnimationGroup* m_fadeIn = nullptr;
    QMenu* m_popup = nullptr;
    QMenu* m_fileMenu = nullptr;

    QAction* m_mnuInsertUnderline = nullptr;
    QAction* m_popInsertUnderline = nullptr;
    QAction* m_popInsertUnderlineSeparator = nullptr;
    QAction* m_mnuOverride = nullptr;
    QAction* m_mnuCancelOverride = nullptr;
    QAction* m_mnuOverrideSeparator = nullptr;
    QAction* m_popOverride = nullptr;
    QAction* m_popCancelOverride = nullptr;
    QAction* m_popOverrideSeparator = nullptr;
    QAction* m_toolOverride = nullptr;
    QAction* m_toolCancelOverride = nullptr;
    QAction* m_labelOverride = nullptr;
    QAction* m_labelCancelOverride = nullptr;
    QAction* m_mnuGhostPrompts = nullptr;
    QAction* m_mnuShrinkFonts = nullptr;
    QAction* m_mnuForceWord = nullptr;
    QAction* m_mnuForceWordPad = nullptr;
    QAction* m_mnuFindWord = nullptr;
    QAction* m_recentSeparator = nullptr;
    QList<QAction*> m_recentEntries;
};

} // namespace scrivix
