// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

// The page's C interface to the board, the window's description and the texts. The page keeps no
// fact of its own: it asks here for the controls, the pictures' names and colours, the bounds, the
// sum and every word it shows. A square number the page passes is checked before it is used.

#include "board.h"
#include "formcontrols.h"
#include "picturelimits.h"
#include "picturesize.h"
#include "squarepictures.h"
#include "texts.h"
#include "weightedsum.h"

#include <emscripten/emscripten.h>

#include <array>
#include <optional>
#include <span>
#include <string>
#include <utility>

namespace {

board::Board theBoard;
// The text last returned: the page copies it before it calls again.
std::string answer;

const char* Answer(std::string text)
{
    answer = std::move(text);
    return answer.c_str();
}

std::string_view ControlName(window::ControlName name)
{
    switch (name) {
    case window::ControlName::C: return "C";
    case window::ControlName::Command2: return "Command2";
    case window::ControlName::Text1: return "Text1";
    case window::ControlName::Command1: return "Command1";
    }
    return {};
}

std::optional<web::ClaimedSize> claimed;

} // namespace

extern "C" {

// What a click on the square would store, or -1 for a number that is no square.
EMSCRIPTEN_KEEPALIVE int tessk_click_code(int square)
{
    const std::optional<board::Index> index = board::Index::Checked(square);
    return index ? static_cast<int>(theBoard.PlanClick(*index).next) : -1;
}

// The picture a click on the square shows; empty for a number that is no square.
EMSCRIPTEN_KEEPALIVE const char* tessk_click_picture(int square)
{
    const std::optional<board::Index> index = board::Index::Checked(square);
    return Answer(index ? std::string(theBoard.PlanClick(*index).picture) : std::string());
}

EMSCRIPTEN_KEEPALIVE const char* tessk_reset_picture(int square)
{
    const std::optional<board::Index> index = board::Index::Checked(square);
    return Answer(index ? std::string(board::Board::ResetSquare(*index)) : std::string());
}

EMSCRIPTEN_KEEPALIVE int tessk_empty_code()
{
    return static_cast<int>(board::PieceCode::Empty);
}

// The square rows and columns away from the given one, or -1 past the board's edge.
EMSCRIPTEN_KEEPALIVE int tessk_neighbour(int square, int rows, int columns)
{
    const std::optional<board::Index> index = board::Index::Checked(square);
    const std::optional<board::Index> neighbour = index ? board::Neighbour(*index, rows, columns) : std::nullopt;
    return neighbour ? neighbour->Value() : -1;
}

// Stores a code once its picture is shown; 0 when the square or the code is none, 1 when stored.
EMSCRIPTEN_KEEPALIVE int tessk_store_code(int square, int code)
{
    const std::optional<board::Index> index = board::Index::Checked(square);
    const auto piece = static_cast<board::PieceCode>(code);
    if (!index || code < 0 || !board::IsValidCode(piece))
        return 0;
    theBoard.StoreCode(*index, piece);
    return 1;
}

EMSCRIPTEN_KEEPALIVE const char* tessk_sum_text()
{
    return Answer(web::LocalSumText(theBoard));
}

// The square's name for a screen reader, with what it holds now.
EMSCRIPTEN_KEEPALIVE const char* tessk_square_name(int square)
{
    const std::optional<board::Index> index = board::Index::Checked(square);
    return Answer(index ? web::SquareName(*index, theBoard.CodeAt(*index)) : std::string());
}

// The colour of the square's first picture, as 0xRRGGBB.
EMSCRIPTEN_KEEPALIVE int tessk_shade_colour(int square)
{
    const std::optional<board::Index> index = board::Index::Checked(square);
    const drawings::Rgb colour = drawings::ShadeRgb(index ? board::ShadeOf(*index) : board::Shade::Light);
    return colour.red << 16 | colour.green << 8 | colour.blue;
}

// The user's languages, one BCP 47 tag a line; returns the code of the one the page speaks.
EMSCRIPTEN_KEEPALIVE const char* tessk_choose_language(const char* tags)
{
    return Answer(std::string(web::ChooseLanguage(tags)));
}

EMSCRIPTEN_KEEPALIVE void tessk_set_decimal_separator(const char* separator)
{
    web::SetDecimalSeparator(separator);
}

EMSCRIPTEN_KEEPALIVE const char* tessk_sum_box_name()
{
    return Answer(web::SumBoxName());
}

EMSCRIPTEN_KEEPALIVE const char* tessk_ok_text()
{
    return Answer(web::OkText());
}

EMSCRIPTEN_KEEPALIVE const char* tessk_caption()
{
    return Answer(std::string(window::kForm1Caption));
}

// The report of a picture that cannot be shown; reason is a web::Reason's name.
EMSCRIPTEN_KEEPALIVE const char* tessk_failure_message(const char* file, const char* folder, const char* reason,
                                                       double first, double second, const char* detail)
{
    const std::optional<web::Reason> named = web::ReasonNamed(reason);
    if (!named) // the page's own mistake: still a report, with the name it gave
        return Answer(web::FailureMessage(file, folder, web::Reason::NotReadable, 0, 0, reason));
    return Answer(web::FailureMessage(file, folder, *named, static_cast<std::int64_t>(first),
                                      static_cast<std::int64_t>(second), detail));
}

EMSCRIPTEN_KEEPALIVE double tessk_max_picture_bytes()
{
    return static_cast<double>(window::kMaxPictureFileBytes);
}

EMSCRIPTEN_KEEPALIVE int tessk_picture_side()
{
    return drawings::kPictureSide;
}

EMSCRIPTEN_KEEPALIVE int tessk_max_picture_side()
{
    return window::kMaxPictureSide;
}

// Reads what a picture's header claims from size bytes at bytes, before anything decodes them:
// 0 when the file is in no format the program reads, 2 when it is a JPEG of more scans than the
// bound, 1 otherwise (then tessk_claimed_width and _height tell the size it claims).
EMSCRIPTEN_KEEPALIVE int tessk_read_claimed_size(const std::uint8_t* bytes, int size)
{
    const std::span<const std::uint8_t> file(bytes, size > 0 ? static_cast<std::size_t>(size) : 0);
    claimed = web::ClaimedPictureSize(file);
    if (!claimed)
        return 0;
    return web::JpegScans(file) > window::kMaxJpegScans ? 2 : 1;
}

EMSCRIPTEN_KEEPALIVE double tessk_claimed_width()
{
    return claimed ? static_cast<double>(claimed->width) : 0.0;
}

EMSCRIPTEN_KEEPALIVE double tessk_claimed_height()
{
    return claimed ? static_cast<double>(claimed->height) : 0.0;
}

// The form's controls in stacking order, the topmost first, a line each: name, square number,
// left, top, width and height in pixels, tab index and caption, separated by tabs. The form's
// own width and height come first, and the fonts' point sizes (squares, Text1) second.
EMSCRIPTEN_KEEPALIVE const char* tessk_form_description()
{
    std::string text = std::to_string(window::Pixels(window::kForm1ClientWidth)) + '\t' +
                       std::to_string(window::Pixels(window::kForm1ClientHeight)) + '\n' +
                       board::DecimalText(window::kSquareFontPoints) + '\t' +
                       board::DecimalText(window::kText1FontPoints) + '\n';
    for (const window::ControlDescription& control : window::kForm1Controls) {
        const window::PixelRect place = control.Geometry();
        for (const std::string& field :
             { std::string(ControlName(control.name)), std::to_string(control.index), std::to_string(place.left),
               std::to_string(place.top), std::to_string(place.width), std::to_string(place.height),
               std::to_string(control.tabIndex) })
            text += field + '\t';
        text += std::string(control.caption) + '\n';
    }
    return Answer(std::move(text));
}

} // extern "C"
