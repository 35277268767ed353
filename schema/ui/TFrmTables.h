#pragma once

#include "app/ui/Screen.h"

// "Create or Delete Tables": not built yet; shows its caption only.
class TFrmTables : public Screen {
    Q_OBJECT
public:
    explicit TFrmTables(AppContext &context);
};
