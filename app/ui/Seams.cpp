#include "app/ui/Seams.h"

#include "app/ui/Screen.h"

#include <QClipboard>
#include <QFileDialog>
#include <QGuiApplication>
#include <QProcess>

void QtScreenShower::showModal(Screen &screen)
{
    screen.exec();
}

void QtScreenShower::showModeless(Screen &screen)
{
    screen.show();
    screen.raise();
    screen.activateWindow();
}

QString QtFileDialogs::openFileName(QWidget *parent, const QString &caption, const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, caption, QString(), filter);
}

QString QtFileDialogs::existingFolder(QWidget *parent, const QString &caption)
{
    return QFileDialog::getExistingDirectory(parent, caption);
}

void QtClipboard::setText(const QString &text)
{
    QGuiApplication::clipboard()->setText(text);
}

QString QtClipboard::text() const
{
    return QGuiApplication::clipboard()->text();
}

ProcessLauncher::Result QtProcessLauncher::run(const QString &program, const QStringList &arguments, int timeoutMs)
{
    Result result;
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    // Nothing to read: a tool that falls back to asking on its input ends instead of waiting.
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(program, arguments);
    result.started = process.waitForStarted(timeoutMs);
    if (!result.started) {
        result.output = process.errorString();
        return result;
    }
    running(process.processId(), program, arguments);
    result.finished = process.waitForFinished(timeoutMs);
    if (!result.finished) {
        process.kill();
        process.waitForFinished(1000);
    }
    result.output = QString::fromLocal8Bit(process.readAll());
    if (result.finished && process.exitStatus() == QProcess::NormalExit)
        result.exitCode = process.exitCode();
    return result;
}

bool QtProcessLauncher::startDetached(const QString &program, const QStringList &arguments)
{
    return QProcess::startDetached(program, arguments);
}
