// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

#pragma once

#include <cstddef>
#include <string_view>
#include <utility>

// Qt's decoders are not instrumented, so libFuzzer cannot see which way they went. Marking each
// outcome puts it on a branch of its own here, where libFuzzer sees it as new coverage.
inline volatile std::size_t markedBucket = 0;

template <std::size_t... Bucket>
void MarkBucket(std::size_t value, std::index_sequence<Bucket...> /*buckets*/)
{
    ((value == Bucket ? void(markedBucket = Bucket) : void()), ...);
}

inline void MarkOutcome(std::string_view text, std::size_t salt = 0)
{
    std::size_t hash = salt;
    for (const char c : text)
        if (c < '0' || c > '9') // numbers vary without the outcome changing
            hash = hash * 31 + static_cast<unsigned char>(c);
    MarkBucket(hash % 256, std::make_index_sequence<256>{});
}
