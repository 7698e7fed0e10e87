#pragma once

#include "FlatColors.h"
#include "messages.h"
#include "photocrop.h"
#include "programstate.h"

#include <QDialog>
#include <QImage>
#include <QString>

#include <future>

class FileWriter;
class QScrollArea;
class TextTargets;
class TFlatGauge;
class TFlatSpeedButton;
class TImage;
class TShape;

// The photo crop window: the chosen picture in a scroll box with a square over it that the user
// drags and resizes; "Z" cuts the square out and makes the 100 x 100 photo of it.
namespace zdjecia {

// The selection square and its resize handle: rectangles that take the mouse, reporting the
// pointer in their own coordinates.
class TCropShape : public QWidget {
    Q_OBJECT
public:
    explicit TCropShape(QWidget* parent = nullptr);

    void SetBrush(TColor color, Qt::BrushStyle style);
    void SetPenColor(TColor color);

signals:
    void OnMouseDown(QPoint at);
    void OnMouseMove(QPoint at);
    void OnMouseUp(QPoint at);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    TColor m_brushColor = clWhite;
    Qt::BrushStyle m_brushStyle = Qt::SolidPattern;
    TColor m_penColor = clBlack;
};

class TForm4 : public QDialog {
    Q_OBJECT
public:
    // `state` gives the program folder, the messages and the colours; it must outlive the window.
    explicit TForm4(const ProgramState& state, QWidget* parent = nullptr);
    ~TForm4() override;

    // The photo "Z" made last, 100 x 100.
    const QImage& Thumbnail() const { return m_thumbnail; }

    // Loads a picture file for cropping: a JPEG name through the JPEG decoder, any other through the
    // readers of the platform. False, with the window unchanged, when the file is no picture that
    // can be loaded. A JPEG's picture also goes to the scratch bitmap baza/bufor.bmp, written in the
    // background while the window shows it: ScratchWritten() waits for that write.
    bool LoadPicture(const QString& path);
    // Waits for the scratch bitmap of the last loaded picture; false when it could not be written.
    bool ScratchWritten();
    // Shows a picture: scrolled to its top left corner, the square 100 x 100 there.
    void SetPicture(const QImage& picture);
    CropView View() const;

    // The square cut out and resampled to 100 x 100 (also written to the scratch bitmap, which
    // `error` names when it cannot be written; the photo is then null).
    QImage CropPhotoToThumbnail(QString* error = nullptr);

    // The program's message table, from which the window's reports take their texts.
    const MessageTable& Messages() const;

    void RegisterTexts(TextTargets& texts);

    void FormShow();
    void Shape2MouseDown(QPoint at);
    void Shape2MouseMove(QPoint at);
    void Shape2MouseUp();
    void Shape3MouseDown(QPoint at);
    void Shape3MouseMove(QPoint at);
    void Shape3MouseUp();
    void FlatSpeedButton2Click(); // "Z"

protected:
    void showEvent(QShowEvent* event) override;

private:
    // The controls, each named by its component name (see nameControls).
    QScrollArea* ScrollBox1;
    TImage* Image1;     // the picture, at the top left corner of the scroll box's content
    TCropShape* Shape2; // the selection square
    TCropShape* Shape3; // its resize handle
    TShape* Shape1;     // the button bar
    TFlatGauge* FlatGauge1;
    TFlatSpeedButton* FlatSpeedButton2; // "Z"
    TFlatSpeedButton* FlatSpeedButton1; // "X"

    void setView(const CropView& view);
    QString scratchPath() const;

    const ProgramState& m_state;
    QWidget* m_content;
    QImage m_picture; // 32-bit, what the scroll box shows
    QImage m_thumbnail;
    std::future<bool> m_scratch; // the write of the loaded JPEG's scratch bitmap, while under way
    bool m_scratchWritten = true;
    bool m_dragging = false;
    bool m_resizing = false;
    QPoint m_dragPress;
    QPoint m_resizePress;
};

// What the editor's "..." did.
struct PhotoChoice {
    // The chosen file; empty when the user cancelled the picture dialog or the file could not be
    // loaded. Set also when the crop is then cancelled.
    QString pickedName;
    // The crop window ended with "Z": `photo` is the 100 x 100 photo for the editor's picture.
    bool cropped = false;
    QImage photo;
};

// The editor's "...": the picture-open dialog, the picture loaded into the crop window under the
// busy cursor, which is then shown modally. A file that cannot be loaded is reported (message 10)
// and the crop window is not shown; a scratch bitmap that could not be written is reported the
// same way when the window closes, and the choice is not taken.
PhotoChoice ChoosePhoto(TForm4& cropWindow, QWidget* owner);

} // namespace zdjecia
