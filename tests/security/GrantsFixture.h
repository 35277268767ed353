#pragma once

// The program's screens over a database made for one test, the session
// connected to it as the Open Connection screen leaves it.
#include "app/ui/Screens.h"
#include "app/ui/TListBox.h"
#include "app/ui/TMemo.h"
#include "session/TSQLConnection.h"
#include "tests/support/Scripted.h"
#include "tests/support/TestDatabase.h"
#include "tests/support/UiDriver.h"

#include <QLabel>
#include <QPushButton>

struct GrantsFixture {
    std::unique_ptr<TestDatabase> db;
    TestContext context;
    Screens screens{context};

    explicit GrantsFixture(std::unique_ptr<TestDatabase> database, bool connected = true) : db(std::move(database))
    {
        if (connected) {
            db->configure(context.session.connection());
            context.session.connection().Open();
        }
    }

    // A screen as a user opens it: hidden first, so its FormShow runs.
    template <typename T> T &show()
    {
        T &screen = screens.get<T>();
        screen.hide();
        context.screens.showModal(screen);
        return screen;
    }
    QStringList shownNames() const
    {
        QStringList names;
        for (const auto &shown : context.screens.shown)
            names << shown.name;
        return names;
    }

    static TListBox *list(QWidget *screen, const char *name) { return ui::find<TListBox>(screen, name); }
    static QPushButton *button(QWidget *screen, const char *name) { return ui::find<QPushButton>(screen, name); }
    static QString label(QWidget *screen, const char *name) { return ui::find<QLabel>(screen, name)->text(); }
    static QString memo(QWidget *screen, const char *name) { return ui::find<TMemo>(screen, name)->Text(); }

    // Privileges outside the owner's and PUBLIC's, as "grantee privilege object[.column] type".
    QStringList privileges() const
    {
        return db->column(
            "SELECT TRIM(RDB$USER) || ' ' || TRIM(RDB$PRIVILEGE) || ' ' || TRIM(RDB$RELATION_NAME) "
            "|| COALESCE('.' || TRIM(RDB$FIELD_NAME), '') || ' ' || RDB$USER_TYPE FROM RDB$USER_PRIVILEGES "
            "WHERE RDB$USER NOT IN ('SYSDBA', 'PUBLIC') ORDER BY 1");
    }
};
