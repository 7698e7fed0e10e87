#include "zdjecia.h"

#include "TFlatGaugeUnit.h"
#include "TFlatSpeedButtonUnit.h"
#include "children.h"
#include "fakedesktop.h"
#include "fakes.h"
#include "flattest.h"
#include "jpegfiles.h"
#include "picture.h"
#include "shape.h"
#include "start.h"
#include "support.h"
#include "texttargets.h"

#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>

#include <gtest/gtest.h>

#include <numeric>

// Readable rectangles in failure messages.
static void PrintTo(const QRect& r, std::ostream* os)
{
    *os << r.x() << "," << r.y() << " " << r.width() << "x" << r.height();
}

namespace {

using zdjecia::ChoosePhoto;
using zdjecia::PhotoChoice;
using zdjecia::TCropShape;
using zdjecia::TForm4;

const QString kPictureMessage =
    QString::fromUtf8("Jakaś lipa z tym obrazkiem, bo nie wiem, czy wiesz, ale to ma być obrazek");

// A picture whose pixels tell where they are: red x, green y, blue x / 256 + 4 y / 256.
QImage pattern(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x % 256, y % 256, x / 256 + 4 * (y / 256)));
    }
    return image;
}

// Solid colours, which survive the compression, so a photo made of it can be checked: blue with a
// red rectangle.
QImage redOnBlue(QSize size, QRect red)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(qRgb(0, 0, 255));
    QPainter(&image).fillRect(red, QColor(255, 0, 0));
    return image;
}

QByteArray jpeg(const QImage& image, int orientation = 0)
{
    JpegFile file;
    file.picture = image;
    file.orientation = orientation;
    return file.encode();
}

QByteArray encoded(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(image.save(&buffer, format));
    return bytes;
}

// The main window started on a program folder, and the crop window over it.
class CropWindowTest : public FlatTest {
protected:
    CropWindowTest()
    {
        dir.mkdir("baza");
        start::StartSetup setup;
        setup.programDir = dir.path();
        setup.workingDir = dir.path();
        main = std::make_unique<start::TForm1>(setup);
        window = std::make_unique<TForm4>(main->State());
    }

    QString bitmap(const QString& name, const QImage& image) { return dir.write(name, encoded(image, "BMP")); }

    // A drag with the mouse: the button goes down at a point of the shape, the pointer moves by each
    // step in turn (the shape may move under it), and the button comes up.
    static void drag(QWidget& shape, QPoint at, std::initializer_list<QPoint> steps)
    {
        QPoint global = shape.mapToGlobal(at);
        press(shape, at);
        for (const QPoint& step : steps) {
            global += step;
            send(shape, QEvent::MouseMove, shape.mapFromGlobal(global), Qt::LeftButton);
        }
        release(shape, shape.mapFromGlobal(global));
    }

    static void send(QWidget& w, QEvent::Type type, QPoint p, Qt::MouseButtons held)
    {
        QMouseEvent e(type, QPointF(p), QPointF(w.mapToGlobal(p)), Qt::NoButton, held, Qt::NoModifier);
        QApplication::sendEvent(&w, &e);
    }

    TempDir dir;
    FakePrompter prompter;
    ScriptedDialogRunner runner;
    std::unique_ptr<start::TForm1> main;
    std::unique_ptr<TForm4> window;
};

TEST_F(CropWindowTest, ACancelledChoiceShowsNothing)
{
    FixedPictureChooser chooser;
    const PhotoChoice choice = ChoosePhoto(*window, nullptr);
    EXPECT_EQ(chooser.asked, 1);
    EXPECT_TRUE(choice.pickedName.isEmpty());
    EXPECT_FALSE(choice.cropped);
    EXPECT_TRUE(runner.shown.isEmpty());
    EXPECT_TRUE(prompter.shown.isEmpty());
}

TEST_F(CropWindowTest, AFileThatIsNoPictureIsReportedAndTheWindowIsNotShown)
{
    const QImage before = child<TImage>(*window, "Image1")->Picture();
    // Scans cut short: the platform's readers would make up the missing part.
    const QByteArray scan = encoded(pattern(300, 400), "BMP");
    const QByteArray jpegScan = jpeg(pattern(300, 400));
    const QByteArray endMarker("\xFF\xD9", 2);
    const struct {
        const char* name;
        QByteArray bytes;
    } cases[] = {
        {"garbage.jpg", QByteArray(3000, '\x5A')},
        {"cut.jpeg", jpeg(pattern(200, 200)).left(600)},
        {"text.bmp", "no picture here"},
        {"missing.JPG", QByteArray()},
        {"scan.bmp", scan.left(scan.size() * 9 / 10)},
        {"scan.JPG", jpegScan.left(jpegScan.size() / 2) + endMarker},
        {"scan.Bmp", jpegScan.left(jpegScan.size() / 2) + endMarker}, // a JPEG by its content
    };
    for (const auto& c : cases) {
        const QString path =
            QString::fromLatin1(c.name) == "missing.JPG" ? dir.file(c.name) : dir.write(c.name, c.bytes);
        FixedPictureChooser chooser(path);
        prompter.shown.clear();
        const PhotoChoice choice = ChoosePhoto(*window, nullptr);
        EXPECT_TRUE(choice.pickedName.isEmpty()) << c.name;
        ASSERT_EQ(prompter.shown.size(), 1) << c.name;
        EXPECT_EQ(prompter.shown[0].text, kPictureMessage);
        EXPECT_EQ(prompter.shown[0].caption, "Zubo");
    }
    EXPECT_TRUE(runner.shown.isEmpty());
    EXPECT_EQ(child<TImage>(*window, "Image1")->Picture(), before);
}

TEST_F(CropWindowTest, AJpegGoesThroughTheDecoderAndZHandsBackTheSquare)
{
    const QImage picture = redOnBlue({300, 200}, {0, 0, 100, 100});
    const QString path = dir.write("photo.JPG", jpeg(picture));
    FixedPictureChooser chooser(path);
    FakeDesktop desktop;
    runner.scripts << [&](QDialog&) {
        // The busy cursor showed while the photo was loaded, and is gone with the window shown.
        EXPECT_EQ(desktop.busyCalls, (std::vector<bool>{true, false}));
        EXPECT_EQ(child<TImage>(*window, "Image1")->size(), QSize(300, 200));
        EXPECT_EQ(child<TCropShape>(*window, "Shape2")->geometry(), QRect(0, 0, 100, 100));
        EXPECT_EQ(child<TCropShape>(*window, "Shape3")->geometry(), QRect(94, 94, 9, 9));
        child<TFlatSpeedButton>(*window, "FlatSpeedButton2")->Click();
    };
    const PhotoChoice choice = ChoosePhoto(*window, nullptr);

    EXPECT_EQ(choice.pickedName, path);
    ASSERT_TRUE(choice.cropped);
    EXPECT_EQ(choice.photo.size(), QSize(100, 100));
    const QRgb centre = choice.photo.pixel(50, 50);
    EXPECT_GT(qRed(centre), 200);
    EXPECT_LT(qBlue(centre), 60);
    // The scratch bitmap holds the last step's picture: after the crop, the photo.
    EXPECT_EQ(QImage(dir.file("baza/bufor.bmp")).size(), QSize(100, 100));
}

TEST_F(CropWindowTest, APhonePhotoStandsUprightAndCmykPrintWorkLoads)
{
    // Stored on its side, red at the left: the phone says it is to be turned a quarter clockwise.
    const QImage stored = redOnBlue({120, 80}, {0, 0, 40, 80});
    JpegFile print;
    print.picture = stored;
    print.colours = JpegFile::Colours::Cmyk;
    const struct {
        const char* name;
        QByteArray bytes;
        QSize size;
        QPoint red; // a point of the red part as shown
    } cases[] = {
        {"IMG_0001.Jpg", jpeg(stored, 6), {80, 120}, {40, 10}},
        {"photo.JPEG", jpeg(stored, 8), {80, 120}, {40, 110}},
        {"ulotka.jpg", print.encode(), {120, 80}, {10, 40}},
        {"phone.bmp", jpeg(stored, 6), {80, 120}, {40, 10}}, // a JPEG by its content
    };
    for (const auto& c : cases) {
        FixedPictureChooser chooser(dir.write(c.name, c.bytes));
        runner.scripts << [](QDialog&) {};
        const PhotoChoice choice = ChoosePhoto(*window, nullptr);
        EXPECT_FALSE(choice.pickedName.isEmpty()) << c.name;
        const QImage shown = child<TImage>(*window, "Image1")->Picture();
        EXPECT_EQ(shown.size(), c.size) << c.name;
        const QRgb red = shown.pixel(c.red);
        EXPECT_TRUE(qRed(red) > 200 && qBlue(red) < 60) << c.name << ": " << QColor(red).name().toStdString();
    }
    EXPECT_TRUE(prompter.shown.isEmpty());
}

TEST_F(CropWindowTest, OtherNamesAreLoadedDirectlyAndCancellingKeepsThePickedName)
{
    const QString path = bitmap("photo.jpg.bmp", pattern(300, 200));
    FixedPictureChooser chooser(path);
    runner.scripts << [this](QDialog&) { child<TFlatSpeedButton>(*window, "FlatSpeedButton1")->Click(); };
    const PhotoChoice choice = ChoosePhoto(*window, nullptr);

    EXPECT_EQ(choice.pickedName, path);
    EXPECT_FALSE(choice.cropped);
    EXPECT_TRUE(choice.photo.isNull());
    EXPECT_EQ(window->result(), mrCancel);
    EXPECT_EQ(child<TImage>(*window, "Image1")->Picture().pixel(299, 199), pattern(300, 200).pixel(299, 199));
    EXPECT_FALSE(dir.exists("baza/bufor.bmp")) << "only a JPEG passes through the scratch bitmap";

    // A JPEG's crop cancelled: the scratch bitmap holds its picture.
    chooser.answer = dir.write("photo.jpeg", jpeg(pattern(300, 200)));
    runner.scripts << [this](QDialog&) { child<TFlatSpeedButton>(*window, "FlatSpeedButton1")->Click(); };
    EXPECT_EQ(ChoosePhoto(*window, nullptr).pickedName, chooser.answer);
    EXPECT_EQ(QImage(dir.file("baza/bufor.bmp")).size(), QSize(300, 200));
}

TEST_F(CropWindowTest, DraggingAndResizingWithTheMouseChooseWhatIsCut)
{
    const QImage picture = pattern(400, 300);
    window->SetPicture(picture);
    window->show();

    drag(*child<TCropShape>(*window, "Shape2"), {50, 50}, {{10, 5}, {20, 15}});
    EXPECT_EQ(child<TCropShape>(*window, "Shape2")->geometry(), QRect(30, 20, 100, 100));
    // Moves after the release drag nothing.
    send(*child<TCropShape>(*window, "Shape2"), QEvent::MouseMove, {90, 90}, Qt::NoButton);
    EXPECT_EQ(child<TCropShape>(*window, "Shape2")->geometry(), QRect(30, 20, 100, 100));

    drag(*child<TCropShape>(*window, "Shape3"), {4, 4}, {{150, 100}});
    EXPECT_EQ(child<TCropShape>(*window, "Shape2")->geometry(), QRect(30, 20, 200, 200));
    EXPECT_EQ(child<TCropShape>(*window, "Shape3")->geometry(), QRect(224, 214, 9, 9));

    const QImage photo = window->CropPhotoToThumbnail();
    // Reduced by half: photo pixel (x, y) comes from the square's (2x + 1, 2y + 1).
    for (const QPoint p : {QPoint(0, 0), QPoint(10, 40), QPoint(99, 99)})
        EXPECT_EQ(photo.pixel(p), picture.pixel(QPoint(30, 20) + 2 * p + QPoint(1, 1))) << p.x() << "," << p.y();
    EXPECT_EQ(child<TFlatGauge>(*window, "FlatGauge1")->MaxValue(), 200);
    EXPECT_EQ(child<TFlatGauge>(*window, "FlatGauge1")->Progress(), 0);
}

TEST_F(CropWindowTest, TheGaugeIsPaintedAsItsBarGrowsWhileTheSquareIsCut)
{
    window->SetPicture(pattern(400, 300));
    window->show();
    drag(*child<TCropShape>(*window, "Shape3"), {4, 4}, {{100, 100}});
    ASSERT_EQ(child<TCropShape>(*window, "Shape2")->width(), 200);

    // The bar each paint of the gauge showed while the square was being cut.
    struct PaintWatch : QObject {
        TFlatGauge* gauge = nullptr;
        std::vector<int> bars;
        bool eventFilter(QObject*, QEvent* e) override
        {
            if (e->type() == QEvent::Paint)
                bars.push_back(gauge->BarWidth());
            return false;
        }
    } watch;
    watch.gauge = child<TFlatGauge>(*window, "FlatGauge1");
    QApplication::processEvents();
    child<TFlatGauge>(*window, "FlatGauge1")->installEventFilter(&watch);
    window->CropPhotoToThumbnail();
    child<TFlatGauge>(*window, "FlatGauge1")->removeEventFilter(&watch);

    // 200 rows on a bar of 29 pixels: painted once for each pixel it grew, up to row 199 of 200.
    std::vector<int> expected(28);
    std::iota(expected.begin(), expected.end(), 1);
    EXPECT_EQ(watch.bars, expected);
}

TEST_F(CropWindowTest, DraggingToTheBoxEdgeScrollsThePicture)
{
    const QImage picture = pattern(2000, 1000);
    window->SetPicture(picture);
    window->show();
    QScrollBar* horizontal = child<QScrollArea>(*window, "ScrollBox1")->horizontalScrollBar();
    ASSERT_GT(horizontal->maximum(), 1000);

    // The square comes to 600: the pointer (600 + 50) is near the right edge of the box.
    drag(*child<TCropShape>(*window, "Shape2"), {50, 50}, {{600, 0}});
    EXPECT_EQ(child<TCropShape>(*window, "Shape2")->geometry().topLeft(), QPoint(600, 0));
    EXPECT_EQ(horizontal->value(), 59);
    EXPECT_EQ(window->View().scroll, QPoint(59, 0));

    const QImage photo = window->CropPhotoToThumbnail();
    EXPECT_EQ(photo.pixel(0, 0), picture.pixel(600, 0));
    EXPECT_EQ(photo.pixel(99, 99), picture.pixel(699, 99));

    // A new picture starts again at the top left, not scrolled.
    window->SetPicture(pattern(2000, 1000));
    EXPECT_EQ(horizontal->value(), 0);
    EXPECT_EQ(child<TCropShape>(*window, "Shape2")->geometry(), QRect(0, 0, 100, 100));
}

TEST_F(CropWindowTest, ASmallPictureIsEnlargedOnTheBoxBackground)
{
    const QImage picture = pattern(30, 30);
    window->SetPicture(picture);
    // The square (100 x 100) covers the picture and the box around it.
    const QImage photo = window->CropPhotoToThumbnail();
    EXPECT_EQ(photo.pixel(0, 0), picture.pixel(0, 0));
    EXPECT_EQ(photo.pixel(29, 29), picture.pixel(29, 29));
    EXPECT_EQ(Hex{fromQColor(photo.pixelColor(50, 50))}, Hex{clMedGray});

    // Pulled in to the picture, then enlarged: each picture pixel fills 10 / 3 photo pixels.
    drag(*child<TCropShape>(*window, "Shape3"), {4, 4}, {{0, 0}});
    EXPECT_EQ(child<TCropShape>(*window, "Shape2")->geometry(), QRect(0, 0, 30, 30));
    const QImage enlarged = window->CropPhotoToThumbnail();
    EXPECT_EQ(enlarged.pixel(99, 99), picture.pixel(29, 29));
    EXPECT_EQ(enlarged.pixel(3, 3), picture.pixel(0, 0));
    EXPECT_EQ(enlarged.pixel(4, 4), picture.pixel(1, 1));
    EXPECT_EQ(child<TFlatGauge>(*window, "FlatGauge1")->MaxValue(), 100);
}

TEST_F(CropWindowTest, AScratchBitmapThatCannotBeWrittenStopsTheStepWithAMessage)
{
    const FailingFileWriter writer(0);
    main->State().writer = &writer;

    // Converting a JPEG, whose bitmap is written while the window shows it: the picture message
    // once the window closes, and even a crop is not taken.
    FixedPictureChooser chooser(dir.write("photo.jpg", jpeg(pattern(120, 120))));
    runner.scripts << [this](QDialog&) {
        child<TFlatSpeedButton>(*window, "FlatSpeedButton2")->Click();
        EXPECT_TRUE(prompter.shown.size() == 1 && window->isVisible()) << "the photo cannot be written either";
    };
    const PhotoChoice converted = ChoosePhoto(*window, nullptr);
    EXPECT_TRUE(converted.pickedName.isEmpty());
    EXPECT_FALSE(converted.cropped);
    ASSERT_EQ(prompter.shown.size(), 2);
    EXPECT_EQ(prompter.shown[1].text, kPictureMessage);
    prompter.shown.clear();

    // Cropping: the error names the file and the window stays open without a photo.
    chooser.answer = bitmap("photo.bmp", pattern(120, 120));
    runner.scripts << [this](QDialog&) {
        child<TFlatSpeedButton>(*window, "FlatSpeedButton2")->Click();
        EXPECT_TRUE(window->isVisible());
    };
    const PhotoChoice choice = ChoosePhoto(*window, nullptr);
    EXPECT_FALSE(choice.cropped);
    EXPECT_TRUE(window->Thumbnail().isNull());
    ASSERT_EQ(prompter.shown.size(), 1);
    EXPECT_TRUE(prompter.shown[0].text.contains(dir.file("baza/bufor.bmp"))) << prompter.shown[0].text.toStdString();
}

TEST_F(CropWindowTest, AScratchBitmapThatIsALinkLeadingOutOfTheDataFolderIsNeverWrittenThrough)
{
    // An unpacked archive may hold the scratch bitmap as a link to a file elsewhere.
    const QString outside = dir.write("obce/zdjecie.bmp", "someone else's");
    ASSERT_TRUE(QFile::link(outside, dir.file("baza/bufor.bmp")));

    FixedPictureChooser chooser(dir.write("photo.jpg", jpeg(pattern(120, 120))));
    EXPECT_TRUE(ChoosePhoto(*window, nullptr).pickedName.isEmpty());
    ASSERT_EQ(prompter.shown.size(), 1);
    EXPECT_EQ(prompter.shown[0].text, kPictureMessage);

    chooser.answer = bitmap("photo.bmp", pattern(120, 120));
    runner.scripts << [this](QDialog&) { child<TFlatSpeedButton>(*window, "FlatSpeedButton2")->Click(); };
    EXPECT_FALSE(ChoosePhoto(*window, nullptr).cropped);
    ASSERT_EQ(prompter.shown.size(), 2);
    EXPECT_TRUE(prompter.shown[1].text.contains(dir.file("baza/bufor.bmp"))) << prompter.shown[1].text.toStdString();

    EXPECT_EQ(dir.read("obce/zdjecie.bmp"), "someone else's");
    EXPECT_TRUE(QFileInfo(dir.file("baza/bufor.bmp")).isSymLink());
}

TEST_F(CropWindowTest, TakesTheSchemeOnShowAndItsLanguageTexts)
{
    ColorScheme& s = main->State().colors;
    s.tlo_tlo = 0x203040;
    s.paski_tlo = 0x00FF00;
    s.paski_postep = 0xFF00FF;
    s.guziki_tlo = 0x0000FF;
    window->SetPicture(pattern(100, 100));
    window->show();
    child<TFlatGauge>(*window, "FlatGauge1")->SetProgress(100);
    const QImage image = snapshot(*window);
    const struct {
        const char* what;
        QPoint at;
        TColor expected;
    } pixels[] = {
        {"window", {655, 200}, s.tlo_tlo},         {"bar", {668, 200}, s.paski_tlo},
        {"Z", {662, 410}, s.guziki_tlo},           {"X", {662, 434}, s.guziki_tlo},
        {"gauge bar", {660, 392}, s.paski_postep}, {"scroll box", {400, 300}, clMedGray},
    };
    for (const auto& p : pixels)
        EXPECT_EQ(Hex{pixel(image, p.at.x(), p.at.y())}, Hex{p.expected}) << p.what;
    window->hide();
    window->show();
    EXPECT_EQ(child<TFlatGauge>(*window, "FlatGauge1")->Progress(), 0);

    EXPECT_EQ(child<TFlatSpeedButton>(*window, "FlatSpeedButton2")->Caption(), "Z");
    EXPECT_EQ(child<TFlatSpeedButton>(*window, "FlatSpeedButton1")->toolTip(), "Zamknij okno bez dokonywania zmian");
    EXPECT_TRUE(child<TCropShape>(*window, "Shape2")->toolTip().startsWith(QString::fromUtf8("Przesuń ten kwadrat")));

    TextTargets texts;
    window->RegisterTexts(texts);
    for (int id : {61, 62, 71, 72, 79})
        texts.apply(id, QStringLiteral("t%1").arg(id));
    EXPECT_EQ(child<TFlatSpeedButton>(*window, "FlatSpeedButton1")->Caption(), "t61");
    EXPECT_EQ(child<TFlatSpeedButton>(*window, "FlatSpeedButton2")->Caption(), "t62");
    EXPECT_EQ(child<TFlatSpeedButton>(*window, "FlatSpeedButton1")->toolTip(), "t71");
    EXPECT_EQ(child<TFlatSpeedButton>(*window, "FlatSpeedButton2")->toolTip(), "t72");
    EXPECT_EQ(child<TCropShape>(*window, "Shape2")->toolTip(), "t79");
}

} // namespace
