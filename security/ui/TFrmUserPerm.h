#pragma once

#include "security/ui/PermissionViewer.h"

class Screens;

// "Role Permissions": with PermViewMode "TABLE" the grantees of the table in
// SelectedName (clicks do nothing), otherwise the tables the user or role in
// SelectedName holds privileges on; a click on one shows that grantee's
// privileges on it. Opens the session connection to read and closes it after.
class TFrmUserPerm : public PermissionViewer {
    Q_OBJECT
public:
    TFrmUserPerm(AppContext &context, Screens &screens);

protected:
    void FormShow() override;

private:
    void LstUserPermClick();

    Screens &m_screens;
};
