#include "schema/ui/TFrmTables.h"

TFrmTables::TFrmTables(AppContext &context) : Screen(context, QStringLiteral("TFrmTables"), QStringLiteral("Create or Delete Tables")) {}
