#pragma once

#include "MessageRecorder.h"
#include "app/TfrmMain.h"
#include "app/UserPrompts.h"
#include "platform/DocumentLauncher.h"
#include "platform/Folders.h"

#include <QDialog>
#include <QUrl>

#include <QLineEdit>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

// Answers the window's questions the way a test says.
class ScriptedPrompts : public scrivix::UserPrompts
{
public:
    QMessageBox::StandardButton askSaveChanges(QWidget*) override
    {
        ++saveQuestions;
        return saveAnswer;
    }
    QString chooseFolder(QWidget*, const QString&, const QString&) override { return folder; }
    QString chooseOpenFile(QWidget*, const QString&) override { return openFile; }
    QString chooseSaveFile(QWidget*, const QString&, const QString& suggestion) override
    {
        suggestedName = suggestion;
        return saveFile;
    }
    bool confirmLossySave(QWidget*, const QString& details) override
    {
        lossyDetails = details;
        return saveLossy;
    }
    void inform(QWidget*, const QString& text) override { information.append(text); }
    // Runs the dialog's script in place of the user, or cancels it.
    int exec(QDialog& dialog) override
    {
        dialogs.append(dialog.objectName());
        return onDialog ? onDialog(dialog) : int(QDialog::Rejected);
    }

    QMessageBox::StandardButton saveAnswer = QMessageBox::Cancel;
    int saveQuestions = 0;
    QString folder;
    QString openFile;
    QString saveFile;
    QString suggestedName;
    bool saveLossy = false;
    QString lossyDetails;
    QStringList information;
    QStringList dialogs;
    std::function<int(QDialog&)> onDialog;
};

// Records what the window asks the desktop to start or open.
class RecordingLauncher : public scrivix::DocumentLauncher
{
public:
    bool startProgram(const QString& program, const QStringList& arguments, const QString& folder) override
    {
        started.append(program + QLatin1Char(' ') + arguments.join(QLatin1Char(' ')) +
                       QStringLiteral(" in ") + folder);
        return succeeds;
    }
    bool openUrl(const QUrl& url) override
    {
        opened.append(url.toLocalFile());
        return succeeds;
    }
    QStringList started;
    QStringList opened;
    bool succeeds = true;
};

// The real main window, with a home folder of its own and the shipped screens
// and templates.
class MainWindowTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    scrivix::Folders folders() const;
    void showPage(int pageNo);
    // The bound control of the current screen with the Tag.
    template <typename Control> Control* control(int tag) const
    {
        for (Control* candidate : window->findChildren<Control*>()) {
            if (candidate->property("Tag").toInt() == tag)
                return candidate;
        }
        return nullptr;
    }
    QLineEdit* edit(int tag) const { return control<QLineEdit>(tag); }

    QTemporaryDir home;
    QByteArray savedHome;
    ScriptedPrompts prompts;
    RecordingLauncher launcher;
    std::unique_ptr<MessageRecorder> messages;
    std::unique_ptr<scrivix::TfrmMain> window;
};
