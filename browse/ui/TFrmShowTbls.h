#pragma once

#include "app/ui/Screen.h"

// "Showing DB Objects": not built yet; shows its caption only.
class TFrmShowTbls : public Screen {
    Q_OBJECT
public:
    explicit TFrmShowTbls(AppContext &context);
};
