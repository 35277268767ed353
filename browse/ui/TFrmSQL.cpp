#include "browse/ui/TFrmSQL.h"

TFrmSQL::TFrmSQL(AppContext &context) : Screen(context, QStringLiteral("TFrmSQL"), QStringLiteral("Execute SQL statement")) {}
