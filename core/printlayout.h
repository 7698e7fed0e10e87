#pragma once

#include "personfile.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QRect>
#include <QSize>
#include <QStringList>

#include <functional>

// The arithmetic of the printed layouts: person sheets (eight persons to a portrait page) and
// envelopes. Everything is placed in printer pixels from fractions of the page; the drawing itself
// is the windows' business, which pass in how wide and how high a text is in the font they use.

// Rounds to the nearest integer, halves to the even one (2.5 gives 2, 3.5 gives 4).
int roundHalfEven(double value);

// Text measured in the font of the given size (points); the windows measure on the real surface.
using TextHeightAt = std::function<int(int size)>;
using TextWidth = std::function<int(const QByteArray& text)>;

// The font size a layout prints with: from size 1 the size grows by one and the text is measured,
// until `bigEnough` accepts the height or more than `maxIncreases` increases were made. The size
// returned is the one measured last.
int fitFontSize(const TextHeightAt& height, const std::function<bool(int height)>& bigEnough, int maxIncreases);

// ---- Person sheets ----

inline constexpr int kSheetCells = 8;
inline constexpr char kPrintTitle[] = "ZUBO - drukowanie";

struct SheetGeometry {
    int MX = 0; // left margin
    int MY = 0; // top margin
    int CW = 0; // content width
    int CH = 0; // cell height
    int titleBarHeight = 0;
    QRect strip;       // where the side strip is drawn, and its size
    QPoint pageNumber; // top left of the page number
    int phoneX = 0;    // left of the phone column
    int fontLimit = 0; // the cell font grows until "FJj" is higher than this
    int stripFontLimit = 0;

    int cellTop(int cell) const { return MY + cell * CH; }
    QRect titleBar(int cell) const;
    // The top of a text line at `percent` of the cell's height.
    int lineY(int cell, int percent) const;
};

SheetGeometry sheetGeometry(QSize page);

// Where the n-th chosen person goes, in list order.
struct SheetSlot {
    int page = 0;
    int cell = 0;
    int progress = 0; // the gauge position while this person prints
};

// The slots of n persons: eight to a page, a last page for the rest.
QList<SheetSlot> sheetSlots(int count);
int sheetPageCount(int count);

// A text at its top-left corner.
struct PlacedText {
    int x = 0;
    int y = 0;
    QByteArray text;
    bool operator==(const PlacedText&) const = default;
};

// The lines of a cell under its title bar: address, province, birthday, the first three e-mail
// addresses and the first seven phone numbers. The name is placed by sheetNameX.
QList<PlacedText> sheetCellTexts(const SheetGeometry& g, int cell, const PersonRecord& person);

// The name is centred over the content width.
int sheetNameX(const SheetGeometry& g, int nameWidth);

// The side strip's text: the program, its web page and mail address, and today's date as
// "5 marca 2007".
QByteArray sheetStripText(QDate today, const QByteArray& webPage, const QByteArray& mail);

// ---- Envelopes ----

// An envelope layout in millimetres of a landscape A4 frame (297 x 210) stretched over the page.
struct EnvelopeFormat {
    int LeftMm;        // left edge of the recipient block
    int BottomMm;      // from the bottom edge up to the top of the first recipient line
    int WidthMm;       // usable width of a recipient line
    int BlockHeightMm; // height of the four recipient lines
    // The format the user chose in the printer setup: its own font, shifts and line rules.
    bool chosenFormat = false;
};

inline constexpr EnvelopeFormat kEnvelopeC6{90, 56, 55, 27, false};
inline constexpr EnvelopeFormat kEnvelopeDL{127, 60, 83, 31, false};
inline constexpr EnvelopeFormat kEnvelopeChosen{160, 105, 130, 60, true};

// The font rule of a format on a page PW pixels wide: whether a text height is big enough, and how
// many increases the fitting may make.
bool envelopeFontBigEnough(const EnvelopeFormat& format, int pageWidth, int textHeight);
int envelopeFontMaxIncreases(const EnvelopeFormat& format);

// The four recipient lines of one person, placed. The name is shortened with "..." when it does not
// fit even after the block moved left; a long street line moves the block further left.
QList<PlacedText> envelopeRecipient(const EnvelopeFormat& format, QSize page, const QByteArray& name,
                                    const PersonRecord& person, const TextWidth& width);

// The sender block's font size from the recipient's.
int envelopeSenderFontSize(const EnvelopeFormat& format, int recipientSize);

// The sender lines, placed; `textHeight` is measured at the sender's font size.
QList<PlacedText> envelopeSender(const EnvelopeFormat& format, QSize page, const QList<QByteArray>& lines,
                                 int textHeight);

// Upper case as the envelope prints towns and post offices, Polish letters included.
QByteArray upperCase1250(const QByteArray& text);
