// The one occurrence test of the program: a pattern occurs in a text when its bytes stand consecutively
// anywhere in the text's bytes. Case-sensitive and blind to character boundaries, so "A" (41) occurs in ア
// (83 41); the empty pattern occurs in every text.
#pragma once

#include <QByteArrayView>

#include <cstring>

inline bool occurs(QByteArrayView pattern, QByteArrayView text) {
    if (pattern.isEmpty())
        return true;
    if (pattern.size() > text.size())
        return false;
    return memmem(text.data(), size_t(text.size()), pattern.data(), size_t(pattern.size())) != nullptr;
}
