#include "host/TargetAction.h"

#include <QMetaMethod>
#include <QMetaObject>

namespace host {

Selector::Selector(const char* inName) : mName(inName ? inName : "") {
    if (!mName.isEmpty()) {
        mSignature = QMetaObject::normalizedSignature(mName + "(QObject*)");
    }
}

int Selector::methodIndex(const QMetaObject* inClass) const {
    if (inClass != mLastClass) {
        mLastIndex = mName.isEmpty() ? -1 : inClass->indexOfMethod(mSignature.constData());
        mLastClass = inClass;
    }
    return mLastIndex;
}

bool respondsToSelector(const QObject* inTarget, const Selector& inAction) {
    if (inTarget == nullptr || inAction.isNull()) {
        return false;
    }
    return inAction.methodIndex(inTarget->metaObject()) >= 0;
}

void performSelector(QObject* inTarget, const Selector& inAction, QObject* inSender) {
    if (inTarget == nullptr || inAction.isNull()) {
        return;
    }
    const QMetaObject* meta = inTarget->metaObject();
    const int index = inAction.methodIndex(meta);
    if (index < 0) {
        return;
    }
    meta->method(index).invoke(inTarget, Qt::DirectConnection, Q_ARG(QObject*, inSender));
}

} // namespace host
