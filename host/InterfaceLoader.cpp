#include "host/InterfaceLoader.h"

#include "host/RadioMatrix.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMetaProperty>
#include <QUiLoader>
#include <QWidget>

namespace host {

namespace {

class FactoryUiLoader final : public QUiLoader {
public:
    explicit FactoryUiLoader(const QHash<QString, InterfaceLoader::Factory>& inFactories)
        : mFactories(inFactories) {}

    QWidget* createWidget(const QString& inClassName, QWidget* inParent,
                          const QString& inName) override {
        const auto factory = mFactories.constFind(inClassName);
        if (factory == mFactories.constEnd()) {
            return QUiLoader::createWidget(inClassName, inParent, inName);
        }
        QWidget* widget = (*factory)(inParent);
        widget->setObjectName(inName);
        return widget;
    }

private:
    const QHash<QString, InterfaceLoader::Factory>& mFactories;
};

} // namespace

InterfaceLoader::InterfaceLoader() {
    registerClass<RadioMatrix>("host::RadioMatrix");
}

void InterfaceLoader::registerClass(const QString& inClassName, Factory inFactory) {
    mFactories.insert(inClassName, std::move(inFactory));
}

QWidget* InterfaceLoader::load(const QString& inPath, QObject* inOwner, QWidget* inParent) {
    QFile file(inPath);
    if (!file.open(QIODevice::ReadOnly)) {
        mError = file.errorString();
        return nullptr;
    }
    FactoryUiLoader loader(mFactories);
    loader.setWorkingDirectory(QFileInfo(inPath).absoluteDir());
    QWidget* root = loader.load(&file, inParent);
    if (root == nullptr) {
        mError = loader.errorString();
        return nullptr;
    }
    mError.clear();
    if (inOwner != nullptr) {
        connectOutlets(inOwner, root);
        connectActions(inOwner, root);
    }
    return root;
}

void InterfaceLoader::connectOutlets(QObject* inOwner, QWidget* inRoot) {
    const QMetaObject* meta = inOwner->metaObject();
    for (int i = QObject::staticMetaObject.propertyCount(); i < meta->propertyCount(); ++i) {
        const QMetaProperty outlet = meta->property(i);
        const QMetaObject* outletClass = outlet.metaType().metaObject();
        if (!outlet.isWritable() || !(outlet.metaType().flags() & QMetaType::PointerToQObject) ||
            outletClass == nullptr) {
            continue;
        }
        QObject* object = inRoot->objectName() == QLatin1String(outlet.name())
                              ? inRoot
                              : inRoot->findChild<QObject*>(QLatin1String(outlet.name()));
        if (object == nullptr || !object->metaObject()->inherits(outletClass)) {
            continue;
        }
        // Every QObject class starts with its QObject part, so the pointer is the same.
        void* pointer = object;
        outlet.write(inOwner, QVariant(outlet.metaType(), &pointer));
    }
}

void InterfaceLoader::connectActions(QObject* inOwner, QWidget* inRoot) {
    for (RadioMatrix* control : inRoot->findChildren<RadioMatrix*>()) {
        if (!control->actionName().isEmpty()) {
            control->setTarget(inOwner);
        }
    }
}

} // namespace host
