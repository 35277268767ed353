#pragma once

#include "app/ui/MessageSink.h"
#include "app/ui/Seams.h"

#include <QString>

class AppContext;
class Screen;
class Screens;

// Pictures of the main menu and of every task screen, taken by the program
// itself for its documentation (hidden option --screenshots FOLDER). The main
// menu is taken as the start left it; then each task screen in turn is shown
// beside it, saved as FOLDER/<screen name>.png, and closed again. A stored
// connection "Demo" is opened first, through the Open Connection screen, and
// the viewers get the hand-over strings a caller would set, naming objects of
// the demo database; a connection closed by one screen is opened again for
// the next. While it runs, messages go to standard error and screens
// asked for modally are shown beside their opener, so that nothing waits for
// a click.
class ScreenTour {
public:
    // Puts the tour's seams in place; construct it before anything reads them.
    ScreenTour(AppContext &context, const QString &folder);
    ~ScreenTour();
    ScreenTour(const ScreenTour &) = delete;
    ScreenTour &operator=(const ScreenTour &) = delete;

    // Runs once the event loop does, then ends it: exit status 0 when every
    // picture was saved, 1 otherwise.
    void start(Screens &screens);

private:
    class PrintedMessages : public MessageSink {
    public:
        void showMessage(const QString &text) override;
        void showError(const QString &text) override;
    };
    class ShownBeside : public QtScreenShower {
    public:
        void showModal(Screen &screen) override { showModeless(screen); }
    };

    void run(Screens &screens);
    void prepare(Screen &screen);
    bool pickDemo(Screen &open);
    bool save(Screen &screen);

    AppContext &m_context;
    QString m_folder;
    bool m_connected = false; // the demo was opened
    MessageSink *m_oldMessages;
    ScreenShower *m_oldShower;
    PrintedMessages m_messages;
    ShownBeside m_shower;
};
