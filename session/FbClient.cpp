#include "session/FbClient.h"

#include "session/DbError.h"

#include <QStringList>

namespace fbclient {

QString statusText(const ISC_STATUS *status)
{
    QStringList lines;
    const ISC_STATUS *p = status;
    char buf[1024];
    while (fb_interpret(buf, sizeof buf, &p) > 0)
        lines << QString::fromUtf8(buf);
    return lines.join(QLatin1Char('\n'));
}

void check(const ISC_STATUS *status)
{
    if (status[0] == 1 && status[1] != 0)
        throw DbError(statusText(status), isc_sqlcode(status), long(status[1]));
}

}
