#pragma once

#include "app/ui/Screen.h"

// "Execute SQL statement": not built yet; shows its caption only.
class TFrmSQL : public Screen {
    Q_OBJECT
public:
    explicit TFrmSQL(AppContext &context);
};
