#include "host/TargetAction.h"

#include <QMetaMethod>
#include <QMetaObject>

namespace host {

Selector::Selector(const char* inName) : mName(inName ? inName : "") {
    if (!mName.isEmpty()) {
        mSignature = QMetaObject::normalizedSignature(mName + "(QObject*)");
    }
}

bool respondsToSelector(const QObject* inTarget, const Selector& inAction) {
    if (inTarget == nullptr || inAction.isNull()) {
        return false;
    }
    return inTarget->metaObject()->indexOfMethod(inAction.signature().constData()) >= 0;
}

void performSelector(QObject* inTarget, const Selector& inAction, QObject* inSender) {
    if (inTarget == nullptr || inAction.isNull()) {
        return;
    }
    const QMetaObject* meta = inTarget->metaObject();
    const int index = meta->indexOfMethod(inAction.signature().constData());
    if (index < 0) {
        return;
    }
    meta->method(index).invoke(inTarget, Qt::DirectConnection, Q_ARG(QObject*, inSender));
}

} // namespace host
