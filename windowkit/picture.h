#pragma once

#include <QImage>
#include <QWidget>

// A picture control of the windows: shows its picture at the top-left corner, or stretched over
// the whole control (the photos, always 100 x 100 on screen whatever the file holds).
class TImage : public QWidget {
    Q_OBJECT
public:
    explicit TImage(QWidget* parent = nullptr);

    const QImage& Picture() const { return m_picture; }
    void SetPicture(const QImage& picture);
    // Loads a picture file of any type the platform reads; false, with the picture unchanged, when
    // the file is no readable picture.
    bool LoadFromFile(const QString& path);

    bool Stretch() const { return m_stretch; }
    void SetStretch(bool on);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_picture;
    bool m_stretch = false;
};
