#pragma once

#include <QHash>
#include <QString>

#include <functional>

class QObject;
class QWidget;

namespace host {

// Builds a widget tree from a Qt Designer interface file at run time, then:
// - connects the owner's outlets: each property of the owner whose type is a pointer to a
//   QObject class receives the widget of the same object name, when its class fits;
// - makes the owner the target of every control whose action the file names.
// Classes of this system that the file names are made by the factories registered here.
class InterfaceLoader {
public:
    using Factory = std::function<QWidget*(QWidget* inParent)>;

    InterfaceLoader();

    void registerClass(const QString& inClassName, Factory inFactory);
    template <class T> void registerClass(const QString& inClassName) {
        registerClass(inClassName, [](QWidget* inParent) { return new T(inParent); });
    }

    // Loads inPath; relative image paths in the file are taken from the file's own folder.
    // Returns the top-level widget (owned by the caller), or nullptr when the file cannot be
    // read; errorString() then says why.
    QWidget* load(const QString& inPath, QObject* inOwner, QWidget* inParent = nullptr);
    const QString& errorString() const { return mError; }

private:
    static void connectOutlets(QObject* inOwner, QWidget* inRoot);
    static void connectActions(QObject* inOwner, QWidget* inRoot);

    QHash<QString, Factory> mFactories;
    QString mError;
};

} // namespace host
