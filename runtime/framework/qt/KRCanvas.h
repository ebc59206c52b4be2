// The device context of the views: pen, brush, font and the drawing operations the painting code
// was written against, over a QPainter.
//
// Pixel conventions (the old window system's, kept exactly):
// - Coordinates are whole pixels; pixel (x, y) is the square from (x, y) to (x + 1, y + 1).
// - A rectangle given as (Left, Top, Right, Bottom) covers the pixels Left <= x < Right and
//   Top <= y < Bottom: its right column and bottom row are outside. A QRect handed to the canvas
//   covers exactly its own pixels, so KRRect(L, T, R, B) == QRect(L, T, R - L, B - T).
// - Rectangle and Ellipse (0, 0, 6, 6) fit in 6 x 6 pixels with their outline; without a pen they
//   are one pixel narrower and lower (the outline's place stays empty).
// - A line from A to B (LineTo, Polyline, the edges of Polygon) does not draw B itself, so joined
//   segments draw each corner once and an inverted polyline inverts every pixel exactly once.
// - Polygons fill with the alternate (even-odd) rule: a pixel is inside when its centre is.
#pragma once

#include "framework/qt/KRColor.h"

#include <cstdint>
#include <string>
#include <vector>

#include <QFont>
#include <QPalette>
#include <QPoint>
#include <QPolygon>
#include <QRect>
#include <QRegion>

class QPainter;
class QPixmap;

namespace korvan {

enum TKRPenStyle : std::uint8_t { psSolid, psDot, psClear };
enum TKRBrushStyle : std::uint8_t { bsSolid, bsClear };
enum TKRBkMode : std::uint8_t { bkOpaque, bkTransparent };

// DrawEdge: the two rings of an edge, and which sides to draw.
inline constexpr unsigned BDR_RAISEDOUTER = 0x0001;
inline constexpr unsigned BDR_SUNKENOUTER = 0x0002;
inline constexpr unsigned BDR_RAISEDINNER = 0x0004;
inline constexpr unsigned BDR_SUNKENINNER = 0x0008;
inline constexpr unsigned EDGE_RAISED = BDR_RAISEDOUTER | BDR_RAISEDINNER;
inline constexpr unsigned EDGE_SUNKEN = BDR_SUNKENOUTER | BDR_SUNKENINNER;
inline constexpr unsigned EDGE_ETCHED = BDR_SUNKENOUTER | BDR_RAISEDINNER;
inline constexpr unsigned EDGE_BUMP = BDR_RAISEDOUTER | BDR_SUNKENINNER;

inline constexpr unsigned BF_LEFT = 0x0001;
inline constexpr unsigned BF_TOP = 0x0002;
inline constexpr unsigned BF_RIGHT = 0x0004;
inline constexpr unsigned BF_BOTTOM = 0x0008;
inline constexpr unsigned BF_RECT = BF_LEFT | BF_TOP | BF_RIGHT | BF_BOTTOM;
inline constexpr unsigned BF_MIDDLE = 0x0800;
inline constexpr unsigned BF_SOFT = 0x1000;
inline constexpr unsigned BF_FLAT = 0x4000;

// DrawText.
inline constexpr unsigned DT_TOP = 0x0000;
inline constexpr unsigned DT_LEFT = 0x0000;
inline constexpr unsigned DT_CENTER = 0x0001;
inline constexpr unsigned DT_RIGHT = 0x0002;
inline constexpr unsigned DT_VCENTER = 0x0004;
inline constexpr unsigned DT_BOTTOM = 0x0008;
inline constexpr unsigned DT_WORDBREAK = 0x0010;
inline constexpr unsigned DT_SINGLELINE = 0x0020;
inline constexpr unsigned DT_NOCLIP = 0x0100;
inline constexpr unsigned DT_CALCRECT = 0x0400;
inline constexpr unsigned DT_NOPREFIX = 0x0800;
inline constexpr unsigned DT_END_ELLIPSIS = 0x8000;
inline constexpr unsigned DT_MODIFYSTRING = 0x10000;

//! The rectangle of the pixels Left <= x < Right, Top <= y < Bottom.
inline QRect KRRect(int Left, int Top, int Right, int Bottom)
{
    return QRect(Left, Top, Right - Left, Bottom - Top);
}
//! The first column right of Rect and the first row below it: KRRect's Right and Bottom.
inline int KRRight(const QRect &Rect)
{
    return Rect.x() + Rect.width();
}
inline int KRBottom(const QRect &Rect)
{
    return Rect.y() + Rect.height();
}

//! Drawing state and operations over a painter that the caller owns and keeps alive. The painter
//! is switched to aliased drawing while the canvas exists and given back as it was. Colours are
//! TColor values; system colours come from the palette given at construction (the painted
//! widget's). A new canvas starts like a fresh device context: a black one-pixel solid pen, a white
//! solid brush, black text on an opaque white background, the painter's font.
class TKRCanvas
{
public:
    TKRCanvas(QPainter &Painter, const QPalette &Palette);
    ~TKRCanvas();
    TKRCanvas(const TKRCanvas &) = delete;
    TKRCanvas &operator=(const TKRCanvas &) = delete;

    QPainter &Painter() const { return FPainter; }
    const QPalette &Palette() const { return FPalette; }
    //! The colour Color stands for on this canvas.
    QColor ToQColor(TColor Color) const;

    // Drawing state.
    void SetPen(TColor Color, int Width = 1, TKRPenStyle Style = psSolid);
    TColor PenColor() const { return FState.PenColor; }
    int PenWidth() const { return FState.PenWidth; }
    TKRPenStyle PenStyle() const { return FState.PenStyle; }
    void SetBrush(TColor Color, TKRBrushStyle Style = bsSolid);
    TColor BrushColor() const { return FState.BrushColor; }
    TKRBrushStyle BrushStyle() const { return FState.BrushStyle; }
    void SetFont(const QFont &Font);
    const QFont &Font() const { return FState.Font; }
    void SetTextColor(TColor Color) { FState.TextColor = Color; }
    TColor TextColor() const { return FState.TextColor; }
    void SetBkColor(TColor Color) { FState.BkColor = Color; }
    TColor BkColor() const { return FState.BkColor; }
    void SetBkMode(TKRBkMode Mode) { FState.BkMode = Mode; }
    TKRBkMode BkMode() const { return FState.BkMode; }

    // Lines with the pen; the end point of each line is not drawn.
    void MoveTo(int X, int Y);
    void LineTo(int X, int Y);
    QPoint PenPos() const { return FState.PenPos; }
    //! Joined lines through Points; neither uses nor moves the pen position.
    void Polyline(const QPolygon &Points);
    //! Points joined as a closed polyline: filled with the brush, outlined with the pen.
    void Polygon(const QPolygon &Points);
    //! The same lines as Polyline, each pixel inverted instead of painted (a rubber band): drawn
    //! twice in the same place, the lines are gone. The pen's colour, width and style are ignored.
    void InvertPolyline(const QPolygon &Points);

    // Shapes in (Left, Top, Right, Bottom): filled with the brush, outlined with the pen.
    void Rectangle(int Left, int Top, int Right, int Bottom);
    void Rectangle(const QRect &Rect)
    {
        Rectangle(Rect.left(), Rect.top(), Rect.right() + 1, Rect.bottom() + 1);
    }
    void Ellipse(int Left, int Top, int Right, int Bottom);
    //! The part of Ellipse's outline that runs counter-clockwise from the ray from the centre
    //! through (X1, Y1) to the ray through (X2, Y2); both rays the same draw the whole outline.
    void Arc(int Left, int Top, int Right, int Bottom, int X1, int Y1, int X2, int Y2);
    //! Rect filled with Color; pen and brush are left alone.
    void FillRect(const QRect &Rect, TColor Color);
    //! A one-pixel frame in Color along the inside of Rect.
    void FrameRect(const QRect &Rect, TColor Color);
    //! The two-pixel 3D edge Edge (EDGE_..., BDR_...) on the sides in Flags (BF_...) along the
    //! inside of Rect, in the system colours. BF_MIDDLE fills what is left inside with the button
    //! face; BF_FLAT draws the outer ring in the button shadow colour and the inner ring in the
    //! button face colour; BF_SOFT gives the highlight to the outer ring.
    void DrawEdge(const QRect &Rect, unsigned Edge, unsigned Flags);
    //! A dotted frame along the inside of Rect, every other pixel inverted; drawn twice it is gone.
    void DrawFocusRect(const QRect &Rect);
    //! A masked copy: the pixels of Pixmap that its mask (its alpha) keeps, at (X, Y).
    void DrawMasked(int X, int Y, const QPixmap &Pixmap);

    // Text in the font, with the text colour; with an opaque background each line's cell is filled
    // with the background colour first.
    //! Draws Text (UTF-8) in Rect by Flags (DT_...) and returns the height of the text. Lines break
    //! at line feeds (a CR before it is dropped) unless DT_SINGLELINE; DT_WORDBREAK also breaks
    //! between words to fit Rect's width. DT_VCENTER and DT_BOTTOM apply to single lines. Unless
    //! DT_NOPREFIX, "&x" draws x underlined and "&&" draws "&". DT_END_ELLIPSIS ends a line that
    //! is too wide with "..." and, with DT_MODIFYSTRING, gives the shortened text back in Text.
    //! DT_CALCRECT draws nothing: it sets Rect's width to the widest line and its height to the
    //! text height. Drawing is clipped to Rect unless DT_NOCLIP.
    int DrawText(std::string &Text, QRect &Rect, unsigned Flags);
    //! DrawText that neither measures nor gives anything back.
    int DrawText(const std::string &Text, const QRect &Rect, unsigned Flags);
    //! Width and height of Text on one line in the font.
    QSize TextExtent(const std::string &Text) const;
    int TextWidth(const std::string &Text) const { return TextExtent(Text).width(); }
    int TextHeight(const std::string &Text) const { return TextExtent(Text).height(); }

    // Clipping, in the painter's coordinates. The area of a paint event is part of the clip.
    void ExcludeClipRect(const QRect &Rect);
    void IntersectClipRect(const QRect &Rect);
    //! Whether any pixel of Rect may still be painted.
    bool RectVisible(const QRect &Rect) const;

    //! Saves the drawing state and the clip; returns the number of saved states, the new one
    //! included.
    int Save();
    //! Restores the state saved by the Save call that returned Level, dropping the ones saved after
    //! it; Level -1 restores the latest. Nothing happens when there is no such state.
    void Restore(int Level = -1);

private:
    struct TState
    {
        TColor PenColor = clBlack;
        int PenWidth = 1;
        TKRPenStyle PenStyle = psSolid;
        TColor BrushColor = clWhite;
        TKRBrushStyle BrushStyle = bsSolid;
        QFont Font;
        TColor TextColor = clBlack;
        TColor BkColor = clWhite;
        TKRBkMode BkMode = bkOpaque;
        QPoint PenPos;
    };
    enum TPaint : std::uint8_t { pmPen, pmInvert };

    bool HasPen() const { return FState.PenStyle != psClear; }
    bool HasBrush() const { return FState.BrushStyle != bsClear; }
    void Line(QPoint From, QPoint To, int &DotPhase, TPaint Mode);
    void WideLines(const QPolygon &Points, bool Closed);
    void PutPixels(const std::vector<QPoint> &Pixels, const QColor &Color, TPaint Mode);
    void FillSpans(const std::vector<std::pair<int, int>> &Spans, int Top, const QColor &Color);
    QRegion ClipBase() const;
    int DrawLines(const std::vector<QString> &Lines, const QRect &Rect, unsigned Flags);

    QPainter &FPainter;
    QPalette FPalette;
    TState FState;
    std::vector<TState> FSaved;
    int FDotPhase = 0; // where the dotted pen's pattern stands along joined LineTo calls
};

} // namespace korvan
