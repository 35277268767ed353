#include "session/DbError.h"

#include <ibase.h>

bool DbError::connectionLost() const
{
    switch (m_gdsCode) {
    case isc_att_shutdown:
    case isc_shutdown:
    case isc_conn_lost:
    case isc_network_error:
    case isc_net_read_err:
    case isc_net_write_err:
    case isc_lost_db_connection:
        return true;
    default:
        return false;
    }
}
