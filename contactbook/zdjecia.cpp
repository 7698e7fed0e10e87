#include "zdjecia.h"

#include "windowparts.h"

#include "TFlatGaugeUnit.h"
#include "TFlatSpeedButtonUnit.h"
#include "codec1250.h"
#include "datafolders.h"
#include "desktop.h"
#include "dialogrunner.h"
#include "filewriter.h"
#include "jpegdecoder.h"
#include "picture.h"
#include "picturechooser.h"
#include "picturefile.h"
#include "prompter.h"
#include "schemecolours.h"
#include "settings.h"
#include "shape.h"
#include "texttargets.h"
#include "windowplace.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>

#include <chrono>

namespace zdjecia {
namespace {

constexpr int kPictureError = 10;
constexpr TColor clTeal = 0x808000;
// The scroll box's background, which also fills the parts of a square that lie off the picture.
constexpr TColor kBoxBackground = clMedGray;
const ScrollBoxFrame kBox;

// Writes a picture as a bitmap file; false with `error` naming the file when it was not written.
bool writeBitmap(const FileWriter& writer, const QString& path, const QImage& picture, QString* error)
{
    // The writer keeps a link and replaces what it points to: a link here that leads out of the
    // data folder (an unpacked archive) is never written through.
    if (isLinkLeadingOut(path, {QFileInfo(path).absolutePath()})) {
        if (error)
            *error = QStringLiteral("%1: a link out of the data folders").arg(path);
        return false;
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.save(&buffer, "BMP")) {
        if (error)
            *error = path;
        return false;
    }
    return writer.writeAtomically(path, bytes, error);
}

// The picture as the window shows it: 32 bits a pixel, transparent parts on the box's background.
QImage opaque(const QImage& picture)
{
    if (!picture.hasAlphaChannel())
        return picture.convertToFormat(QImage::Format_RGB32);
    QImage flat(picture.size(), QImage::Format_RGB32);
    flat.fill(toQColor(kBoxBackground));
    QPainter p(&flat);
    p.drawImage(0, 0, picture);
    return flat;
}

} // namespace

TCropShape::TCropShape(QWidget* parent)
    : QWidget(parent)
{}

void TCropShape::SetBrush(TColor color, Qt::BrushStyle style)
{
    if (m_brushColor == color && m_brushStyle == style)
        return;
    m_brushColor = color;
    m_brushStyle = style;
    update();
}

void TCropShape::SetPenColor(TColor color)
{
    if (m_penColor == color)
        return;
    m_penColor = color;
    update();
}

void TCropShape::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    // A hatched brush leaves the picture showing between its lines.
    p.fillRect(rect(), QBrush(toQColor(m_brushColor), m_brushStyle));
    p.setPen(toQColor(m_penColor));
    p.setBrush(Qt::NoBrush);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void TCropShape::mousePressEvent(QMouseEvent* event)
{
    emit OnMouseDown(event->position().toPoint());
}

void TCropShape::mouseMoveEvent(QMouseEvent* event)
{
    emit OnMouseMove(event->position().toPoint());
}

void TCropShape::mouseReleaseEvent(QMouseEvent* event)
{
    emit OnMouseUp(event->position().toPoint());
}

TForm4::TForm4(const ProgramState& state, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint)
    , m_state(state)
{
    // Qt draws every window double-buffered, so the square moves over the picture without flicker.
    setWindowTitle(windowCaption());
    setFixedSize(687, 469);
    setFont(DefaultUiFont());

    ScrollBox1 = new QScrollArea(this);
    ScrollBox1->setGeometry(QRect(kBox.pos, kBox.size));
    ScrollBox1->setFrameStyle(QFrame::NoFrame);
    ScrollBox1->setWidgetResizable(false);
    SetWidgetColor(ScrollBox1->viewport(), kBoxBackground);
    ScrollBox1->viewport()->setAutoFillBackground(true);
    ScrollBox1->horizontalScrollBar()->setSingleStep(57);
    ScrollBox1->verticalScrollBar()->setSingleStep(39);
    // Flat teal scroll bars without arrow buttons.
    const QString teal = toQColor(clTeal).name();
    const QString bars = QStringLiteral("QScrollBar { background: %1; border: none; }"
                                        "QScrollBar:horizontal { height: 16px; }"
                                        "QScrollBar:vertical { width: 16px; }"
                                        "QScrollBar::handle { background: %2; border: 1px solid %1; }"
                                        "QScrollBar::handle:horizontal { min-width: 16px; }"
                                        "QScrollBar::handle:vertical { min-height: 16px; }"
                                        "QScrollBar::add-line, QScrollBar::sub-line { width: 0; height: 0; }"
                                        "QScrollBar::add-page, QScrollBar::sub-page { background: none; }")
                             .arg(teal, toQColor(clWhite).name());
    ScrollBox1->horizontalScrollBar()->setStyleSheet(bars);
    ScrollBox1->verticalScrollBar()->setStyleSheet(bars);

    m_content = new QWidget;
    m_content->setAutoFillBackground(false);
    Image1 = new TImage(m_content);
    Shape2 = new TCropShape(m_content);
    Shape2->SetBrush(clWhite, Qt::BDiagPattern);
    Shape2->SetPenColor(clBlack);
    Shape2->setCursor(Qt::SizeAllCursor);
    Shape3 = new TCropShape(m_content);
    Shape3->SetBrush(clMaroon, Qt::SolidPattern);
    Shape3->SetPenColor(clWhite);
    Shape3->setCursor(Qt::SizeFDiagCursor);
    ScrollBox1->setWidget(m_content);
    connect(Shape2, &TCropShape::OnMouseDown, this, &TForm4::Shape2MouseDown);
    connect(Shape2, &TCropShape::OnMouseMove, this, &TForm4::Shape2MouseMove);
    connect(Shape2, &TCropShape::OnMouseUp, this, &TForm4::Shape2MouseUp);
    connect(Shape3, &TCropShape::OnMouseDown, this, &TForm4::Shape3MouseDown);
    connect(Shape3, &TCropShape::OnMouseMove, this, &TForm4::Shape3MouseMove);
    connect(Shape3, &TCropShape::OnMouseUp, this, &TForm4::Shape3MouseUp);

    Shape1 = new TShape(this);
    Shape1->setGeometry(660, -1, 17, height() + 2);

    FlatGauge1 = new TFlatGauge(this);
    FlatGauge1->setGeometry(652, 384, 33, 17);
    FlatGauge1->SetShowText(false);
    FlatGauge1->SetProgress(0);

    FlatSpeedButton2 = new TFlatSpeedButton(this);
    FlatSpeedButton2->setGeometry(660, 408, 17, 17);
    connect(FlatSpeedButton2, &TFlatSpeedButton::OnClick, this, &TForm4::FlatSpeedButton2Click);
    FlatSpeedButton1 = new TFlatSpeedButton(this);
    FlatSpeedButton1->setGeometry(660, 432, 17, 17);
    FlatSpeedButton1->SetModalResult(mrCancel);

    nameControls({{ScrollBox1, "ScrollBox1"},
                  {Image1, "Image1"},
                  {Shape2, "Shape2"},
                  {Shape3, "Shape3"},
                  {Shape1, "Shape1"},
                  {FlatGauge1, "FlatGauge1"},
                  {FlatSpeedButton2, "FlatSpeedButton2"},
                  {FlatSpeedButton1, "FlatSpeedButton1"}});

    SetPicture(QImage());

    // The window starts with the built-in texts of its language targets.
    TextTargets own;
    RegisterTexts(own);
    own.applyBuiltIn();
}

TForm4::~TForm4()
{
    ScratchWritten();
}

const MessageTable& TForm4::Messages() const
{
    return m_state.messages;
}

void TForm4::RegisterTexts(TextTargets& texts)
{
    texts.add(61, TextTargets::caption(FlatSpeedButton1));
    texts.add(62, TextTargets::caption(FlatSpeedButton2));
    texts.add(71, TextTargets::hint(FlatSpeedButton1));
    texts.add(72, TextTargets::hint(FlatSpeedButton2));
    texts.add(79, TextTargets::hint(Shape2));
}

void TForm4::showEvent(QShowEvent* event)
{
    openCentred(this, event, [this] { FormShow(); });
    QDialog::showEvent(event);
}

void TForm4::FormShow()
{
    FlatGauge1->SetProgress(0);
    const ColorScheme& s = m_state.colors;
    schemecolours::applyToWindow(this, s);
    schemecolours::applyToBar(Shape1, s);
    schemecolours::apply(FlatSpeedButton1, s);
    schemecolours::apply(FlatSpeedButton2, s);
    schemecolours::apply(FlatGauge1, s);
}

QString TForm4::scratchPath() const
{
    return defaultBaseIn(m_state.programDir) + QStringLiteral("bufor.bmp");
}

bool TForm4::ScratchWritten()
{
    if (!m_scratch.valid())
        return m_scratchWritten;
    // A window closed right after a large photo was chosen waits for the rest of its write.
    if (m_scratch.wait_for(std::chrono::seconds(0)) != std::future_status::ready) {
        const BusyCursor busy;
        m_scratch.wait();
    }
    m_scratchWritten = m_scratch.get();
    return m_scratchWritten;
}

bool TForm4::LoadPicture(const QString& path)
{
    ScratchWritten();
    m_scratchWritten = true;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return false;
    const bool jpeg = isJpegName(path);
    const QImage picture = jpeg ? decodeJpeg(bytes).image : readPicture(bytes);
    if (picture.isNull())
        return false;
    SetPicture(picture);
    if (jpeg) {
        // A photo's bitmap is tens of megabytes, which take longer to write and sync than to decode;
        // the window shows the picture meanwhile. Only this writer touches the picture and the
        // scratch file until ScratchWritten() has waited for it.
        m_scratch = std::async(std::launch::async, [writer = m_state.writer, target = scratchPath(), picture] {
            return writeBitmap(*writer, target, picture, nullptr);
        });
    }
    return true;
}

void TForm4::SetPicture(const QImage& picture)
{
    m_picture = picture.isNull() ? QImage() : opaque(picture);
    Image1->SetPicture(m_picture);
    Image1->resize(m_picture.size());
    m_dragging = false;
    m_resizing = false;
    setView(startCrop(m_picture.size()));
}

CropView TForm4::View() const
{
    return {m_picture.size(), Shape2->geometry(),
            QPoint(ScrollBox1->horizontalScrollBar()->value(), ScrollBox1->verticalScrollBar()->value()),
            QPoint(ScrollBox1->horizontalScrollBar()->maximum(), ScrollBox1->verticalScrollBar()->maximum())};
}

void TForm4::setView(const CropView& view)
{
    Shape2->setGeometry(view.square);
    Shape3->setGeometry(view.handle());
    // The content reaches as far as the picture and the square with its handle.
    m_content->resize(QRect(QPoint(0, 0), view.picture).united(view.handle()).united(view.square).size());
    ScrollBox1->horizontalScrollBar()->setValue(view.scroll.x());
    ScrollBox1->verticalScrollBar()->setValue(view.scroll.y());
}

void TForm4::Shape2MouseDown(QPoint at)
{
    m_dragging = true;
    m_dragPress = at;
}

void TForm4::Shape2MouseMove(QPoint at)
{
    if (!m_dragging)
        return;
    CropView view = View();
    dragSquare(view, at, m_dragPress, kBox);
    setView(view);
}

void TForm4::Shape2MouseUp()
{
    m_dragging = false;
}

void TForm4::Shape3MouseDown(QPoint at)
{
    m_resizing = true;
    m_resizePress = at;
}

void TForm4::Shape3MouseMove(QPoint at)
{
    if (!m_resizing)
        return;
    CropView view = View();
    resizeSquare(view, at, m_resizePress, kBox);
    setView(view);
}

void TForm4::Shape3MouseUp()
{
    m_resizing = false;
}

QImage TForm4::CropPhotoToThumbnail(QString* error)
{
    const QRect square = Shape2->geometry();
    const int side = square.width();
    QImage photo(kPhotoSide, kPhotoSide, QImage::Format_RGB32);
    photo.fill(toQColor(kBoxBackground));
    const QRgb off = toQColor(kBoxBackground).rgb();
    const QRect picture = m_picture.rect();

    FlatGauge1->SetProgress(0);
    FlatGauge1->SetMaxValue(photoRowsFor(side));
    resampleToPhoto(
        side,
        [&](int x, int y) {
            const QPoint at = square.topLeft() + QPoint(x, y);
            return picture.contains(at) ? reinterpret_cast<const QRgb*>(m_picture.constScanLine(at.y()))[at.x()] : off;
        },
        [&photo](int x, int y, QRgb pixel) { reinterpret_cast<QRgb*>(photo.scanLine(y))[x] = pixel; },
        // The loop holds the event loop up: the gauge paints itself at once as its bar grows.
        [this](int row) { FlatGauge1->SetProgressNow(row); });
    FlatGauge1->SetProgress(0);

    // The photo goes to the scratch file after the picture it was cut from.
    ScratchWritten();
    if (!writeBitmap(*m_state.writer, scratchPath(), photo, error))
        return QImage();
    return photo;
}

void TForm4::FlatSpeedButton2Click()
{
    QString error;
    const QImage photo = CropPhotoToThumbnail(&error);
    if (photo.isNull()) {
        // The window stays open; the editor's picture is not changed.
        Prompter::current().showError(nullptr, messageBoxCaption(),
                                      cp1250::toUnicode(m_state.messages[kMsgFileError]) + u'\n' + error);
        return;
    }
    m_thumbnail = photo;
    done(mrOk);
}

PhotoChoice ChoosePhoto(TForm4& cropWindow, QWidget* owner)
{
    const QString path = PictureChooser::current().choosePicture(owner);
    if (path.isEmpty())
        return {};
    const auto pictureError = [&cropWindow] {
        Prompter::current().inform(nullptr, messageBoxCaption(),
                                   cp1250::toUnicode(cropWindow.Messages()[kPictureError]));
        return PhotoChoice();
    };
    const bool loaded = [&] {
        const BusyCursor busy;
        return cropWindow.LoadPicture(path);
    }();
    if (!loaded)
        return pictureError();
    PhotoChoice choice;
    choice.pickedName = path;
    const bool cropped = DialogRunner::current().run(cropWindow) == mrOk;
    // A photo whose picture could not go to the scratch file is not taken.
    if (!cropWindow.ScratchWritten())
        return pictureError();
    if (cropped) {
        choice.cropped = true;
        choice.photo = cropWindow.Thumbnail();
    }
    return choice;
}

} // namespace zdjecia
