#pragma once

// Where every stored field of every object lives in its record. One description per
// type serves the writer, the reader and the JSON dump alike, so they cannot drift
// apart. `Io` supplies the field operations; `Object` is const for writing.

#include "canvas/objects/CalendarObject.h"
#include "canvas/objects/CurveObject.h"
#include "canvas/objects/ShapeObject.h"
#include "canvas/objects/PhotoObject.h"
#include "canvas/objects/SymbolObject.h"
#include "canvas/objects/TextObject.h"

#include <type_traits>

namespace WrnLayout {

template <class T, class U>
using Like = std::conditional_t<std::is_const_v<T>, const U, U>;

template <class Io, class Photo>
void Fields(Io& io, Photo& o, const PhotoObject*)
{
    io.Rect(0, "m_rect", o.m_rect);
    io.Text(16, 256, "m_strPath", o.m_strPath);
    io.Int(532, "m_nFrameShape", o.m_nFrameShape);
    io.Int(536, "m_nOption", o.m_nOption);
    io.Int(540, "m_nAngle", o.m_nAngle);
    io.Byte(544, "m_nFillAlpha", o.m_nFillAlpha);
    io.Int(548, "m_bBevel", o.m_bBevel);
    io.Int(552, "m_bTornEdge", o.m_bTornEdge);
    io.Int(556, "m_bCircleFade", o.m_bCircleFade);
    io.Int(560, "m_bPhotoShadow", o.m_bPhotoShadow);
    io.Int(564, "m_bGray", o.m_bGray);
    io.Int(572, "m_nMirror", o.m_nMirror);
    io.Float(576, "m_fRed", o.m_fRed);
    io.Float(580, "m_fGreen", o.m_fGreen);
    io.Float(584, "m_fBlue", o.m_fBlue);
    io.Int(588, "m_nBrightness", o.m_nBrightness);
    io.Int(592, "m_nContrast", o.m_nContrast);
    io.Int(596, "m_nSaturation", o.m_nSaturation);
    io.Color(600, "m_crLine", o.m_crLine);
    io.Int(604, "m_nLineWidth", o.m_nLineWidth);
    io.Int(608, "m_nBorder", o.m_nBorder);
    io.Int(612, "m_nPictureKind", o.m_nPictureKind);
    io.Color(616, "m_crShadow", o.m_crShadow);
    io.Int(620, "m_nPhotoShadowDir", o.m_nPhotoShadowDir);
    io.Int(624, "m_nPhotoShadowSize", o.m_nPhotoShadowSize);
    io.Byte(628, "m_nShadowAlpha", o.m_nShadowAlpha);
    io.Int(632, "m_nShadowType", o.m_nShadowType);
    io.Int(636, "m_bLocked", o.m_bLocked);
}

// The fields shapes and curves share, at the same places.
template <class Io, class Object>
void FigureStyleFields(Io& io, Object& o)
{
    io.Rect(4, "m_rect", o.m_rect);
    io.Int(20, "m_bFill", o.m_bFill);
    io.Color(24, "m_crFill", o.m_crFill);
    io.Int(28, "m_bLocked", o.m_bLocked);
    io.Int(32, "m_nLineWidth", o.m_nLineWidth);
    io.Color(36, "m_crLine", o.m_crLine);
    io.Int(40, "m_nLineStyle", o.m_nLineStyle);
    io.Int(44, "m_nAngle", o.m_nAngle);
    io.Byte(48, "m_nFillAlpha", o.m_nFillAlpha);
    io.Int(52, "m_nFillType", o.m_nFillType);
    io.Int(60, "m_nGradientStyle", o.m_nGradientStyle);
}

template <class Io, class Shape>
void Fields(Io& io, Shape& o, const ShapeObject*)
{
    io.Int(0, "m_nShape", o.m_nShape);
    FigureStyleFields(io, o);
    io.Int(56, "m_nPattern", o.m_nPattern);
    io.Int(76, "shapeValueA", o.m_nShapeValueA);
    io.Int(80, "shapeValueB", o.m_nShapeValueB);
    io.Int(84, "m_nStarPoints", o.m_nStarPoints);
    io.Int(88, "shapeValueC", o.m_nShapeValueC);
    io.Int(92, "shapeValueD", o.m_nShapeValueD);
    io.Int(96, "shapeValueE", o.m_nShapeValueE);
    io.Int(100, "shapeValueF", o.m_nShapeValueF);
    io.Int(104, "shapeValueG", o.m_nShapeValueG);
    io.Double(112, "shapeScaleX", o.m_dShapeScaleX);
    io.Double(120, "shapeScaleY", o.m_dShapeScaleY);
    io.Text(128, 256, "m_strTexture", o.m_strTexture);
}

template <class Io, class Curve>
void Fields(Io& io, Curve& o, const CurveObject*)
{
    io.Int(0, "m_nCurveKind", o.m_nCurveKind);
    FigureStyleFields(io, o);
    io.Int(56, "m_nCurveOption", o.m_nCurveOption);
    io.Text(76, 256, "m_strTexture", o.m_strTexture);
    io.Int(588, "m_bNoLine", o.m_bNoLine);
    io.Vertices(592, 8592, CurveObject::kMaxVertices, o.m_vertices);
}

template <class Io, class Text>
void Fields(Io& io, Text& o, const TextObject*)
{
    io.Rect(0, "m_rect", o.m_rect);
    io.Text(16, 4096, "m_strText", o.m_strText);
    io.Int(8208, "m_nAngle", o.m_nAngle);
    io.Int(8212, "m_nTextEffect", o.m_nTextEffect);
    io.Int(8216, "m_nTextStyle", o.m_nTextStyle);
    io.Text(8220, 32, "m_strFontName", o.m_strFontName);
    io.Int(8284, "m_nFontSize", o.m_nFontSize);
    io.Byte(8288, "m_nFillAlpha", o.m_nFillAlpha);
    io.Color(8296, "m_crShadow", o.m_crShadow);
    io.Color(8300, "m_crLine", o.m_crLine);
    io.Color(8304, "m_crFill", o.m_crFill);
    io.Color(8308, "m_crOutline2", o.m_crOutline2);
    io.Int(8312, "m_nFillType", o.m_nFillType);
    io.Int(8316, "m_nPattern", o.m_nPattern);
    io.Int(8320, "m_nGradientStyle", o.m_nGradientStyle);
    io.Int(8324, "m_bLocked", o.m_bLocked);
    io.Int(8328, "m_bBold", o.m_bBold);
    io.Int(8332, "m_bItalic", o.m_bItalic);
    io.Int(8336, "m_bUnderline", o.m_bUnderline);
    io.Int(8340, "m_nTextOption4", o.m_nTextOption4);
    io.Int(8344, "m_bNoLine", o.m_bNoLine);
    io.Int(8348, "m_nTextOption5", o.m_nTextOption5);
    io.Int(8352, "m_nOutlineWidth", o.m_nOutlineWidth);
    io.Int(8356, "m_nAlign", o.m_nAlign);
}

template <class Io, class Calendar>
void Fields(Io& io, Calendar& o, const CalendarObject*)
{
    io.Rect(0, "m_rect", o.m_rect);
    io.Text(16, 50, "m_strName", o.m_strName);
    io.Int(116, "m_nYear", o.m_nYear);
    io.Int(120, "m_nMonth", o.m_nMonth);
    io.Int(124, "m_nCalendarShape", o.m_nCalendarShape);
    io.Color(128, "m_crFill", o.m_crFill);
    io.Color(132, "m_crFill2", o.m_crFill2);
    io.Color(136, "m_crDay", o.m_crDay);
    io.Int(140, "m_bDayItalic", o.m_bDayItalic);
    io.Int(144, "m_bDayBold", o.m_bDayBold);
    io.Int(148, "m_bFill", o.m_bFill);
    io.Text(152, 50, "m_strDayFont", o.m_strDayFont);
    io.Int(252, "m_nAngle", o.m_nAngle);
    io.Int(260, "m_nFillType", o.m_nFillType);
    io.Int(264, "m_nPattern", o.m_nPattern);
    io.Int(268, "m_nGradientStyle", o.m_nGradientStyle);
    io.Color(272, "m_crShadow", o.m_crShadow);
    io.IntAsFloat(276, "m_nLineWidth", o.m_nLineWidth);
    io.Color(280, "m_crLine", o.m_crLine);
    io.Int(284, "m_bTitleBold", o.m_bTitleBold);
    io.Int(288, "m_bTitleItalic", o.m_bTitleItalic);
    io.Int(292, "m_bWeekdayItalic", o.m_bWeekdayItalic);
    io.Int(296, "m_bWeekdayBold", o.m_bWeekdayBold);
    io.Int(300, "m_nTitleSize", o.m_nTitleSize);
    io.Int(304, "m_nWeekdaySize", o.m_nWeekdaySize);
    io.Color(308, "m_crTitle", o.m_crTitle);
    io.Color(312, "m_crWeekday", o.m_crWeekday);
    io.Text(316, 100, "m_strTitleFont", o.m_strTitleFont);
    io.Text(516, 100, "m_strWeekdayFont", o.m_strWeekdayFont);
    io.Int(716, "m_nDaySize", o.m_nDaySize);
    // A place older readers skip, so the shown year survives without changing the layout.
    io.Int(720, "m_bShowYear", o.m_bShowYear);
    io.Int(724, "m_bNoLine", o.m_bNoLine);
    io.Int(728, "m_bTopLeftNumbers", o.m_bTopLeftNumbers);
    io.Int(732, "m_bCellBorders", o.m_bCellBorders);
    io.Color(736, "m_crHoliday", o.m_crHoliday);
    io.Color(740, "m_crWeekdayBand", o.m_crWeekdayBand);
    io.Color(744, "m_crCalendar", o.m_crCalendar);
    io.Int(748, "m_bNoBackground", o.m_bNoBackground);
    io.Int(752, "m_bNoWeekdayBand", o.m_bNoWeekdayBand);
    io.Int(756, "m_nHolidayMark", o.m_nHolidayMark);
    io.Int(760, "m_nWeekdayStyle", o.m_nWeekdayStyle);
    io.Int(764, "m_bSundayFirst", o.m_bSundayFirst);
    io.Int(768, "m_bOwnLanguage", o.m_bOwnLanguage);
}

template <class Io, class Symbol>
void Fields(Io& io, Symbol& o, const SymbolObject*)
{
    io.Rect(0, "m_rect", o.m_rect);
    io.Color(16, "m_crSymbol", o.m_crSymbol);
    io.Text(20, 30, "m_strSymbolFont", o.m_strSymbolFont);
    io.Int(80, "m_nSymbolChar", o.m_nSymbolChar);
    io.Int(84, "m_nAngle", o.m_nAngle);
    io.Int(88, "m_bSelected", o.m_bSelected);
    io.Int(92, "m_bLocked", o.m_bLocked);
}

// Runs the layout of the object's own type; false for a type that is never stored.
template <class Io, class Object>
bool VisitFields(Io& io, Object& object)
{
    auto visit = [&](auto* tag) {
        using Concrete = std::remove_pointer_t<decltype(tag)>;
        Fields(io, static_cast<Like<Object, Concrete>&>(object), tag);
        return true;
    };
    switch (object.m_nType) {
    case ObjectType::Photo: return visit(static_cast<PhotoObject*>(nullptr));
    case ObjectType::Text: return visit(static_cast<TextObject*>(nullptr));
    case ObjectType::Calendar: return visit(static_cast<CalendarObject*>(nullptr));
    case ObjectType::Shape: return visit(static_cast<ShapeObject*>(nullptr));
    case ObjectType::Curve: return visit(static_cast<CurveObject*>(nullptr));
    case ObjectType::Symbol: return visit(static_cast<SymbolObject*>(nullptr));
    default: return false;
    }
}

} // namespace WrnLayout
