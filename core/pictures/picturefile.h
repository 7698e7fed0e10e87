#pragma once

#include <QByteArray>
#include <QImage>

// A picture by its content, whatever its name says. The platform's readers make up what a cut
// bitmap or JPEG lacks, so a JPEG goes through the same decoder as a JPEG name, and a bitmap must
// hold every row its header promises. A null image when the bytes hold no usable picture.
QImage readPicture(const QByteArray& bytes);
