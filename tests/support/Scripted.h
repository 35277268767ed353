#pragma once

#include "app/ui/AppContext.h"
#include "app/ui/Screen.h"

#include <QStringList>
#include <deque>
#include <functional>

// Seams for tests: they record what the program asked for and answer from a script.

class RecordingSink : public MessageSink {
public:
    void showMessage(const QString &text) override { messages << text; }
    void showError(const QString &text) override { errors << text; }
    void clear() { messages.clear(); errors.clear(); }
    QStringList messages;
    QStringList errors;
};

// Shows screens without blocking; a modal showing is recorded as such.
class ScriptedShower : public ScreenShower {
public:
    struct Shown {
        QString name;
        bool modal;
    };
    void showModal(Screen &screen) override
    {
        shown.push_back({screen.objectName(), true});
        screen.show();
        if (onModal)
            onModal(screen);
    }
    void showModeless(Screen &screen) override
    {
        shown.push_back({screen.objectName(), false});
        screen.show();
        screen.raise();
    }
    std::vector<Shown> shown;
    // Runs while a modal screen is "open", as a user would act on it.
    std::function<void(Screen &)> onModal;
};

class ScriptedFileDialogs : public FileDialogs {
public:
    QString openFileName(QWidget *, const QString &, const QString &) override { return nextFile; }
    QString existingFolder(QWidget *, const QString &) override { return nextFolder; }
    QString nextFile;
    QString nextFolder;
};

class MemoryClipboard : public Clipboard {
public:
    void setText(const QString &text) override { m_text = text; }
    QString text() const override { return m_text; }

private:
    QString m_text;
};

class ScriptedProcesses : public ProcessLauncher {
public:
    struct Call {
        QString program;
        QStringList arguments;
        int timeoutMs = -1; // -1: started detached
    };
    Result run(const QString &program, const QStringList &arguments, int timeoutMs) override
    {
        calls.push_back({program, arguments, timeoutMs});
        if (answers.empty())
            return answer;
        const Result next = answers.front();
        answers.pop_front();
        return next;
    }
    bool startDetached(const QString &program, const QStringList &arguments) override
    {
        calls.push_back({program, arguments});
        return answer.started;
    }
    std::vector<Call> calls;
    // Answers for the next runs, in turn; then answer for every further one.
    std::deque<Result> answers;
    Result answer{true, true, 0, {}};
};

// An AppContext with every seam scripted.
class TestContext : public AppContext {
public:
    TestContext()
    {
        messages = &sink;
        shower = &screens;
        files = &dialogs;
        clipboard = &clip;
        processes = &launcher;
    }
    RecordingSink sink;
    ScriptedShower screens;
    ScriptedFileDialogs dialogs;
    MemoryClipboard clip;
    ScriptedProcesses launcher;
};
