#pragma once

#include "FlatColors.h"
#include "desktop.h"

#include <QFont>
#include <QImage>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

class QFontMetrics;
class QMouseEvent;
class QPainter;
class QTimer;

// The programs' user-interface font (an 8-point sans serif, 11 pixels high, unsmoothed), in one
// place so every window looks the same. main() sets it as the application font; controls inherit it.
QFont DefaultUiFont();

// A rectangle as the drawing code measures it: right and bottom are exclusive, so a rectangle
// (0, 0, 11, 11) covers 11 x 11 pixels.
struct TRect {
    int left = 0, top = 0, right = 0, bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool isEmpty() const { return right <= left || bottom <= top; }
    bool contains(QPoint p) const { return p.x() >= left && p.x() < right && p.y() >= top && p.y() < bottom; }
    TRect shrunk(int dx, int dy) const { return {left + dx, top + dy, right - dx, bottom - dy}; }
    TRect moved(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
    QRect toQRect() const { return QRect(left, top, right - left, bottom - top); }
    static TRect of(const QRect& r) { return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()}; }
    bool operator==(const TRect&) const = default;
};

// Percentage 0..100 of the derived ("advanced") colours.
using TAdvColors = int;

// The speed button's glyph position relative to its caption.
enum TButtonLayout { blGlyphLeft = 0, blGlyphRight = 1, blGlyphTop = 2, blGlyphBottom = 3 };

// Percent 0 gives Fallback; otherwise the base colour (system colours resolved) with its scaled
// lightness raised by 10 and then moved by Percent, clamped to 0..100. The result depends only on
// the base colour and the percent, so recalculating never compounds.
TColor ShadeFromParentColor(TColor baseColor, TColor fallbackColor, TAdvColors percent, bool darken);

// A new image of the glyph's size filled with BackColor, on which the glyph's KeyColor pixels are
// drawn in ShadowColor, and with WithHighlight first once more moved by (1, 1) in HighlightColor:
// the embossed look of a disabled button.
QImage MakeDisabledGlyph(const QImage& glyph, TColor keyColor, TColor backColor, TColor highlightColor,
                         TColor shadowColor, bool withHighlight);

// Places the glyph and the caption of a button in Client (divisions truncate). Margin -1 centres,
// Spacing -1 centres the caption in the room after the glyph. TextBounds comes back as the
// caption's rectangle; a null glyph means none.
void LayoutGlyphAndCaption(const QFontMetrics& fm, const TRect& client, QPoint offset, QPoint& glyphPos,
                           TRect& textBounds, const QString& caption, int numGlyphs, const QImage& glyph, int margin,
                           int spacing, TButtonLayout layout);

// Pixel-exact drawing in the controls' coordinates: aliased, one pixel wide, rectangles with
// exclusive right and bottom edges.
void FillRect(QPainter& p, const TRect& r, TColor c);
// One-pixel frame along the inside of r.
void FrameRect(QPainter& p, const TRect& r, TColor c);
// Top and left edges in topLeft, bottom and right in bottomRight; r shrinks by one pixel.
void Frame3D(QPainter& p, TRect& r, TColor topLeft, TColor bottomRight);
// The pixels of a line from a towards b, without b itself.
void DrawLine(QPainter& p, QPoint a, QPoint b, TColor c);
// An open polyline: each segment without its end point, the last point not drawn.
void DrawPolyline(QPainter& p, const std::vector<QPoint>& points, TColor c);
// A filled convex polygon whose outline is drawn in the same colour.
void FillPolygon(QPainter& p, const std::vector<QPoint>& points, TColor c);
// Draws an image leaving out the pixels of one colour.
void DrawTransparent(QPainter& p, QPoint at, const QImage& image, QRgb transparent);
// Disabled text: once moved by (1, 1) in clBtnHighlight, then in place in clBtnShadow.
void DrawEmbossedText(QPainter& p, const TRect& r, int flags, const QString& text);
// Embossed filled triangle: white moved by (1, 1), then grey in place.
void FillEmbossedPolygon(QPainter& p, const std::vector<QPoint>& points);

// One timer shared by all instances of a control class (the hover timer of the buttons and boxes,
// the scroll timer of the list boxes): created with the first instance, freed with the last, and
// ticking into one instance at a time. The tick never reaches a destroyed control: leave() stops the
// timer when its owner goes, and the owner is held by a guarded pointer.
class ClassTimer {
public:
    explicit ClassTimer(int intervalMs);
    ~ClassTimer();

    void join();
    void leave(QWidget* control);

    // Gives the ticks to owner and starts the timer.
    void start(QWidget* owner, std::function<void()> tick);
    void stop();
    // Stops the timer and forgets the owner when the owner is control.
    void release(QWidget* control);

    QWidget* owner() const { return m_owner; }
    bool isActive() const;
    int interval() const;
    void setInterval(int ms);
    int instances() const { return m_count; }
    bool exists() const { return m_timer != nullptr; }

private:
    int m_defaultInterval;
    int m_count = 0;
    std::unique_ptr<QTimer> m_timer;
    QPointer<QWidget> m_owner;
    std::function<void()> m_tick;
};

// True while the cursor is over w, the test of every hover timer tick.
bool CursorIsOver(const QWidget* w);

// A colour derived from the face colour: colour `color` of the table becomes the face colour
// lightened or darkened by percentage `percent`.
struct AdvColorRule {
    int color;
    int percent;
    bool darken;
};

// What the self-drawn flat controls share: the face colour, which is the parent's while
// ParentColor is on; the table of colours that one indexed setter fills; the derived ("advanced")
// colours; and the mouse events in the windows' terms.
class TFlatControl : public QWidget {
    Q_OBJECT
public:
    TColor Color() const;
    // Setting a colour of its own turns ParentColor off.
    void SetColor(TColor c);
    bool ParentColor() const { return m_parentColor; }
    void SetParentColor(bool on);

    // Stores Value in the colour named by Index and repaints, without comparing with the old value;
    // an index beyond the table stores nothing but still repaints.
    void SetIndexedColor(int index, TColor value);
    // Stores a percentage, recalculates the derived colours and repaints.
    void SetAdvColor(int index, TAdvColors value);
    bool UseAdvColors() const { return m_useAdvColors; }
    void SetUseAdvColors(bool on);
    // While UseAdvColors is on, derives the colours of the rules from the face colour.
    void CalcAdvColors();

signals:
    void OnClick();
    void OnMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void OnMouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers shift, int x, int y);
    void OnMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);

protected:
    TFlatControl(QWidget* parent, TColor color, bool parentColor, std::vector<TColor> colors,
                 std::vector<TAdvColors> advColors, std::vector<AdvColorRule> rules);

    TColor IndexedColor(int index) const { return m_colors[std::size_t(index)]; }
    TAdvColors AdvColor(int index) const { return m_advColors[std::size_t(index)]; }

    // The parent's colour or the system colours changed: with derived colours on, the control
    // takes the parent's colour again and derives anew; it always repaints.
    void changeEvent(QEvent* e) override;

    void emitMouseDown(const QMouseEvent* e);
    void emitMouseMove(const QMouseEvent* e);
    void emitMouseUp(const QMouseEvent* e);

private:
    TColor m_color;
    bool m_parentColor;
    std::vector<TColor> m_colors;
    std::vector<TAdvColors> m_advColors;
    std::vector<AdvColorRule> m_rules;
    bool m_useAdvColors = false;
};

// What the buttons and boxes share: a caption whose marked letter (after "&") is an accelerator,
// and the hover rule, tracked by one 100 ms timer per control class: on a mouse move onto the
// control the control hovered before leaves and, only while the application has an active window,
// this one takes the timer and lights up; each tick checks that the cursor is still there. The
// hover stays while the left button is held on the control. Leaving the control, and its window
// closing over it, drop the hover at once: a control hidden under the mouse sees no more ticks
// that could drop it.
class TFlatButtonControl : public TFlatControl {
    Q_OBJECT
public:
    ~TFlatButtonControl() override;

    QString Caption() const { return m_caption; }
    void SetCaption(const QString& caption);

    bool Hovered() const { return m_hovered; }
    void MouseEnter();
    void MouseLeave();
    void HoverTimerTick();
    void StopHoverTimer();

protected:
    // timer: the hover timer of the concrete class, which this instance joins.
    TFlatButtonControl(QWidget* parent, ClassTimer& timer, TColor color, std::vector<TColor> colors,
                       std::vector<TAdvColors> advColors, std::vector<AdvColorRule> rules);

    // Runs the hover rule for a mouse move to a point of the control.
    void TrackHover(QPoint localPos);
    // The control hovered so far leaves and this one takes the class's timer, whose ticks drop
    // the hover once the cursor is gone.
    void TakeHoverTimer();
    // The caption's accelerator was pressed while the control is enabled.
    virtual void AcceleratorPressed() = 0;
    bool event(QEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void hideEvent(QHideEvent* e) override;

    bool m_hovered = false;
    // The left button went down on the control and is not yet released.
    bool m_leftHeld = false;

private:
    ClassTimer& m_hoverTimer;
    QString m_caption;
    int m_shortcutId = 0;
};
