// The one place where Shift-JIS (code page 932) bytes meet Unicode text.
// Stored texts stay bytes; they are decoded only for display and encoded only from what the user typed.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <optional>

namespace sjis {

// True when Qt offers the "windows-31j" converter; without it nothing can be shown right.
bool available();

// The name of the converter, for the message shown when it is missing.
inline constexpr const char* kCodecName = "windows-31j";

// Every byte that is not part of a decodable character becomes one U+FFFD; the bytes themselves are never
// changed, so a text that does not decode is saved back exactly as it was read.
QString decode(QByteArrayView bytes);

// Encodes text for storage. Returns nothing when a character cannot be held by code page 932; `unencodable`
// then receives those characters (each once, in order of appearance) for the message.
std::optional<QByteArray> encode(QStringView text, QString* unencodable = nullptr);

// Encodes text that is known to be representable (the program's own constants); throws otherwise.
QByteArray constant(QStringView text);

} // namespace sjis
