#include "picturechooser.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QImageReader>
#include <QLabel>

namespace {

class PictureOpenDialog final : public PictureChooser {
public:
    QString choosePicture(QWidget* owner) override
    {
        const std::unique_ptr<QFileDialog> dialog = createPictureOpenDialog(owner);
        if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
            return QString();
        return dialog->selectedFiles().first();
    }
};

PictureChooser* g_current = nullptr;

} // namespace

PictureChooser& PictureChooser::current()
{
    static PictureOpenDialog real;
    return g_current ? *g_current : real;
}

void PictureChooser::setCurrent(PictureChooser* chooser)
{
    g_current = chooser;
}

std::unique_ptr<QFileDialog> createPictureOpenDialog(QWidget* owner)
{
    auto dialog = std::make_unique<QFileDialog>(owner);
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    // The desktop's own dialog cannot take the preview.
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    // The users are Polish; the desktop's language may be another.
    dialog->setWindowTitle(QString::fromUtf8("Wczytaj zdjęcie"));
    dialog->setLabelText(QFileDialog::LookIn, QString::fromUtf8("Szukaj w:"));
    dialog->setLabelText(QFileDialog::FileName, QString::fromUtf8("Nazwa pliku:"));
    dialog->setLabelText(QFileDialog::FileType, QString::fromUtf8("Pliki typu:"));
    dialog->setLabelText(QFileDialog::Accept, QString::fromUtf8("Otwórz"));
    dialog->setLabelText(QFileDialog::Reject, QString::fromUtf8("Anuluj"));
    // Cameras and phones name their files IMG.JPG, IMG.Jpg or photo.JPEG: the patterns match
    // names in any letter case.
    dialog->setFilter(dialog->filter() & ~QDir::CaseSensitive);
    dialog->setNameFilters({
        QStringLiteral("Wszystkie obrazy (*.jpg *.jpeg *.bmp *.ico)"),
        QStringLiteral("Obrazy JPEG (*.jpg *.jpeg)"),
        QStringLiteral("Mapy bitowe (*.bmp)"),
        QStringLiteral("Ikony (*.ico)"),
    });

    auto* preview = new QLabel(dialog.get());
    preview->setObjectName(QStringLiteral("preview"));
    preview->setFixedSize(160, 160);
    preview->setAlignment(Qt::AlignCenter);
    preview->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    if (auto* grid = qobject_cast<QGridLayout*>(dialog->layout()))
        grid->addWidget(preview, 1, grid->columnCount(), grid->rowCount() - 1, 1, Qt::AlignTop);
    // The preview only shows the picture, upright as a phone's photo is to be seen; the chosen file
    // is loaded by the program itself.
    // A photo passed over is read at about the preview's size: a JPEG reader then decodes only an
    // eighth of its width and height, not the tens of millions of pixels of a phone's photo.
    QObject::connect(dialog.get(), &QFileDialog::currentChanged, preview, [preview](const QString& path) {
        const QSize box = preview->size() - QSize(4, 4);
        QImage picture;
        if (QFileInfo(path).isFile()) {
            QImageReader reader(path);
            reader.setDecideFormatFromContent(true);
            reader.setAutoTransform(true);
            // The stored size: a quarter turn swaps it, which a square box does not mind.
            const QSize stored = reader.size();
            if (stored.isValid() && (stored.width() > box.width() || stored.height() > box.height()))
                reader.setScaledSize(stored.scaled(box, Qt::KeepAspectRatio));
            picture = reader.read();
        }
        if (picture.isNull())
            preview->clear();
        else
            preview->setPixmap(QPixmap::fromImage(picture.scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    });
    return dialog;
}
