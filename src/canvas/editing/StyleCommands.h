#pragma once

#include "canvas/editing/ObjectStyle.h"
#include "commands/CommandTarget.h"

#include <QString>
#include <optional>

class CanvasModel;
class PageObject;
struct DrawingStyle;

// The style and text commands of the page: line and fill, shadows, copied styles and
// the text toolbar. Each change to the current object is one undo step; the choices
// also become what new objects are drawn with.
namespace StyleCommands {

// The widths the line width pop-up offers and the styles of the line type pop-up, in
// the order they are shown.
inline constexpr int kLineWidths[] = {1, 2, 3, 4, 5, 6, 8, 10, 12, 14, 16, 20};
inline constexpr int kLineStyles[] = {0, 1, 2, 4, 3};

// The shadow a Shadow Setting dialog gives.
struct Shadow
{
    int type = 0;
    ColorRef color = Rgb(127, 127, 127);
    std::uint8_t alpha = 255;
    int dx = 5;
    int dy = 5;
};

bool Handles(int commandId);
CommandState StateOf(int commandId, const PageObject* current, bool hasStoredStyle);

// Kinds the style commands work on.
bool TakesLineStyle(const PageObject* object);
bool TakesShadow(const PageObject* object);
bool TakesFill(const PageObject* object);

bool SetLineColor(CanvasModel& model, DrawingStyle& style, ColorRef color);
bool SetFillColor(CanvasModel& model, DrawingStyle& style, ColorRef color);
bool SetLineWidth(CanvasModel& model, DrawingStyle& style, int width);
bool SetLineStyle(CanvasModel& model, DrawingStyle& style, int lineStyle);
bool SetShadow(CanvasModel& model, DrawingStyle& style, const Shadow& shadow);
// Not Fill and Solid Fill. Solid Fill refuses a locked object, saying so.
bool SetFilled(CanvasModel& model, bool filled);
bool GiveStyle(CanvasModel& model, const ObjectStyle& style);

// The text toolbar's commands that need no choice: bold, italic, underline (bold also
// for a calendar's days), the four alignments and the two 15-degree turns.
bool RunTextCommand(int commandId, CanvasModel& model);
bool SetTextColor(CanvasModel& model, ColorRef color);
bool SetFontName(CanvasModel& model, const QString& faceName);
bool SetFontSize(CanvasModel& model, int size);

} // namespace StyleCommands
