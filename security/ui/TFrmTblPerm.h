#pragma once

#include "security/ui/PermissionViewer.h"

// "Table Grants": one line per privilege row the grantee in SelectedName holds
// on the table in SelectedTable, read only while PermViewMode is "USER".
// Opens the session connection to read and closes it after.
class TFrmTblPerm : public PermissionViewer {
    Q_OBJECT
public:
    explicit TFrmTblPerm(AppContext &context);

protected:
    void FormShow() override;
};
