#pragma once

#include <QString>

class AppContext;

// The update check as the screens run it, through the context's seams: the
// document fetched from the address the settings file names (or the built-in
// one), the offer to upgrade, and the browser that opens the download page.
class UpdateFlow {
public:
    explicit UpdateFlow(AppContext &context) : m_context(context) {}

    // True when the update document names a newer version. Throws FetchError
    // and UpdateError, for the caller's default error display.
    bool UpdateAvailable();
    // Asks with OK and Cancel (OK the default); OK opens the download page.
    void offerUpgrade();
    // Opens url with the desktop's handler for http, without waiting for it.
    // False, after "Browser not found!", when there is none.
    bool OpenInBrowser(const QString &url);

    static QString offerText();

private:
    AppContext &m_context;
};
