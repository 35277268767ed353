#include "browse/ui/TFrmShowTbls.h"

TFrmShowTbls::TFrmShowTbls(AppContext &context) : Screen(context, QStringLiteral("TFrmShowTbls"), QStringLiteral("Showing DB Objects")) {}
