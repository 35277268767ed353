#pragma once

#include <QString>
#include <QStringList>

class QWidget;
class Screen;

// Showing a screen: modally (waits until it closes) or beside its opener.
class ScreenShower {
public:
    virtual ~ScreenShower() = default;
    virtual void showModal(Screen &screen) = 0;
    virtual void showModeless(Screen &screen) = 0;
};

class QtScreenShower : public ScreenShower {
public:
    void showModal(Screen &screen) override;
    void showModeless(Screen &screen) override;
};

// File and folder pickers. An empty result means cancelled.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    virtual QString openFileName(QWidget *parent, const QString &caption, const QString &filter = {}) = 0;
    virtual QString existingFolder(QWidget *parent, const QString &caption) = 0;
};

class QtFileDialogs : public FileDialogs {
public:
    QString openFileName(QWidget *parent, const QString &caption, const QString &filter) override;
    QString existingFolder(QWidget *parent, const QString &caption) override;
};

class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void setText(const QString &text) = 0;
    virtual QString text() const = 0;
};

class QtClipboard : public Clipboard {
public:
    void setText(const QString &text) override;
    QString text() const override;
};

// Starting another program: a program path and its arguments, never a shell line.
class ProcessLauncher {
public:
    virtual ~ProcessLauncher() = default;
    struct Result {
        bool started = false;
        bool finished = false; // within the time allowed
        int exitCode = -1;
        QString output;        // standard output and error, merged; why, when it did not start
    };
    // Waits at most timeoutMs for it to start and as long again for it to end;
    // one still running then is killed.
    virtual Result run(const QString &program, const QStringList &arguments, int timeoutMs) = 0;
    virtual bool startDetached(const QString &program, const QStringList &arguments) = 0;
};

class QtProcessLauncher : public ProcessLauncher {
public:
    Result run(const QString &program, const QStringList &arguments, int timeoutMs) override;
    bool startDetached(const QString &program, const QStringList &arguments) override;

protected:
    // Once the program runs, before it is waited for: where a test looks at the running process.
    virtual void running(qint64 pid, const QString &program, const QStringList &arguments)
    {
        (void)pid, (void)program, (void)arguments;
    }
};
