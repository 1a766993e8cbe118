// Small helpers for the core tests: Shift-JIS literals and temporary files.
#pragma once

#include "Sjis.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

inline QByteArray sj(const char16_t* text) {
    return sjis::constant(text);
}

inline void writeRaw(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        throw std::runtime_error("cannot write fixture");
    f.write(bytes);
}

inline QByteArray readRaw(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}
