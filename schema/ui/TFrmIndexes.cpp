#include "schema/ui/TFrmIndexes.h"

TFrmIndexes::TFrmIndexes(AppContext &context) : Screen(context, QStringLiteral("TFrmIndexes"), QStringLiteral("Create/Remove Indexes")) {}
