// A phone photo chosen in the entry editor ("..."), from the moment the picture dialog hands over the
// file to the crop window drawn on the screen with the picture in it, for photos of 24 and 50
// megapixels; side by side with decoding the same file alone with libjpeg, read from the disk into
// plain RGB rows as a minimal program does (the floor). The windows go to the platform the caller
// has: run it under an X server (xvfb-run) to see what a user sees. After the run a table gives the
// medians and their ratios.
#include "bench_support.h"

#include "dialogrunner.h"
#include "picture.h"
#include "picturechooser.h"
#include "start.h"
#include "zdjecia.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <csetjmp>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include <jpeglib.h>

namespace {

struct Photo {
    const char* name;
    int width, height;
};

const Photo kPhotos[] = {{"Photo24MP", 6000, 4000}, {"Photo50MP", 8192, 6144}};

// A picture with what a photo has: smooth light, edges and fine grain, so the file is as large as a
// phone's (a few bytes for every ten pixels) and decodes as slowly.
QImage photoLike(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    QRandomGenerator random(20);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const int grain = int(random.bounded(24));
            const int r = (x * 255 / width + grain) & 0xFF;
            const int g = (y * 255 / height + grain) & 0xFF;
            const int b = ((x / 97 + y / 89) % 2 ? 200 : 40) + grain / 2;
            line[x] = qRgb(r, g, b);
        }
    }
    return image;
}

struct Files {
    QTemporaryDir dir;
    QString programDir;
    std::vector<QString> photos;
};

const Files& files()
{
    static const std::unique_ptr<Files> made = [] {
        auto f = std::make_unique<Files>();
        f->programDir = f->dir.path() + u'/';
        QDir(f->programDir).mkpath(QStringLiteral("baza"));
        for (const Photo& p : kPhotos) {
            const QString path = f->programDir + QString::fromLatin1(p.name) + QStringLiteral(".jpg");
            QImageWriter writer(path, "jpeg");
            writer.setQuality(90);
            if (!writer.write(photoLike(p.width, p.height)))
                std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            f->photos.push_back(path);
        }
        return f;
    }();
    return *made;
}

// The floor: the file read and decoded by libjpeg into RGB rows, nothing else.
qint64 decodeAlone(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray bytes = file.readAll();
    jpeg_decompress_struct cinfo;
    struct Errors {
        jpeg_error_mgr mgr;
        std::jmp_buf jump;
    } errors;
    cinfo.err = jpeg_std_error(&errors.mgr);
    errors.mgr.error_exit = [](j_common_ptr c) { std::longjmp(reinterpret_cast<Errors*>(c->err)->jump, 1); };
    jpeg_create_decompress(&cinfo);
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&cinfo);
        return -1;
    }
    jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char*>(bytes.constData()), (unsigned long)bytes.size());
    jpeg_read_header(&cinfo, TRUE);
    cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&cinfo);
    const std::size_t line = std::size_t(cinfo.output_width) * 3;
    std::vector<unsigned char> pixels(line * cinfo.output_height);
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW rows[8];
        for (int i = 0; i < 8; ++i)
            rows[i] = pixels.data() + line * std::min<std::size_t>(cinfo.output_scanline + i, cinfo.output_height - 1);
        jpeg_read_scanlines(&cinfo, rows, 8);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return qint64(pixels.size());
}

// The picture dialog's answer, as the user double-clicks the photo.
class ChosenPhoto final : public PictureChooser {
public:
    QString path;
    QString choosePicture(QWidget*) override { return path; }
};

// Shows the crop window as the modal show would and waits until the picture is drawn on the screen,
// noting when; then the window is closed as "X" does.
class ShowUntilDrawn final : public DialogRunner, public QObject {
public:
    QWidget* picture = nullptr;
    QElapsedTimer clock;
    qint64 drawnAfterNs = 0;
    int run(QDialog& dialog) override
    {
        m_drawn = false;
        picture->installEventFilter(this);
        dialog.show();
        while (!m_drawn)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        // The drawn backing store reaches the screen.
        QCoreApplication::processEvents();
        drawnAfterNs = clock.nsecsElapsed();
        picture->removeEventFilter(this);
        dialog.hide();
        return 0;
    }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == picture && event->type() == QEvent::Paint)
            m_drawn = true;
        return false;
    }

private:
    bool m_drawn = false;
};

void DecodeAlone(benchmark::State& state, int photo)
{
    const QString& path = files().photos[std::size_t(photo)];
    for (auto _ : state)
        if (decodeAlone(path) <= 0)
            state.SkipWithError("the photo does not decode");
}

void ChosenToCropWindow(benchmark::State& state, int photo)
{
    const Files& f = files();
    start::StartSetup setup;
    setup.programDir = f.programDir;
    setup.workingDir = f.programDir;
    const auto main = std::make_unique<start::TForm1>(setup);
    const auto crop = std::make_unique<zdjecia::TForm4>(main->State());
    ChosenPhoto chooser;
    chooser.path = f.photos[std::size_t(photo)];
    ShowUntilDrawn runner;
    runner.picture = crop->findChild<TImage*>(QStringLiteral("Image1"));
    PictureChooser::setCurrent(&chooser);
    DialogRunner::setCurrent(&runner);
    for (auto _ : state) {
        // Timed to the window drawn; what follows its close (waiting for the scratch bitmap) is not.
        runner.clock.start();
        const zdjecia::PhotoChoice choice = zdjecia::ChoosePhoto(*crop, nullptr);
        if (choice.pickedName.isEmpty())
            state.SkipWithError("the crop window did not open");
        state.SetIterationTime(double(runner.drawnAfterNs) / 1e9);
        crop->SetPicture(QImage());
        QCoreApplication::processEvents();
    }
    PictureChooser::setCurrent(nullptr);
    DialogRunner::setCurrent(nullptr);
}

void registerBenchmarks()
{
    for (int i = 0; i < int(std::size(kPhotos)); ++i) {
        const std::string name = kPhotos[i].name;
        benchmark::RegisterBenchmark((name + "/DecodeAlone").c_str(), DecodeAlone, i)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(3);
        benchmark::RegisterBenchmark((name + "/ChosenToCropWindow").c_str(), ChosenToCropWindow, i)
            ->Unit(benchmark::kMillisecond)
            ->UseManualTime()
            ->Iterations(3);
    }
}

void printTable(const Medians& m)
{
    const auto time = [&](const std::string& name) {
        const auto it = m.find(name);
        return it == m.end() ? -1.0 : it->second;
    };
    std::printf("\nMedians and ratios (real time), platform %s\n", qPrintable(QGuiApplication::platformName()));
    for (std::size_t i = 0; i < std::size(kPhotos); ++i) {
        const Photo& p = kPhotos[i];
        std::printf("%-12s %d x %d, %.1f MB\n", p.name, p.width, p.height,
                    double(QFileInfo(files().photos[i]).size()) / 1e6);
    }
    std::printf("%-12s %16s %22s %22s\n", "", "decode alone", "chosen to crop window", "ratio (goal <= 2x)");
    for (const Photo& p : kPhotos) {
        const double floor = time(p.name + std::string("/DecodeAlone"));
        const double shown = time(p.name + std::string("/ChosenToCropWindow"));
        std::printf("%-12s %13.1f ms %19.1f ms %21.2fx\n", p.name, floor, shown, floor > 0 ? shown / floor : 0.0);
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    files(); // written before anything is timed
    registerBenchmarks();
    printTable(runBenchmarks(argc, argv));
    return 0;
}
