#pragma once
// JPEG decoding and encoding through libjpeg-turbo. Decoding gives a
// Format_RGB32 image; baseline and progressive files alike.
#include <QByteArray>
#include <QImage>
#include <stdexcept>

class TJpegError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

bool LooksLikeJpeg(const QByteArray& data);
QImage DecodeJpeg(const QByteArray& data);  // throws TJpegError
QByteArray EncodeJpeg(const QImage& image, int quality, bool progressive);
