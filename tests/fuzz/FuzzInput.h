// Splits one fuzz input into a short key and the text after it, so that the key and the list text it is
// looked up in vary together.
#pragma once

#include <QByteArrayView>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace fuzz {

struct Parts {
    QByteArrayView key;
    QByteArrayView rest;
};

// The first byte gives the key's length (capped by what is there); the key follows, then the rest.
inline Parts splitKey(const uint8_t* data, size_t size) {
    if (size == 0)
        return {};
    const auto* p = reinterpret_cast<const char*>(data) + 1;
    const size_t n = std::min<size_t>(data[0], size - 1);
    return {QByteArrayView(p, qsizetype(n)), QByteArrayView(p + n, qsizetype(size - 1 - n))};
}

// A failed property is a finding: abort so that libFuzzer keeps the input.
inline void check(bool ok) {
    if (!ok)
        std::abort();
}

} // namespace fuzz
