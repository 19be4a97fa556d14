// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

#include "texts.h"

#include "catalogue.h"
#include "formtexts.h"
#include "picturelimits.h"
#include "weightedsum.h"

#include <algorithm>
#include <array>
#include <initializer_list>

// lupdate finds the page's texts by this mark and keeps their translations in the program's .ts
// files; here it leaves the English text. The window's texts are marked with the window's contexts,
// so the page takes their translations as they are.
#define QT_TRANSLATE_NOOP(context, text) text

namespace web {
namespace {

struct Text {
    std::string_view context;
    std::string_view source;
};

constexpr std::string_view kForm1 = "window::Form1";
constexpr std::string_view kLoader = "PictureLoadError";
constexpr std::string_view kPage = "web::Page";

std::string_view language = "en";
std::string decimalSeparator = ".";

std::string Translated(const Text& text)
{
    for (const CatalogueEntry& entry : kCatalogue)
        if (entry.language == language && entry.context == text.context && entry.source == text.source)
            return std::string(entry.translation);
    return std::string(text.source);
}

std::string LocalDecimal(std::string text)
{
    if (const std::size_t point = text.find('.'); point != std::string::npos)
        text.replace(point, 1, decimalSeparator);
    return text;
}

// Puts the arguments in place of %1, %2 ... (or %L1 ...: the numbers come written in the language's
// way already), in one pass, so an argument that holds a marker itself stays as it is.
std::string WithArguments(std::string_view text, std::initializer_list<std::string> arguments)
{
    std::string result;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const std::size_t digit = at + 1 < text.size() && text[at + 1] == 'L' ? at + 2 : at + 1;
        const int number = digit < text.size() ? text[digit] - '0' : 0;
        if (text[at] == '%' && number >= 1 && static_cast<std::size_t>(number) <= arguments.size()) {
            result += *(arguments.begin() + (number - 1));
            at = digit;
        } else {
            result += text[at];
        }
    }
    return result;
}

// By Reason, in its order.
constexpr std::array<Text, kReasonCount> kReasons{
    Text{ kLoader, texts::kNoSuchFile },
    Text{ kLoader, texts::kPermissionDenied },
    Text{ kLoader, texts::kEmptyFile },
    Text{ kLoader, texts::kTooLargeFile },
    Text{ kLoader, texts::kNotAFormat },
    Text{ kLoader, texts::kClaimsTooMuch },
    Text{ kLoader, texts::kNotReadable },
    Text{ kLoader, texts::kDecodesTooLarge },
    Text{ kLoader, texts::kTooManyScans },
    //: A web server refused the picture. %1: the HTTP status code, %2: the server's words for it
    Text{ kPage, QT_TRANSLATE_NOOP("web::Page", "the web server answered %1 %2") },
    Text{ kPage, QT_TRANSLATE_NOOP("web::Page",
                                   "the web server cannot be reached, and this device keeps no copy of the file") },
    //: %1: how many seconds the page waited
    Text{ kPage, QT_TRANSLATE_NOOP("web::Page", "the web server did not send it within %1 seconds") },
};

} // namespace

std::optional<Reason> ReasonNamed(std::string_view name)
{
    constexpr std::array<std::string_view, kReasonCount> kNames{
        "NoSuchFile",  "PermissionDenied", "Empty",          "TooLargeFile", "NotAFormat", "ClaimsTooMuch",
        "NotReadable", "DecodesTooLarge",  "ServerAnswered", "Unreachable",  "NoAnswer",
    };
    const auto found = std::find(kNames.begin(), kNames.end(), name);
    if (found == kNames.end())
        return std::nullopt;
    return static_cast<Reason>(found - kNames.begin());
}

std::string_view ChooseLanguage(std::string_view tags)
{
    language = "en";
    while (!tags.empty()) {
        const std::size_t end = std::min(tags.find('\n'), tags.size());
        std::string primary(tags.substr(0, std::min(tags.find('-'), end)));
        std::transform(primary.begin(), primary.end(), primary.begin(),
                       [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
        if (primary == "en")
            return language;
        for (const std::string_view code : kLanguages)
            if (code == primary) {
                language = code;
                return language;
            }
        tags.remove_prefix(std::min(end + 1, tags.size()));
    }
    return language;
}

void SetDecimalSeparator(std::string_view separator)
{
    decimalSeparator = separator;
}

std::string SquareName(board::Index index, board::PieceCode code)
{
    return WithArguments(Translated({ kForm1, texts::kSquareName }),
                         { std::to_string(index.Row() + 1), std::to_string(index.Column() + 1),
                           Translated({ kForm1, texts::kPieceWords[board::Slot(code)] }) });
}

std::string SumBoxName()
{
    return Translated({ kForm1, texts::kSumBoxName });
}

std::string OkText()
{
    //: The button that closes the report of a picture that cannot be shown
    return Translated({ kPage, QT_TRANSLATE_NOOP("web::Page", "OK") });
}

std::string LocalSumText(const board::Board& board)
{
    return LocalDecimal(board::SumText(board));
}

std::string FailureMessage(std::string_view file, std::string_view folder, Reason reason, std::int64_t first,
                           std::int64_t second, std::string_view detail)
{
    const auto slot = static_cast<std::size_t>(reason);
    std::string why;
    if (reason == Reason::TooLargeFile)
        why = WithArguments(
            Translated(kReasons[slot]),
            { LocalDecimal(board::DecimalText(static_cast<double>(window::kMaxPictureFileBytes) / (1 << 20))) });
    else if (reason == Reason::TooManyScans)
        why = WithArguments(Translated(kReasons[slot]), { std::to_string(window::kMaxJpegScans) });
    else if (reason == Reason::NotReadable)
        why = WithArguments(Translated(kReasons[slot]), { std::string(detail) });
    else if (reason == Reason::ServerAnswered)
        why = WithArguments(Translated(kReasons[slot]), { std::to_string(first), std::string(detail) });
    else
        why = WithArguments(Translated(kReasons[slot]), { std::to_string(first), std::to_string(second) });
    return WithArguments(Translated({ kLoader, texts::kCannotShow }), { std::string(file), std::string(folder), why });
}

} // namespace web
