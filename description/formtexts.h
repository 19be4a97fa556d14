// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

#pragma once

#include "piece.h"

#include <array>

// The English words that the window and the web page both show, each once. lupdate finds them by
// their mark and keeps their translations in translations/ under the context named; the window
// translates them with that context's tr(), the page through its catalogue of the same files.
// Without Qt the mark is only the text.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#define TESSK_OWN_TRANSLATE_NOOP
#endif

namespace texts {

// What a square holds, as a screen reader says it after the square's place.
inline constexpr std::array<const char*, board::kPieceCodeCount> kPieceWords{
    //: A square that holds no piece
    QT_TRANSLATE_NOOP("window::Form1", "empty"), QT_TRANSLATE_NOOP("window::Form1", "knight"),
    QT_TRANSLATE_NOOP("window::Form1", "king"), QT_TRANSLATE_NOOP("window::Form1", "bishop"),
    QT_TRANSLATE_NOOP("window::Form1", "rook")
};
//: A square's name for a screen reader. %1: its row, 1 at the top; %2: its column, 1 at the
//: left; %3: what it holds (empty, or a piece)
inline constexpr const char* kSquareName = QT_TRANSLATE_NOOP("window::Form1", "row %1, column %2: %3");
inline constexpr const char* kSumBoxName = QT_TRANSLATE_NOOP("window::Form1", "weighted sum of the board");

//: The report of a picture that cannot be shown. %1: the file's name, %2: the folder, %3: one of
//: the reasons, each written to follow this colon.
inline constexpr const char* kCannotShow =
    QT_TRANSLATE_NOOP("PictureLoadError", R"(Cannot show the picture "%1" from the folder "%2": %3.)");
// The reasons a picture cannot be shown that both the window and the page meet.
inline constexpr const char* kNoSuchFile = QT_TRANSLATE_NOOP("PictureLoadError", "there is no such file");
inline constexpr const char* kPermissionDenied =
    QT_TRANSLATE_NOOP("PictureLoadError", "permission to read it is denied");
inline constexpr const char* kEmptyFile = QT_TRANSLATE_NOOP("PictureLoadError", "the file is empty");
inline constexpr const char* kTooLargeFile =
    QT_TRANSLATE_NOOP("PictureLoadError", "it is larger than %L1 MiB, far more than any picture");
inline constexpr const char* kNotAFormat =
    QT_TRANSLATE_NOOP("PictureLoadError", "it is not a picture in a format this program reads");
inline constexpr const char* kClaimsTooMuch =
    QT_TRANSLATE_NOOP("PictureLoadError", "its header claims %1 × %2 pixels, more than any picture here");
//: %1: why the decoder could not read it, in the decoder's words
inline constexpr const char* kNotReadable = QT_TRANSLATE_NOOP("PictureLoadError", "it is not a readable picture (%1)");
inline constexpr const char* kDecodesTooLarge =
    QT_TRANSLATE_NOOP("PictureLoadError", "it decodes to %1 × %2 pixels, more than any picture here");
inline constexpr const char* kTooManyScans =
    QT_TRANSLATE_NOOP("PictureLoadError", "it is stored in more than %1 scans, far more than any picture needs");

} // namespace texts

#ifdef TESSK_OWN_TRANSLATE_NOOP
#undef QT_TRANSLATE_NOOP
#undef TESSK_OWN_TRANSLATE_NOOP
#endif
