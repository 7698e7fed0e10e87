#include "picturechooser.h"

#include "jpegfiles.h"
#include "support.h"

#include <QEventLoop>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLabel>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// The names the dialog lists once it has read `folder`.
QStringList listed(QFileDialog& dialog, const QString& folder)
{
    auto* model = dialog.findChild<QFileSystemModel*>();
    EXPECT_NE(model, nullptr);
    if (!model)
        return {};
    const QString wanted = QDir(folder).canonicalPath();
    QEventLoop loop;
    QObject::connect(model, &QFileSystemModel::directoryLoaded, &loop, [&](const QString& path) {
        if (QDir(path).canonicalPath() == wanted)
            QTimer::singleShot(100, &loop, &QEventLoop::quit);
    });
    QTimer::singleShot(5000, &loop, &QEventLoop::quit);
    dialog.setDirectory(folder);
    loop.exec();
    QStringList names;
    const QModelIndex root = model->index(wanted);
    for (int row = 0; row < model->rowCount(root); ++row)
        names << model->index(row, 0, root).data().toString();
    names.sort();
    return names;
}

TEST(PictureOpenDialog, OffersPictureFilesWhateverTheCaseOfTheirExtensions)
{
    TempDir dir;
    for (const char* name :
         {"a.jpg", "B.JPG", "IMG.Jpg", "photo.JPEG", "scan.Bmp", "ikona.ICO", "notes.txt", "photo.jpg.txt"})
        dir.write(QString::fromLatin1(name), "x");
    const auto dialog = createPictureOpenDialog(nullptr);
    EXPECT_EQ(listed(*dialog, dir.path()),
              QStringList({"B.JPG", "IMG.Jpg", "a.jpg", "ikona.ICO", "photo.JPEG", "scan.Bmp"}));
}

TEST(PictureOpenDialog, ThePreviewShowsAPhonePhotoUpright)
{
    TempDir dir;
    // Smaller than the preview, and larger, which is read at about the preview's size.
    for (const QSize stored : {QSize(120, 80), QSize(1200, 800)}) {
        JpegFile photo;
        photo.picture = QImage(stored, QImage::Format_RGB32);
        photo.picture.fill(Qt::red);
        photo.orientation = 6; // stored on its side
        const QString path = dir.write("IMG_0001.JPG", photo.encode());
        const auto dialog = createPictureOpenDialog(nullptr);
        auto* preview = dialog->findChild<QLabel*>(QStringLiteral("preview"));
        ASSERT_NE(preview, nullptr);
        emit dialog->currentChanged(path);
        const QPixmap shown = preview->pixmap();
        ASSERT_FALSE(shown.isNull());
        EXPECT_LT(shown.width(), shown.height());
        EXPECT_LE(shown.height(), preview->height());
    }
}

} // namespace
