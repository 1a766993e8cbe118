// The search history file: a count line, then one entry a line, Shift-JIS with CR LF.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// The entries of the file in file order; empty when the file cannot be opened. The leading decimal number of
// the first line counts the entries (none when it is missing, 0 or negative); reading stops early at the end
// of the file. Each entry comes back exactly as written, whatever its length.
QList<QByteArray> readHistoryFile(const QString& path);
QList<QByteArray> parseHistory(QByteArrayView text);

// "%d\n" then each entry and "\n", with CR LF on disk; false when the file cannot be written.
bool writeHistoryFile(const QString& path, const QList<QByteArray>& entries);
