#pragma once

#include "app/ui/Screen.h"

// "Create/Remove Indexes": not built yet; shows its caption only.
class TFrmIndexes : public Screen {
    Q_OBJECT
public:
    explicit TFrmIndexes(AppContext &context);
};
