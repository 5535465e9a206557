#pragma once

#include "MessageRecorder.h"
#include "app/TfrmMain.h"
#include "app/UserPrompts.h"
#include "platform/Folders.h"

#include <QLineEdit>
#include <QTemporaryDir>

#include <gtest/gtest.h>

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
    QString chooseSaveFile(QWidget*, const QString&) override { return saveFile; }

    QMessageBox::StandardButton saveAnswer = QMessageBox::Cancel;
    int saveQuestions = 0;
    QString folder;
    QString saveFile;
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
    template <typename Control>
    Control* control(int tag) const
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
    std::unique_ptr<MessageRecorder> messages;
    std::unique_ptr<scrivix::TfrmMain> window;
};
