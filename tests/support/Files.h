#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// A settings file's text: a dictionary holding the keys and values of inBody.
inline QByteArray plistXml(const QByteArray& inBody) {
    return "<?xml version=\"1.0\"?><plist version=\"1.0\"><dict>" + inBody + "</dict></plist>";
}

// A file's bytes; empty when it cannot be read.
inline QByteArray contents(const QString& inPath) {
    QFile file(inPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool put(const QString& inPath, const QByteArray& inText) {
    QFile file(inPath);
    return file.open(QIODevice::WriteOnly) && file.write(inText) == inText.size();
}
