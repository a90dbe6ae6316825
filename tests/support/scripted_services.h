// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/services/clipboard.h"
#include "core/services/clock.h"
#include "core/services/file_dialogs.h"
#include "core/services/message_service.h"
#include "core/services/modal_runner.h"
#include "core/services/screen_service.h"

#include <QImage>
#include <QStringList>
#include <deque>
#include <functional>

// Message boxes that answer from a script and record what they showed.
class ScriptedMessages : public MessageService {
public:
    void inform(const QString& text) override { shown << text; }
    bool askYesNo(const QString& text, QuestionDefault answer = QuestionDefault::Yes) override;
    void beep() override { ++beeps; }

    // Answers for the next questions, in order; an unscripted question fails
    // the test and is answered No.
    std::deque<bool> answers;
    QStringList shown; // every message and question, in order
    int beeps = 0;
};

// Keeps what was put on it; refuses pictures while refusing is set.
class RecordingClipboard : public Clipboard {
public:
    void clear() override {
        image = QImage();
        ++clears;
    }
    bool setImage(const QImage& picture) override {
        if (refusing)
            return false;
        image = picture;
        ++sets;
        return true;
    }
    QImage image; // null when empty
    int clears = 0;
    int sets = 0;
    bool refusing = false;
};

class FixedScreen : public ScreenService {
public:
    explicit FixedScreen(int width = 1024, int height = 768) : width(width), height(height) {}
    int widthPx() const override { return width; }
    int heightPx() const override { return height; }
    int width;
    int height;
};

class FixedClock : public Clock {
public:
    QDateTime now() const override { return time; }
    QDateTime time{QDate(2002, 6, 15), QTime(9, 30, 12)};
};

class ScriptedFileDialogs : public FileDialogs {
public:
    std::optional<QString> chooseImageFile() override {
        ++opened;
        return nextChoice;
    }
    std::optional<QString> chooseFolder(const QString& start) override {
        ++foldersOpened;
        folderStart = start;
        return nextFolder;
    }
    std::optional<QString> nextChoice; // host path, or nullopt for a cancel
    int opened = 0;
    std::optional<QString> nextFolder; // host path, or nullopt for a cancel
    int foldersOpened = 0;
    QString folderStart; // where the last folder picker started
};

// Instead of waiting for the user, runs the script on the dialog; the script
// works the dialog's controls as the user would.
class ScriptedModals : public ModalRunner {
public:
    void runModal(QDialog& dialog) override;
    std::function<void(QDialog&)> script;
    int opened = 0;
};
