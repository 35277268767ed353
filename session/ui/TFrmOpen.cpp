#include "session/ui/TFrmOpen.h"

TFrmOpen::TFrmOpen(AppContext &context) : Screen(context, QStringLiteral("TFrmOpen"), QStringLiteral("Open Connection")) {}
