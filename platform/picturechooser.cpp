#include "picturechooser.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QImageReader>
#include <QLabel>

namespace {

// The file system's name filters tell letter case apart here, while picture files often come with
// upper-case extensions from cameras.
QString patterns(std::initializer_list<const char*> extensions)
{
    QStringList list;
    for (const char* e : extensions) {
        const QString ext = QString::fromLatin1(e);
        list << QStringLiteral("*.") + ext << QStringLiteral("*.") + ext.toUpper();
    }
    return list.join(QLatin1Char(' '));
}

class PictureOpenDialog final : public PictureChooser {
public:
    QString choosePicture(QWidget* owner) override
    {
        QFileDialog dialog(owner);
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        // The desktop's own dialog cannot take the preview.
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        // The users are Polish; the desktop's language may be another.
        dialog.setWindowTitle(QString::fromUtf8("Wczytaj zdjęcie"));
        dialog.setLabelText(QFileDialog::LookIn, QString::fromUtf8("Szukaj w:"));
        dialog.setLabelText(QFileDialog::FileName, QString::fromUtf8("Nazwa pliku:"));
        dialog.setLabelText(QFileDialog::FileType, QString::fromUtf8("Pliki typu:"));
        dialog.setLabelText(QFileDialog::Accept, QString::fromUtf8("Otwórz"));
        dialog.setLabelText(QFileDialog::Reject, QString::fromUtf8("Anuluj"));
        dialog.setNameFilters({
            QStringLiteral("Wszystkie obrazy (%1)").arg(patterns({"jpg", "jpeg", "bmp", "ico"})),
            QStringLiteral("Obrazy JPEG (%1)").arg(patterns({"jpg", "jpeg"})),
            QStringLiteral("Mapy bitowe (%1)").arg(patterns({"bmp"})),
            QStringLiteral("Ikony (%1)").arg(patterns({"ico"})),
        });

        auto* preview = new QLabel(&dialog);
        preview->setFixedSize(160, 160);
        preview->setAlignment(Qt::AlignCenter);
        preview->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout()))
            grid->addWidget(preview, 1, grid->columnCount(), grid->rowCount() - 1, 1, Qt::AlignTop);
        // The preview only shows the picture; the chosen file is loaded by the program itself.
        QObject::connect(&dialog, &QFileDialog::currentChanged, preview, [preview](const QString& path) {
            QImage picture;
            if (QFileInfo(path).isFile()) {
                QImageReader reader(path);
                reader.setDecideFormatFromContent(true);
                picture = reader.read();
            }
            if (picture.isNull())
                preview->clear();
            else
                preview->setPixmap(QPixmap::fromImage(
                    picture.scaled(preview->size() - QSize(4, 4), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
        });

        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return QString();
        return dialog.selectedFiles().first();
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
