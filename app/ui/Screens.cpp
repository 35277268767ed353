#include "app/ui/Screens.h"

#include "app/ui/Screen.h"
#include "app/ui/TFrmMain.h"
#include "app/ui/TFrmSysDBAPW.h"
#include "app/ui/TFrmisqlLocation.h"
#include "browse/ui/TFrmSQL.h"
#include "browse/ui/TFrmShowTbls.h"
#include "createdb/ui/TFrmCreateDB.h"
#include "schema/ui/TFrmFK.h"
#include "schema/ui/TFrmIndexes.h"
#include "schema/ui/TFrmTables.h"
#include "security/ui/TFrmAddRemRoles.h"
#include "security/ui/TFrmAddRemUsers.h"
#include "security/ui/TFrmPermissions.h"
#include "security/ui/TFrmRolesForUser.h"
#include "security/ui/TFrmTbl4Role.h"
#include "security/ui/TFrmTblPerm.h"
#include "security/ui/TFrmUserInRoles.h"
#include "security/ui/TFrmUserPerm.h"
#include "session/ui/TFrmOpen.h"

namespace {

// A screen whose task is still to come: its caption, nothing else.
std::unique_ptr<Screen> pending(AppContext &context, const char *name, const char *caption)
{
    return std::make_unique<Screen>(context, QString::fromLatin1(name), QString::fromLatin1(caption));
}

}

Screens::Screens(AppContext &context)
{
    auto main = std::make_unique<TFrmMain>(context, *this);
    m_main = main.get();
    m_all.push_back(std::move(main));
    m_all.push_back(std::make_unique<TFrmOpen>(context));
    m_all.push_back(std::make_unique<TFrmCreateDB>(context, *this));
    m_all.push_back(std::make_unique<TFrmisqlLocation>(context));
    m_all.push_back(pending(context, "TFrmAbout", "About"));
    m_all.push_back(std::make_unique<TFrmAddRemUsers>(context));
    m_all.push_back(std::make_unique<TFrmSysDBAPW>(context));
    m_all.push_back(std::make_unique<TFrmTables>(context));
    m_all.push_back(std::make_unique<TFrmAddRemRoles>(context));
    m_all.push_back(std::make_unique<TFrmUserInRoles>(context, *this));
    m_all.push_back(std::make_unique<TFrmRolesForUser>(context, *this));
    m_all.push_back(std::make_unique<TFrmShowTbls>(context));
    m_all.push_back(std::make_unique<TFrmPermissions>(context, *this));
    m_all.push_back(std::make_unique<TFrmUserPerm>(context, *this));
    m_all.push_back(std::make_unique<TFrmTblPerm>(context));
    m_all.push_back(std::make_unique<TFrmIndexes>(context));
    m_all.push_back(std::make_unique<TFrmFK>(context));
    m_all.push_back(std::make_unique<TFrmTbl4Role>(context, *this));
    m_all.push_back(std::make_unique<TFrmSQL>(context));
    m_all.push_back(pending(context, "TFrmUpdMsg", "Update Message"));
}

Screens::~Screens()
{
    // Task screens first, the main window last.
    while (m_all.size() > 1)
        m_all.pop_back();
}

Screen *Screens::byName(const QString &name) const
{
    for (const auto &screen : m_all) {
        if (screen->objectName() == name)
            return screen.get();
    }
    return nullptr;
}
