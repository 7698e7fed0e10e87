#pragma once

#include "FlatUtilitys.h"

#include <QFont>
#include <QObject>
#include <QPointer>
#include <QWidget>

#include <array>

class TFlatHintWindow;

// What a show-hint handler learns about the hint about to be shown.
struct THintInfo {
    QWidget* hintControl = nullptr;
    QPoint cursorPos;
};

// The application's tooltip look. Creating one makes every tooltip of the application a
// TFlatHintWindow and sets the hint timings; the hint window takes colours, font and width from
// the first TFlatHint of the main form (SetMainForm), or the defaults below when it has none.
class TFlatHint : public QObject {
    Q_OBJECT
public:
    explicit TFlatHint(QObject* owner = nullptr);
    ~TFlatHint() override;

    // Colours by index: 0 ColorBackground, 1 ColorBorder, 2 ColorArrowBackground, 3 ColorArrow.
    // Only stores: a hint on screen keeps its colours until it is shown again.
    void SetIndexedColor(int index, TColor value);
    TColor ColorBackground() const { return m_colors[0]; }
    TColor ColorBorder() const { return m_colors[1]; }
    TColor ColorArrowBackground() const { return m_colors[2]; }
    TColor ColorArrow() const { return m_colors[3]; }
    int MaxHintWidth() const { return m_maxHintWidth; }
    void SetMaxHintWidth(int width) { m_maxHintWidth = width; }
    const QFont& Font() const { return m_font; }
    void SetFont(const QFont& font) { m_font = font; }

    // Passes the hint about to be shown to OnShowHint, which may change the text or forbid it.
    void HandleShowHint(QString& hintStr, bool& canShow, THintInfo& hintInfo);

    // The main form whose first TFlatHint styles every hint of the application.
    static void SetMainForm(QWidget* form);
    static QWidget* MainForm();
    static TFlatHint* FindMainFormHint();
    // The window that shows every hint while any TFlatHint exists, else none.
    static TFlatHintWindow* ApplicationHintWindow();

    static constexpr int HintPause = 500;
    static constexpr int HintShortPause = 25;
    static constexpr int HintHidePause = 10000;

signals:
    void OnShowHint(QString& hintStr, bool& canShow, THintInfo& hintInfo);

private:
    std::array<TColor, 4> m_colors{0xFFFFFF, 0x000000, 0x53D2FF, 0x000000};
    int m_maxHintWidth = 200;
    QFont m_font = DefaultUiFont();
};

// The hint window: a white text box with a thin border and a golden band, with a small arrow in
// its corner, on the side facing the mouse pointer.
class TFlatHintWindow : public QWidget {
    Q_OBJECT
public:
    // Arrow positions by the screen quarter that holds the pointer.
    enum ArrowPosition { TopRight = 0, TopLeft = 1, BottomRight = 2, BottomLeft = 3 };

    struct Placement {
        ArrowPosition arrow;
        QRect window;
    };
    // Where a hint of this size goes for a pointer on this screen: away from the pointer, towards
    // the middle of the screen; 12 pixels off in the top-left quarter, 5 elsewhere.
    static Placement PlaceHint(QPoint cursor, const QRect& screen, QSize size);

    explicit TFlatHintWindow(QWidget* parent = nullptr);

    // Measures the text within MaxHintWidth, places the window by the cursor and shows it without
    // taking the focus. Only rect's top-left matters.
    void ShowHintAt(const TRect& rect, const QString& hintText);

    ArrowPosition Arrow() const { return m_arrow; }
    QString Caption() const { return m_caption; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    ArrowPosition m_arrow = BottomRight;
    QString m_caption;
    // Taken from the hint component when shown, so later changes wait for the next hint.
    std::array<TColor, 4> m_colors{0xFFFFFF, 0x000000, 0x53D2FF, 0x000000};
    QFont m_font = DefaultUiFont();
};
