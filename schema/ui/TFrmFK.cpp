#include "schema/ui/TFrmFK.h"

TFrmFK::TFrmFK(AppContext &context) : Screen(context, QStringLiteral("TFrmFK"), QStringLiteral("Create or Remove Foriegn Keys")) {}
