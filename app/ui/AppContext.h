#pragma once

#include "app/ui/MessageSink.h"
#include "app/ui/Seams.h"
#include "session/Session.h"

// The session and the seams every screen reaches the outside through. The
// program uses the Qt implementations; a test swaps in scripted ones.
class AppContext {
public:
    AppContext()
        : messages(&m_qtMessages), shower(&m_qtShower), files(&m_qtFiles), clipboard(&m_qtClipboard),
          processes(&m_qtProcesses) {}
    AppContext(const AppContext &) = delete;
    AppContext &operator=(const AppContext &) = delete;

    Session session;
    MessageSink *messages;
    ScreenShower *shower;
    FileDialogs *files;
    Clipboard *clipboard;
    ProcessLauncher *processes;
    DocumentFetcher *fetcher = &m_qtFetcher;
    OkCancelQuestion *okCancel = &m_qtOkCancel;

private:
    QtMessageSink m_qtMessages;
    QtScreenShower m_qtShower;
    QtFileDialogs m_qtFiles;
    QtClipboard m_qtClipboard;
    QtProcessLauncher m_qtProcesses;
    QtDocumentFetcher m_qtFetcher;
    QtOkCancelQuestion m_qtOkCancel;
};
