#pragma once

#include "app/ui/Screen.h"

// "Create or Remove Foriegn Keys": not built yet; shows its caption only.
class TFrmFK : public Screen {
    Q_OBJECT
public:
    explicit TFrmFK(AppContext &context);
};
