// Encoders for the image export of the instrument controls: PNG through
// libpng with a chosen deflate level, JPEG through libjpeg with a quality, an
// optional progressive scan and a choice of DCT (accurate or fast). Both
// write 24-bit colour; alpha is dropped. A failure raises TwException.
#pragma once

#include <QByteArray>
#include <QImage>

// Level 0..9.
QByteArray EncodePNG(const QImage& Image, int Level);
// Quality 1..100.
QByteArray EncodeJPEG(const QImage& Image, int Quality, bool Progressive, bool FastDct);
