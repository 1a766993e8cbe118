#include "TextFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cstring>

namespace textfile {

void toTextMode(QByteArray& bytes) {
    if (const auto* sub = static_cast<const char*>(memchr(bytes.constData(), 0x1A, size_t(bytes.size()))))
        bytes.truncate(sub - bytes.constData());
    const char* first = static_cast<const char*>(memchr(bytes.constData(), '\r', size_t(bytes.size())));
    if (!first)
        return;
    // data() may detach a shared array into a new buffer, so the position is carried over as an index.
    const qsizetype at = first - bytes.constData();
    char* data = bytes.data();
    char* out = data + at;
    const char* in = out;
    const char* end = data + bytes.size();
    while (in < end) {
        // Copy the run up to the next CR, skipping the CR itself.
        ++in;
        const auto* cr = static_cast<const char*>(memchr(in, '\r', size_t(end - in)));
        const char* stop = cr ? cr : end;
        memmove(out, in, size_t(stop - in));
        out += stop - in;
        in = stop;
    }
    bytes.truncate(out - data);
}

std::optional<QByteArray> read(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes;
    const qint64 size = file.size();
    if (size > 0 && file.isSequential() == false) {
        bytes.resize(size);
        qint64 got = 0;
        while (got < size) {
            const qint64 n = file.read(bytes.data() + got, size - got);
            if (n < 0)
                return std::nullopt;
            if (n == 0)
                break;
            got += n;
        }
        bytes.truncate(got);
    }
    // Files that report no size (or grew) are read to their end.
    const QByteArray rest = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    bytes += rest;
    toTextMode(bytes);
    return bytes;
}

QByteArray toCrLf(QByteArrayView text) {
    QByteArray out;
    out.reserve(text.size() + text.size() / 16 + 16);
    const char* p = text.data();
    const char* end = p + text.size();
    while (p < end) {
        const auto* lf = static_cast<const char*>(memchr(p, '\n', size_t(end - p)));
        if (!lf) {
            out.append(p, end - p);
            break;
        }
        out.append(p, lf - p);
        out.append("\r\n", 2);
        p = lf + 1;
    }
    return out;
}

bool write(const QString& path, QByteArrayView text) {
    return writeBytes(path, toCrLf(text));
}

namespace {

// A file or folder the user marked read-only stays untouched even for a process that could override the mark.
bool markedReadOnly(const QFileInfo& info) {
    return !(info.permissions() &
             (QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther));
}

} // namespace

bool writeBytes(const QString& path, QByteArrayView bytes) {
    // The new content goes to a temporary file beside the old one, which it replaces only when complete.
    const QFileInfo info(path);
    if (info.exists() && (!info.isFile() || !info.isWritable() || markedReadOnly(info)))
        return false;
    if (markedReadOnly(QFileInfo(info.absolutePath())))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes.data(), bytes.size()) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace textfile
