#include "engine/checkedconnect.h"

#include <QObject>
#include <QtGlobal>

namespace qz {

bool checkedConnect(const QObject *sender, const char *signal, const QObject *receiver,
                    const char *method, Qt::ConnectionType type)
{
    const bool ok = QObject::connect(sender, signal, receiver, method, type);
    if (!ok) {
        qCritical("checkedConnect: cannot connect %s::%s to %s::%s",
                  sender ? sender->metaObject()->className() : "(null)", signal ? signal : "(null)",
                  receiver ? receiver->metaObject()->className() : "(null)", method ? method : "(null)");
        Q_ASSERT_X(ok, "qz::checkedConnect", signal);
    }
    return ok;
}

} // namespace qz
