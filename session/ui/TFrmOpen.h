#pragma once

#include "app/ui/Screen.h"

// "Open Connection": not built yet; shows its caption only.
class TFrmOpen : public Screen {
    Q_OBJECT
public:
    explicit TFrmOpen(AppContext &context);
};
